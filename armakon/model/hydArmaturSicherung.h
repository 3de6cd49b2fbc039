#pragma once
// hydArmaturSicherung: safety fitting, i.e. backflow preventer (type 1706) or pipe separator
// (type 1707).
//
// The characteristic curve gives the flow over the pressure difference (x mbar, y flow), the
// largest flow in node 0; a last node of flow 0 marks the opening pressure. Besides it the
// fitting keeps the values the import reads from its data records: seven floats, a setting unit
// and a one-byte value, persisted in the order floats 0..3, setting unit, floats 4..6, byte.
// Float 1 is the second value of a separator's data record, the pressure value the
// drinking-water sizing compares with its limit (getTrennerDruck). Tree node "Sicherung".

#include <string>

#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturSicherung : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturSicherung, hydArmatur)

 public:
  static constexpr int kFloatCount = 7;

  hydArmaturSicherung();
  hydArmaturSicherung(const hydArmaturSicherung& other);
  hydArmaturSicherung& operator=(const hydArmaturSicherung& other);
  ~hydArmaturSicherung() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // The characteristic curve.
  const CKurve& getKurve() const override { return m_Kennlinie; }
  // Empties the curve and the unit, sets the numbers to 0.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  void addKurve(const CKurve& curve) { m_Kennlinie = curve; }
  const std::string& getEinheitEinst() const { return m_EinheitEinst; }
  void setEinheitEinst(const std::string& unit) { m_EinheitEinst = unit; }
  // The floats 0..6; an index outside throws std::invalid_argument.
  float getWert(int index) const;
  void setWert(int index, float value);
  unsigned char getByteWert() const { return m_Byte; }
  void setByteWert(unsigned char value) { m_Byte = value; }
  float getTrennerDruck() const { return m_Werte[1]; }

  // The pressure difference at flow Q. One node with y != 0: on the line through the origin
  // and (y, x); one node with y == 0: its x; more nodes: the (flow -> pressure) interpolation
  // at Q (the table's "no value" outside the curve); 0 for an empty curve.
  double getDp(double Q) const;
  // The flow at pressure difference dp, the same with x and y exchanged.
  double getQ(double dp) const;
  // The opening pressure: x of the last node when its y is exactly 0, else 0.
  double getOefnDp() const;
  // y of the first / last node; 0 for an empty curve.
  double getQmax() const;
  double getQmin() const;

 private:
  float m_Werte[kFloatCount] = {};
  std::string m_EinheitEinst;
  CKurve m_Kennlinie;
  unsigned char m_Byte = 0;
};

}  // namespace armakon::hydVDIArmaturen
