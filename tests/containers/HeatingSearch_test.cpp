// Flow regulators and thermostatic valves with flow limitation: coverage of the flow with
// single-precision curve values, the fall-back for small flows, the smallest Wirkdruck, keepDim
// and the global and local forms of the heating searches.

#include <gtest/gtest.h>

#include "tests/containers/HeatingFixtures.h"

namespace armakon {
namespace {

using namespace heatingtest;

TEST(FindEinstellungDFRTest, WalksFromTheLastNodeWithFloatRounding) {
  hydArmaturDFR regulator;
  regulator.addKurve(settingCurve({0.5f, 0.25f, 0.1f}));
  struct Case {
    double flow;
    int setting;
  };
  const Case cases[] = {
      {0.6, -1},     // above node 0
      {0.5006, -1},  // 0.501 after rounding
      {0.5004, 0},   // 0.5 after rounding
      {0.3, 0},      {0.25, 1}, {0.2, 1},
      {0.1, 2},      // 0.1f rounded in single precision lies just above 0.1
      {0.01, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HzArmaturContainer::findEinstellungDFR(&regulator, c.flow), c.setting) << c.flow;
  }
  EXPECT_EQ(HzArmaturContainer::findEinstellungDFR(nullptr, 0.3), -1);
  hydArmaturDFR empty;
  EXPECT_EQ(HzArmaturContainer::findEinstellungDFR(&empty, 0.0), -1);
}

// A 0.12 .. 0.5 (DN 15, Wirkdruck 150), B 0.4 .. 1.2 (DN 20, 100), C 0.12 .. 2.0 (DN 25, 90),
// D 0.2 .. 0.5 (DN 32, 50).
class FlowRegulatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    a = EntryBuilder(HZ_DURCHFLUSSREGLER, "A").dfr(15, {0.5f, 0.3f, 0.12f}, 150.0f).addTo(hz);
    b = EntryBuilder(HZ_DURCHFLUSSREGLER, "B").dfr(20, {1.2f, 0.8f, 0.4f}, 100.0f).addTo(hz);
    c = EntryBuilder(HZ_DURCHFLUSSREGLER, "C").dfr(25, {2.0f, 0.12f}, 90.0f).addTo(hz);
    d = EntryBuilder(HZ_DURCHFLUSSREGLER, "D").dfr(32, {0.5f, 0.2f}, 50.0f).addTo(hz);
    // Not searched: another kind, another class in the right kind.
    EntryBuilder(HZ_STRANGREGULIERVENTIL_DROSSEL, "other kind").dfr(15, {9.0f, 0.01f}, 1.0f).addTo(hz);
    EntryBuilder(HZ_DURCHFLUSSREGLER, "plain").plain(211, 15).addTo(hz);
  }
  TestHz hz;
  int a = 0, b = 0, c = 0, d = 0;
};

TEST_F(FlowRegulatorTest, ChoosesByCoverageSizeAndWirkdruck) {
  struct Case {
    double flow;
    int dimension;
    bool keepDim;
    int* id;  // null: no choice
    int chosenDimension;
    int setting;
  };
  const Case cases[] = {
      // Outside every range: below 0.05 the nearest smallest flow (A and C tie, A comes first).
      {0.03, 0, false, &a, 15, 2},
      {0.049, 40, false, &a, 15, 2},
      {0.05, 0, false, nullptr, 0, -1},
      {0.06, 0, false, nullptr, 0, -1},
      {2.5, 0, false, nullptr, 0, -1},
      {0.0, 0, false, nullptr, 0, -1},
      // Covered by A, C and D; no preferred size: only the smallest size stays.
      {0.3, 0, false, &a, 15, 1},
      // Up to DN 40 all stay: the smallest Wirkdruck wins whatever size is preferred.
      {0.3, 40, false, &d, 32, 0},
      {0.45, 20, false, &b, 20, 1},
      {0.45, 25, false, &c, 25, 0},
      // keepDim: dimension 0 does not restrict, a dimension does.
      {0.45, 0, true, &a, 15, 0},
      {0.45, 25, true, &c, 25, 0},
      {0.45, 40, true, nullptr, 40, -1},
  };
  for (const Case& k : cases) {
    ARMATUR r = record(99, k.dimension, 7, 7);
    const bool found = hz.findGlobalDurchflussregler(k.flow, r, k.keepDim);
    const std::string label = std::to_string(k.flow) + " DN " + std::to_string(k.dimension);
    EXPECT_EQ(found, k.id != nullptr) << label;
    EXPECT_EQ(r.modellId, k.id != nullptr ? *k.id : 0) << label;
    EXPECT_EQ(r.dimension, k.chosenDimension) << label;
    EXPECT_EQ(r.einstellung, k.setting) << label;
    EXPECT_EQ(r.einstellung2, 7) << label;  // only the combined regulator resets it
  }
}

TEST(FlowRegulatorTieTest, PreferredSizeDecidesOnlyBetweenEqualWirkdruck) {
  TestHz hz;
  const int small = EntryBuilder(HZ_DURCHFLUSSREGLER, "S").dfr(15, {1.0f, 0.2f}, 120.0f).addTo(hz);
  const int large = EntryBuilder(HZ_DURCHFLUSSREGLER, "L").dfr(20, {1.0f, 0.2f}, 120.0f).addTo(hz);
  ARMATUR r = record(0, 20);
  ASSERT_TRUE(hz.findGlobalDurchflussregler(0.5, r, false));
  EXPECT_EQ(r.modellId, large);
  r = record(0, 15);
  ASSERT_TRUE(hz.findGlobalDurchflussregler(0.5, r, false));
  EXPECT_EQ(r.modellId, small);
}

TEST(FlowRegulatorRoundingTest, CurveValuesAreRoundedInSinglePrecision) {
  // 0.1 stored as a float and rounded in single precision stays a little above 0.1, so a
  // range that starts there does not cover a flow of exactly 0.1, while its setting does.
  TestHz hz;
  const int id = EntryBuilder(HZ_DURCHFLUSSREGLER, "R").dfr(15, {0.5f, 0.1f}, 50.0f).addTo(hz);
  ARMATUR r = record(0, 0);
  EXPECT_FALSE(hz.findGlobalDurchflussregler(0.1, r, false));
  r = record(0, 0);
  EXPECT_TRUE(hz.findGlobalDurchflussregler(0.1006, r, false));  // 0.101
  EXPECT_EQ(r.modellId, id);
  EXPECT_EQ(r.einstellung, 0);
}

TEST(FlowRegulatorSizeTest, RegulatorWithoutSizeIsNoSuccess) {
  TestHz hz;
  const int id = EntryBuilder(HZ_DURCHFLUSSREGLER, "DN0").dfr(0, {1.0f, 0.2f}, 120.0f).addTo(hz);
  ARMATUR r = record(0, 0);
  EXPECT_FALSE(hz.findGlobalDurchflussregler(0.5, r, false));
  EXPECT_EQ(r.modellId, id);  // chosen, but a record without size names no valve
}

// Thermostatic valves with flow limitation; nodes are (y3 minimum pressure, y4 flow).
TEST(ThkvFlowLimiterTest, MinimumPressureAtTheOwnSetting) {
  TestHz hz;
  const int b = EntryBuilder(HZ_THERMOSTATVENTIL, "B")
                    .thkvdfr(15, {{0, 0, 90, 0.2f}, {0, 0, 0, 0.15f}, {0, 0, 50, 0.125f}})
                    .addTo(hz);
  EntryBuilder(HZ_THERMOSTATVENTIL, "A")
                    .plain(201, 15)  // a thermostatic valve without flow limitation is no candidate
                    .thkvdfr(15, {{0, 0, 100, 0.2f}, {0, 0, 80, 0.15f}, {0, 0, 60, 0.125f}})
                    .addTo(hz);
  struct Case {
    double flow;
    int id;
    int setting;
  };
  const Case cases[] = {
      {0.2, b, 0},    // 90 < 100
      {0.14, b, 1},  // setting 1 of both: B, preferred, states 0 and stays (see below)
      {0.125, b, 2},  // 50 < 60
      {0.03, b, 2},   // below every range: nearest smallest flow, B first
      {0.3, 0, -1},
  };
  for (const Case& c : cases) {
    ARMATUR r = record(0, 0);
    EXPECT_EQ(hz.findGlobalTHKVDurchflussregler(c.flow, r, false), c.id != 0) << c.flow;
    EXPECT_EQ(r.modellId, c.id) << c.flow;
    EXPECT_EQ(r.einstellung, c.setting) << c.flow;
  }
  // B is preferred (first of the smallest size); at 0.15 its setting states no minimum
  // pressure (0), and a candidate replaces the choice only with a value above 0 and below the
  // current one, so B stays. With A preferred, B's 0 cannot replace it.
  ARMATUR r = record(0, 0);
  ASSERT_TRUE(hz.findGlobalTHKVDurchflussregler(0.15, r, false));
  EXPECT_EQ(r.modellId, b);
  TestHz reversed;
  const int a2 = EntryBuilder(HZ_THERMOSTATVENTIL, "A")
                     .thkvdfr(15, {{0, 0, 100, 0.2f}, {0, 0, 80, 0.15f}, {0, 0, 60, 0.1f}})
                     .addTo(reversed);
  EntryBuilder(HZ_THERMOSTATVENTIL, "B").thkvdfr(15, {{0, 0, 90, 0.2f}, {0, 0, 0, 0.15f}}).addTo(reversed);
  r = record(0, 0);
  ASSERT_TRUE(reversed.findGlobalTHKVDurchflussregler(0.15, r, false));
  EXPECT_EQ(r.modellId, a2);
  EXPECT_EQ(r.einstellung, 1);
}

TEST(HeatingLocalSearchTest, SearchesOnlyTheNamedEntryWithoutReset) {
  TestHz hz;
  const int global = EntryBuilder(HZ_DURCHFLUSSREGLER, "G").dfr(20, {1.0f, 0.2f}, 50.0f).addTo(hz);
  const int local =
      EntryBuilder(HZ_DURCHFLUSSREGLER, "L", false).dfr(15, {0.6f, 0.2f}, 300.0f).dfr(20, {1.0f, 0.4f}, 200.0f).addTo(hz);
  const int empty = EntryBuilder(HZ_DURCHFLUSSREGLER, "E", false).addTo(hz);

  ARMATUR r = record(local, 20, 5, 5);
  ASSERT_TRUE(hz.findLocalDurchflussregler(0.5, r, true));
  EXPECT_EQ(r.modellId, local);
  EXPECT_EQ(r.dimension, 20);
  EXPECT_EQ(r.einstellung, 0);

  // Nothing suitable in the named entry: false, and the record keeps its values.
  r = record(local, 20, 5, 5);
  EXPECT_FALSE(hz.findLocalDurchflussregler(3.0, r, false));
  EXPECT_EQ(r.modellId, local);
  EXPECT_EQ(r.einstellung, 5);

  // The global entry is named just as well; no variants or an unknown id: false at once.
  r = record(global, 0);
  EXPECT_TRUE(hz.findLocalDurchflussregler(0.5, r, false));
  EXPECT_EQ(r.modellId, global);
  for (int id : {empty, 999, 0}) {
    r = record(id, 15, 5);
    EXPECT_FALSE(hz.findLocalDurchflussregler(0.5, r, false)) << id;
    EXPECT_EQ(r.einstellung, 5) << id;
  }
}

}  // namespace
}  // namespace armakon
