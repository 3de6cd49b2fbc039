// Water meters (kind 5564): the meter whose usable flow range holds the peak flow and whose
// nominal flow lies closest to it.
//
// Meter data after guidelines older than 201601 are kept per area of use (cold or hot
// water), so for them the area must match; later data describe meters for either area.

#include <cmath>

#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/containers/TwArmaturContainerCandidates.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturZaehler;
using twsizing::asTyped;
using twsizing::dimensionDistance;
using twsizing::forEachVariantOfKind;
using twsizing::passesKeepDim;
using twsizing::recordNamesVariant;

namespace {

// From this guideline edition on a meter's area of use plays no part in the choice.
constexpr int kRLDatumOhneEinsatzbereich = 201601;

double nominalFlow(const hydArmatur* candidate) { return static_cast<const hydArmaturZaehler*>(candidate)->getQn(); }

}  // namespace

bool TwArmaturContainer::findZaehlerEx(ArmaturenModellSpan list, hydArmaturZaehler::Einsatzbereich area, double Q,
                                       ARMATUR& record, bool keepDim) {
  if (Q < kFormulaEpsilon) return false;

  // Entries and their variants, each from the last to the first.
  SizingCandidates candidates;
  forEachVariantOfKind(list, TW_WASSERZAEHLER, true, true, [&](const ArmaturenModell& entry, const hydArmatur& v) {
    const hydArmaturZaehler* meter = asTyped<hydArmaturZaehler>(v);
    if (meter == nullptr || !passesKeepDim(*meter, record, keepDim)) return;
    if (!(meter->getQmin() <= Q && Q <= meter->getQmax())) return;
    if (entry.getModell().getRLDatum() < kRLDatumOhneEinsatzbereich && meter->getEinsatzbereich() != area) return;
    candidates.add(meter);
  });
  if (candidates.empty()) return false;
  candidates.narrowTo(record.dimension);
  const ArmaturArray& remaining = candidates.variants;

  // The nominal flow closest to Q, walking from the last candidate to the first.
  double bestQn = 0.0;
  bool found = false;
  for (auto it = remaining.rbegin(); it != remaining.rend(); ++it) {
    const double qn = nominalFlow(*it);
    if (!found || std::fabs(qn - Q) < std::fabs(bestQn - Q)) {
      bestQn = qn;
      found = true;
    }
  }
  if (!found || bestQn == 0.0) return false;

  // Of the meters with that nominal flow (3 decimals) the size closest to the record's.
  const double bestRounded = Round(bestQn, 3);
  const hydArmatur* chosen = nullptr;
  std::int64_t bestDistance = 0;
  for (auto it = remaining.rbegin(); it != remaining.rend(); ++it) {
    if (Round(nominalFlow(*it), 3) != bestRounded) continue;
    const std::int64_t distance = dimensionDistance(record.dimension, (*it)->getDimension());
    if (chosen == nullptr || distance < bestDistance) {
      chosen = *it;
      bestDistance = distance;
    }
  }
  if (chosen != nullptr) {
    record.dimension = chosen->getDimension();
    record.modellId = findParentModellId(list, chosen);
  }
  return recordNamesVariant(record);
}

bool TwArmaturContainer::findGlobalZaehler(hydArmaturZaehler::Einsatzbereich area, double Q, ARMATUR& record,
                                           bool keepDim) const {
  record.modellId = 0;
  record.einstellung = -1;
  return findZaehlerEx(getGlobalList(), area, Q, record, keepDim);
}

bool TwArmaturContainer::findLocalZaehler(hydArmaturZaehler::Einsatzbereich area, double Q, ARMATUR& record,
                                          bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  if (list.empty()) return false;
  return findZaehlerEx(list, area, Q, record, keepDim);
}

}  // namespace armakon
