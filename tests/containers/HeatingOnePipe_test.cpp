// One-pipe fittings: the radiator's share of the flow (the search on the sample fitting is in
// HeatingSamples_test).

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

}  // namespace
}  // namespace armakon
