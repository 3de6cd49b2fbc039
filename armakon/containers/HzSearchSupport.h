#pragma once
// Pieces the heating searches share: the candidate set with its dimension range, the
// dimension restriction keepDim, the walks over the variants of one kind and the rounding of
// wanted values and curve values.
//
// Host network calculations run these searches per component and iteration, so the walks
// read the variants in place and a search allocates no more than its one candidate array.

#include <algorithm>
#include <cstddef>
#include <limits>

#include "armakon/containers/ARMATUR.h"
#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/enArmaturenTyp.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hzsearch {

// A wanted value (flow, kv, share) rounded to n decimals in double precision.
inline double roundWanted(double value, int decimals) { return Round(value, decimals); }

// A value read from a curve (stored as a float) rounded to n decimals in single precision,
// widened for the comparison with a wanted value.
inline double roundCurve(float value, int decimals) { return static_cast<double>(Round(value, decimals)); }
// The same for a curve value that a query hands out as a double (it was a float when stored).
inline double roundCurve(double value, int decimals) { return roundCurve(static_cast<float>(value), decimals); }

// keepDim restricts a search to the record's dimension while that names one (>= 1).
inline bool passesKeepDim(const hydVDIArmaturen::hydArmatur& variant, const ARMATUR& record, bool keepDim) {
  return !keepDim || record.dimension < 1 || variant.getDimension() == record.dimension;
}

// What every search form reports: the record names a variant.
inline bool recordNamesVariant(const ARMATUR& record) { return record.modellId >= 1 && record.dimension > 0; }

// The candidates of one search and the range of their dimensions.
struct Candidates {
  ArmaturArray variants;
  int minDim = std::numeric_limits<int>::max();
  int maxDim = std::numeric_limits<int>::min();

  explicit Candidates(std::size_t capacity) { variants.reserve(capacity); }

  void add(const hydVDIArmaturen::hydArmatur* variant) {
    variants.push_back(variant);
    minDim = std::min(minDim, variant->getDimension());
    maxDim = std::max(maxDim, variant->getDimension());
  }
  bool empty() const { return variants.empty(); }
  // The dimension range of the candidates that are left now.
  void recomputeRange() {
    minDim = std::numeric_limits<int>::max();
    maxDim = std::numeric_limits<int>::min();
    for (const hydVDIArmaturen::hydArmatur* variant : variants) {
      minDim = std::min(minDim, variant->getDimension());
      maxDim = std::max(maxDim, variant->getDimension());
    }
  }
  // Keeps the candidates of the wanted size, judged by the range noted so far (see
  // RnArmaturContainer::sortOut).
  void narrowTo(int wanted) { RnArmaturContainer::sortOut(minDim, maxDim, wanted, variants); }
};

// A generous first capacity for the candidates of a list: one per entry and a few sizes each.
inline std::size_t candidateCapacity(ArmaturenModellSpan list) { return list.size() * 4 + 4; }

// Calls visit(variant) for every variant of the entries of the kind: entries in list order,
// the variants of each in stored order, or from the last to the first with lastFirst.
template <class Visit>
void forEachVariantOfKind(ArmaturenModellSpan list, enArmaturenTyp kind, bool lastFirst, Visit&& visit) {
  for (const auto& entry : list) {
    if (entry == nullptr || entry->getTyp() != kind) continue;
    const auto& variants = entry->getModell().getArmaturen();
    if (lastFirst) {
      for (auto it = variants.rbegin(); it != variants.rend(); ++it) visit(**it);
    } else {
      for (const auto& variant : variants) visit(*variant);
    }
  }
}

// The variant as its class when it is of that class (or recorded below it), else null. Kind
// tests follow the recorded class links, as everywhere in the valve tree.
template <class Typed>
const Typed* asKind(const hydVDIArmaturen::hydArmatur* variant) {
  if (variant == nullptr || !variant->IsKindOf(Typed::GetThisClass())) return nullptr;
  return static_cast<const Typed*>(variant);
}

}  // namespace armakon::hzsearch
