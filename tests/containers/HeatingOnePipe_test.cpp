// One-pipe fittings: the radiator's share of the flow, the setting for a share and the search
// with its share range, in-range filter, sizes and y3 choice.

#include <gtest/gtest.h>

#include "tests/containers/HeatingFixtures.h"

namespace armakon {
namespace {

using namespace heatingtest;

TEST(OnePipeShareTest, RadiatorBranchInSeriesWithRadiatorAgainstBypass) {
  struct Case {
    float y1, y2;
    double kvHK, share;
  };
  const Case cases[] = {
      {0.5f, 1.0f, 1.0, 0.585786},  // path 1/sqrt(2) against 0.5
      {0.5f, 1.0f, 0.0, 0.666667},  // no radiator kv: the branch alone
      {0.5f, 0.0f, 1.0, 0.666667},  // no branch kv: the radiator alone
      {0.0f, 0.0f, 0.0, 0.0},       // nothing flows anywhere
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(HzArmaturContainer::getHKMassenstromAnteil(curveNode14(1, "", c.y1, c.y2, 0, 0), c.kvHK), c.share,
                1e-6);
  }
  hydArmaturEAV fitting;
  fitting.addKurve14(fourValueCurve({{0.5f, 2.0f, 0, 0}, {1.0f, 1.0f, 0, 0}, {2.0f, 0.5f, 0, 0}}));
  double last = -1.0, first = -1.0;
  ASSERT_TRUE(HzArmaturContainer::getHKMassenstromAnteileEAV(&fitting, 1.0, last, first));
  EXPECT_NEAR(last, 0.182744, 1e-6);
  EXPECT_NEAR(first, 0.641430, 1e-6);
  EXPECT_FALSE(HzArmaturContainer::getHKMassenstromAnteileEAV(nullptr, 1.0, last, first));
  EXPECT_EQ(last, 0.0);
  EXPECT_EQ(first, 0.0);

  EXPECT_EQ(HzArmaturContainer::findEinstellungEAV(&fitting, 0.3, 1.0), 1);  // 0.414 beats 0.183
  EXPECT_EQ(HzArmaturContainer::findEinstellungEAV(&fitting, 0.29, 1.0), 2);
  hydArmaturEAV twins;  // equal shares: the node visited first, the higher index, stays
  twins.addKurve14(fourValueCurve({{0.5f, 1.0f, 0, 0}, {0.5f, 1.0f, 0, 0}}));
  EXPECT_EQ(HzArmaturContainer::findEinstellungEAV(&twins, 0.5, 1.0), 1);
  hydArmaturEAV empty;
  EXPECT_EQ(HzArmaturContainer::findEinstellungEAV(&empty, 0.5, 1.0), -1);
}

// With a radiator kv of 1.0:
//   F1 DN 15 shares 0.64 .. 0.18, y3 30, 20, 10
//   F2 DN 15 shares 0.82 .. 0.47, y3  1, 15,  5
//   F3 DN 20 as F1, y3 3, 2, 1
//   F4 DN 15 without settings
TEST(OnePipeSearchTest, ShareRangeSizeAndSmallestY3) {
  TestHz hz;
  const int e1 = EntryBuilder(HZ_EINROHRVERSCHRAUBUNG, "F1")
                     .eav(15, {{0.5f, 2.0f, 30, 0}, {1.0f, 1.0f, 20, 0}, {2.0f, 0.5f, 10, 0}})
                     .addTo(hz);
  const int e2 = EntryBuilder(HZ_EINROHRVERSCHRAUBUNG, "F2")
                     .eav(15, {{0.2f, 2.0f, 1, 0}, {0.4f, 1.5f, 15, 0}, {0.8f, 1.0f, 5, 0}})
                     .addTo(hz);
  const int e3 = EntryBuilder(HZ_EINROHRVERSCHRAUBUNG, "F3")
                     .eav(20, {{0.5f, 2.0f, 3, 0}, {1.0f, 1.0f, 2, 0}, {2.0f, 0.5f, 1, 0}})
                     .addTo(hz);
  EntryBuilder(HZ_EINROHRVERSCHRAUBUNG, "F4").eav(15, {}).plain(211, 15).addTo(hz);
  struct Case {
    double share;
    int dimension;
    int id, chosenDimension, setting;
  };
  const Case cases[] = {
      {1.2, 0, 0, 0, -1},  // not a share: false at once
      {-0.1, 0, 0, 0, -1},
      {0.3, 0, e1, 15, 1},   // F1 and F3 reach it; the smallest size stays
      {0.3, 20, e3, 20, 1},  // both sizes stay; F3's y3 2 is below F1's 20
      {0.7, 0, e2, 15, 1},   // only F2 reaches it
      {0.9, 20, e2, 15, 0},  // none reaches it: all stay, F2's y3 1 at its setting wins
      {1.004, 0, e2, 15, 0},  // 1.00 after rounding
  };
  for (const Case& c : cases) {
    ARMATUR r = record(99, c.dimension, 7, 7);
    EXPECT_EQ(hz.findGlobalEinrohrVerschraubung(c.share, 1.0, r), c.id != 0) << c.share;
    EXPECT_EQ(r.modellId, c.id) << c.share;
    EXPECT_EQ(r.dimension, c.id != 0 ? c.chosenDimension : c.dimension) << c.share;
    EXPECT_EQ(r.einstellung, c.setting) << c.share;
  }
  ARMATUR r = record(e3, 20, 7);
  ASSERT_TRUE(hz.findLocalEinrohrVerschraubung(0.7, 1.0, r));  // F3 alone, out of range: kept
  EXPECT_EQ(r.modellId, e3);
  EXPECT_EQ(r.einstellung, 0);
}

}  // namespace
}  // namespace armakon
