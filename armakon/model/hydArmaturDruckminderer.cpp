#include "armakon/model/hydArmaturDruckminderer.h"

#include "armakon/components/TreeNode.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

hydArmaturDruckminderer::hydArmaturDruckminderer() { m_DruckKurve.setParent(this); }

hydArmaturDruckminderer::hydArmaturDruckminderer(const hydArmaturDruckminderer& other)
    : hydArmatur(other), m_EinheitEinst(other.m_EinheitEinst), m_DruckKurve(other.m_DruckKurve) {
  m_DruckKurve.setParent(this);
}

hydArmaturDruckminderer& hydArmaturDruckminderer::operator=(const hydArmaturDruckminderer& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    m_EinheitEinst = other.m_EinheitEinst;
    m_DruckKurve = other.m_DruckKurve;
  }
  return *this;
}

void hydArmaturDruckminderer::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturDruckminderer*>(&source)) {
    hydArmaturDruckminderer::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

double hydArmaturDruckminderer::getDpOutMin() const {
  return m_DruckKurve.bIsEmpty() ? -1.0 : static_cast<double>(m_DruckKurve.getLastNode().y);
}

double hydArmaturDruckminderer::getDpOutMax() const {
  return m_DruckKurve.bIsEmpty() ? -1.0 : static_cast<double>(m_DruckKurve.getFirstNode().y);
}

void hydArmaturDruckminderer::removeData() {
  m_EinheitEinst.clear();
  m_DruckKurve.removeData();
}

double hydArmaturDruckminderer::getdP_bar(int i) const {
  // Setting 0 has no outlet pressure of its own.
  if (i < 1 || i >= m_DruckKurve.getCount()) return 0.0;
  return m_DruckKurve.getAt(i).y;
}

bool hydArmaturDruckminderer::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("Druckminderer");
  if (!hydArmatur::write(node)) return false;
  node->AddLeaf("Y", std::string())->SetFirstValue(m_EinheitEinst);
  m_DruckKurve.write(node->AddChild("AD"), "X1", "SX1", "Y1", "X2");
  return true;
}

bool hydArmaturDruckminderer::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  const CLeaf* y = node->FindLeaf("Y");
  if (y == nullptr) return false;
  LeafValueReader(y).next(m_EinheitEinst);
  if (const CNode* curve = node->FindChild("AD")) m_DruckKurve.read(curve, "X1", "SX1", "Y1", "X2");
  return true;
}

}  // namespace armakon::hydVDIArmaturen
