// Valve curve lookups: CKurve::getYInterpol on a 20-node setting curve against the interpolation
// table's GetY alone, on a table already built from the same nodes, both fed the same query
// points. getYInterpol applies the exact-match rule and answers from its own nodes; the table
// only bisects. A third run fills a fresh table for every lookup, the cost a curve would pay
// if it built its table per call. Prints "getYInterpol / GetY" (and the per-call table) at the end.

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/NumberText.h"
#include "armakon/model/CKurve.h"

namespace {

using armakon::CHydrixInterpolation;
using armakon::hydVDIArmaturen::CKurve;

constexpr int kNodes = 20;
constexpr std::size_t kQueries = 4096;

struct Fixture {
  CKurve curve;
  CHydrixInterpolation table;
  std::vector<double> queries;

  Fixture() {
    // A presettable valve: settings 0.5 .. 10 in uneven steps, kv rising with the setting.
    for (int i = 0; i < kNodes; ++i) {
      const float setting = 0.5f + 0.4f * static_cast<float>(i) + 0.004f * static_cast<float>(i * i);
      const float kv = 0.05f + 0.002f * setting * setting * setting;
      curve.addCurveNode(setting, std::to_string(i), kv);
      table.Add(setting, kv);
    }
    // The same fixed-seed sequence for every side: mostly inside the range, some beyond it.
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    const double first = curve.getFirstNode().x;
    const double span = curve.getLastNode().x - first;
    for (std::size_t q = 0; q < kQueries; ++q) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
      queries.push_back(first - 0.05 * span + 1.1 * span * unit);
    }
  }
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

void BM_CurveGetYInterpol(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.curve.getYInterpol(f.queries[q]));
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CurveGetYInterpol);

void BM_TableGetY(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.table.GetY(f.queries[q], false));
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TableGetY);

void BM_TableBuiltPerCall(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    CHydrixInterpolation table;
    for (const auto& node : f.curve.nodes()) table.Add(node.x, node.y);
    benchmark::DoNotOptimize(table.GetY(f.queries[q], false));
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TableBuiltPerCall);


// The comparison only means something while both give the same answers (the curve applies its
// exact-match rule first; no query of this sequence lies that close to a node).
bool answersAgree() {
  const Fixture& f = fixture();
  for (const double x : f.queries) {
    const double fromTable = f.table.GetY(x, false);
    const float expected = fromTable == CHydrixInterpolation::kNoValue ? CKurve::kNoInterpol
                                                                        : static_cast<float>(fromTable);
    if (f.curve.getYInterpol(x) != expected) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!answersAgree()) {
    std::fputs("getYInterpol and the table disagree: the comparison would be meaningless\n", stderr);
    return 1;
  }
  RatioReporter reporter;
  if (!runBenchmarks(argc, argv, reporter)) return 1;
  const std::string label = armakon::formatC("getYInterpol / GetY on %d nodes", kNodes);
  reporter.printRatio(label.c_str(), "BM_CurveGetYInterpol", "BM_TableGetY");
  reporter.printRatio("table built per call / GetY", "BM_TableBuiltPerCall", "BM_TableGetY");
  return 0;
}
