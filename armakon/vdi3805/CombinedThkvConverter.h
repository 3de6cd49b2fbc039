#pragma once
// Thermostatic valve bodies with flow limitation (VDI 3805 sheet 2, type code 212).
//
// Such a valve is described per setting by three records (layout in VdiFieldLayout.h):
// 710.01 gives XP, kv and the noise limit, 710.02 the flow limit, 710.03 the minimum
// differential pressure the limitation needs. All three must cover the same settings: numeric,
// falling from record to record, with the same interpolation instructions. The result is one
// four-value curve per variant: x setting, y1 kv (kept only), y2 maximum differential pressure
// (the noise limit, mbar), y3 Wirkdruck (mbar), y4 flow limit (m³/h); the largest setting first.

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

// Fills a hydArmaturTHKVDFR from its 710.01 to 710.03 records; false when the variant is of
// another class or its data are unusable.
bool convertCombinedThkv(ConversionContext& ctx);

}  // namespace armakon
