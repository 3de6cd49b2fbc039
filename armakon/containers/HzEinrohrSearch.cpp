// One-pipe radiator connection fittings (kind 4457). The flow of a one-pipe ring splits at the
// fitting into the bypass and the radiator branch; the setting decides the radiator's share.
// A search keeps the fittings that can reach the wanted share, narrows them to the wanted size
// and takes the one with the smallest y3 at the setting that comes closest to the share.

#include <cmath>
#include <limits>

#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/HzSearchSupport.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/curveNode.h"
#include "armakon/model/hydArmaturEAV.h"

namespace armakon {

using hydVDIArmaturen::curveNode14;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturEAV;
using namespace hzsearch;

double HzArmaturContainer::getHKMassenstromAnteil(const curveNode14& node, double kvHK) {
  // The radiator branch in series with the radiator, in parallel with the bypass: the flows
  // divide as the kv values of the two paths.
  const double kvPath = _kvSerie(node.y2, kvHK);
  const double kvTotal = kvPath + static_cast<double>(node.y1);
  if (kvTotal <= kFormulaEpsilon) return 0.0;
  return kvPath / kvTotal;
}

bool HzArmaturContainer::getHKMassenstromAnteileEAV(const hydArmaturEAV* variant, double kvHK, double& shareLast,
                                                    double& shareFirst) {
  shareLast = 0.0;
  shareFirst = 0.0;
  if (variant == nullptr || variant->getKurve14().bIsEmpty()) return false;
  shareLast = getHKMassenstromAnteil(variant->getKurve14().getLastNode(), kvHK);
  shareFirst = getHKMassenstromAnteil(variant->getKurve14().getFirstNode(), kvHK);
  return true;
}

int HzArmaturContainer::findEinstellungEAV(const hydArmaturEAV* variant, double share, double kvHK) {
  if (variant == nullptr) return -1;
  const auto& nodes = variant->getKurve14().nodes();
  int best = -1;
  double bestDistance = 0.0;
  for (int i = variant->getKurve14().getCount() - 1; i >= 0; --i) {
    const double distance = std::fabs(getHKMassenstromAnteil(nodes[static_cast<std::size_t>(i)], kvHK) - share);
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

namespace {

// The fitting can reach share s (2 decimals) between its most closed and most open setting.
bool reachesShare(const hydArmaturEAV& fitting, double s, double kvHK) {
  double shareLast = 0.0;
  double shareFirst = 0.0;
  HzArmaturContainer::getHKMassenstromAnteileEAV(&fitting, kvHK, shareLast, shareFirst);
  return roundWanted(shareLast, 2) <= s && s <= roundWanted(shareFirst, 2);
}

// y3 at the fitting's setting for share s; a fitting without settings has none to compare.
double y3AtSetting(const hydArmaturEAV& fitting, double s, double kvHK) {
  const int setting = HzArmaturContainer::findEinstellungEAV(&fitting, s, kvHK);
  if (setting < 0) return std::numeric_limits<double>::max();
  return fitting.getKurve14().nodes()[static_cast<std::size_t>(setting)].y3;
}

}  // namespace

bool HzArmaturContainer::findEinrohrVerschraubungEx(ArmaturenModellSpan list, double share, double kvHK,
                                                    ARMATUR& record) {
  const double s = roundWanted(share, 2);
  if (s < 0.0 || s > 1.0) return false;

  Candidates candidates(candidateCapacity(list));
  std::size_t reaching = 0;
  forEachVariantOfKind(list, HZ_EINROHRVERSCHRAUBUNG, false, [&](const hydArmatur& variant) {
    const hydArmaturEAV* fitting = asKind<hydArmaturEAV>(&variant);
    if (fitting == nullptr) return;
    candidates.add(fitting);
    if (reachesShare(*fitting, s, kvHK)) ++reaching;
  });
  if (candidates.empty()) return false;
  // When no fitting reaches the share, all stay and the comparison below decides.
  if (reaching > 0 && reaching < candidates.variants.size()) {
    std::erase_if(candidates.variants, [&](const hydArmatur* v) {
      return !reachesShare(*static_cast<const hydArmaturEAV*>(v), s, kvHK);
    });
    candidates.recomputeRange();
  }
  candidates.narrowTo(record.dimension);
  const hydArmatur* preferred = ArmaturenModell::findNearestArmaturEx(candidates.variants, record.dimension);
  if (preferred == nullptr) return recordNamesVariant(record);

  const auto* choice = static_cast<const hydArmaturEAV*>(preferred);
  double smallestY3 = y3AtSetting(*choice, s, kvHK);
  for (auto it = candidates.variants.rbegin(); it != candidates.variants.rend(); ++it) {
    const auto* fitting = static_cast<const hydArmaturEAV*>(*it);
    const double y3 = y3AtSetting(*fitting, s, kvHK);
    if (y3 < smallestY3) {
      choice = fitting;
      smallestY3 = y3;
    }
  }
  record.einstellung = findEinstellungEAV(choice, s, kvHK);
  record.dimension = choice->getDimension();
  record.modellId = findParentModellId(list, choice);
  return recordNamesVariant(record);
}

}  // namespace armakon
