// armakon size for the drinking-water kinds: thermostatic circulation balancing valves, water
// meters, backflow preventers, pipe separators, pressure reducers and (with --local ID)
// draw-off fittings. Each searches the global list, or with --local ID the one entry ID, and
// prints the setting(s), the setting text and what the choice means.

#include <cstdio>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/NumberText.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "tools/armakon/SizeCommand.h"

namespace armakon::tool {

namespace {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturSicherung;
using hydVDIArmaturen::hydArmaturThermoDross;
using hydVDIArmaturen::hydArmaturZaehler;

const TwArmaturContainer* drinkingWater(const RnArmaturContainer& container) {
  return dynamic_cast<const TwArmaturContainer*>(&container);
}

// The record's variant as its typed class, or null.
template <class Typed>
const Typed* chosenAs(const TwArmaturContainer& tw, const ARMATUR& record) {
  const hydArmatur* variant = tw.getArmatur(record);
  if (variant == nullptr || !variant->IsKindOf(Typed::GetThisClass())) return nullptr;
  return static_cast<const Typed*>(variant);
}

void printLine(const char* label, const std::string& value) {
  std::fputs((std::string(label) + "\t" + (value.empty() ? std::string("-") : value) + "\n").c_str(), stdout);
}

std::string number(double value, const char* unit = "") {
  std::string text = formatC("%g", value);
  if (*unit != '\0') text += std::string(" ") + unit;
  return text;
}

std::string joinMissing(std::initializer_list<std::pair<bool, const char*>> inputs) {
  std::string missing;
  for (const auto& [given, name] : inputs) {
    if (given) continue;
    if (!missing.empty()) missing += ", ";
    missing += name;
  }
  return missing;
}

// --- thermostatic circulation balancing valve (5558) ---

// The regulator temperature the last search chose (the tool runs one search per call).
double g_regulatorTemperature = -1.0;

std::string thermoMissing(const SizeRequest& r) {
  return joinMissing({{r.hasKv, "--kv"}, {r.temperature.has_value(), "--temperature"}});
}

bool sizeThermo(const RnArmaturContainer& container, enArmaturenTyp, const SizeRequest& r, ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  double unused = 0.0;
  return r.local ? tw->findLocalThermoDrossel(r.kv, *r.temperature, g_regulatorTemperature, record, r.keepDim)
                 : tw->findGlobalThermoDrossel(r.kv, *r.temperature, g_regulatorTemperature, unused, record,
                                               r.keepDim);
}

std::string curveTemperature(const hydArmaturThermoDross& valve, int index) {
  if (index < 0 || index >= valve.getCount()) return "?";
  return number(valve.getKurveAt(index).getTemperatur(), "°C");
}

void reportThermo(const RnArmaturContainer& container, const SizeRequest& r, const ARMATUR& record) {
  const TwArmaturContainer& tw = *drinkingWater(container);
  printLine("settings", std::to_string(record.einstellung) + ", " + std::to_string(record.einstellung2));
  const hydArmaturThermoDross* valve = chosenAs<hydArmaturThermoDross>(tw, record);
  if (valve == nullptr) return;
  printLine("setting text",
            curveTemperature(*valve, record.einstellung) + ", " + curveTemperature(*valve, record.einstellung2));
  printLine("regulator temperature", formatC("%.2f °C", g_regulatorTemperature));
  // The kv the valve reaches at the water temperature with its regulator so set.
  CHydrixInterpolation function;
  const bool known = valve->getFunktion(function, g_regulatorTemperature, true);
  const double kv = known ? function.GetY(*r.temperature, true) : CHydrixInterpolation::kNoValue;
  printLine("kv", kv != CHydrixInterpolation::kNoValue ? number(kv) : std::string());
  // The host's choice list of regulator temperatures, at the chosen one.
  SimpleHostDoubleList choices;
  tw.fillEinstellungsCombo(choices, record, g_regulatorTemperature);
  const int selected = choices.getCurSel();
  printLine("setting choice", selected >= 0 ? choices.getText(selected) + " (" + std::to_string(selected + 1) +
                                                  " of " + std::to_string(choices.getCount()) + ")"
                                            : std::string());
}

// --- water meter (5564) ---

// --area as the meter's area of use: 1 cold water, 2 hot water.
bool isArea(const SizeRequest& r, hydArmaturZaehler::Einsatzbereich area) {
  return r.area && *r.area == static_cast<double>(area);
}

bool areaGiven(const SizeRequest& r) {
  return isArea(r, hydArmaturZaehler::Kaltwasser) || isArea(r, hydArmaturZaehler::Warmwasser);
}

std::string meterMissing(const SizeRequest& r) {
  return joinMissing({{r.flow.has_value(), "--flow"}, {areaGiven(r), "--area 1 (cold water) or 2 (hot water)"}});
}

bool sizeMeter(const RnArmaturContainer& container, enArmaturenTyp, const SizeRequest& r, ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  const auto area = isArea(r, hydArmaturZaehler::Warmwasser) ? hydArmaturZaehler::Warmwasser
                                                             : hydArmaturZaehler::Kaltwasser;
  return r.local ? tw->findLocalZaehler(area, *r.flow, record, r.keepDim)
                 : tw->findGlobalZaehler(area, *r.flow, record, r.keepDim);
}

void reportMeter(const RnArmaturContainer& container, const SizeRequest&, const ARMATUR& record) {
  const hydArmaturZaehler* meter = chosenAs<hydArmaturZaehler>(*drinkingWater(container), record);
  if (meter == nullptr) return;
  printLine("Qn", number(meter->getQn(), "m³/h"));
  printLine("flow range", number(meter->getQmin()) + " .. " + number(meter->getQmax(), "m³/h"));
  printLine("area of use", meter->getEinsatzbereichText());
}

// --- backflow preventer (5559) and pipe separator (5562) ---

std::string flowMissing(const SizeRequest& r) { return joinMissing({{r.flow.has_value(), "--flow"}}); }

// The search over the global list, or with --local over the list of the one entry the
// record names. The local form keeps the record it was given when it chooses nothing, and
// that record names the entry; so both run the list form with the model id cleared, which
// names a variant only when the search chose one.
bool sizeSafetyFitting(const RnArmaturContainer& container, enArmaturenTyp kind, const SizeRequest& r,
                       ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  ArmaturenModellSpan list = tw->getGlobalList();
  if (r.local) {
    list = tw->getArmaturenModellAsList(record, false);
    if (list.empty()) list = tw->getArmaturenModellAsList(record, true);
  }
  // Backflow preventers have no separator pressure; without --pressure any is acceptable.
  const double limit = kind != TW_ROHRTRENNER ? -1.0 : r.pressure ? *r.pressure : std::numeric_limits<double>::infinity();
  record.modellId = 0;
  return TwArmaturContainer::findSicherungEx(list, *r.flow, record, kind, r.keepDim, limit);
}

void reportSafetyFitting(const RnArmaturContainer& container, const SizeRequest& r, const ARMATUR& record) {
  const hydArmaturSicherung* fitting = chosenAs<hydArmaturSicherung>(*drinkingWater(container), record);
  if (fitting == nullptr) return;
  const std::string& unit = fitting->getKurve().getEinheitx();
  const double dp = fitting->getDp(*r.flow);
  printLine("pressure loss", dp != CHydrixInterpolation::kNoValue ? number(dp, unit.c_str()) : std::string());
  printLine("opening pressure", number(fitting->getOefnDp(), unit.c_str()));
  if (fitting->getArmType() == hydVDIArmaturen::ARMTYP_ROHRTRENNER) {
    printLine("separator pressure", number(fitting->getTrennerDruck()));
  }
}

// --- pressure reducer (5563) ---

std::string reducerMissing(const SizeRequest& r) { return joinMissing({{r.pressure.has_value(), "--pressure"}}); }

bool sizeReducer(const RnArmaturContainer& container, enArmaturenTyp, const SizeRequest& r, ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  return r.local ? tw->findLocalDM(*r.pressure, 0.0, record, r.keepDim)
                 : tw->findGlobalDM(*r.pressure, 0.0, record, r.keepDim);
}

void reportReducer(const RnArmaturContainer& container, const SizeRequest&, const ARMATUR& record) {
  const TwArmaturContainer& tw = *drinkingWater(container);
  printLine("setting", std::to_string(record.einstellung));
  printLine("setting text", tw.getEinstellung(record, false));
  const hydArmatur* variant = tw.getArmatur(record);
  const bool known = variant != nullptr && record.einstellung >= 0 && record.einstellung < variant->getKurve().getCount();
  printLine("outlet pressure", known ? number(variant->getKurve().getAt(record.einstellung).y, "bar") : std::string());
}

// --- draw-off fitting (5560, 5561): resolved within the record's local entry only ---

std::string drawOffMissing(const SizeRequest& r) { return joinMissing({{r.local, "--local ID"}}); }

bool sizeDrawOff(const RnArmaturContainer& container, enArmaturenTyp, const SizeRequest&, ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  const hydArmatur* variant = tw->findLocalEntnahme(record);
  if (variant == nullptr) return false;
  record.dimension = variant->getDimension();
  return true;
}

void reportDrawOff(const RnArmaturContainer& container, const SizeRequest&, const ARMATUR& record) {
  const TwArmaturContainer& tw = *drinkingWater(container);
  printLine("article number", tw.getArtikelNr(record));
  const hydArmatur* variant = tw.getArmatur(record);
  printLine("kvs", variant != nullptr && variant->getKvs() > 0.0 ? number(variant->getKvs(), "m³/h") : std::string());
}

constexpr SizeSearch kDrinkingWaterSearches[] = {
    {TW_THERMOSTATISCHES_STRANGREGULIERVENTIL, "thermostatic circulation valve", sizeThermo, false, thermoMissing,
     reportThermo, nullptr, true},
    {TW_WASSERZAEHLER, "water meter", sizeMeter, false, meterMissing, reportMeter, nullptr, true},
    {TW_RUECKFLUSSVERHINDERER, "backflow preventer", sizeSafetyFitting, false, flowMissing, reportSafetyFitting,
     nullptr, true},
    {TW_ROHRTRENNER, "pipe separator", sizeSafetyFitting, false, flowMissing, reportSafetyFitting, nullptr, true},
    {TW_DRUCKREGLER, "pressure reducer", sizeReducer, false, reducerMissing, reportReducer, nullptr, true},
    {TW_ENTNAHMEARMATUR, "draw-off fitting (with --local)", sizeDrawOff, false, drawOffMissing, reportDrawOff, nullptr,
     true},
    {TW_ENTNAHMEARMATUR_RFV, "draw-off fitting (with --local)", sizeDrawOff, false, drawOffMissing, reportDrawOff,
     nullptr, true},
};

}  // namespace

std::span<const SizeSearch> drinkingWaterSizeSearches() { return kDrinkingWaterSearches; }

}  // namespace armakon::tool
