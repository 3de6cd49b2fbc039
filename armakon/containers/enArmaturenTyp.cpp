#include "armakon/containers/enArmaturenTyp.h"

#include "armakon/components/Translation.h"

namespace armakon {

namespace {

// The German names are the translation keys.
const char* germanName(enArmaturenTyp kind) {
  switch (kind) {
    case HZ_ALLGEMEINE_ARMATUREN: return "Allgemeine Armaturen";
    case HZ_THERMOSTATVENTIL: return "Thermostatventil";
    case HZ_RUECKLAUFVERSCHRAUBUNG: return "Rücklaufverschraubung";
    case HZ_STRANGREGULIERVENTIL_DROSSEL: return "Strangregulierventil (Drossel)";
    case HZ_STRANGREGULIERVENTIL_ABSPERRUNG: return "Strangregulierventil (Absperrung)";
    case HZ_DIFFERENZDRUCKREGLER: return "Differenzdruckregler";
    case HZ_DIFFERENZDRUCKGEBER: return "Differenzdruckgeber";
    case HZ_DURCHFLUSSREGLER: return "Durchflussregler";
    case HZ_DREIWEGE_MISCHARMATUR: return "Dreiwege-Mischarmatur";
    case HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER: return "Differenzdruck- und Durchflussregler";
    case HZ_DREIWEGE_VERTEILARMATUR: return "Dreiwege-Verteilarmatur";
    case HZ_ZWEIWEGE_REGELARMATUR: return "Zweiwege-Regelarmatur";
    case HZ_EINROHRVERSCHRAUBUNG: return "Einrohrverschraubung (mit/ohne THKV)";
    case TW_ALLGEMEINE_ARMATUREN: return "Allgemeine Armaturen";
    case TW_STRANGREGULIERVENTIL: return "Strangregulierventil";
    case TW_THERMOSTATISCHES_STRANGREGULIERVENTIL: return "Thermostatisches Strangregulierventil";
    case TW_RUECKFLUSSVERHINDERER: return "Rückflussverhinderer";
    case TW_ENTNAHMEARMATUR: return "Entnahmearmatur";
    case TW_ENTNAHMEARMATUR_RFV: return "Entnahmearmatur mit Rückflussverhinderer";
    case TW_ROHRTRENNER: return "Rohrtrenner";
    case TW_DRUCKREGLER: return "Druckregler";
    case TW_WASSERZAEHLER: return "Wasserzähler";
    case ARMATURENTYP_KEIN: break;
  }
  return nullptr;
}

}  // namespace

std::string getVentilName(enArmaturenTyp kind) {
  const char* name = germanName(kind);
  return name != nullptr ? Translate(name) : std::string();
}

bool isHeizungsTyp(enArmaturenTyp kind) {
  return kind >= HZ_ALLGEMEINE_ARMATUREN && kind <= HZ_EINROHRVERSCHRAUBUNG;
}

bool isTrinkwasserTyp(enArmaturenTyp kind) {
  return kind >= TW_ALLGEMEINE_ARMATUREN && kind <= TW_WASSERZAEHLER;
}

}  // namespace armakon
