// Differential-pressure regulators, alone and with flow regulator: the setpoint walk, the tie
// rule of the kvmax choice and the flow part in both passes.

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
