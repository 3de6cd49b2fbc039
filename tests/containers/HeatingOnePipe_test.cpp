// One-pipe fittings: the radiator's share of the flow (the search on the sample fitting is in
// HeatingSamples_test).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "armakon/containers/HydraulicFormulas.h"
#include "tests/SeededRandom.h"
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


// The search as the procedure reads, every fitting set and compared: the reference for the
// search, which sets only fittings that could still win.
bool referenceOnePipeSearch(ArmaturenModellSpan list, double share, double kvHK, ARMATUR& record) {
  const double s = Round(share, 2);
  if (s < 0.0 || s > 1.0) return false;
  ArmaturArray all;
  ArmaturArray inRange;
  for (const auto& entry : list) {
    if (entry->getTyp() != HZ_EINROHRVERSCHRAUBUNG) continue;
    for (const auto& variant : entry->getModell().getArmaturen()) {
      const auto* fitting = dynamic_cast<const hydArmaturEAV*>(variant.get());
      if (fitting == nullptr) continue;
      all.push_back(fitting);
      double a = 0.0, b = 0.0;
      HzArmaturContainer::getHKMassenstromAnteileEAV(fitting, kvHK, a, b);
      if (Round(a, 2) <= s && s <= Round(b, 2)) inRange.push_back(fitting);
    }
  }
  if (all.empty()) return false;
  ArmaturArray candidates = inRange.empty() ? all : inRange;
  int minDim = candidates.front()->getDimension(), maxDim = minDim;
  for (const hydArmatur* v : candidates) {
    minDim = std::min(minDim, v->getDimension());
    maxDim = std::max(maxDim, v->getDimension());
  }
  RnArmaturContainer::sortOut(minDim, maxDim, record.dimension, candidates);
  const hydArmatur* preferred = ArmaturenModell::findNearestArmaturEx(candidates, record.dimension);
  if (preferred == nullptr) return record.modellId >= 1 && record.dimension > 0;
  auto y3At = [&](const hydArmatur* v) {
    const auto* fitting = static_cast<const hydArmaturEAV*>(v);
    const int setting = HzArmaturContainer::findEinstellungEAV(fitting, s, kvHK);
    return setting < 0 ? std::numeric_limits<double>::max()
                       : static_cast<double>(fitting->getKurve14().getAt(setting).y3);
  };
  const hydArmatur* choice = preferred;
  double smallest = y3At(preferred);
  for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
    const double y3 = y3At(*it);
    if (y3 < smallest) {
      choice = *it;
      smallest = y3;
    }
  }
  record.einstellung = HzArmaturContainer::findEinstellungEAV(static_cast<const hydArmaturEAV*>(choice), s, kvHK);
  record.dimension = choice->getDimension();
  record.modellId = RnArmaturContainer::findParentModellId(list, choice);
  return record.modellId >= 1 && record.dimension > 0;
}

TEST(OnePipeSearchReference, SearchAnswersAsTheLiteralProcedureOnGeneratedContainers) {
  testsupport::SeededRandom random(20261206);
  int found = 0;
  for (int container = 0; container < 40; ++container) {
    std::vector<std::unique_ptr<ArmaturenModell>> list;
    for (int e = 0, entries = 1 + random.below(5); e < entries; ++e) {
      auto entry = std::make_unique<ArmaturenModell>();
      entry->setTyp(HZ_EINROHRVERSCHRAUBUNG);
      entry->setId(e + 1);
      for (int v = 0, variants = 1 + random.below(4); v < variants; ++v) {
        auto* fitting = static_cast<hydArmaturEAV*>(entry->getModell().Add(203));
        fitting->setArmType(203);
        fitting->setDimension(10 + 5 * random.below(5));
        CKurve14 curve;
        // Bypass kv rising and branch kv falling towards the last node; y3 in few values, so
        // that ties occur.
        for (int k = 0, nodes = random.below(7); k < nodes; ++k) {
          curve.addCurveNode(curveNode14(k + 1.0f, "", static_cast<float>(random.uniform(0.2, 1.0) * (k + 1)),
                                         static_cast<float>(random.uniform(0.5, 2.0) / (k + 1)),
                                         static_cast<float>(10 + random.below(4)), 0.0f));
        }
        fitting->addKurve14(curve);
      }
      list.push_back(std::move(entry));
    }
    for (int query = 0; query < 20; ++query) {
      const double share = random.uniform(-0.05, 1.05);
      const double kvHK = random.uniform(0.0, 2.0);
      const int dn = random.below(3) == 0 ? 0 : 10 + 5 * random.below(5);
      ARMATUR fast = heatingtest::record(0, dn);
      ARMATUR slow = heatingtest::record(0, dn);
      const bool okFast = HzArmaturContainer::findEinrohrVerschraubungEx(list, share, kvHK, fast);
      const bool okSlow = referenceOnePipeSearch(list, share, kvHK, slow);
      SCOPED_TRACE(::testing::Message() << "container " << container << " share " << share << " kvHK " << kvHK
                                        << " dn " << dn);
      ASSERT_EQ(okFast, okSlow);
      EXPECT_EQ(fast.modellId, slow.modellId);
      EXPECT_EQ(fast.dimension, slow.dimension);
      EXPECT_EQ(fast.einstellung, slow.einstellung);
      found += okFast ? 1 : 0;
    }
  }
  // The generated data must exercise the choice, not only the misses.
  EXPECT_GT(found, 500);
}

}  // namespace
}  // namespace armakon
