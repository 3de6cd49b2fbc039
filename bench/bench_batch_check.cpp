// Batch checking of a catalog tree: `armakon check ROOT -o DIR` over 200 generated sheet-2
// files (50 to 300 kB), with two worker processes against one ("speedup", the median of nine
// pairs of runs), and the peak resident memory of the whole batch (parent and every worker)
// against the largest file ("peak_per_largest_file_byte") and against the whole tree
// ("peak_per_tree_byte"): memory is bounded by the files in flight, not by the tree. The data
// are generated into a temporary folder and removed at exit.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "bench/CatalogGenerator.h"
#include "bench/ProcessRun.h"

namespace {

namespace fs = std::filesystem;
using armakon::bench::ProcessRun;
using armakon::bench::RunProcess;

constexpr int kFiles = 200;

class Tree {
 public:
  static const Tree& get() {
    static const Tree tree;
    return tree;
  }
  const fs::path& root() const { return root_; }
  std::size_t largest() const { return largest_; }
  std::size_t total() const { return total_; }

 private:
  Tree() {
    std::string pattern = (fs::temp_directory_path() / "armakon_bench_batch_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    folder_ = pattern;
    const fs::path root = folder_ / "catalogs";
    for (int i = 0; i < kFiles; ++i) {
      armakon::bench::GeneratorOptions options;
      options.seed = static_cast<unsigned>(i + 1);
      options.manufacturer = "Benchwerk " + std::to_string(i / 20 + 1);
      options.variantsPerModel = 6 + i % 5;
      const std::size_t bytes = 50000u + static_cast<std::size_t>(i % 11) * 25000u;
      const fs::path folder = root / ("Hersteller_" + std::to_string(i / 20 + 1)) / "VDI_2";
      std::error_code error;
      fs::create_directories(folder, error);
      const fs::path path = folder / ("BENCH_" + std::to_string(i + 1) + ".VDI");
      if (error || !armakon::writeFileAtomically(path, armakon::bench::GenerateVdiText(bytes, options))) return;
      const std::size_t size = static_cast<std::size_t>(fs::file_size(path));
      largest_ = std::max(largest_, size);
      total_ += size;
    }
    root_ = root;
  }
  ~Tree() {
    std::error_code error;
    if (!folder_.empty()) fs::remove_all(folder_, error);
  }
  fs::path folder_;
  fs::path root_;
  std::size_t largest_ = 0;
  std::size_t total_ = 0;
};

ProcessRun checkTree(int jobs) {
  const Tree& tree = Tree::get();
  const std::string reports = (tree.root().parent_path() / ("reports_" + std::to_string(jobs))).string();
  return RunProcess({ARMAKON_TOOL, "check", tree.root().string(), "-o", reports, "--jobs", std::to_string(jobs),
                     "--descriptions", std::string(ARMAKON_SOURCE_DIR) + "/data/samples/descriptions"});
}

void BatchCheck(benchmark::State& state) {
  const Tree& tree = Tree::get();
  if (tree.root().empty()) {
    state.SkipWithError("no catalog tree");
    return;
  }
  checkTree(2);  // the files in the page cache for both
  double one = 0.0;
  double two = 0.0;
  double peak = 0.0;
  // Each iteration runs both batches back to back, so its ratio compares them at the same
  // speed of the machine; the median of those ratios is not moved by a phase in which the
  // whole machine ran slower, as a ratio of sums over all iterations is.
  std::vector<double> speedups;
  bool singleFirst = true;
  for (auto _ : state) {
    // The order alternates, so that whatever one batch leaves behind for the next (the disk
    // still busy with its reports) falls on both sides alike.
    ProcessRun single;
    ProcessRun pair;
    if (singleFirst) {
      single = checkTree(1);
      pair = checkTree(2);
    } else {
      pair = checkTree(2);
      single = checkTree(1);
    }
    singleFirst = !singleFirst;
    if (single.exitCode < 0 || single.exitCode == 2 || pair.exitCode < 0 || pair.exitCode == 2) {
      state.SkipWithError("the batch check failed");
      return;
    }
    state.SetIterationTime(pair.seconds);
    one += single.seconds;
    two += pair.seconds;
    speedups.push_back(single.seconds / pair.seconds);
    peak = std::max({peak, single.peakMB, pair.peakMB});
  }
  const double n = static_cast<double>(state.iterations());
  const double peakBytes = peak * 1024.0 * 1024.0;
  state.counters["files"] = kFiles;
  state.counters["one_worker_ms"] = one * 1e3 / n;
  state.counters["two_workers_ms"] = two * 1e3 / n;
  std::sort(speedups.begin(), speedups.end());
  state.counters["speedup"] = speedups[speedups.size() / 2];
  state.counters["largest_file_MB"] = static_cast<double>(tree.largest()) / 1e6;
  state.counters["tree_MB"] = static_cast<double>(tree.total()) / 1e6;
  state.counters["peak_MB"] = peak;
  state.counters["peak_per_largest_file_byte"] = peakBytes / static_cast<double>(tree.largest());
  state.counters["peak_per_tree_byte"] = peakBytes / static_cast<double>(tree.total());
}
BENCHMARK(BatchCheck)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
