#pragma once
// The valve information dialog on screen (CArmaturInfoDlg): the model as text and "OK".

#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "qt/DialogWindow.h"

namespace armakon::qt {

class ArmaturInfoWindow : public DialogWindow {
 public:
  ArmaturInfoWindow(CArmaturInfoDlg& dialog, QWidget* parent);

  // The text never changes while the dialog is open.
  void refresh() override {}
};

}  // namespace armakon::qt
