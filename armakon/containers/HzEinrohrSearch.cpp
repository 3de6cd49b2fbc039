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

// Tells for a node whose share lies clearly below or clearly above a wanted share s (2
// decimals) without the root and the divisions of the share: the search judges the end nodes
// of every fitting, and most lie far from s.
//
// With the path kv P = y2 kvHK / sqrt(y2² + kvHK²), the share P / (P + y1) lies below t (0 < t
// < 1) exactly when P < c y1 with c = t / (1 - t), that is when y2² kvHK² < c² y1² (y2² +
// kvHK²). With t two hundredths below s (above s for the other side) the computed share,
// rounded to 2 decimals, then surely lies below s (above s): the computation errs by a few
// steps of double precision, far less than the hundredth left over, and the products are
// compared with a margin of 1e-12 of themselves for their own rounding. Where a value lies
// outside the ranges this was reasoned for (a kv at or below epsilon, a huge kv, NaN), the
// node is left to the exact share.
class ShareBand {
 public:
  ShareBand(double s, double kvHK) : kvHK2_(kvHK * kvHK), usable_(kvHK > kFormulaEpsilon && kvHK <= 1e30) {
    const double below = s - 0.02;
    const double above = s + 0.02;
    if (below > 0.0 && below < 1.0) belowFactor_ = squaredRatio(below);
    if (above > 0.0 && above < 1.0) aboveFactor_ = squaredRatio(above);
  }

  // -1: the rounded share lies below s; +1: above s; 0: only the share itself tells.
  int side(const curveNode14& node) const {
    const double y1 = node.y1;
    const double y2 = node.y2;
    if (!usable_ || !(y1 > kFormulaEpsilon && y1 <= 1e30) || !(y2 > kFormulaEpsilon && y2 <= 1e30)) return 0;
    const double path = y2 * y2 * kvHK2_;
    const double bypass = y1 * y1 * (y2 * y2 + kvHK2_);
    if (belowFactor_ > 0.0 && path < belowFactor_ * bypass * (1.0 - 1e-12)) return -1;
    if (aboveFactor_ > 0.0 && path > aboveFactor_ * bypass * (1.0 + 1e-12)) return 1;
    return 0;
  }

 private:
  static double squaredRatio(double t) {
    const double c = t / (1.0 - t);
    return c * c;
  }
  double kvHK2_;
  bool usable_;
  double belowFactor_ = -1.0;  // none
  double aboveFactor_ = -1.0;
};

// The share at the node, rounded to 2 decimals, compared with s as `relation` says (AtMost or
// AtLeast).
bool shareRoundsTo(const curveNode14& node, double kvHK, const ShareBand& band, Rounded relation, double s) {
  const int side = band.side(node);
  if (side != 0) return relation == Rounded::AtMost ? side < 0 : side > 0;
  return roundsTo(massFlowShare(node, kvHK), 2, relation, s);
}

// The fitting can reach share s (2 decimals) between its most closed and most open setting.
bool reachesShare(const hydArmaturEAV& fitting, double s, double kvHK, const ShareBand& band) {
  const CKurve14& curve = fitting.getKurve14();
  if (curve.bIsEmpty()) return 0.0 <= s && s <= 0.0;
  return shareRoundsTo(curve.nodes().back(), kvHK, band, Rounded::AtMost, s) &&
         shareRoundsTo(curve.nodes().front(), kvHK, band, Rounded::AtLeast, s);
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

  const ShareBand band(s, kvHK);
  SizingCandidates candidates(candidateCapacity(list));
  std::vector<bool> reaches;
  reaches.reserve(candidates.variants.capacity());
  std::size_t reaching = 0;
  forEachVariantOfKind(list, HZ_EINROHRVERSCHRAUBUNG, false, [&](const hydArmatur& variant) {
    const hydArmaturEAV* fitting = asKind<hydArmaturEAV>(&variant);
    if (fitting == nullptr) return;
    candidates.add(fitting);
    reaches.push_back(reachesShare(*fitting, s, kvHK, band));
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
