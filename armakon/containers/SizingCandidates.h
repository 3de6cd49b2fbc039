#pragma once
// The candidates of one sizing search: the variants that passed its filters so far, and the
// range of their dimensions by which the search narrows them to the wanted size.

#include <algorithm>
#include <cstddef>
#include <limits>

#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/model/hydArmatur.h"

namespace armakon {

struct SizingCandidates {
  ArmaturArray variants;
  int minDim = std::numeric_limits<int>::max();
  int maxDim = std::numeric_limits<int>::min();

  SizingCandidates() = default;
  explicit SizingCandidates(std::size_t capacity) { variants.reserve(capacity); }

  void add(const hydVDIArmaturen::hydArmatur* variant) {
    variants.push_back(variant);
    widenRange(variant->getDimension());
  }
  bool empty() const { return variants.empty(); }
  // The dimension range of the candidates that are left now.
  void recomputeRange() {
    minDim = std::numeric_limits<int>::max();
    maxDim = std::numeric_limits<int>::min();
    for (const hydVDIArmaturen::hydArmatur* variant : variants) widenRange(variant->getDimension());
  }
  // Keeps the candidates of the wanted size, judged by the range noted so far (see
  // RnArmaturContainer::sortOut).
  void narrowTo(int wanted) { RnArmaturContainer::sortOut(minDim, maxDim, wanted, variants); }

 private:
  void widenRange(int dimension) {
    minDim = std::min(minDim, dimension);
    maxDim = std::max(maxDim, dimension);
  }
};

}  // namespace armakon
