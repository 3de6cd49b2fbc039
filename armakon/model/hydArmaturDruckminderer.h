#pragma once
// hydArmaturDruckminderer: pressure reducer (type 1708).
//
// The outlet-pressure curve gives the outlet pressure in bar per setting (x setting, text
// label, y pressure), highest pressure in node 0. It is the curve getKurve answers, so the
// setting searches and setting texts see the reducer's settings. Tree node "Druckminderer".

#include <string>

#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturDruckminderer : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturDruckminderer, hydArmatur)

 public:
  hydArmaturDruckminderer();
  hydArmaturDruckminderer(const hydArmaturDruckminderer& other);
  hydArmaturDruckminderer& operator=(const hydArmaturDruckminderer& other);
  ~hydArmaturDruckminderer() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // The outlet-pressure curve.
  const CKurve& getKurve() const override { return m_DruckKurve; }
  // y of the last / first node; -1.0 for an empty curve.
  virtual double getDpOutMin() const;
  virtual double getDpOutMax() const;
  // Empties the curve and the setting unit.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  void addKurve(const CKurve& curve) { m_DruckKurve = curve; }
  const std::string& getEinheitEinst() const { return m_EinheitEinst; }
  void setEinheitEinst(const std::string& unit) { m_EinheitEinst = unit; }

  // The outlet pressure (bar) of setting i: y of node i; 0.0 for i < 1 and past the last node.
  double getdP_bar(int i) const;

 private:
  std::string m_EinheitEinst;
  CKurve m_DruckKurve;
};

}  // namespace armakon::hydVDIArmaturen
