#pragma once
// hydArmaturTHKVDFR: thermostatic valve body with flow limitation (type 212).
//
// The four-value curve holds per setting: x setting, text label, y1 a further value kept with
// the setting, y2 maximum differential pressure, y3 Wirkdruck (minimum differential pressure),
// y4 limited flow (largest in node 0). Tree node "THKVDFR".

#include <string>

#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturTHKVDFR : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturTHKVDFR, hydArmatur)

 public:
  hydArmaturTHKVDFR();
  hydArmaturTHKVDFR(const hydArmaturTHKVDFR& other);
  hydArmaturTHKVDFR& operator=(const hydArmaturTHKVDFR& other);
  ~hydArmaturTHKVDFR() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // Empties the four-value curve and sets Xp to 0.
  void removeData();
  void assignTyped(const hydArmatur& source) override;

  const CKurve14& getKurve14() const { return m_Kurve14; }
  void addKurve(const CKurve14& curve) { m_Kurve14 = curve; }
  double getXp() const { return m_Xp; }
  void setXp(double xp) { m_Xp = xp; }
  // The setting unit is the x unit of the four-value curve.
  const std::string& getEinheitEinst() const { return m_Kurve14.getEinheitx(); }
  void setEinheitEinst(const std::string& unit) { m_Kurve14.setEinheitx(unit); }

  // y3 / y2 / y4 of node i; 0 when i lies outside the nodes.
  float getWirkdruck(int i) const;
  float getDpMaxAt(int i) const;
  float getVmaxAt(int i) const;
  // y4 of the first / last node; 0 for an empty curve.
  float getFlowRateMax() const { return m_Kurve14.bIsEmpty() ? 0.0f : m_Kurve14.getFirstNode().y4; }
  float getFlowRateMin() const { return m_Kurve14.bIsEmpty() ? 0.0f : m_Kurve14.getLastNode().y4; }

 private:
  double m_Xp = 0.0;
  CKurve14 m_Kurve14;
};

}  // namespace armakon::hydVDIArmaturen
