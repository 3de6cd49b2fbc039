#pragma once
// The setting search of one valve variant: which node of its setting curve realises a wanted
// kv, and the text a chosen node shows to the user.
//
// A setting curve (the variant's getKurve) lists the settings from the most open one (node 0,
// largest kv) to the most closed one (last node, smallest kv). kv values are compared after
// rounding both sides to 3 decimals (Round), so values that agree to the shown precision count
// as equal. Curve values are floats; they are widened and rounded in double precision like the
// wanted kv, so a node that holds exactly the wanted kv matches it from either side.
//
// The containers offer these as static members (RnArmaturContainer::findEinstellung, ...);
// the kind-specific searches use the same pieces.

#include <string>

namespace armakon::hydVDIArmaturen {
class hydArmatur;
}

namespace armakon {

// kv rounded as the setting searches compare it (3 decimals, double precision).
double roundKv(double kv);

// True when the variant can realise kv: kv below epsilon or no variant, a variant that states
// no range (kvmin or kvmax at or below epsilon), or r(kvmin) <= r(kv) <= r(kvmax).
bool isInKvRange(const hydVDIArmaturen::hydArmatur* variant, double kv);

// The setting index for kv: 0 when r(kv) reaches r(kvmax) (the curve is not consulted), the
// last index when r(kvmin) reaches r(kv). Otherwise, fromOpen walks from node 0 and takes the
// first node with r(y) <= r(kv) (pressure drop at least the wanted one); !fromOpen walks from
// the last node and takes the first with r(y) >= r(kv) (pressure drop at most the wanted one).
// -1 when no node qualifies or there is no variant.
int findEinstellung(const hydVDIArmaturen::hydArmatur* variant, const double& kv, bool fromOpen);

// The text of one setting node: the setting value x ("%g", with the abbreviated turns unit,
// without a unit for "Einstellung"/"Einstellwert", else with the curve's unit) or, for a node
// without numeric setting (x <= -9999), its label ("Werkseinstellung" abbreviated). An empty
// result becomes "?".
std::string settingNodeText(float x, const std::string& label, const std::string& unit);

// The setting text of node `index` of the variant's setting curve (the four-value curve for
// thermostatic valves with flow limitation and one-pipe fittings), "" for a node outside the
// curve. With withXp, thermostatic variants append their proportional band " (XP=2K)"; an
// unknown band shows as " (XP=?)", except on one-pipe fittings, which then show nothing.
std::string variantSettingText(const hydVDIArmaturen::hydArmatur& variant, int index, bool withXp);

}  // namespace armakon
