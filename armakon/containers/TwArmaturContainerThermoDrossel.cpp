// Thermostatic circulation balancing valves (kind 5558): which valve, at which regulator
// temperature, lets the wanted kv through at the circulating water's temperature.
//
// A valve answers the regulator temperature itself (findEinstelltemperatur: the temperature
// at which its kv at water temperature T is the wanted one, and the two setting curves around
// it). Among the valves of the wanted size the one whose kv at T at that regulator
// temperature lies closest above the wanted kv is chosen.

#include <algorithm>
#include <cmath>
#include <vector>

#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/containers/TwArmaturContainerCandidates.h"
#include "armakon/model/hydArmaturThermoDross.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturThermoDross;
using twsizing::asTyped;
using twsizing::passesKeepDim;
using twsizing::recordNamesVariant;

namespace {

// What a valve's findEinstelltemperatur answered for the search's kv and T.
struct RegulatorSetting {
  const hydArmaturThermoDross* valve = nullptr;
  bool asked = false;
  bool found = false;
  double temperature = -1.0;
  int index1 = -1;
  int index2 = -1;

  // The valve's answer, asked once: the query is const and deterministic, so one answer serves
  // every step of the search.
  bool ask(double kv, double T) {
    if (!asked) {
      asked = true;
      found = valve->findEinstelltemperatur(kv, T, temperature, index1, index2, false);
    }
    return found;
  }
};

// The smallest (or largest) dimension among the valves that answer, asking them in that
// order of dimension until one does; false when none does.
bool extremeAnsweringDimension(std::vector<RegulatorSetting>& valves, const std::vector<std::size_t>& byDimension,
                               bool largest, double kv, double T, int& dimension) {
  for (std::size_t k = 0; k < byDimension.size(); ++k) {
    RegulatorSetting& valve = valves[byDimension[largest ? byDimension.size() - 1 - k : k]];
    if (valve.ask(kv, T)) {
      dimension = valve.valve->getDimension();
      return true;
    }
  }
  return false;
}

}  // namespace

bool TwArmaturContainer::findThermoDrosselEx(ArmaturenModellSpan list, double kv, double T, double& tOut,
                                             ARMATUR& record, bool keepDim) {
  record.einstellung = -1;
  record.einstellung2 = -1;

  // The candidates are the valves of the kind (entries in list order, each one's variants
  // from the last to the first) whose regulator temperature for kv at T can be found.
  std::vector<RegulatorSetting> valves;
  const std::size_t entryCount = list.size();
  for (std::size_t e = 0; e < entryCount; ++e) {
    const auto& entry = list[e];
    if (entry == nullptr || entry->getTyp() != TW_THERMOSTATISCHES_STRANGREGULIERVENTIL) continue;
    const auto& variants = entry->getModell().getArmaturen();
    for (auto it = variants.rbegin(); it != variants.rend(); ++it) {
      const hydArmaturThermoDross* valve = asTyped<hydArmaturThermoDross>(**it);
      if (valve != nullptr && passesKeepDim(*valve, record, keepDim)) valves.push_back(RegulatorSetting{valve});
    }
  }

  // Finding a regulator temperature is the costly part, and only the candidates of the
  // wanted size take part in the choice. The size filter (sortOut) needs no more than the
  // smallest and largest candidate dimension, so those valves are asked first, in order of
  // size, and the others only when their size passes the filter.
  std::vector<std::size_t> byDimension(valves.size());
  for (std::size_t i = 0; i < valves.size(); ++i) byDimension[i] = i;
  std::stable_sort(byDimension.begin(), byDimension.end(), [&valves](std::size_t a, std::size_t b) {
    return valves[a].valve->getDimension() < valves[b].valve->getDimension();
  });
  int minDim = 0;
  int maxDim = 0;
  if (!extremeAnsweringDimension(valves, byDimension, false, kv, T, minDim)) return false;
  extremeAnsweringDimension(valves, byDimension, true, kv, T, maxDim);
  ArmaturArray ofWantedSize;
  ofWantedSize.reserve(valves.size());
  for (const RegulatorSetting& valve : valves) ofWantedSize.push_back(valve.valve);
  sortOut(minDim, maxDim, record.dimension, ofWantedSize);

  // The remaining candidates in order: those of the wanted size that answer. Of them the
  // valve whose kv at T comes closest to kv from above; the first one is taken whatever it
  // reaches.
  const RegulatorSetting* chosen = nullptr;
  double best = -1000.0;
  std::size_t v = 0;
  for (const hydArmatur* candidate : ofWantedSize) {
    while (valves[v].valve != candidate) ++v;
    RegulatorSetting& setting = valves[v];
    if (!setting.ask(kv, T)) continue;
    // The kv the valve reaches at the water temperature with its regulator so set.
    double y = 0.0;
    if (!setting.valve->getFunktionKv(setting.temperature, T, y)) continue;
    if (best < 0.0 || (y >= kv && std::fabs(y - kv) < std::fabs(best - kv))) {
      best = y;
      chosen = &setting;
    }
  }
  if (chosen != nullptr) {
    record.dimension = chosen->valve->getDimension();
    record.modellId = findParentModellId(list, chosen->valve);
    record.einstellung = chosen->index1;
    record.einstellung2 = chosen->index2;
    tOut = chosen->temperature;
  }
  return recordNamesVariant(record);
}

bool TwArmaturContainer::findGlobalThermoDrossel(double kv, double T, double& tOut, double& /*unused*/,
                                                 ARMATUR& record, bool keepDim) const {
  record.modellId = 0;
  record.einstellung = -1;
  record.einstellung2 = -1;
  return findThermoDrosselEx(getGlobalList(), kv, T, tOut, record, keepDim);
}

bool TwArmaturContainer::findLocalThermoDrossel(double kv, double T, double& tOut, ARMATUR& record,
                                                bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  if (list.empty()) return false;
  return findThermoDrosselEx(list, kv, T, tOut, record, keepDim);
}

}  // namespace armakon
