#pragma once
// The one place where the pump choice and the pump editor are shown modally.
//
// Showing a dialog hands its logic object to whoever plays the user: a host's window on
// screen, or a test acting through the dialog's member functions. The driver works the
// dialog until it closes; a dialog still open when the driver returns counts as cancelled,
// as when the user closes its window. Without a driver (no user interface) every dialog is
// cancelled at once.

#include <functional>

namespace armakon {

class CPumpenDlg;
class CPumpEditDlg;

struct PumpDialogDriver {
  std::function<void(CPumpenDlg&)> auswahl{};  // the pump choice
  std::function<void(CPumpEditDlg&)> editor{};  // the pump editor
};

// Shows the dialog modally and returns its result code.
int showModal(CPumpenDlg& dialog);
int showModal(CPumpEditDlg& dialog);

// Installs the driver for the pump dialogs and returns the one that was installed.
PumpDialogDriver setPumpDialogDriver(PumpDialogDriver driver);

}  // namespace armakon
