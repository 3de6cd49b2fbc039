#include "qt/DialogWindow.h"

#include <exception>

#include "armakon/platform/CurrentPlatform.h"

namespace armakon::qt {

DialogWindow::DialogWindow(ModalDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
  setWindowTitle(QString::fromStdString(dialog.title()));
}

void DialogWindow::reject() {
  act([this] { dialog_.cancel(); });
}

void DialogWindow::act(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    platform().showError(error.what());
  }
  if (dialog_.hasEnded()) {
    done(dialog_.result());
  } else {
    refresh();
  }
}

}  // namespace armakon::qt
