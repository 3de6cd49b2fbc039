#pragma once
// hydArmatur: one valve variant (one nominal size or execution of a valve model).
//
// The plain class serves the fixed resistances and control valves without curves (types 211,
// 213, 1701); the typed subclasses add the characteristic data of their valve type and
// override the queries. A variant placed in a model has the model as parent, which is how it
// reaches the manufacturer, model designation and catalog id.
//
// Copying: operator= copies the variant data of this class only (not the own curve).
// assignTyped is the hook a model uses when it copies variants whose classes it only knows
// at run time: every typed class overrides it to copy its full data when the source is of its
// class, and falls back to the base version otherwise.

#include <string>
#include <vector>

#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmAnschluss.h"
#include "armakon/model/hydArmaturObject.h"
#include "armakon/model/hydArmaturZubehoer.h"

namespace armakon::hydVDIArmaturen {

class hydArmatur : public hydArmaturObject {
  ARMAKON_RUNTIME_CLASS(hydArmatur, hydArmaturObject)

 public:
  // The maximum temperature of a variant without one (°C).
  static constexpr double kKeineTemperatur = -273.15;

  hydArmatur() = default;
  hydArmatur(const hydArmatur& other);
  hydArmatur& operator=(const hydArmatur& other);
  ~hydArmatur() override = default;

  // Tree node "ARM" (the name is set only on an unnamed node); see the valve-model file.
  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // The kv range; -1.0 ("no value") for the plain variant.
  virtual double getKvmin() const;
  virtual double getKvmax() const;
  // The variant's main curve; for the plain variant its own curve.
  virtual const CKurve& getKurve() const;
  // Copies the hydArmatur part of source (operator=); typed classes copy their own data too
  // when source is of their class.
  virtual void assignTyped(const hydArmatur& source);

  // Empties the article number and the accessories and resets dimension, limits, kvs and the
  // three type fields; the execution details, connections, catalogue numbers, dnText,
  // closing pressure, zeta and the own curve stay.
  void destroyAll();

  // --- identification ---
  int getGroupType() const { return m_groupType; }
  void setGroupType(int value) { m_groupType = value; }
  int getArmType() const { return m_armType; }
  void setArmType(int value) { m_armType = value; }
  int getRecordIndex() const { return m_recordIndex; }
  void setRecordIndex(int value) { m_recordIndex = value; }
  const std::string& getArtikelNr() const { return m_ArtikelNr; }
  void setArtikelNr(const std::string& value) { m_ArtikelNr = value; }
  const std::string& getDATANORMNr() const { return m_DATANORMNr; }
  void setDATANORMNr(const std::string& value) { m_DATANORMNr = value; }
  const std::string& getStLBNr() const { return m_StLBNr; }
  void setStLBNr(const std::string& value) { m_StLBNr = value; }
  const std::string& getEANNr() const { return m_EANNr; }
  void setEANNr(const std::string& value) { m_EANNr = value; }
  int getDimension() const { return m_Dimension; }
  void setDimension(int value) { m_Dimension = value; }
  const std::string& getDnText() const { return m_dnText; }
  void setDnText(const std::string& value) { m_dnText = value; }

  // --- limits and hydraulic data ---
  double getMaxTemperatur() const { return m_MaxTemperatur; }
  void setMaxTemperatur(double value) { m_MaxTemperatur = value; }
  double getMaxBetriebsdruck() const { return m_MaxBetriebsdruck; }
  void setMaxBetriebsdruck(double value) { m_MaxBetriebsdruck = value; }
  double getMaxDiffdruck() const { return m_MaxDiffdruck; }
  void setMaxDiffdruck(double value) { m_MaxDiffdruck = value; }
  double getKvs() const { return m_Kvs; }
  void setKvs(double value) { m_Kvs = value; }
  double getSchliessdruck_hPa() const { return m_Schliessdruck_hPa; }
  void setSchliessdruck_hPa(double value) { m_Schliessdruck_hPa = value; }
  double getZeta() const { return m_Zeta; }
  void setZeta(double value) { m_Zeta = value; }

  // --- from the parent model (empty texts without a model parent) ---
  std::string getManufacturer() const;
  std::string getModelType() const;
  std::string getHydCatID() const;

  // --- execution details ("Ausführung"), a ";"-separated list ---
  const std::string& getAusfDetails() const { return m_ausfDetails; }
  void addAusfDetail(const std::string& detail);
  void clearAusfuehrung() { m_ausfDetails.clear(); }
  // The first item, then every further item that differs from it, joined by the separator;
  // the list ends at its first empty item.
  std::string getAusfuehrung(const std::string& separator) const;

  // --- connections (index errors throw std::invalid_argument) ---
  const std::vector<hydArmAnschluss>& getAnschlussKeys() const { return m_Anschluesse; }
  const hydArmAnschluss& getAnschlussKeyAt(int index) const;
  int getSizeAnschlussKeys() const;
  int getUpperBoundAnschlussKeys() const { return getSizeAnschlussKeys() - 1; }
  int addAnschluss(const hydArmAnschluss& connection);
  void setAnschlussKeys(const std::vector<hydArmAnschluss>& connections) { m_Anschluesse = connections; }

  // --- accessories ---
  const std::vector<hydArmaturZubehoer>& getZubehoer() const { return m_Zubehoer; }
  const hydArmaturZubehoer& getZubehoerAt(int index) const;
  // Appends a copy and returns its index.
  int addZubehoer(const hydArmaturZubehoer& accessory);
  // Appends a cleared accessory and returns the stored element (valid until the next change
  // of the accessory list).
  hydArmaturZubehoer& addZubehoer();
  void removeZubehoer() { m_Zubehoer.clear(); }
  // Appends copies of all accessories of other (nothing for null).
  void appendZubehoer(const hydArmatur* other);

  // --- own curve (not persisted, not copied by operator=) ---
  void setKurve(const CKurve& curve) { m_Kurve = curve; }

  // --- message headlines naming this variant ---
  std::string getHinweisText() const;
  std::string getFehlerText() const;

 private:
  int m_groupType = 0;
  int m_armType = 0;
  int m_recordIndex = 0;
  std::string m_ausfDetails;
  std::vector<hydArmAnschluss> m_Anschluesse;
  std::string m_ArtikelNr;
  std::string m_DATANORMNr;
  std::string m_StLBNr;
  std::string m_EANNr;
  int m_Dimension = 0;
  double m_MaxTemperatur = kKeineTemperatur;
  double m_MaxBetriebsdruck = 0.0;
  double m_MaxDiffdruck = 0.0;
  double m_Kvs = 0.0;
  std::string m_dnText = "DN";
  double m_Schliessdruck_hPa = 0.0;
  double m_Zeta = 0.0;
  CKurve m_Kurve;
  std::vector<hydArmaturZubehoer> m_Zubehoer;
};

}  // namespace armakon::hydVDIArmaturen
