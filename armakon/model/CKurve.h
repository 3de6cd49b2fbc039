#pragma once
// CKurve: a valve characteristic curve of curveNode points.
//
// The nodes stay in the order the import stored them (for setting curves: most open setting
// first); no query sorts. Lookups never throw: a missing answer is a sentinel
// (kNoNearest for getYNearest, kNoInterpol for the interpolating lookups). Index access
// outside the nodes throws std::invalid_argument.
//
// The interpolating lookups answer exactly what an interpolation table filled with the nodes
// in stored order answers with GetY(value, false), after the exact-match rule (the first node,
// in stored order, whose key lies within 1e-5 of the searched value gives its target). They
// walk the nodes directly instead of building that table on every call.

#include <string>
#include <string_view>
#include <vector>

#include "armakon/model/curveNode.h"
#include "armakon/model/hydArmaturObject.h"

namespace armakon {
class CNode;
class CHydrixInterpolation;
}  // namespace armakon

namespace armakon::hydVDIArmaturen {

class CKurve : public hydArmaturObject {
  ARMAKON_RUNTIME_CLASS(CKurve, hydArmaturObject)

 public:
  // Which of the two nodes bracketing a searched value a nearest lookup answers.
  enum enNearest {
    NEAREST = 0,  // the closer one; on a tie the one with the lower index
    GREATER = 1,  // the one with the greater coordinate
    SMALLER = 2,  // the one with the smaller coordinate
  };

  // getYNearest of an empty curve (the most negative float).
  static constexpr float kNoNearest = -3.4028235e38f;
  // Interpolating lookups without an answer (the greatest float).
  static constexpr float kNoInterpol = 3.4028235e38f;
  // Most nodes a curve grows to through addCurveNodeAt; a larger index is an index error.
  static constexpr int kMaxNodes = 1 << 20;

  CKurve() = default;
  CKurve(const CKurve& other);
  CKurve& operator=(const CKurve& other);
  ~CKurve() override = default;

  int getCount() const;
  int getSize() const { return getCount(); }
  int getUpperBound() const { return getCount() - 1; }
  bool bIsEmpty() const { return m_nodes.empty(); }

  const curveNode& getAt(int index) const;
  const curveNode& getCurveNodeAt(int index) const { return getAt(index); }
  const curveNode& operator[](int index) const { return getAt(index); }
  // (Inline: the sizing searches read the end nodes of every variant they walk.)
  const curveNode& getFirstNode() const {
    if (m_nodes.empty()) throwNoNode("getFirstNode", 0);
    return m_nodes.front();
  }
  const curveNode& getLastNode() const {
    if (m_nodes.empty()) throwNoNode("getLastNode", -1);
    return m_nodes.back();
  }
  const std::vector<curveNode>& nodes() const { return m_nodes; }

  void addCurveNode(const curveNode& node);
  void addCurveNode(float x, const std::string& text, float y, float x2 = 0.0f);
  // Stores the node at index, growing the curve with default nodes when index >= count.
  void addCurveNodeAt(int index, const curveNode& node);
  void addCurveNodeAt(int index, float x, const std::string& text, float y, float x2 = 0.0f);
  // Replaces the node at index; false when index >= count.
  bool setCurveNodeAt(int index, const curveNode& node);
  // Removes all nodes and empties the three units.
  virtual void removeData();

  void SortbyX(bool descending);
  void SortbyY(bool descending, bool unused = false);
  // Reverses the node order; the units stay.
  void swapNodes();

  // y of the node nearest to x (see enNearest); kNoNearest for an empty curve.
  float getYNearest(double x, int mode) const;
  // x and text of the node nearest to y; 1 when a node was taken, else 0 (x, text unchanged).
  int getXNearest(float& x, std::string& text, double y, int mode) const;

  float getYInterpol(double x) const;   // x -> y
  float getXInterpol(double y) const;   // y -> x
  float getX2(double x) const;          // x -> x2
  float getX(double x2) const;          // x2 -> x

  const std::string& getEinheitx() const { return m_Einheitx; }
  const std::string& getEinheitx2() const { return m_Einheitx2; }
  const std::string& getEinheity() const { return m_Einheity; }
  void setEinheitx(const std::string& unit) { m_Einheitx = unit; }
  void setEinheitx2(const std::string& unit) { m_Einheitx2 = unit; }
  void setEinheity(const std::string& unit) { m_Einheity = unit; }

  using hydArmaturObject::read;
  using hydArmaturObject::write;
  // Four leaves, named in the order x, text, y, x2; see the valve-model file layout.
  bool write(CNode* node, const std::string& xName, const std::string& textName, const std::string& yName,
             const std::string& x2Name) const;
  // Appends the nodes read from the four leaves; false (and no node added) when the value
  // lists differ in length.
  bool read(const CNode* node, std::string_view xName, std::string_view textName, std::string_view yName,
            std::string_view x2Name);

 private:
  // Throws std::invalid_argument for a read of node `index` of an empty curve.
  [[noreturn]] static void throwNoNode(const char* what, int index);
  std::vector<curveNode> m_nodes;
  std::string m_Einheitx;
  std::string m_Einheitx2;
  std::string m_Einheity;
};

}  // namespace armakon::hydVDIArmaturen
