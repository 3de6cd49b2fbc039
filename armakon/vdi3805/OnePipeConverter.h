#pragma once
// Converter of one-pipe connection fittings for valve radiators (type 203): per setting the
// kv of the bypass (kvB) and of the radiator path (kvH), the kvs of the fitting and the noise
// limit become the four-value curve of a hydArmaturEAV (x setting, y1 kvB, y2 kvH, y3 kvs in
// m³/h, y4 noise limit in mbar; x unit the setting unit of 700 field 14).
//
// Opening the fitting further sends more water through the bypass: from setting to setting
// kvB must rise and kvH fall (equal neighbours are accepted), in the order of the records, so
// the radiator's share of the flow is largest at the first node, as the sizing expects.

#include <cstddef>
#include <vector>

#include "armakon/model/hydArmaturEAV.h"
#include "armakon/vdi3805/ConversionContext.h"
#include "armakon/vdi3805/ThermostaticConverterRecords.h"

namespace armakon {

// Type 203 (not the thermostatic valves of kind 1): one 710.01 record per setting. False when
// the variant must be skipped or is no hydArmaturEAV.
bool convertOnePipe(ConversionContext& ctx);

// The records (at least one) as settings of their own, without XP: per-record checks, no
// setting twice (error), then FinishOnePipe. Also the way of a thermostatic valve of kind 1
// whose records carry no XP.
bool ConvertOnePipeRecords(ConversionContext& ctx, hydVDIArmaturen::hydArmaturEAV& eav,
                           const std::vector<SettingRecord>& records);

// The checks over the usable settings (counts with at least three settings, the kvB and kvH
// order) and the curve. settingsRead: how many settings the records describe. False when the
// variant must be skipped.
bool FinishOnePipe(ConversionContext& ctx, hydVDIArmaturen::hydArmaturEAV& eav, std::size_t settingsRead,
                   const std::vector<OnePipeSetting>& settings);

}  // namespace armakon
