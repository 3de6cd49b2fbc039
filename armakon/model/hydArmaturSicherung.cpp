#include "armakon/model/hydArmaturSicherung.h"

#include <algorithm>
#include <iterator>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

namespace {
// A value of the curve at `at`, looked up from `key` to `target`: a single node defines a line
// through the origin (or a constant where its key is 0), more nodes the interpolation table.
template <class Key, class Target>
double lookup(const CKurve& curve, double at, Key key, Target target) {
  if (curve.bIsEmpty()) return 0.0;
  if (curve.getCount() == 1) {
    const curveNode& node = curve.getFirstNode();
    const double k = key(node);
    const double t = target(node);
    return k != 0.0 ? t / k * at : t;
  }
  CHydrixInterpolation table;
  for (const curveNode& node : curve.nodes()) table.Add(key(node), target(node));
  return table.GetY(at, false);
}

double nodeX(const curveNode& node) { return node.x; }
double nodeY(const curveNode& node) { return node.y; }
}  // namespace

hydArmaturSicherung::hydArmaturSicherung() {
  m_Kennlinie.setParent(this);
  removeData();
}

hydArmaturSicherung::hydArmaturSicherung(const hydArmaturSicherung& other)
    : hydArmatur(other), m_EinheitEinst(other.m_EinheitEinst), m_Kennlinie(other.m_Kennlinie), m_Byte(other.m_Byte) {
  std::copy(std::begin(other.m_Werte), std::end(other.m_Werte), std::begin(m_Werte));
  m_Kennlinie.setParent(this);
}

hydArmaturSicherung& hydArmaturSicherung::operator=(const hydArmaturSicherung& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    std::copy(std::begin(other.m_Werte), std::end(other.m_Werte), std::begin(m_Werte));
    m_EinheitEinst = other.m_EinheitEinst;
    m_Kennlinie = other.m_Kennlinie;
    m_Byte = other.m_Byte;
  }
  return *this;
}

void hydArmaturSicherung::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturSicherung*>(&source)) {
    hydArmaturSicherung::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

void hydArmaturSicherung::removeData() {
  for (float& value : m_Werte) value = 0.0f;
  m_EinheitEinst.clear();
  m_Kennlinie.removeData();
  m_Byte = 0;
}

float hydArmaturSicherung::getWert(int index) const {
  return m_Werte[checkedIndex(index, kFloatCount, "hydArmaturSicherung::getWert: index outside the values")];
}

void hydArmaturSicherung::setWert(int index, float value) {
  m_Werte[checkedIndex(index, kFloatCount, "hydArmaturSicherung::setWert: index outside the values")] = value;
}

double hydArmaturSicherung::getDp(double Q) const { return lookup(m_Kennlinie, Q, nodeY, nodeX); }

double hydArmaturSicherung::getQ(double dp) const { return lookup(m_Kennlinie, dp, nodeX, nodeY); }

double hydArmaturSicherung::getOefnDp() const {
  if (m_Kennlinie.bIsEmpty()) return 0.0;
  const curveNode& last = m_Kennlinie.getLastNode();
  return last.y == 0.0f ? static_cast<double>(last.x) : 0.0;
}

double hydArmaturSicherung::getQmax() const { return m_Kennlinie.bIsEmpty() ? 0.0 : m_Kennlinie.getFirstNode().y; }

double hydArmaturSicherung::getQmin() const { return m_Kennlinie.bIsEmpty() ? 0.0 : m_Kennlinie.getLastNode().y; }

bool hydArmaturSicherung::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("Sicherung");
  if (!hydArmatur::write(node)) return false;
  CLeaf* y = node->AddLeaf("Y", std::string());
  y->SetFirstValue(static_cast<double>(m_Werte[0]), "%f");
  for (int i = 1; i < 4; ++i) y->SetNextValue(static_cast<double>(m_Werte[i]), "%f");
  y->SetNextValue(m_EinheitEinst);
  for (int i = 4; i < kFloatCount; ++i) y->SetNextValue(static_cast<double>(m_Werte[i]), "%f");
  y->SetNextValue(static_cast<int>(m_Byte), "%i");
  m_Kennlinie.write(node->AddChild("EK"), "X1", "SX1", "Y1", "X2");
  return true;
}

bool hydArmaturSicherung::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  const CLeaf* y = node->FindLeaf("Y");
  if (y == nullptr) return false;
  LeafValueReader values(y);
  for (int i = 0; i < 4; ++i) values.next(m_Werte[i]);
  values.next(m_EinheitEinst);
  for (int i = 4; i < kFloatCount; ++i) values.next(m_Werte[i]);
  values.next(m_Byte);
  if (const CNode* curve = node->FindChild("EK")) m_Kennlinie.read(curve, "X1", "SX1", "Y1", "X2");
  return true;
}

}  // namespace armakon::hydVDIArmaturen
