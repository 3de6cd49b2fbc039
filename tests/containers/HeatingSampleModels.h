#pragma once
// The synthetic heating regulators saved as data/samples/models/sizing/heating/*.vam: one
// valve model per regulating kind that the heating sizing searches choose from. The numbers
// are made up, in the units of the import (flows m³/h, differential pressures mbar), with
// node 0 the most open setting (largest setpoint, flow or radiator share).

#include <functional>
#include <string>
#include <vector>

#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::heatingsamples {

using namespace hydVDIArmaturen;

inline void header(hydArmaturenModell& model, const std::string& name, int type, int idx) {
  model.setVersion(1);
  model.setManufacturer("ThermaNord Wärmetechnik");
  model.setModel(name);
  model.setFilename("TN_REGLER.VDI");
  model.setCatID("THERMANORD");
  model.setIdx(idx);
  model.setRLDatum(201103);
  model.setHydArmType(type);
}

inline hydArmatur* addVariant(hydArmaturenModell& model, int type, int dn, const std::string& article, double kvs,
                              int index) {
  hydArmatur* variant = model.Add(type);
  variant->setArmType(type);
  variant->setGroupType(type);
  variant->setRecordIndex(index);
  variant->setArtikelNr(article);
  variant->setDimension(dn);
  variant->setMaxTemperatur(110.0);
  variant->setMaxBetriebsdruck(10.0);
  variant->setMaxDiffdruck(1.5);
  variant->setKvs(kvs);
  variant->addAusfDetail("Rotguss");
  return variant;
}

// Setpoints 300 .. 50 mbar at settings 6 .. 1.
inline CKurve setpoints() {
  CKurve curve;
  curve.setEinheitx("Stufe");
  curve.setEinheity("mbar");
  for (int step = 6; step >= 1; --step) curve.addCurveNode(static_cast<float>(step), std::to_string(step), 50.0f * step);
  return curve;
}

// kv from kvs down to a fifth of it, the setpoint deviation from 30 down to 6 mbar.
inline CKurve deviations(double kvs) {
  CKurve curve;
  curve.setEinheitx("m³/h");
  curve.setEinheity("mbar");
  for (int k = 0; k < 5; ++k) curve.addCurveNode(static_cast<float>(kvs * (1.0 - 0.2 * k)), "", 30.0f - 6.0f * k);
  return curve;
}

// Set flows qMax * x / steps at settings steps .. 1.
inline CKurve flows(double qMax, int steps) {
  CKurve curve;
  curve.setEinheitx("Stufe");
  curve.setEinheity("m³/h");
  for (int step = steps; step >= 1; --step) {
    curve.addCurveNode(static_cast<float>(step), std::to_string(step), static_cast<float>(qMax * step / steps));
  }
  return curve;
}

// Differential-pressure regulator DPR, DN 15 .. 40.
inline void buildDifferenzdruckregler(hydArmaturenModell& model) {
  header(model, "Differenzdruckregler DPR", ARMTYP_DIFFERENZDRUCKREGLER, 1);
  const struct {
    int dn;
    double kvs;
  } sizes[] = {{15, 2.5}, {20, 4.0}, {25, 6.25}, {32, 10.0}, {40, 16.0}};
  int index = 1;
  for (const auto& s : sizes) {
    auto* v = static_cast<hydArmaturDDR*>(
        addVariant(model, ARMTYP_DIFFERENZDRUCKREGLER, s.dn, "TN-DPR-" + std::to_string(s.dn), s.kvs, index++));
    v->addKennlinieDp(setpoints());
    v->addKennlinieKvzuPAbw(deviations(s.kvs));
  }
}

// Differential-pressure regulator with flow regulator KDR, DN 15 .. 25, 8 flow settings.
inline void buildKombiregler(hydArmaturenModell& model) {
  header(model, "Kombiregler KDR", ARMTYP_DDR_MIT_DFR, 2);
  const struct {
    int dn;
    double kvs, qMax;
    float wirkdruck;
  } sizes[] = {{15, 2.0, 0.8, 150.0f}, {20, 3.25, 1.6, 175.0f}, {25, 5.0, 2.4, 200.0f}};
  int index = 1;
  for (const auto& s : sizes) {
    auto* v = static_cast<hydArmaturDDRDFR*>(
        addVariant(model, ARMTYP_DDR_MIT_DFR, s.dn, "TN-KDR-" + std::to_string(s.dn), s.kvs, index++));
    v->addKennlinieDp(setpoints());
    v->addKennlinieKvzuPAbw(deviations(s.kvs));
    v->getDFRAnteil().addKurve(flows(s.qMax, 8));
    v->setWirkdruck(s.wirkdruck);
  }
}

// Flow regulator DF-H, DN 15 .. 32, 10 settings.
inline void buildDurchflussreglerH(hydArmaturenModell& model) {
  header(model, "Durchflussregler DF-H", ARMTYP_DURCHFLUSSREGLER, 3);
  const struct {
    int dn;
    double qMax;
    float wirkdruck;
  } sizes[] = {{15, 0.6, 120.0f}, {20, 1.2, 150.0f}, {25, 2.0, 150.0f}, {32, 3.5, 200.0f}};
  int index = 1;
  for (const auto& s : sizes) {
    auto* v = static_cast<hydArmaturDFR*>(
        addVariant(model, ARMTYP_DURCHFLUSSREGLER, s.dn, "TN-DFH-" + std::to_string(s.dn), s.qMax, index++));
    v->addKurve(flows(s.qMax, 10));
    v->setWirkdruck(s.wirkdruck);
  }
}

// Flow regulator DF-N for small flows at a low working pressure, DN 15 and 20, 4 settings.
inline void buildDurchflussreglerN(hydArmaturenModell& model) {
  header(model, "Durchflussregler DF-N", ARMTYP_DURCHFLUSSREGLER, 4);
  int index = 1;
  for (int dn : {15, 20}) {
    const double qMax = dn == 15 ? 0.4 : 0.8;
    auto* v = static_cast<hydArmaturDFR*>(
        addVariant(model, ARMTYP_DURCHFLUSSREGLER, dn, "TN-DFN-" + std::to_string(dn), qMax, index++));
    v->addKurve(flows(qMax, 4));
    v->setWirkdruck(80.0f);
  }
}

// Thermostatic valve body with flow limitation TVD, DN 10 .. 20, 7 settings: y2 the largest
// differential pressure, y3 the Wirkdruck, y4 the limited flow.
inline void buildThermostatventilDfr(hydArmaturenModell& model) {
  header(model, "Thermostatventil TVD", ARMTYP_THERMOSTATVENTIL_DFR, 5);
  int index = 1;
  for (int dn : {10, 15, 20}) {
    const double qMax = 0.175 * (dn - 5) / 5.0;
    auto* v = static_cast<hydArmaturTHKVDFR*>(
        addVariant(model, ARMTYP_THERMOSTATVENTIL_DFR, dn, "TN-TVD-" + std::to_string(dn), 2.0 * qMax, index++));
    CKurve14 curve;
    curve.setEinheitx("Stufe");
    curve.setEinheity1("m³/h");
    curve.setEinheity2("mbar");
    curve.setEinheity3("mbar");
    curve.setEinheity4("m³/h");
    for (int step = 7; step >= 1; --step) {
      curve.addCurveNode(curveNode14(static_cast<float>(step), std::to_string(step), 0.125f * step, 1000.0f,
                                     60.0f + 10.0f * step, static_cast<float>(qMax * step / 7)));
    }
    v->addKurve(curve);
    v->setXp(2.0);
  }
}

// One-pipe connection fitting ERA with thermostatic insert, DN 15 and 20, 6 settings: the
// bypass kv (y1) rises and the radiator-branch kv (y2) falls from setting 1 to 6.
inline void buildEinrohrArmatur(hydArmaturenModell& model) {
  header(model, "Einrohr-Anschlussarmatur ERA", ARMTYP_EINROHR_ANSCHLUSS, 6);
  int index = 1;
  for (int dn : {15, 20}) {
    const float f = dn == 15 ? 1.0f : 1.5f;
    auto* v = static_cast<hydArmaturEAV*>(
        addVariant(model, ARMTYP_EINROHR_ANSCHLUSS, dn, "TN-ERA-" + std::to_string(dn), 3.0 * f, index++));
    CKurve14 curve;
    curve.setEinheitx("Stufe");
    curve.setEinheity1("m³/h");
    curve.setEinheity2("m³/h");
    curve.setEinheity3("mbar");
    curve.setEinheity4("");
    for (int k = 0; k < 6; ++k) {
      curve.addCurveNode(curveNode14(static_cast<float>(k + 1), std::to_string(k + 1), (0.5f + 0.5f * k) * f,
                                     (2.5f - 0.375f * k) * f, 150.0f - 10.0f * k, 0.0f));
    }
    v->addKurve14(curve);
    v->setXp(2.0);
  }
}

struct Sample {
  const char* file;
  int kind;  // enArmaturenTyp of the container entry
  std::function<void(hydArmaturenModell&)> build;
};

inline const std::vector<Sample>& samples() {
  static const std::vector<Sample> list = {
      {"differenzdruckregler_dpr.vam", 4450, buildDifferenzdruckregler},
      {"kombiregler_kdr.vam", 4454, buildKombiregler},
      {"durchflussregler_dfh.vam", 4452, buildDurchflussreglerH},
      {"durchflussregler_dfn.vam", 4452, buildDurchflussreglerN},
      {"thermostatventil_tvd.vam", 4446, buildThermostatventilDfr},
      {"einrohrarmatur_era.vam", 4457, buildEinrohrArmatur},
  };
  return list;
}

}  // namespace armakon::heatingsamples
