// Flow regulators: coverage of the flow with single-precision curve values, the fall-back for
// small flows, the smallest Wirkdruck and keepDim.

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

}  // namespace
}  // namespace armakon
