#include "armakon/model/hydArmaturDDR.h"

#include <algorithm>

#include "armakon/components/TreeNode.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

hydArmaturDDR::hydArmaturDDR() { adoptCurves(); }

hydArmaturDDR::hydArmaturDDR(const hydArmaturDDR& other)
    : hydArmatur(other),
      m_KennlinieDp(other.m_KennlinieDp),
      m_KennlinieKvzuPAbw(other.m_KennlinieKvzuPAbw),
      m_KennlinieMaxVolStrom(other.m_KennlinieMaxVolStrom) {
  adoptCurves();
}

hydArmaturDDR& hydArmaturDDR::operator=(const hydArmaturDDR& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    m_KennlinieDp = other.m_KennlinieDp;
    m_KennlinieKvzuPAbw = other.m_KennlinieKvzuPAbw;
    m_KennlinieMaxVolStrom = other.m_KennlinieMaxVolStrom;
  }
  return *this;
}

void hydArmaturDDR::adoptCurves() {
  m_KennlinieDp.setParent(this);
  m_KennlinieKvzuPAbw.setParent(this);
  m_KennlinieMaxVolStrom.setParent(this);
}

void hydArmaturDDR::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturDDR*>(&source)) {
    hydArmaturDDR::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

void hydArmaturDDR::removeData() {
  m_KennlinieDp.removeData();
  m_KennlinieKvzuPAbw.removeData();
  m_KennlinieMaxVolStrom.removeData();
}

float hydArmaturDDR::getpAbwAtkv(double kv) const { return m_KennlinieKvzuPAbw.getYInterpol(kv); }

bool hydArmaturDDR::getKvzudeltaP(double kv, double dp, double& dpSet) const {
  if (m_KennlinieDp.bIsEmpty()) return false;
  const double deviationAtKv = getpAbwAtkv(kv);
  // The differential pressure over kv that each setpoint gives, as a curve kv -> setpoint.
  CKurve setpointByKv;
  for (const curveNode& node : m_KennlinieKvzuPAbw.nodes()) {
    const double setpoint = static_cast<double>(node.y) + dp + deviationAtKv;
    setpointByKv.addCurveNode(narrowToFloat(setpoint), std::string(), node.x);
  }
  dpSet = setpointByKv.getXInterpol(kv);
  const double last = m_KennlinieDp.getLastNode().y;
  const double first = m_KennlinieDp.getFirstNode().y;
  return std::min(first, last) <= dpSet && dpSet <= std::max(first, last);
}

void hydArmaturDDR::getKvzuDpKurveAt(double dp, CKurve& out) const {
  out.removeData();
  for (const curveNode& node : m_KennlinieKvzuPAbw.nodes()) {
    out.addCurveNode(narrowToFloat(static_cast<double>(node.y) + dp), std::string(), node.x);
  }
}

bool hydArmaturDDR::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("DDR");
  if (!hydArmatur::write(node)) return false;
  node->AddLeaf("Y", std::string());
  m_KennlinieDp.write(node->AddChild("CKDP"), "DPE_F", "DPE_S", "DPW", "X2");
  m_KennlinieKvzuPAbw.write(node->AddChild("CKKV"), "KVW", "SX1", "PABW", "X2");
  m_KennlinieMaxVolStrom.write(node->AddChild("CKVS"), "VmaxE_F", "VmaxE_S", "VmaxW", "X2");
  return true;
}

bool hydArmaturDDR::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  if (node->FindLeaf("Y") == nullptr) return false;
  // The curve children are optional; each is looked for behind the one found before it.
  const CTreeItem* after = nullptr;
  if (const CNode* child = node->FindChild("CKDP", after)) {
    m_KennlinieDp.read(child, "DPE_F", "DPE_S", "DPW", "X2");
    after = child;
  }
  if (const CNode* child = node->FindChild("CKKV", after)) {
    m_KennlinieKvzuPAbw.read(child, "KVW", "SX1", "PABW", "X2");
    after = child;
  }
  if (const CNode* child = node->FindChild("CKVS", after)) {
    m_KennlinieMaxVolStrom.read(child, "VmaxE_F", "VmaxE_S", "VmaxW", "X2");
  }
  return true;
}

}  // namespace armakon::hydVDIArmaturen
