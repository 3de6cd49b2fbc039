// Typed valve variants: the queries the sizing searches ask, removeData, copying, the class
// records and the type table.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/ObjectFactory.h"
#include "armakon/model/ValveClassTable.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "armakon/model/hydArmaturenModell.h"

namespace {

using armakon::CHydrixInterpolation;
using namespace armakon::hydVDIArmaturen;

CKurve curveOf(const std::vector<float>& xs, const std::vector<float>& ys) {
  CKurve curve;
  for (std::size_t i = 0; i < xs.size(); ++i) curve.addCurveNode(xs[i], "", ys[i]);
  return curve;
}

// --- differential-pressure regulator ------------------------------------------------------

// Setpoints 300, 200, 100 mbar at settings 1..3; deviation 20, 10, 5 at kv 4, 2, 1.
hydArmaturDDR regulator() {
  hydArmaturDDR ddr;
  ddr.addKennlinieDp(curveOf({1, 2, 3}, {300, 200, 100}));
  ddr.addKennlinieKvzuPAbw(curveOf({4, 2, 1}, {20, 10, 5}));
  return ddr;
}

TEST(TypedDDR, RangesAndSetpointForKvAndPressure) {
  const hydArmaturDDR empty;
  EXPECT_EQ(empty.getKvmin(), -1.0);
  EXPECT_EQ(empty.getKvmax(), -1.0);
  EXPECT_EQ(empty.getDpSollMin(), -1.0);
  double dpSet = -5;
  EXPECT_FALSE(empty.getKvzudeltaP(2, 150, dpSet));
  EXPECT_EQ(dpSet, -5);

  const hydArmaturDDR ddr = regulator();
  EXPECT_EQ(ddr.getKvmin(), 1.0);
  EXPECT_EQ(ddr.getKvmax(), 4.0);
  EXPECT_EQ(ddr.getDpSollMin(), 100.0);
  EXPECT_EQ(ddr.getDpSollMax(), 300.0);
  EXPECT_EQ(&ddr.getKurve(), &ddr.getKennlinieDp());

  struct Case {
    double kv, dp;
    bool inRange;
    double dpSet;
  };
  // dpSet = deviation(kv) + dp + deviation(kv): at kv 3 the deviation is 15 on both counts.
  for (const Case c : {Case{2, 150, true, 170}, Case{3, 150, true, 180}, Case{1, 90, true, 100},
                       Case{2, 400, false, 420}}) {
    EXPECT_TRUE(ddr.getKvzudeltaP(c.kv, c.dp, dpSet) == c.inRange) << c.kv << " " << c.dp;
    EXPECT_NEAR(dpSet, c.dpSet, 1e-4) << c.kv << " " << c.dp;
  }

  CKurve out = curveOf({9}, {9});
  out.setEinheitx("alt");
  ddr.getKvzuDpKurveAt(100, out);
  ASSERT_EQ(out.getCount(), 3);
  EXPECT_EQ(out.getEinheitx(), "");
  EXPECT_EQ(out.getAt(1).x, 110.0f);
  EXPECT_EQ(out.getAt(1).y, 2.0f);
}

// --- flow regulators and four-value curves ----------------------------------------------------

TEST(TypedFlow, DfrThkvdfrAndEavQueries) {
  hydArmaturDFR dfr;
  EXPECT_EQ(dfr.getFlowRateMax(), 0.0f);
  dfr.addKurve(curveOf({3, 2, 1}, {400, 250, 100}));
  EXPECT_EQ(dfr.getFlowRateMax(), 400.0f);
  EXPECT_EQ(dfr.getFlowRateMin(), 100.0f);
  EXPECT_EQ(dfr.getFlowRateAt(1), 250.0f);
  EXPECT_EQ(dfr.getFlowRateAt(3), 0.0f);
  EXPECT_EQ(dfr.getFlowRateAt(-1), 0.0f);
  dfr.setEinheitEinst("Stufe");
  EXPECT_EQ(dfr.getKurve().getEinheitx(), "Stufe");

  hydArmaturDDRDFR combined;
  combined.setWirkdruck(120.0f);
  EXPECT_EQ(combined.getDFRAnteil().getWirkdruck(), 120.0f);

  hydArmaturTHKVDFR thkvdfr;
  CKurve14 four;
  four.addCurveNode(curveNode14(6, "6", 0.1f, 600, 100, 300));
  four.addCurveNode(curveNode14(1, "1", 0.2f, 500, 80, 50));
  thkvdfr.addKurve(four);
  EXPECT_EQ(thkvdfr.getWirkdruck(1), 80.0f);
  EXPECT_EQ(thkvdfr.getDpMaxAt(0), 600.0f);
  EXPECT_EQ(thkvdfr.getVmaxAt(1), 50.0f);
  EXPECT_EQ(thkvdfr.getVmaxAt(2), 0.0f);
  EXPECT_EQ(thkvdfr.getFlowRateMax(), 300.0f);
  EXPECT_EQ(thkvdfr.getFlowRateMin(), 50.0f);
  EXPECT_EQ(thkvdfr.getKvmin(), -1.0);  // no kv range of its own

  hydArmaturEAV eav;
  EXPECT_FALSE(eav.hasTHKV());
  EXPECT_EQ(eav.getXp(), -1.0);
  eav.setXp(0.0);
  EXPECT_TRUE(eav.hasTHKV());
  EXPECT_EQ(eav.getKvmin(), -1.0);
  CKurve14 paths;
  paths.addCurveNode(curveNode14(0, "0", 2.0f, 0.3f, 0, 0));
  paths.addCurveNode(curveNode14(5, "5", 1.0f, 0.9f, 0, 0));
  eav.addKurve14(paths);
  EXPECT_FLOAT_EQ(static_cast<float>(eav.getKvmin()), 0.3f);
  EXPECT_FLOAT_EQ(static_cast<float>(eav.getKvmax()), 0.9f);
}

TEST(TypedThrottle, KvRangeOfThkvAndDross) {
  hydArmaturTHKV thkv;
  EXPECT_EQ(thkv.getKvmax(), -1.0);
  thkv.setXp(2.0);
  thkv.addKvKurve(curveOf({6, 1}, {0.9f, 0.1f}));
  EXPECT_EQ(thkv.getXp(), 2.0);  // taking over a curve keeps the Xp
  EXPECT_FLOAT_EQ(static_cast<float>(thkv.getKvmax()), 0.9f);
  EXPECT_FLOAT_EQ(static_cast<float>(thkv.getKvmin()), 0.1f);

  hydArmaturDross dross;
  dross.addKurve(curveOf({1, 2, 3}, {0.2f, 0.8f, 0.5f}));  // only the ends count
  EXPECT_FLOAT_EQ(static_cast<float>(dross.getKvmin()), 0.2f);
  EXPECT_FLOAT_EQ(static_cast<float>(dross.getKvmax()), 0.5f);
}

// --- drinking-water fittings ---------------------------------------------------------------

TEST(TypedDrinkingWater, DrawOffFittingPressureFlowAndKv) {
  hydArmaturEA ea;
  EXPECT_EQ(ea.getKv(1000), 0.0);
  EXPECT_EQ(ea.getDp(1000), 0.0);
  EXPECT_EQ(ea.getByte(1), 1);
  // x pressure difference in mbar, y flow in l/h, largest flow first.
  ea.addKurve(curveOf({2000, 1000, 500}, {1414, 1000, 707}));
  EXPECT_DOUBLE_EQ(ea.getKv(1000), 1.0);
  EXPECT_EQ(ea.getDp(1414.000001), 2000.0);  // at the first node by the exact-match rule
  EXPECT_NEAR(ea.getQ(1500), 1207.0, 1e-9);
  EXPECT_EQ(ea.getQmax(), 1414.0);
  EXPECT_EQ(ea.getQmin(), 707.0);
  EXPECT_EQ(ea.getDp(5000), CHydrixInterpolation::kNoValue);
  EXPECT_THROW(ea.getWert(7), std::invalid_argument);
  EXPECT_THROW(ea.setByte(-1, 0), std::invalid_argument);
}

TEST(TypedDrinkingWater, SafetyFittingCurveAndOpeningPressure) {
  hydArmaturSicherung safety;
  EXPECT_EQ(safety.getDp(10), 0.0);
  EXPECT_EQ(safety.getOefnDp(), 0.0);

  safety.addKurve(curveOf({100}, {50}));
  EXPECT_DOUBLE_EQ(safety.getDp(25), 50.0);  // through the origin
  EXPECT_DOUBLE_EQ(safety.getQ(50), 25.0);
  safety.addKurve(curveOf({120}, {0}));
  EXPECT_EQ(safety.getDp(25), 120.0);

  safety.addKurve(curveOf({1000, 400, 150}, {3000, 1000, 0}));
  EXPECT_EQ(safety.getOefnDp(), 150.0);
  EXPECT_NEAR(safety.getDp(2000), 700.0, 1e-9);
  EXPECT_NEAR(safety.getQ(700), 2000.0, 1e-9);
  EXPECT_EQ(safety.getQmax(), 3000.0);
  EXPECT_EQ(safety.getQmin(), 0.0);
  safety.addKurve(curveOf({1000, 150}, {3000, 0.001f}));
  EXPECT_EQ(safety.getOefnDp(), 0.0);

  safety.setWert(1, 0.25f);
  EXPECT_EQ(safety.getTrennerDruck(), 0.25f);
}

TEST(TypedDrinkingWater, PressureReducerSettings) {
  hydArmaturDruckminderer reducer;
  EXPECT_EQ(reducer.getDpOutMin(), -1.0);
  reducer.addKurve(curveOf({1, 2, 3}, {6, 5, 4}));
  EXPECT_EQ(reducer.getdP_bar(0), 0.0);
  EXPECT_EQ(reducer.getdP_bar(1), 5.0);
  EXPECT_EQ(reducer.getdP_bar(2), 4.0);
  EXPECT_EQ(reducer.getdP_bar(3), 0.0);
  EXPECT_EQ(reducer.getDpOutMax(), 6.0);
  EXPECT_EQ(reducer.getDpOutMin(), 4.0);
  EXPECT_EQ(reducer.getKurve().getCount(), 3);
}

TEST(TypedDrinkingWater, MeterTexts) {
  struct Case {
    int code;
    std::string einbaulage, geraetetyp, gehaeuseart, einsatzbereich;
  };
  const std::vector<Case> cases = {
      {1, "beliebig", "Komplett", "frei verlegt", "Kaltwasser"},
      {2, "waagerecht", "Split", "Wandeinbau (unter Putz)", "Warmwasser"},
      {3, "senkrecht", "", "", ""},
      {6, "schräg", "", "", ""},
      {7, "waagerecht oder senkrecht", "", "", ""},
      {999, "sonstige", "Sonstige", "", ""},
      {0, "", "", "", ""},
  };
  for (const Case& c : cases) {
    hydArmaturZaehler meter;
    meter.setEinbaulage(c.code);
    meter.setGerätetyp(c.code);
    meter.setGehäuseart(c.code);
    meter.setEinsatzbereich(c.code);
    EXPECT_EQ(meter.getEinbaulageText(), c.einbaulage) << c.code;
    EXPECT_EQ(meter.getGerätetypText(), c.geraetetyp) << c.code;
    EXPECT_EQ(meter.getGehäuseartText(), c.gehaeuseart) << c.code;
    EXPECT_EQ(meter.getEinsatzbereichText(), c.einsatzbereich) << c.code;
  }
  hydArmaturZaehler meter;
  meter.setWert(0, 2.5);
  meter.setWert(2, 0.05);
  meter.setWert(3, 5.0);
  EXPECT_EQ(meter.getQn(), 2.5);
  EXPECT_EQ(meter.getQmin(), 0.05);
  EXPECT_EQ(meter.getQmax(), 5.0);
  EXPECT_THROW(meter.getText(3), std::invalid_argument);
}

// --- removeData --------------------------------------------------------------------------

TEST(TypedRemoveData, EmptiesWithTheClassExceptions) {
  hydArmaturEA ea;
  ea.setByte(1, 7);
  ea.setByte(0, 7);
  ea.setWert(6, 1.5f);
  ea.setEinheitEinst("bar");
  ea.addKurve(curveOf({1}, {1}));
  ea.removeData();
  EXPECT_EQ(ea.getByte(0), 0);
  EXPECT_EQ(ea.getByte(1), 1);
  EXPECT_EQ(ea.getWert(6), 0.0f);
  EXPECT_EQ(ea.getEinheitEinst(), "");
  EXPECT_TRUE(ea.getKurve().bIsEmpty());

  hydArmaturZaehler meter;
  EXPECT_EQ(meter.getGehäuseart(), 1);  // constructed through removeData
  meter.setEinbaulage(999);
  meter.setWert(8, 3.0);
  meter.setText(2, "Hinweis");
  meter.removeData();
  EXPECT_EQ(meter.getEinbaulage(), 1);
  EXPECT_EQ(meter.getWert(8), 0.0);
  EXPECT_EQ(meter.getText(2), "");

  hydArmaturEAV eav;
  eav.setXp(2.0);
  eav.removeData();
  EXPECT_EQ(eav.getXp(), -1.0);

  hydArmaturThermoDross thermo;
  thermo.addKurve(CEinstellungKurve());
  thermo.setKvDesinfektion(0.4f);
  thermo.removeData();
  EXPECT_EQ(thermo.getCount(), 0);
  EXPECT_EQ(thermo.getKvDesinfektion(), 0.0f);

  hydArmaturDDRDFR combined;
  combined.addKennlinieDp(curveOf({1}, {100}));
  combined.getDFRAnteil().addKurve(curveOf({1}, {100}));
  combined.setWirkdruck(50);
  combined.removeData();
  EXPECT_TRUE(combined.getKennlinieDp().bIsEmpty());
  EXPECT_TRUE(combined.getDFRAnteil().getKurve().bIsEmpty());
  EXPECT_EQ(combined.getWirkdruck(), 0.0f);
}

// --- automatic throttle ----------------------------------------------------------------------

// A setting curve of regulator temperature t: kv 1.0 at t - 5, 0.5 at t, 0.1 at t + 5 °C.
CEinstellungKurve settingAt(double t, double kvDesinfektion = 0.0) {
  CEinstellungKurve curve;
  curve.addCurveNode(static_cast<float>(t - 5), "", 1.0f);
  curve.addCurveNode(static_cast<float>(t), "", 0.5f);
  curve.addCurveNode(static_cast<float>(t + 5), "", 0.1f);
  curve.setTemperatur(t);
  curve.setKvDesinfektion(kvDesinfektion);
  return curve;
}

hydArmaturThermoDross throttle6050() {
  hydArmaturThermoDross thermo;
  thermo.addKurve(settingAt(60, 0.3));
  thermo.addKurve(settingAt(50));
  return thermo;
}

TEST(TypedThermoDross, FunctionAtACurveAndBetweenTwo) {
  const hydArmaturThermoDross thermo = throttle6050();
  EXPECT_EQ(thermo.getReglerTempMax(), 60.0);
  EXPECT_EQ(thermo.getReglerTempMin(), 50.0);
  EXPECT_TRUE(thermo.hasDesinfektion());
  CHydrixInterpolation out;

  // At a curve's own temperature: that curve's function, disinfection section included.
  ASSERT_TRUE(thermo.getFunktion(out, 60.0, false));
  EXPECT_EQ(out.lastX(), 75.0);
  EXPECT_EQ(out.GetY(68.0, false), 0.3);
  EXPECT_NEAR(out.GetY(60.0, false), 0.5, 1e-9);

  EXPECT_FALSE(thermo.getFunktion(out, 55.0, false));
  EXPECT_FALSE(thermo.getFunktion(out, 45.0, true));
  EXPECT_FALSE(thermo.getFunktion(out, 61.0, true));

  // Halfway between 50 and 60 °C the function lies halfway: the 55 °C curve.
  ASSERT_TRUE(thermo.getFunktion(out, 55.0, true));
  EXPECT_NEAR(out.GetY(50.0, false), 1.0, 1e-6);
  EXPECT_NEAR(out.GetY(55.0, false), 0.5, 1e-6);
  EXPECT_NEAR(out.GetY(57.5, false), 0.3, 1e-6);
  EXPECT_EQ(out.lastX(), 75.0);  // disinfection section of the colder curve: flat to 75 °C
  // At 52.5 °C the mix is weighted 3:1 towards the 50 °C curve.
  ASSERT_TRUE(thermo.getFunktion(out, 52.5, true));
  EXPECT_NEAR(out.GetY(52.5, false), 0.5, 1e-6);

  EXPECT_NEAR(thermo.getKvmin(), 0.5, 1e-9);
  EXPECT_NEAR(thermo.getKvmax(), 6.5, 1e-9);  // extended to 0 °C from the 55..60 segment
  EXPECT_EQ(hydArmaturThermoDross().getKvmax(), -1.0);
}

TEST(TypedThermoDross, FindRegulatorTemperatureAcrossCurves) {
  const hydArmaturThermoDross thermo = throttle6050();
  struct Case {
    const char* name;
    double kv, T;
    bool strict;
    bool found;
    double temperature;
    int index1, index2;
  };
  const std::vector<Case> cases = {
      {"between the curves", 0.5, 55.0, false, true, 55.0, 0, 1},
      {"a quarter of the way", 0.5, 52.5, false, true, 52.5, 0, 1},
      {"water hotter than the warmest curve", 0.5, 70.0, false, true, 60.0, 1, 1},
      {"strict kv above kvmax", 10.0, 55.0, true, false, -1.0, -1, -1},
      // clamped to kvmax 6.5, which only the 60 °C curve reaches (at 0 °C, below T)
      {"kv clamped into the range", 10.0, 40.0, false, true, 60.0, 0, 1},
  };
  for (const Case& c : cases) {
    double temperature = 0;
    int index1 = 7;
    int index2 = 7;
    EXPECT_EQ(thermo.findEinstelltemperatur(c.kv, c.T, temperature, index1, index2, c.strict), c.found) << c.name;
    EXPECT_NEAR(temperature, c.temperature, 1e-6) << c.name;
    EXPECT_EQ(index1, c.index1) << c.name;
    EXPECT_EQ(index2, c.index2) << c.name;
  }
  double temperature = 0;
  int index1 = 0;
  int index2 = 0;
  EXPECT_FALSE(hydArmaturThermoDross().findEinstelltemperatur(1, 50, temperature, index1, index2, false));
  EXPECT_EQ(index1, -1);
  // One curve: colder water takes that curve; water exactly at its kv temperature finds none.
  hydArmaturThermoDross single;
  single.addKurve(settingAt(60));
  EXPECT_TRUE(single.findEinstelltemperatur(0.5, 50, temperature, index1, index2, false));
  EXPECT_EQ(temperature, 60.0);
  EXPECT_FALSE(single.findEinstelltemperatur(0.5, 60, temperature, index1, index2, false));
  EXPECT_EQ(temperature, -1.0);
  EXPECT_EQ(index1, 0);
  EXPECT_EQ(index2, 0);
}

TEST(TypedThermoDross, DisplayFormsAndIndexErrors) {
  hydArmaturThermoDross thermo;
  std::vector<float> x{9}, x2{9}, y{9};
  float temperature = -1;
  thermo.getKurve(temperature, x, x2, y);
  EXPECT_EQ(x.size(), 1u);  // without curves nothing happens
  thermo.addKurve(settingAt(60));
  thermo.getKurve(temperature, x, x2, y);
  EXPECT_EQ(x, (std::vector<float>{55, 60, 65}));
  EXPECT_EQ(y, (std::vector<float>{1.0f, 0.5f, 0.1f}));
  EXPECT_EQ(temperature, 60.0f);
  thermo.addKurve(settingAt(50));
  thermo.getKurve(temperature, x, x2, y);
  EXPECT_TRUE(x.empty());
  CHydrixInterpolation xTable, yTable;
  thermo.getKurve(temperature, xTable, yTable);
  EXPECT_TRUE(xTable.isEmpty());
  EXPECT_THROW(thermo.getKurveAt(2), std::invalid_argument);
  EXPECT_EQ(thermo.getKurveAt(1).getTemperatur(), 50.0);
}

// --- copying -----------------------------------------------------------------------------

TEST(TypedCopy, AssignTypedCopiesTheClassDataOnlyFromItsOwnClass) {
  hydArmaturDDRDFR source;
  source.setDimension(20);
  source.addKennlinieDp(curveOf({1, 2}, {200, 100}));
  source.setWirkdruck(80);

  hydArmaturDDRDFR same;
  same.assignTyped(source);
  EXPECT_EQ(same.getDimension(), 20);
  EXPECT_EQ(same.getKennlinieDp().getCount(), 2);
  EXPECT_EQ(same.getWirkdruck(), 80.0f);

  hydArmaturDDR base;
  base.assignTyped(source);  // a DDRDFR is a DDR: the regulator part comes along
  EXPECT_EQ(base.getKennlinieDp().getCount(), 2);

  hydArmaturDross other;
  other.addKurve(curveOf({1}, {1}));
  other.assignTyped(source);  // another class: only the variant data
  EXPECT_EQ(other.getDimension(), 20);
  EXPECT_EQ(other.getKurve().getCount(), 1);
}

TEST(TypedCopy, ThrottleCopiesOwnTheirCurvesAndCapByTheirOwnData) {
  hydArmaturThermoDross source;
  source.setKvDesinfektion(0.8f);
  source.addKurve(settingAt(55));
  hydArmaturThermoDross copy(source);
  source.setKvDesinfektion(0.0f);
  source.removeData();
  ASSERT_EQ(copy.getCount(), 1);
  EXPECT_EQ(copy.getKurveAt(0).getParent(), &copy);
  CHydrixInterpolation out;
  ASSERT_TRUE(copy.getKurveAt(0).getFunktion(out, true));
  EXPECT_NEAR(out.GetAtYArray(0), 0.8, 1e-6);  // capped by the copy's kv at disinfection

  hydArmaturThermoDross assigned;
  assigned.addKurve(settingAt(40));
  assigned.addKurve(settingAt(30));
  assigned = copy;
  ASSERT_EQ(assigned.getCount(), 1);
  EXPECT_EQ(assigned.getKurveAt(0).getParent(), &assigned);
}

// --- classes by type and by name ---------------------------------------------------------------

TEST(ValveClasses, TypeTableIsExact) {
  struct Case {
    int type;
    const char* className;  // null: no class
  };
  const std::vector<Case> cases = {
      {0, nullptr}, {100, nullptr}, {200, nullptr}, {201, "hydArmaturTHKV"}, {202, "hydArmaturDross"},
      {203, "hydArmaturEAV"}, {204, "hydArmaturDross"}, {205, "hydArmaturDDR"}, {206, nullptr},
      {207, "hydArmaturDFR"}, {208, "hydArmaturDDRDFR"}, {209, "hydArmaturDDR"}, {210, "hydArmaturDDRDFR"},
      {211, "hydArmatur"}, {212, "hydArmaturTHKVDFR"}, {213, "hydArmatur"}, {214, nullptr}, {1700, nullptr},
      {1701, "hydArmatur"}, {1702, "hydArmaturDross"}, {1703, "hydArmaturThermoDross"}, {1704, "hydArmaturEA"},
      {1705, "hydArmaturEA"}, {1706, "hydArmaturSicherung"}, {1707, "hydArmaturSicherung"},
      {1708, "hydArmaturDruckminderer"}, {1709, "hydArmaturZaehler"}, {1710, nullptr}, {1714, nullptr},
      {-201, nullptr},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<hydArmatur> variant = createArmaturForType(c.type);
    if (c.className == nullptr) {
      EXPECT_EQ(variant, nullptr) << c.type;
    } else {
      ASSERT_NE(variant, nullptr) << c.type;
      EXPECT_EQ(variant->GetRuntimeClass()->className(), c.className) << c.type;
    }
  }
}

TEST(ValveClasses, RegistrationAndRecordedBases) {
  const armakon::CObjectFactory<hydArmaturObject> factory(registerValveClasses);
  const std::vector<std::string> expected = {
      "hydArmatur",          "hydArmaturDDR",        "hydArmaturDDRDFR", "hydArmaturDFR",
      "hydArmaturDross",     "hydArmaturDruckminderer", "hydArmaturEA",  "hydArmaturEAV",
      "hydArmaturSicherung", "hydArmaturTHKV",       "hydArmaturTHKVDFR", "hydArmaturThermoDross",
      "hydArmaturZaehler",   "hydArmaturZubehoer",   "hydArmaturenModell"};
  EXPECT_EQ(factory.classNames(), expected);
  for (const std::string& name : expected) {
    const auto object = factory.create(name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(object->GetRuntimeClass()->className(), name);
  }

  struct Kind {
    const char* className;
    const armakon::CRuntimeClassRecord& against;
    bool derived;
  };
  const std::vector<Kind> kinds = {
      {"hydArmaturDDR", hydArmatur::GetThisClass(), false},
      {"hydArmaturDDR", hydArmaturObject::GetThisClass(), true},
      {"hydArmaturDFR", hydArmatur::GetThisClass(), false},
      {"hydArmaturTHKV", hydArmatur::GetThisClass(), false},
      {"hydArmaturDDRDFR", hydArmaturDDR::GetThisClass(), true},
      {"hydArmaturThermoDross", hydArmaturDross::GetThisClass(), true},
      {"hydArmaturThermoDross", hydArmatur::GetThisClass(), true},
      {"hydArmaturTHKVDFR", hydArmatur::GetThisClass(), true},
      {"hydArmaturTHKVDFR", hydArmaturTHKV::GetThisClass(), false},
      {"hydArmaturZaehler", hydArmatur::GetThisClass(), true},
      {"hydArmaturDross", hydArmaturThermoDross::GetThisClass(), false},
  };
  for (const Kind& k : kinds) {
    EXPECT_EQ(factory.create(k.className)->isDerivedFrom(k.against), k.derived) << k.className;
  }
  EXPECT_TRUE(CEinstellungKurve().isDerivedFrom(CKurve::GetThisClass()));
  EXPECT_FALSE(CKurve14().isDerivedFrom(CKurve::GetThisClass()));
}

}  // namespace
