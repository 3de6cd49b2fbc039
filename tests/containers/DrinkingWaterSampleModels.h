#pragma once
// The synthetic drinking-water valves saved as data/samples/models/sizing/water/*.vam: valve
// models of every kind the drinking-water sizing chooses from. The numbers are made up, in the
// units of the import (kv and meter flows m³/h, safety-fitting curves mbar over m³/h, outlet
// pressures bar, temperatures °C), with node 0 the most open setting.

#include <functional>
#include <string>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/model/CEinstellungKurve.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::watersamples {

using namespace hydVDIArmaturen;

inline void header(hydArmaturenModell& model, const std::string& name, int type, int idx, int rlDatum = 201601) {
  model.setVersion(1);
  model.setManufacturer("Aqualis Armaturen GmbH");
  model.setModel(name);
  model.setFilename("AQ_TRINKWASSER.VDI");
  model.setCatID("AQUALIS");
  model.setIdx(idx);
  model.setRLDatum(rlDatum);
  model.setHydArmType(type);
}

template <class Variant>
Variant* addVariant(hydArmaturenModell& model, int type, int dn, const std::string& article, double kvs, int index) {
  auto* variant = static_cast<Variant*>(model.Add(type));
  variant->setArmType(type);
  variant->setGroupType(type);
  variant->setRecordIndex(index);
  variant->setArtikelNr(article);
  variant->setDimension(dn);
  variant->setMaxTemperatur(90.0);
  variant->setMaxBetriebsdruck(10.0);
  variant->setKvs(kvs);
  variant->addAusfDetail("Rotguss");
  return variant;
}

// Circulation balancing valve ZR (1703), DN 15 and 20, regulator temperatures 60, 55, 50 °C:
// at each the kv falls from kvs 20 K below it to a tenth of kvs at it.
inline void buildZirkulationsregler(hydArmaturenModell& model) {
  header(model, "Zirkulationsregler ZR", ARMTYP_DROSSEL_AUTOMATISCH, 1);
  int index = 1;
  for (int dn : {15, 20}) {
    const float kvs = dn == 15 ? 1.25f : 2.5f;
    auto* v = addVariant<hydArmaturThermoDross>(model, ARMTYP_DROSSEL_AUTOMATISCH, dn, "AQ-ZR-" + std::to_string(dn),
                                                kvs, index++);
    v->setEinheitEinst("°C");
    for (double t : {60.0, 55.0, 50.0}) {
      CEinstellungKurve curve;
      curve.setTemperatur(t);
      curve.setEinstellung(t);
      curve.setText(formatC("%g °C", t));
      curve.setEinheitx("°C");
      curve.setEinheity("m³/h");
      const float top = static_cast<float>(t);
      curve.addCurveNode(top - 20.0f, "", kvs);
      curve.addCurveNode(top - 10.0f, "", 0.8f * kvs);
      curve.addCurveNode(top - 5.0f, "", 0.5f * kvs);
      curve.addCurveNode(top, "", 0.1f * kvs);
      v->addKurve(curve);
    }
  }
}

// Manual balancing throttle SD (1702), DN 15 and 20, presettings 6 .. 1.
inline void buildStrangdrossel(hydArmaturenModell& model) {
  header(model, "Strangdrossel SD", ARMTYP_DROSSEL_MANUELL, 2);
  int index = 1;
  for (int dn : {15, 20}) {
    const float kvs = dn == 15 ? 1.6f : 2.5f;
    auto* v = addVariant<hydArmaturDross>(model, ARMTYP_DROSSEL_MANUELL, dn, "AQ-SD-" + std::to_string(dn), kvs, index++);
    v->setEinheitEinst("Stufe");
    CKurve curve;
    curve.setEinheitx("Stufe");
    curve.setEinheity("m³/h");
    for (int step = 6; step >= 1; --step) curve.addCurveNode(static_cast<float>(step), std::to_string(step), kvs * step / 6.0f);
    v->addKurve(curve);
  }
}

// Water meter (1709): Qn, usable range Qn/80 .. 1.25 Qn, area of use.
inline void addMeter(hydArmaturenModell& model, int dn, double qn, int area, const std::string& article, int index) {
  auto* v = addVariant<hydArmaturZaehler>(model, ARMTYP_ZAEHLER, dn, article, 2.0 * qn, index);
  v->setWert(0, qn);
  v->setWert(1, 0.6);  // pressure drop at Qn, bar
  v->setWert(2, qn / 80.0);
  v->setWert(3, 1.25 * qn);
  v->setWert(4, qn / 50.0);
  v->setEinsatzbereich(area);
  v->setEinbaulage(7);
  v->setGerätetyp(1);
  v->setGehäuseart(1);
  v->setText(0, "Mehrstrahl-Flügelradzähler");
}

// Meters WZ after the 2016 guideline (for either area of use), DN 15 .. 25.
inline void buildWasserzaehler(hydArmaturenModell& model) {
  header(model, "Wasserzähler WZ", ARMTYP_ZAEHLER, 3);
  addMeter(model, 15, 2.5, hydArmaturZaehler::Kaltwasser, "AQ-WZ-15", 1);
  addMeter(model, 20, 4.0, hydArmaturZaehler::Kaltwasser, "AQ-WZ-20", 2);
  addMeter(model, 25, 6.3, hydArmaturZaehler::Kaltwasser, "AQ-WZ-25", 3);
}

// Hot-water meters WZ-W after the 2011 guideline: chosen only for hot water.
inline void buildWarmwasserzaehler(hydArmaturenModell& model) {
  header(model, "Warmwasserzähler WZ-W", ARMTYP_ZAEHLER, 4, 201103);
  addMeter(model, 15, 1.6, hydArmaturZaehler::Warmwasser, "AQ-WZW-15", 1);
  addMeter(model, 20, 2.5, hydArmaturZaehler::Warmwasser, "AQ-WZW-20", 2);
}

// Safety fitting (1706, 1707): curve from (dp100, q100) down to the opening pressure at no flow.
inline void addSafetyFitting(hydArmaturenModell& model, int type, int dn, float q100, float dpOpen, float trenner,
                             const std::string& article, int index) {
  auto* v = addVariant<hydArmaturSicherung>(model, type, dn, article, q100 / 0.7, index);
  CKurve curve;
  curve.setEinheitx("mbar");
  curve.setEinheity("m³/h");
  curve.addCurveNode(1000.0f, "", q100);
  curve.addCurveNode(500.0f, "", 0.7f * q100);
  curve.addCurveNode(200.0f, "", 0.4f * q100);
  curve.addCurveNode(dpOpen, "", 0.0f);
  v->addKurve(curve);
  v->setWert(0, dpOpen);
  v->setWert(1, trenner);
}

// Backflow preventer RV, DN 15 .. 25, opening at 20 mbar.
inline void buildRueckflussverhinderer(hydArmaturenModell& model) {
  header(model, "Rückflussverhinderer RV", ARMTYP_RUECKFLUSSVERHINDERER, 5);
  int index = 1;
  for (int dn : {15, 20, 25}) {
    addSafetyFitting(model, ARMTYP_RUECKFLUSSVERHINDERER, dn, 0.016f * dn * dn, 20.0f, 0.0f,
                     "AQ-RV-" + std::to_string(dn), index++);
  }
}

// Pipe separators: RT separates at 0.125 bar, the compact RT-K loses less but separates only
// at 0.375 bar.
inline void buildRohrtrenner(hydArmaturenModell& model) {
  header(model, "Rohrtrenner RT", ARMTYP_ROHRTRENNER, 6);
  int index = 1;
  for (int dn : {20, 25}) {
    addSafetyFitting(model, ARMTYP_ROHRTRENNER, dn, 0.008f * dn * dn, 140.0f, 0.125f, "AQ-RT-" + std::to_string(dn),
                     index++);
  }
}

inline void buildRohrtrennerKompakt(hydArmaturenModell& model) {
  header(model, "Rohrtrenner RT-K", ARMTYP_ROHRTRENNER, 7);
  int index = 1;
  for (int dn : {20, 25}) {
    addSafetyFitting(model, ARMTYP_ROHRTRENNER, dn, 0.012f * dn * dn, 140.0f, 0.375f, "AQ-RTK-" + std::to_string(dn),
                     index++);
  }
}

// Pressure reducer: outlet pressures from high to low in 0.5 bar steps, settings n .. 1.
inline void addReducer(hydArmaturenModell& model, int dn, float high, float low, const std::string& article, int index) {
  auto* v = addVariant<hydArmaturDruckminderer>(model, ARMTYP_DRUCKMINDERER, dn, article, 0.1 * dn, index);
  v->setEinheitEinst("Stufe");
  CKurve curve;
  curve.setEinheitx("Stufe");
  curve.setEinheity("bar");
  const int steps = static_cast<int>((high - low) / 0.5f + 0.5f) + 1;
  for (int k = 0; k < steps; ++k) curve.addCurveNode(static_cast<float>(steps - k), std::to_string(steps - k), high - 0.5f * k);
  v->addKurve(curve);
}

// Pressure reducer DM for 1.5 .. 4 bar, DN 20 .. 32.
inline void buildDruckminderer(hydArmaturenModell& model) {
  header(model, "Druckminderer DM", ARMTYP_DRUCKMINDERER, 8);
  int index = 1;
  for (int dn : {20, 25, 32}) addReducer(model, dn, 4.0f, 1.5f, "AQ-DM-" + std::to_string(dn), index++);
}

// Pressure reducer DM-H for 4.5 .. 8 bar, DN 20 and 25.
inline void buildDruckmindererHoch(hydArmaturenModell& model) {
  header(model, "Druckminderer DM-H", ARMTYP_DRUCKMINDERER, 9);
  int index = 1;
  for (int dn : {20, 25}) addReducer(model, dn, 8.0f, 4.5f, "AQ-DMH-" + std::to_string(dn), index++);
}

// Wash-basin mixer WA (1704), DN 15 and 20: minimum flow pressure 1 bar, flows in l/s.
inline void buildWaschtischarmatur(hydArmaturenModell& model) {
  header(model, "Waschtischarmatur WA", ARMTYP_ENTNAHME, 10);
  int index = 1;
  for (int dn : {15, 20}) {
    auto* v = addVariant<hydArmaturEA>(model, ARMTYP_ENTNAHME, dn, "AQ-WA-" + std::to_string(dn), dn == 15 ? 0.9 : 1.4,
                                       index++);
    v->setWert(0, 1.0f);
    v->setWert(1, dn == 15 ? 0.07f : 0.15f);
    v->setWert(2, dn == 15 ? 0.07f : 0.15f);
  }
}

struct Sample {
  const char* file;
  int kind;  // enArmaturenTyp of the container entry
  std::function<void(hydArmaturenModell&)> build;
};

inline const std::vector<Sample>& samples() {
  static const std::vector<Sample> all = {
      {"zirkulationsregler_zr.vam", 5558, buildZirkulationsregler},
      {"strangdrossel_sd.vam", 5557, buildStrangdrossel},
      {"wasserzaehler_wz.vam", 5564, buildWasserzaehler},
      {"warmwasserzaehler_wzw.vam", 5564, buildWarmwasserzaehler},
      {"rueckflussverhinderer_rv.vam", 5559, buildRueckflussverhinderer},
      {"rohrtrenner_rt.vam", 5562, buildRohrtrenner},
      {"rohrtrenner_rtk.vam", 5562, buildRohrtrennerKompakt},
      {"druckminderer_dm.vam", 5563, buildDruckminderer},
      {"druckminderer_dmh.vam", 5563, buildDruckmindererHoch},
      {"waschtischarmatur_wa.vam", 5560, buildWaschtischarmatur},
  };
  return all;
}

}  // namespace armakon::watersamples
