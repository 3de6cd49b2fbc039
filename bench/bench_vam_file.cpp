// Valve-model files: saving and loading a model of 50 thermostatic valve variants with 20-node
// kv curves, against writing (through the same crash-safe write) and reading (whole file plus
// a split into lines) the same number of plain text bytes. Prints the ratios "save / plain
// write" and "load / plain read" at the end.

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/NumberText.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturenModell.h"

namespace {

namespace fs = std::filesystem;
using armakon::hydVDIArmaturen::ARMTYP_THERMOSTATVENTIL;
using armakon::hydVDIArmaturen::CKurve;
using armakon::hydVDIArmaturen::hydArmaturenModell;
using armakon::hydVDIArmaturen::hydArmaturTHKV;

constexpr int kVariants = 50;
constexpr int kNodes = 20;

void buildModel(hydArmaturenModell& model) {
  model.setManufacturer("Nordwerk Armaturen");
  model.setModel("Thermostatventil Benchmark");
  model.setCatID("NORDWERK");
  model.setRLDatum(201601);
  model.setHydArmType(ARMTYP_THERMOSTATVENTIL);
  for (int v = 0; v < kVariants; ++v) {
    auto* variant = dynamic_cast<hydArmaturTHKV*>(model.Add(ARMTYP_THERMOSTATVENTIL));
    variant->setArmType(ARMTYP_THERMOSTATVENTIL);
    variant->setArtikelNr("TV-" + std::to_string(v));
    variant->setDimension(10 + 5 * (v % 6));
    variant->setKvs(0.5 + 0.01 * v);
    variant->addAusfDetail("Eckform");
    variant->addAusfDetail("vernickelt");
    CKurve kv;
    kv.setEinheitx("Stufe");
    kv.setEinheity("m³/h");
    for (int n = kNodes; n >= 1; --n) {
      kv.addCurveNode(0.5f * n, armakon::formatC("%.1f", 0.5 * n), 0.013f * n + 0.001f * v);
    }
    variant->addKvKurve(kv);
    variant->setXp(2.0);
  }
}

struct Files {
  fs::path folder;
  std::string vam;
  std::string plain;
  std::string plainText;
  hydArmaturenModell model;

  Files() {
    std::random_device random;
    folder = fs::temp_directory_path() / ("armakon_bench_vam_" + std::to_string(random()));
    fs::create_directories(folder);
    vam = (folder / "model.vam").string();
    plain = (folder / "plain.txt").string();
    buildModel(model);
    model.saveVAMFile(vam);
    std::string saved;
    armakon::readWholeFile(vam, saved);
    // Plain lines of the same total size.
    while (plainText.size() < saved.size()) plainText += "Zeile mit Text und Zahlen 0.123456:1.000000:2.500000\n";
    plainText.resize(saved.size());
    armakon::writeFileAtomically(plain, plainText);
  }
  ~Files() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
};

Files& files() {
  static Files f;
  return f;
}

void BM_SaveVam(benchmark::State& state) {
  Files& f = files();
  for (auto _ : state) benchmark::DoNotOptimize(f.model.saveVAMFile(f.vam));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.plainText.size()));
}
BENCHMARK(BM_SaveVam)->UseRealTime();

void BM_PlainWrite(benchmark::State& state) {
  Files& f = files();
  for (auto _ : state) benchmark::DoNotOptimize(armakon::writeFileAtomically(f.plain, f.plainText));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.plainText.size()));
}
BENCHMARK(BM_PlainWrite)->UseRealTime();

void BM_LoadVam(benchmark::State& state) {
  Files& f = files();
  hydArmaturenModell loaded;
  for (auto _ : state) benchmark::DoNotOptimize(loaded.loadVAMFile(f.vam));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.plainText.size()));
}
BENCHMARK(BM_LoadVam)->UseRealTime();

void BM_PlainRead(benchmark::State& state) {
  Files& f = files();
  std::string content;
  std::vector<std::string> lines;
  for (auto _ : state) {
    armakon::readWholeFile(f.plain, content);
    lines.clear();
    std::size_t start = 0;
    for (std::size_t end = content.find('\n'); end != std::string::npos; end = content.find('\n', start)) {
      lines.emplace_back(content, start, end - start);
      start = end + 1;
    }
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.plainText.size()));
}
BENCHMARK(BM_PlainRead)->UseRealTime();



}  // namespace

int main(int argc, char** argv) {
  {
    Files& f = files();
    hydArmaturenModell check;
    if (!check.loadVAMFile(f.vam) || check.getSize() != kVariants) {
      std::fputs("the benchmark model does not load back: the comparison would be meaningless\n", stderr);
      return 1;
    }
    std::fputs(armakon::formatC("valve-model file: %d variants, %d nodes each, %d bytes\n", kVariants, kNodes,
                                static_cast<int>(f.plainText.size()))
                   .c_str(),
               stdout);
  }
  RatioReporter reporter(/*useRealTime=*/true);
  if (!runBenchmarks(argc, argv, reporter)) return 1;
  reporter.printRatio("save / plain write (same bytes)", "BM_SaveVam", "BM_PlainWrite");
  reporter.printRatio("load / plain read (same bytes)", "BM_LoadVam", "BM_PlainRead");
  return 0;
}
