// The sizing rows of the drinking-water kinds: thermostatic circulation balancing valves, water
// meters, backflow preventers, pipe separators, pressure reducers and (within one local entry)
// draw-off fittings. Each searches the global list, or the one entry the record names, and
// reports the setting(s), the setting text and what the choice means.

#include <limits>
#include <string>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/NumberText.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "armakon/containers/SizeSearch.h"
#include "armakon/containers/SizeSearchSupport.h"

namespace armakon {

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

// --- thermostatic circulation balancing valve (5558) ---

std::string thermoMissing(const SizeRequest& r) {
  return joinMissing({{r.hasKv, "--kv"}, {r.temperature.has_value(), "--temperature"}});
}

bool sizeThermo(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& r, ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  double unused = 0.0;
  return r.local ? tw->findLocalThermoDrossel(r.kv, *r.temperature, r.regulatorTemperature, record, r.keepDim)
                 : tw->findGlobalThermoDrossel(r.kv, *r.temperature, r.regulatorTemperature, unused, record,
                                               r.keepDim);
}

std::string curveTemperature(const hydArmaturThermoDross& valve, int index) {
  if (index < 0 || index >= valve.getCount()) return "?";
  return sizeNumber(valve.getKurveAt(index).getTemperatur(), "°C");
}

void reportThermo(const RnArmaturContainer& container, const SizeRequest& r, const ARMATUR& record, SizeLines& lines) {
  const TwArmaturContainer& tw = *drinkingWater(container);
  addLine(lines, "settings", std::to_string(record.einstellung) + ", " + std::to_string(record.einstellung2));
  const hydArmaturThermoDross* valve = chosenAs<hydArmaturThermoDross>(tw, record);
  if (valve == nullptr) return;
  addLine(lines, "setting text",
            curveTemperature(*valve, record.einstellung) + ", " + curveTemperature(*valve, record.einstellung2));
  addLine(lines, "regulator temperature", formatC("%.2f °C", r.regulatorTemperature));
  // The kv the valve reaches at the water temperature with its regulator so set.
  CHydrixInterpolation function;
  const bool known = valve->getFunktion(function, r.regulatorTemperature, true);
  const double kv = known ? function.GetY(*r.temperature, true) : CHydrixInterpolation::kNoValue;
  addLine(lines, "kv", kv != CHydrixInterpolation::kNoValue ? sizeNumber(kv) : std::string());
  // The host's choice list of regulator temperatures, at the chosen one.
  SimpleHostDoubleList choices;
  tw.fillEinstellungsCombo(choices, record, r.regulatorTemperature);
  const int selected = choices.getCurSel();
  addLine(lines, "setting choice", selected >= 0 ? choices.getText(selected) + " (" + std::to_string(selected + 1) +
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

bool sizeMeter(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& r, ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  const auto area = isArea(r, hydArmaturZaehler::Warmwasser) ? hydArmaturZaehler::Warmwasser
                                                             : hydArmaturZaehler::Kaltwasser;
  return r.local ? tw->findLocalZaehler(area, *r.flow, record, r.keepDim)
                 : tw->findGlobalZaehler(area, *r.flow, record, r.keepDim);
}

void reportMeter(const RnArmaturContainer& container, const SizeRequest&, const ARMATUR& record, SizeLines& lines) {
  const hydArmaturZaehler* meter = chosenAs<hydArmaturZaehler>(*drinkingWater(container), record);
  if (meter == nullptr) return;
  addLine(lines, "Qn", sizeNumber(meter->getQn(), "m³/h"));
  addLine(lines, "flow range", sizeNumber(meter->getQmin()) + " .. " + sizeNumber(meter->getQmax(), "m³/h"));
  addLine(lines, "area of use", meter->getEinsatzbereichText());
}

// --- backflow preventer (5559) and pipe separator (5562) ---

// The search over the global list, or with --local over the list of the one entry the
// record names. The local form keeps the record it was given when it chooses nothing, and
// that record names the entry; so both run the list form with the model id cleared, which
// names a variant only when the search chose one.
bool sizeSafetyFitting(const RnArmaturContainer& container, enArmaturenTyp kind, SizeRequest& r,
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

void reportSafetyFitting(const RnArmaturContainer& container, const SizeRequest& r,
                         const ARMATUR& record, SizeLines& lines) {
  const hydArmaturSicherung* fitting = chosenAs<hydArmaturSicherung>(*drinkingWater(container), record);
  if (fitting == nullptr) return;
  const std::string& unit = fitting->getKurve().getEinheitx();
  const double dp = fitting->getDp(*r.flow);
  addLine(lines, "pressure loss", dp != CHydrixInterpolation::kNoValue ? sizeNumber(dp, unit.c_str()) : std::string());
  addLine(lines, "opening pressure", sizeNumber(fitting->getOefnDp(), unit.c_str()));
  if (fitting->getArmType() == hydVDIArmaturen::ARMTYP_ROHRTRENNER) {
    addLine(lines, "separator pressure", sizeNumber(fitting->getTrennerDruck()));
  }
}

// --- pressure reducer (5563) ---

std::string reducerMissing(const SizeRequest& r) { return joinMissing({{r.pressure.has_value(), "--pressure"}}); }

bool sizeReducer(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& r, ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  return r.local ? tw->findLocalDM(*r.pressure, 0.0, record, r.keepDim)
                 : tw->findGlobalDM(*r.pressure, 0.0, record, r.keepDim);
}

void reportReducer(const RnArmaturContainer& container, const SizeRequest&, const ARMATUR& record, SizeLines& lines) {
  const TwArmaturContainer& tw = *drinkingWater(container);
  addLine(lines, "setting", std::to_string(record.einstellung));
  addLine(lines, "setting text", tw.getEinstellung(record, false));
  const hydArmatur* variant = tw.getArmatur(record);
  const bool known = variant != nullptr && record.einstellung >= 0 && record.einstellung < variant->getKurve().getCount();
  addLine(lines, "outlet pressure",
          known ? sizeNumber(variant->getKurve().getAt(record.einstellung).y, "bar") : std::string());
}

// --- draw-off fitting (5560, 5561): resolved within the record's local entry only ---

std::string drawOffMissing(const SizeRequest& r) { return joinMissing({{r.local, "--local ID"}}); }

bool sizeDrawOff(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest&, ARMATUR& record) {
  const TwArmaturContainer* tw = drinkingWater(container);
  if (tw == nullptr) return false;
  const hydArmatur* variant = tw->findLocalEntnahme(record);
  if (variant == nullptr) return false;
  record.dimension = variant->getDimension();
  return true;
}

void reportDrawOff(const RnArmaturContainer& container, const SizeRequest&, const ARMATUR& record, SizeLines& lines) {
  const TwArmaturContainer& tw = *drinkingWater(container);
  addLine(lines, "article number", tw.getArtikelNr(record));
  const hydArmatur* variant = tw.getArmatur(record);
  const bool hasKvs = variant != nullptr && variant->getKvs() > 0.0;
  addLine(lines, "kvs", hasKvs ? sizeNumber(variant->getKvs(), "m³/h") : std::string());
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

}  // namespace armakon
