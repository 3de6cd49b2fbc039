// The text export of a thermostatic valve model: one line per variant with its settings and
// kv values, appended to a text file that may already hold earlier exports.

#include <filesystem>
#include <system_error>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/NumberText.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::hydVDIArmaturen {

namespace {

// The kv curve and Xp of a variant: those of a thermostatic valve body; any other class
// exports its main curve without Xp.
void exportLine(const hydArmaturenModell& model, const hydArmatur& variant, std::string& out) {
  const auto* thermostatic = dynamic_cast<const hydArmaturTHKV*>(&variant);
  const double xp = thermostatic != nullptr ? thermostatic->getXp() : 0.0;
  const CKurve& curve = thermostatic != nullptr ? thermostatic->getKvKurve() : variant.getKurve();

  out += "1;";
  out += model.getManufacturer() + ";";
  out += model.getModelType() + ";";
  out += variant.getArtikelNr() + ";";
  out += formatC("%d%s%.1f%s", variant.getDimension(), ";", xp, ";");
  out += variant.getAusfuehrung(", ") + ";";
  for (const curveNode& node : curve.nodes()) {
    if (node.x > -9999.0) {
      out += formatC("%g%s%g%s", static_cast<double>(node.x), ";", static_cast<double>(node.y), ";");
    } else {
      out += node.text + ";" + formatC("%g", static_cast<double>(node.y)) + ";";
    }
  }
  out += "\n";
}

}  // namespace

bool hydArmaturenModell::appendDataToFile(const std::string& path) const {
  if (path.empty() || m_Type != ARMTYP_THERMOSTATVENTIL) return false;

  // Appending goes through a complete rewrite of the file (old content + new lines) so that
  // a failed write leaves the earlier exports intact.
  std::string content;
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    if (!readWholeFile(path, content)) return false;
  }
  content += "//Version;Hersteller;Modellbezeichnung;Artikel-Nr.;DN;XP;Ausführung;[Einstellung;kv;]...\n";
  content += "//Int;String;String;String;Int;Double;String;Einstellung;kv;\n";
  for (const std::unique_ptr<hydArmatur>& variant : m_Armaturen) exportLine(*this, *variant, content);
  return writeFileAtomically(path, content);
}

}  // namespace armakon::hydVDIArmaturen
