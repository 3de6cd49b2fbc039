// The sizing rows of the heating regulators: differential-pressure regulators (alone and with
// flow regulator), flow regulators, thermostatic valves with flow limitation (kind 4446 with a
// flow) and one-pipe fittings. Each searches the global list, or the one entry the record
// names, and reports the setting(s), the setting text and what the setting means.

#include <string>

#include "armakon/components/NumberText.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/containers/SizeSearch.h"
#include "armakon/containers/SizeSearchSupport.h"

namespace armakon {

namespace {

// The density the derived kv values assume: water of 1000 kg/m³.
constexpr double kWaterDensity = 1000.0;

const HzArmaturContainer* heating(const RnArmaturContainer& container) {
  return dynamic_cast<const HzArmaturContainer*>(&container);
}

// The kv a differential-pressure regulator is chosen for: --kv, or the kv of --flow at --dp.
double regulatorKv(const SizeRequest& r) {
  if (r.hasKv || !r.flow || !r.dp) return r.kv;
  return HzArmaturContainer::_kvWert(*r.flow, HzArmaturContainer::mbar_Pa(*r.dp), kWaterDensity);
}

// --- differential-pressure regulator (4450) ---

std::string regulatorMissing(const SizeRequest& r) {
  return joinMissing({{r.setpoint.has_value(), "--setpoint"},
                      {r.hasKv || (r.flow && r.dp), "--kv (or --flow and --dp)"}});
}

bool sizeRegulator(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& r, ARMATUR& record) {
  const HzArmaturContainer* hz = heating(container);
  if (hz == nullptr) return false;
  const double kv = regulatorKv(r);
  return r.local ? hz->findLocalDiffdruckregler(kv, *r.setpoint, record, r.keepDim)
                 : hz->findGlobalDiffdruckregler(kv, *r.setpoint, record, r.keepDim);
}

void addSetpoint(const HzArmaturContainer& hz, const ARMATUR& record, SizeLines& lines) {
  const hydVDIArmaturen::hydArmatur* variant = hz.getArmatur(record);
  if (variant == nullptr || !variant->IsKindOf(hydVDIArmaturen::hydArmaturDDR::GetThisClass())) return;
  const auto* regulator = static_cast<const hydVDIArmaturen::hydArmaturDDR*>(variant);
  if (record.einstellung < 0 || record.einstellung >= regulator->getKennlinieDp().getCount()) return;
  addLine(lines, "setpoint", sizeNumber(regulator->getKennlinieDp().getAt(record.einstellung).y, "mbar"));
}

void reportRegulator(const RnArmaturContainer& container, const SizeRequest& r,
                     const ARMATUR& record, SizeLines& lines) {
  const HzArmaturContainer& hz = *heating(container);
  const double kv = regulatorKv(r);
  addLine(lines, "kv", sizeNumber(kv));
  addLine(lines, "setting", std::to_string(record.einstellung));
  addSetpoint(hz, record, lines);
  addLine(lines, "setting text", hz.getEinstellungDDR(record, kv));
  addLine(lines, "p-deviation", sizeNumber(hz.getPAbweichungDDR(record, kv), "Pa"));
}

// --- differential-pressure and flow regulator (4454) ---

std::string combinedMissing(const SizeRequest& r) {
  return joinMissing({{r.setpoint.has_value(), "--setpoint"},
                      {r.flow.has_value(), "--flow"},
                      {r.hasKv || r.dp.has_value(), "--kv (or --dp)"}});
}

bool sizeCombined(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& r, ARMATUR& record) {
  const HzArmaturContainer* hz = heating(container);
  if (hz == nullptr) return false;
  const double kv = regulatorKv(r);
  return r.local ? hz->findLocalDiffdruckreglerDFR(kv, *r.setpoint, *r.flow, record, r.keepDim)
                 : hz->findGlobalDiffdruckreglerDFR(kv, *r.setpoint, *r.flow, record, r.keepDim);
}

void addKvMax(const HzArmaturContainer& hz, const SizeRequest& r, const ARMATUR& record, SizeLines& lines) {
  double kvMax = 0.0;
  const bool known = hz.getKvMaxDFR(record, *r.flow, kWaterDensity, kvMax);
  addLine(lines, "kv max", known ? sizeNumber(kvMax) : std::string());
}

void reportCombined(const RnArmaturContainer& container, const SizeRequest& r,
                    const ARMATUR& record, SizeLines& lines) {
  const HzArmaturContainer& hz = *heating(container);
  const double kv = regulatorKv(r);
  addLine(lines, "kv", sizeNumber(kv));
  addLine(lines, "setting", std::to_string(record.einstellung));
  addLine(lines, "flow setting", std::to_string(record.einstellung2));
  addSetpoint(hz, record, lines);
  addLine(lines, "setting text", hz.getEinstellungDDR_DFR(record, kv, 0.0));
  addLine(lines, "p-deviation", sizeNumber(hz.getPAbweichungDDR(record, kv), "Pa"));
  addKvMax(hz, r, record, lines);
}

// --- flow regulator (4452) and thermostatic valve with flow limitation (4446 with --flow) ---

bool sizeFlowRegulator(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& r, ARMATUR& record) {
  const HzArmaturContainer* hz = heating(container);
  if (hz == nullptr) return false;
  return r.local ? hz->findLocalDurchflussregler(*r.flow, record, r.keepDim)
                 : hz->findGlobalDurchflussregler(*r.flow, record, r.keepDim);
}

bool sizeFlowLimitedThkv(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& r,
                         ARMATUR& record) {
  const HzArmaturContainer* hz = heating(container);
  if (hz == nullptr) return false;
  return r.local ? hz->findLocalTHKVDurchflussregler(*r.flow, record, r.keepDim)
                 : hz->findGlobalTHKVDurchflussregler(*r.flow, record, r.keepDim);
}

bool flowGiven(const SizeRequest& r) { return r.flow.has_value(); }

void reportFlowRegulator(const RnArmaturContainer& container, const SizeRequest& r,
                         const ARMATUR& record, SizeLines& lines) {
  const HzArmaturContainer& hz = *heating(container);
  addLine(lines, "setting", std::to_string(record.einstellung));
  addLine(lines, "setting text", hz.getEinstellung(record, true));
  addKvMax(hz, r, record, lines);
}

// --- one-pipe fitting (4457) ---

std::string onePipeMissing(const SizeRequest& r) {
  return joinMissing({{r.share.has_value(), "--share"}, {r.kvRadiator.has_value(), "--kv-radiator"}});
}

bool sizeOnePipe(const RnArmaturContainer& container, enArmaturenTyp, SizeRequest& r, ARMATUR& record) {
  const HzArmaturContainer* hz = heating(container);
  if (hz == nullptr) return false;
  return r.local ? hz->findLocalEinrohrVerschraubung(*r.share, *r.kvRadiator, record)
                 : hz->findGlobalEinrohrVerschraubung(*r.share, *r.kvRadiator, record);
}

void reportOnePipe(const RnArmaturContainer& container, const SizeRequest& r, const ARMATUR& record, SizeLines& lines) {
  const HzArmaturContainer& hz = *heating(container);
  addLine(lines, "setting", std::to_string(record.einstellung));
  addLine(lines, "setting text", hz.getEinstellung(record, true));
  double bypass = 0.0;
  double branch = 0.0;
  const bool known = hz.getKvIstEAV(record, bypass, branch);
  addLine(lines, "kv bypass", known ? sizeNumber(bypass) : std::string());
  addLine(lines, "kv radiator branch", known ? sizeNumber(branch) : std::string());
  // getKvIstEAV succeeded: the record names a one-pipe fitting and a node of its curve.
  std::string share;
  if (known) {
    const auto* fitting = static_cast<const hydVDIArmaturen::hydArmaturEAV*>(hz.getArmatur(record));
    share = formatC("%.3f", HzArmaturContainer::getHKMassenstromAnteil(
                                fitting->getKurve14().getAt(record.einstellung), *r.kvRadiator));
  }
  addLine(lines, "radiator share", share);
}

constexpr SizeSearch kHeatingSearches[] = {
    {HZ_DIFFERENZDRUCKREGLER, "differential-pressure regulator", sizeRegulator, false, regulatorMissing,
     reportRegulator, nullptr, true},
    {HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER, "differential-pressure and flow regulator", sizeCombined, false,
     combinedMissing, reportCombined, nullptr, true},
    {HZ_DURCHFLUSSREGLER, "flow regulator", sizeFlowRegulator, false, flowMissing, reportFlowRegulator, nullptr,
     true},
    {HZ_THERMOSTATVENTIL, "thermostatic valve with flow limitation (with --flow)", sizeFlowLimitedThkv, false,
     flowMissing, reportFlowRegulator, flowGiven, true},
    {HZ_EINROHRVERSCHRAUBUNG, "one-pipe fitting", sizeOnePipe, false, onePipeMissing, reportOnePipe, nullptr, true},
};

}  // namespace

std::span<const SizeSearch> heatingSizeSearches() { return kHeatingSearches; }

}  // namespace armakon
