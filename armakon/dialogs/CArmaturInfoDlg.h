#pragma once
// CArmaturInfoDlg: the valve information dialog, "Informationen zu dieser Armatur".
//
// Shows one valve model as text: its header (manufacturer, model, type, catalog), then each
// variant with its article number, nominal size and execution, and the nodes of its curve.
// The dialog works on its own copy of the model, so the caller's model may change or go
// while it is open. The three host values are kept for the host as they were handed in.
// OK ends it with kDialogOk.

#include <string>

#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/ModalDialog.h"

namespace armakon {

class CArmaturInfoDlg : public ModalDialog {
 public:
  CArmaturInfoDlg(const hydVDIArmaturen::hydArmaturenModell& model, int selection, double firstValue,
                  double secondValue);

  std::string title() const override;

  const hydVDIArmaturen::hydArmaturenModell& model() const { return model_; }
  // The model as text, lines separated by "\n".
  const std::string& text() const { return text_; }
  int selection() const { return selection_; }
  double firstValue() const { return firstValue_; }
  double secondValue() const { return secondValue_; }

  void ok() { endDialog(kDialogOk); }

 private:
  hydVDIArmaturen::hydArmaturenModell model_;
  int selection_;
  double firstValue_;
  double secondValue_;
  std::string text_;
};

// The text the dialog shows for a model.
std::string ModelInfoText(const hydVDIArmaturen::hydArmaturenModell& model);

}  // namespace armakon
