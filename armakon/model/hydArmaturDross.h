#pragma once
// hydArmaturDross: manual throttle, presettable screw connection, balancing valve (types 202,
// 204, 1702).
//
// The kv curve holds the kv per setting (x setting, text label, y kv, most open setting first).
// Besides it: the setting unit, the kv at thermal disinfection, and the differential-pressure
// range Dpmin..Dpmax. Tree node "Dross" (a subclass names the node first).

#include <string>

#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturDross : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturDross, hydArmatur)

 public:
  hydArmaturDross();
  hydArmaturDross(const hydArmaturDross& other);
  hydArmaturDross& operator=(const hydArmaturDross& other);
  ~hydArmaturDross() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // The smaller / greater of y of the first and the last node of getKurve(); -1.0 when empty.
  double getKvmin() const override;
  double getKvmax() const override;
  // The kv curve.
  const CKurve& getKurve() const override { return m_KvKurve; }
  // Replaces the kv curve by a copy.
  virtual void addKurve(const CKurve& curve);
  // Empties the kv curve and the setting unit, sets the numbers to 0.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  const std::string& getEinheitEinst() const { return m_EinheitEinst; }
  void setEinheitEinst(const std::string& unit) { m_EinheitEinst = unit; }
  float getKvDesinfektion() const { return m_KvDesinfektion; }
  void setKvDesinfektion(float kv) { m_KvDesinfektion = kv; }
  float getDpmin() const { return m_Dpmin; }
  void setDpmin(float dp) { m_Dpmin = dp; }
  float getDpmax() const { return m_Dpmax; }
  void setDpmax(float dp) { m_Dpmax = dp; }

 private:
  CKurve m_KvKurve;
  std::string m_EinheitEinst;
  float m_KvDesinfektion = 0.0f;
  float m_Dpmin = 0.0f;
  float m_Dpmax = 0.0f;
};

}  // namespace armakon::hydVDIArmaturen
