#include "armakon/dialogs/CArmaturInfoDlg.h"

#include <stdexcept>

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

std::string settingText(const curveNode& node) {
  return node.x > kTextSetting ? formatC("%g", static_cast<double>(node.x)) : node.text;
}

std::string valueText(const curveNode& node) { return formatC("%g", static_cast<double>(node.y)); }

std::string curveCaptionOf(const CKurve& curve) {
  if (curve.bIsEmpty()) return Translate("keine Kennlinie");
  return Translate("Kennlinie") + " (x: " + curve.getEinheitx() + ", y: " + curve.getEinheity() + ")";
}

std::vector<CArmaturInfoDlg::HeaderLine> headerLinesOf(const hydArmaturenModell& model) {
  return {{Translate("Hersteller:"), model.getManufacturer()},
          {Translate("Modell:"), model.getModelType()},
          {Translate("Armaturentyp:"), model.getHydArmTypeStr()},
          {Translate("Katalog:"), model.getHydCatID()},
          {Translate("Varianten:"), formatC("%d", model.getSize())}};
}

// Number, article number, nominal size and execution of the variant in row (from 0).
std::string variantField(const hydArmatur& variant, int row, int column) {
  switch (column) {
    case 0:
      return formatC("%d", row + 1);
    case 1:
      return variant.getArtikelNr();
    case 2:
      return formatC("%d", variant.getDimension());
    default:
      return variant.getAusfuehrung(", ");
  }
}

void appendCurve(const CKurve& curve, std::string& out) {
  out += "  " + curveCaptionOf(curve) + "\n";
  for (const curveNode& node : curve.nodes()) out += "    " + settingText(node) + "\t" + valueText(node) + "\n";
}

}  // namespace

std::string ModelInfoText(const hydArmaturenModell& model) {
  std::string out;
  for (const auto& line : headerLinesOf(model)) out += line.label + " " + line.value + "\n";
  int row = 0;
  for (const auto& variant : model.getArmaturen()) {
    out += "\n" + variantField(*variant, row, 0) + ": " + variantField(*variant, row, 1) + ", DN " +
           variantField(*variant, row, 2);
    const std::string execution = variantField(*variant, row, 3);
    if (!execution.empty()) out += ", " + execution;
    out += "\n";
    appendCurve(variant->getKurve(), out);
    ++row;
  }
  return out;
}

CArmaturInfoDlg::CArmaturInfoDlg(const hydArmaturenModell& model, int selection, double firstValue,
                                 double secondValue)
    : model_(model), selection_(selection), firstValue_(firstValue), secondValue_(secondValue),
      text_(ModelInfoText(model_)), chosen_(model_.getSize() > 0 ? 0 : -1) {}

std::string CArmaturInfoDlg::title() const { return Translate("Informationen zu dieser Armatur"); }

std::vector<CArmaturInfoDlg::HeaderLine> CArmaturInfoDlg::headerLines() const { return headerLinesOf(model_); }

std::string CArmaturInfoDlg::variantColumnTitle(int column) const {
  static const char* const titles[kVariantColumnCount] = {"Nr.", "Artikelnummer", "DN", "Ausführung"};
  if (column < 0 || column >= kVariantColumnCount) {
    throw std::invalid_argument("CArmaturInfoDlg::variantColumnTitle: no such column");
  }
  return Translate(titles[column]);
}

std::string CArmaturInfoDlg::variantCell(int row, int column) const {
  if (row < 0 || row >= variantCount() || column < 0 || column >= kVariantColumnCount) {
    throw std::invalid_argument("CArmaturInfoDlg::variantCell: no such cell");
  }
  return variantField(*model_.getArmaturen()[static_cast<std::size_t>(row)], row, column);
}

const CKurve* CArmaturInfoDlg::chosenCurve() const {
  return chosen_ < 0 ? nullptr : &model_.getArmaturen()[static_cast<std::size_t>(chosen_)]->getKurve();
}

std::string CArmaturInfoDlg::curveCaption() const {
  const CKurve* curve = chosenCurve();
  return curve == nullptr ? Translate("keine Kennlinie") : curveCaptionOf(*curve);
}

std::string CArmaturInfoDlg::curveUnitX() const {
  const CKurve* curve = chosenCurve();
  return curve == nullptr ? std::string() : curve->getEinheitx();
}

std::string CArmaturInfoDlg::curveUnitY() const {
  const CKurve* curve = chosenCurve();
  return curve == nullptr ? std::string() : curve->getEinheity();
}

std::vector<CArmaturInfoDlg::CurvePoint> CArmaturInfoDlg::curvePoints() const {
  std::vector<CurvePoint> points;
  const CKurve* curve = chosenCurve();
  if (curve == nullptr) return points;
  for (auto node = curve->nodes().rbegin(); node != curve->nodes().rend(); ++node) {
    points.push_back({settingText(*node), static_cast<double>(node->y)});
  }
  return points;
}

void CArmaturInfoDlg::chooseVariant(int row) {
  if (row >= 0 && row < variantCount()) chosen_ = row;
}

}  // namespace armakon
