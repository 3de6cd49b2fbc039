#pragma once
// hydArmaturThermoDross: automatic (thermostatic) throttle, e.g. a circulation balancing valve
// (type 1703).
//
// Besides the throttle data it owns one setting curve per regulator temperature, highest
// temperature first. Each curve gives the kv over the water temperature (x in °C ascending,
// y kv); the valve's temperature -> kv function at a regulator temperature is that of the
// matching curve, or interpolated between the two neighbouring curves. Tree node
// "ThermoDross": the throttle part, then one child "CK" per setting curve.
//
// The sizing searches ask a throttle for functions and temperatures many times per call, so
// the tables derived from each setting curve are built once, on first use, and kept until
// the curves or the kv at disinfection (which caps the functions) change. Building them is
// guarded by a lock, so concurrent read-only queries on one throttle stay safe.

#include <memory>
#include <mutex>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/model/CEinstellungKurve.h"
#include "armakon/model/hydArmaturDross.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturThermoDross : public hydArmaturDross {
  ARMAKON_RUNTIME_CLASS(hydArmaturThermoDross, hydArmaturDross)

 public:
  hydArmaturThermoDross() = default;
  hydArmaturThermoDross(const hydArmaturThermoDross& other);
  hydArmaturThermoDross& operator=(const hydArmaturThermoDross& other);
  ~hydArmaturThermoDross() override = default;

  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // The function of the first setting curve at that curve's temperature; -1.0 without curve
  // or function.
  double getKvmin() const override;
  // getKvMaxByTemperatur(0.0).
  double getKvmax() const override;
  // Empties the throttle part and deletes the setting curves.
  void removeData() override;
  void assignTyped(const hydArmatur& source) override;

  using hydArmaturDross::addKurve;
  using hydArmaturDross::getKurve;
  // Appends an owned copy of the setting curve.
  virtual void addKurve(const CEinstellungKurve& curve);
  // Display form: with exactly one setting curve the arrays receive x, x2 and y of its nodes
  // and temperature its temperature; with several the arrays are emptied; without any nothing
  // changes.
  virtual void getKurve(float& temperature, std::vector<float>& x, std::vector<float>& x2,
                        std::vector<float>& y) const;
  // Display form with two tables: with at least two setting curves, (x, x2) and (y, x2) of the
  // three-array form are added to the tables (which that form leaves empty for several curves).
  virtual void getKurve(float& temperature, CHydrixInterpolation& xTable, CHydrixInterpolation& yTable) const;

  int getCount() const;
  // The setting curve at index; an index outside the curves throws std::invalid_argument.
  const CEinstellungKurve& getKurveAt(int index) const;

  // The function of the first setting curve at T (no extension); -1.0 without curve or value.
  double getKvMaxByTemperatur(double T) const;
  // Temperature of the first / last setting curve; -1.0 without curves.
  double getReglerTempMax() const;
  double getReglerTempMin() const;
  // True when a setting curve has a kv at thermal disinfection.
  bool hasDesinfektion() const;

  // The temperature -> kv function at regulator temperature T (see the class comment); with
  // interpolate false only a curve of exactly that temperature answers.
  bool getFunktion(CHydrixInterpolation& out, double T, bool interpolate) const;
  // What the sizing searches read of that function: getFunktion(table, T, true) and then
  // kv = table.GetY(waterT, true), mostly without building the table; false where getFunktion
  // is false.
  bool getFunktionKv(double T, double waterT, double& kv) const;
  // The regulator temperature at which the valve has kv at water temperature T, and the two
  // neighbouring setting curves; outputs -1 and false when there is none.
  bool findEinstelltemperatur(double kv, double T, double& temperature, int& index1, int& index2,
                              bool strict) const;

 private:
  // Points of a function mixed from two curves before they are weighted: the colder and the
  // warmer temperature at each kv.
  struct MixPoints {
    std::vector<double> colder;
    std::vector<double> warmer;
    std::vector<double> kv;
  };
  // What the queries derive from one setting curve.
  struct CurveTables {
    CHydrixInterpolation function;  // getFunktion with the disinfection section
    bool functionOk = false;
    CHydrixInterpolation plain;  // getFunktion without it
    bool plainOk = false;
    CHydrixInterpolation plainInverse;     // (kv, temperature) of plain's falling stretches
    CHydrixInterpolation temperaturByKv;  // CEinstellungKurve::getTemperaturByKvTable
    // The two runs of the function mixed with the next colder curve (see getFunktion): from
    // the colder curve's plainInverse, then from this one's.
    MixPoints mixedWithColder[2];
  };
  // The tables of every curve, in curve order; valid until the curves or the kv at
  // disinfection change.
  const std::vector<CurveTables>& curveTables() const;
  void dropCurveTables();
  // getKvMaxByTemperatur from the tables as they stand.
  double kvOfFirstCurveAt(const std::vector<CurveTables>& tables, double T) const;
  // Where the function at regulator temperature T comes from: the curve of that temperature,
  // or (interpolating) the pair of curves around it, warmer first.
  struct FunktionSource {
    enum { Outside, Curve, Pair, None } kind = Outside;
    std::size_t index = 0;
    // Pair: the mixing weight, where T lies between the two regulator temperatures, and the
    // first node of the mixed function (the lower temperature, the higher kv of the two).
    double weight = 0.0;
    double firstT = 0.0;
    double firstKv = 0.0;
  };
  FunktionSource findFunktionSource(const std::vector<CurveTables>& tables, double T, bool interpolate) const;

  std::vector<std::unique_ptr<CEinstellungKurve>> m_Kurven;
  mutable std::mutex m_tablesLock;
  mutable std::vector<CurveTables> m_tables;
  mutable double m_kvMin = -1.0;  // getKvmin and getKvmax, kept with the tables
  mutable double m_kvMax = -1.0;
  mutable bool m_tablesBuilt = false;
  mutable float m_tablesCap = 0.0f;  // the kv at disinfection the tables were built with
};

}  // namespace armakon::hydVDIArmaturen
