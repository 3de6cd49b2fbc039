#pragma once
// hydArmaturDDR: differential-pressure regulator (types 205, 209).
//
// Three curves: the setpoint curve (x setting, text setting label, y differential-pressure
// setpoint in mbar), the kv-to-deviation curve (x kv, y proportional deviation of the setpoint)
// and the maximum-flow curve (x setting, y maximum flow). Tree node "DDR".

#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturDDR : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturDDR, hydArmaturObject)

 public:
  hydArmaturDDR();
  hydArmaturDDR(const hydArmaturDDR& other);
  hydArmaturDDR& operator=(const hydArmaturDDR& other);
  ~hydArmaturDDR() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // x of the last / first node of the kv-to-deviation curve; -1.0 when it is empty.
  // (These and the setpoint range are final and inline: the regulator searches read them for
  // every regulator they walk.)
  double getKvmin() const final {
    return m_KennlinieKvzuPAbw.bIsEmpty() ? -1.0 : static_cast<double>(m_KennlinieKvzuPAbw.getLastNode().x);
  }
  double getKvmax() const final {
    return m_KennlinieKvzuPAbw.bIsEmpty() ? -1.0 : static_cast<double>(m_KennlinieKvzuPAbw.getFirstNode().x);
  }
  // The setpoint curve.
  const CKurve& getKurve() const override { return m_KennlinieDp; }
  // y of the last / first node of the setpoint curve; -1.0 when it is empty.
  virtual double getDpSollMin() const final {
    return m_KennlinieDp.bIsEmpty() ? -1.0 : static_cast<double>(m_KennlinieDp.getLastNode().y);
  }
  virtual double getDpSollMax() const final {
    return m_KennlinieDp.bIsEmpty() ? -1.0 : static_cast<double>(m_KennlinieDp.getFirstNode().y);
  }
  // Empties the three curves.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  const CKurve& getKennlinieDp() const { return m_KennlinieDp; }
  const CKurve& getKennlinieKvzuPAbw() const { return m_KennlinieKvzuPAbw; }
  const CKurve& getKennlinieMaxVolStrom() const { return m_KennlinieMaxVolStrom; }
  // Each replaces the curve by a copy.
  void addKennlinieDp(const CKurve& curve) { m_KennlinieDp = curve; }
  void addKennlinieKvzuPAbw(const CKurve& curve) { m_KennlinieKvzuPAbw = curve; }
  void addKennlinieMaxVolStrom(const CKurve& curve) { m_KennlinieMaxVolStrom = curve; }

  // The setpoint deviation at kv (interpolated); CKurve::kNoInterpol outside the curve.
  float getpAbwAtkv(double kv) const;
  // The setpoint that gives the differential pressure dp at kv. dpSet is set in any case; true
  // when it lies within the setpoint range. False at once without a setpoint curve.
  bool getKvzudeltaP(double kv, double dp, double& dpSet) const;
  // The kv -> differential pressure curve at setpoint dp (x deviation + dp, y kv).
  void getKvzuDpKurveAt(double dp, CKurve& out) const;

 private:
  void adoptCurves();

  CKurve m_KennlinieDp;
  CKurve m_KennlinieKvzuPAbw;
  CKurve m_KennlinieMaxVolStrom;
};

}  // namespace armakon::hydVDIArmaturen
