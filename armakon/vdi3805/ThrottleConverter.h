#pragma once
// Converter of automatic (thermostatic) throttles of drinking-water circulation systems (type
// 1703, a hydArmaturThermoDross), e.g. circulation balancing valves.
//
// The 710.01 records give per numeric setting the control curve of the valve: one record per
// point, kv over XP, XP being how far the water lies below the set temperature of the setting.
// The records of a setting follow each other; the settings rise or fall steadily from record
// to record. The first setting is set to Tmax, the last to Tmin (700 fields 9 and 10), the
// ones between in proportion to their setting value.
//
// Each setting becomes a setting curve (CEinstellungKurve) of kv over the water temperature:
// x = set temperature - XP (°C, ascending), y = kv (m³/h), x2 = XP (K); the curve carries the
// setting value, its set temperature and its label. The curves keep the order of the settings,
// so the one at Tmax comes first.
//
// kv(min) and kv(max) are the smallest and the largest kv of all control curves: every curve
// must reach kv(min) (the valve closes to the same residual flow at every setting) and should
// reach kv(max); the kvs of the 700 should equal kv(max) (both within 1e-6 m³/h).
//
// A setting whose unit (700 field 16) is °C is expected to be its set temperature: when the
// first setting is not Tmax or the last not Tmin (by more than 0.05 K) a hint asks to check the
// resulting curves.
//
// Message codes where the guideline's texts leave them open: errors about the settings as a
// whole 10, hints about the set temperatures 40, about single values 50.

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

// Type 1703. False when the variant must be skipped or is no hydArmaturThermoDross.
bool convertThrottle(ConversionContext& ctx);

}  // namespace armakon
