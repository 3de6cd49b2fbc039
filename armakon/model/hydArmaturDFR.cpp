#include "armakon/model/hydArmaturDFR.h"

#include "armakon/components/TreeNode.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

hydArmaturDFR::hydArmaturDFR() { m_FlowKurve.setParent(this); }

hydArmaturDFR::hydArmaturDFR(const hydArmaturDFR& other)
    : hydArmatur(other), m_Wirkdruck(other.m_Wirkdruck), m_FlowKurve(other.m_FlowKurve) {
  m_FlowKurve.setParent(this);
}

hydArmaturDFR& hydArmaturDFR::operator=(const hydArmaturDFR& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    m_Wirkdruck = other.m_Wirkdruck;
    m_FlowKurve = other.m_FlowKurve;
  }
  return *this;
}

void hydArmaturDFR::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturDFR*>(&source)) {
    hydArmaturDFR::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

void hydArmaturDFR::removeData() {
  m_FlowKurve.removeData();
  m_Wirkdruck = 0.0f;
}

float hydArmaturDFR::getFlowRateAt(int i) const {
  if (i < 0 || i >= m_FlowKurve.getCount()) return 0.0f;
  return m_FlowKurve.getAt(i).y;
}

bool hydArmaturDFR::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("DFR");
  if (!hydArmatur::write(node)) return false;
  node->AddLeaf("Y", std::string())->SetFirstValue(static_cast<double>(m_Wirkdruck), "%f");
  m_FlowKurve.write(node, "VSE_F", "VSE_S", "VSW", "X2");
  return true;
}

bool hydArmaturDFR::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  const CLeaf* y = node->FindLeaf("Y");
  if (y == nullptr) return false;
  LeafValueReader(y).next(m_Wirkdruck);
  m_FlowKurve.read(node, "VSE_F", "VSE_S", "VSW", "X2");
  return true;
}

}  // namespace armakon::hydVDIArmaturen
