#include "armakon/model/CKurve.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/CurveLookup.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

namespace {

[[noreturn]] void throwIndex(const char* what, int index, std::size_t count) {
  throw std::invalid_argument(std::string("CKurve::") + what + ": index " + std::to_string(index) +
                              " outside the curve of " + std::to_string(count) + " nodes");
}

// Three-way comparison of sort keys; NaN keys count as equal to everything. The order below
// makes them a class of their own after all numbers, which keeps std::sort's ordering strict.
bool keyBefore(float a, float b, bool descending) {
  const bool aNan = std::isnan(a);
  const bool bNan = std::isnan(b);
  if (aNan || bNan) return !aNan && bNan;
  return descending ? a > b : a < b;
}

// The interpolating scheme shared by the four lookups: empty -> kNoInterpol, one node -> its
// target, the first node within 1e-5 of the value in stored order -> its target, else what an
// interpolation table filled with (key, target) of the nodes in stored order answers with
// GetY(value, false).
//
// The sizing searches ask curves in their inner loops, and filling a table costs more than the
// lookup, so a curve that runs one way (the usual case, rising or falling) is answered by the
// one walk that also applies the exact-match rule: on such a curve the table's segment is the
// one ending at the first node not before the value, whatever way it searches. Any other curve
// is handed to a table, which alone decides what it answers there.
template <class Key, class Target>
float interpolate(const std::vector<curveNode>& nodes, const Key& key, const Target& target, double value) {
  if (nodes.empty()) return CKurve::kNoInterpol;
  if (nodes.size() == 1) return target(nodes.front());
  const std::size_t n = nodes.size();
  const auto keyAt = [&](std::size_t i) { return static_cast<double>(key(nodes[i])); };
  const auto targetAt = [&](std::size_t i) { return static_cast<double>(target(nodes[i])); };
  const bool ascending = !(keyAt(0) > keyAt(n - 1));

  bool oneWay = true;
  std::size_t segmentEnd = n;  // first node not before the value in the curve's direction
  for (std::size_t i = 0; i < n; ++i) {
    const double k = keyAt(i);
    if (std::fabs(k - value) < curve_lookup::kExactMatch) return target(nodes[i]);
    if (i > 0) {
      const double previous = keyAt(i - 1);
      if (ascending ? !(previous <= k) : !(previous >= k)) oneWay = false;
    }
    if (segmentEnd == n && !(ascending ? k < value : k > value)) segmentEnd = i;
  }

  double answer = CHydrixInterpolation::kNoValue;
  if (!oneWay) {
    CHydrixInterpolation table;
    for (std::size_t i = 0; i < n; ++i) table.Add(keyAt(i), targetAt(i));
    answer = table.GetY(value, false);
  } else {
    const double low = ascending ? keyAt(0) : keyAt(n - 1);
    const double high = ascending ? keyAt(n - 1) : keyAt(0);
    if (std::isfinite(value) && !(value < low || value > high)) {
      if (segmentEnd >= n) segmentEnd = n - 1;
      if (keyAt(segmentEnd) == value || segmentEnd == 0) {
        answer = targetAt(segmentEnd);
      } else {
        answer = curve_lookup::onLine(value, keyAt(segmentEnd - 1), targetAt(segmentEnd - 1), keyAt(segmentEnd),
                                      targetAt(segmentEnd));
      }
    }
  }
  if (answer == CHydrixInterpolation::kNoValue) return CKurve::kNoInterpol;
  return narrowToFloat(answer);
}

const auto nodeX = [](const curveNode& n) { return n.x; };
const auto nodeX2 = [](const curveNode& n) { return n.x2; };
const auto nodeY = [](const curveNode& n) { return n.y; };

}  // namespace

CKurve::CKurve(const CKurve& other)
    : hydArmaturObject(other),
      m_nodes(other.m_nodes),
      m_Einheitx(other.m_Einheitx),
      m_Einheitx2(other.m_Einheitx2),
      m_Einheity(other.m_Einheity) {}

CKurve& CKurve::operator=(const CKurve& other) {
  // The parent link belongs to the place the curve sits in, not to the copied data.
  if (this != &other) {
    m_nodes = other.m_nodes;
    m_Einheitx = other.m_Einheitx;
    m_Einheitx2 = other.m_Einheitx2;
    m_Einheity = other.m_Einheity;
  }
  return *this;
}

int CKurve::getCount() const {
  return static_cast<int>(std::min<std::size_t>(m_nodes.size(), std::numeric_limits<int>::max()));
}

const curveNode& CKurve::getAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_nodes.size()) throwIndex("getAt", index, m_nodes.size());
  return m_nodes[static_cast<std::size_t>(index)];
}

void CKurve::throwNoNode(const char* what, int index) { throwIndex(what, index, 0); }

void CKurve::addCurveNode(const curveNode& node) { m_nodes.push_back(node); }

void CKurve::addCurveNode(float x, const std::string& text, float y, float x2) {
  m_nodes.emplace_back(x, text, y, x2);
}

void CKurve::addCurveNodeAt(int index, const curveNode& node) {
  if (index < 0 || index >= kMaxNodes) throwIndex("addCurveNodeAt", index, m_nodes.size());
  const auto at = static_cast<std::size_t>(index);
  if (at >= m_nodes.size()) m_nodes.resize(at + 1);
  m_nodes[at] = node;
}

void CKurve::addCurveNodeAt(int index, float x, const std::string& text, float y, float x2) {
  addCurveNodeAt(index, curveNode(x, text, y, x2));
}

bool CKurve::setCurveNodeAt(int index, const curveNode& node) {
  if (index < 0) throwIndex("setCurveNodeAt", index, m_nodes.size());
  const auto at = static_cast<std::size_t>(index);
  if (at >= m_nodes.size()) return false;
  m_nodes[at] = node;
  return true;
}

void CKurve::removeData() {
  m_nodes.clear();
  m_Einheitx.clear();
  m_Einheitx2.clear();
  m_Einheity.clear();
}

void CKurve::SortbyX(bool descending) {
  std::sort(m_nodes.begin(), m_nodes.end(),
            [descending](const curveNode& a, const curveNode& b) { return keyBefore(a.x, b.x, descending); });
}

void CKurve::SortbyY(bool descending, bool /*unused*/) {
  std::sort(m_nodes.begin(), m_nodes.end(),
            [descending](const curveNode& a, const curveNode& b) { return keyBefore(a.y, b.y, descending); });
}

void CKurve::swapNodes() { std::reverse(m_nodes.begin(), m_nodes.end()); }

float CKurve::getYNearest(double x, int mode) const {
  if (m_nodes.empty()) return kNoNearest;
  if (m_nodes.size() == 1) return m_nodes.front().y;
  const long i = curve_lookup::nearestIndex(
      m_nodes.size(), [this](std::size_t k) { return static_cast<double>(m_nodes[k].x); }, x, mode);
  // Only NaN data or an invalid mode leave the walk without a node.
  return i < 0 ? kNoNearest : m_nodes[static_cast<std::size_t>(i)].y;
}

int CKurve::getXNearest(float& x, std::string& text, double y, int mode) const {
  if (m_nodes.empty()) return 0;
  long i = -1;
  if (m_nodes.size() == 1) {
    const double nodeYValue = m_nodes.front().y;
    const bool take = mode == NEAREST || (mode == GREATER && nodeYValue >= y) || (mode == SMALLER && nodeYValue <= y);
    if (take) i = 0;
  } else {
    i = curve_lookup::nearestIndex(
        m_nodes.size(), [this](std::size_t k) { return static_cast<double>(m_nodes[k].y); }, y, mode);
  }
  if (i < 0) return 0;
  const curveNode& node = m_nodes[static_cast<std::size_t>(i)];
  x = node.x;
  text = node.text;
  return 1;
}

float CKurve::getYInterpol(double x) const { return interpolate(m_nodes, nodeX, nodeY, x); }
float CKurve::getXInterpol(double y) const { return interpolate(m_nodes, nodeY, nodeX, y); }
float CKurve::getX2(double x) const { return interpolate(m_nodes, nodeX, nodeX2, x); }
float CKurve::getX(double x2) const { return interpolate(m_nodes, nodeX2, nodeX, x2); }

// --- persistence ---

namespace {

// A leaf holding the unit, then one value per node.
CLeaf* addValueLeaf(CNode& node, const std::string& name, const std::string& unit) {
  CLeaf* leaf = node.AddLeaf(name, std::string(), false);
  leaf->SetFirstValue(unit);
  return leaf;
}

// The values of a leaf, walked in place while the curve reads them: the first one (the unit)
// apart, then the rest. A missing leaf has neither.
struct LeafValues {
  bool hasUnit = false;
  std::string_view unit;
  CLeaf::ValueWalk values;
};

LeafValues takeLeafValues(const CNode& node, std::string_view name) {
  LeafValues out;
  const CLeaf* leaf = node.FindLeaf(name);
  if (leaf == nullptr) return out;
  out.values = leaf->Values();
  out.hasUnit = out.values.next(out.unit);
  return out;
}

}  // namespace

bool CKurve::write(CNode* node, const std::string& xName, const std::string& textName, const std::string& yName,
                   const std::string& x2Name) const {
  if (node == nullptr) return false;
  CLeaf* xLeaf = addValueLeaf(*node, xName, m_Einheitx);
  for (const curveNode& n : m_nodes) xLeaf->SetNextValue(static_cast<double>(n.x), "%f");
  CLeaf* textLeaf = addValueLeaf(*node, textName, m_Einheitx);
  for (const curveNode& n : m_nodes) textLeaf->SetNextValue(n.text);
  // Most curves have no second abscissa; they are written without its leaf.
  double x2Sum = 0.0;
  for (const curveNode& n : m_nodes) x2Sum += std::fabs(static_cast<double>(n.x2));
  if (x2Sum > 0.001) {
    CLeaf* x2Leaf = addValueLeaf(*node, x2Name, m_Einheitx2);
    for (const curveNode& n : m_nodes) x2Leaf->SetNextValue(static_cast<double>(n.x2), "%f");
  }
  CLeaf* yLeaf = addValueLeaf(*node, yName, m_Einheity);
  for (const curveNode& n : m_nodes) yLeaf->SetNextValue(static_cast<double>(n.y), "%f");
  return true;
}

bool CKurve::read(const CNode* node, std::string_view xName, std::string_view textName, std::string_view yName,
                  std::string_view x2Name) {
  if (node == nullptr) return false;
  LeafValues xs = takeLeafValues(*node, xName);
  LeafValues texts = takeLeafValues(*node, textName);
  LeafValues ys = takeLeafValues(*node, yName);
  LeafValues x2s = takeLeafValues(*node, x2Name);
  if (xs.hasUnit) m_Einheitx = xs.unit;
  if (x2s.hasUnit) m_Einheitx2 = x2s.unit;
  if (ys.hasUnit) m_Einheity = ys.unit;

  const std::size_t count = xs.values.remaining();
  if (texts.values.remaining() != count || ys.values.remaining() != count) return false;
  const bool withX2 = x2s.values.remaining() > 0;
  if (withX2 && x2s.values.remaining() != count) return false;
  const std::size_t first = m_nodes.size();
  m_nodes.resize(first + count);
  curveNode* const nodes = m_nodes.data() + first;
  readCurveValues(xs.values, nodes, count, &curveNode::x);
  readCurveLabels(texts.values, nodes, count);
  readCurveValues(ys.values, nodes, count, &curveNode::y);
  if (withX2) readCurveValues(x2s.values, nodes, count, &curveNode::x2);
  return true;
}

}  // namespace armakon::hydVDIArmaturen
