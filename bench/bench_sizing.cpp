// Sizing search: RnArmaturContainer::findGlobalVariablenWiderstand (choosing anew) over a
// global list of 100 balancing valves x 10 nominal sizes x 20-node kv curves, against one plain
// pass over the kv ranges (getKvmin, getKvmax) of the same 1000 variants, both fed the same
// (kv, DN) queries. Host network calculations call the search per component and iteration, so
// its cost per call is what matters; prints "ns per call" and the ratio at the end.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmaturDross.h"

namespace {

using armakon::ARMATUR;
using armakon::ArmaturenModell;
using armakon::RnArmaturContainer;
using armakon::hydVDIArmaturen::CKurve;
using armakon::hydVDIArmaturen::hydArmatur;
using armakon::hydVDIArmaturen::hydArmaturDross;

constexpr int kEntries = 100;
constexpr int kNodes = 20;
constexpr int kSizes[] = {10, 15, 20, 25, 32, 40, 50, 65, 80, 100};
constexpr std::size_t kQueries = 4096;
constexpr armakon::enArmaturenTyp kKind = armakon::HZ_STRANGREGULIERVENTIL_DROSSEL;

class BenchContainer : public RnArmaturContainer {
 public:
  BenchContainer() : RnArmaturContainer(2) {}
};

struct Query {
  double kv;
  int dn;
};

struct Fixture {
  BenchContainer container;
  std::vector<Query> queries;

  Fixture() {
    // Balancing valves: the larger the size, the larger the kv; each model a little different.
    for (int e = 0; e < kEntries; ++e) {
      ArmaturenModell entry;
      entry.setGlobal(1);
      entry.setTyp(kKind);
      entry.getModell().setManufacturerModel("Benchwerk", "STRV " + std::to_string(e));
      const double modelScale = 0.6 + 0.8 * e / kEntries;
      for (int s = 0; s < static_cast<int>(std::size(kSizes)); ++s) {
        hydArmatur* variant = entry.getModell().Add(204);
        variant->setArmType(204);
        variant->setDimension(kSizes[s]);
        const double kvMax = modelScale * 0.4 * kSizes[s] * kSizes[s] / 100.0;
        const double kvMin = 0.05 * kvMax;
        CKurve curve;
        curve.setEinheitx("Umdrehungen");
        for (int i = 0; i < kNodes; ++i) {
          const double open = static_cast<double>(kNodes - 1 - i) / (kNodes - 1);
          curve.addCurveNode(static_cast<float>(kNodes - i) * 0.5f, "",
                             static_cast<float>(kvMin + (kvMax - kvMin) * open * open));
        }
        static_cast<hydArmaturDross*>(variant)->addKurve(curve);
      }
      container.append(entry);
    }
    // A fixed-seed sequence of wanted kv values over the whole range, and sizes including
    // "no preference" and sizes between the catalog's.
    constexpr int kDns[] = {0, 10, 15, 20, 22, 25, 32, 40, 50, 65, 80, 100, 125};
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    for (std::size_t q = 0; q < kQueries; ++q) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
      const int dn = kDns[(state >> 7) % std::size(kDns)];
      queries.push_back({0.01 + 45.0 * unit * unit, dn});
    }
  }
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

void BM_FindGlobalVariablenWiderstand(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    const Query& query = f.queries[q];
    ARMATUR record;
    record.dimension = query.dn;
    benchmark::DoNotOptimize(
        f.container.findGlobalVariablenWiderstand(query.kv, kKind, record, true, (q & 1) != 0));
    benchmark::DoNotOptimize(record);
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindGlobalVariablenWiderstand);

// The least any search over these variants must do: read every variant's kv range once.
void BM_PlainKvRangePass(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    const double kv = f.queries[q].kv;
    int inRange = 0;
    for (const auto& entry : f.container.getGlobalList()) {
      for (const auto& variant : entry->getModell().getArmaturen()) {
        if (variant->getKvmin() <= kv && kv <= variant->getKvmax()) ++inRange;
      }
    }
    benchmark::DoNotOptimize(inRange);
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlainKvRangePass);

// Keeps the per-iteration CPU time of each benchmark to print the ratio after the run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        times[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

// The timing only means something while the search does its whole work: every query must
// end with a chosen variant.
bool everyQueryChooses() {
  const Fixture& f = fixture();
  for (const Query& query : f.queries) {
    ARMATUR record;
    record.dimension = query.dn;
    if (!f.container.findGlobalVariablenWiderstand(query.kv, kKind, record, true, false)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!everyQueryChooses()) {
    std::fputs("the search found no valve for some query: the timing would be meaningless\n", stderr);
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto search = reporter.times.find("BM_FindGlobalVariablenWiderstand");
  const auto plain = reporter.times.find("BM_PlainKvRangePass");
  if (search != reporter.times.end()) {
    std::fputs(armakon::formatC("findGlobalVariablenWiderstand over %d x %d variants of %d nodes: %.0f ns per call\n",
                                kEntries, static_cast<int>(std::size(kSizes)), kNodes, search->second)
                   .c_str(),
               stdout);
    if (plain != reporter.times.end() && plain->second > 0.0) {
      std::fputs(armakon::formatC("ratio search / plain kv-range pass: %.2f\n", search->second / plain->second).c_str(),
                 stdout);
    }
  }
  benchmark::Shutdown();
  return 0;
}
