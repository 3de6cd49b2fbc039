#pragma once
// Synthetic VDI 3805 catalogs for the benchmarks: files of any size, laid out as a
// manufacturer's sheet-2 file is (header, valve kinds, models with property and accessory
// vectors, technical data with one type-specific record per setting, products with full TGA
// numbers and order data), with line lengths of real files. Every TGA number references
// records that exist, so resolving them files nothing in the report list.
//
// Header-only: each benchmark program is built from one source file.

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/CodePage1252.h"
#include "armakon/components/NumberText.h"

namespace armakon::bench {

struct GeneratorOptions {
  int sheet = 2;
  std::string manufacturer = "Benchwerk Armaturen GmbH";
  int variantsPerModel = 24;   // technical data + product per variant
  int settingsPerVariant = 12; // 710.01 records per technical data
  unsigned seed = 1;
};

namespace detail {

inline std::string num(double value, int decimals) { return formatC("%.*f", decimals, value); }

inline std::string group(int value, int width) { return formatC("%0*d", width, value); }

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  void line(const std::string& text) {
    out_ += text;
    out_ += "\r\n";
  }
  std::size_t size() const { return out_.size(); }

 private:
  std::string& out_;
};

}  // namespace detail

// Appends one valve model (a 110 record and everything below it) to out. model: the 110's
// index (1..999); kind: the 100 above; next700: the next free 700 index (advanced).
inline void AppendModel(std::string& out, const GeneratorOptions& options, int kind, int model, int& next700,
                        std::mt19937& random) {
  using detail::group;
  using detail::num;
  detail::Writer w(out);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const std::string name = "Serie " + group(model, 3);

  w.line("110;" + std::to_string(model) + ";;Thermostatventil " + name +
         ";Ventilunterteil mit Voreinstellung und auswechselbarem Einsatz;bild_" + group(model, 3) + ".jpg;blatt_" +
         group(model, 3) + ".pdf");
  w.line("160;1;;Serienmerkmale;" + name);
  w.line("160.01;1;;Voreinstellung;" + std::to_string(options.settingsPerVariant) + " Stufen");
  w.line("160.01;2;;Fühleranschluss;M30 x 1,5");
  for (int form = 1; form <= 2; ++form) {
    w.line("200;" + std::to_string(form) + ";;Bauform;" + (form == 1 ? "Eckform" : "Durchgangsform"));
    w.line("200.01;" + std::to_string(form) + ";;Bauform;" + (form == 1 ? "Eckform DIN" : "Durchgangsform DIN"));
    w.line("250;" + std::to_string(form) + ";;Anschluss;" + (form == 1 ? "Innengewinde Rp" : "Außengewinde G"));
    w.line("250.01;" + std::to_string(form) + ";;Anschluss;Gewinde nach DIN EN 10226-1");
    w.line("260;" + std::to_string(form) + ";;Oberfläche;vernickelt");
    w.line("260.01;" + std::to_string(form) + ";;Oberfläche;galvanisch vernickelt");
  }
  w.line("300;1;;Zubehör;Thermostatkopf");
  w.line("300.01;1;600;1;1");
  w.line("350;1;;Zubehör;Fernfühler");
  w.line("350.01;1;600;2;1");
  w.line("400;1;;Werkstoff;Messing");
  w.line("400.01;1;;Werkstoff;CW617N entzinkungsbeständig");
  w.line("500;1;;Einsatzbereich;Warmwasserheizung");
  w.line("500.01;1;;Einsatzbereich;Warmwasserheizung bis 120 °C und 10 bar");
  w.line("600;1;;Thermostatkopf K;BW-TK-" + group(model, 3) + ";14.90");
  w.line("600;2;;Fernfühler F2;BW-FF-" + group(model, 3) + ";39.50");

  std::vector<int> technical;
  static constexpr int kSizes[] = {10, 15, 20, 25};
  for (int v = 0; v < options.variantsPerModel; ++v) {
    const int index = next700++;
    technical.push_back(index);
    const int dn = kSizes[v % 4];
    const double kvs = 0.3 + 0.05 * dn + unit(random) * 0.2;
    std::string tech = "700;" + std::to_string(index) + ";;1;" + std::to_string(dn) + ";" + num(kvs, 3) +
                       ";120;10;0.6;;;;1;Stufe;";
    for (int field = 15; field <= 41; ++field) tech += field % 3 == 0 ? num(unit(random) * 100.0, 2) + ";" : ";";
    tech.pop_back();
    w.line(tech);
    for (int s = options.settingsPerVariant; s >= 1; --s) {
      const double kv = kvs * s / options.settingsPerVariant;
      w.line("710.01;" + std::to_string((index - 1) * options.settingsPerVariant + s) + ";2.0;;" + std::to_string(s) +
             ";" + std::to_string(s) + ";;200;" + num(kv, 4) + ";" + num(kv * 0.6, 4) + ";" + num(kv * 0.4, 4) + ";" +
             num(kvs * 0.05, 3) + ";" + num(kvs, 3) + ";" + num(unit(random) * 50.0, 2) + ";" +
             num(unit(random) * 50.0, 2) + ";;" + num(kv * 1.1, 4) + ";" + num(kv * 0.9, 4));
    }
    if (v % 6 == 0) {
      w.line("760;" + std::to_string(v + 1) + ";;Ausführung;mit Entleerung");
      w.line("760.01;" + std::to_string(v + 1) + ";;Entleerung;Entleerungsventil G 1/2");
    }
  }
  for (int v = 0; v < options.variantsPerModel; ++v) {
    const int form = v % 2 + 1;
    std::string tga = group(kind, 3) + group(model, 3) + group(1, 3) + group(form, 3) + group(form, 3) +
                      group(form, 3) + group(1, 3) + group(1, 3) + group(0, 3) + group(1, 3) + group(0, 3) +
                      group(0, 3) + group(1, 3) + group(0, 3) + group(0, 3) + group(technical[v], 5) +
                      group(v % 6 == 0 ? v + 1 : 0, 3);
    const int product = (model - 1) * options.variantsPerModel + v + 1;
    w.line("800;" + std::to_string(product) + ";" + tga + ";" + name + " DN " + std::to_string(kSizes[v % 4]) +
           (form == 1 ? " Eckform" : " Durchgangsform") + ";Thermostatventil");
    w.line("810;" + std::to_string(product) + ";BW-" + group(model, 3) + "-" + group(v + 1, 2) + ";DN" +
           group(product, 7) + ";STLB" + group(product, 7) + ";40" + group(product, 11));
  }
}

// A whole file of about targetBytes (at least one model), sheet and header as the options say,
// in code page 1252 as manufacturers deliver them. Indices of the vectors count per model
// (the TGA number searches them below their model); 110 indices run up to 999, so one file
// holds at most 999 models.
inline std::string GenerateVdiText(std::size_t targetBytes, const GeneratorOptions& options) {
  std::string out;
  out.reserve(targetBytes + 65536);
  std::mt19937 random(options.seed);
  detail::Writer w(out);
  w.line("010;" + std::to_string(options.sheet) + ";201103;" + options.manufacturer +
         ";20240315;www.benchwerk.example;Synthetische Daten für Messungen");
  int next700 = 1;
  int model = 1;
  for (int kind = 1; kind <= 5 && (model == 1 || out.size() < targetBytes); ++kind) {
    w.line("100;" + std::to_string(kind) + ";;Armaturart " + std::to_string(kind));
    const std::size_t kindTarget = targetBytes * static_cast<std::size_t>(kind) / 5;
    while (model <= 999 && (model == 1 || out.size() < kindTarget)) AppendModel(out, options, kind, model++, next700, random);
  }
  w.line("900;1;;" + options.manufacturer + ";;Messweg 1;12345 Beispielstadt;Deutschland");
  w.line("920;1;;Support;+49 000 000000");
  w.line("970;1;;Dokumente;Produktunterlagen");
  w.line("970.01;1;;Produktbild;bilder.zip");
  return encode1252(out);
}

// Writes a catalog root with one catalog folder holding `files` sheet-2 files of about
// bytesPerFile each; returns the paths written (empty when writing failed).
inline std::vector<std::string> WriteCatalog(const std::filesystem::path& root, int files, std::size_t bytesPerFile) {
  std::vector<std::string> paths;
  const std::filesystem::path catalog = root / "Benchwerk";
  std::error_code error;
  std::filesystem::create_directories(catalog / "VDI_2", error);
  if (error) return {};
  if (!writeFileAtomically(catalog / "desktop.info", "Content:VDI_2\r\nENDE\r\nID=BENCHWERK\r\nName=Benchwerk\r\n")) {
    return {};
  }
  for (int i = 0; i < files; ++i) {
    GeneratorOptions options;
    options.seed = static_cast<unsigned>(i + 1);
    options.manufacturer = "Benchwerk " + std::to_string(i + 1);
    options.variantsPerModel = 6 + i % 5;
    const std::filesystem::path path = catalog / "VDI_2" / ("BENCH_" + detail::group(i + 1, 3) + ".VDI");
    if (!writeFileAtomically(path, GenerateVdiText(bytesPerFile, options))) return {};
    paths.push_back(path.string());
  }
  return paths;
}

}  // namespace armakon::bench
