// `armakon load` of one large sheet-2 file as a whole process, against `wc -l` reading the
// same file: what a user waits for at the shell, start-up and tear-down included. Reports the
// ratio of the wall times ("load_vs_wc") and the tool's peak resident memory per byte of the
// file ("peak_per_file_byte"). The file is generated into a temporary folder and removed at
// exit.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "armakon/components/AtomicFile.h"
#include "bench/CatalogGenerator.h"
#include "bench/ProcessRun.h"

namespace {

namespace fs = std::filesystem;
using armakon::bench::ProcessRun;
using armakon::bench::RunProcess;

constexpr std::size_t kFileBytes = 20u * 1000u * 1000u;

class BigFile {
 public:
  static const BigFile& get() {
    static const BigFile file;
    return file;
  }
  const std::string& path() const { return path_; }
  std::size_t bytes() const { return bytes_; }

 private:
  BigFile() {
    std::string pattern = (fs::temp_directory_path() / "armakon_bench_load_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    folder_ = pattern;
    const fs::path path = folder_ / "BIG.VDI";
    if (!armakon::writeFileAtomically(path, armakon::bench::GenerateVdiText(kFileBytes, {}))) return;
    path_ = path.string();
    bytes_ = static_cast<std::size_t>(fs::file_size(path));
  }
  ~BigFile() {
    std::error_code error;
    if (!folder_.empty()) fs::remove_all(folder_, error);
  }
  fs::path folder_;
  std::string path_;
  std::size_t bytes_ = 0;
};

void LoadProcess(benchmark::State& state) {
  const BigFile& file = BigFile::get();
  if (file.path().empty()) {
    state.SkipWithError("no file");
    return;
  }
  const std::string descriptions = std::string(ARMAKON_SOURCE_DIR) + "/data/samples/descriptions";
  RunProcess({"wc", "-l", file.path()});  // the file in the page cache for both
  double tool = 0.0;
  double wc = 0.0;
  double peak = 0.0;
  for (auto _ : state) {
    const ProcessRun plain = RunProcess({"wc", "-l", file.path()});
    const ProcessRun load = RunProcess({ARMAKON_TOOL, "load", file.path(), "--descriptions", descriptions});
    if (!plain.started || plain.exitCode != 0 || !load.started || load.exitCode < 0 || load.exitCode == 2) {
      state.SkipWithError("a process failed");
      return;
    }
    state.SetIterationTime(load.seconds);
    tool += load.seconds;
    wc += plain.seconds;
    peak = std::max(peak, load.peakMB);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["file_MB"] = static_cast<double>(file.bytes()) / 1e6;
  state.counters["load_ms"] = tool * 1e3 / n;
  state.counters["wc_ms"] = wc * 1e3 / n;
  state.counters["load_vs_wc"] = tool / wc;
  state.counters["peak_MB"] = peak;
  state.counters["peak_per_file_byte"] = peak * 1024.0 * 1024.0 / static_cast<double>(file.bytes());
}
BENCHMARK(LoadProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
