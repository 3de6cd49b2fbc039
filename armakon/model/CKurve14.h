#pragma once
// CKurve14: a four-value curve, one abscissa and four ordinates per node.
//
// Thermostatic valves with flow limitation keep (setting, -, maximum differential pressure,
// Wirkdruck, maximum flow) in it, one-pipe fittings (setting, bypass kv, radiator-path kv, ...).
// Index access outside the nodes throws std::invalid_argument.

#include <string>
#include <string_view>
#include <vector>

#include "armakon/model/curveNode.h"
#include "armakon/model/hydArmaturObject.h"

namespace armakon {
class CNode;
}

namespace armakon::hydVDIArmaturen {

class CKurve14 : public hydArmaturObject {
  ARMAKON_RUNTIME_CLASS(CKurve14, hydArmaturObject)

 public:
  CKurve14() = default;
  CKurve14(const CKurve14& other);
  CKurve14& operator=(const CKurve14& other);
  ~CKurve14() override = default;

  int getCount() const;
  int getSize() const { return getCount(); }
  int getUpperBound() const { return getCount() - 1; }
  bool bIsEmpty() const { return m_nodes.empty(); }

  const curveNode14& getAt(int index) const;
  const curveNode14& getCurveNodeAt(int index) const { return getAt(index); }
  const curveNode14& operator[](int index) const { return getAt(index); }
  // (Inline: the sizing searches read the end nodes of every variant they walk.)
  const curveNode14& getFirstNode() const {
    if (m_nodes.empty()) throwNoNode("getFirstNode", 0);
    return m_nodes.front();
  }
  const curveNode14& getLastNode() const {
    if (m_nodes.empty()) throwNoNode("getLastNode", -1);
    return m_nodes.back();
  }
  const std::vector<curveNode14>& nodes() const { return m_nodes; }

  void addCurveNode(const curveNode14& node);
  // Removes all nodes and empties the five units.
  void removeData();

  const std::string& getEinheitx() const { return m_Einheitx; }
  const std::string& getEinheity1() const { return m_Einheity1; }
  const std::string& getEinheity2() const { return m_Einheity2; }
  const std::string& getEinheity3() const { return m_Einheity3; }
  const std::string& getEinheity4() const { return m_Einheity4; }
  void setEinheitx(const std::string& unit) { m_Einheitx = unit; }
  void setEinheity1(const std::string& unit) { m_Einheity1 = unit; }
  void setEinheity2(const std::string& unit) { m_Einheity2 = unit; }
  void setEinheity3(const std::string& unit) { m_Einheity3 = unit; }
  void setEinheity4(const std::string& unit) { m_Einheity4 = unit; }

  using hydArmaturObject::read;
  using hydArmaturObject::write;
  // Six leaves, named in the order x, text, y1, y2, y3, y4.
  bool write(CNode* node, const std::string& xName, const std::string& textName, const std::string& y1Name,
             const std::string& y2Name, const std::string& y3Name, const std::string& y4Name) const;
  // Replaces the nodes when all six value lists have the same length, else keeps them; the
  // units are taken in either case. False only for a null node.
  bool read(const CNode* node, std::string_view xName, std::string_view textName, std::string_view y1Name,
            std::string_view y2Name, std::string_view y3Name, std::string_view y4Name);

 private:
  // Throws std::invalid_argument for a read of node `index` of an empty curve.
  [[noreturn]] static void throwNoNode(const char* what, int index);
  std::vector<curveNode14> m_nodes;
  std::string m_Einheitx;
  std::string m_Einheity1;
  std::string m_Einheity2;
  std::string m_Einheity3;
  std::string m_Einheity4;
};

}  // namespace armakon::hydVDIArmaturen
