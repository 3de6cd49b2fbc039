#pragma once
// Shared by the benchmark programs: every measurement is reported as a ratio to a reference
// that ran in the same process, so that figures from a loaded or a different machine still
// compare. The reporter keeps each benchmark's time per iteration for printing after the run.

#include "armakon/components/NumberText.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Real time for benchmarks dominated by file I/O, CPU time otherwise.
  explicit RatioReporter(bool useRealTime = false)
      : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular), useRealTime_(useRealTime) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        times_[run.run_name.function_name] = useRealTime_ ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Time per iteration in nanoseconds, or 0 when the benchmark did not run (filtered out).
  double nanoseconds(const std::string& name) const {
    const auto it = times_.find(name);
    return it == times_.end() ? 0.0 : it->second;
  }

  // Prints "ratio LABEL: R (measured X ns, reference Y ns)" when both ran.
  void printRatio(const char* label, const std::string& measured, const std::string& reference) const {
    const double a = nanoseconds(measured);
    const double b = nanoseconds(reference);
    if (a <= 0.0 || b <= 0.0) return;
    std::fputs(armakon::formatC("ratio %s: %.2f (%.1f ns against %.1f ns)\n", label, a / b, a, b).c_str(), stdout);
  }

 private:
  bool useRealTime_;
  std::map<std::string, double> times_;
};

// Initialises Google Benchmark from the command line and runs every benchmark through the
// reporter; false on unrecognised arguments.
inline bool runBenchmarks(int argc, char** argv, RatioReporter& reporter) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return true;
}
