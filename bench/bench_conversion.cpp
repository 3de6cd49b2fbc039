// Converting VDI 3805 product records into valve models: every model of a large generated
// sheet-2 file, as products per second, next to the time to load the same file.
//
// The generated catalog holds thermostatic valves only; for this measurement the type number of
// every technical-data record is rewritten in turn to 2, 4, 11 and 13, so the file carries
// setting curves (screw connections, balancing valves: twelve settings each), fixed
// resistances and valves with actuator, all of them convertible without a finding.
//
// Each iteration loads the file (the reference) and converts all of its models with their
// accessories (the measured time); "convert_vs_load" = conversion time / load time.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/vdi3805/AccessoryReferences.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "armakon/vdi3805/ValveConversion.h"
#include "bench/CatalogGenerator.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using armakon::CVDIBase;
using armakon::hydVDIArmaturen::hydArmatur;
using armakon::hydVDIArmaturen::hydArmaturenModell;

constexpr std::size_t kFileBytes = 8u * 1000u * 1000u;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The generated text with the type number (field 4) of every 700 line replaced in turn.
std::string withConvertibleTypes(const std::string& text) {
  static const char* const kTypes[] = {"2", "4", "11", "13"};
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  int count = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    std::string line = text.substr(start, end - start);
    if (line.compare(0, 4, "700;") == 0) {
      // 700;index;;type;...: the type is the text between the third and the fourth ';'.
      std::size_t third = line.find(';');
      for (int i = 0; i < 2 && third != std::string::npos; ++i) third = line.find(';', third + 1);
      const std::size_t fourth = third == std::string::npos ? third : line.find(';', third + 1);
      if (fourth != std::string::npos) line.replace(third + 1, fourth - third - 1, kTypes[count++ % 4]);
    }
    out += line;
    start = end;
  }
  return out;
}

class BenchFile {
 public:
  static BenchFile& get() {
    static BenchFile file;
    return file;
  }
  const std::string& path() const { return path_; }

 private:
  BenchFile() {
    std::string pattern = (fs::temp_directory_path() / "armakon_bench_conv_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    root_ = pattern;
    armakon::CVDITemplate::SetFolder(std::string(ARMAKON_SOURCE_DIR) + "/data/samples/descriptions");
    const fs::path file = root_ / "CONVERT.VDI";
    if (armakon::writeFileAtomically(file, withConvertibleTypes(armakon::bench::GenerateVdiText(kFileBytes, {})))) {
      path_ = file.string();
    }
  }
  ~BenchFile() {
    std::error_code error;
    if (!root_.empty()) fs::remove_all(root_, error);
  }

  fs::path root_;
  std::string path_;
};

// Converts every model of the document; returns the number of products handed over.
std::size_t convertAll(const armakon::CVDIDoc& document, int& variants) {
  const armakon::AccessoryResolver resolver(&document);
  std::vector<const CVDIBase*> models;
  armakon::CollectRecords(&document, 11000, models);
  std::size_t products = 0;
  variants = 0;
  for (const CVDIBase* group : models) {
    std::vector<const CVDIBase*> chosen;
    armakon::CollectRecords(group, 80000, chosen);
    std::vector<hydArmatur> sources(chosen.size());
    std::vector<const hydArmatur*> pointers;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
      resolver.Gather(chosen[i], sources[i]);
      pointers.push_back(&sources[i]);
    }
    hydArmaturenModell model;
    armakon::CMiniReportUtil::instance().clear();
    variants += armakon::BuildModel(model, chosen, std::vector<double>(chosen.size(), 0.0), pointers);
    products += chosen.size();
  }
  return products;
}

void ConvertAllModels(benchmark::State& state) {
  const std::string& path = BenchFile::get().path();
  if (path.empty()) {
    state.SkipWithError("no file");
    return;
  }
  double loadTime = 0.0;
  double convertTime = 0.0;
  std::size_t products = 0;
  int variants = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    auto document = std::make_unique<armakon::CVDIDoc>();
    if (!document->Load(path, false, 2)) {
      state.SkipWithError("load failed");
      return;
    }
    const double load = seconds(Clock::now() - start);
    start = Clock::now();
    products = convertAll(*document, variants);
    const double convert = seconds(Clock::now() - start);
    state.SetIterationTime(convert);
    loadTime += load;
    convertTime += convert;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["products"] = static_cast<double>(products);
  state.counters["variants"] = variants;
  state.counters["products_per_s"] = static_cast<double>(products) * n / convertTime;
  state.counters["load_ms"] = loadTime * 1e3 / n;
  state.counters["convert_vs_load"] = convertTime / loadTime;
}
BENCHMARK(ConvertAllModels)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
