#pragma once
// Pieces the drinking-water searches share: the keepDim test, the candidate array with the
// range of its dimensions, the typed view of a variant and the success test of a search.
// Internal to the TwArmaturContainer sources.

#include <cstdint>

#include "armakon/containers/ARMATUR.h"
#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/SizingCandidates.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::twsizing {

using hydVDIArmaturen::hydArmatur;

// keepDim restricts to the record's dimension while that names a size (at least 1).
inline bool passesKeepDim(const hydArmatur& variant, const ARMATUR& record, bool keepDim) {
  return !keepDim || record.dimension < 1 || variant.getDimension() == record.dimension;
}

// A search reports success when the record names a model and a size.
inline bool recordNamesVariant(const ARMATUR& record) { return record.modellId >= 1 && record.dimension > 0; }

// The variant as its typed class (by the recorded class links), or null.
template <class Typed>
const Typed* asTyped(const hydArmatur& variant) {
  return variant.IsKindOf(Typed::GetThisClass()) ? static_cast<const Typed*>(&variant) : nullptr;
}

// |a - b| of two host dimensions without overflow.
inline std::int64_t dimensionDistance(int a, int b) {
  const std::int64_t d = static_cast<std::int64_t>(a) - static_cast<std::int64_t>(b);
  return d < 0 ? -d : d;
}

// Calls visit(entry, variant) for every variant of the entries of `kind`, entries and
// variants each walked in the given direction.
template <class Visit>
void forEachVariantOfKind(ArmaturenModellSpan list, enArmaturenTyp kind, bool entriesBackwards,
                          bool variantsBackwards, Visit&& visit) {
  const std::size_t entryCount = list.size();
  for (std::size_t e = 0; e < entryCount; ++e) {
    const auto& entry = list[entriesBackwards ? entryCount - 1 - e : e];
    if (entry == nullptr || entry->getTyp() != kind) continue;
    const auto& variants = entry->getModell().getArmaturen();
    const std::size_t variantCount = variants.size();
    for (std::size_t v = 0; v < variantCount; ++v) {
      const hydArmatur* variant = variants[variantsBackwards ? variantCount - 1 - v : v].get();
      if (variant != nullptr) visit(*entry, *variant);
    }
  }
}

}  // namespace armakon::twsizing
