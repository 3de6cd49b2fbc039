#include "armakon/model/hydArmaturDross.h"

#include <algorithm>

#include "armakon/components/TreeNode.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

hydArmaturDross::hydArmaturDross() { m_KvKurve.setParent(this); }

hydArmaturDross::hydArmaturDross(const hydArmaturDross& other)
    : hydArmatur(other),
      m_KvKurve(other.m_KvKurve),
      m_EinheitEinst(other.m_EinheitEinst),
      m_KvDesinfektion(other.m_KvDesinfektion),
      m_Dpmin(other.m_Dpmin),
      m_Dpmax(other.m_Dpmax) {
  m_KvKurve.setParent(this);
}

hydArmaturDross& hydArmaturDross::operator=(const hydArmaturDross& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    m_KvKurve = other.m_KvKurve;
    m_EinheitEinst = other.m_EinheitEinst;
    m_KvDesinfektion = other.m_KvDesinfektion;
    m_Dpmin = other.m_Dpmin;
    m_Dpmax = other.m_Dpmax;
  }
  return *this;
}

void hydArmaturDross::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturDross*>(&source)) {
    hydArmaturDross::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

void hydArmaturDross::addKurve(const CKurve& curve) { m_KvKurve = curve; }

double hydArmaturDross::getKvmin() const {
  const CKurve& curve = getKurve();
  if (curve.bIsEmpty()) return -1.0;
  return std::min(curve.getFirstNode().y, curve.getLastNode().y);
}

double hydArmaturDross::getKvmax() const {
  const CKurve& curve = getKurve();
  if (curve.bIsEmpty()) return -1.0;
  return std::max(curve.getFirstNode().y, curve.getLastNode().y);
}

void hydArmaturDross::removeData() {
  m_KvKurve.removeData();
  m_EinheitEinst.clear();
  m_KvDesinfektion = 0.0f;
  m_Dpmin = 0.0f;
  m_Dpmax = 0.0f;
}

bool hydArmaturDross::write(CNode* node) const {
  if (node == nullptr) return false;
  // An automatic throttle has named the node already.
  if (node->GetName().empty()) node->SetName("Dross");
  if (!hydArmatur::write(node)) return false;
  CLeaf* y = node->AddLeaf("Y", std::string());
  y->SetFirstValue(static_cast<double>(m_KvDesinfektion), "%f");
  y->SetNextValue(static_cast<double>(m_Dpmin), "%f");
  y->SetNextValue(static_cast<double>(m_Dpmax), "%f");
  y->SetNextValue(m_EinheitEinst);
  m_KvKurve.write(node, "KVE_F", "KVE_S", "KVW", "X2");
  return true;
}

bool hydArmaturDross::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  const CLeaf* y = node->FindLeaf("Y");
  if (y == nullptr) return false;
  LeafValueReader values(y);
  values.next(m_KvDesinfektion);
  values.next(m_Dpmin);
  values.next(m_Dpmax);
  values.next(m_EinheitEinst);
  m_KvKurve.read(node, "KVE_F", "KVE_S", "KVW", "X2");
  return true;
}

}  // namespace armakon::hydVDIArmaturen
