#pragma once
// CSplitterDlg: the splitter dialog of the entry. It takes nothing but the window it is
// shown above and gives back how the user left it: OK (kDialogOk) or cancel.

#include <string>

#include "armakon/components/Translation.h"
#include "armakon/platform/ModalDialog.h"

namespace armakon {

class CSplitterDlg : public ModalDialog {
 public:
  std::string title() const override { return Translate("Splitter"); }
  void ok() { endDialog(kDialogOk); }
};

}  // namespace armakon
