#pragma once
// Flow regulators of heating systems (VDI 3805 sheet 2, type code 207) and the flow-regulator
// part of the combined differential-pressure regulators (208, 210).
//
// A flow regulator holds a set flow (V-Soll) per setting and needs a minimum differential
// pressure to work, its effective pressure (Wirkdruck); both come from its 710.04 records,
// one per setting (layout in VdiFieldLayout.h).

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

namespace hydVDIArmaturen {
class hydArmaturDFR;
}

// Fills a flow-regulator part from the 710.04 records:
// 1. each record gives a node (setting, set flow) and its effective pressure; a setting
//    without set flow is skipped (hint), a set flow without setting is an error that makes
//    the part unusable; a single setting gets a hint (code 10);
// 2. no setting twice (error), no set flow twice (hint, value name "Volumenstrom");
// 3. interpolation instructions as step widths;
// 4. the nodes ordered by set flow, the largest first (the class reads its maximum from the
//    first node and its minimum from the last, and the sizing relies on that);
// 5. x unit the flow setting unit (700 field 17), y unit "m³/h";
// 6. the effective pressure is the smallest non-zero one of the records; none, or one below
//    1e-5, is an error (code 30).
// False when the part is unusable; the target is changed only on success.
bool ConvertFlowRegulatorPart(ConversionContext& ctx, hydVDIArmaturen::hydArmaturDFR& target);

// Type 207: the flow-regulator part is the whole variant. False for a variant of another class.
bool convertFlowRegulator(ConversionContext& ctx);

}  // namespace armakon
