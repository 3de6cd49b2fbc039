// Differential-pressure regulators (kind 4450) and differential-pressure regulators with flow
// regulator (kind 4454). A search keeps the regulators whose setpoint range holds the wanted
// setpoint (failing that, those whose range starts above it), prefers those whose kv range
// holds the wanted kv, narrows them to the wanted size and takes the one whose largest kv is
// closest to the wanted kv, preferably not below it.

#include <algorithm>
#include <cmath>

#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/HzSearchSupport.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturDDR;
using hydVDIArmaturen::hydArmaturDDRDFR;
using namespace hzsearch;

namespace {

struct RegulatorRequest {
  double kv = 0.0;
  double dp = 0.0;
  double flow = 0.0;
  bool withFlowPart = false;  // the combined regulator: its flow part must cover the flow
};

// Walking the candidates (regulators) from the last to the first, the one whose kvmax is strictly closest
// to k, among those reaching k when onlyReaching is set; null when none qualifies.
const hydArmatur* closestKvMax(const ArmaturArray& candidates, double k, bool onlyReaching) {
  const hydArmatur* best = nullptr;
  double bestDistance = 0.0;
  for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
    const double kvMax = static_cast<const hydArmaturDDR*>(*it)->getKvmax();
    if (onlyReaching && !roundsTo(static_cast<float>(kvMax), 3, Rounded::AtLeast, k)) continue;
    const double distance = std::fabs(k - kvMax);
    if (best == nullptr || distance < bestDistance) {
      best = *it;
      bestDistance = distance;
    }
  }
  return best;
}

bool findRegulator(ArmaturenModellSpan list, const RegulatorRequest& request, ARMATUR& record, bool keepDim) {
  if (list.empty()) return false;
  const enArmaturenTyp kind = request.withFlowPart ? HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER : HZ_DIFFERENZDRUCKREGLER;
  const double dp = roundWanted(request.dp, 0);
  const double flow = roundWanted(request.flow, 3);

  // One pass over the regulators of the kind (variants from the last to the first) that pass
  // the class, size and flow tests; takes those whose setpoint range the test accepts.
  auto collect = [&](SizingCandidates& candidates, auto&& acceptsSetpointRange) {
    forEachVariantOfKind(list, kind, true, [&](const hydArmatur& variant) {
      const hydArmaturDDR* regulator = request.withFlowPart ? asKind<hydArmaturDDRDFR>(&variant)
                                                            : asKind<hydArmaturDDR>(&variant);
      if (regulator == nullptr || !passesKeepDim(variant, record, keepDim)) return;
      if (request.withFlowPart) {
        const auto& flowPart = static_cast<const hydArmaturDDRDFR*>(regulator)->getDFRAnteil();
        if (!(roundsTo(flowPart.getFlowRateMin(), 3, Rounded::AtMost, flow) &&
              roundsTo(flowPart.getFlowRateMax(), 3, Rounded::AtLeast, flow))) {
          return;
        }
      }
      // The setpoints as the curve stores them (floats), compared rounded to whole numbers.
      const float setpointMin = static_cast<float>(regulator->getDpSollMin());
      const float setpointMax = static_cast<float>(regulator->getDpSollMax());
      if (acceptsSetpointRange(setpointMin, setpointMax)) candidates.add(regulator);
    });
  };

  SizingCandidates candidates(candidateCapacity(list));
  collect(candidates, [dp](float low, float high) {
    return roundsTo(low, 0, Rounded::AtMost, dp) && roundsTo(high, 0, Rounded::AtLeast, dp);
  });
  // No range holds the setpoint: a regulator set to its lowest setpoint still serves.
  if (candidates.empty()) collect(candidates, [dp](float low, float) { return roundsTo(low, 0, Rounded::Above, dp); });
  if (candidates.empty()) return false;

  const double k = roundWanted(request.kv, 3);
  auto coversKv = [k](const hydArmatur* v) {
    const auto* regulator = static_cast<const hydArmaturDDR*>(v);
    return roundsTo(static_cast<float>(regulator->getKvmin()), 3, Rounded::AtMost, k) &&
           roundsTo(static_cast<float>(regulator->getKvmax()), 3, Rounded::AtLeast, k);
  };
  // When some cover the kv, only those stay (each regulator is judged once: the ones before
  // the first that covers do not).
  auto& variants = candidates.variants;
  const auto firstCovering = std::find_if(variants.begin(), variants.end(), coversKv);
  if (firstCovering != variants.end()) {
    variants.erase(std::remove_if(firstCovering + 1, variants.end(), [&](const hydArmatur* v) { return !coversKv(v); }),
                   variants.end());
    variants.erase(variants.begin(), firstCovering);
  }
  // The size is judged by the range of every regulator of a fitting setpoint, as noted.
  candidates.narrowTo(record.dimension);

  const hydArmatur* choice = closestKvMax(candidates.variants, k, true);
  if (choice == nullptr) choice = closestKvMax(candidates.variants, k, false);
  if (choice == nullptr) return recordNamesVariant(record);

  const auto* regulator = static_cast<const hydArmaturDDR*>(choice);
  record.einstellung = HzArmaturContainer::findEinstellungDDR(regulator, request.dp);
  if (request.withFlowPart) {
    record.einstellung2 = HzArmaturContainer::findEinstellungDFR(
        &static_cast<const hydArmaturDDRDFR*>(regulator)->getDFRAnteil(), request.flow);
  }
  record.dimension = choice->getDimension();
  record.modellId = RnArmaturContainer::findParentModellId(list, choice);
  return recordNamesVariant(record);
}

}  // namespace

int HzArmaturContainer::findEinstellungDDR(const hydArmaturDDR* variant, const double& dp) {
  if (variant == nullptr) return -1;
  const auto& nodes = variant->getKennlinieDp().nodes();
  const int count = variant->getKennlinieDp().getCount();
  if (count <= 0) return -1;
  const double wanted = roundWanted(dp, 0);
  for (int i = count - 1; i >= 0; --i) {
    if (roundsTo(nodes[static_cast<std::size_t>(i)].y, 0, Rounded::AtLeast, wanted)) return i;
  }
  // No setpoint reaches the wanted one: the most open setting.
  return 0;
}

bool HzArmaturContainer::findDiffdruckreglerEx(ArmaturenModellSpan list, double kv, double dp, ARMATUR& record,
                                               bool keepDim) {
  return findRegulator(list, RegulatorRequest{kv, dp, 0.0, false}, record, keepDim);
}

bool HzArmaturContainer::findDiffdruckreglerDFREx(ArmaturenModellSpan list, double kv, double dp, double flow,
                                                  ARMATUR& record, bool keepDim) {
  if (flow < kFormulaEpsilon) return false;
  return findRegulator(list, RegulatorRequest{kv, dp, flow, true}, record, keepDim);
}

}  // namespace armakon
