#pragma once
// The line of technical data the pump choice shows under the product image, for example
// "Typ: Aquaflux E 25-60, DN25, Bestellnummer: AQ-100625, PN 10, 230 V,
//  Temperatur -10 ... 110 °C, kurzzeitig 120 °C, Konstant-/Prop.-Druckregelung".
// Parts whose value is not given (DN or PN not above 0, temperatures at their defaults,
// empty texts) are left out; labels and units pass through the translation.

#include <string>

namespace armakon {

class hydPumpe;

std::string buildTechnischeDaten(const hydPumpe& pumpe);

}  // namespace armakon
