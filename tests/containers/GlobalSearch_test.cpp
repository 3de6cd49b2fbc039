// The automatic choice of a variant from the global list: fixed resistances, adjustable
// resistances (keep or choose anew) and thermostatic valves, with their dimension filter,
// walking directions and tie rules.

#include <gtest/gtest.h>

#include "tests/containers/SizingFixtures.h"

namespace armakon {
namespace {

using namespace sizingtest;

constexpr enArmaturenTyp kDrossel = HZ_STRANGREGULIERVENTIL_DROSSEL;

TEST(FindGlobalFestwiderstandTest, GroupMatchingAndNearestSize) {
  TestContainer container;
  const int ballSmall = add(container, makeEntry(HZ_ALLGEMEINE_ARMATUREN, 211, "KH 1", {{15, {}}, {20, {}}}, "Kugelhahn"));
  const int flap = add(container, makeEntry(HZ_ALLGEMEINE_ARMATUREN, 211, "AK", {{50, {}}, {65, {}}}, "Absperrklappe"));
  const int ballLarge = add(container, makeEntry(HZ_ALLGEMEINE_ARMATUREN, 211, "KH 2", {{25, {}}, {32, {}}}, "KUGELHAHN"));
  add(container, makeEntry(TW_ALLGEMEINE_ARMATUREN, 211, "TW", {{20, {}}}, "Kugelhahn"));

  struct Case {
    const char* group;
    int dimension;
    int modellId;  // 0: no choice
    int chosenDimension;
  };
  const Case cases[] = {
      {"kugelhahn", 20, ballSmall, 20},  // group ignores case; DN 20 is the first reaching 20
      {"Kugelhahn", 30, ballLarge, 32},  // KH 1 offers only DN 20 below 30
      {"Kugelhahn", 0, ballSmall, 15},   // no preference: the first entry's first variant
      {"Kugelhahn", 80, ballLarge, 32},  // none reaches 80: the last candidate in list order
      {"", 80, ballLarge, 32},           // every group: DN 20, 65, 32, none reaches 80
      {"", 40, flap, 50},
      {"Absperrklappe", 15, flap, 50},
      {"Ventil", 20, 0, 20},
  };
  for (const Case& c : cases) {
    ARMATUR r = record(77, c.dimension, 3);
    const bool found = container.findGlobalFestwiderstand(c.group, HZ_ALLGEMEINE_ARMATUREN, r);
    EXPECT_EQ(found, c.modellId > 0) << c.group << " DN " << c.dimension;
    EXPECT_EQ(r.modellId, c.modellId) << c.group << " DN " << c.dimension;
    EXPECT_EQ(r.dimension, c.chosenDimension) << c.group << " DN " << c.dimension;
    EXPECT_EQ(r.einstellung, 3);  // a fixed resistance has no setting to touch
  }
  TestContainer empty;
  ARMATUR r = record(5, 20);
  EXPECT_FALSE(empty.findGlobalFestwiderstand("", HZ_ALLGEMEINE_ARMATUREN, r));
  EXPECT_EQ(r.modellId, 0);
}

// Three balancing valves of DN 20 with overlapping ranges:
//   A 4.0 .. 1.0   B 2.5 .. 0.5   C 6.0 .. 3.5
class BestArmTest : public ::testing::Test {
 protected:
  void SetUp() override {
    a = add(container, makeEntry(kDrossel, 204, "A", {{20, {4.0f, 3.0f, 2.0f, 1.0f}}}));
    b = add(container, makeEntry(kDrossel, 204, "B", {{20, {2.5f, 1.5f, 0.5f}}}));
    c = add(container, makeEntry(kDrossel, 204, "C", {{20, {6.0f, 5.0f, 3.5f}}}));
    // Not candidates: another kind, and a variant without a kv range.
    add(container, makeEntry(HZ_RUECKLAUFVERSCHRAUBUNG, 202, "other kind", {{20, {9.0f, 0.1f}}}));
    add(container, makeEntry(kDrossel, 211, "no range", {{20, {}}}));
  }
  TestContainer container;
  int a = 0, b = 0, c = 0;
};

TEST_F(BestArmTest, ChoosesByRangeEndsOrSmallestDeviation) {
  struct Case {
    double kv;
    bool fromOpen;
    int* id;
    int einstellung;
  };
  const Case cases[] = {
      {0.3, true, &b, 2},   // below every kvmin: smallest kvmin (B), fully closed
      {0.5, false, &b, 2},  // reaching kvmin exactly counts the same
      {7.0, true, &c, 0},   // above every kvmax: largest kvmax (C), fully open
      {6.0, false, &c, 0},
      {3.4, true, &c, 2},   // C closed (3.5) is 0.1 away; A reaches 3.0, B only 2.5
      {2.6, true, &b, 0},   // B open (2.5) is 0.1 away; A from open gives 2.0
      {2.6, false, &b, 0},  // A from closed gives 3.0, still farther than B
      {1.2, true, &a, 3},   // A from open gives 1.0 (0.2 away), B gives 0.5
      {1.4, true, &a, 3},   // from open B falls to 0.5, A to 1.0 ...
      {1.4, false, &b, 1},  // ... from closed B's 1.5 is nearest
      {1.9, false, &a, 2},  // A from closed: 2.0; B from closed: 2.5
  };
  for (const Case& k : cases) {
    ARMATUR r = record(0, 20);
    EXPECT_TRUE(container.findGlobalVariablenWiderstand_BestArm(k.kv, kDrossel, k.fromOpen, r)) << k.kv;
    EXPECT_EQ(r.modellId, *k.id) << "kv " << k.kv << (k.fromOpen ? " from open" : " from closed");
    EXPECT_EQ(r.einstellung, k.einstellung) << "kv " << k.kv << (k.fromOpen ? " from open" : " from closed");
    EXPECT_EQ(r.dimension, 20);
  }
}

TEST(BestArmTieTest, TiesKeepTheLaterPositionedCandidate) {
  TestContainer container;
  add(container, makeEntry(kDrossel, 204, "first", {{20, {2.0f, 1.0f, 0.5f}}}));
  const int second = add(container, makeEntry(kDrossel, 204, "second", {{20, {2.0f, 1.0f, 0.5f}}}));
  // Equal kvmin, equal kvmax and equal deviation: the walk from the last candidate meets
  // "second" first and nothing strictly better follows.
  for (const double kv : {0.2, 3.0, 0.9}) {
    ARMATUR r = record(0, 20);
    ASSERT_TRUE(container.findGlobalVariablenWiderstand_BestArm(kv, kDrossel, true, r));
    EXPECT_EQ(r.modellId, second) << kv;
  }
  // A strictly better earlier candidate does replace it.
  TestContainer better;
  const int closer = add(better, makeEntry(kDrossel, 204, "closer", {{20, {2.0f, 0.95f, 0.5f}}}));
  add(better, makeEntry(kDrossel, 204, "farther", {{20, {2.0f, 1.0f, 0.5f}}}));
  ARMATUR r = record(0, 20);
  ASSERT_TRUE(better.findGlobalVariablenWiderstand(0.9, kDrossel, r, true, false));
  EXPECT_EQ(r.modellId, closer);
  EXPECT_EQ(r.einstellung, 1);
}

TEST(BestArmSizeTest, DimensionFilterComesBeforeTheKv) {
  TestContainer container;
  // Its DN 25 would fit the kv exactly but is larger than wanted.
  add(container, makeEntry(kDrossel, 204, "large", {{25, {3.0f, 1.0f}}, {32, {5.0f, 2.0f}}}));
  const int mid = add(container, makeEntry(kDrossel, 204, "mid", {{15, {1.0f, 0.2f}}, {20, {1.5f, 0.5f}}}));
  const int small = add(container, makeEntry(kDrossel, 204, "small", {{10, {0.8f, 0.3f}}}));

  ARMATUR r = record(0, 20);
  ASSERT_TRUE(container.findGlobalVariablenWiderstand_BestArm(3.0, kDrossel, true, r));
  EXPECT_EQ(r.modellId, mid);  // DN 20 and DN 10 stay; mid has the largest kvmax
  EXPECT_EQ(r.dimension, 20);
  EXPECT_EQ(r.einstellung, 0);

  // Below every candidate's size only the smallest size stays.
  r = record(0, 8);
  ASSERT_TRUE(container.findGlobalVariablenWiderstand_BestArm(3.0, kDrossel, true, r));
  EXPECT_EQ(r.modellId, small);
  EXPECT_EQ(r.dimension, 10);

  // Above every size nothing is removed: large's DN 32 (the last variant) wins by kvmax.
  r = record(0, 50);
  ASSERT_TRUE(container.findGlobalVariablenWiderstand_BestArm(5.0, kDrossel, true, r));
  EXPECT_EQ(r.dimension, 32);

  r = record(9, 20, 4);
  EXPECT_FALSE(container.findGlobalVariablenWiderstand_BestArm(1.0, HZ_DIFFERENZDRUCKGEBER, true, r));
  EXPECT_EQ(r.modellId, 0);
  EXPECT_EQ(r.einstellung, -1);
}

TEST_F(BestArmTest, KeepArmStaysWithTheRecordsVariantWhileItsRangeHolds) {
  // kv 2.6 lies within A's range: A keeps it, although B would come closer.
  ARMATUR r = record(a, 20, 0);
  EXPECT_TRUE(container.findGlobalVariablenWiderstand(2.6, kDrossel, r, false, true));
  EXPECT_EQ(r.modellId, a);
  EXPECT_EQ(r.einstellung, 2);
  EXPECT_TRUE(container.findGlobalVariablenWiderstand_KeepArm(2.6, kDrossel, false, r));
  EXPECT_EQ(r.einstellung, 1);

  // Choosing anew, or a record without a variant, runs the best-variant search.
  r = record(a, 20, 0);
  EXPECT_TRUE(container.findGlobalVariablenWiderstand(2.6, kDrossel, r, true, true));
  EXPECT_EQ(r.modellId, b);
  r = record(0, 20, 0);
  EXPECT_TRUE(container.findGlobalVariablenWiderstand(2.6, kDrossel, r, false, true));
  EXPECT_EQ(r.modellId, b);

  // Outside A's range the kept variant gives way: from closed C reaches 5.0 for 4.6.
  r = record(a, 20, 0);
  EXPECT_TRUE(container.findGlobalVariablenWiderstand_KeepArm(4.6, kDrossel, false, r));
  EXPECT_EQ(r.modellId, c);
  EXPECT_EQ(r.einstellung, 1);
}

// Thermostatic valves of DN 10:
//   T1 kvmax 0.9   T2 kvmax 0.6   T3 kvmax 1.2
class ThermostatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t1 = add(container, makeEntry(HZ_THERMOSTATVENTIL, 201, "T1", {{10, {0.9f, 0.6f, 0.3f, 0.1f}}}));
    t2 = add(container, makeEntry(HZ_THERMOSTATVENTIL, 201, "T2", {{10, {0.6f, 0.4f, 0.2f, 0.05f}}}));
    t3 = add(container, makeEntry(HZ_THERMOSTATVENTIL, 201, "T3", {{10, {1.2f, 0.8f, 0.4f}}}));
    // Not thermostatic valve bodies, though of the kind and with a kvmax right at the wish.
    add(container, makeEntry(HZ_THERMOSTATVENTIL, 202, "screw fitting", {{10, {0.8f, 0.2f}}}));
  }
  TestContainer container;
  int t1 = 0, t2 = 0, t3 = 0;
};

TEST_F(ThermostatTest, PrefersKvmaxBetweenKvAndTheWish) {
  struct Case {
    double kv;
    double preferredMax;
    bool fromOpen;
    int* id;
    int einstellung;
  };
  const Case cases[] = {
      {0.35, 0.8, true, &t2, 2},   // T1 is nearer to 0.8, but only T2 stays below it
      {0.35, 0.8, false, &t2, 1},
      {0.7, 0.8, true, &t1, 1},    // none reaches 0.7 without exceeding 0.8: nearest overall
      {0.35, 1.1, true, &t1, 2},   // T3 is nearer to 1.1 but exceeds it
      {2.0, 1.5, true, &t3, 0},    // beyond every kvmax: nearest, fully open
      {0.02, 0.6, false, &t2, 3},  // below its kvmin: fully closed
  };
  for (const Case& c : cases) {
    ARMATUR r = record(0, 10, 5);
    EXPECT_TRUE(container.findGlobalVariablesTHKV(c.kv, c.preferredMax, c.fromOpen, r)) << c.kv;
    EXPECT_EQ(r.modellId, *c.id) << "kv " << c.kv << " wish " << c.preferredMax;
    EXPECT_EQ(r.einstellung, c.einstellung) << "kv " << c.kv << " wish " << c.preferredMax;
    EXPECT_EQ(r.dimension, 10);
  }
}

TEST(ThermostatTieTest, EqualDistanceKeepsTheLaterPositionedValve) {
  TestContainer container;
  add(container, makeEntry(HZ_THERMOSTATVENTIL, 201, "below", {{10, {0.5f, 0.25f}}}));
  const int above = add(container, makeEntry(HZ_THERMOSTATVENTIL, 201, "above", {{10, {1.0f, 0.25f}}}));
  // Both kvmax lie 0.25 from 0.75, neither between kv 0.7 and 0.75.
  ARMATUR r = record(0, 10);
  ASSERT_TRUE(container.findGlobalVariablesTHKV(0.7, 0.75, true, r));
  EXPECT_EQ(r.modellId, above);

  // The same among the valves between kv and the wish; the nearer one above the wish loses.
  TestContainer within;
  add(within, makeEntry(HZ_THERMOSTATVENTIL, 201, "X", {{10, {0.5f, 0.25f}}}));
  const int y = add(within, makeEntry(HZ_THERMOSTATVENTIL, 201, "Y", {{10, {0.5f, 0.25f}}}));
  add(within, makeEntry(HZ_THERMOSTATVENTIL, 201, "Z", {{10, {0.8f, 0.25f}}}));
  r = record(0, 10);
  ASSERT_TRUE(within.findGlobalVariablesTHKV(0.3, 0.75, true, r));
  EXPECT_EQ(r.modellId, y);

  TestContainer none;
  add(none, makeEntry(HZ_STRANGREGULIERVENTIL_DROSSEL, 201, "wrong kind", {{10, {0.6f, 0.3f}}}));
  r = record(3, 10, 2);
  EXPECT_FALSE(none.findGlobalVariablesTHKV(0.4, 0.6, true, r));
  EXPECT_EQ(r.modellId, 0);
  EXPECT_EQ(r.einstellung, -1);
}

}  // namespace
}  // namespace armakon
