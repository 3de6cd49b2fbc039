#pragma once
// CArmaturInfoDlg: the valve information dialog, "Informationen zu dieser Armatur".
//
// Shows one valve model: its header (manufacturer, model, type, catalog, number of variants),
// a table of its variants (article number, nominal size, execution) and the curve of the
// chosen variant as a chart. The same content, every variant's curve nodes included, is also
// offered as one text (text()). The dialog works on its own copy of the model, so the caller's model
// may change or go while it is open. The three host values are kept for the host as they
// were handed in. OK ends it with kDialogOk.

#include <string>
#include <vector>

#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/ModalDialog.h"

namespace armakon {

class CArmaturInfoDlg : public ModalDialog {
 public:
  // One header line: the label as the user reads it ("Hersteller:") and its value.
  struct HeaderLine {
    std::string label;
    std::string value;
  };

  // One node of a curve as the chart shows it: the setting as the manufacturer names it and
  // the curve's value there.
  struct CurvePoint {
    std::string setting;
    double value = 0.0;
  };

  static constexpr int kVariantColumnCount = 4;

  CArmaturInfoDlg(const hydVDIArmaturen::hydArmaturenModell& model, int selection, double firstValue,
                  double secondValue);

  std::string title() const override;

  const hydVDIArmaturen::hydArmaturenModell& model() const { return model_; }
  // The model as text, lines separated by "\n".
  const std::string& text() const { return text_; }
  int selection() const { return selection_; }
  double firstValue() const { return firstValue_; }
  double secondValue() const { return secondValue_; }

  // --- what the controls show ---
  std::vector<HeaderLine> headerLines() const;
  std::string variantColumnTitle(int column) const;
  int variantCount() const { return model_.getSize(); }
  // Number, article number, nominal size, execution; outside the table: std::invalid_argument.
  std::string variantCell(int row, int column) const;
  // The variant whose curve is shown: the first one at the start, -1 without variants.
  int chosenVariant() const { return chosen_; }
  // "Kennlinie (x: <unit>, y: <unit>)", or "keine Kennlinie" when the chosen variant has none.
  std::string curveCaption() const;
  std::string curveUnitX() const;
  std::string curveUnitY() const;
  // The chosen variant's nodes from the most closed setting to the most open one, so the
  // curve rises to the right: the reverse of the stored order, in which the import puts the
  // most open setting first. Empty without a curve.
  std::vector<CurvePoint> curvePoints() const;

  // --- the user's actions ---
  // Rows outside the table are ignored.
  void chooseVariant(int row);
  void ok() { endDialog(kDialogOk); }

 private:
  const hydVDIArmaturen::CKurve* chosenCurve() const;

  hydVDIArmaturen::hydArmaturenModell model_;
  int selection_;
  double firstValue_;
  double secondValue_;
  std::string text_;
  int chosen_;
};

// The text the dialog shows for a model.
std::string ModelInfoText(const hydVDIArmaturen::hydArmaturenModell& model);

}  // namespace armakon
