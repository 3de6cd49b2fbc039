// Backflow preventers (kind 5559) and pipe separators (kind 5562): the fitting whose curve
// covers the flow with the smallest pressure loss.
//
// A pipe separator may in addition be limited by its separator pressure (the second value of
// its data record); backflow preventers have no such value, so the limit passes them all.

#include <algorithm>
#include <cmath>
#include <limits>

#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/containers/TwArmaturContainerCandidates.h"
#include "armakon/model/hydArmaturSicherung.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturSicherung;
using twsizing::asTyped;
using twsizing::forEachVariantOfKind;
using twsizing::passesKeepDim;
using twsizing::recordNamesVariant;

namespace {

constexpr float kLargestFloat = std::numeric_limits<float>::max();

// The curve's flow range, each end rounded to 3 decimals in single precision (as the curve
// stores them); a curve without nodes covers only 0.
bool coversFlow(const CKurve& curve, double q) {
  float smallest = 0.0f;
  float largest = 0.0f;
  if (!curve.bIsEmpty()) {
    smallest = Round(curve.getLastNode().y, 3);
    largest = Round(curve.getFirstNode().y, 3);
  }
  return static_cast<double>(smallest) <= q && q <= static_cast<double>(largest);
}

// The pressure loss at Q as the float the comparison uses; a loss beyond the float range
// (the curve's "no value" outside its flows) counts as the largest float, which never wins.
float pressureLoss(const hydArmaturSicherung& fitting, double Q) {
  const double dp = fitting.getDp(Q);
  if (std::isnan(dp)) return std::numeric_limits<float>::quiet_NaN();
  return static_cast<float>(std::clamp(dp, -static_cast<double>(kLargestFloat), static_cast<double>(kLargestFloat)));
}

}  // namespace

bool TwArmaturContainer::findSicherungEx(ArmaturenModellSpan list, double Q, ARMATUR& record,
                                         const enArmaturenTyp& kind, bool keepDim, double limit) {
  if (Q < kFormulaEpsilon || list.empty()) return false;
  const double q = Round(Q, 3);

  // Entries in list order, each one's variants from the last to the first.
  SizingCandidates candidates;
  forEachVariantOfKind(list, kind, false, true, [&](const ArmaturenModell&, const hydArmatur& v) {
    const hydArmaturSicherung* fitting = asTyped<hydArmaturSicherung>(v);
    if (fitting == nullptr || !passesKeepDim(*fitting, record, keepDim)) return;
    if (coversFlow(fitting->getKurve(), q)) candidates.add(fitting);
  });
  candidates.narrowTo(record.dimension);
  ArmaturArray& remaining = candidates.variants;
  if (kind == TW_ROHRTRENNER) {
    std::erase_if(remaining, [limit](const hydArmatur* v) {
      return static_cast<const hydArmaturSicherung*>(v)->getTrennerDruck() > limit;
    });
  }

  // The smallest pressure loss at Q, walking from the last candidate to the first.
  const hydArmatur* chosen = nullptr;
  float smallest = kLargestFloat;
  for (auto it = remaining.rbegin(); it != remaining.rend(); ++it) {
    const float dp = pressureLoss(*static_cast<const hydArmaturSicherung*>(*it), Q);
    if (dp < smallest) {
      smallest = dp;
      chosen = *it;
    }
  }
  if (chosen != nullptr) {
    record.dimension = chosen->getDimension();
    record.modellId = findParentModellId(list, chosen);
  }
  return recordNamesVariant(record);
}

bool TwArmaturContainer::findGlobalRFV(double Q, ARMATUR& record, bool keepDim) const {
  record.modellId = 0;
  return findSicherungEx(getGlobalList(), Q, record, TW_RUECKFLUSSVERHINDERER, keepDim, -1.0);
}

bool TwArmaturContainer::findLocalRFV(double Q, ARMATUR& record, bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  if (list.empty()) return false;
  return findSicherungEx(list, Q, record, TW_RUECKFLUSSVERHINDERER, keepDim, -1.0);
}

bool TwArmaturContainer::findGlobalTrenner(double Q, double limit, ARMATUR& record, bool keepDim) const {
  record.modellId = 0;
  return findSicherungEx(getGlobalList(), Q, record, TW_ROHRTRENNER, keepDim, limit);
}

bool TwArmaturContainer::findLocalTrenner(double Q, double limit, ARMATUR& record, bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  if (list.empty()) return false;
  return findSicherungEx(list, Q, record, TW_ROHRTRENNER, keepDim, limit);
}

}  // namespace armakon
