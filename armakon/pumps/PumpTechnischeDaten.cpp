#include "armakon/pumps/PumpTechnischeDaten.h"

#include <vector>

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "armakon/pumps/hydPumpe.h"

namespace armakon {

namespace {

// Temperatures at or below this are the "not given" default (-273.15 °C).
constexpr double kNoTemperature = -100.0;

}  // namespace

std::string buildTechnischeDaten(const hydPumpe& pumpe) {
  std::vector<std::string> parts;
  parts.push_back(Translate("Typ:") + " " + pumpe.getName());
  if (pumpe.getDN() > 0) parts.push_back(FormatText("DN%d", pumpe.getDN()));
  if (!pumpe.getArticleNumber().empty()) parts.push_back(Translate("Bestellnummer:") + " " + pumpe.getArticleNumber());
  if (pumpe.getPN() > 0.0) parts.push_back(FormatText("PN %.0f", pumpe.getPN()));
  if (!pumpe.getVoltage().empty()) parts.push_back(pumpe.getVoltage() + " " + Translate("@Einheit@V"));
  if (pumpe.getTMax() > kNoTemperature && pumpe.getTMin() > kNoTemperature) {
    parts.push_back(FormatText(Translate("Temperatur %.0f ... %.0f %s"), pumpe.getTMin(), pumpe.getTMax(),
                               TranslateUnits("°C")));
  }
  if (pumpe.getTMaxShort() > 0.0) parts.push_back(FormatText(Translate("kurzzeitig %.0f °C"), pumpe.getTMaxShort()));
  const std::string regelung = pumpe.getRegelungTyp();
  if (!regelung.empty()) parts.push_back(regelung);

  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}

}  // namespace armakon
