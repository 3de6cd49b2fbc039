// The highest and lowest static curve, and the constant- and proportional-pressure
// control curves of a pump.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "armakon/pumps/hydPumpe.h"

namespace {

using namespace armakon;
using Pairs = std::vector<std::pair<double, double>>;

hydPumpenKennlinie* addCurve(hydPumpe& pumpe, const Pairs& pairs) {
  hydPumpenKennlinie* kennlinie = pumpe.addKennlinie();
  kennlinie->setNummer(pumpe.getAnzKennlinien());
  for (const auto& [x, y] : pairs) kennlinie->getTable().Add(x, y);
  return kennlinie;
}

Pairs pairsOf(const CHydrixInterpolation& table) {
  Pairs pairs;
  for (int i = 0; i < table.getSize(); ++i) pairs.emplace_back(table.GetAtXArray(i), table.GetAtYArray(i));
  return pairs;
}

void expectPairs(const CHydrixInterpolation& table, const Pairs& expected, const std::string& what) {
  const Pairs actual = pairsOf(table);
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i].first, expected[i].first, 1e-12) << what << ", node " << i;
    EXPECT_NEAR(actual[i].second, expected[i].second, 1e-6) << what << ", node " << i;
  }
}

// A pump with the settable head range 100 ... 600 mbar and one curve below a higher one.
struct ControlledPump {
  hydPumpe pumpe;
  explicit ControlledPump(const Pairs& maxCurve, int regelungTyp = 1) {
    pumpe.setDpMin(100);
    pumpe.setDpMax(600);
    pumpe.setRegelungTypCode(regelungTyp);
    addCurve(pumpe, {{0, 20000}, {0.001, 0}});
    addCurve(pumpe, maxCurve);
  }
};

TEST(StaticCurves, HighestAndLowestUseStrictComparisons) {
  struct Case {
    std::vector<double> heads;  // zero-flow heads in array order
    int max;                    // index of the highest curve, -1 for none
    int min;
  };
  const Case cases[] = {
      {{}, -1, -1},
      {{30000, 50000, 40000}, 1, 0},
      {{50000, 20000, 50000, 20000}, 0, 1},  // ties keep the earlier curve
      {{0, 0}, -1, 0},                        // no head above 0: no highest curve
      {{-100, 0}, -1, 0},
      {{0, 100}, 1, 0},
  };
  int row = 0;
  for (const Case& c : cases) {
    hydPumpe pumpe;
    for (const double head : c.heads) addCurve(pumpe, {{0, head}, {0.001, 0}});
    EXPECT_EQ(pumpe.getStatischeKennlinieMax(), pumpe.getStatischeKennlinie(c.max)) << "case " << row;
    EXPECT_EQ(pumpe.getStatischeKennlinieMin(), pumpe.getStatischeKennlinie(c.min)) << "case " << row;
    ++row;
  }
}

TEST(ControlCurve, SetpointMustLieInTheSettableRange) {
  const std::pair<double, bool> cases[] = {
      {70000, false}, {50000, true}, {60000, true}, {10000, true}, {9999.9, false}, {60000.1, false}};
  for (const auto& [setpoint, ok] : cases) {
    ControlledPump p({{0, 60000}, {0.001, 40000}, {0.002, 0}});
    CHydrixInterpolation out;
    out.Add(1, 1);
    EXPECT_EQ(p.pumpe.getRegelkennlinie(setpoint, 0, out), ok) << setpoint;
    EXPECT_EQ(out.isEmpty(), !ok) << setpoint;
  }

  // Without a settable range (both -1 mbar) only -100 Pa passes the range check.
  hydPumpe ohneBereich;
  addCurve(ohneBereich, {{0, 60000}, {0.002, 0}});
  CHydrixInterpolation out;
  EXPECT_FALSE(ohneBereich.getRegelkennlinie(0.0, 0, out));
  EXPECT_TRUE(ohneBereich.getRegelkennlinie(-100.0, 0, out));
}

TEST(ControlCurve, ConstantAndProportionalPressure) {
  struct Case {
    const char* what;
    Pairs maxCurve;
    double setpoint;
    Pairs constant;
    Pairs proportional;
  };
  const double xCross = 0.001 - 0.0005 * 2.0 / 3.0;  // 55000 -> 40000 crosses 50000 at 2/3
  const Case cases[] = {
      {"only the first node above: it moves to the crossing",
       {{0, 60000}, {0.001, 40000}, {0.002, 0}},
       50000,
       {{0.0005, 50000}, {0.001, 40000}, {0.002, 0}},
       {{0.0005, 50000}, {0.001, 40000}, {0.002, 0}}},
      {"two nodes above: the first is lowered, the second moves",
       {{0, 60000}, {0.0005, 55000}, {0.001, 40000}},
       50000,
       {{0, 50000}, {xCross, 50000}, {0.001, 40000}},
       {{0, 25000}, {xCross, 50000}, {0.001, 40000}}},
      {"the next node meets the setpoint exactly: no crossing between them",
       {{0, 60000}, {0.001, 50000}, {0.002, 0}},
       50000,
       {{0, 60000}, {0.001, 50000}, {0.002, 0}},
       {}},  // the proportional line would be vertical here; not a case of the data
      {"all nodes above: all but the last are lowered",
       {{0, 60000}, {0.001, 55000}, {0.002, 52000}},
       50000,
       {{0, 50000}, {0.001, 50000}, {0.002, 52000}},
       {{0, 25000}, {0.001, 50000}, {0.002, 52000}}},
      {"no node above: the static curve",
       {{0, 45000}, {0.001, 30000}, {0.002, 0}},
       50000,
       {{0, 45000}, {0.001, 30000}, {0.002, 0}},
       {{0, 45000}, {0.001, 30000}, {0.002, 0}}},
      {"a one-node curve is never cut",
       {{0, 60000}},
       50000,
       {{0, 60000}},
       {{0, 60000}}},
  };
  for (const Case& c : cases) {
    CHydrixInterpolation out;
    ControlledPump konstant(c.maxCurve, 1);
    ASSERT_TRUE(konstant.pumpe.getRegelkennlinie(c.setpoint, 1, out)) << c.what;
    expectPairs(out, c.constant, std::string("constant: ") + c.what);
    if (c.proportional.empty()) continue;
    ControlledPump proportional(c.maxCurve, 2);
    ASSERT_TRUE(proportional.pumpe.getRegelkennlinie(c.setpoint, 0, out)) << c.what;
    expectPairs(out, c.proportional, std::string("proportional: ") + c.what);
  }
}

TEST(ControlCurve, ModeOnlyMattersForTypeThree) {
  const Pairs maxCurve = {{0, 60000}, {0.0005, 55000}, {0.001, 40000}};
  struct Case {
    int typ;
    int modus;
    bool proportional;
  };
  const Case cases[] = {{3, 0, false}, {3, 1, true}, {3, -1, true}, {2, 0, true}, {2, 1, true},
                        {1, 1, false}, {0, 1, false}, {-1, 1, false}};
  for (const Case& c : cases) {
    ControlledPump p(maxCurve, c.typ);
    CHydrixInterpolation out;
    ASSERT_TRUE(p.pumpe.getRegelkennlinie(50000, c.modus, out));
    EXPECT_DOUBLE_EQ(out.GetAtYArray(0), c.proportional ? 25000 : 50000) << c.typ << '/' << c.modus;
  }
}

TEST(ControlCurve, UsesTheHighestCurveAndNeedsOne) {
  hydPumpe pumpe;
  pumpe.setDpMin(0);
  pumpe.setDpMax(1000);
  pumpe.setRegelungTypCode(1);
  addCurve(pumpe, {{0, 0}, {0.001, 0}});
  addCurve(pumpe, {{0, 0}, {0.002, 0}});
  CHydrixInterpolation out;
  EXPECT_FALSE(pumpe.getRegelkennlinie(50000, 0, out));  // all curves start at head 0
  EXPECT_TRUE(out.isEmpty());

  addCurve(pumpe, {{0, 70000}, {0.003, 0}});
  addCurve(pumpe, {{0, 60000}, {0.004, 0}});
  ASSERT_TRUE(pumpe.getRegelkennlinie(35000, 0, out));
  expectPairs(out, {{0.0015, 35000}, {0.003, 0}}, "highest curve");
  // The pump's own curve is left as it was.
  EXPECT_EQ(pumpe.getStatischeKennlinie(2)->getMinVolumenstrom(), 0.0);
}

}  // namespace
