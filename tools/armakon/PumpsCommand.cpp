// armakon pumps: the pump catalog from pump files (*.PMP): list, check, control curve, chart.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/NumberText.h"
#include "armakon/pumps/PumpChartSvg.h"
#include "armakon/pumps/enEinsatzBereich.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

struct PumpsOptions {
  std::vector<std::string> files;
  std::string pump;
  std::string series;
  std::string setpoint;
  int mode = 0;
  std::vector<std::string> points;
  std::string output;
};

// Reads every file into the catalog; false after a message for each file that failed.
bool loadFiles(hydPumpenManager& catalog, const std::vector<std::string>& files) {
  bool all = true;
  for (const std::string& file : files) {
    std::string reason = inputProblem(file);
    if (reason.empty() && !catalog.read(file, std::string())) reason = "not a readable pump file";
    if (!reason.empty()) {
      fail(file + ": " + reason);
      all = false;
    }
  }
  return all;
}

std::string num(double value) { return formatC("%g", value); }

std::string einsatzBereichText(int bereich) {
  if (bereich == EB_ALLE) return "0 (no restriction)";
  static const std::pair<int, const char*> kNamed[] = {
      {EB_HEIZUNG, "heating"}, {EB_KUEHLUNG, "chilled water"}, {EB_TRINKWASSER, "drinking water"}, {EB_SOLAR, "solar"}};
  std::string names;
  int rest = bereich;
  for (const auto& [bit, name] : kNamed) {
    if ((bereich & bit) == 0) continue;
    names += names.empty() ? name : std::string(", ") + name;
    rest &= ~bit;
  }
  if (rest != 0) names += (names.empty() ? "" : ", ") + formatC("other bits 0x%x", static_cast<unsigned>(rest));
  return std::to_string(bereich) + " (" + names + ")";
}

std::string describeCurve(const hydPumpenKennlinie& curve) {
  std::string out = "      " + curve.getKennlinieName() + ": ";
  const int pairs = curve.getAnzWertePaare();
  if (pairs == 0) return out + "no value pairs\n";
  return out + std::to_string(pairs) + (pairs == 1 ? " pair" : " pairs") + ", Q " +
         num(curve.getMinVolumenstrom() * 3.6e6) + " .. " + num(curve.getMaxVolumenstrom() * 3.6e6) +
         " l/h, H at first pair " + num(curve.getNullForderHoehe() * 0.01) + " mbar\n";
}

std::string describePump(const hydPumpe& pumpe) {
  std::string out = "    " + pumpe.getName();
  if (!pumpe.getArticleNumber().empty()) out += "  [" + pumpe.getArticleNumber() + "]";
  out += "\n      DN " + std::to_string(pumpe.getDN()) + ", control ";
  const std::string intern = pumpe.getRegelungTypIntern();
  out += intern.empty() ? std::string("not set") : intern + " (" + pumpe.getRegelungTyp() + ")";
  if (pumpe.getDpMin() >= 0.0 || pumpe.getDpMax() >= 0.0) {
    out += ", setpoint " + num(pumpe.getDpMin()) + " .. " + num(pumpe.getDpMax()) + " mbar";
  }
  const int curves = pumpe.getAnzKennlinien();
  out += ", " + std::to_string(curves) + (curves == 1 ? " curve\n" : " curves\n");
  for (const auto& curve : pumpe.getKennlinien()) out += describeCurve(*curve);
  return out;
}

std::string describeCatalog(const hydPumpenManager& catalog) {
  std::string out;
  for (const auto& hersteller : catalog.getHersteller()) {
    out += hersteller->getName() + "  (MMD " + hersteller->getID() + ")";
    if (!hersteller->getFilePath().empty()) out += "  " + hersteller->getFilePath();
    out += "\n";
    for (const auto& serie : hersteller->getSerien()) {
      out += "  series " + serie->getName() + ", Einsatzbereich " + einsatzBereichText(serie->getEinsatzBereich()) + "\n";
      for (const auto& pumpe : serie->getPumpen()) out += describePump(*pumpe);
    }
  }
  return out;
}

int listPumps(const PumpsOptions& options) {
  hydPumpenManager catalog;
  const bool all = loadFiles(catalog, options.files);
  std::fputs(describeCatalog(catalog).c_str(), stdout);
  return all ? 0 : 2;
}

int checkPumps(const PumpsOptions& options) {
  hydPumpenManager catalog;
  if (!loadFiles(catalog, options.files)) return 2;
  std::vector<std::string> messages;
  const bool clean = catalog.checkAllPumpData(messages);
  for (const std::string& message : messages) std::fputs((message + "\n").c_str(), stdout);
  return clean ? 0 : 1;
}

// The first pump of that name (in the series of that name, when one is given), or null.
const hydPumpe* findPump(const hydPumpenManager& catalog, const PumpsOptions& options) {
  for (const auto& hersteller : catalog.getHersteller()) {
    for (const auto& serie : hersteller->getSerien()) {
      if (!options.series.empty() && serie->getName() != options.series) continue;
      for (const auto& pumpe : serie->getPumpen()) {
        if (pumpe->getName() == options.pump) return pumpe.get();
      }
    }
  }
  return nullptr;
}

// Loads the one file and finds the pump; null after a message.
const hydPumpe* loadPump(hydPumpenManager& catalog, const PumpsOptions& options) {
  if (!loadFiles(catalog, options.files)) return nullptr;
  const hydPumpe* pumpe = findPump(catalog, options);
  if (pumpe == nullptr) {
    fail("no pump \"" + options.pump + "\"" +
                          (options.series.empty() ? std::string() : " in series \"" + options.series + "\"") +
                          " in " + options.files.front());
  }
  return pumpe;
}

bool proportional(const hydPumpe& pumpe, int mode) {
  return pumpe.getRegelungTypCode() == 2 || (pumpe.getRegelungTypCode() == 3 && mode != 0);
}

int controlCurve(const PumpsOptions& options) {
  double setpoint = 0.0;
  if (!parseFiniteNumber(options.setpoint, setpoint)) {
    return fail("--setpoint needs a number in Pa, not '" + options.setpoint + "'");
  }
  hydPumpenManager catalog;
  const hydPumpe* pumpe = loadPump(catalog, options);
  if (pumpe == nullptr) return 2;

  CHydrixInterpolation curve;
  if (!pumpe->getRegelkennlinie(setpoint, options.mode, curve)) {
    std::string reason = pumpe->getStatischeKennlinieMax() == nullptr ? "the pump has no curve with a head above 0"
                                                                      : "the setpoint lies outside the pump's range " +
                                                                            num(pumpe->getDpMin() * 100.0) + " .. " +
                                                                            num(pumpe->getDpMax() * 100.0) + " Pa";
    return fail("no control curve for " + num(setpoint) + " Pa: " + reason, 1);
  }
  std::string out = pumpe->getName() + ": " +
                    (proportional(*pumpe, options.mode) ? "proportional pressure" : "constant pressure") +
                    ", setpoint " + num(setpoint) + " Pa (" + num(setpoint * 0.01) + " mbar)\n";
  out += formatC("%12s %12s\n", "Q l/h", "H mbar");
  for (int i = 0; i < curve.getSize(); ++i) {
    out += formatC("%12.1f %12.1f\n", curve.GetAtXArray(i) * 3.6e6, curve.GetAtYArray(i) * 0.01);
  }
  std::fputs(out.c_str(), stdout);
  return 0;
}

// NAME:Q_m3h:H_m:H0_m; the name may hold ':' itself, the three numbers are the last fields.
bool parsePoint(const std::string& text, Netzpunkt& point) {
  std::string rest = text;
  double values[3] = {};
  for (int i = 2; i >= 0; --i) {
    const std::size_t colon = rest.rfind(':');
    if (colon == std::string::npos || !parseFiniteNumber(rest.substr(colon + 1), values[i])) return false;
    rest.erase(colon);
  }
  point.name = rest;
  point.flow = values[0] / 3600.0;
  point.head = values[1] * 10000.0;
  point.staticHead = values[2] * 10000.0;
  return true;
}

int drawChart(const PumpsOptions& options) {
  std::vector<Netzpunkt> points;
  for (const std::string& text : options.points) {
    Netzpunkt point;
    if (!parsePoint(text, point)) {
      return fail("--point needs NAME:Q_m3h:H_m:H0_m with three numbers, not '" + text + "'");
    }
    points.push_back(point);
  }
  hydPumpenManager catalog;
  const hydPumpe* pumpe = loadPump(catalog, options);
  if (pumpe == nullptr) return 2;
  const std::string svg = renderPumpChartSvg(buildPumpChart(*pumpe, points));
  if (!writeFileAtomically(options.output, svg)) return fail("cannot write " + options.output + ": " + systemReason());
  return 0;
}

CLI::App* addFileSubcommand(CLI::App& pumps, const char* name, const char* description,
                            const std::shared_ptr<PumpsOptions>& options, bool manyFiles) {
  CLI::App* command = pumps.add_subcommand(name, description);
  if (manyFiles) {
    command->add_option("FILE", options->files, "Pump files (*.PMP); one manufacturer's data in several\n"
                                                "files merge into one")
        ->required();
  } else {
    command->add_option("FILE", options->files, "The pump file (*.PMP)")->required()->expected(1);
    command->add_option("--pump", options->pump, "Name of the pump (the first of that name counts)")->required();
    command->add_option("--series", options->series, "Name of the pump's series");
  }
  return command;
}

}  // namespace

void addPumpsCommand(CLI::App& app, Action& action) {
  auto options = std::make_shared<PumpsOptions>();
  CLI::App* pumps = app.add_subcommand(
      "pumps", "The pump catalog of pump files (*.PMP): list it, check it, compute a pump's\n"
               "control curve or draw its chart.");
  pumps->require_subcommand(1);

  CLI::App* list = addFileSubcommand(
      *pumps, "list", "List manufacturers, series with their Einsatzbereich, and pumps with DN,\n"
                      "control type and curves.",
      options, true);
  list->footer("Exit status: 0, or 2 when a file cannot be read.\n"
               "Example: armakon pumps list data/samples/catalogs/Aqualis/Pumpen.PMP");
  list->callback([&action, options] { action = [options] { return listPumps(*options); }; });

  CLI::App* check = addFileSubcommand(
      *pumps, "check", "Check the catalog and print one message per finding (manufacturers or series\n"
                       "without pumps, pumps without curves, curves out of order or implausible).",
      options, true);
  check->footer("Exit status: 0 without findings, 1 with findings, 2 when a file cannot be read.\n"
                "Example: armakon pumps check data/samples/pumps/faulty/*.PMP");
  check->callback([&action, options] { action = [options] { return checkPumps(*options); }; });

  CLI::App* curve = addFileSubcommand(
      *pumps, "curve", "Print a pump's control curve for a setpoint head as a table in l/h and mbar.", options,
      false);
  curve->add_option("--setpoint", options->setpoint, "Setpoint head in Pa (100 Pa = 1 mbar)")->required();
  curve->add_option("--mode", options->mode,
                    "For pumps with constant and proportional pressure control: 0 constant\n"
                    "pressure, any other value proportional pressure")
      ->capture_default_str();
  curve->footer("Exit status: 0, 1 when the pump has no control curve for the setpoint, 2 on a\n"
                "missing file or pump or wrong arguments.\n"
                "Example:\n"
                "  armakon pumps curve data/samples/catalogs/Aqualis/Pumpen.PMP --pump 'Aquaflux E 25-60' --setpoint 40000 --mode 1");
  curve->callback([&action, options] { action = [options] { return controlCurve(*options); }; });

  CLI::App* chart = addFileSubcommand(
      *pumps, "chart", "Draw a pump's static curves, with system curves and operating points, as an\n"
                       "SVG chart (Q in m³/h, H in m).",
      options, false);
  chart->add_option("--point", options->points,
                    "Operating point NAME:Q_m3h:H_m:H0_m (flow, head, static head of the\n"
                    "system curve); may be given more than once")
      ->allow_extra_args(false);  // one value per --point, so a FILE after it stays the FILE
  chart->add_option("-o,--output", options->output, "The SVG file to write")->required();
  chart->footer("Exit status: 0, 2 on a missing file or pump, a malformed point or a failed write.\n"
                "Example:\n"
                "  armakon pumps chart data/samples/catalogs/Aqualis/Pumpen.PMP --pump 'Aquaflux E 25-60' --point 'Strang 1:2.0:4.0:1.0' -o chart.svg");
  chart->callback([&action, options] { action = [options] { return drawChart(*options); }; });
}

}  // namespace armakon::tool
