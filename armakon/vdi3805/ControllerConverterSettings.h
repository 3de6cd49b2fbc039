#pragma once
// The setting head that the controller records 710.02, 710.03 and 710.04 share (setting as
// text, setting as number, interpolation instruction; see VdiFieldLayout.h) and the small
// steps the controller, flow-regulator and type-212 converters take on the nodes read from it.

#include <string>
#include <vector>

#include "armakon/model/CKurve.h"
#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

class CVDIBase;

// The record's setting as a node with value 0: the text as printed (the number as written
// when the text field is empty), the number (kEmptyNumber when its field is empty), the
// interpolation instruction and the record.
SettingNode ReadControllerSetting(const ConversionContext& ctx, const CVDIBase* record);

// Whether the record names a setting at all (text or number).
bool HasControllerSetting(const ConversionContext& ctx, const CVDIBase* record);

// The setting unit of the valve's main setting (700 field 14).
std::string ControllerSettingUnit(const ConversionContext& ctx);

// Orders the nodes by value, the largest first (stable): the valve classes read their upper
// limit from the first node and their lower limit from the last (getDpSollMax,
// getFlowRateMax, ...), and the sizing walks from the last node towards the first.
void SortLargestValueFirst(std::vector<SettingNode>& nodes);

// The curve of the nodes (x setting, text, y value) with its units.
hydVDIArmaturen::CKurve MakeControllerCurve(const std::vector<SettingNode>& nodes, const std::string& xUnit,
                                            const std::string& yUnit);

}  // namespace armakon
