#pragma once
// hydArmaturEAV: one-pipe connection fitting for valve radiators (type 203).
//
// The four-value curve holds per setting: x setting, text label, y1 kv of the bypass, y2 kv of
// the radiator path, y3 and y4 further values of the setting. A fitting with a thermostatic
// insert carries the proportional band Xp it was sized for (-1.0: none). Tree node "EAV".

#include <limits>
#include <string>

#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturEAV : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturEAV, hydArmatur)

 public:
  // Xp of a fitting without thermostatic insert.
  static constexpr double kKeinXp = -1.0;

  hydArmaturEAV();
  hydArmaturEAV(const hydArmaturEAV& other);
  hydArmaturEAV& operator=(const hydArmaturEAV& other);
  ~hydArmaturEAV() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // The smaller / greater of y2 of the first and the last node; -1.0 when empty.
  double getKvmin() const override;
  double getKvmax() const override;
  // Empties the curve; Xp becomes -1.0.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  const CKurve14& getKurve14() const { return m_Kurve14; }
  void addKurve14(const CKurve14& curve) {
    m_Kurve14 = curve;
    noteSmallestY3();
  }
  // The smallest y3 of the nodes (a NaN counts as none); infinity without nodes. Kept with the
  // curve: the one-pipe search asks it of every fitting it compares.
  float getSmallestY3() const { return m_smallestY3; }
  double getXp() const { return m_Xp; }
  void setXp(double xp) { m_Xp = xp; }
  // True for a fitting with thermostatic insert (Xp >= 0).
  bool hasTHKV() const { return m_Xp >= 0.0; }
  // The setting unit is the x unit of the four-value curve.
  const std::string& getEinheitEinst() const { return m_Kurve14.getEinheitx(); }
  void setEinheitEinst(const std::string& unit) { m_Kurve14.setEinheitx(unit); }

 private:
  // Notes the smallest y3 after every change of the curve.
  void noteSmallestY3();

  CKurve14 m_Kurve14;
  double m_Xp = kKeinXp;
  float m_smallestY3 = std::numeric_limits<float>::infinity();
};

}  // namespace armakon::hydVDIArmaturen
