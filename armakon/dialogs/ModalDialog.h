#pragma once
// The common frame of the library's dialogs: presentation logic that is shown modally.
//
// A dialog holds its state and what its controls show; a host binds controls to it and
// forwards the user's actions. The life of one showing: opened() once when it appears, the
// user's actions, then close(result) through its OK or cancel action (or another action that
// ends it). result() is what the modal showing returns: kResultOk (1) or kResultCancel (2).
//
// Dialogs that open further dialogs (the valve catalog dialog its accessory choice, the
// report list its viewer) do so through runModal, which hands the dialog to the installed
// runner: the host's modal port. Without one installed nobody can act, so the default runner
// opens the dialog and cancels it, as a headless host answers every question cautiously.

#include <functional>
#include <string>

namespace armakon {

class ModalDialog {
 public:
  static constexpr int kResultNone = 0;
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;
  virtual ~ModalDialog() = default;

  // The window title (translated).
  virtual std::string title() const = 0;
  // The dialog appears: controls are filled, background work starts.
  virtual void opened() = 0;
  // The user leaves with "Abbrechen" (or closes the window).
  virtual void cancel() { close(kResultCancel); }

  bool isClosed() const { return closed_; }
  int result() const { return result_; }

 protected:
  void close(int result) {
    closed_ = true;
    result_ = result;
  }

 private:
  bool closed_ = false;
  int result_ = kResultNone;
};

using ModalRunner = std::function<int(ModalDialog&)>;

// Shows the dialog modally through the installed runner and returns its result.
int runModal(ModalDialog& dialog);

// Installs the runner (null: the headless default) and returns the previous one. Meant for
// the host's start-up and for tests; not for use while a dialog is shown.
ModalRunner setModalRunner(ModalRunner runner);

}  // namespace armakon
