#include "armakon/model/hydArmaturDDRDFR.h"

#include "armakon/components/TreeNode.h"

namespace armakon::hydVDIArmaturen {

hydArmaturDDRDFR::hydArmaturDDRDFR() { m_DFRAnteil.setParent(this); }

hydArmaturDDRDFR::hydArmaturDDRDFR(const hydArmaturDDRDFR& other)
    : hydArmaturDDR(other), m_DFRAnteil(other.m_DFRAnteil) {
  m_DFRAnteil.setParent(this);
}

hydArmaturDDRDFR& hydArmaturDDRDFR::operator=(const hydArmaturDDRDFR& other) {
  if (this != &other) {
    hydArmaturDDR::operator=(other);
    m_DFRAnteil = other.m_DFRAnteil;
  }
  return *this;
}

void hydArmaturDDRDFR::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturDDRDFR*>(&source)) {
    hydArmaturDDRDFR::operator=(*typed);
  } else {
    hydArmaturDDR::assignTyped(source);
  }
}

void hydArmaturDDRDFR::removeData() {
  hydArmaturDDR::removeData();
  m_DFRAnteil.removeData();
}

bool hydArmaturDDRDFR::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("DDRDFR");
  // Both parts are complete variants of their own classes, each in its child.
  hydArmaturDDR::write(node->AddChild("DDR"));
  m_DFRAnteil.write(node->AddChild("DFR"));
  return true;
}

bool hydArmaturDDRDFR::read(const CNode* node) {
  if (node == nullptr) return false;
  const CNode* ddr = node->FindChild("DDR");
  if (ddr == nullptr || !hydArmaturDDR::read(ddr)) return false;
  if (const CNode* dfr = node->FindChild("DFR", ddr)) {
    if (!m_DFRAnteil.read(dfr)) return false;
  }
  return true;
}

}  // namespace armakon::hydVDIArmaturen
