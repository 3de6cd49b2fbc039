#include "armakon/model/hydArmaturEA.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

namespace {
// The draw-off fitting with backflow preventer is the one whose flow curve is persisted.
constexpr int kTypMitRFV = 1705;
}  // namespace

hydArmaturEA::hydArmaturEA() {
  m_FlowKurve.setParent(this);
  removeData();
}

hydArmaturEA::hydArmaturEA(const hydArmaturEA& other)
    : hydArmatur(other), m_EinheitEinst(other.m_EinheitEinst), m_FlowKurve(other.m_FlowKurve) {
  std::copy(std::begin(other.m_Bytes), std::end(other.m_Bytes), std::begin(m_Bytes));
  std::copy(std::begin(other.m_Werte), std::end(other.m_Werte), std::begin(m_Werte));
  m_FlowKurve.setParent(this);
}

hydArmaturEA& hydArmaturEA::operator=(const hydArmaturEA& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    m_EinheitEinst = other.m_EinheitEinst;
    std::copy(std::begin(other.m_Bytes), std::end(other.m_Bytes), std::begin(m_Bytes));
    std::copy(std::begin(other.m_Werte), std::end(other.m_Werte), std::begin(m_Werte));
    m_FlowKurve = other.m_FlowKurve;
  }
  return *this;
}

void hydArmaturEA::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturEA*>(&source)) {
    hydArmaturEA::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

void hydArmaturEA::removeData() {
  m_EinheitEinst.clear();
  m_Bytes[0] = 0;
  m_Bytes[1] = 1;
  m_Bytes[2] = 0;
  m_Bytes[3] = 0;
  for (float& value : m_Werte) value = 0.0f;
  m_FlowKurve.removeData();
}

float hydArmaturEA::getWert(int index) const {
  return m_Werte[checkedIndex(index, kFloatCount, "hydArmaturEA::getWert: index outside the values")];
}

void hydArmaturEA::setWert(int index, float value) {
  m_Werte[checkedIndex(index, kFloatCount, "hydArmaturEA::setWert: index outside the values")] = value;
}

unsigned char hydArmaturEA::getByte(int index) const {
  return m_Bytes[checkedIndex(index, kByteCount, "hydArmaturEA::getByte: index outside the bytes")];
}

void hydArmaturEA::setByte(int index, unsigned char value) {
  m_Bytes[checkedIndex(index, kByteCount, "hydArmaturEA::setByte: index outside the bytes")] = value;
}

double hydArmaturEA::getDp(double Q) const {
  if (m_FlowKurve.bIsEmpty()) return 0.0;
  const curveNode& first = m_FlowKurve.getFirstNode();
  if (std::fabs(static_cast<double>(first.y) - Q) < 1e-5) return first.x;
  CHydrixInterpolation pressureByFlow;
  for (const curveNode& node : m_FlowKurve.nodes()) pressureByFlow.Add(node.y, node.x);
  return pressureByFlow.GetY(Q, false);
}

double hydArmaturEA::getQ(double dp) const {
  if (m_FlowKurve.bIsEmpty()) return 0.0;
  CHydrixInterpolation flowByPressure;
  for (const curveNode& node : m_FlowKurve.nodes()) flowByPressure.Add(node.x, node.y);
  return flowByPressure.GetY(dp, false);
}

double hydArmaturEA::getKv(double Q) const {
  if (m_FlowKurve.bIsEmpty()) return 0.0;
  // Flow in l/h and pressure difference in mbar: kv = (Q / 1000) * sqrt(1000 / dp).
  return (Q / 1000.0) * std::sqrt(1000.0 / getDp(Q));
}

double hydArmaturEA::getQmax() const { return m_FlowKurve.bIsEmpty() ? 0.0 : m_FlowKurve.getFirstNode().y; }

double hydArmaturEA::getQmin() const { return m_FlowKurve.bIsEmpty() ? 0.0 : m_FlowKurve.getLastNode().y; }

bool hydArmaturEA::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("EA");
  if (!hydArmatur::write(node)) return false;
  CLeaf* y = node->AddLeaf("Y", std::string());
  y->SetFirstValue(static_cast<int>(m_Bytes[0]), "%i");
  y->SetNextValue(static_cast<int>(m_Bytes[1]), "%i");
  for (int i = 0; i < 4; ++i) y->SetNextValue(static_cast<double>(m_Werte[i]), "%f");
  y->SetNextValue(m_EinheitEinst);
  for (int i = 4; i < kFloatCount; ++i) y->SetNextValue(static_cast<double>(m_Werte[i]), "%f");
  y->SetNextValue(static_cast<int>(m_Bytes[2]), "%i");
  y->SetNextValue(static_cast<int>(m_Bytes[3]), "%i");
  if (getArmType() == kTypMitRFV) m_FlowKurve.write(node->AddChild("EK"), "X1", "SX1", "Y1", "X2");
  return true;
}

bool hydArmaturEA::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  const CLeaf* y = node->FindLeaf("Y");
  if (y == nullptr) return false;
  LeafValueReader values(y);
  values.next(m_Bytes[0]);
  values.next(m_Bytes[1]);
  for (int i = 0; i < 4; ++i) values.next(m_Werte[i]);
  values.next(m_EinheitEinst);
  for (int i = 4; i < kFloatCount; ++i) values.next(m_Werte[i]);
  values.next(m_Bytes[2]);
  values.next(m_Bytes[3]);
  if (const CNode* curve = node->FindChild("EK")) m_FlowKurve.read(curve, "X1", "SX1", "Y1", "X2");
  return true;
}

}  // namespace armakon::hydVDIArmaturen
