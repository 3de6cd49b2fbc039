#include "armakon/model/hydArmaturTHKV.h"

#include "armakon/components/TreeNode.h"

namespace armakon::hydVDIArmaturen {

hydArmaturTHKV::hydArmaturTHKV() { m_KvKurve.setParent(this); }

hydArmaturTHKV::hydArmaturTHKV(const hydArmaturTHKV& other) : hydArmatur(other), m_KvKurve(other.m_KvKurve) {
  m_KvKurve.setParent(this);
}

hydArmaturTHKV& hydArmaturTHKV::operator=(const hydArmaturTHKV& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    m_KvKurve = other.m_KvKurve;
  }
  return *this;
}

void hydArmaturTHKV::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturTHKV*>(&source)) {
    hydArmaturTHKV::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

void hydArmaturTHKV::addKvKurve(const CKurve& curve) { static_cast<CKurve&>(m_KvKurve) = curve; }

double hydArmaturTHKV::getKvmin() const {
  return m_KvKurve.bIsEmpty() ? -1.0 : static_cast<double>(m_KvKurve.getLastNode().y);
}

double hydArmaturTHKV::getKvmax() const {
  return m_KvKurve.bIsEmpty() ? -1.0 : static_cast<double>(m_KvKurve.getFirstNode().y);
}

void hydArmaturTHKV::removeData() { m_KvKurve.removeData(); }

bool hydArmaturTHKV::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("THKV");
  if (!hydArmatur::write(node)) return false;
  node->AddLeaf("Y", std::string());
  m_KvKurve.write(node, true, "KVE_F", "KVE_S", "KVW", "X2", "XP");
  return true;
}

bool hydArmaturTHKV::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  if (node->FindLeaf("Y") == nullptr) return false;
  m_KvKurve.read(node, true, "KVE_F", "KVE_S", "KVW", "X2", "XP");
  return true;
}

}  // namespace armakon::hydVDIArmaturen
