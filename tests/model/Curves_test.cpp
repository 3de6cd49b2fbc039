// Valve curves: nearest and interpolating lookups and the temperature functions of setting
// curves.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/TreeFile.h"
#include "armakon/model/CEinstellungKurve.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmaturDross.h"

namespace {

using armakon::CHydrixInterpolation;
using armakon::CNode;
using namespace armakon::hydVDIArmaturen;

CKurve curveOf(const std::vector<float>& xs, const std::vector<float>& ys) {
  CKurve curve;
  for (std::size_t i = 0; i < xs.size(); ++i) curve.addCurveNode(xs[i], "s" + std::to_string(i), ys[i]);
  return curve;
}

// --- nearest lookups ---------------------------------------------------------------------

struct NearestCase {
  const char* name;
  std::vector<float> xs;
  std::vector<float> ys;
  double x;
  int mode;
  float expected;
};

TEST(CurveNearest, YNearestFollowsEndRulesExactMatchAndModes) {
  const std::vector<NearestCase> cases = {
      {"rising tie goes to lower index", {0, 1, 2}, {10, 20, 30}, 1.5, 0, 20},
      {"rising closer node", {0, 1, 2}, {10, 20, 30}, 1.6, 0, 30},
      {"rising greater", {0, 1, 2}, {10, 20, 30}, 1.5, 1, 30},
      {"rising smaller", {0, 1, 2}, {10, 20, 30}, 1.5, 2, 20},
      {"rising below first, any mode", {0, 1, 2}, {10, 20, 30}, -5, 1, 10},
      {"rising above last, any mode", {0, 1, 2}, {10, 20, 30}, 9, 2, 30},
      {"exact match beats the mode", {0, 1, 2}, {10, 20, 30}, 1.000001, 2, 20},
      {"exact match just below a node", {0, 1, 2}, {10, 20, 30}, 0.999995, 2, 20},
      {"falling tie goes to lower index", {2, 1, 0}, {30, 20, 10}, 1.5, 0, 30},
      {"falling greater coordinate", {2, 1, 0}, {30, 20, 10}, 1.4, 1, 30},
      {"falling smaller coordinate", {2, 1, 0}, {30, 20, 10}, 1.6, 2, 20},
      {"falling above first", {2, 1, 0}, {30, 20, 10}, 5, 0, 30},
      {"falling below last", {2, 1, 0}, {30, 20, 10}, -1, 1, 10},
      {"flat curve answers the first node", {1, 1}, {5, 6}, 3, 0, 5},
      {"one node answers its y", {4}, {7}, -100, 2, 7},
      {"empty curve", {}, {}, 1, 0, CKurve::kNoNearest},
  };
  for (const NearestCase& c : cases) {
    EXPECT_EQ(curveOf(c.xs, c.ys).getYNearest(c.x, c.mode), c.expected) << c.name;
  }
}

TEST(CurveNearest, XNearestSearchesByYAndReportsWhetherItTookANode) {
  struct Case {
    const char* name;
    std::vector<float> xs;
    std::vector<float> ys;
    double y;
    int mode;
    int found;
    float x;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"rising tie", {1, 2, 3}, {10, 20, 30}, 15, 0, 1, 1, "s0"},
      {"rising greater", {1, 2, 3}, {10, 20, 30}, 15, 1, 1, 2, "s1"},
      {"rising smaller", {1, 2, 3}, {10, 20, 30}, 25, 2, 1, 2, "s1"},
      {"falling greater y", {1, 2, 3}, {30, 20, 10}, 12, 1, 1, 2, "s1"},
      {"falling beyond first", {1, 2, 3}, {30, 20, 10}, 99, 2, 1, 1, "s0"},
      {"one node, mode 0", {4}, {10}, 99, 0, 1, 4, "s0"},
      {"one node above, mode 1", {4}, {10}, 5, 1, 1, 4, "s0"},
      {"one node below, mode 1", {4}, {10}, 15, 1, 0, -7, "keep"},
      {"one node above, mode 2", {4}, {10}, 5, 2, 0, -7, "keep"},
      {"one node below, mode 2", {4}, {10}, 15, 2, 1, 4, "s0"},
      {"empty", {}, {}, 1, 0, 0, -7, "keep"},
  };
  for (const Case& c : cases) {
    float x = -7;
    std::string text = "keep";
    EXPECT_EQ(curveOf(c.xs, c.ys).getXNearest(x, text, c.y, c.mode), c.found) << c.name;
    EXPECT_EQ(x, c.x) << c.name;
    EXPECT_EQ(text, c.text) << c.name;
  }
}

// --- interpolating lookups ---------------------------------------------------------------

TEST(CurveInterpolation, AnswersSentinelsOneNodeAndBothDirections) {
  const CKurve empty;
  EXPECT_EQ(empty.getYInterpol(1.0), CKurve::kNoInterpol);
  EXPECT_EQ(empty.getXInterpol(1.0), 3.4028235e38f);

  CKurve single;
  single.addCurveNode(2.0f, "a", 8.0f, 3.0f);
  EXPECT_EQ(single.getYInterpol(-50.0), 8.0f);  // one node answers whatever is asked
  EXPECT_EQ(single.getX(99.0), 2.0f);

  const CKurve rising = curveOf({0, 1, 2}, {10, 20, 30});
  EXPECT_FLOAT_EQ(rising.getYInterpol(1.25), 22.5f);
  EXPECT_FLOAT_EQ(rising.getXInterpol(15.0), 0.5f);
  EXPECT_EQ(rising.getYInterpol(2.5), CKurve::kNoInterpol);
  EXPECT_EQ(rising.getYInterpol(std::nan("")), CKurve::kNoInterpol);

  // A falling curve, left in stored order, still interpolates between its neighbours.
  const CKurve falling = curveOf({2, 1, 0}, {30, 20, 10});
  EXPECT_FLOAT_EQ(falling.getYInterpol(1.5), 25.0f);
  EXPECT_FLOAT_EQ(falling.getXInterpol(12.0), 0.2f);
  EXPECT_EQ(falling.getYInterpol(-0.5), CKurve::kNoInterpol);

  CKurve withX2;
  withX2.addCurveNode(0.0f, "", 0.0f, 100.0f);
  withX2.addCurveNode(4.0f, "", 0.0f, 200.0f);
  EXPECT_FLOAT_EQ(withX2.getX2(1.0), 125.0f);
  EXPECT_FLOAT_EQ(withX2.getX(150.0), 2.0f);
}

TEST(CurveInterpolation, ExactMatchTakesTheFirstCloseNodeInStoredOrder) {
  // Two nodes within 1e-5 of the searched x: the first stored wins, not the segment.
  const CKurve curve = curveOf({1.0f, 1.000005f, 2.0f}, {5, 7, 9});
  EXPECT_EQ(curve.getYInterpol(1.000004), 5.0f);
  EXPECT_EQ(curve.getYInterpol(1.0000055), 5.0f);
}

// The curve answers by walking its nodes; it must give exactly what the interpolation table,
// filled with the nodes in stored order, gives - on any data, ordered or not.
float byTable(const CKurve& curve, double value) {
  if (curve.bIsEmpty()) return CKurve::kNoInterpol;
  if (curve.getCount() == 1) return curve.getAt(0).y;
  CHydrixInterpolation table;
  for (const curveNode& node : curve.nodes()) {
    if (std::fabs(static_cast<double>(node.x) - value) < 1e-5) return node.y;
    table.Add(node.x, node.y);
  }
  const double answer = table.GetY(value, false);
  return answer == CHydrixInterpolation::kNoValue ? CKurve::kNoInterpol : static_cast<float>(answer);
}

TEST(CurveInterpolation, WalkEqualsTheTableOnRandomCurves) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> count(0, 12);
  std::uniform_int_distribution<int> coarse(-4, 4);
  std::uniform_real_distribution<float> fine(-10.0f, 10.0f);
  std::uniform_int_distribution<int> shape(0, 3);
  int compared = 0;
  for (int round = 0; round < 3000; ++round) {
    CKurve curve;
    const int n = count(random);
    const int kind = shape(random);
    float x = fine(random);
    for (int i = 0; i < n; ++i) {
      // rising, falling, unordered, and coarse values full of repeats
      if (kind == 0) x += std::abs(fine(random)) + 0.001f;
      if (kind == 1) x -= std::abs(fine(random)) + 0.001f;
      if (kind == 2) x = fine(random);
      if (kind == 3) x = static_cast<float>(coarse(random));
      curve.addCurveNode(x, "", fine(random));
    }
    for (int q = 0; q < 20; ++q) {
      const double value = q % 4 == 0 ? static_cast<double>(coarse(random)) : static_cast<double>(fine(random));
      const float expected = byTable(curve, value);
      const float actual = curve.getYInterpol(value);
      ASSERT_TRUE(expected == actual || (std::isnan(expected) && std::isnan(actual)))
          << "round " << round << " value " << value << ": table " << expected << ", curve " << actual;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 60000);
}

// --- temperature functions of a setting curve ------------------------------------------------

// Regulator temperature 55 °C: kv 1.0 at 50 °C, 0.5 at 55 °C, 0.1 at 60 °C; below 50 °C the
// function continues the 50..55 segment in whole degrees (kv 1.1 at 49 °C, 6.0 at 0 °C).
CEinstellungKurve setting55() {
  CEinstellungKurve curve;
  curve.addCurveNode(50.0f, "", 1.0f);
  curve.addCurveNode(55.0f, "", 0.5f);
  curve.addCurveNode(60.0f, "", 0.1f);
  curve.setTemperatur(55.0);
  return curve;
}

TEST(SettingCurveFunction, WholeDegreesThenNodesWithAndWithoutDisinfection) {
  CHydrixInterpolation out;
  out.Add(1, 1);
  EXPECT_FALSE(CEinstellungKurve().getFunktion(out, true));
  EXPECT_TRUE(out.isEmpty());

  CEinstellungKurve curve = setting55();
  ASSERT_TRUE(curve.getFunktion(out, true));
  ASSERT_EQ(out.getSize(), 53);  // 0..49 °C, then the three nodes
  EXPECT_NEAR(out.GetAtYArray(0), 6.0, 1e-9);
  EXPECT_NEAR(out.GetY(10.0, false), 5.0, 1e-9);
  EXPECT_EQ(out.lastX(), 60.0);

  ASSERT_TRUE(curve.getFunktion(out, false));
  EXPECT_EQ(out.getSize(), 54);  // plus (75, last kv)
  EXPECT_EQ(out.lastX(), 75.0);
  EXPECT_FLOAT_EQ(static_cast<float>(out.lastY()), 0.1f);

  curve.setKvDesinfektion(0.3);
  ASSERT_TRUE(curve.getFunktion(out, false));
  ASSERT_EQ(out.getSize(), 56);
  EXPECT_EQ(out.GetAtXArray(53), 66.0);
  EXPECT_EQ(out.GetAtXArray(54), 68.0);
  EXPECT_EQ(out.GetAtYArray(54), 0.3);

  // Inside an automatic throttle, the whole-degree section stays below its kv at disinfection.
  hydArmaturDross owner;
  owner.setKvDesinfektion(0.8f);
  curve.setParent(&owner);
  ASSERT_TRUE(curve.getFunktion(out, true));
  EXPECT_NEAR(out.GetAtYArray(0), 0.8, 1e-6);
  EXPECT_NEAR(out.GetAtYArray(49), 0.8, 1e-6);
  EXPECT_EQ(out.GetAtYArray(50), 1.0);
}

TEST(SettingCurveFunction, FindTemperatureByKv) {
  const CEinstellungKurve curve = setting55();
  EXPECT_NEAR(curve.findTemperaturByKvWert(0.5), 55.0, 1e-9);
  EXPECT_NEAR(curve.findTemperaturByKvWert(0.75), 52.5, 1e-9);
  EXPECT_NEAR(curve.findTemperaturByKvWert(1.15), 48.5, 1e-6);  // in the whole-degree section
  EXPECT_EQ(curve.findTemperaturByKvWert(0.4), -1.0);  // only from the setting's temperature down
  EXPECT_EQ(CEinstellungKurve().findTemperaturByKvWert(1.0), -1.0);

  // Capped below 50 °C, the kv stops rising there: the search ends at the 50 °C node.
  hydArmaturDross owner;
  owner.setKvDesinfektion(0.8f);
  CEinstellungKurve capped = setting55();
  capped.setParent(&owner);
  EXPECT_NEAR(capped.findTemperaturByKvWert(0.9), 51.0, 1e-9);
  EXPECT_EQ(capped.findTemperaturByKvWert(1.05), -1.0);
}

}  // namespace
