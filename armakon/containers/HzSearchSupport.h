#pragma once
// Pieces the heating searches share: the candidate set with its dimension range, the
// dimension restriction keepDim, the walks over the variants of one kind, the rounding of
// wanted values and the comparison of rounded values with them.
//
// Host network calculations run these searches per component and iteration, so the walks
// read the variants in place and a search allocates no more than its candidate arrays.

#include <cmath>
#include <cstddef>
#include <typeinfo>

#include "armakon/containers/ARMATUR.h"
#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/SizingCandidates.h"
#include "armakon/containers/enArmaturenTyp.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hzsearch {

// A wanted value (flow, kv, share) rounded to n decimals in double precision.
inline double roundWanted(double value, int decimals) { return Round(value, decimals); }

// How a rounded value is compared with a wanted one.
enum class Rounded { Below, AtMost, AtLeast, Above };

// -1 when Round(x, decimals) surely lies below k, +1 when surely above, 0 when only rounding
// tells. Rounding moves a value by half a unit of its last decimal and a few steps of its
// precision (less than 2^-20 of itself, single precision included), so a value further than
// one unit and that much from k is decided without rounding.
inline int clearSideOfRounded(double x, int decimals, double k) {
  if (decimals < 0 || decimals > 10 || !(std::fabs(x) <= 1e18)) return 0;
  const double reach = 1.0 / rounding::powerOfTen(decimals) + std::fabs(x) * 0x1p-20;
  if (x + reach < k) return -1;
  if (x - reach > k) return 1;
  return 0;
}

// Round(v, decimals) (in the precision of v: single for curve values, double for computed
// ones) compared with k as `relation` says; the same answer as rounding first, found without
// rounding where the value lies clearly on one side. The searches compare every curve value
// they walk this way.
template <class Value>
bool roundsTo(Value v, int decimals, Rounded relation, double k) {
  const int side = clearSideOfRounded(static_cast<double>(v), decimals, k);
  if (side != 0) return (relation == Rounded::Below || relation == Rounded::AtMost) ? side < 0 : side > 0;
  const double rounded = static_cast<double>(Round(v, decimals));
  switch (relation) {
    case Rounded::Below:
      return rounded < k;
    case Rounded::AtMost:
      return rounded <= k;
    case Rounded::AtLeast:
      return rounded >= k;
    case Rounded::Above:
      break;
  }
  return rounded > k;
}

// keepDim restricts a search to the record's dimension while that names one (>= 1).
inline bool passesKeepDim(const hydVDIArmaturen::hydArmatur& variant, const ARMATUR& record, bool keepDim) {
  return !keepDim || record.dimension < 1 || variant.getDimension() == record.dimension;
}

// What every search form reports: the record names a variant.
inline bool recordNamesVariant(const ARMATUR& record) { return record.modellId >= 1 && record.dimension > 0; }

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
const Typed* asKindByRecord(const hydVDIArmaturen::hydArmatur* variant) {
  if (variant == nullptr || !variant->IsKindOf(Typed::GetThisClass())) return nullptr;
  return static_cast<const Typed*>(variant);
}

// The same; a variant whose object is of exactly that class passes at once, without asking for
// its class record: the searches test every variant they walk, and nearly all are of the
// class searched for.
template <class Typed>
inline const Typed* asKind(const hydVDIArmaturen::hydArmatur* variant) {
  if (variant != nullptr && typeid(*variant) == typeid(Typed)) return static_cast<const Typed*>(variant);
  return asKindByRecord<Typed>(variant);
}

}  // namespace armakon::hzsearch
