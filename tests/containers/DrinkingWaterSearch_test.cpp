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

TEST(ThermoDrossel, RecordAndOutputsOnFailureAndAboveTheRegulatorRange) {
  TestContainer container;
  ArmaturenModell entry = newEntry(TW_THERMOSTATISCHES_STRANGREGULIERVENTIL, ARMTYP_DROSSEL_AUTOMATISCH, "ZR");
  addThermoDrossel(entry, 15, 1.0f, {60.0, 55.0, 50.0});
  addThermoDrossel(entry, 20, 2.0f, {60.0, 55.0, 50.0});
  const int id = add(container, entry);

  // Water above the highest regulator temperature: the highest one, both indices on the last
  // curve; the record's DN 20 restricts to that size.
  ARMATUR r = record(0, 20, 5, 5);
  double tOut = 0.0;
  double unused = 7.0;
  ASSERT_TRUE(container.findGlobalThermoDrossel(0.3, 65.0, tOut, unused, r, true));
  EXPECT_EQ(r.modellId, id);
  EXPECT_EQ(r.dimension, 20);
  EXPECT_EQ(r.einstellung, 2);
  EXPECT_EQ(r.einstellung2, 2);
  EXPECT_DOUBLE_EQ(tOut, 60.0);
  EXPECT_EQ(unused, 7.0);

  // keepDim with a size that no valve has: nothing; the Ex form has reset both settings.
  r = record(id, 25, 1, 1);
  tOut = -3.0;
  EXPECT_FALSE(TwArmaturContainer::findThermoDrosselEx(container.getGlobalList(), 0.3, 50.0, tOut, r, true));
  EXPECT_EQ(r.einstellung, -1);
  EXPECT_EQ(r.einstellung2, -1);
  EXPECT_EQ(tOut, -3.0);

  // Other kinds are no candidates.
  TestContainer other;
  ArmaturenModell wrongKind = newEntry(TW_STRANGREGULIERVENTIL, ARMTYP_DROSSEL_AUTOMATISCH, "ZR");
  addThermoDrossel(wrongKind, 15, 1.0f, {60.0, 55.0});
  add(other, wrongKind);
  r = record(0, 0);
  EXPECT_FALSE(other.findGlobalThermoDrossel(0.3, 50.0, tOut, unused, r, false));
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

TEST(Zaehler, NominalFlowClosestToTheFlowThenTheSizeClosestToTheRecord) {
  TestContainer container;
  ArmaturenModell small = newEntry(TW_WASSERZAEHLER, ARMTYP_ZAEHLER, "WZ");
  addZaehler(small, 15, 2.5, 0.025, 3.125);
  addZaehler(small, 20, 2.5004, 0.025, 5.0);  // the same Qn to 3 decimals
  const int smallId = add(container, small);
  ArmaturenModell large = newEntry(TW_WASSERZAEHLER, ARMTYP_ZAEHLER, "WZ gross");
  addZaehler(large, 25, 4.0, 0.04, 8.0);
  const int largeId = add(container, large);

  struct Case {
    double Q;
    int dimension;
    int wantId;
    int wantDn;
  };
  const Case cases[] = {
      {2.0, 32, smallId, 20},  // all sizes stay; Qn 2.5 (and 2.5004) beats 4.0, then DN 20 is nearest 32
      {2.0, 20, smallId, 20},  // DN 25 sorted out
      {2.0, 0, smallId, 15},   // no size wanted: the smallest
      {3.6, 32, largeId, 25},  // Qn 4.0 is closest
      {6.0, 0, largeId, 25},   // only the large meter covers the flow
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Q " << c.Q << " DN " << c.dimension);
    ARMATUR r = record(9, c.dimension, 3, 4);
    ASSERT_TRUE(container.findGlobalZaehler(hydArmaturZaehler::Kaltwasser, c.Q, r, false));
    EXPECT_EQ(r.modellId, c.wantId);
    EXPECT_EQ(r.dimension, c.wantDn);
    EXPECT_EQ(r.einstellung, -1);  // reset by the global form
    EXPECT_EQ(r.einstellung2, 4);  // never touched
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

// Three fittings of one size whose pressure loss at 2 m³/h rises (1, 2, 3) as their separator
// pressure falls (0.375, 0.25, 0.125); each is one entry of the kind.
void addThreeFittings(TestContainer& container, enArmaturenTyp kind, int armType, std::vector<int>& ids) {
  const float trenner[] = {0.375f, 0.25f, 0.125f};
  for (int i = 0; i < 3; ++i) {
    ArmaturenModell entry = newEntry(kind, armType, "S" + std::to_string(i));
    const float loss = 400.0f * (i + 1);
    addSicherung(entry, armType, 20, {{2.0f * loss, 4.0f}, {loss, 2.0f}, {0.1f * loss, 0.25f}}, trenner[i]);
    ids.push_back(add(container, entry));
  }
}

TEST(Sicherung, PressureLimitDropsSeparatorsOnly) {
  struct Case {
    enArmaturenTyp kind;
    int armType;
    double limit;
    int chosen;  // index of the fitting, -1 for none
  };
  const Case cases[] = {
      {TW_ROHRTRENNER, ARMTYP_ROHRTRENNER, 1.0, 0},
      {TW_ROHRTRENNER, ARMTYP_ROHRTRENNER, 0.25, 1},  // 0.25 does not exceed 0.25
      {TW_ROHRTRENNER, ARMTYP_ROHRTRENNER, 0.2, 2},
      {TW_ROHRTRENNER, ARMTYP_ROHRTRENNER, 0.05, -1},
      {TW_RUECKFLUSSVERHINDERER, ARMTYP_RUECKFLUSSVERHINDERER, 0.05, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " limit " << c.limit);
    std::vector<int> ids;
    TestContainer container;
    addThreeFittings(container, c.kind, c.armType, ids);
    ARMATUR r = record(0, 0);
    const bool found = TwArmaturContainer::findSicherungEx(container.getGlobalList(), 2.0, r, c.kind, false, c.limit);
    EXPECT_EQ(found, c.chosen >= 0);
    EXPECT_EQ(r.modellId, c.chosen >= 0 ? ids[static_cast<std::size_t>(c.chosen)] : 0);
  }
  // The global forms pass their kind and limit.
  std::vector<int> ids;
  TestContainer separators;
  addThreeFittings(separators, TW_ROHRTRENNER, ARMTYP_ROHRTRENNER, ids);
  ARMATUR r = record(17, 20);
  EXPECT_TRUE(separators.findGlobalTrenner(2.0, 0.2, r, false));
  EXPECT_EQ(r.modellId, ids[2]);
  EXPECT_FALSE(separators.findGlobalTrenner(2.0, 0.05, r, false));
  EXPECT_EQ(r.modellId, 0);
  EXPECT_FALSE(separators.findGlobalRFV(2.0, r, false));
}

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

TEST(DrinkingWaterLocal, SearchesOnlyTheRecordsEntry) {
  TestContainer container;
  ArmaturenModell preferred = newEntry(TW_DRUCKREGLER, ARMTYP_DRUCKMINDERER, "DM global");
  addDruckminderer(preferred, 20, {5.0f, 4.0f, 3.0f});
  add(container, preferred);
  ArmaturenModell local = newEntry(TW_DRUCKREGLER, ARMTYP_DRUCKMINDERER, "DM lokal", false);
  addDruckminderer(local, 32, {5.0f, 4.5f, 4.0f});
  const int localId = add(container, local);
  ArmaturenModell noVariants = newEntry(TW_DRUCKREGLER, ARMTYP_DRUCKMINDERER, "leer", false);
  const int emptyId = add(container, noVariants);

  ARMATUR r = record(localId, 20, 5);
  ASSERT_TRUE(container.findLocalDM(4.0, 0.0, r, false));
  EXPECT_EQ(r.modellId, localId);
  EXPECT_EQ(r.dimension, 32);
  EXPECT_EQ(r.einstellung, 2);

  // Outside the local entry's range: no search elsewhere, and the record is not reset.
  r = record(localId, 32, 5);
  EXPECT_FALSE(container.findLocalDM(3.0, 0.0, r, false));
  EXPECT_EQ(r.modellId, localId);
  EXPECT_EQ(r.einstellung, 5);
  r = record(emptyId, 32, 5);
  EXPECT_FALSE(container.findLocalDM(4.0, 0.0, r, false));
  r = record(0, 32, 5);
  EXPECT_FALSE(container.findLocalDM(4.0, 0.0, r, false));

  ArmaturenModell meter = newEntry(TW_WASSERZAEHLER, ARMTYP_ZAEHLER, "WZ lokal", false);
  addZaehler(meter, 25, 4.0, 0.04, 8.0);
  const int meterId = add(container, meter);
  r = record(meterId, 0);
  EXPECT_TRUE(container.findLocalZaehler(hydArmaturZaehler::Kaltwasser, 3.0, r, false));
  EXPECT_EQ(r.dimension, 25);

  ArmaturenModell separator = newEntry(TW_ROHRTRENNER, ARMTYP_ROHRTRENNER, "RT lokal", false);
  addSicherung(separator, ARMTYP_ROHRTRENNER, 20, {{1200.0f, 4.0f}, {140.0f, 0.1f}}, 0.14f);
  const int separatorId = add(container, separator);
  r = record(separatorId, 0);
  EXPECT_TRUE(container.findLocalTrenner(2.0, 0.2, r, false));
  EXPECT_EQ(r.dimension, 20);
  r = record(separatorId, 0);
  EXPECT_FALSE(container.findLocalTrenner(2.0, 0.1, r, false));  // above the limit; no size in the record
  r = record(separatorId, 0);
  EXPECT_FALSE(container.findLocalRFV(2.0, r, false));  // the entry is no backflow preventer
}

}  // namespace
}  // namespace armakon::watertest
