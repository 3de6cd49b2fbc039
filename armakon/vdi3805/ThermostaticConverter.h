#pragma once
// Converter of thermostatic valves: valve bodies for thermostatic heads (type 201, a
// hydArmaturTHKV) and the thermostatic radiator valves of kind 1 (type 203 from type number
// 1, a hydArmaturEAV with kvB, kvH, kvs and noise limit per setting).
//
// Their 710.01 records carry per setting one record for each XP (proportional band, K) the
// manufacturer measured. The variant is built for one XP: the wanted XP of the product when
// the data cover it; otherwise the user chooses between the smallest and the largest XP of
// the data (a yes/no/cancel question through the platform; a host without an answer cancels,
// which skips the variant). Per setting the values at that XP are interpolated between the
// setting's XP values (straight lines, extended beyond the setting's own XP values, never
// below 0). A setting with a single XP takes that one; a hint tells when it differs from the
// chosen XP. An XP given twice for a setting keeps its first record. Records that carry no
// XP at all are taken one setting each, without an XP (hint code 20); the variant then keeps
// the wanted XP.
//
// The kv curve of a valve body is ordered with the most open setting first (one reversal of
// the records' order allowed, as for other kv curves); a one-pipe valve keeps the order of
// its records (see OnePipeConverter.h). Settings are told apart by number, or by text where
// they are not numeric; records without any setting make up the one setting "keine
// Einstellung". The chosen XP is stored on the variant.

#include <optional>
#include <utility>

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

// Types 201 and 203 of kind 1. False when the variant must be skipped (also when the user
// cancels the XP question) or its class does not fit the type.
bool convertThermostatic(ConversionContext& ctx);

// The smallest and largest usable XP (above 0 K) of the 710.01 records below a 700 record;
// nothing when no record carries one. Lets a caller pick a wanted XP the data cover, so that
// no question is asked.
std::optional<std::pair<double, double>> ThermostaticXpRange(const CVDIBase* technicalData);

// The XP the variant is built for: the wanted XP inside [xpMin, xpMax], else the answer to the
// question (yes: xpMin, no: xpMax); nothing when the user cancels.
std::optional<double> ChooseXp(const ConversionContext& ctx, double xpMin, double xpMax);

}  // namespace armakon
