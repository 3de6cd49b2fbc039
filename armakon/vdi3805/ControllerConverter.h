#pragma once
// Differential-pressure regulators of heating systems (VDI 3805 sheet 2): the plain regulator
// (type code 205), the one with flow regulator (208), with flow limitation by lift (209) and
// with flow limiter (210). The overflow regulator (206) has no valve class; the conversion
// refuses it before it gets here.
//
// Records read (layout in VdiFieldLayout.h):
//  - 710.02, the differential-pressure set point per setting: the set-point curve (x setting,
//    y set point in mbar, largest set point first);
//  - 710.03, the points of the p-deviation curve (kv over p-deviation, largest kv first) and
//    the maximum flow per setting (x setting, y m³/h, largest first);
//  - 710.04 for 208 and 210, the flow-regulator part (see FlowRegulatorConverter.h).

#include <string>

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

// The caption of the set-point curve: "Sollwert Δp" through its translation key.
std::string SetPointCaption();

// Fills a hydArmaturDDR (hydArmaturDDRDFR for 208 and 210) from its records; false when the
// variant is of another class or its data are unusable.
bool convertController(ConversionContext& ctx);

}  // namespace armakon
