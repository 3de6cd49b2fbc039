#pragma once
// What the library asks of the host's windowing system.
//
// The dialogs of the library show message boxes, ask yes/no and yes/no/cancel questions,
// let the user choose files, open written files and data sheets with the system's viewer,
// poll background work with a timer, and are shown modally (runModal; ModalDialog.h tells
// how a dialog reaches the screen). All of that goes through this interface, so the
// library runs the same under a graphical host, the command-line tool (headless) and the
// tests (scripted). The one in use is reached through platform() (CurrentPlatform.h).
//
// Texts are UTF-8 and passed byte for byte as the callers give them (already translated).
// Implementations must accept calls from any thread: catalog workers may show a message
// while the user-interface thread runs a dialog.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "armakon/platform/ModalDialog.h"
#include "armakon/platform/PeriodicTimer.h"

namespace armakon {

// The icon of a message box. Question marks what a host showed as a question; the library
// itself asks questions through askYesNo/askYesNoCancel.
enum class MessageKind { Information, Warning, Error, Question };

enum class Answer { Yes, No, Cancel };

struct FileDialogRequest {
  std::string title;  // empty: the chooser's own title
  // Pairs of description and patterns in the Windows form, each part followed by "|",
  // e.g. "Text Dateien (*.txt)|*.txt|Alle Dateien|*.*|" (see FileFilter.h to split it).
  std::string filter;
  std::string defaultExtension;  // without the point ("vam"); added when the user types none
  std::string initialName;       // proposed file name, may be empty
  std::string initialFolder;     // empty: wherever the chooser starts
  bool multiSelect = true;       // open only: more than one file may be chosen
};

class PlatformServices {
 public:
  PlatformServices() = default;
  PlatformServices(const PlatformServices&) = delete;
  PlatformServices& operator=(const PlatformServices&) = delete;
  virtual ~PlatformServices() = default;

  virtual void showMessage(MessageKind kind, const std::string& text,
                           const std::string& caption) = 0;
  // Yes or No.
  virtual Answer askYesNo(const std::string& text, const std::string& caption) = 0;
  // Yes, No or Cancel.
  virtual Answer askYesNoCancel(const std::string& text, const std::string& caption) = 0;
  // The chosen files as full paths, in the order the user gave them; empty on cancel.
  virtual std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) = 0;
  // The chosen path, or nothing on cancel.
  virtual std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) = 0;
  // Shows the file with the program the system associates with it ("open"); false when
  // nothing could be opened.
  virtual bool openWithSystem(const std::string& path) = 0;
  // Calls `tick` every `interval` until the returned timer is stopped or destroyed. Where
  // the callback runs depends on the implementation (see there); callers synchronise what
  // it touches. Never null.
  virtual std::unique_ptr<PeriodicTimer> startTimer(std::chrono::milliseconds interval,
                                                    std::function<void()> tick) = 0;
  // Runs the dialog modally (ModalDialog.h) and returns its result. Dialogs call
  // showModal, which comes here.
  virtual int runModal(ModalDialog& dialog) = 0;

  void showInformation(const std::string& text, const std::string& caption = {}) {
    showMessage(MessageKind::Information, text, caption);
  }
  void showWarning(const std::string& text, const std::string& caption = {}) {
    showMessage(MessageKind::Warning, text, caption);
  }
  void showError(const std::string& text, const std::string& caption = {}) {
    showMessage(MessageKind::Error, text, caption);
  }
};

}  // namespace armakon
