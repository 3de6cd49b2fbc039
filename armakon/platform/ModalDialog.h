#pragma once
// How a dialog of the library reaches the screen. Read this first.
//
// 1. A dialog is presentation logic, not a window. Each dialog is a class derived from
//    ModalDialog that holds the dialog's state, what every control shows (the texts exactly
//    as the user reads them, enabled and visible flags, list entries, the selection) and
//    the user's actions as member functions ("choose manufacturer 2", "press OK"). It needs
//    no toolkit. Its name follows the dialogs of the product family: CPathSpecDlg,
//    CRnArmaturAuswahlDlg, CPumpenDlg, CPumpEditDlg, CVdiKatalogDlg, CReportListDlg, ...
//
// 2. Everything else a dialog needs from the windowing system goes through the platform
//    layer, platform() (CurrentPlatform.h): message boxes and questions, file choosers,
//    opening files with the system, timers. A dialog never talks to a toolkit itself.
//
// 3. A dialog is shown modally through ONE port: showModal(dialog) below, which hands it to
//    PlatformServices::runModal and returns the dialog's result (kDialogOk, kDialogCancel
//    or a dialog's own code). The platform runs it:
//      - the platform calls onOpen() once, then lets the user act: every user action calls
//        a member function of the dialog; an action that ends the dialog calls
//        endDialog(result); closing the window (Escape, close box) calls cancel();
//      - runModal returns when hasEnded() is true, with result().
//    A dialog that opens another one (an information dialog from a list) calls showModal
//    for it from its action; it runs on top, in the same way.
//
// 4. Who plays the user:
//      - HeadlessPlatform (command-line tool, servers): nobody; runModal answers
//        kDialogCancel without opening the dialog.
//      - ScriptedPlatform (tests): the test queues one script per expected dialog; runModal
//        opens the dialog and runs the script on it, which acts as the user (casts the
//        dialog to its class, chooses entries, presses buttons, ticks timers) and reads what
//        it shows. A dialog the script leaves open is cancelled, as if the window was closed.
//      - the Qt platform of the user-interface library armakon_qt: one widget per dialog
//        class binds the controls to the dialog's fields and forwards events to its actions;
//        no decision lives in a widget.
//
// 5. Where that Qt platform comes from. A host that has not installed a platform of its own
//    (setPlatform) gets the user-interface library loaded by the library entry on the first
//    dialog: the entry registers a loader at start-up (setUserInterfaceLoader); showModal
//    calls it while no platform is installed, and the loader installs the platform that
//    armakon_qt provides. When that library is missing the user reads one message and the
//    dialog answers kDialogNotShown (0), as every call into a missing in-house library of
//    the product family yields 0.
//
// Threads: dialogs belong to the host's user-interface thread; showModal and every action
// run there. Work that a dialog starts on other threads reports back through a platform
// timer.

#include <string>

namespace armakon {

// The host's window that a dialog is shown above; null: the host's main window.
using WindowHandle = void*;

// Results of a modal dialog (the values the host's windowing system uses).
// The user-interface library could not be loaded: no window, no answer.
inline constexpr int kDialogNotShown = 0;
inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;

class ModalDialog {
 public:
  ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;
  virtual ~ModalDialog() = default;

  // The window title as the user reads it.
  virtual std::string title() const = 0;
  // Runs when the dialog appears: fill the controls, start timers.
  virtual void onOpen() {}
  // The user closes the window without choosing; ends with kDialogCancel. A dialog that
  // must stop background work first overrides it.
  virtual void cancel() { endDialog(kDialogCancel); }

  bool hasEnded() const { return ended_; }
  // The code passed to endDialog; kDialogCancel while the dialog has not ended.
  int result() const { return result_; }

  WindowHandle parentWindow() const { return parent_; }
  void setParentWindow(WindowHandle parent) { parent_ = parent; }

 protected:
  void endDialog(int result) {
    result_ = result;
    ended_ = true;
  }

 private:
  WindowHandle parent_ = nullptr;
  bool ended_ = false;
  int result_ = kDialogCancel;
};

// Shows the dialog modally through the platform in use and returns its result (see 3.).
int showModal(ModalDialog& dialog);

// What showModal calls while no platform is installed; it may install one (see 5.). Null
// removes it. Set at start-up of the library entry, before any dialog.
using UserInterfaceLoader = void (*)();
void setUserInterfaceLoader(UserInterfaceLoader loader) noexcept;

}  // namespace armakon
