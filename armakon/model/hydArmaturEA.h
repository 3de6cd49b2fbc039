#pragma once
// hydArmaturEA: draw-off fitting (types 1704, 1705 with backflow preventer).
//
// The flow curve gives the flow (l/h) over the pressure difference (mbar), the largest flow in
// node 0. Besides it the fitting keeps the values the import reads from its data records: a
// setting unit, four one-byte values and seven floats, stored, copied and persisted in this
// order: byte 0, byte 1, floats 0..3, setting unit, floats 4..6, byte 2, byte 3.
// Tree node "EA"; the flow curve is written (child "EK") for type 1705 only.

#include <string>

#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturEA : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturEA, hydArmatur)

 public:
  static constexpr int kFloatCount = 7;
  static constexpr int kByteCount = 4;

  hydArmaturEA();
  hydArmaturEA(const hydArmaturEA& other);
  hydArmaturEA& operator=(const hydArmaturEA& other);
  ~hydArmaturEA() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // The flow curve.
  const CKurve& getKurve() const override { return m_FlowKurve; }
  // Empties the curve and the unit, sets the numbers to 0 and byte 1 to 1.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  void addKurve(const CKurve& curve) { m_FlowKurve = curve; }
  const std::string& getEinheitEinst() const { return m_EinheitEinst; }
  void setEinheitEinst(const std::string& unit) { m_EinheitEinst = unit; }
  // The floats 0..6 and bytes 0..3; an index outside throws std::invalid_argument.
  float getWert(int index) const;
  void setWert(int index, float value);
  unsigned char getByte(int index) const;
  void setByte(int index, unsigned char value);

  // The pressure difference at flow Q: x of the first node when Q lies within 1e-5 of its y,
  // else the (flow -> pressure) interpolation at Q, which is the table's "no value" (the
  // largest double) outside the curve; 0 for an empty curve.
  double getDp(double Q) const;
  // The flow at pressure difference dp by the (pressure -> flow) interpolation; 0 when empty.
  double getQ(double dp) const;
  // kv at flow Q: (Q / 1000) * sqrt(1000 / getDp(Q)); 0 for an empty curve.
  double getKv(double Q) const;
  // y of the first / last node; 0 for an empty curve.
  double getQmax() const;
  double getQmin() const;

 private:
  std::string m_EinheitEinst;
  unsigned char m_Bytes[kByteCount] = {0, 1, 0, 0};
  float m_Werte[kFloatCount] = {};
  CKurve m_FlowKurve;
};

}  // namespace armakon::hydVDIArmaturen
