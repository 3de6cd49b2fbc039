#include "armakon/containers/SettingSearch.h"

#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/model/hydArmatur.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::CKurve14;
using hydVDIArmaturen::curveNode;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturEAV;
using hydVDIArmaturen::hydArmaturTHKV;
using hydVDIArmaturen::hydArmaturTHKVDFR;

namespace {

// Settings at or below this value mean "no numeric setting, show the label".
constexpr double kNoNumericSetting = -9999.0;

}  // namespace

double roundKv(double kv) { return Round(kv, 3); }

bool isInKvRange(const hydArmatur* variant, double kv) {
  if (kv < kFormulaEpsilon || variant == nullptr) return true;
  const double kvMin = variant->getKvmin();
  const double kvMax = variant->getKvmax();
  if (kvMin <= kFormulaEpsilon || kvMax <= kFormulaEpsilon) return true;
  const double k = roundKv(kv);
  return roundKv(kvMin) <= k && k <= roundKv(kvMax);
}

int findEinstellung(const hydArmatur* variant, const double& kv, bool fromOpen) {
  if (variant == nullptr) return -1;
  const double k = roundKv(kv);
  if (k >= roundKv(variant->getKvmax())) return 0;
  const std::vector<curveNode>& nodes = variant->getKurve().nodes();
  const int last = hydVDIArmaturen::sizeAsInt(nodes.size()) - 1;
  if (roundKv(variant->getKvmin()) >= k) return last;
  if (fromOpen) {
    for (int i = 0; i <= last; ++i) {
      if (roundKv(nodes[static_cast<std::size_t>(i)].y) <= k) return i;
    }
  } else {
    for (int i = last; i >= 0; --i) {
      if (roundKv(nodes[static_cast<std::size_t>(i)].y) >= k) return i;
    }
  }
  return -1;
}

std::string settingNodeText(float x, const std::string& label, const std::string& unit) {
  std::string text;
  if (x > kNoNumericSetting) {
    const double value = x;
    if (unit.empty()) {
      text = formatC("%g", value);
    } else if (unit == "Umdrehungen" || unit == Translate("Umdrehungen")) {
      text = formatC("%g", value) + " " + Translate("@Umdrehungen@Umdr.");
    } else if (unit == "Einstellung" || unit == "Einstellwert" || unit == Translate("Einstellung") ||
               unit == Translate("Einstellwert")) {
      text = formatC("%g", value);
    } else {
      text = formatC("%g", value) + " " + unit;
    }
  } else if (label == "Werkseinstellung") {
    text = Translate("@Werkseinstellung@Werkseinst.");
  } else {
    text = label;
  }
  if (text.empty()) text = "?";
  return text;
}

namespace {

// How a variant shows its proportional band.
enum class XpDisplay {
  None,            // no band (not a thermostatic variant)
  QuestionIfLess,  // thermostatic valves: an unknown band shows as "?"
  OmitIfLess,      // one-pipe fittings: an unknown band shows nothing
};

std::string xpSuffix(double xp, XpDisplay display) {
  if (display == XpDisplay::None) return {};
  const double p = Round(xp, 2);
  const std::string label = Translate("@Proportionalbeiwert@XP");
  if (p >= 0.0) {
    return " (" + label + "=" + formatC("%g", p) + TranslateUnits("K") + ")";
  }
  if (display == XpDisplay::QuestionIfLess) return " (" + label + "=?)";
  return {};
}

}  // namespace

std::string variantSettingText(const hydArmatur& variant, int index, bool withXp) {
  if (index < 0) return {};
  const CKurve14* curve14 = nullptr;
  const CKurve* curve = nullptr;
  double xp = 0.0;
  XpDisplay display = XpDisplay::None;
  // Kind tests follow the recorded class links, as everywhere in the valve tree.
  if (variant.IsKindOf(hydArmaturTHKVDFR::GetThisClass())) {
    const auto& thkvdfr = static_cast<const hydArmaturTHKVDFR&>(variant);
    curve14 = &thkvdfr.getKurve14();
    xp = thkvdfr.getXp();
    display = XpDisplay::QuestionIfLess;
  } else if (variant.IsKindOf(hydArmaturEAV::GetThisClass())) {
    const auto& eav = static_cast<const hydArmaturEAV&>(variant);
    curve14 = &eav.getKurve14();
    xp = eav.getXp();
    display = XpDisplay::OmitIfLess;
  } else {
    curve = &variant.getKurve();
    if (variant.IsKindOf(hydArmaturTHKV::GetThisClass())) {
      xp = static_cast<const hydArmaturTHKV&>(variant).getXp();
      display = XpDisplay::QuestionIfLess;
    }
  }
  const int count = curve14 != nullptr ? curve14->getCount() : curve->getCount();
  if (index >= count) return {};
  const curveNode& node = curve14 != nullptr ? static_cast<const curveNode&>(curve14->getAt(index))
                                             : curve->getAt(index);
  const std::string& unit = curve14 != nullptr ? curve14->getEinheitx() : curve->getEinheitx();
  std::string text = settingNodeText(node.x, node.text, unit);
  if (withXp) text += xpSuffix(xp, display);
  return text;
}

}  // namespace armakon
