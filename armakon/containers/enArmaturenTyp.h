#pragma once
// enArmaturenTyp: the valve kinds the containers sort their entries by.
//
// 4445-4457 are heating kinds (VDI 3805 sheet 2), 5556-5564 drinking-water kinds (sheet 17).
// The enumeration is unscoped with a 32-bit base: kinds travel through the host and through
// persisted entry texts as plain integers, and a value outside the list is legal (it names
// nothing and matches no entry of another kind).

#include <cstdint>
#include <string>

namespace armakon {

enum enArmaturenTyp : std::int32_t {
  ARMATURENTYP_KEIN = -1,  // an entry that has not been given a kind yet
  // Heating
  HZ_ALLGEMEINE_ARMATUREN = 4445,               // fixed resistances
  HZ_THERMOSTATVENTIL = 4446,                   // thermostatic radiator valve
  HZ_RUECKLAUFVERSCHRAUBUNG = 4447,             // return screw fitting
  HZ_STRANGREGULIERVENTIL_DROSSEL = 4448,       // balancing valve used as throttle
  HZ_STRANGREGULIERVENTIL_ABSPERRUNG = 4449,    // balancing valve used as shut-off
  HZ_DIFFERENZDRUCKREGLER = 4450,
  HZ_DIFFERENZDRUCKGEBER = 4451,                // measuring point of a differential-pressure regulator
  HZ_DURCHFLUSSREGLER = 4452,
  HZ_DREIWEGE_MISCHARMATUR = 4453,
  HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER = 4454,
  HZ_DREIWEGE_VERTEILARMATUR = 4455,
  HZ_ZWEIWEGE_REGELARMATUR = 4456,
  HZ_EINROHRVERSCHRAUBUNG = 4457,               // one-pipe radiator connection fitting
  // Drinking water
  TW_ALLGEMEINE_ARMATUREN = 5556,               // fixed resistances
  TW_STRANGREGULIERVENTIL = 5557,
  TW_THERMOSTATISCHES_STRANGREGULIERVENTIL = 5558,  // circulation
  TW_RUECKFLUSSVERHINDERER = 5559,
  TW_ENTNAHMEARMATUR = 5560,
  TW_ENTNAHMEARMATUR_RFV = 5561,                // draw-off fitting with backflow preventer
  TW_ROHRTRENNER = 5562,
  TW_DRUCKREGLER = 5563,
  TW_WASSERZAEHLER = 5564,
};

// The kind's German name passed through the translation component; "" for any other value.
std::string getVentilName(enArmaturenTyp kind);

// True for 4445-4457 / 5556-5564.
bool isHeizungsTyp(enArmaturenTyp kind);
bool isTrinkwasserTyp(enArmaturenTyp kind);

}  // namespace armakon
