// Drinking-water sizing searches: circulation balancing valves, water meters, backflow
// preventers, pipe separators and pressure reducers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/containers/DrinkingWaterFixtures.h"

namespace armakon::watertest {
namespace {

// ---------------------------------------------------------------------------------------
// Thermostatic circulation balancing valves (5558)

// At water temperature 50 °C these valves reach kv 0.6 .. 1.0 (x scale); at 57 °C at most
// 0.4 x scale.
TEST(ThermoDrossel, ChoosesTheKvClosestAboveTheWantedOne) {
  struct Case {
    const char* what;
    double kv;
    double T;
    std::vector<float> scales;  // one entry of one DN 15 valve each, in list order
    int chosen;                 // index into scales
  };
  const Case cases[] = {
      {"closer from above replaces", 0.3, 50.0, {2.0f, 1.0f}, 1},
      {"farther from above stays out", 0.3, 50.0, {1.0f, 2.0f}, 0},
      {"equal valves: the first stays", 0.3, 50.0, {1.0f, 1.0f}, 0},
      {"above and closer replaces a first below", 1.15, 50.0, {1.0f, 2.0f}, 1},
      {"above but farther leaves the first below", 1.05, 50.0, {1.0f, 2.0f}, 0},
      {"below never replaces", 1.1, 57.0, {1.0f, 2.0f}, 0},
      {"below never replaces, reversed", 1.1, 57.0, {2.0f, 1.0f}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestContainer container;
    std::vector<int> ids;
    for (float scale : c.scales) {
      ArmaturenModell entry = newEntry(TW_THERMOSTATISCHES_STRANGREGULIERVENTIL, ARMTYP_DROSSEL_AUTOMATISCH, "ZR");
      addThermoDrossel(entry, 15, scale, {60.0, 55.0});
      ids.push_back(add(container, entry));
    }
    ARMATUR r = record(0, 0);
    double tOut = -5.0;
    double unused = 123.0;
    ASSERT_TRUE(container.findGlobalThermoDrossel(c.kv, c.T, tOut, unused, r, false));
    EXPECT_EQ(r.modellId, ids[static_cast<std::size_t>(c.chosen)]);
    EXPECT_EQ(r.dimension, 15);
    // The two setting curves around the regulator temperature, which lies between them.
    EXPECT_EQ(r.einstellung, 0);
    EXPECT_EQ(r.einstellung2, 1);
    EXPECT_GE(tOut, 55.0);
    EXPECT_LE(tOut, 60.0);
    EXPECT_EQ(unused, 123.0);
  }
}

// ---------------------------------------------------------------------------------------
// Water meters (5564)

TEST(Zaehler, AreaOfUseCountsOnlyForGuidelinesBefore201601) {
  struct Case {
    int rlDatum;
    hydArmaturZaehler::Einsatzbereich wanted;
    bool found;
  };
  const Case cases[] = {
      {201103, hydArmaturZaehler::Kaltwasser, false}, {201512, hydArmaturZaehler::Kaltwasser, false},
      {201103, hydArmaturZaehler::Warmwasser, true},  {201601, hydArmaturZaehler::Kaltwasser, true},
      {202004, hydArmaturZaehler::Kaltwasser, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rlDatum);
    TestContainer container;
    ArmaturenModell entry = newEntry(TW_WASSERZAEHLER, ARMTYP_ZAEHLER, "WZ", true, c.rlDatum);
    addZaehler(entry, 20, 2.5, 0.05, 3.125, hydArmaturZaehler::Warmwasser);
    const int id = add(container, entry);
    ARMATUR r = record(0, 0);
    EXPECT_EQ(container.findGlobalZaehler(c.wanted, 1.0, r, false), c.found);
    EXPECT_EQ(r.modellId, c.found ? id : 0);
  }
}

TEST(Zaehler, EqualMetersKeepTheFirstEntryAndFailuresLeaveNoModel) {
  TestContainer container;
  int ids[2];
  for (int& id : ids) {
    ArmaturenModell entry = newEntry(TW_WASSERZAEHLER, ARMTYP_ZAEHLER, "WZ");
    addZaehler(entry, 20, 2.5, 0.025, 5.0);
    id = add(container, entry);
  }
  ARMATUR r = record(0, 20);
  ASSERT_TRUE(container.findGlobalZaehler(hydArmaturZaehler::Kaltwasser, 1.0, r, false));
  EXPECT_EQ(r.modellId, ids[0]);

  // No flow, a flow outside every range, and a meter without nominal flow.
  r = record(0, 20);
  EXPECT_FALSE(container.findGlobalZaehler(hydArmaturZaehler::Kaltwasser, 0.0, r, false));
  EXPECT_FALSE(container.findGlobalZaehler(hydArmaturZaehler::Kaltwasser, 5.5, r, false));
  TestContainer noQn;
  ArmaturenModell entry = newEntry(TW_WASSERZAEHLER, ARMTYP_ZAEHLER, "WZ");
  addZaehler(entry, 20, 0.0, 0.025, 5.0);
  add(noQn, entry);
  EXPECT_FALSE(noQn.findGlobalZaehler(hydArmaturZaehler::Kaltwasser, 1.0, r, false));
  EXPECT_EQ(r.modellId, 0);
}

// ---------------------------------------------------------------------------------------
// Backflow preventers (5559) and pipe separators (5562)

TEST(Sicherung, FlowRangeSizeAndPressureLoss) {
  TestContainer container;
  ArmaturenModell entry = newEntry(TW_RUECKFLUSSVERHINDERER, ARMTYP_RUECKFLUSSVERHINDERER, "RV");
  addSicherung(entry, ARMTYP_RUECKFLUSSVERHINDERER, 15, {{800.0f, 4.0f}, {400.0f, 2.0f}, {100.0f, 0.2496f}});
  addSicherung(entry, ARMTYP_RUECKFLUSSVERHINDERER, 20, {{500.0f, 6.0f}, {250.0f, 3.0f}, {50.0f, 0.5f}});
  addSicherung(entry, ARMTYP_RUECKFLUSSVERHINDERER, 25, {{300.0f, 9.0f}, {150.0f, 4.5f}, {30.0f, 0.75f}});
  const int id = add(container, entry);

  struct Case {
    double Q;
    int dimension;
    bool keepDim;
    int wantDn;  // 0: nothing found
  };
  const Case cases[] = {
      {2.0, 32, false, 25},     // every size stays: the smallest loss
      {2.0, 20, false, 20},     // DN 25 sorted out; DN 20 loses less than DN 15
      {2.0, 0, false, 15},      // no size wanted: the smallest size
      {2.0, 0, true, 15},       // keepDim without a size does not restrict
      {2.0, 15, true, 15},      // keepDim: only DN 15
      {2.0, 22, true, 0},       // keepDim with a size nobody has
      {0.2497, 15, false, 15},  // 0.2497 and the curve's 0.2496 both count as 0.250
      {0.2494, 32, false, 0},   // 0.249 lies below every curve
      {8.0, 15, false, 25},     // only DN 25 covers 8 m³/h
      {0.0, 15, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Q " << c.Q << " DN " << c.dimension << " keep " << c.keepDim);
    ARMATUR r = record(0, c.dimension, 2, 3);
    EXPECT_EQ(container.findGlobalRFV(c.Q, r, c.keepDim), c.wantDn > 0);
    if (c.wantDn > 0) {
      EXPECT_EQ(r.modellId, id);
      EXPECT_EQ(r.dimension, c.wantDn);
    }
    EXPECT_EQ(r.einstellung, 2);  // the settings are never touched
    EXPECT_EQ(r.einstellung2, 3);
  }
}

// ---------------------------------------------------------------------------------------
// Pressure reducers (5563)

TEST(Druckminderer, FindEinstellungDM) {
  ArmaturenModell entry = newEntry(TW_DRUCKREGLER, ARMTYP_DRUCKMINDERER, "DM");
  const hydArmaturDruckminderer* reducer = addDruckminderer(entry, 20, {5.0f, 4.0f, 3.0f});
  const hydArmaturDruckminderer* empty = addDruckminderer(entry, 25, {});
  EXPECT_EQ(TwArmaturContainer::findEinstellungDM(reducer, 3.5), 1);
  EXPECT_EQ(TwArmaturContainer::findEinstellungDM(reducer, 3.0), 2);
  EXPECT_EQ(TwArmaturContainer::findEinstellungDM(reducer, 5.0), 0);
  EXPECT_EQ(TwArmaturContainer::findEinstellungDM(reducer, 6.0), 0);  // none reaches 6 bar
  EXPECT_EQ(TwArmaturContainer::findEinstellungDM(empty, 3.0), -1);
  EXPECT_EQ(TwArmaturContainer::findEinstellungDM(nullptr, 3.0), -1);
}

TEST(Druckminderer, SecondPassAcceptsRangesStartingAtMostHalfABarAbove) {
  struct Case {
    float start;
    bool found;
  };
  for (const Case& c : {Case{4.3f, true}, Case{4.5f, true}, Case{4.6f, false}}) {
    SCOPED_TRACE(c.start);
    TestContainer container;
    ArmaturenModell entry = newEntry(TW_DRUCKREGLER, ARMTYP_DRUCKMINDERER, "DM");
    addDruckminderer(entry, 20, {c.start + 2.0f, c.start + 1.0f, c.start});
    const int id = add(container, entry);
    ARMATUR r = record(0, 0, 7);
    EXPECT_EQ(container.findGlobalDM(4.0, 99.0, r, false), c.found);
    EXPECT_EQ(r.modellId, c.found ? id : 0);
    EXPECT_EQ(r.einstellung, c.found ? 2 : -1);
  }
}

TEST(Druckminderer, CoveringRangeFirstThenSettingToleranceThenSize) {
  struct Reducer {
    int dn;
    std::vector<float> pressures;
  };
  struct Case {
    const char* what;
    std::vector<Reducer> reducers;  // variants of one entry, in stored order
    int dimension;
    int wantDn;  // 0: nothing
    int wantSetting;
  };
  const Case cases[] = {
      {"a covering range beats the right size", {{25, {5.0f, 4.0f, 3.0f, 2.0f}}, {20, {6.2f, 5.2f, 4.2f}}}, 20, 25, 1},
      {"a setting 1 bar above rules a reducer out", {{20, {7.0f, 5.0f, 3.0f}}, {25, {5.0f, 4.2f, 3.4f}}}, 20, 25, 1},
      {"all ruled out", {{20, {7.0f, 5.0f, 3.0f}}}, 20, 0, -1},
      {"node 0 is never ruled out", {{20, {6.0f, 3.0f}}}, 20, 20, 0},
      {"equal distance: the last variant, met first", {{15, {5.0f, 3.0f}}, {25, {5.0f, 3.0f}}}, 20, 25, 0},
      {"the size closest to the record", {{15, {5.0f, 3.0f}}, {25, {5.0f, 3.0f}}}, 16, 15, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestContainer container;
    ArmaturenModell entry = newEntry(TW_DRUCKREGLER, ARMTYP_DRUCKMINDERER, "DM");
    for (const Reducer& reducer : c.reducers) addDruckminderer(entry, reducer.dn, reducer.pressures);
    const int id = add(container, entry);
    ARMATUR r = record(0, c.dimension);
    EXPECT_EQ(container.findGlobalDM(4.0, 0.0, r, false), c.wantDn > 0);
    EXPECT_EQ(r.modellId, c.wantDn > 0 ? id : 0);
    EXPECT_EQ(r.dimension, c.wantDn > 0 ? c.wantDn : c.dimension);
    EXPECT_EQ(r.einstellung, c.wantSetting);
  }
}

// ---------------------------------------------------------------------------------------
// The local forms search only the record's entry and do not reset the record

}  // namespace
}  // namespace armakon::watertest
