// What a chosen setting of a heating regulator means to the host: the setpoint deviation and
// setting text of differential-pressure regulators, the kv at the minimum differential
// pressure of flow regulators, and the two kv values of a one-pipe fitting's setting.

#include <string>

#include "armakon/components/NumberText.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/HzSearchSupport.h"
#include "armakon/containers/SettingSearch.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::hydArmaturDDR;
using hydVDIArmaturen::hydArmaturDDRDFR;
using hydVDIArmaturen::hydArmaturDFR;
using hydVDIArmaturen::hydArmaturEAV;
using hydVDIArmaturen::hydArmaturTHKVDFR;
using hzsearch::asKind;

namespace {

// The index lies within a curve of count nodes.
bool within(int index, int count) { return index >= 0 && index < count; }

// The regulator's proportional setpoint deviation at kv in mbar; 0 where the curve gives none.
double setpointDeviation(const hydArmaturDDR& regulator, double kv) {
  const float deviation = regulator.getKennlinieKvzuPAbw().getYInterpol(kv);
  return deviation == CKurve::kNoInterpol ? 0.0 : static_cast<double>(deviation);
}

// The setting value that gives the setpoint of node `index` less the deviation at kv: the
// setpoint curve's setting for that effective setpoint (the node at or above it), "%g" and the
// setting unit. When no node answers, the effective setpoint itself is shown.
std::string regulatorSettingText(const hydArmaturDDR& regulator, int index, double kv) {
  const CKurve& setpoints = regulator.getKennlinieDp();
  if (!within(index, setpoints.getCount())) return {};
  const double effective = static_cast<double>(setpoints.getAt(index).y) - setpointDeviation(regulator, kv);
  float setting = static_cast<float>(effective);
  std::string label;
  setpoints.getXNearest(setting, label, effective, CKurve::GREATER);
  std::string text = formatC("%g", static_cast<double>(setting));
  if (!setpoints.getEinheitx().empty()) text += " " + setpoints.getEinheitx();
  return text;
}

}  // namespace

double HzArmaturContainer::getPAbweichungDDR(const ARMATUR& record, double kv) const {
  const hydArmaturDDR* regulator = asKind<hydArmaturDDR>(getArmatur(record));
  if (regulator == nullptr) return 0.0;
  return setpointDeviation(*regulator, kv) * 100.0;
}

std::string HzArmaturContainer::getEinstellungDDR(const ARMATUR& record, double kv) const {
  const hydArmaturDDR* regulator = asKind<hydArmaturDDR>(getArmatur(record));
  if (regulator == nullptr) return {};
  return regulatorSettingText(*regulator, record.einstellung, kv);
}

std::string HzArmaturContainer::getEinstellungDDR_DFR(const ARMATUR& record, double kv, double /*unused*/) const {
  const hydArmaturDDRDFR* regulator = asKind<hydArmaturDDRDFR>(getArmatur(record));
  if (regulator == nullptr) return {};
  std::string text;
  if (within(record.einstellung, regulator->getKennlinieDp().getCount())) {
    text = regulatorSettingText(*regulator, record.einstellung, kv);
    if (text.empty()) text = "-";
  }
  const CKurve& flows = regulator->getDFRAnteil().getKurve();
  if (within(record.einstellung2, flows.getCount())) {
    const auto& node = flows.getAt(record.einstellung2);
    text += ", " + settingNodeText(node.x, node.text, flows.getEinheitx());
  }
  return text;
}

bool HzArmaturContainer::getKvMaxDFR(const ARMATUR& record, const double& flow, const double& rho,
                                     double& kv) const {
  kv = 0.0;
  if (record.einstellung < 0) return false;
  const hydVDIArmaturen::hydArmatur* variant = getArmatur(record);
  if (variant == nullptr) return false;

  // The minimum differential pressure (mbar) the regulator needs at the chosen setting.
  float minimumPressure = 0.0f;
  if (const auto* regulator = asKind<hydArmaturDFR>(variant)) {
    if (!within(record.einstellung, regulator->getKurve().getCount())) return false;
    minimumPressure = regulator->getWirkdruck();
  } else if (const auto* valve = asKind<hydArmaturTHKVDFR>(variant)) {
    if (!within(record.einstellung, valve->getKurve14().getCount())) return false;
    minimumPressure = valve->getKurve14().getAt(record.einstellung).y3;
  } else if (const auto* combined = asKind<hydArmaturDDRDFR>(variant)) {
    if (!within(record.einstellung2, combined->getDFRAnteil().getKurve().getCount())) return false;
    minimumPressure = combined->getWirkdruck();
  } else {
    return false;
  }
  kv = _kvWert(flow, mbar_Pa(minimumPressure), rho);
  return true;
}

bool HzArmaturContainer::getKvIstEAV(const ARMATUR& record, double& kvBypass, double& kvBranch) const {
  kvBypass = 0.0;
  kvBranch = 0.0;
  const hydArmaturEAV* fitting = asKind<hydArmaturEAV>(getArmatur(record));
  if (fitting == nullptr || !within(record.einstellung, fitting->getKurve14().getCount())) return false;
  const auto& node = fitting->getKurve14().getAt(record.einstellung);
  kvBypass = node.y1;
  kvBranch = node.y2;
  return true;
}

}  // namespace armakon
