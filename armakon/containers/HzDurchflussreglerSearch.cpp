// Flow regulators (kind 4452) and thermostatic valves with flow limitation (kind 4446): both
// limit the flow to a set value per setting, node 0 holding the largest. A search keeps the
// variants whose flow range covers the wanted flow, narrows them to the wanted size and takes
// the one that needs the smallest differential pressure to work (its Wirkdruck).

#include <cmath>

#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/HzSearchSupport.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturTHKVDFR.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturDFR;
using hydVDIArmaturen::hydArmaturTHKVDFR;
using namespace hzsearch;

namespace {

// Below this flow (m³/h) a regulator whose smallest set flow comes nearest still serves when
// none covers the flow: such small flows are set to the regulator's lowest setting.
constexpr double kSmallFlow = 0.05;

// The setting for a flow on a curve of set flows read by flowAt(i): -1 above node 0's flow,
// otherwise, from the last node towards node 0, the first node that reaches the flow.
template <class FlowAt>
int findFlowSetting(int count, FlowAt&& flowAt, double flow) {
  if (count <= 0) return -1;
  const double k = roundWanted(flow, 3);
  if (roundsTo(flowAt(0), 3, Rounded::Below, k)) return -1;
  for (int i = count - 1; i >= 0; --i) {
    if (roundsTo(flowAt(i), 3, Rounded::AtLeast, k)) return i;
  }
  return -1;
}

// What the two families differ in.
struct FlowRegulator {
  using Variant = hydArmaturDFR;
  static constexpr enArmaturenTyp kKind = HZ_DURCHFLUSSREGLER;
  static float flowMin(const Variant& v) { return v.getFlowRateMin(); }
  static float flowMax(const Variant& v) { return v.getFlowRateMax(); }
  static int setting(const Variant& v, double flow) { return HzArmaturContainer::findEinstellungDFR(&v, flow); }
  // The regulator needs the same Wirkdruck at every setting.
  static double minimumPressure(const Variant& v, double /*flow*/) { return v.getWirkdruck(); }
  static bool replaces(double candidate, double current) { return candidate < current; }
};

struct ThermostaticFlowLimiter {
  using Variant = hydArmaturTHKVDFR;
  static constexpr enArmaturenTyp kKind = HZ_THERMOSTATVENTIL;
  static float flowMin(const Variant& v) { return v.getFlowRateMin(); }
  static float flowMax(const Variant& v) { return v.getFlowRateMax(); }
  static int setting(const Variant& v, double flow) { return HzArmaturContainer::findEinstellungTHKVDFR(&v, flow); }
  // The minimum differential pressure belongs to the setting the flow needs.
  static double minimumPressure(const Variant& v, double flow) { return v.getWirkdruck(setting(v, flow)); }
  // A setting without a stated minimum pressure (0) cannot be compared.
  static bool replaces(double candidate, double current) { return candidate > 0.0 && candidate < current; }
};

template <class Family>
bool findFlowLimitingValve(ArmaturenModellSpan list, double flow, ARMATUR& record, bool keepDim) {
  using Variant = typename Family::Variant;
  if (flow < kFormulaEpsilon) return false;
  const double k = roundWanted(flow, 3);

  // The variants of the family that the dimension restriction lets through, in list order.
  auto forEachEligible = [&](auto&& visit) {
    forEachVariantOfKind(list, Family::kKind, false, [&](const hydArmatur& variant) {
      const Variant* typed = asKind<Variant>(&variant);
      if (typed != nullptr && passesKeepDim(variant, record, keepDim)) visit(*typed);
    });
  };

  SizingCandidates candidates(candidateCapacity(list));
  forEachEligible([&](const Variant& v) {
    if (roundsTo(Family::flowMin(v), 3, Rounded::AtMost, k) && roundsTo(Family::flowMax(v), 3, Rounded::AtLeast, k)) {
      candidates.add(&v);
    }
  });
  if (candidates.empty()) {
    if (flow >= kSmallFlow) return false;
    const Variant* nearest = nullptr;
    double nearestDistance = 0.0;
    forEachEligible([&](const Variant& v) {
      const double distance = std::fabs(static_cast<double>(Family::flowMin(v)) - flow);
      if (nearest == nullptr || distance < nearestDistance) {
        nearest = &v;
        nearestDistance = distance;
      }
    });
    if (nearest == nullptr) return false;
    candidates.add(nearest);
  }

  candidates.narrowTo(record.dimension);
  const hydArmatur* preferred = ArmaturenModell::findNearestArmaturEx(candidates.variants, record.dimension);
  if (preferred == nullptr) return recordNamesVariant(record);

  // The smallest minimum pressure wins; the preferred size decides only between equals.
  const Variant* choice = static_cast<const Variant*>(preferred);
  double current = Family::minimumPressure(*choice, flow);
  for (const hydArmatur* candidate : candidates.variants) {
    const auto* typed = static_cast<const Variant*>(candidate);
    const double pressure = Family::minimumPressure(*typed, flow);
    if (Family::replaces(pressure, current)) {
      choice = typed;
      current = pressure;
    }
  }
  record.einstellung = Family::setting(*choice, flow);
  record.dimension = choice->getDimension();
  record.modellId = RnArmaturContainer::findParentModellId(list, choice);
  return recordNamesVariant(record);
}

}  // namespace

int HzArmaturContainer::findEinstellungDFR(const hydArmaturDFR* variant, const double& flow) {
  if (variant == nullptr) return -1;
  const auto& nodes = variant->getKurve().nodes();
  return findFlowSetting(
      variant->getKurve().getCount(), [&](int i) { return nodes[static_cast<std::size_t>(i)].y; }, flow);
}

int HzArmaturContainer::findEinstellungTHKVDFR(const hydArmaturTHKVDFR* variant, const double& flow) {
  if (variant == nullptr) return -1;
  const auto& nodes = variant->getKurve14().nodes();
  return findFlowSetting(
      variant->getKurve14().getCount(), [&](int i) { return nodes[static_cast<std::size_t>(i)].y4; }, flow);
}

bool HzArmaturContainer::findDurchflussreglerEx(ArmaturenModellSpan list, double flow, ARMATUR& record,
                                                bool keepDim) {
  return findFlowLimitingValve<FlowRegulator>(list, flow, record, keepDim);
}

bool HzArmaturContainer::findTHKVDurchflussreglerEx(ArmaturenModellSpan list, double flow, ARMATUR& record,
                                                    bool keepDim) {
  return findFlowLimitingValve<ThermostaticFlowLimiter>(list, flow, record, keepDim);
}

}  // namespace armakon
