#pragma once
// The searches `armakon size` offers: one row per valve kind (two where a kind has two
// searches, told apart by the inputs given). SizeCommand.cpp holds the rows of the searches
// every container shares; each container's own searches add their rows from their own file.

#include <optional>
#include <span>
#include <string>

#include "armakon/containers/ARMATUR.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/enArmaturenTyp.h"

namespace armakon::tool {

// What one search gets besides the container and the host's record.
struct SizeRequest {
  double kv = 0.0;
  bool hasKv = false;  // --kv was given
  double kvMax = 0.0;  // the preferred kvmax of thermostatic valves
  bool fromOpen = false;
  bool keep = false;   // the record names a variant to keep while it fits
  std::string group;
  // Inputs of the heating regulators; unset when not given.
  std::optional<double> flow;        // m³/h
  std::optional<double> dp;          // mbar: with the flow, the kv when --kv is not given
  std::optional<double> setpoint;    // mbar: differential-pressure setpoint
  std::optional<double> share;       // wanted share of the flow through the radiator, 0 .. 1
  std::optional<double> kvRadiator;  // kv of the radiator, m³/h
  bool keepDim = false;              // only variants of the record's size (--keep-dim with --dn)
  bool local = false;                // search only the entry the record names (--local ID)
  // Inputs of the drinking-water searches; unset when not given.
  std::optional<double> temperature;  // °C: water temperature at a circulation valve
  std::optional<double> area;         // area of use of a water meter: 1 cold, 2 hot water
  std::optional<double> pressure;     // bar: outlet pressure of a pressure reducer, or the
                                      // largest separator pressure of a pipe separator
};

using SearchFunction = bool (*)(const RnArmaturContainer&, enArmaturenTyp, const SizeRequest&, ARMATUR&);
// The inputs a search lacks as option names ("--flow"), or "" when it has all it needs.
using InputCheck = std::string (*)(const SizeRequest&);
// Prints a found valve's setting, setting text and derived values, one "label\tvalue" line
// each (after model id, manufacturer, model and DN).
using ReportFunction = void (*)(const RnArmaturContainer&, const SizeRequest&, const ARMATUR&);
// True when the inputs ask for this row rather than another row of the same kind.
using RowSelector = bool (*)(const SizeRequest&);

struct SizeSearch {
  enArmaturenTyp kind;
  const char* family;
  SearchFunction run;
  bool canKeep;                         // takes --keep
  InputCheck missingInput = nullptr;    // null: the search needs no input
  ReportFunction report = nullptr;      // null: setting index, setting text and kv of the setting
  RowSelector selects = nullptr;        // null: the kind's default row
  bool canLocal = false;                // takes --local ID
};

// The rows of the heating regulators (SizeHeating.cpp).
std::span<const SizeSearch> heatingSizeSearches();
// The rows of the drinking-water kinds (SizeDrinkingWater.cpp).
std::span<const SizeSearch> drinkingWaterSizeSearches();

}  // namespace armakon::tool
