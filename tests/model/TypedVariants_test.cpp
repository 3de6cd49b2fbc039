// Typed valve variants: the queries the sizing searches ask and the recorded class links.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/ObjectFactory.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/ValveClassTable.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/en700ArmaturTyp.h"
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

// --- drinking-water fittings ---------------------------------------------------------------

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

// --- recorded class links ----------------------------------------------------------------------

TEST(ValveClasses, RegistrationAndRecordedBases) {
  const armakon::CObjectFactory<hydArmaturObject> factory(registerValveClasses);
  const std::vector<std::string> expected = {
      "hydArmatur",          "hydArmaturDDR",        "hydArmaturDDRDFR", "hydArmaturDFR",
      "hydArmaturDross",     "hydArmaturDruckminderer", "hydArmaturEA",  "hydArmaturEAV",
      "hydArmaturSicherung", "hydArmaturTHKV",       "hydArmaturTHKVDFR", "hydArmaturThermoDross",
      "hydArmaturZaehler",   "hydArmaturZubehoer",   "hydArmaturenModell"};
  EXPECT_EQ(factory.classNames(), expected);

  struct Kind {
    const char* className;
    const armakon::CRuntimeClassRecord& against;
    bool derived;
  };
  const std::vector<Kind> kinds = {
      {"hydArmaturDDR", hydArmatur::GetThisClass(), false},
      {"hydArmaturDDR", hydArmaturObject::GetThisClass(), true},
      {"hydArmaturDDRDFR", hydArmaturDDR::GetThisClass(), true},
      {"hydArmaturThermoDross", hydArmaturDross::GetThisClass(), true},
      {"hydArmaturThermoDross", hydArmatur::GetThisClass(), true},
      {"hydArmaturTHKVDFR", hydArmatur::GetThisClass(), true},
      {"hydArmaturTHKVDFR", hydArmaturTHKV::GetThisClass(), false},
      {"hydArmaturDross", hydArmaturThermoDross::GetThisClass(), false},
  };
  for (const Kind& k : kinds) {
    EXPECT_EQ(factory.create(k.className)->isDerivedFrom(k.against), k.derived) << k.className;
  }
  EXPECT_TRUE(CEinstellungKurve().isDerivedFrom(CKurve::GetThisClass()));
  EXPECT_FALSE(CKurve14().isDerivedFrom(CKurve::GetThisClass()));
}

// Every number below 100, 0 included, is a bare type number of the sheet.
TEST(TypeNameOfBareNumber, EveryNumberBelowOneHundredBelongsToTheSheet) {
  const struct {
    int type;
    int sheet;
    const char* name;
  } cases[] = {
      {0, 2, "Nicht unterstützter Ventiltyp"},   // 200
      {0, 17, "Nicht unterstützter Ventiltyp"},  // 1700
      {0, 0, "Undefinierter Armaturtyp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(getHydArmTypeStr(c.type, c.sheet), c.name) << c.type << " sheet " << c.sheet;
  }
  // A new model has type 0 and names it for sheet 2.
  EXPECT_EQ(hydArmaturenModell().getHydArmTypeStr(), "Nicht unterstützter Ventiltyp");
}

// A throttle names a tree node only when the node has no name yet.
// --- one-pipe fitting --------------------------------------------------------------------

// The smallest y3 is kept with the curve, so it must follow every way the curve changes.
TEST(TypedEAV, SmallestY3FollowsEveryChangeOfTheCurve) {
  auto curveWithY3 = [](const std::vector<float>& y3s) {
    CKurve14 curve;
    for (std::size_t i = 0; i < y3s.size(); ++i) {
      curve.addCurveNode(curveNode14(static_cast<float>(i + 1), "", 1.0f, 1.0f, y3s[i], 0.0f));
    }
    return curve;
  };
  const float inf = std::numeric_limits<float>::infinity();
  hydArmaturEAV fitting;
  EXPECT_EQ(fitting.getSmallestY3(), inf);
  fitting.addKurve14(curveWithY3({14.0f, 11.0f, 12.0f}));
  EXPECT_EQ(fitting.getSmallestY3(), 11.0f);

  const hydArmaturEAV copy(fitting);
  hydArmaturEAV assigned;
  assigned = fitting;
  armakon::CNode node("");
  ASSERT_TRUE(fitting.write(&node));
  hydArmaturEAV readBack;
  ASSERT_TRUE(readBack.read(&node));
  for (const hydArmaturEAV* v : std::vector<const hydArmaturEAV*>{&copy, &assigned, &readBack}) {
    EXPECT_EQ(v->getSmallestY3(), 11.0f);
  }

  fitting.addKurve14(curveWithY3({20.0f, std::nanf(""), 30.0f}));  // a NaN counts as none
  EXPECT_EQ(fitting.getSmallestY3(), 20.0f);
  fitting.removeData();
  EXPECT_EQ(fitting.getSmallestY3(), inf);
}

TEST(VariantKeepsNodeName, ThrottlesNameOnlyAnUnnamedNode) {
  const std::unique_ptr<const hydArmatur> manual = std::make_unique<hydArmaturDross>();
  const std::unique_ptr<const hydArmatur> automatic = std::make_unique<hydArmaturThermoDross>();
  const struct {
    const hydArmatur* variant;
    const char* given;
    const char* written;
  } cases[] = {
      {manual.get(), "", "Dross"},
      {manual.get(), "Vorgabe", "Vorgabe"},
      {automatic.get(), "", "ThermoDross"},
      {automatic.get(), "Vorgabe", "Vorgabe"},
  };
  for (const auto& c : cases) {
    armakon::CNode node(c.given);
    ASSERT_TRUE(c.variant->write(&node));
    EXPECT_EQ(node.GetName(), c.written) << "given '" << c.given << "'";
  }
}

}  // namespace
