// One-pipe radiator connection fittings (kind 4457). The flow of a one-pipe ring splits at the
// fitting into the bypass and the radiator branch; the setting decides the radiator's share.
// A search keeps the fittings that can reach the wanted share, narrows them to the wanted size
// and takes the one with the smallest y3 at the setting that comes closest to the share.

#include <cmath>
#include <limits>
#include <vector>

#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/HzSearchSupport.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/curveNode.h"
#include "armakon/model/hydArmaturEAV.h"

namespace armakon {

using hydVDIArmaturen::CKurve14;
using hydVDIArmaturen::curveNode14;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturEAV;
using namespace hzsearch;

namespace {

// The radiator's share of the flow at one node: the radiator branch in series with the
// radiator, in parallel with the bypass; the flows divide as the kv values of the two paths.
// (Internal so that the searches' loops over the nodes inline it.)
inline double massFlowShare(const curveNode14& node, double kvHK) {
  const double kvPath = _kvSerie(node.y2, kvHK);
  const double kvTotal = kvPath + static_cast<double>(node.y1);
  if (kvTotal <= kFormulaEpsilon) return 0.0;
  return kvPath / kvTotal;
}

// findEinstellungEAV on the nodes.
int settingForShare(const std::vector<curveNode14>& nodes, double share, double kvHK) {
  int best = -1;
  double bestDistance = 0.0;
  for (std::size_t i = nodes.size(); i-- > 0;) {
    const double distance = std::fabs(massFlowShare(nodes[i], kvHK) - share);
    if (best < 0 || distance < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = distance;
    }
  }
  return best;
}

// The fitting can reach share s (2 decimals) between its most closed and most open setting.
bool reachesShare(const hydArmaturEAV& fitting, double s, double kvHK) {
  const CKurve14& curve = fitting.getKurve14();
  if (curve.bIsEmpty()) return 0.0 <= s && s <= 0.0;
  return roundsTo(massFlowShare(curve.nodes().back(), kvHK), 2, Rounded::AtMost, s) &&
         roundsTo(massFlowShare(curve.nodes().front(), kvHK), 2, Rounded::AtLeast, s);
}

// A fitting with its setting for the share and y3 there; a fitting without settings has no
// y3 to compare.
struct FittingAtShare {
  const hydArmaturEAV* fitting = nullptr;
  int setting = -1;
  double y3 = std::numeric_limits<double>::max();

  FittingAtShare(const hydArmaturEAV* f, double s, double kvHK)
      : fitting(f), setting(settingForShare(f->getKurve14().nodes(), s, kvHK)) {
    if (setting >= 0) y3 = f->getKurve14().nodes()[static_cast<std::size_t>(setting)].y3;
  }
};

// True when no node of the fitting has a y3 below `limit`: then its y3 at any setting is not
// below it either.
bool noY3Below(const hydArmaturEAV& fitting, double limit) {
  return !(static_cast<double>(fitting.getSmallestY3()) < limit);
}

}  // namespace

double HzArmaturContainer::getHKMassenstromAnteil(const curveNode14& node, double kvHK) {
  return massFlowShare(node, kvHK);
}

bool HzArmaturContainer::getHKMassenstromAnteileEAV(const hydArmaturEAV* variant, double kvHK, double& shareLast,
                                                    double& shareFirst) {
  shareLast = 0.0;
  shareFirst = 0.0;
  if (variant == nullptr || variant->getKurve14().bIsEmpty()) return false;
  shareLast = massFlowShare(variant->getKurve14().getLastNode(), kvHK);
  shareFirst = massFlowShare(variant->getKurve14().getFirstNode(), kvHK);
  return true;
}

int HzArmaturContainer::findEinstellungEAV(const hydArmaturEAV* variant, double share, double kvHK) {
  if (variant == nullptr) return -1;
  return settingForShare(variant->getKurve14().nodes(), share, kvHK);
}

bool HzArmaturContainer::findEinrohrVerschraubungEx(ArmaturenModellSpan list, double share, double kvHK,
                                                    ARMATUR& record) {
  const double s = roundWanted(share, 2);
  if (s < 0.0 || s > 1.0) return false;

  Candidates candidates(candidateCapacity(list));
  std::vector<bool> reaches;
  reaches.reserve(candidates.variants.capacity());
  std::size_t reaching = 0;
  forEachVariantOfKind(list, HZ_EINROHRVERSCHRAUBUNG, false, [&](const hydArmatur& variant) {
    const hydArmaturEAV* fitting = asKind<hydArmaturEAV>(&variant);
    if (fitting == nullptr) return;
    candidates.add(fitting);
    reaches.push_back(reachesShare(*fitting, s, kvHK));
    if (reaches.back()) ++reaching;
  });
  if (candidates.empty()) return false;
  // When no fitting reaches the share, all stay and the comparison below decides.
  if (reaching > 0 && reaching < candidates.variants.size()) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < candidates.variants.size(); ++i) {
      if (reaches[i]) candidates.variants[kept++] = candidates.variants[i];
    }
    candidates.variants.resize(kept);
    candidates.recomputeRange();
  }
  candidates.narrowTo(record.dimension);
  const hydArmatur* preferred = ArmaturenModell::findNearestArmaturEx(candidates.variants, record.dimension);
  if (preferred == nullptr) return recordNamesVariant(record);

  // The smallest y3 wins; a fitting whose nodes all lie at or above the smallest so far
  // cannot win and is not set.
  FittingAtShare choice(static_cast<const hydArmaturEAV*>(preferred), s, kvHK);
  for (auto it = candidates.variants.rbegin(); it != candidates.variants.rend(); ++it) {
    const auto* fitting = static_cast<const hydArmaturEAV*>(*it);
    if (fitting == choice.fitting || noY3Below(*fitting, choice.y3)) continue;
    const FittingAtShare candidate(fitting, s, kvHK);
    if (candidate.y3 < choice.y3) choice = candidate;
  }
  record.einstellung = choice.setting;
  record.dimension = choice.fitting->getDimension();
  record.modellId = findParentModellId(list, choice.fitting);
  return recordNamesVariant(record);
}

}  // namespace armakon
