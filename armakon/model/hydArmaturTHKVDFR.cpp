#include "armakon/model/hydArmaturTHKVDFR.h"

#include "armakon/components/TreeNode.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

hydArmaturTHKVDFR::hydArmaturTHKVDFR() { m_Kurve14.setParent(this); }

hydArmaturTHKVDFR::hydArmaturTHKVDFR(const hydArmaturTHKVDFR& other)
    : hydArmatur(other), m_Xp(other.m_Xp), m_Kurve14(other.m_Kurve14) {
  m_Kurve14.setParent(this);
}

hydArmaturTHKVDFR& hydArmaturTHKVDFR::operator=(const hydArmaturTHKVDFR& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    m_Xp = other.m_Xp;
    m_Kurve14 = other.m_Kurve14;
  }
  return *this;
}

void hydArmaturTHKVDFR::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturTHKVDFR*>(&source)) {
    hydArmaturTHKVDFR::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

void hydArmaturTHKVDFR::removeData() {
  m_Kurve14.removeData();
  m_Xp = 0.0;
}

namespace {
float valueAt(const CKurve14& curve, int i, float curveNode14::*member) {
  if (i < 0 || i >= curve.getCount()) return 0.0f;
  return curve.getAt(i).*member;
}
}  // namespace

float hydArmaturTHKVDFR::getWirkdruck(int i) const { return valueAt(m_Kurve14, i, &curveNode14::y3); }
float hydArmaturTHKVDFR::getDpMaxAt(int i) const { return valueAt(m_Kurve14, i, &curveNode14::y2); }
float hydArmaturTHKVDFR::getVmaxAt(int i) const { return valueAt(m_Kurve14, i, &curveNode14::y4); }


bool hydArmaturTHKVDFR::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("THKVDFR");
  if (!hydArmatur::write(node)) return false;
  node->AddLeaf("Y", std::string())->SetFirstValue(m_Xp, "%f");
  m_Kurve14.write(node->AddChild("CK"), "X1", "SX1", "Y1", "Y2", "Y3", "Y4");
  return true;
}

bool hydArmaturTHKVDFR::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  const CLeaf* y = node->FindLeaf("Y");
  if (y == nullptr) return false;
  LeafValueReader(y).next(m_Xp);
  if (const CNode* curve = node->FindChild("CK")) m_Kurve14.read(curve, "X1", "SX1", "Y1", "Y2", "Y3", "Y4");
  return true;
}

}  // namespace armakon::hydVDIArmaturen
