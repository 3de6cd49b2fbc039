#pragma once
// hydArmaturTHKV: thermostatic valve body (type 201).
//
// The kv curve (x setting, text label, y kv, most open setting first) is a setting curve whose
// setting field holds the proportional band Xp the variant was sized for. Tree node "THKV".

#include <string>

#include "armakon/model/CEinstellungKurve.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturTHKV : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturTHKV, hydArmaturObject)

 public:
  hydArmaturTHKV();
  hydArmaturTHKV(const hydArmaturTHKV& other);
  hydArmaturTHKV& operator=(const hydArmaturTHKV& other);
  ~hydArmaturTHKV() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // y of the last / first node of the kv curve; -1.0 when it is empty.
  double getKvmin() const override;
  double getKvmax() const override;
  // The kv curve.
  const CKurve& getKurve() const override { return m_KvKurve; }
  // Empties the kv curve; Xp becomes 0.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  const CEinstellungKurve& getKvKurve() const { return m_KvKurve; }
  // Takes over the nodes and units of curve; Xp and the other setting data stay.
  void addKvKurve(const CKurve& curve);
  double getXp() const { return m_KvKurve.getEinstellung(); }
  void setXp(double xp) { m_KvKurve.setEinstellung(xp); }
  // The setting unit is the x unit of the kv curve.
  const std::string& getEinheitEinst() const { return m_KvKurve.getEinheitx(); }
  void setEinheitEinst(const std::string& unit) { m_KvKurve.setEinheitx(unit); }

 private:
  CEinstellungKurve m_KvKurve;
};

}  // namespace armakon::hydVDIArmaturen
