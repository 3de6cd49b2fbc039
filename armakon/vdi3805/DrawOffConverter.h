#pragma once
// Draw-off fittings of drinking-water installations (VDI 3805 sheet 17): taps and mixers
// (type code 1704) and the same with a backflow preventer (1705).
//
// A draw-off fitting is described by its one 710.02 record: the flows of cold and warm water
// it delivers and the minimum flow pressure it needs. Both must be given. A fitting with a
// backflow preventer is marked as such (byte 0) and, when its 710.03 characteristic is given,
// keeps that as its flow curve (x mbar, y flow in l/h, water taken at 1 kg per litre).
//
// Values kept in hydArmaturEA: floats 0 minimum flow pressure (bar), 1 cold and 2 warm water
// flow (l/s), 3 and 4 minimum flow pressure of the cold and of the warm side (bar); bytes
// 0 backflow preventer, 1 cold water supplied, 2 warm water supplied.

#include "armakon/vdi3805/ConversionContext.h"

namespace armakon {

// Fills a hydArmaturEA from the 710.02 (and, for 1705, 710.03) records; false when the
// variant is of another class or its data are unusable.
bool convertDrawOff(ConversionContext& ctx);

}  // namespace armakon
