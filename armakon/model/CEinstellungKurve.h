#pragma once
// CEinstellungKurve: the curve of one setting of a thermostatic valve or automatic throttle.
//
// For an automatic throttle (hydArmaturThermoDross) there is one per regulator temperature:
// x is the water temperature in °C (stored ascending), y the kv at that temperature. A
// thermostatic valve body (hydArmaturTHKV) uses it for its setting-to-kv curve and keeps Xp
// in the setting field.

#include <string>

#include "armakon/model/CKurve.h"

namespace armakon::hydVDIArmaturen {

class CEinstellungKurve : public CKurve {
  ARMAKON_RUNTIME_CLASS(CEinstellungKurve, CKurve)

 public:
  // The setting value that means "no setting stored" (the smallest normal float).
  static constexpr double kNoSetting = 1.1754943508222875e-38;

  CEinstellungKurve() = default;
  CEinstellungKurve(const CEinstellungKurve& other);
  CEinstellungKurve& operator=(const CEinstellungKurve& other);
  ~CEinstellungKurve() override = default;

  // Removes the nodes and units and sets the setting to 0; the other values stay.
  void removeData() override;

  double getEinstellung() const { return m_Einstellung; }
  void setEinstellung(double value) { m_Einstellung = value; }
  bool hasEinstellung() const { return m_Einstellung != kNoSetting; }
  double getKvDesinfektion() const { return m_KvDesinfektion; }
  void setKvDesinfektion(double value) { m_KvDesinfektion = value; }
  double getTemperatur() const { return m_Temperatur; }
  void setTemperatur(double value) { m_Temperatur = value; }
  double getWert4() const { return m_Wert4; }
  void setWert4(double value) { m_Wert4 = value; }
  const std::string& getText() const { return m_Text; }
  void setText(const std::string& text) { m_Text = text; }

  using CKurve::read;
  using CKurve::write;
  // With asChild the curve goes into a new child "CK". The setting leaf is left out while the
  // setting holds kNoSetting.
  bool write(CNode* node, bool asChild, const std::string& xName, const std::string& textName,
             const std::string& yName, const std::string& x2Name, const std::string& settingName) const;
  // With asChild the first child "CK" is read (false without one). True even when the curve
  // part does not read.
  bool read(const CNode* node, bool asChild, std::string_view xName, std::string_view textName,
            std::string_view yName, std::string_view x2Name, std::string_view settingName);

  // The temperature -> kv function of this setting; with disinfection the disinfection section
  // is appended. False when the curve is empty or (with disinfection) the function gives no
  // value at 0 °C.
  bool getFunktion(CHydrixInterpolation& out, bool withoutDisinfection) const;
  // Appends the thermal-disinfection section (up to 75 °C) to a temperature -> kv table.
  void appendFunktionThDesinf(CHydrixInterpolation& table) const;
  // The points that section adds to a table ending in (lastX, lastY) (0, 0 for an empty
  // table): their count, at most three, and the points in x and y.
  int getFunktionThDesinf(double lastX, double lastY, double (&x)[3], double (&y)[3]) const;
  // The water temperature at which this setting has the given kv; -1.0 when there is none.
  double findTemperaturByKvWert(double kv) const;
  // The table findTemperaturByKvWert looks the kv up in (kv -> water temperature over the
  // stretch where the valve opens as the water cools), for callers that ask many kv values.
  void getTemperaturByKvTable(CHydrixInterpolation& inverse) const;

 private:
  double m_Einstellung = 0.0;
  double m_KvDesinfektion = 0.0;
  double m_Temperatur = 0.0;
  double m_Wert4 = 0.0;
  std::string m_Text;
};

}  // namespace armakon::hydVDIArmaturen
