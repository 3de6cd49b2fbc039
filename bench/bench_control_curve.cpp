// Control curves: hydPumpe::getRegelkennlinie on a pump whose highest curve has 40 nodes,
// for constant and proportional pressure, against the plain copy of that same table into a
// kept table (the copy every control curve starts with). Prints ns per call of each and the
// ratio "control curve / copy" at the end.

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/NumberText.h"
#include "armakon/pumps/hydPumpe.h"

namespace {

constexpr int kNodes = 40;
constexpr double kSetpoint = 40000.0;  // Pa; cuts the highest curve about halfway

// A pump of type 3 (constant and proportional pressure) with three speed curves; the highest
// one has kNodes nodes on a parabola from 60000 Pa at zero flow to 0 Pa at 0.004 m³/s.
struct Fixture {
  armakon::hydPumpe pumpe;
  const armakon::CHydrixInterpolation* highest = nullptr;

  Fixture() {
    pumpe.setDpMin(50);
    pumpe.setDpMax(600);
    pumpe.setRegelungTypCode(3);
    for (const double scale : {0.5, 0.8, 1.0}) {
      armakon::hydPumpenKennlinie* kennlinie = pumpe.addKennlinie();
      for (int i = 0; i < kNodes; ++i) {
        const double x = 0.004 * scale * i / (kNodes - 1);
        const double ratio = x / (0.004 * scale);
        kennlinie->getTable().Add(x, 60000.0 * scale * scale * (1.0 - ratio * ratio));
      }
      highest = &kennlinie->getTable();
    }
  }
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

void BM_CopyTable(benchmark::State& state) {
  const Fixture& f = fixture();
  armakon::CHydrixInterpolation out;
  for (auto _ : state) {
    out.reset();
    out = *f.highest;
    benchmark::DoNotOptimize(out);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CopyTable);

void controlCurve(benchmark::State& state, int modus) {
  const Fixture& f = fixture();
  armakon::CHydrixInterpolation out;
  const double setpoint = kSetpoint;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.pumpe.getRegelkennlinie(setpoint, modus, out));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_RegelkennlinieKonstant(benchmark::State& state) { controlCurve(state, 0); }
BENCHMARK(BM_RegelkennlinieKonstant);

void BM_RegelkennlinieProportional(benchmark::State& state) { controlCurve(state, 1); }
BENCHMARK(BM_RegelkennlinieProportional);


// The measured calls must do the work the benchmark claims: a cut curve of 40 nodes whose
// proportional form starts at half the setpoint.
bool curvesAsExpected() {
  const Fixture& f = fixture();
  armakon::CHydrixInterpolation konstant;
  armakon::CHydrixInterpolation proportional;
  return f.pumpe.getRegelkennlinie(kSetpoint, 0, konstant) && f.pumpe.getRegelkennlinie(kSetpoint, 1, proportional) &&
         konstant.getSize() == kNodes && konstant.GetAtYArray(0) == kSetpoint &&
         proportional.GetAtYArray(0) == kSetpoint * 0.5 && konstant.GetAtYArray(kNodes - 1) == 0.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!curvesAsExpected()) {
    std::fputs("the control curve of the benchmark pump is not what the benchmark assumes\n", stderr);
    return 1;
  }
  RatioReporter reporter;
  if (!runBenchmarks(argc, argv, reporter)) return 1;
  for (const char* name : {"BM_RegelkennlinieKonstant", "BM_RegelkennlinieProportional"}) {
    const std::string label = armakon::formatC("%s / table copy on %d nodes", name, kNodes);
    reporter.printRatio(label.c_str(), name, "BM_CopyTable");
  }
  return 0;
}
