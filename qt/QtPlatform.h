#pragma once
// The platform layer with Qt: message boxes, questions and file choosers of Qt Widgets,
// "open with the system" through the desktop services, timers on the user-interface
// thread, and the dialogs on screen through the window registry.
//
// Calls from other threads (catalog workers) are carried out on the user-interface thread,
// which they wait for; so the user-interface thread must not wait for such a worker while it
// asks something. Timer ticks always run on the user-interface thread.

#include "armakon/platform/PlatformServices.h"
#include "qt/DialogRegistry.h"

namespace armakon::qt {

class QtPlatform : public PlatformServices {
 public:
  // Knows the windows of the library's dialogs. A QApplication must exist.
  QtPlatform();

  void showMessage(MessageKind kind, const std::string& text, const std::string& caption) override;
  Answer askYesNo(const std::string& text, const std::string& caption) override;
  Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
  std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
  bool openWithSystem(const std::string& path) override;
  std::unique_ptr<PeriodicTimer> startTimer(std::chrono::milliseconds interval,
                                            std::function<void()> tick) override;
  // A dialog without a window gets a message naming it and ends with kDialogCancel.
  int runModal(ModalDialog& dialog) override;

  DialogRegistry& dialogs() { return dialogs_; }

 private:
  DialogRegistry dialogs_;
};

// Runs the function on the user-interface thread and waits for it.
void onUserInterfaceThread(const std::function<void()>& function);

}  // namespace armakon::qt
