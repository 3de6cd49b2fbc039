#pragma once
// Meters of drinking-water installations (VDI 3805 sheet 17, type code 1709).
//
// A meter's flows come from its one 710.06 record, its properties (area of use, mounting
// position, device type, housing) from a 350 property vector that its product references.
// Both must be there, and the nominal flow Qn must be given and lie within Qmin ... Qmax (the
// upper bound only when the data give one, Qmax > 0).
//
// Values kept in hydArmaturZaehler: numbers 0 Qn, 1 pressure drop at Qn (bar), 2 Qmin,
// 3 Qmax, 4 transitional flow Qt; texts 0 designation, 1 meter type, 2 housing of the 350.

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

class CVDIBase;

// The product record (800) the variant is converted from: the product below the 110 of the
// technical data whose index is the variant's record index. Null when there is none.
const CVDIBase* ProductOfVariant(const ConversionContext& ctx);

// Fills a hydArmaturZaehler from the 710.06 record and the product's 350; false when the
// variant is of another class or its data are unusable.
bool convertMeter(ConversionContext& ctx);

}  // namespace armakon
