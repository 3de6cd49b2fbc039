// Heating sizing searches: a mixed batch of HzArmaturContainer global searches (differential-
// pressure regulators, combined regulators, flow regulators, thermostatic valves with flow
// limitation, one-pipe fittings, in turn) over a global list of 100 entries (20 per kind, 6
// nominal sizes each, 8-node curves), against one plain pass over the same candidates: every
// variant of the query's kind read once (size and kv range), for the same queries. Host network
// calculations call these searches per component and iteration, so the cost per call is what
// matters; prints "ns per call" (also per kind) and the ratio at the end.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "bench/RatioReporter.h"

namespace {

using armakon::ARMATUR;
using armakon::ArmaturenModell;
using armakon::enArmaturenTyp;
using armakon::HzArmaturContainer;
using namespace armakon::hydVDIArmaturen;

constexpr int kEntriesPerKind = 20;
constexpr int kNodes = 8;
constexpr int kSizes[] = {10, 15, 20, 25, 32, 40};
constexpr int kSizeCount = static_cast<int>(std::size(kSizes));
constexpr std::size_t kQueries = 4096;
constexpr enArmaturenTyp kKinds[] = {armakon::HZ_DIFFERENZDRUCKREGLER, armakon::HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER,
                                     armakon::HZ_DURCHFLUSSREGLER, armakon::HZ_THERMOSTATVENTIL,
                                     armakon::HZ_EINROHRVERSCHRAUBUNG};

class BenchContainer : public HzArmaturContainer {
 public:
  BenchContainer() = default;
};

// Entry e's spread around the catalog's typical values (0.8 .. 1.2).
double spread(int e) { return 0.8 + 0.4 * e / kEntriesPerKind; }
// Largest set flow (m³/h) of size index i; the smallest is a quarter of it.
double maxFlow(int e, int i) { return 0.15 * std::pow(i + 1.0, 1.5) * spread(e); }
// Largest kv of a regulator of size index i; the smallest is a fifth of it.
double maxKv(int e, int i) { return (i + 1.0) * (i + 1.0) * spread(e); }

// Node k of n from `from` to `to`.
float step(double from, double to, int k) { return static_cast<float>(from + (to - from) * k / (kNodes - 1)); }

CKurve setpointCurve(int e) {
  CKurve curve;
  for (int k = 0; k < kNodes; ++k) curve.addCurveNode(k + 1.0f, "", step(300.0 + 20 * (e % 10), 50.0 + 5 * (e % 10), k));
  return curve;
}
CKurve deviationCurve(int e, int i) {
  CKurve curve;
  for (int k = 0; k < kNodes; ++k) curve.addCurveNode(step(maxKv(e, i), 0.2 * maxKv(e, i), k), "", step(20.0, 2.0, k));
  return curve;
}
CKurve flowCurve(int e, int i) {
  CKurve curve;
  for (int k = 0; k < kNodes; ++k) curve.addCurveNode(k + 1.0f, "", step(maxFlow(e, i), 0.25 * maxFlow(e, i), k));
  return curve;
}

// The VDI 3805 valve type of the variants of each kind, in the order of kKinds.
constexpr int kTypes[] = {205, 208, 207, 212, 203};

void addVariant(ArmaturenModell& entry, int kindIndex, int e, int i) {
  const int type = kTypes[kindIndex];
  hydArmatur* variant = entry.getModell().Add(type);
  variant->setArmType(type);
  variant->setDimension(kSizes[i]);
  switch (type) {
    case 205: {
      auto* ddr = static_cast<hydArmaturDDR*>(variant);
      ddr->addKennlinieDp(setpointCurve(e));
      ddr->addKennlinieKvzuPAbw(deviationCurve(e, i));
      break;
    }
    case 208: {
      auto* combined = static_cast<hydArmaturDDRDFR*>(variant);
      combined->addKennlinieDp(setpointCurve(e));
      combined->addKennlinieKvzuPAbw(deviationCurve(e, i));
      combined->getDFRAnteil().addKurve(flowCurve(e, i));
      combined->setWirkdruck(static_cast<float>(100 + 10 * (e % 7)));
      break;
    }
    case 207: {
      auto* dfr = static_cast<hydArmaturDFR*>(variant);
      dfr->addKurve(flowCurve(e, i));
      dfr->setWirkdruck(static_cast<float>(100 + 10 * (e % 7)));
      break;
    }
    case 212: {
      CKurve14 curve;
      for (int k = 0; k < kNodes; ++k) {
        curve.addCurveNode(curveNode14(k + 1.0f, "", 0.0f, 1000.0f, step(150.0 + e, 50.0 + e, k),
                                       step(maxFlow(e, i), 0.25 * maxFlow(e, i), k)));
      }
      static_cast<hydArmaturTHKVDFR*>(variant)->addKurve(curve);
      break;
    }
    default: {
      CKurve14 curve;
      const double b = i + 1.0;
      for (int k = 0; k < kNodes; ++k) {
        curve.addCurveNode(curveNode14(k + 1.0f, "", step(0.5 * b, 2.5 * b, k), step(2.0 * b, 0.3 * b, k),
                                       static_cast<float>(10 + e % 5 + k), 0.0f));
      }
      static_cast<hydArmaturEAV*>(variant)->addKurve14(curve);
      break;
    }
  }
}

struct Query {
  int kind;  // index into kKinds
  int dn;
  double kv, dp, flow, share, kvRadiator;
};

struct Fixture {
  BenchContainer container;
  std::vector<Query> queries;

  Fixture() {
    for (int e = 0; e < kEntriesPerKind; ++e) {
      for (int k = 0; k < static_cast<int>(std::size(kKinds)); ++k) {
        ArmaturenModell entry;
        entry.setGlobal(1);
        entry.setTyp(kKinds[k]);
        entry.getModell().setManufacturerModel("Benchwerk", "Regler " + std::to_string(kTypes[k]) + "-" + std::to_string(e));
        for (int i = 0; i < kSizeCount; ++i) addVariant(entry, k, e, i);
        container.append(entry);
      }
    }
    // Fixed-seed queries that every entry of the wanted size can serve; the regulators'
    // queries name their size, the others also ask with no preferred size.
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    auto next = [&state] {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      return static_cast<double>(state >> 11) / 9007199254740992.0;
    };
    for (std::size_t q = 0; q < kQueries; ++q) {
      Query query{};
      query.kind = static_cast<int>(q % std::size(kKinds));
      const int i = static_cast<int>(next() * kSizeCount) % kSizeCount;
      const double b = i + 1.0;
      query.dn = (query.kind >= 2 && next() < 0.3) ? 0 : kSizes[i];
      query.kv = (0.3 + 0.45 * next()) * b * b;
      query.dp = 100.0 + 180.0 * next();
      query.flow = (0.05 + 0.06 * next()) * std::pow(b, 1.5);
      query.share = 0.1 + 0.8 * next();
      query.kvRadiator = 0.2 + 1.8 * next();
      queries.push_back(query);
    }
  }
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

bool runQuery(const HzArmaturContainer& hz, const Query& q, ARMATUR& record) {
  record = ARMATUR{};
  record.dimension = q.dn;
  switch (q.kind) {
    case 0:
      return hz.findGlobalDiffdruckregler(q.kv, q.dp, record, false);
    case 1:
      return hz.findGlobalDiffdruckreglerDFR(q.kv, q.dp, q.flow, record, false);
    case 2:
      return hz.findGlobalDurchflussregler(q.flow, record, false);
    case 3:
      return hz.findGlobalTHKVDurchflussregler(q.flow, record, false);
    default:
      return hz.findGlobalEinrohrVerschraubung(q.share, q.kvRadiator, record);
  }
}

// The queries of one kind only (all kinds for -1).
void runMix(benchmark::State& state, int kind) {
  const Fixture& f = fixture();
  std::vector<const Query*> queries;
  for (const Query& q : f.queries) {
    if (kind < 0 || q.kind == kind) queries.push_back(&q);
  }
  std::size_t q = 0;
  ARMATUR record;
  for (auto _ : state) {
    benchmark::DoNotOptimize(runQuery(f.container, *queries[q], record));
    benchmark::DoNotOptimize(record);
    q = (q + 1) % queries.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_HeatingGlobalSearchMix(benchmark::State& state) { runMix(state, -1); }
BENCHMARK(BM_HeatingGlobalSearchMix);
void BM_Diffdruckregler(benchmark::State& state) { runMix(state, 0); }
BENCHMARK(BM_Diffdruckregler);
void BM_DiffdruckreglerDFR(benchmark::State& state) { runMix(state, 1); }
BENCHMARK(BM_DiffdruckreglerDFR);
void BM_Durchflussregler(benchmark::State& state) { runMix(state, 2); }
BENCHMARK(BM_Durchflussregler);
void BM_THKVDurchflussregler(benchmark::State& state) { runMix(state, 3); }
BENCHMARK(BM_THKVDurchflussregler);
void BM_EinrohrVerschraubung(benchmark::State& state) { runMix(state, 4); }
BENCHMARK(BM_EinrohrVerschraubung);

// The least any search over these candidates must do: read every variant of the query's kind
// once (its size and kv range) and compare it with the query.
void BM_PlainCandidatePass(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    const Query& query = f.queries[q];
    const enArmaturenTyp kind = kKinds[query.kind];
    int fitting = 0;
    for (const auto& entry : f.container.getGlobalList()) {
      if (entry->getTyp() != kind) continue;
      for (const auto& variant : entry->getModell().getArmaturen()) {
        if (variant->getDimension() <= query.dn && variant->getKvmin() <= query.kv && query.kv <= variant->getKvmax()) {
          ++fitting;
        }
      }
    }
    benchmark::DoNotOptimize(fitting);
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlainCandidatePass);

// The timing only means something while the searches do their whole work: every query must
// end with a chosen variant.
bool everyQueryChooses() {
  const Fixture& f = fixture();
  ARMATUR record;
  for (const Query& query : f.queries) {
    if (!runQuery(f.container, query, record)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!everyQueryChooses()) {
    std::fputs("a heating search found no valve for some query: the timing would be meaningless\n", stderr);
    return 1;
  }
  RatioReporter reporter;
  if (!runBenchmarks(argc, argv, reporter)) return 1;
  const double search = reporter.nanoseconds("BM_HeatingGlobalSearchMix");
  if (search > 0.0) {
    std::fputs(armakon::formatC("heating global searches over %d entries x %d sizes: %.0f ns per call\n",
                                kEntriesPerKind * static_cast<int>(std::size(kKinds)), kSizeCount, search)
                   .c_str(),
               stdout);
  }
  reporter.printRatio("heating search mix / plain candidate pass", "BM_HeatingGlobalSearchMix",
                      "BM_PlainCandidatePass");
  return 0;
}
