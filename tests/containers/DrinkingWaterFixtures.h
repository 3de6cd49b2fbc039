#pragma once
// Container entries for the drinking-water sizing tests and the sample models: valve models of
// the sheet 17 kinds with made-up curves.

#include <string>
#include <utility>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/model/CEinstellungKurve.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"

namespace armakon::watertest {

using namespace hydVDIArmaturen;

// A drinking-water container of its own (the library's one is a singleton).
class TestContainer : public TwArmaturContainer {
 public:
  TestContainer() = default;
};

// An entry of the kind for valve type armType, in the global list unless global is false.
inline ArmaturenModell newEntry(enArmaturenTyp kind, int armType, const std::string& model, bool global = true,
                                int rlDatum = 201601) {
  ArmaturenModell entry;
  entry.setGlobal(global ? 1 : 0);
  entry.setTyp(kind);
  hydArmaturenModell& m = entry.getModell();
  m.setManufacturerModel("Quellwerk Sanitär", model);
  m.setHydArmType(armType);
  m.setRLDatum(rlDatum);
  return entry;
}

template <class Variant>
Variant* addVariant(ArmaturenModell& entry, int armType, int dn) {
  auto* variant = dynamic_cast<Variant*>(entry.getModell().Add(armType));
  variant->setArmType(armType);
  variant->setDimension(dn);
  variant->setArtikelNr(entry.getModell().getModelType() + "-" + std::to_string(dn));
  return variant;
}

// Automatic throttle (1703): one setting curve per regulator temperature (highest first); the
// kv falls with the water temperature from 1.25 x scale 20 K below the regulator temperature
// to 0.1 x scale at it.
inline hydArmaturThermoDross* addThermoDrossel(ArmaturenModell& entry, int dn, float scale,
                                               const std::vector<double>& temperatures) {
  auto* valve = addVariant<hydArmaturThermoDross>(entry, ARMTYP_DROSSEL_AUTOMATISCH, dn);
  for (double t : temperatures) {
    CEinstellungKurve curve;
    curve.setTemperatur(t);
    curve.setEinheitx("°C");
    curve.setEinheity("m³/h");
    const float top = static_cast<float>(t);
    curve.addCurveNode(top - 20.0f, "", 1.25f * scale);
    curve.addCurveNode(top - 10.0f, "", 1.0f * scale);
    curve.addCurveNode(top - 5.0f, "", 0.6f * scale);
    curve.addCurveNode(top, "", 0.1f * scale);
    valve->addKurve(curve);
  }
  valve->setKvs(1.25 * scale);
  return valve;
}

// Water meter (1709) with nominal flow Qn and usable range Qmin .. Qmax (m³/h).
inline hydArmaturZaehler* addZaehler(ArmaturenModell& entry, int dn, double qn, double qmin, double qmax,
                                     hydArmaturZaehler::Einsatzbereich area = hydArmaturZaehler::Kaltwasser) {
  auto* meter = addVariant<hydArmaturZaehler>(entry, ARMTYP_ZAEHLER, dn);
  meter->setWert(0, qn);
  meter->setWert(2, qmin);
  meter->setWert(3, qmax);
  meter->setEinsatzbereich(area);
  return meter;
}

// Backflow preventer (1706) or pipe separator (1707); curve nodes (pressure difference, flow),
// largest flow first; the separator pressure is the fitting's second value.
inline hydArmaturSicherung* addSicherung(ArmaturenModell& entry, int armType, int dn,
                                         const std::vector<std::pair<float, float>>& nodes,
                                         float trennerDruck = 0.0f) {
  auto* fitting = addVariant<hydArmaturSicherung>(entry, armType, dn);
  CKurve curve;
  curve.setEinheitx("mbar");
  curve.setEinheity("m³/h");
  for (const auto& [dp, flow] : nodes) curve.addCurveNode(dp, "", flow);
  fitting->addKurve(curve);
  fitting->setWert(1, trennerDruck);
  return fitting;
}

// Pressure reducer (1708); outlet pressures (bar) of settings 1, 2, ..., highest first.
inline hydArmaturDruckminderer* addDruckminderer(ArmaturenModell& entry, int dn, const std::vector<float>& pressures) {
  auto* reducer = addVariant<hydArmaturDruckminderer>(entry, ARMTYP_DRUCKMINDERER, dn);
  CKurve curve;
  curve.setEinheitx("Stufe");
  curve.setEinheity("bar");
  const int count = static_cast<int>(pressures.size());
  for (int i = 0; i < count; ++i) {
    curve.addCurveNode(static_cast<float>(count - i), "", pressures[static_cast<std::size_t>(i)]);
  }
  reducer->addKurve(curve);
  return reducer;
}

// Appends the entry and returns the id the container gave it.
inline int add(TwArmaturContainer& container, ArmaturenModell entry) {
  container.append(entry);
  return entry.getId();
}

inline ARMATUR record(int modellId, int dimension, int einstellung = -1, int einstellung2 = -1) {
  ARMATUR r;
  r.modellId = modellId;
  r.dimension = dimension;
  r.einstellung = einstellung;
  r.einstellung2 = einstellung2;
  return r;
}

}  // namespace armakon::watertest
