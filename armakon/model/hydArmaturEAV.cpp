#include "armakon/model/hydArmaturEAV.h"

#include <algorithm>

#include "armakon/components/TreeNode.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

hydArmaturEAV::hydArmaturEAV() { m_Kurve14.setParent(this); }

hydArmaturEAV::hydArmaturEAV(const hydArmaturEAV& other)
    : hydArmatur(other), m_Kurve14(other.m_Kurve14), m_Xp(other.m_Xp), m_smallestY3(other.m_smallestY3) {
  m_Kurve14.setParent(this);
}

hydArmaturEAV& hydArmaturEAV::operator=(const hydArmaturEAV& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    m_Kurve14 = other.m_Kurve14;
    m_Xp = other.m_Xp;
    m_smallestY3 = other.m_smallestY3;
  }
  return *this;
}

void hydArmaturEAV::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturEAV*>(&source)) {
    hydArmaturEAV::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

double hydArmaturEAV::getKvmin() const {
  if (m_Kurve14.bIsEmpty()) return -1.0;
  return std::min(m_Kurve14.getFirstNode().y2, m_Kurve14.getLastNode().y2);
}

double hydArmaturEAV::getKvmax() const {
  if (m_Kurve14.bIsEmpty()) return -1.0;
  return std::max(m_Kurve14.getFirstNode().y2, m_Kurve14.getLastNode().y2);
}

void hydArmaturEAV::removeData() {
  m_Kurve14.removeData();
  m_Xp = kKeinXp;
  noteSmallestY3();
}

void hydArmaturEAV::noteSmallestY3() {
  m_smallestY3 = std::numeric_limits<float>::infinity();
  for (const curveNode14& node : m_Kurve14.nodes()) {
    if (node.y3 < m_smallestY3) m_smallestY3 = node.y3;
  }
}

bool hydArmaturEAV::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("EAV");
  if (!hydArmatur::write(node)) return false;
  node->AddLeaf("Y", std::string())->SetFirstValue(m_Xp, "%f");
  m_Kurve14.write(node, "EIN", "SX1", "KVB", "KVH", "KVS", "DPM");
  return true;
}

bool hydArmaturEAV::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  const CLeaf* y = node->FindLeaf("Y");
  if (y == nullptr) return false;
  LeafValueReader(y).next(m_Xp);
  m_Kurve14.read(node, "EIN", "SX1", "KVB", "KVH", "KVS", "DPM");
  noteSmallestY3();
  return true;
}

}  // namespace armakon::hydVDIArmaturen
