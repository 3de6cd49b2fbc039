#pragma once
// hydArmaturDFR: flow regulator (type 207).
//
// The flow curve holds the regulated flow per setting (x setting, text label, y flow), the
// largest flow in node 0; the Wirkdruck is the differential pressure the regulator needs to
// work. Tree node "DFR".

#include <string>

#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturDFR : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturDFR, hydArmaturObject)

 public:
  hydArmaturDFR();
  hydArmaturDFR(const hydArmaturDFR& other);
  hydArmaturDFR& operator=(const hydArmaturDFR& other);
  ~hydArmaturDFR() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // The flow curve.
  const CKurve& getKurve() const override { return m_FlowKurve; }
  // Empties the flow curve and sets the Wirkdruck to 0.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  void addKurve(const CKurve& curve) { m_FlowKurve = curve; }
  float getWirkdruck() const { return m_Wirkdruck; }
  void setWirkdruck(float value) { m_Wirkdruck = value; }
  // The setting unit is the x unit of the flow curve.
  const std::string& getEinheitEinst() const { return m_FlowKurve.getEinheitx(); }
  void setEinheitEinst(const std::string& unit) { m_FlowKurve.setEinheitx(unit); }

  // y of node i; 0 when i lies outside the nodes.
  float getFlowRateAt(int i) const;
  // y of the first / last node; 0 for an empty curve.
  float getFlowRateMax() const { return m_FlowKurve.bIsEmpty() ? 0.0f : m_FlowKurve.getFirstNode().y; }
  float getFlowRateMin() const { return m_FlowKurve.bIsEmpty() ? 0.0f : m_FlowKurve.getLastNode().y; }

 private:
  float m_Wirkdruck = 0.0f;
  CKurve m_FlowKurve;
};

}  // namespace armakon::hydVDIArmaturen
