// The check report of a large generated sheet-2 file (thermostatic valves of all five valve
// kinds, so the report converts every product with its XP curves and accessories), next to
// loading the same file.
//
// Each iteration loads the file into a fresh document (the reference: read, decode, parse,
// build the record tree) and then writes its check report (the measured time: resolving every
// TGA number, selecting the products of each of the twelve valve types, converting them and
// writing the lines). "report_vs_load" = report time / load time.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "armakon/components/AtomicFile.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "armakon/vdi3805/CheckReport.h"
#include "bench/CatalogGenerator.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kFileBytes = 8u * 1000u * 1000u;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

class BenchFile {
 public:
  static BenchFile& get() {
    static BenchFile file;
    return file;
  }
  const std::string& path() const { return path_; }

 private:
  BenchFile() {
    std::string pattern = (fs::temp_directory_path() / "armakon_bench_check_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    root_ = pattern;
    armakon::CVDITemplate::SetFolder(std::string(ARMAKON_SOURCE_DIR) + "/data/samples/descriptions");
    const fs::path file = root_ / "CHECK.VDI";
    if (armakon::writeFileAtomically(file, armakon::bench::GenerateVdiText(kFileBytes, {}))) path_ = file.string();
  }
  ~BenchFile() {
    std::error_code error;
    if (!root_.empty()) fs::remove_all(root_, error);
  }

  fs::path root_;
  std::string path_;
};

void CheckReportOfLargeFile(benchmark::State& state) {
  const std::string& path = BenchFile::get().path();
  if (path.empty()) {
    state.SkipWithError("no file");
    return;
  }
  double loadTime = 0.0;
  double reportTime = 0.0;
  armakon::CheckReportCounts counts;
  std::size_t lines = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    auto document = std::make_unique<armakon::CVDIDoc>();
    if (!document->Load(path, false, 2)) {
      state.SkipWithError("load failed");
      return;
    }
    const double load = seconds(Clock::now() - start);
    start = Clock::now();
    armakon::StringList report;
    counts = armakon::BuildCheckReport(report, *document);
    const double build = seconds(Clock::now() - start);
    state.SetIterationTime(build);
    lines = report.size();
    loadTime += load;
    reportTime += build;
    armakon::CMiniReportUtil::instance().clear();
  }
  armakon::CMiniReportUtil::instance().setIncludeDocumentInfo(true);
  armakon::CMiniReportUtil::instance().setIncludeRecordContext(false);
  const double n = static_cast<double>(state.iterations());
  state.counters["products"] = counts.products;
  state.counters["valid"] = counts.valid;
  state.counters["entries"] = counts.hints + counts.errors;
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["products_per_s"] = counts.products * n / reportTime;
  state.counters["load_ms"] = loadTime * 1e3 / n;
  state.counters["report_vs_load"] = reportTime / loadTime;
}
BENCHMARK(CheckReportOfLargeFile)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
