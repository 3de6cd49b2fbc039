#include "armakon/model/CKurve14.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/TreeNode.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

namespace {
[[noreturn]] void throwIndex(const char* what, int index, std::size_t count) {
  throw std::invalid_argument(std::string("CKurve14::") + what + ": index " + std::to_string(index) +
                              " outside the curve of " + std::to_string(count) + " nodes");
}
}  // namespace

CKurve14::CKurve14(const CKurve14& other)
    : hydArmaturObject(other),
      m_nodes(other.m_nodes),
      m_Einheitx(other.m_Einheitx),
      m_Einheity1(other.m_Einheity1),
      m_Einheity2(other.m_Einheity2),
      m_Einheity3(other.m_Einheity3),
      m_Einheity4(other.m_Einheity4) {}

CKurve14& CKurve14::operator=(const CKurve14& other) {
  // The parent link stays with the place the curve sits in.
  if (this != &other) {
    m_nodes = other.m_nodes;
    m_Einheitx = other.m_Einheitx;
    m_Einheity1 = other.m_Einheity1;
    m_Einheity2 = other.m_Einheity2;
    m_Einheity3 = other.m_Einheity3;
    m_Einheity4 = other.m_Einheity4;
  }
  return *this;
}

int CKurve14::getCount() const {
  return static_cast<int>(std::min<std::size_t>(m_nodes.size(), std::numeric_limits<int>::max()));
}

const curveNode14& CKurve14::getAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_nodes.size()) throwIndex("getAt", index, m_nodes.size());
  return m_nodes[static_cast<std::size_t>(index)];
}

void CKurve14::throwNoNode(const char* what, int index) { throwIndex(what, index, 0); }

void CKurve14::addCurveNode(const curveNode14& node) { m_nodes.push_back(node); }

void CKurve14::removeData() {
  m_nodes.clear();
  m_Einheitx.clear();
  m_Einheity1.clear();
  m_Einheity2.clear();
  m_Einheity3.clear();
  m_Einheity4.clear();
}

// --- persistence ---

namespace {

// The value leaf of one field: the unit first, then that field of every node.
template <class Field>
void writeField(CNode& node, const std::string& name, const std::string& unit, const std::vector<curveNode14>& nodes,
                Field field) {
  CLeaf* leaf = node.AddLeaf(name, std::string(), false);
  leaf->SetFirstValue(unit);
  for (const curveNode14& n : nodes) field(*leaf, n);
}

void writeNumbers(CNode& node, const std::string& name, const std::string& unit, const std::vector<curveNode14>& nodes,
                  float curveNode14::*member) {
  writeField(node, name, unit, nodes,
             [member](CLeaf& leaf, const curveNode14& n) { leaf.SetNextValue(static_cast<double>(n.*member), "%f"); });
}

// Takes the unit (first value) into `unit` when the leaf has one and returns a walk over the
// other values.
CLeaf::ValueWalk readField(const CNode& node, std::string_view name, std::string* unit) {
  const CLeaf* leaf = node.FindLeaf(name);
  if (leaf == nullptr) return {};
  CLeaf::ValueWalk values = leaf->Values();
  std::string_view first;
  if (values.next(first) && unit != nullptr) unit->assign(first);
  return values;
}

}  // namespace

bool CKurve14::write(CNode* node, const std::string& xName, const std::string& textName, const std::string& y1Name,
                     const std::string& y2Name, const std::string& y3Name, const std::string& y4Name) const {
  if (node == nullptr) return false;
  writeNumbers(*node, xName, m_Einheitx, m_nodes, &curveNode14::x);
  writeField(*node, textName, m_Einheitx, m_nodes,
             [](CLeaf& leaf, const curveNode14& n) { leaf.SetNextValue(n.text); });
  writeNumbers(*node, y1Name, m_Einheity1, m_nodes, &curveNode14::y1);
  writeNumbers(*node, y2Name, m_Einheity2, m_nodes, &curveNode14::y2);
  writeNumbers(*node, y3Name, m_Einheity3, m_nodes, &curveNode14::y3);
  writeNumbers(*node, y4Name, m_Einheity4, m_nodes, &curveNode14::y4);
  return true;
}

bool CKurve14::read(const CNode* node, std::string_view xName, std::string_view textName, std::string_view y1Name,
                    std::string_view y2Name, std::string_view y3Name, std::string_view y4Name) {
  if (node == nullptr) return false;
  CLeaf::ValueWalk xs = readField(*node, xName, &m_Einheitx);
  CLeaf::ValueWalk texts = readField(*node, textName, nullptr);
  CLeaf::ValueWalk y1s = readField(*node, y1Name, &m_Einheity1);
  CLeaf::ValueWalk y2s = readField(*node, y2Name, &m_Einheity2);
  CLeaf::ValueWalk y3s = readField(*node, y3Name, &m_Einheity3);
  CLeaf::ValueWalk y4s = readField(*node, y4Name, &m_Einheity4);
  const std::size_t count = xs.remaining();
  // A curve whose lists disagree keeps the nodes it had.
  if (texts.remaining() != count || y1s.remaining() != count || y2s.remaining() != count ||
      y3s.remaining() != count || y4s.remaining() != count) {
    return true;
  }
  m_nodes.assign(count, curveNode14());
  curveNode14* const nodes = m_nodes.data();
  readCurveValues(xs, nodes, count, &curveNode14::x);
  readCurveLabels(texts, nodes, count);
  readCurveValues(y1s, nodes, count, &curveNode14::y1);
  readCurveValues(y2s, nodes, count, &curveNode14::y2);
  readCurveValues(y3s, nodes, count, &curveNode14::y3);
  readCurveValues(y4s, nodes, count, &curveNode14::y4);
  return true;
}

}  // namespace armakon::hydVDIArmaturen
