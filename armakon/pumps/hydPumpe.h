#pragma once
// hydPumpe: one pump of a series with its technical data and static characteristic curves.
//
// Units: dpMin/dpMax in mbar (as the manufacturer states the settable head range), curves in
// m³/s and Pa. The curves are expected in ascending order of their zero-flow head, lowest speed
// first; bKennlinienSequenceOK tells whether the data keep that order.
//
// Control type (regelungTyp): 0 static curves, 1 constant pressure, 2 proportional pressure,
// 3 constant and proportional pressure, -1 not set. The pump file stores it as an internal
// text ("KENNLINIE", "KENNLINIE|DEZENTRAL", "KONSTDRUCK", "PROPDRUCK", "KONSTPROPDRUCK"); the
// decentral marker only travels together with code 0.
//
// The pump owns its curves and keeps a plain pointer to its series.

#include <memory>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/pumps/hydPumpenKennlinie.h"

namespace armakon {

class hydPumpenSerie;

class hydPumpe {
 public:
  explicit hydPumpe(hydPumpenSerie* serie = nullptr);
  hydPumpe(const hydPumpe&) = delete;
  hydPumpe& operator=(const hydPumpe&) = delete;
  ~hydPumpe();

  hydPumpenSerie* getSerie() const { return m_Serie; }

  // --- technical data ---
  const std::string& getName() const { return m_Name; }
  void setName(const std::string& name) { m_Name = name; }
  const std::string& getArticleNumber() const { return m_ArticleNumber; }
  void setArticleNumber(const std::string& number) { m_ArticleNumber = number; }
  const std::string& getVoltage() const { return m_Voltage; }
  void setVoltage(const std::string& voltage) { m_Voltage = voltage; }
  double getDpMin() const { return m_DpMin; }  // mbar
  void setDpMin(double mbar) { m_DpMin = mbar; }
  double getDpMax() const { return m_DpMax; }  // mbar
  void setDpMax(double mbar) { m_DpMax = mbar; }
  double getPN() const { return m_PN; }
  void setPN(double pn) { m_PN = pn; }
  double getTMin() const { return m_TMin; }  // °C
  void setTMin(double t) { m_TMin = t; }
  double getTMax() const { return m_TMax; }
  void setTMax(double t) { m_TMax = t; }
  double getTMaxShort() const { return m_TMaxShort; }
  void setTMaxShort(double t) { m_TMaxShort = t; }
  int getDN() const { return m_DN; }
  void setDN(int dn) { m_DN = dn; }
  const std::string& getPdfFile() const { return m_PdfFile; }
  void setPdfFile(const std::string& file) { m_PdfFile = file; }
  const std::string& getBmpFile() const { return m_BmpFile; }
  void setBmpFile(const std::string& file) { m_BmpFile = file; }

  // --- control type ---
  int getRegelungTypCode() const { return m_RegelungTyp; }
  void setRegelungTypCode(int code) { m_RegelungTyp = code; }
  bool bIsDezentral() const { return m_Dezentral; }
  void setDezentral(bool dezentral) { m_Dezentral = dezentral; }
  // Internal text of the control type ("" for an unknown code).
  std::string getRegelungTypIntern() const;
  // Sets the code from an internal text, case ignored; "KENNLINIE" leaves the decentral
  // marker as it is, "KENNLINIE|DEZENTRAL" sets it; an unknown text gives -1.
  void setRegelungTypIntern(const std::string& text);
  // Translated display text of the control type ("" for an unknown code).
  std::string getRegelungTyp() const;

  // --- owner data ("" / 0 when the pump hangs in no series or the series in no manufacturer) ---
  std::string getManufacturerName() const;
  std::string getManufacturerID() const;
  std::string getSerialName() const;
  int getEinsatzBereich() const;

  // --- curves ---
  int getAnzKennlinien() const;
  const std::vector<std::unique_ptr<hydPumpenKennlinie>>& getKennlinien() const { return m_Kennlinien; }
  // Appends a new empty curve owned by this pump and returns it.
  hydPumpenKennlinie* addKennlinie();
  // Appends a curve made elsewhere (null is ignored) and makes this pump its owner.
  hydPumpenKennlinie* appendKennlinie(std::unique_ptr<hydPumpenKennlinie> kennlinie);
  // Reverses the order of the curves (data delivered highest speed first).
  void reverseArray();
  // Deletes all curves.
  void removeAll();

  // --- checks ---
  // Every curve has pairs and passes bIsKennlinieOk (true without curves).
  bool bCheckKennlinien() const;
  // Zero-flow heads never decrease along the array and the first is not negative (true
  // without curves).
  bool bKennlinienSequenceOK() const;
  // At least one curve, the sequence is right and every curve is sound.
  bool bCheckPumpe() const;

  // --- curve access and control curves ---
  // Curve i, null when i lies outside the array.
  hydPumpenKennlinie* getStatischeKennlinie(int i) const;
  // Empties out; copies the table of curve i (even an empty one) and returns true when the
  // curve exists.
  bool getStatischeKennlinie(int i, CHydrixInterpolation& out) const;
  // The curve of the highest zero-flow head (the earlier one on a tie); null when no curve
  // has a zero-flow head above 0.
  hydPumpenKennlinie* getStatischeKennlinieMax() const;
  // The curve of the lowest zero-flow head (the earlier one on a tie); null without curves.
  hydPumpenKennlinie* getStatischeKennlinieMin() const;
  // The control curve for the setpoint head in Pa: the highest static curve cut off at the
  // setpoint (constant pressure), and for proportional control (type 2, or type 3 with a
  // mode other than 0) its part up to the setpoint replaced by the line from half the
  // setpoint at zero flow to the setpoint. False when the setpoint lies outside
  // [dpMin, dpMax] (mbar, so ×100 Pa) or the pump has no highest curve; out is then empty.
  bool getRegelkennlinie(const double& sollDruck, const int& modus, CHydrixInterpolation& out) const;

 private:
  hydPumpenSerie* m_Serie = nullptr;
  std::string m_Name;
  std::string m_ArticleNumber;
  std::string m_Voltage;
  double m_DpMin = -1.0;
  double m_DpMax = -1.0;
  double m_PN = -1.0;
  double m_TMin = -273.15;
  double m_TMax = -273.15;
  double m_TMaxShort = -273.15;
  int m_RegelungTyp = -1;
  bool m_Dezentral = false;
  int m_DN = -1;
  std::string m_PdfFile;
  std::string m_BmpFile;
  std::vector<std::unique_ptr<hydPumpenKennlinie>> m_Kennlinien;
};

}  // namespace armakon
