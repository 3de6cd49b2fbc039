// Differential-pressure regulators, alone and with flow regulator: the two setpoint passes,
// the kv-range filter, sortOut on the noted sizes, the kvmax choice and the settings.

#include <gtest/gtest.h>

#include "tests/containers/HeatingFixtures.h"

namespace armakon {
namespace {

using namespace heatingtest;

TEST(FindEinstellungDDRTest, FirstSetpointFromTheClosedEndOrTheMostOpen) {
  hydArmaturDDR regulator;
  regulator.addKennlinieDp(settingCurve({300.0f, 199.6f, 100.0f}));
  struct Case {
    double dp;
    int setting;
  };
  const Case cases[] = {
      {400.0, 0},  // no node reaches it: 0, not -1
      {300.0, 0}, {250.0, 0},
      {200.0, 1},  // 199.6 counts as 200
      {200.4, 1}, {200.5, 0},  // 201 after rounding
      {100.0, 2}, {20.0, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HzArmaturContainer::findEinstellungDDR(&regulator, c.dp), c.setting) << c.dp;
  }
  hydArmaturDDR empty;
  EXPECT_EQ(HzArmaturContainer::findEinstellungDDR(&empty, 100.0), -1);
  EXPECT_EQ(HzArmaturContainer::findEinstellungDDR(nullptr, 100.0), -1);
}

// R1 DN 15: setpoints 300 .. 100, kv 2.0 .. 0.5 (entry E1)
// R2 DN 20: setpoints 600 .. 250, kv 4.0 .. 1.5 and R3 DN 25: 600 .. 250, kv 8.0 .. 3.0 (E2)
class DiffPressureRegulatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    e1 = EntryBuilder(HZ_DIFFERENZDRUCKREGLER, "E1")
             .ddr(15, {300, 200, 100}, {{2.0f, 10}, {1.0f, 5}, {0.5f, 2}})
             .addTo(hz);
    e2 = EntryBuilder(HZ_DIFFERENZDRUCKREGLER, "E2")
             .ddr(20, {600, 400, 250}, {{4.0f, 10}, {2.5f, 5}, {1.5f, 2}})
             .ddr(25, {600, 400, 250}, {{8.0f, 10}, {5.0f, 5}, {3.0f, 2}})
             .addTo(hz);
    EntryBuilder(HZ_DURCHFLUSSREGLER, "other kind").ddr(15, {900, 10}, {{9.0f, 1}, {0.1f, 1}}).addTo(hz);
  }
  TestHz hz;
  int e1 = 0, e2 = 0;
};

TEST_F(DiffPressureRegulatorTest, PassesKvFilterSizeAndKvMax) {
  struct Case {
    double kv, dp;
    int dimension;
    bool keepDim;
    int* id;
    int chosenDimension;
    int setting;
  };
  const Case cases[] = {
      {1.0, 150, 0, false, &e1, 15, 1},     // only R1's range holds 150
      {1.0, 50, 0, false, &e1, 15, 2},      // second pass: ranges above 50; R1 holds the kv
      {1.0, 700, 0, false, nullptr, 0, -1},  // no range holds or lies above 700
      // R2 and R3 hold kv 3, R1 is removed; the sizes noted before (15 .. 25) still judge, so
      // without a preferred size only DN 15 may stay, and nothing does.
      {3.0, 300, 0, false, nullptr, 0, -1},
      {3.0, 300, 20, false, &e2, 20, 1},
      {3.0, 300, 25, false, &e2, 20, 1},    // kvmax 4 is closer to 3 than 8
      {10.0, 300, 25, false, &e2, 25, 1},   // none holds kv 10 and none reaches it: nearest kvmax
      {0.2, 300, 25, false, &e1, 15, 0},    // none holds 0.2: all reach it, R1's kvmax is nearest
      {1.0, 250.4, 25, false, &e1, 15, 0},  // 250 is in every range; only R1 holds kv 1
      {1.0, 150, 20, true, &e2, 20, 2},     // keepDim: R1 is out, R2 comes in the second pass
      {1.0, 150, 0, true, &e1, 15, 1},
  };
  for (const Case& c : cases) {
    ARMATUR r = record(99, c.dimension, 7, 7);
    const std::string label = std::to_string(c.kv) + " / " + std::to_string(c.dp) + " DN " + std::to_string(c.dimension);
    EXPECT_EQ(hz.findGlobalDiffdruckregler(c.kv, c.dp, r, c.keepDim), c.id != nullptr) << label;
    EXPECT_EQ(r.modellId, c.id != nullptr ? *c.id : 0) << label;
    EXPECT_EQ(r.dimension, c.chosenDimension) << label;
    EXPECT_EQ(r.einstellung, c.setting) << label;
    EXPECT_EQ(r.einstellung2, 7) << label;
  }
  ARMATUR r = record(0, 0);
  EXPECT_FALSE(HzArmaturContainer::findDiffdruckreglerEx({}, 1.0, 150, r, false));
}

TEST(DiffPressureRegulatorTieTest, EqualKvMaxKeepsTheLastInList) {
  // Candidates are walked from the last to the first; an equal distance does not replace.
  TestHz hz;
  EntryBuilder(HZ_DIFFERENZDRUCKREGLER, "T1").ddr(20, {300, 100}, {{2.0f, 1}, {0.5f, 1}}).addTo(hz);
  const int t2 = EntryBuilder(HZ_DIFFERENZDRUCKREGLER, "T2").ddr(20, {300, 100}, {{2.0f, 1}, {0.5f, 1}}).addTo(hz);
  ARMATUR r = record(0, 20);
  ASSERT_TRUE(hz.findGlobalDiffdruckregler(1.0, 200, r, false));
  EXPECT_EQ(r.modellId, t2);
}

// C1 DN 15 flows 0.5 .. 0.2, C2 DN 20 flows 1.0 .. 0.6, both setpoints 300 .. 100.
TEST(CombinedRegulatorTest, FlowPartMustCoverTheFlowInBothPasses) {
  TestHz hz;
  const int c1 = EntryBuilder(HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER, "C1")
                     .ddrdfr(15, {300, 200, 100}, {{2.0f, 10}, {0.5f, 2}}, {0.5f, 0.3f, 0.2f}, 150)
                     .addTo(hz);
  const int c2 = EntryBuilder(HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER, "C2")
                     .plain(205, 20)  // a regulator without flow part is no candidate
                     .ddrdfr(20, {300, 200, 100}, {{2.0f, 10}, {0.5f, 2}}, {1.0f, 0.75f, 0.6f}, 200)
                     .addTo(hz);
  struct Case {
    double kv, dp, flow;
    int id, dimension, setting, setting2;
  };
  const Case cases[] = {
      {1.0, 150, 0.3, c1, 15, 1, 1},
      {1.0, 150, 0.7, c2, 20, 1, 1},
      {1.0, 50, 0.7, c2, 20, 2, 1},   // second pass, still only C2 covers the flow
      {1.0, 150, 2.0, 0, 0, -1, -1},
      {1.0, 150, 0.0, 0, 0, -1, -1},
  };
  for (const Case& c : cases) {
    ARMATUR r = record(99, 0, 7, 7);
    EXPECT_EQ(hz.findGlobalDiffdruckreglerDFR(c.kv, c.dp, c.flow, r, false), c.id != 0) << c.flow;
    EXPECT_EQ(r.modellId, c.id) << c.flow;
    EXPECT_EQ(r.dimension, c.dimension) << c.flow;
    EXPECT_EQ(r.einstellung, c.setting) << c.flow;
    EXPECT_EQ(r.einstellung2, c.setting2) << c.flow;
  }
  // The local form keeps the record's second index when nothing is found.
  ARMATUR r = record(c1, 15, 4, 4);
  EXPECT_FALSE(hz.findLocalDiffdruckreglerDFR(1.0, 150, 0.7, r, false));
  EXPECT_EQ(r.einstellung2, 4);
}

}  // namespace
}  // namespace armakon
