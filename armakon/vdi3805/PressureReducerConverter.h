#pragma once
// Pressure reducers of drinking-water installations (VDI 3805 sheet 17, type code 1708).
//
// Each 710.05 record is one setting of the reducer with the outlet pressure it keeps
// ("Ausgangsseitiger Druck", bar). They become the variant's outlet-pressure curve: x the
// setting, text the setting as printed, y the outlet pressure, highest pressure in node 0
// (the order the drinking-water sizing walks). A setting without outlet pressure is left out,
// one with 0 bar is kept; both with a hint naming the records.

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

// Fills a hydArmaturDruckminderer from the 710.05 records; false when the variant is of
// another class or no setting has an outlet pressure.
bool convertPressureReducer(ConversionContext& ctx);

}  // namespace armakon
