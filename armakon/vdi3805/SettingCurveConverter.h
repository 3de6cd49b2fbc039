#pragma once
// Converters of the valves whose data are one setting curve (kv per setting, from 710.01):
// presettable screw connections (202), manual balancing valves (204) and manual throttles of
// drinking-water systems (1702); and of the valves without type-specific data: the fixed
// resistances (211, 1701) and control valves with actuator (213).

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

// The kv curve of a hydArmaturDross from its 710.01 records: kv per setting (missing kv
// taken as 0, settings without text and number skipped, the last one kept as "keine
// Einstellung"), at least 79 % of the records usable, no setting twice (error) and no kv
// twice (hint), the interpolation instructions carried out (sheet 2: step widths, 1702: step
// counts), kv falling from the most open setting on (one reversal allowed). The curve's x unit
// is the setting unit of the 700 (stored on the variant as well on sheet 2), its y unit m³/h;
// the smallest lower limit and (sheet 2) the largest upper limit of the records go to Dpmin and
// Dpmax. False when the variant must be skipped or is no hydArmaturDross.
bool convertSettingCurve(ConversionContext& ctx);

// Types 211, 213 and 1701 carry nothing beyond the common data: true for a plain hydArmatur.
bool convertFixedResistance(ConversionContext& ctx);

}  // namespace armakon
