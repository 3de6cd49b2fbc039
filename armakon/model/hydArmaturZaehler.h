#pragma once
// hydArmaturZaehler: water meter (type 1709).
//
// Nine numbers (six, then three more), three texts and four coded properties, stored, copied
// and persisted in the order: numbers 0..5, text 0, Einsatzbereich, Einbaulage, Gerätetyp,
// Gehäuseart, text 1, numbers 6..8, text 2. The drinking-water sizing reads number 0 as the
// nominal flow Qn and numbers 2 and 3 as the bounds of the usable flow. Tree node "Zaehler".

#include <string>

#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturZaehler : public hydArmatur {
  ARMAKON_RUNTIME_CLASS(hydArmaturZaehler, hydArmatur)

 public:
  // Area of use of a meter.
  enum Einsatzbereich { Kaltwasser = 1, Warmwasser = 2 };

  static constexpr int kWertCount = 9;
  static constexpr int kTextCount = 3;

  hydArmaturZaehler();
  hydArmaturZaehler(const hydArmaturZaehler& other);
  hydArmaturZaehler& operator=(const hydArmaturZaehler& other);
  ~hydArmaturZaehler() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // Empties the texts, sets the numbers to 0 and the four coded properties to 1.
  virtual void removeData();
  void assignTyped(const hydArmatur& source) override;

  // Numbers 0..8 and texts 0..2; an index outside throws std::invalid_argument.
  double getWert(int index) const;
  void setWert(int index, double value);
  const std::string& getText(int index) const;
  void setText(int index, const std::string& text);
  double getQn() const { return m_Werte[0]; }
  double getQmin() const { return m_Werte[2]; }
  double getQmax() const { return m_Werte[3]; }

  int getEinsatzbereich() const { return m_Einsatzbereich; }
  void setEinsatzbereich(int value) { m_Einsatzbereich = value; }
  int getEinbaulage() const { return m_Einbaulage; }
  void setEinbaulage(int value) { m_Einbaulage = value; }
  int getGerätetyp() const { return m_Gerätetyp; }
  void setGerätetyp(int value) { m_Gerätetyp = value; }
  int getGehäuseart() const { return m_Gehäuseart; }
  void setGehäuseart(int value) { m_Gehäuseart = value; }

  // The translated texts of the coded properties; empty for an unknown code.
  std::string getEinsatzbereichText() const;
  std::string getEinbaulageText() const;
  std::string getGerätetypText() const;
  std::string getGehäuseartText() const;

 private:
  double m_Werte[kWertCount] = {};
  std::string m_Texte[kTextCount];
  int m_Einsatzbereich = 1;
  int m_Einbaulage = 1;
  int m_Gerätetyp = 1;
  int m_Gehäuseart = 1;
};

}  // namespace armakon::hydVDIArmaturen
