// Loading VDI 3805 data: one large document, a whole catalog in parallel, the memory the
// record trees take, and the TGA-number resolution of every product of a large document.
//
// Each benchmark measures its reference in the same iterations (manual time), so the ratios
// hold under whatever else the machine does:
//  - DocumentLoad: read, decode, parse and build the tree of a 20 MB file, against a plain
//    pass that reads the same bytes and splits them into lines ("load_vs_plain" = load
//    throughput / plain throughput).
//  - CatalogLoadAll: LoadAll of 200 generated files with one worker per processor, against
//    the same load with one worker ("speedup"; see there for "cores_used").
//  - CatalogMemory: heap bytes held by the loaded catalog per byte of its files
//    ("tree_per_file_byte"), and the process's peak resident memory. Registered first, so the
//    peak is that of the catalog load (run it alone with --benchmark_filter=CatalogMemory for
//    a clean figure).
//  - TgaResolution: resolving the TGA numbers of every product of the 20 MB file, next to
//    the load of that file ("resolve_vs_load" = resolution time / load time).
// The data are generated into a temporary folder on first use and removed at exit.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "bench/CatalogGenerator.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using armakon::CVDIData;
using armakon::CVDIDoc;

constexpr std::size_t kBigFileBytes = 20u * 1000u * 1000u;
constexpr int kCatalogFiles = 200;
constexpr std::size_t kCatalogFileBytes = 150u * 1000u;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

std::size_t fileBytes(const std::string& path) {
  std::error_code error;
  const auto size = fs::file_size(path, error);
  return error ? 0 : static_cast<std::size_t>(size);
}

class BenchData {
 public:
  static BenchData& get() {
    static BenchData data;
    return data;
  }

  const std::vector<std::string>& catalog() {
    if (catalog_.empty()) {
      catalog_ = armakon::bench::WriteCatalog(root_ / "catalog", kCatalogFiles, kCatalogFileBytes);
      for (const std::string& path : catalog_) catalogBytes_ += fileBytes(path);
    }
    return catalog_;
  }
  std::size_t catalogBytes() {
    catalog();
    return catalogBytes_;
  }

  const std::string& bigFile() {
    if (bigFile_.empty()) {
      const fs::path path = root_ / "BIG.VDI";
      if (armakon::writeFileAtomically(path, armakon::bench::GenerateVdiText(kBigFileBytes, {}))) {
        bigFile_ = path.string();
        bigBytes_ = fileBytes(bigFile_);
      }
    }
    return bigFile_;
  }
  std::size_t bigBytes() {
    bigFile();
    return bigBytes_;
  }

 private:
  BenchData() {
    std::string pattern = (fs::temp_directory_path() / "armakon_bench_vdi_XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) root_ = pattern;
    armakon::CVDITemplate::SetFolder(std::string(ARMAKON_SOURCE_DIR) + "/data/samples/descriptions");
  }
  ~BenchData() {
    std::error_code error;
    if (!root_.empty()) fs::remove_all(root_, error);
  }

  fs::path root_;
  std::vector<std::string> catalog_;
  std::size_t catalogBytes_ = 0;
  std::string bigFile_;
  std::size_t bigBytes_ = 0;
};

std::unique_ptr<CVDIData> unloadedCatalog() {
  auto data = std::make_unique<CVDIData>();
  for (const std::string& path : BenchData::get().catalog()) data->AddFile(2, path, "BENCH", "", "", false);
  return data;
}

// Bytes the allocator has handed out (small blocks in every arena plus mapped large blocks).
std::size_t heapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

double peakResidentMB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void CatalogMemory(benchmark::State& state) {
  const std::size_t bytes = BenchData::get().catalogBytes();
  if (bytes == 0) {
    state.SkipWithError("no catalog");
    return;
  }
  const double peakBefore = peakResidentMB();
  double perByte = 0.0;
  for (auto _ : state) {
    std::unique_ptr<CVDIData> data = unloadedCatalog();
    const std::size_t heapBefore = heapInUse();
    const auto start = Clock::now();
    data->LoadAll(false, 2);
    state.SetIterationTime(seconds(Clock::now() - start));
    const std::size_t heapAfter = heapInUse();
    perByte = static_cast<double>(heapAfter - heapBefore) / static_cast<double>(bytes);
  }
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["tree_per_file_byte"] = perByte;
  state.counters["tree_MB"] = perByte * static_cast<double>(bytes) / 1e6;
  state.counters["peak_rss_MB"] = peakResidentMB();
  state.counters["peak_rss_before_MB"] = peakBefore;
}
BENCHMARK(CatalogMemory)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Processor time of the whole process (all threads), in seconds.
double processSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// Besides the ratio of the mean times ("speedup") it reports the ratio of the best times
// ("speedup_best") and how many cores the parallel load kept busy on average ("cores_used"):
// on a machine where other work takes the second core, the speedup cannot show.
void CatalogLoadAll(benchmark::State& state) {
  if (BenchData::get().catalog().empty()) {
    state.SkipWithError("no catalog");
    return;
  }
  unloadedCatalog()->LoadAll(false, 2);  // warm the file cache for both measurements
  double oneWorker = 0.0;
  double allWorkers = 0.0;
  double bestOne = 1e300;
  double bestAll = 1e300;
  double processor = 0.0;
  for (auto _ : state) {
    std::unique_ptr<CVDIData> single = unloadedCatalog();
    auto start = Clock::now();
    single->LoadAll(false, 2, 1);
    const double one = seconds(Clock::now() - start);
    single.reset();

    std::unique_ptr<CVDIData> parallel = unloadedCatalog();
    const double processorBefore = processSeconds();
    start = Clock::now();
    parallel->LoadAll(false, 2);
    const double all = seconds(Clock::now() - start);
    processor += processSeconds() - processorBefore;
    parallel.reset();

    state.SetIterationTime(all);
    oneWorker += one;
    allWorkers += all;
    bestOne = std::min(bestOne, one);
    bestAll = std::min(bestAll, all);
  }
  state.counters["workers"] = CVDIData::WorkerCount(kCatalogFiles, 0);
  state.counters["one_worker_ms"] = oneWorker * 1e3 / static_cast<double>(state.iterations());
  state.counters["speedup"] = oneWorker / allWorkers;
  state.counters["speedup_best"] = bestOne / bestAll;
  state.counters["cores_used"] = processor / allWorkers;
  state.SetBytesProcessed(static_cast<int64_t>(BenchData::get().catalogBytes()) * state.iterations());
}
BENCHMARK(CatalogLoadAll)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// The reference: the bytes read and split into lines, nothing else.
std::size_t plainLineSplit(const std::string& path) {
  std::string bytes;
  if (!armakon::readWholeFile(path, bytes)) return 0;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.emplace_back(bytes, start, stop - start);
    start = end + 1;
  }
  benchmark::DoNotOptimize(lines.data());
  return lines.size();
}

void DocumentLoad(benchmark::State& state) {
  const std::string& path = BenchData::get().bigFile();
  if (path.empty()) {
    state.SkipWithError("no file");
    return;
  }
  const double bytes = static_cast<double>(BenchData::get().bigBytes());
  double plain = 0.0;
  double load = 0.0;
  for (auto _ : state) {
    auto start = Clock::now();
    benchmark::DoNotOptimize(plainLineSplit(path));
    const auto split = Clock::now();
    auto document = std::make_unique<CVDIDoc>();
    document->Load(path, false, 0);
    const auto loaded = Clock::now();
    state.SetIterationTime(seconds(loaded - split));
    plain += seconds(split - start);
    load += seconds(loaded - split);
    if (!document->IsParsed()) state.SkipWithError("not parsed");
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["file_MB"] = bytes / 1e6;
  state.counters["load_MBps"] = bytes * n / load / 1e6;
  state.counters["plain_MBps"] = bytes * n / plain / 1e6;
  state.counters["load_vs_plain"] = plain / load;
}
BENCHMARK(DocumentLoad)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void TgaResolution(benchmark::State& state) {
  const std::string& path = BenchData::get().bigFile();
  if (path.empty()) {
    state.SkipWithError("no file");
    return;
  }
  double load = 0.0;
  double resolve = 0.0;
  std::size_t products = 0;
  std::size_t references = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    CVDIDoc document;
    document.Load(path, false, 0);
    const auto loaded = Clock::now();
    std::vector<const armakon::CVDIBase*> found;
    armakon::CollectRecords(&document, 80000, found);
    std::vector<const armakon::CVDIBase*> referenced;
    for (const armakon::CVDIBase* product : found) armakon::GetReferencedRecords(product, 0, referenced);
    const auto resolved = Clock::now();
    state.SetIterationTime(seconds(resolved - loaded));
    load += seconds(loaded - start);
    resolve += seconds(resolved - loaded);
    products = found.size();
    references = referenced.size();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["products"] = static_cast<double>(products);
  state.counters["references"] = static_cast<double>(references);
  state.counters["load_ms"] = load * 1e3 / n;
  state.counters["resolve_vs_load"] = resolve / load;
  state.counters["report_entries"] = static_cast<double>(armakon::CMiniReportUtil::instance().size());
}
BENCHMARK(TgaResolution)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
