#pragma once
// hydArmaturDDRDFR: differential-pressure regulator with flow regulator (types 208, 210).
//
// A hydArmaturDDR with a complete flow-regulator part. Tree node "DDRDFR" with two children:
// "DDR" holds this variant written as a differential-pressure regulator (its variant data
// included), "DFR" the flow-regulator part.

#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDFR.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturDDRDFR : public hydArmaturDDR {
  ARMAKON_RUNTIME_CLASS(hydArmaturDDRDFR, hydArmaturDDR)

 public:
  hydArmaturDDRDFR();
  hydArmaturDDRDFR(const hydArmaturDDRDFR& other);
  hydArmaturDDRDFR& operator=(const hydArmaturDDRDFR& other);
  ~hydArmaturDDRDFR() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // Empties the regulator curves and the flow-regulator part.
  void removeData() override;
  void assignTyped(const hydArmatur& source) override;

  const hydArmaturDFR& getDFRAnteil() const { return m_DFRAnteil; }
  hydArmaturDFR& getDFRAnteil() { return m_DFRAnteil; }
  // The Wirkdruck of the flow-regulator part.
  float getWirkdruck() const { return m_DFRAnteil.getWirkdruck(); }
  void setWirkdruck(float value) { m_DFRAnteil.setWirkdruck(value); }

 private:
  hydArmaturDFR m_DFRAnteil;
};

}  // namespace armakon::hydVDIArmaturen
