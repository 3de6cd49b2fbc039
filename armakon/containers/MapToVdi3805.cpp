// The VDI 3805 type codes (record 700) that a valve selection offers for each container kind.

#include "armakon/containers/RnArmaturContainer.h"

#include <vector>

namespace armakon {

namespace {

using namespace hydVDIArmaturen;

struct KindTypes {
  std::vector<en700ArmaturTyp> basic;
  // Related types a user may also pick for the kind, appended after the basic ones.
  std::vector<en700ArmaturTyp> extended;
};

KindTypes typesOf(enArmaturenTyp kind) {
  switch (kind) {
    case HZ_ALLGEMEINE_ARMATUREN:
      return {{ARMTYP_FESTWIDERSTAND_HZ}, {ARMTYP_THERMOSTATVENTIL, ARMTYP_VERSCHRAUBUNG, ARMTYP_STRANGREGULIERVENTIL}};
    case HZ_THERMOSTATVENTIL:
      return {{ARMTYP_THERMOSTATVENTIL, ARMTYP_THERMOSTATVENTIL_DFR}, {ARMTYP_VERSCHRAUBUNG, ARMTYP_STRANGREGULIERVENTIL}};
    case HZ_RUECKLAUFVERSCHRAUBUNG:
      return {{ARMTYP_VERSCHRAUBUNG}, {ARMTYP_STRANGREGULIERVENTIL, ARMTYP_THERMOSTATVENTIL}};
    case HZ_STRANGREGULIERVENTIL_DROSSEL:
      return {{ARMTYP_STRANGREGULIERVENTIL}, {ARMTYP_VERSCHRAUBUNG}};
    case HZ_STRANGREGULIERVENTIL_ABSPERRUNG:
    case HZ_DIFFERENZDRUCKGEBER:
      return {{ARMTYP_STRANGREGULIERVENTIL, ARMTYP_FESTWIDERSTAND_HZ}, {ARMTYP_VERSCHRAUBUNG}};
    case HZ_DIFFERENZDRUCKREGLER: return {{ARMTYP_DIFFERENZDRUCKREGLER}, {}};
    case HZ_DURCHFLUSSREGLER: return {{ARMTYP_DURCHFLUSSREGLER}, {}};
    case HZ_DREIWEGE_MISCHARMATUR:
    case HZ_DREIWEGE_VERTEILARMATUR:
    case HZ_ZWEIWEGE_REGELARMATUR:
      return {{ARMTYP_REGELARMATUR_HZ}, {}};
    case HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER:
      return {{ARMTYP_DDR_MIT_DFR, ARMTYP_DDR_UND_DURCHFLUSSBEGRENZER}, {}};
    case HZ_EINROHRVERSCHRAUBUNG: return {{ARMTYP_EINROHR_ANSCHLUSS}, {}};
    case TW_ALLGEMEINE_ARMATUREN: return {{ARMTYP_FESTWIDERSTAND_TW}, {}};
    case TW_STRANGREGULIERVENTIL: return {{ARMTYP_DROSSEL_MANUELL}, {}};
    case TW_THERMOSTATISCHES_STRANGREGULIERVENTIL: return {{ARMTYP_DROSSEL_AUTOMATISCH}, {}};
    case TW_RUECKFLUSSVERHINDERER: return {{ARMTYP_RUECKFLUSSVERHINDERER}, {}};
    case TW_ENTNAHMEARMATUR: return {{ARMTYP_ENTNAHME, ARMTYP_ENTNAHME_RFV}, {}};
    case TW_ENTNAHMEARMATUR_RFV: return {{ARMTYP_ENTNAHME_RFV, ARMTYP_ROHRTRENNER}, {}};
    case TW_ROHRTRENNER: return {{ARMTYP_ROHRTRENNER}, {}};
    case TW_DRUCKREGLER: return {{ARMTYP_DRUCKMINDERER}, {}};
    case TW_WASSERZAEHLER: return {{ARMTYP_ZAEHLER}, {}};
    case ARMATURENTYP_KEIN: break;
  }
  return {{}, {}};
}

}  // namespace

void RnArmaturContainer::mapTo_VDI3805(enArmaturenTyp kind, en700ArmaturTypListe& list, int extended) {
  const KindTypes types = typesOf(kind);
  list.insert(list.end(), types.basic.begin(), types.basic.end());
  if (extended != 0) list.insert(list.end(), types.extended.begin(), types.extended.end());
}

}  // namespace armakon
