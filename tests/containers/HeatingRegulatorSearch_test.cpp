// Differential-pressure regulators, alone and with flow regulator: the setpoint walk, the tie
// rule of the kvmax choice, the flow part in both passes, and the search against the literal
// procedure on generated containers.

#include <gtest/gtest.h>

#include <algorithm>
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

// The search as the procedure reads, every value rounded before it is compared: the reference
// for the search, which rounds only values near the wanted one and reads the typed ranges in
// place.
bool referenceRegulatorSearch(ArmaturenModellSpan list, double kv, double dp, double flow, bool withFlow,
                              ARMATUR& record, bool keepDim) {
  if ((withFlow && flow < kFormulaEpsilon) || list.empty()) return false;
  const enArmaturenTyp kind = withFlow ? HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER : HZ_DIFFERENZDRUCKREGLER;
  const auto& wantedClass = withFlow ? hydArmaturDDRDFR::GetThisClass() : hydArmaturDDR::GetThisClass();
  const double rdp = Round(dp, 0), rflow = Round(flow, 3), k = Round(kv, 3);
  ArmaturArray candidates;
  int minDim = std::numeric_limits<int>::max(), maxDim = std::numeric_limits<int>::min();
  for (int pass = 0; pass < 2 && candidates.empty(); ++pass) {
    for (const auto& entry : list) {
      if (entry->getTyp() != kind) continue;
      const auto& variants = entry->getModell().getArmaturen();
      for (auto it = variants.rbegin(); it != variants.rend(); ++it) {
        const hydArmatur* v = it->get();
        if (!v->IsKindOf(wantedClass)) continue;
        if (keepDim && record.dimension >= 1 && v->getDimension() != record.dimension) continue;
        if (withFlow) {
          const hydArmaturDFR& part = static_cast<const hydArmaturDDRDFR*>(v)->getDFRAnteil();
          if (!(Round(part.getFlowRateMin(), 3) <= rflow && rflow <= Round(part.getFlowRateMax(), 3))) continue;
        }
        const auto* r = static_cast<const hydArmaturDDR*>(v);
        const float low = Round(static_cast<float>(r->getDpSollMin()), 0);
        const float high = Round(static_cast<float>(r->getDpSollMax()), 0);
        if (pass == 0 ? (low <= rdp && rdp <= high) : low > rdp) {
          candidates.push_back(v);
          minDim = std::min(minDim, v->getDimension());
          maxDim = std::max(maxDim, v->getDimension());
        }
      }
    }
  }
  if (candidates.empty()) return false;
  auto covers = [k](const hydArmatur* v) {
    return Round(static_cast<float>(v->getKvmin()), 3) <= k && k <= Round(static_cast<float>(v->getKvmax()), 3);
  };
  if (std::any_of(candidates.begin(), candidates.end(), covers)) {
    std::erase_if(candidates, [&](const hydArmatur* v) { return !covers(v); });
  }
  RnArmaturContainer::sortOut(minDim, maxDim, record.dimension, candidates);
  const hydArmatur* choice = nullptr;
  for (const bool onlyReaching : {true, false}) {
    double best = 0.0;
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
      if (onlyReaching && !(Round(static_cast<float>((*it)->getKvmax()), 3) >= k)) continue;
      const double distance = std::fabs(k - (*it)->getKvmax());
      if (choice == nullptr || distance < best) {
        choice = *it;
        best = distance;
      }
    }
    if (choice != nullptr) break;
  }
  if (choice == nullptr) return record.modellId >= 1 && record.dimension > 0;
  record.einstellung = HzArmaturContainer::findEinstellungDDR(static_cast<const hydArmaturDDR*>(choice), dp);
  if (withFlow) {
    record.einstellung2 =
        HzArmaturContainer::findEinstellungDFR(&static_cast<const hydArmaturDDRDFR*>(choice)->getDFRAnteil(), flow);
  }
  record.dimension = choice->getDimension();
  record.modellId = RnArmaturContainer::findParentModellId(list, choice);
  return record.modellId >= 1 && record.dimension > 0;
}

TEST(RegulatorSearchReference, SearchAnswersAsTheLiteralProcedureOnGeneratedContainers) {
  testsupport::SeededRandom random(20261207);
  // Values on a grid of half thousandths (and half units for setpoints), so that rounding
  // halves and equal distances occur.
  auto grid = [&random](double low, double high, double step) {
    return static_cast<float>(step * static_cast<int>(random.uniform(low, high) / step));
  };
  auto curve = [&](int nodes, double low, double high, double step) {
    std::vector<float> ys;
    for (int i = 0; i < nodes; ++i) ys.push_back(grid(low, high, step));
    std::sort(ys.rbegin(), ys.rend());  // node 0 holds the largest
    return ys;
  };
  int found = 0;
  for (int container = 0; container < 40; ++container) {
    std::vector<std::unique_ptr<ArmaturenModell>> list;
    for (int e = 0, entries = 1 + random.below(6); e < entries; ++e) {
      auto entry = std::make_unique<ArmaturenModell>();
      const bool combined = random.below(2) == 0;
      entry->setTyp(combined ? HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER : HZ_DIFFERENZDRUCKREGLER);
      entry->setId(e + 1);
      for (int v = 0, variants = 1 + random.below(4); v < variants; ++v) {
        // Now and then a variant of the other regulator class or a plain one.
        const int pick = random.below(8);
        const int type = pick == 0 ? 211 : ((combined != (pick == 1)) ? 208 : 205);
        hydArmatur* variant = entry->getModell().Add(type);
        variant->setArmType(type);
        variant->setDimension(10 + 5 * random.below(5));
        if (type == 211) continue;
        auto* regulator = static_cast<hydArmaturDDR*>(variant);
        regulator->addKennlinieDp(settingCurve(curve(random.below(5), 50.0, 300.0, 0.5)));
        CKurve deviation;
        for (const float x : curve(random.below(4), 0.1, 3.0, 0.0005)) deviation.addCurveNode(x, "", 5.0f);
        regulator->addKennlinieKvzuPAbw(deviation);
        if (type == 208) {
          auto* withFlow = static_cast<hydArmaturDDRDFR*>(regulator);
          withFlow->getDFRAnteil().addKurve(settingCurve(curve(random.below(5), 0.02, 1.0, 0.0005)));
          withFlow->setWirkdruck(100.0f);
        }
      }
      list.push_back(std::move(entry));
    }
    for (int query = 0; query < 30; ++query) {
      const bool withFlow = random.below(2) == 0;
      const double kv = grid(0.0, 3.2, 0.0005) + (random.below(2) == 0 ? 0.0 : random.uniform(-0.001, 0.001));
      const double dp = grid(30.0, 320.0, 0.5) + (random.below(2) == 0 ? 0.0 : random.uniform(-1.0, 1.0));
      const double flow = grid(0.0, 1.1, 0.0005) + (random.below(2) == 0 ? 0.0 : random.uniform(-0.001, 0.001));
      const int dn = random.below(3) == 0 ? 0 : 10 + 5 * random.below(5);
      const bool keepDim = random.below(3) == 0;
      ARMATUR fast = heatingtest::record(0, dn);
      ARMATUR slow = heatingtest::record(0, dn);
      const bool okFast = withFlow ? HzArmaturContainer::findDiffdruckreglerDFREx(list, kv, dp, flow, fast, keepDim)
                                   : HzArmaturContainer::findDiffdruckreglerEx(list, kv, dp, fast, keepDim);
      const bool okSlow = referenceRegulatorSearch(list, kv, dp, flow, withFlow, slow, keepDim);
      SCOPED_TRACE(::testing::Message() << "container " << container << " kv " << kv << " dp " << dp << " flow "
                                        << flow << " dn " << dn << " combined " << withFlow);
      ASSERT_EQ(okFast, okSlow);
      EXPECT_EQ(fast.modellId, slow.modellId);
      EXPECT_EQ(fast.dimension, slow.dimension);
      EXPECT_EQ(fast.einstellung, slow.einstellung);
      EXPECT_EQ(fast.einstellung2, slow.einstellung2);
      found += okFast ? 1 : 0;
    }
  }
  // The generated data must exercise the choice, not only the misses.
  EXPECT_GT(found, 300);
}

}  // namespace
}  // namespace armakon
