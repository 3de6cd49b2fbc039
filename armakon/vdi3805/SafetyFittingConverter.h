#pragma once
// Safety fittings of drinking-water installations (VDI 3805 sheet 17): backflow preventers
// (type code 1706) and pipe separators (1707).
//
// Their data are a characteristic: mass flow over differential pressure, one 710.03 record per
// point, which becomes the variant's curve (x mbar, y kg/h) with the highest flow in node 0.
// A curve that does not come down to zero flow leaves the opening pressure unknown, one that
// does not reach 1000 mbar leaves the upper pressure range unknown: both are kept with a hint.
// A pipe separator also takes its separating pressure from its one 710.04 record.

#include <vector>

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

class CVDIBase;

// One point of a 710.03 characteristic.
struct CharacteristicPoint {
  double pressure = 0.0;             // differential pressure, mbar
  double massFlow = 0.0;             // kg/h
  const CVDIBase* record = nullptr;  // the 710.03 it was read from
};

// The points of the 710.03 records in file order. A record without mass flow or without
// differential pressure is left out with a hint (code 30).
std::vector<CharacteristicPoint> ReadCharacteristicPoints(ConversionContext& ctx,
                                                          const std::vector<const CVDIBase*>& records);

// The curve of the points: x pressure (mbar), text the pressure as printed, y mass flow.
hydVDIArmaturen::CKurve MakeCharacteristicCurve(const std::vector<CharacteristicPoint>& points);

// Fills a hydArmaturSicherung from the 710.03 (and, for 1707, 710.04) records; false when the
// variant is of another class or its data are unusable.
bool convertSafetyFitting(ConversionContext& ctx);

}  // namespace armakon
