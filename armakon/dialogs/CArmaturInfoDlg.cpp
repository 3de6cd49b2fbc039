#include "armakon/dialogs/CArmaturInfoDlg.h"

#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::curveNode;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturenModell;

namespace {

// A node without a numeric setting carries its setting as text (x at the "none" mark).
constexpr float kTextSetting = -9999.0f;

void appendCurve(const CKurve& curve, std::string& out) {
  if (curve.bIsEmpty()) {
    out += "  " + Translate("keine Kennlinie") + "\n";
    return;
  }
  out += "  " + Translate("Kennlinie") + " (x: " + curve.getEinheitx() + ", y: " + curve.getEinheity() + ")\n";
  for (const curveNode& node : curve.nodes()) {
    const std::string x = node.x > kTextSetting ? formatC("%g", static_cast<double>(node.x)) : node.text;
    out += "    " + x + "\t" + formatC("%g", static_cast<double>(node.y)) + "\n";
  }
}

}  // namespace

std::string ModelInfoText(const hydArmaturenModell& model) {
  std::string out;
  out += Translate("Hersteller:") + " " + model.getManufacturer() + "\n";
  out += Translate("Modell:") + " " + model.getModelType() + "\n";
  out += Translate("Armaturentyp:") + " " + model.getHydArmTypeStr() + "\n";
  out += Translate("Katalog:") + " " + model.getHydCatID() + "\n";
  out += Translate("Varianten:") + " " + formatC("%d", model.getSize()) + "\n";
  int number = 0;
  for (const auto& variant : model.getArmaturen()) {
    out += "\n" + formatC("%d: ", ++number) + variant->getArtikelNr() + formatC(", DN %d", variant->getDimension());
    const std::string execution = variant->getAusfuehrung(", ");
    if (!execution.empty()) out += ", " + execution;
    out += "\n";
    appendCurve(variant->getKurve(), out);
  }
  return out;
}

CArmaturInfoDlg::CArmaturInfoDlg(const hydArmaturenModell& model, int selection, double firstValue,
                                 double secondValue)
    : model_(model), selection_(selection), firstValue_(firstValue), secondValue_(secondValue),
      text_(ModelInfoText(model_)) {}

std::string CArmaturInfoDlg::title() const { return Translate("Informationen zu dieser Armatur"); }

}  // namespace armakon
