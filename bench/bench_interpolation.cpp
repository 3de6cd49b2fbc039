// Interpolation table lookups: GetY (bisection) against a plain linear scan of the same
// 50-node table, both fed the same sequence of query points. Prints the ratio of the two
// per-lookup times at the end ("linear scan / GetY").

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/NumberText.h"

namespace {

constexpr int kNodes = 50;
constexpr std::size_t kQueries = 4096;

struct Fixture {
  armakon::CHydrixInterpolation table;
  std::vector<double> xs;
  std::vector<double> ys;
  std::vector<double> queries;

  Fixture() {
    // A pump-like falling curve on uneven node spacing.
    for (int i = 0; i < kNodes; ++i) {
      const double x = 0.002 * i + 0.0001 * i * i;
      const double y = 50000.0 - 3.0e7 * x * x;
      table.Add(x, y);
      xs.push_back(x);
      ys.push_back(y);
    }
    // Fixed-seed linear congruential sequence: the same queries in every run and for both sides,
    // most inside the range, some just outside it.
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    const double span = xs.back() - xs.front();
    for (std::size_t q = 0; q < kQueries; ++q) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
      queries.push_back(xs.front() - 0.05 * span + 1.1 * span * unit);
    }
  }
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

// The reference: the same answer as GetY(x, false) found by walking the nodes from the start.
double linearGetY(const std::vector<double>& xs, const std::vector<double>& ys, double x) {
  if (xs.empty() || x < xs.front() || x > xs.back()) return armakon::CHydrixInterpolation::kNoValue;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    if (xs[i] == x) return ys[i];
    if (xs[i] > x) {
      const double dx = xs[i] - xs[i - 1];
      return dx == 0.0 ? ys[i - 1] : ys[i - 1] + (ys[i] - ys[i - 1]) * ((x - xs[i - 1]) / dx);
    }
  }
  return ys.back();
}

void BM_GetY(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.table.GetY(f.queries[q], false));
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetY);

void BM_LinearScan(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(linearGetY(f.xs, f.ys, f.queries[q]));
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LinearScan);


bool answersAgree() {
  const Fixture& f = fixture();
  for (const double x : f.queries) {
    const double a = f.table.GetY(x, false);
    const double b = linearGetY(f.xs, f.ys, x);
    if (std::fabs(a - b) > 1e-9 * std::fabs(b) + 1e-12) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!answersAgree()) {
    std::fputs("GetY and the linear scan disagree: the comparison would be meaningless\n", stderr);
    return 1;
  }
  RatioReporter reporter;
  if (!runBenchmarks(argc, argv, reporter)) return 1;
  const std::string label = armakon::formatC("linear scan / GetY on %d nodes", kNodes);
  reporter.printRatio(label.c_str(), "BM_LinearScan", "BM_GetY");
  return 0;
}
