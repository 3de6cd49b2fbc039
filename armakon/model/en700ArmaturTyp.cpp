#include "armakon/model/en700ArmaturTyp.h"

#include "armakon/components/Translation.h"

namespace armakon::hydVDIArmaturen {

namespace {

const char* typeName(long long type) {
  switch (type) {
    case ARMTYP_UNDEFINIERT: return "Undefinierter Armaturtyp";
    case ARMTYP_THERMOSTATVENTIL:
      return "Ventilgehäuse für Thermostatventil/ Verteilergehäuse für Ventilgarnitur";
    case ARMTYP_VERSCHRAUBUNG:
      return "Voreinstellbare und nicht voreinstellbare Verschraubung (z.B. Rücklaufverschraubung)";
    case ARMTYP_EINROHR_ANSCHLUSS: return "Einrohr-Anschlussverschraubung für Ventil-Heizkörper";
    case ARMTYP_STRANGREGULIERVENTIL: return "Manuelles Strangregulierventil";
    case ARMTYP_DIFFERENZDRUCKREGLER: return "Differenzdruckregler";
    case ARMTYP_UEBERSTROEMREGLER: return "Überströmregler";
    case ARMTYP_DURCHFLUSSREGLER: return "Durchflussregler";
    case ARMTYP_DDR_MIT_DFR: return "Differenzdruckregler mit Durchflussregler";
    case ARMTYP_DDR_MIT_HUBBEGRENZUNG:
      return "Differenzdruckregler mit Durchflussbegrenzung (Hubbegrenzung)";
    case ARMTYP_DDR_UND_DURCHFLUSSBEGRENZER: return "Differenzdruckregler und Durchflussbegrenzer";
    case ARMTYP_FESTWIDERSTAND_HZ: return "Festwiderstand ( z.B. Absperrarmatur )";
    case ARMTYP_THERMOSTATVENTIL_DFR: return "Ventilgehäuse für Thermostatventil mit Durchflussbegrenzung";
    case ARMTYP_REGELARMATUR_HZ: return "Regelarmaturen mit Antrieb (z.B. 3-Wege-Mischer)";
    case ARMTYP_FESTWIDERSTAND_TW: return "Festwiderstand";
    case ARMTYP_DROSSEL_MANUELL: return "Manuelle Drosselarmatur";
    case ARMTYP_DROSSEL_AUTOMATISCH: return "Automatische Drosselarmatur";
    case ARMTYP_ENTNAHME: return "Entnahmearmatur";
    case ARMTYP_ENTNAHME_RFV: return "Entnahmearmatur mit RFV";
    case ARMTYP_RUECKFLUSSVERHINDERER: return "Rückflussverhinderer, inkl. KFR-Ventile und Sicherheitsgruppen";
    case ARMTYP_ROHRTRENNER: return "Rohrtrenner";
    case ARMTYP_DRUCKMINDERER: return "Druckminderer";
    case ARMTYP_ZAEHLER: return "Zähleinrichtungen";
    case ARMTYP_MESSEINRICHTUNG: return "Messeinrichtungen";
    case ARMTYP_UEBERSTROEMVENTIL: return "Überströmventile";
    case ARMTYP_SICHERHEITSVENTIL: return "Sicherheitsventile";
    case ARMTYP_RINGLEITUNGSARMATUR: return "Ringleitungsarmaturen";
    case ARMTYP_REGELARMATUR_TW: return "Regelungsarmaturen mit Antrieb";
    default: return "Nicht unterstützter Ventiltyp";
  }
}

}  // namespace

std::string getHydArmTypeStr(int type, int sheet) {
  // Every number below 100, 0 included, is a bare type number of the sheet. The sum is formed
  // wide so that no sheet number can overflow it.
  const long long code = type < 100 ? 100LL * sheet + type : type;
  return Translate(typeName(code));
}

}  // namespace armakon::hydVDIArmaturen
