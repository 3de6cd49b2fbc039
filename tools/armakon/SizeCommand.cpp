// armakon size: runs a container's global sizing search on a project file
// (armakon/containers/ProjectFile.h), or with --local the search within one entry, and prints
// the chosen valve, its setting and the kv it realises (or, for the heating regulators, what
// their settings mean).
//
//   armakon size PROJECT --kind KIND --kv KV [--dn DN] [--from-open] [--keep ID:DN]
//                [--group NAME] [--kv-max KV]
//   heating regulators: [--flow V] [--dp DP] [--setpoint DP] [--share S] [--kv-radiator KV]
//                [--keep-dim] [--local ID]
//   drinking water: [--flow V] [--temperature T] [--area 1|2] [--pressure P] [--keep-dim]
//                [--local ID]
//
// Each kind that can be sized has its row in the library's tables (armakon/containers/
// SizeSearch.h); a new kind is one more row there.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "armakon/components/NumberText.h"
#include "armakon/containers/ProjectFile.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/SizeSearch.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/KindNames.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

struct SizeOptions {
  std::string project;
  std::string kind;
  std::string kv;
  int dn = 0;
  bool fromOpen = false;
  std::string keep;
  std::string group;
  std::string kvMax;
  // heating regulators
  std::string flow;
  std::string dp;
  std::string setpoint;
  std::string share;
  std::string kvRadiator;
  bool keepDim = false;
  int local = 0;
  // drinking water
  std::string temperature;
  std::string area;
  std::string pressure;
};

std::string searchHelpText() {
  std::string text;
  for (std::span<const SizeSearch> table : sizeSearchTables()) {
    for (const SizeSearch& search : table) {
      text += "  " + std::to_string(static_cast<int>(search.kind)) + " " + kindShortName(search.kind) + ": " +
              search.family + "\n";
    }
  }
  return text;
}

// "ID:DN" with both parts whole numbers of at least 1.
bool parseKeep(const std::string& text, ARMATUR& record) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  int id = 0;
  int dn = 0;
  if (!parseInt(std::string_view(text).substr(0, colon), id) || !parseInt(std::string_view(text).substr(colon + 1), dn)) {
    return false;
  }
  if (id < 1 || dn < 1) return false;
  record.modellId = id;
  record.dimension = dn;
  return true;
}

// An optional finite number of at least 0: an empty text leaves it unset.
bool parseOptionalNumber(const std::string& text, const char* option, std::optional<double>& value) {
  if (text.empty()) return true;
  double number = 0.0;
  if (!parseFiniteNumber(text, number) || number < 0.0) {
    fail(std::string(option) + " needs a finite number of at least 0, not '" + text + "'");
    return false;
  }
  value = number;
  return true;
}

void printField(const char* label, const std::string& value) {
  std::fputs((std::string(label) + "\t" + (value.empty() ? std::string("-") : value) + "\n").c_str(), stdout);
}

int runSize(const SizeOptions& options) {
  enArmaturenTyp kind = ARMATURENTYP_KEIN;
  if (!parseKind(options.kind, kind)) return fail("unknown kind '" + options.kind + "' (see 'armakon size --help')");
  SizeRequest request;
  std::optional<double> kv;
  std::optional<double> kvMax;
  if (!parseOptionalNumber(options.kv, "--kv", kv) || !parseOptionalNumber(options.kvMax, "--kv-max", kvMax)) {
    return 2;
  }
  request.hasKv = kv.has_value();
  request.kv = kv.value_or(0.0);
  request.kvMax = kvMax.value_or(request.kv);
  request.fromOpen = options.fromOpen;
  request.group = options.group;
  if (!parseOptionalNumber(options.flow, "--flow", request.flow) ||
      !parseOptionalNumber(options.dp, "--dp", request.dp) ||
      !parseOptionalNumber(options.setpoint, "--setpoint", request.setpoint) ||
      !parseOptionalNumber(options.share, "--share", request.share) ||
      !parseOptionalNumber(options.kvRadiator, "--kv-radiator", request.kvRadiator) ||
      !parseOptionalNumber(options.temperature, "--temperature", request.temperature) ||
      !parseOptionalNumber(options.area, "--area", request.area) ||
      !parseOptionalNumber(options.pressure, "--pressure", request.pressure)) {
    return 2;
  }
  request.keepDim = options.keepDim;
  request.local = options.local != 0;  // draw-off fittings need --local among their inputs

  const SizeSearch* search = findSizeSearch(kind, request);
  if (search == nullptr) {
    return fail("kind " + std::to_string(static_cast<int>(kind)) + " (" + getVentilName(kind) +
                ") has no sizing search here (see 'armakon size --help')");
  }
  const std::string missing = search->missingInput != nullptr ? search->missingInput(request) : "";
  if (!missing.empty()) return fail(std::string("a ") + search->family + " needs " + missing);

  ARMATUR record;
  record.dimension = options.dn;
  if (!options.keep.empty()) {
    if (!search->canKeep) {
      return fail(std::string("--keep applies to adjustable resistances only, not to a ") + search->family);
    }
    if (!parseKeep(options.keep, record)) {
      return fail("--keep needs ID:DN with two whole numbers of at least 1, not '" + options.keep + "'");
    }
    request.keep = true;
  }
  if (options.local != 0) {
    if (!search->canLocal) return fail(std::string("--local does not apply to a ") + search->family);
    record.modellId = options.local;
    request.local = true;
  }

  std::string error;
  ProjectTree read;
  if (!loadProject(options.project, false, read, error)) return fail(error);
  const RnArmaturContainer* container = containerForKind(kind);
  if (container == nullptr) return fail("kind " + std::to_string(static_cast<int>(kind)) + " has no container");
  if (request.local && !hasSizeEntry(*container, options.local)) {
    return fail("the project has no entry " + std::to_string(options.local) + " among its " +
                (isHeizungsTyp(kind) ? "heating" : "drinking-water") + " valves");
  }
  SizeLines lines;
  if (!runSizeSearch(*search, *container, kind, request, record, lines)) {
    return fail("nothing suitable: no " + std::string(search->family) + " of kind " +
                    std::to_string(static_cast<int>(kind)) + " (" + getVentilName(kind) + ")" +
                    (request.local ? " in entry " + std::to_string(options.local)
                                   : std::string(" in the project's global list")) +
                    " fits",
                1);
  }
  for (const SizeLine& line : lines) printField(line.key, line.value);
  return 0;
}

}  // namespace

void addSizeCommand(CLI::App& app, Action& action) {
  auto options = std::make_shared<SizeOptions>();
  CLI::App* command = app.add_subcommand(
      "size", "Choose a valve of a kind from a project's global list for a wanted kv, as a pipe-network\n"
              "calculation does, and print the model id, manufacturer, model, DN, setting index, setting\n"
              "text (with the proportional band of thermostatic valves) and the kv of that setting.\n"
              "Heating regulators take the inputs their search needs (--flow, --setpoint, --share, ...) and\n"
              "print their setting indices, setting texts and derived values (p-deviation, kv max, kv);\n"
              "so do the drinking-water kinds (--flow, --temperature, --area, --pressure: regulator\n"
              "temperature, pressure loss, outlet pressure, ...).");
  command->add_option("PROJECT", options->project, "The project file (see 'armakon project')")->required();
  command->add_option("--kind", options->kind, "The valve kind, by number or short name (see below)")->required();
  command->add_option("--kv", options->kv,
                      "The wanted kv in m³/h (not used by fixed resistances; differential-pressure\n"
                      "regulators take it or derive it from --flow and --dp; flow regulators and one-pipe\n"
                      "fittings do without)");
  command->add_option("--dn", options->dn, "The wanted nominal size; 0 (default): no preference")
      ->check(CLI::NonNegativeNumber);
  command->add_flag("--from-open", options->fromOpen,
                    "Take the most open setting whose kv does not exceed the wanted one (pressure drop at\n"
                    "least the wanted one); default: the most closed setting whose kv is not below it");
  CLI::Option* keep = command->add_option(
      "--keep", options->keep,
      "ID:DN of the valve the component has now: kept while the kv lies within its range\n"
      "(adjustable resistances)");
  CLI::Option* dn = command->get_option("--dn");
  keep->excludes(dn);
  command->add_option("--group", options->group, "Only entries of this group, ignoring case (fixed resistances)");
  command->add_option("--kv-max", options->kvMax,
                      "The preferred largest kv of a thermostatic valve; default: the wanted kv");
  // Heating regulators.
  command->add_option("--flow", options->flow,
                      "The flow in m³/h (flow regulators, combined regulators, thermostatic valves with\n"
                      "flow limitation: kind thkv with --flow)");
  command->add_option("--dp", options->dp,
                      "The pressure drop in mbar that, with --flow, gives the kv of a differential-pressure\n"
                      "regulator when --kv is not given");
  command->add_option("--setpoint", options->setpoint,
                      "The differential pressure in mbar a differential-pressure regulator is to hold");
  command->add_option("--share", options->share,
                      "The wanted share of the flow through the radiator, 0 .. 1 (one-pipe fittings)");
  command->add_option("--kv-radiator", options->kvRadiator, "The radiator's kv in m³/h (one-pipe fittings)");
  CLI::Option* keepDim = command->add_flag("--keep-dim", options->keepDim,
                                           "Only variants of the size given with --dn (heating regulators and\n"
                                           "drinking-water kinds)");
  keepDim->needs(dn);
  CLI::Option* local = command->add_option(
      "--local", options->local,
      "Size within entry ID of the project only (global or local list), keeping the --dn given,\n"
      "instead of choosing from the global list (heating regulators and drinking-water kinds)");
  local->check(CLI::PositiveNumber);
  local->excludes(keep);
  // Drinking-water kinds.
  command->add_option("--temperature", options->temperature,
                      "The water temperature in °C at a thermostatic circulation valve (with --kv)");
  command->add_option("--area", options->area, "The area of use of a water meter: 1 cold water, 2 hot water");
  command->add_option("--pressure", options->pressure,
                      "The outlet pressure in bar of a pressure reducer; for a pipe separator the largest\n"
                      "separator pressure it may have (default: any)");
  command->footer("Kinds that can be sized:\n" + searchHelpText() +
                  "Exit status: 0 with a valve chosen, 1 when no entry is suitable, 2 on wrong arguments or an\n"
                  "unreadable project.\n"
                  "Examples:\n"
                  "  armakon size p.armakon --kind thkv --kv 0.35 --kv-max 0.8 --dn 10\n"
                  "  armakon size p.armakon --kind ddr --flow 0.8 --dp 71 --setpoint 200 --dn 20\n"
                  "  armakon size p.armakon --kind zaehler --flow 2 --area 1 --dn 20");
  command->callback([&action, options] { action = [options] { return runSize(*options); }; });
}

}  // namespace armakon::tool
