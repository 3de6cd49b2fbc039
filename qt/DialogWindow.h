#pragma once
// The base of every dialog window: a QDialog bound to one presentation object.
//
// The window only shows the object's state and forwards the user's events to its actions
// (act); when an action has ended the dialog, the window closes with the dialog's result.
// Closing the window (Escape, close box) is the dialog's cancel().

#include <QDialog>
#include <functional>

#include "armakon/platform/ModalDialog.h"

namespace armakon::qt {

class DialogWindow : public QDialog {
 public:
  DialogWindow(ModalDialog& dialog, QWidget* parent);

  // Shows what the dialog holds now.
  virtual void refresh() = 0;

  void reject() override;

 protected:
  // Runs one user action, then closes the window or shows the new state. An action that
  // fails reports its error as a message, like any other failure the user must read.
  void act(const std::function<void()>& action);

 private:
  ModalDialog& dialog_;
};

}  // namespace armakon::qt
