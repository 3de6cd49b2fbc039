// The automatic choice of a variant from the global list for the kinds that need no more than
// a kv: fixed resistances, adjustable resistances and thermostatic valves.
//
// Every search collects one candidate per suitable global entry (the entry's variant nearest
// to the record's dimension), narrows them to the wanted size (sortOut) and then walks them in
// a fixed direction; ties keep the candidate met first. Host network calculations call these
// per component and iteration, so the walks read the variants in place: one candidate array
// per call and no other allocation.

#include <cmath>

#include "armakon/components/hydStrUtil.h"
#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/SizingCandidates.h"
#include "armakon/containers/SettingSearch.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmaturTHKV.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturTHKV;

namespace {

// A variant with a stated kv range (both limits above zero).
bool hasKvRange(const hydArmatur& variant) { return variant.getKvmin() > 0.0 && variant.getKvmax() > 0.0; }

// From every global entry of the kind, the variant nearest to the wanted size, when it has a
// kv range and passes the filter.
template <class Filter>
SizingCandidates adjustableCandidates(const ArmaturenModellListe& global, enArmaturenTyp kind, int dimension,
                                Filter accepts) {
  SizingCandidates candidates(global.size());
  for (const auto& entry : global) {
    if (entry->getTyp() != kind) continue;
    const hydArmatur* variant = entry->findNearestArmatur(dimension);
    if (variant != nullptr && accepts(*variant) && hasKvRange(*variant)) candidates.add(variant);
  }
  return candidates;
}

// The setting index for a variant chosen at the end of its range: the last node (fully
// closed) or node 0 (fully open); -1 for a curve without nodes.
int closedSetting(const hydArmatur& variant) { return variant.getKurve().getCount() - 1; }
int openSetting(const hydArmatur& variant) { return variant.getKurve().getCount() > 0 ? 0 : -1; }

}  // namespace

bool RnArmaturContainer::findGlobalFestwiderstand(const std::string& name, enArmaturenTyp kind,
                                                  ARMATUR& record) const {
  record.modellId = 0;
  const ArmaturenModellListe& global = getGlobalList();
  if (global.empty()) return false;

  SizingCandidates candidates(global.size());
  for (const auto& entry : global) {
    if (entry->getTyp() != kind) continue;
    if (!name.empty() && !hydStrUtil::EqualsNoCase(entry->getGruppe(), name)) continue;
    const hydArmatur* variant = entry->findNearestArmatur(record.dimension);
    if (variant != nullptr) candidates.add(variant);
  }
  if (candidates.empty()) return false;
  const hydArmatur* chosen = candidates.variants.size() == 1
                                 ? candidates.variants.front()
                                 : ArmaturenModell::findNearestArmaturEx(candidates.variants, record.dimension);
  if (chosen == nullptr) return false;
  record.dimension = chosen->getDimension();
  record.modellId = findParentModellId(global, chosen);
  return record.modellId > 0 && record.dimension > 0;
}

bool RnArmaturContainer::findGlobalVariablenWiderstand(double kv, enArmaturenTyp kind, ARMATUR& record,
                                                       bool chooseAnew, bool fromOpen) const {
  if (!chooseAnew && record.modellId >= 1 && record.dimension >= 1) {
    return findGlobalVariablenWiderstand_KeepArm(kv, kind, fromOpen, record);
  }
  return findGlobalVariablenWiderstand_BestArm(kv, kind, fromOpen, record);
}

bool RnArmaturContainer::findGlobalVariablenWiderstand_KeepArm(double kv, enArmaturenTyp kind, bool fromOpen,
                                                               ARMATUR& record) const {
  record.einstellung = -1;
  const hydArmatur* variant = getArmatur(record);
  // The limits are compared unrounded here: a kv just outside the kept variant's range is a
  // reason to choose anew rather than to force its end node.
  if (variant != nullptr && variant->getKvmin() <= kv && kv <= variant->getKvmax()) {
    record.einstellung = armakon::findEinstellung(variant, kv, fromOpen);
    record.dimension = variant->getDimension();
    return record.einstellung >= 0;
  }
  return findGlobalVariablenWiderstand_BestArm(kv, kind, fromOpen, record);
}

bool RnArmaturContainer::findGlobalVariablenWiderstand_BestArm(double kv, enArmaturenTyp kind, bool fromOpen,
                                                               ARMATUR& record) const {
  record.modellId = 0;
  record.einstellung = -1;
  const ArmaturenModellListe& global = getGlobalList();

  SizingCandidates candidates =
      adjustableCandidates(global, kind, record.dimension, [](const hydArmatur&) { return true; });
  if (candidates.empty()) return false;
  candidates.narrowTo(record.dimension);
  const ArmaturArray& remaining = candidates.variants;

  // Walking from the last candidate to the first; a later-visited one replaces only when
  // strictly better, so ties keep the later-positioned candidate.
  const hydArmatur* smallestMin = nullptr;
  const hydArmatur* largestMax = nullptr;
  double kvMinSmallest = 0.0;
  double kvMaxLargest = 0.0;
  for (auto it = remaining.rbegin(); it != remaining.rend(); ++it) {
    const double kvMin = (*it)->getKvmin();
    const double kvMax = (*it)->getKvmax();
    if (smallestMin == nullptr || kvMin < kvMinSmallest) {
      smallestMin = *it;
      kvMinSmallest = kvMin;
    }
    if (kvMax > kvMaxLargest) {
      largestMax = *it;
      kvMaxLargest = kvMax;
    }
  }

  const hydArmatur* chosen = nullptr;
  if (smallestMin != nullptr && kvMinSmallest >= kv) {
    // Even the most closing candidate is too open: it, fully closed.
    chosen = smallestMin;
    record.einstellung = closedSetting(*chosen);
  } else if (largestMax != nullptr && kv >= kvMaxLargest) {
    // Even the most opening candidate is too narrow: it, fully open.
    chosen = largestMax;
    record.einstellung = openSetting(*chosen);
  } else {
    // The candidate whose reachable node comes closest to the wanted kv.
    double bestDeviation = 0.0;
    for (auto it = remaining.rbegin(); it != remaining.rend(); ++it) {
      const int setting = armakon::findEinstellung(*it, kv, fromOpen);
      // A variant whose range lies below kv answers node 0 without consulting its curve;
      // without that node it cannot be set.
      if (setting < 0 || setting >= (*it)->getKurve().getCount()) continue;
      const double deviation = std::fabs(kv - static_cast<double>((*it)->getKurve().getAt(setting).y));
      if (chosen == nullptr || deviation < bestDeviation) {
        chosen = *it;
        bestDeviation = deviation;
        record.einstellung = setting;
      }
    }
  }
  if (chosen != nullptr) {
    record.dimension = chosen->getDimension();
    record.modellId = findParentModellId(global, chosen);
  }
  return record.modellId >= 1 && record.dimension > 0;
}

bool RnArmaturContainer::findGlobalVariablesTHKV(double kv, double kvPreferredMax, bool fromOpen,
                                                 ARMATUR& record) const {
  record.modellId = 0;
  record.einstellung = -1;
  const ArmaturenModellListe& global = getGlobalList();

  SizingCandidates candidates = adjustableCandidates(global, HZ_THERMOSTATVENTIL, record.dimension, [](const hydArmatur& v) {
    return v.IsKindOf(hydArmaturTHKV::GetThisClass());
  });
  if (candidates.empty()) return false;
  candidates.narrowTo(record.dimension);
  const ArmaturArray& remaining = candidates.variants;

  // The kvmax nearest to the preferred one; preferably among the valves that reach kv without
  // exceeding the preferred kvmax.
  const hydArmatur* nearest = nullptr;
  const hydArmatur* nearestWithin = nullptr;
  double dNearest = 0.0;
  double dNearestWithin = 0.0;
  for (auto it = remaining.rbegin(); it != remaining.rend(); ++it) {
    const double kvMax = (*it)->getKvmax();
    const double d = std::fabs(kvMax - kvPreferredMax);
    if (nearest == nullptr || d < dNearest) {
      nearest = *it;
      dNearest = d;
    }
    if (kv <= kvMax && kvMax <= kvPreferredMax && (nearestWithin == nullptr || d < dNearestWithin)) {
      nearestWithin = *it;
      dNearestWithin = d;
    }
  }
  const hydArmatur* chosen = nearestWithin != nullptr ? nearestWithin : nearest;
  if (chosen == nullptr) return false;

  if (chosen->getKvmin() >= kv) {
    record.einstellung = closedSetting(*chosen);
  } else if (kv >= chosen->getKvmax()) {
    record.einstellung = openSetting(*chosen);
  } else {
    record.einstellung = armakon::findEinstellung(chosen, kv, fromOpen);
  }
  record.dimension = chosen->getDimension();
  record.modellId = findParentModellId(global, chosen);
  return record.modellId > 0 && record.dimension > 0;
}

}  // namespace armakon
