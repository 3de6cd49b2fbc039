// Pressure reducers (kind 5563): a reducer that can be set to the wanted outlet pressure.
//
// A reducer whose outlet range holds the pressure is preferred; without one, a reducer whose
// range starts at most 0.5 bar above it will do (its lowest setting then lies within 0.5 bar).
// A setting that would leave more than 0.5 bar above the wanted pressure rules a reducer out.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/containers/TwArmaturContainerCandidates.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/model/hydArmaturDruckminderer.h"

namespace armakon {

using hydVDIArmaturen::curveNode;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturDruckminderer;
using twsizing::asTyped;
using twsizing::dimensionDistance;
using twsizing::forEachVariantOfKind;
using twsizing::passesKeepDim;
using twsizing::recordNamesVariant;

namespace {

// How far (bar) a reducer's pressure may lie above the wanted outlet pressure.
constexpr double kDruckToleranz = 0.5;

const hydArmaturDruckminderer* reducer(const hydArmatur* candidate) {
  return static_cast<const hydArmaturDruckminderer*>(candidate);
}

}  // namespace

int TwArmaturContainer::findEinstellungDM(const hydArmaturDruckminderer* variant, double p) {
  if (variant == nullptr) return -1;
  const std::vector<curveNode>& nodes = variant->getKurve().nodes();
  const int count = hydVDIArmaturen::sizeAsInt(nodes.size());
  if (count == 0) return -1;
  for (int i = count - 1; i >= 0; --i) {
    if (static_cast<double>(nodes[static_cast<std::size_t>(i)].y) >= p) return i;
  }
  return 0;
}

bool TwArmaturContainer::findDMEx(ArmaturenModellSpan list, double p, double /*unused*/, ARMATUR& record,
                                  bool keepDim) {
  if (p < kFormulaEpsilon) return false;

  // Entries and their variants, each from the last to the first; first the reducers whose
  // outlet range holds p, then those starting a little above it.
  ArmaturArray candidates;
  const auto collect = [&](auto&& accepts) {
    forEachVariantOfKind(list, TW_DRUCKREGLER, true, true, [&](const ArmaturenModell&, const hydArmatur& v) {
      const hydArmaturDruckminderer* dm = asTyped<hydArmaturDruckminderer>(v);
      if (dm != nullptr && passesKeepDim(*dm, record, keepDim) && accepts(*dm)) candidates.push_back(dm);
    });
  };
  collect([p](const hydArmaturDruckminderer& dm) { return dm.getDpOutMin() <= p && p <= dm.getDpOutMax(); });
  if (candidates.empty()) {
    collect([p](const hydArmaturDruckminderer& dm) {
      const double start = dm.getDpOutMin();
      return start > p && start - p <= kDruckToleranz;
    });
  }
  if (candidates.empty()) return false;

  std::erase_if(candidates, [p](const hydArmatur* v) {
    const hydArmaturDruckminderer* dm = reducer(v);
    return dm->getdP_bar(findEinstellungDM(dm, p)) - p > kDruckToleranz;
  });

  // The size closest to the record's; the first met wins ties.
  const hydArmatur* chosen = nullptr;
  std::int64_t bestDistance = 0;
  for (const hydArmatur* candidate : candidates) {
    const std::int64_t distance = dimensionDistance(record.dimension, candidate->getDimension());
    if (chosen == nullptr || distance < bestDistance) {
      chosen = candidate;
      bestDistance = distance;
    }
  }
  if (chosen != nullptr) {
    record.einstellung = findEinstellungDM(reducer(chosen), p);
    record.dimension = chosen->getDimension();
    record.modellId = findParentModellId(list, chosen);
  }
  return recordNamesVariant(record);
}

bool TwArmaturContainer::findGlobalDM(double p, double unused, ARMATUR& record, bool keepDim) const {
  record.modellId = 0;
  record.einstellung = -1;
  return findDMEx(getGlobalList(), p, unused, record, keepDim);
}

bool TwArmaturContainer::findLocalDM(double p, double unused, ARMATUR& record, bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  if (list.empty()) return false;
  return findDMEx(list, p, unused, record, keepDim);
}

}  // namespace armakon
