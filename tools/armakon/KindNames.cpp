#include "tools/armakon/KindNames.h"

#include "armakon/components/NumberText.h"
#include "armakon/components/hydStrUtil.h"

namespace armakon::tool {

const std::vector<std::pair<enArmaturenTyp, const char*>>& kindShortNames() {
  static const std::vector<std::pair<enArmaturenTyp, const char*>> names = {
      {HZ_ALLGEMEINE_ARMATUREN, "hz-allgemein"},
      {HZ_THERMOSTATVENTIL, "thkv"},
      {HZ_RUECKLAUFVERSCHRAUBUNG, "rlv"},
      {HZ_STRANGREGULIERVENTIL_DROSSEL, "srv-drossel"},
      {HZ_STRANGREGULIERVENTIL_ABSPERRUNG, "srv-absperrung"},
      {HZ_DIFFERENZDRUCKREGLER, "ddr"},
      {HZ_DIFFERENZDRUCKGEBER, "ddr-geber"},
      {HZ_DURCHFLUSSREGLER, "dfr"},
      {HZ_DREIWEGE_MISCHARMATUR, "mischer"},
      {HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER, "ddr-dfr"},
      {HZ_DREIWEGE_VERTEILARMATUR, "verteiler"},
      {HZ_ZWEIWEGE_REGELARMATUR, "regelarmatur"},
      {HZ_EINROHRVERSCHRAUBUNG, "einrohr"},
      {TW_ALLGEMEINE_ARMATUREN, "tw-allgemein"},
      {TW_STRANGREGULIERVENTIL, "tw-srv"},
      {TW_THERMOSTATISCHES_STRANGREGULIERVENTIL, "tw-thermo-srv"},
      {TW_RUECKFLUSSVERHINDERER, "rfv"},
      {TW_ENTNAHMEARMATUR, "entnahme"},
      {TW_ENTNAHMEARMATUR_RFV, "entnahme-rfv"},
      {TW_ROHRTRENNER, "rohrtrenner"},
      {TW_DRUCKREGLER, "druckregler"},
      {TW_WASSERZAEHLER, "zaehler"},
  };
  return names;
}

bool parseKind(const std::string& text, enArmaturenTyp& kind) {
  int number = 0;
  for (const auto& [value, name] : kindShortNames()) {
    if (hydStrUtil::EqualsNoCase(text, name) || (parseInt(text, number) && number == value)) {
      kind = value;
      return true;
    }
  }
  return false;
}

std::string kindShortName(enArmaturenTyp kind) {
  for (const auto& [value, name] : kindShortNames()) {
    if (value == kind) return name;
  }
  return "";
}

std::string kindHelpText() {
  std::string text;
  for (const auto& [value, name] : kindShortNames()) {
    text += "  " + std::to_string(value) + " " + name + " (" + getVentilName(value) + ")\n";
  }
  return text;
}

}  // namespace armakon::tool
