#include "armakon/containers/SizeSearch.h"

#include "armakon/containers/SizeSearchSupport.h"

namespace armakon {

namespace {

bool fixedResistance(const RnArmaturContainer& container, enArmaturenTyp kind, SizeRequest& request,
                     ARMATUR& record) {
  return container.findGlobalFestwiderstand(request.group, kind, record);
}

bool adjustableResistance(const RnArmaturContainer& container, enArmaturenTyp kind, SizeRequest& request,
                          ARMATUR& record) {
  return container.findGlobalVariablenWiderstand(request.kv, kind, record, !request.keep, request.fromOpen);
}

bool thermostaticValve(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& request,
                       ARMATUR& record) {
  return container.findGlobalVariablesTHKV(request.kv, request.kvMax, request.fromOpen, record);
}

std::string kvMissing(const SizeRequest& request) { return request.hasKv ? "" : "--kv"; }

constexpr SizeSearch kSearches[] = {
    {HZ_ALLGEMEINE_ARMATUREN, "fixed resistance", fixedResistance, false},
    {TW_ALLGEMEINE_ARMATUREN, "fixed resistance", fixedResistance, false},
    {HZ_THERMOSTATVENTIL, "thermostatic valve", thermostaticValve, false, kvMissing},
    {HZ_RUECKLAUFVERSCHRAUBUNG, "adjustable resistance", adjustableResistance, true, kvMissing},
    {HZ_STRANGREGULIERVENTIL_DROSSEL, "adjustable resistance", adjustableResistance, true, kvMissing},
    {TW_STRANGREGULIERVENTIL, "adjustable resistance", adjustableResistance, true, kvMissing},
};

// Whether the search chose a valve of the kind: a search may leave a record it was given
// unchanged when it finds nothing, and that record may name an entry of another kind.
bool choseKind(const RnArmaturContainer& container, enArmaturenTyp kind, const ARMATUR& record) {
  return container.getArmatur(record) != nullptr && container.getArmaturenModell(record).getTyp() == kind;
}

}  // namespace

std::span<const std::span<const SizeSearch>> sizeSearchTables() {
  static const std::span<const SizeSearch> tables[] = {kSearches, heatingSizeSearches(),
                                                       drinkingWaterSizeSearches()};
  return tables;
}

const SizeSearch* findSizeSearch(enArmaturenTyp kind, const SizeRequest& request) {
  const SizeSearch* fallback = nullptr;
  for (std::span<const SizeSearch> table : sizeSearchTables()) {
    for (const SizeSearch& search : table) {
      if (search.kind != kind) continue;
      if (search.selects != nullptr && search.selects(request)) return &search;
      if (search.selects == nullptr && fallback == nullptr) fallback = &search;
    }
  }
  return fallback;
}

bool hasSizeEntry(const RnArmaturContainer& container, int id) {
  ARMATUR record;
  record.modellId = id;
  return !container.getArmaturenModellAsList(record, false).empty() ||
         !container.getArmaturenModellAsList(record, true).empty();
}

bool runSizeSearch(const SizeSearch& search, const RnArmaturContainer& container, enArmaturenTyp kind,
                   SizeRequest& request, ARMATUR& record, SizeLines& lines) {
  lines.clear();
  if (!search.run(container, kind, request, record) || !choseKind(container, kind, record)) return false;
  double kvIst = 0.0;
  const bool hasKv = container.getKvIst(record, kvIst);
  addLine(lines, "model id", std::to_string(record.modellId));
  addLine(lines, "manufacturer", container.getManufacturer(record));
  addLine(lines, "model", container.getModelType(record));
  addLine(lines, "DN", std::to_string(record.dimension));
  if (search.report != nullptr) {
    search.report(container, request, record, lines);
    return true;
  }
  addLine(lines, "setting", std::to_string(record.einstellung));
  addLine(lines, "setting text", container.getEinstellung(record, true));
  addLine(lines, "kv", hasKv ? formatC("%g", kvIst) : std::string());
  return true;
}

}  // namespace armakon
