#pragma once
// The splitter dialog on screen (CSplitterDlg): it takes nothing and gives back only how the
// user left it, so the window holds nothing but "OK" and "Abbrechen".

#include "armakon/entry/CSplitterDlg.h"
#include "qt/DialogWindow.h"

namespace armakon::qt {

class SplitterWindow : public DialogWindow {
 public:
  SplitterWindow(CSplitterDlg& dialog, QWidget* parent);

  // Nothing changes while the dialog is open.
  void refresh() override {}
};

}  // namespace armakon::qt
