#pragma once
// en700ArmaturTyp: the valve type code of VDI 3805 record 700.
//
// The code is 100 x guideline sheet (Blatt) + the type number of that sheet: sheet 2 holds the
// heating valves (201-213), sheet 17 the drinking-water fittings (1701-1714). The enumeration
// is unscoped with an int base so that codes read from files and stored in variants (ints)
// compare and convert freely; values outside the list are legal and mean "not supported".

#include <string>

namespace armakon::hydVDIArmaturen {

enum en700ArmaturTyp : int {
  ARMTYP_UNDEFINIERT = 0,
  // Sheet 2: heating
  ARMTYP_THERMOSTATVENTIL = 201,            // valve body for thermostatic valve / manifold
  ARMTYP_VERSCHRAUBUNG = 202,               // presettable screw connection (return)
  ARMTYP_EINROHR_ANSCHLUSS = 203,           // one-pipe connection fitting
  ARMTYP_STRANGREGULIERVENTIL = 204,        // manual balancing valve
  ARMTYP_DIFFERENZDRUCKREGLER = 205,
  ARMTYP_UEBERSTROEMREGLER = 206,
  ARMTYP_DURCHFLUSSREGLER = 207,
  ARMTYP_DDR_MIT_DFR = 208,                 // differential-pressure with flow regulator
  ARMTYP_DDR_MIT_HUBBEGRENZUNG = 209,       // differential-pressure with stroke limitation
  ARMTYP_DDR_UND_DURCHFLUSSBEGRENZER = 210,
  ARMTYP_FESTWIDERSTAND_HZ = 211,           // fixed resistance (e.g. shut-off valve)
  ARMTYP_THERMOSTATVENTIL_DFR = 212,        // thermostatic valve body with flow limitation
  ARMTYP_REGELARMATUR_HZ = 213,             // control valve with actuator (e.g. 3-way mixer)
  // Sheet 17: drinking water
  ARMTYP_FESTWIDERSTAND_TW = 1701,
  ARMTYP_DROSSEL_MANUELL = 1702,
  ARMTYP_DROSSEL_AUTOMATISCH = 1703,
  ARMTYP_ENTNAHME = 1704,
  ARMTYP_ENTNAHME_RFV = 1705,               // draw-off fitting with backflow preventer
  ARMTYP_RUECKFLUSSVERHINDERER = 1706,
  ARMTYP_ROHRTRENNER = 1707,
  ARMTYP_DRUCKMINDERER = 1708,
  ARMTYP_ZAEHLER = 1709,
  ARMTYP_MESSEINRICHTUNG = 1710,
  ARMTYP_UEBERSTROEMVENTIL = 1711,
  ARMTYP_SICHERHEITSVENTIL = 1712,
  ARMTYP_RINGLEITUNGSARMATUR = 1713,
  ARMTYP_REGELARMATUR_TW = 1714,
};

// The German type name of a code, translated. A type below 100 is a bare type number of the
// given sheet and is first turned into 100 x sheet + type, so 0 names "Undefinierter
// Armaturtyp" only with sheet 0. Codes without a name give "Nicht unterstützter Ventiltyp".
std::string getHydArmTypeStr(int type, int sheet);

}  // namespace armakon::hydVDIArmaturen
