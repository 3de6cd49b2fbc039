#pragma once
// Sizing by valve kind for a host without a network calculation of its own (the armakon
// tool's `size`, the desktop application's sizing panel): one row per valve kind (two where a
// kind has two searches, told apart by the inputs given). SizeSearch.cpp holds the rows of the
// searches every container shares and runs a row; each container's own searches add their
// rows from their own file (SizeSearchHeating.cpp, SizeSearchDrinkingWater.cpp).
//
// Inputs are named by short option names ("--kv", "--flow", "--setpoint", ...), the same in
// the tool's command line and in the application's field table. A result is a list of lines,
// each a fixed key ("setting", "kv", ...) and a value text (empty: not known).

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "armakon/containers/ARMATUR.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/enArmaturenTyp.h"

namespace armakon {

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
  bool keepDim = false;              // only variants of the record's size
  bool local = false;                // search only the entry the record names
  // Inputs of the drinking-water searches; unset when not given.
  std::optional<double> temperature;  // °C: water temperature at a circulation valve
  std::optional<double> area;         // area of use of a water meter: 1 cold, 2 hot water
  std::optional<double> pressure;     // bar: outlet pressure of a pressure reducer, or the
                                      // largest separator pressure of a pipe separator
  // Set by the search of thermostatic circulation valves: the regulator temperature chosen.
  double regulatorTemperature = -1.0;
};

struct SizeLine {
  const char* key;
  std::string value;  // empty: not known
};
using SizeLines = std::vector<SizeLine>;

using SearchFunction = bool (*)(const RnArmaturContainer&, enArmaturenTyp, SizeRequest&, ARMATUR&);
// The inputs a search lacks ("--flow, --setpoint"), or "" when it has all it needs.
using InputCheck = std::string (*)(const SizeRequest&);
// Adds a found valve's setting, setting text and derived values.
using ReportFunction = void (*)(const RnArmaturContainer&, const SizeRequest&, const ARMATUR&, SizeLines&);
// True when the inputs ask for this row rather than another row of the same kind.
using RowSelector = bool (*)(const SizeRequest&);

struct SizeSearch {
  enArmaturenTyp kind;
  const char* family;
  SearchFunction run;
  bool canKeep;                         // takes a variant to keep (request.keep)
  InputCheck missingInput = nullptr;    // null: the search needs no input
  ReportFunction report = nullptr;      // null: setting index, setting text and kv of the setting
  RowSelector selects = nullptr;        // null: the kind's default row
  bool canLocal = false;                // searches one local or global entry (request.local)
};

// The rows of the heating regulators (SizeSearchHeating.cpp).
std::span<const SizeSearch> heatingSizeSearches();
// The rows of the drinking-water kinds (SizeSearchDrinkingWater.cpp).
std::span<const SizeSearch> drinkingWaterSizeSearches();
// Every table of rows: the shared searches first, then each container's own.
std::span<const std::span<const SizeSearch>> sizeSearchTables();

// The row of the kind that the inputs select, else the kind's default row; null when the
// kind cannot be sized.
const SizeSearch* findSizeSearch(enArmaturenTyp kind, const SizeRequest& request);

// Whether the container has an entry of that id (global or local list).
bool hasSizeEntry(const RnArmaturContainer& container, int id);

// Runs the row's search for the record (its model id names the entry of a local search, its
// dimension the wanted size). True when a valve of the kind was chosen, with the lines
// "model id", "manufacturer", "model", "DN" and then the row's report; false otherwise (a
// search may leave a record it was given unchanged, naming an entry of another kind).
bool runSizeSearch(const SizeSearch& search, const RnArmaturContainer& container, enArmaturenTyp kind,
                   SizeRequest& request, ARMATUR& record, SizeLines& lines);

}  // namespace armakon
