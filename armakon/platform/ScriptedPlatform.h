#pragma once
// A platform that plays a script: tests queue the user's answers and file choices in
// advance, run the code under test, and then read every call it made, in order.
//
// Answers are taken from one queue by both kinds of question, in the order asked; a
// Cancel queued for a yes/no question counts as No. File choices come from their own
// queues. When a queue is empty the call gets the headless answer (Cancel, No, no file)
// and is counted as unscripted. Modal dialogs take the next of the queued dialog scripts,
// in the order they are shown (a dialog opened from another takes the one after it): the
// dialog is opened, the script acts as the user on it, and a dialog it leaves open is
// cancelled. Without a script the dialog is not opened and ends with cancel. Timers do not
// run by themselves: tickTimers() runs one tick of every running timer on the calling
// thread, so a test decides when time passes.

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "armakon/platform/PlatformServices.h"

namespace armakon {

enum class PlatformCallKind {
  ShowMessage,
  AskYesNo,
  AskYesNoCancel,
  ChooseFilesToOpen,
  ChooseFileToSave,
  OpenWithSystem,
  StartTimer,
  StopTimer,
  RunModal,
};

// What a test does as the user of one modal dialog.
using DialogScript = std::function<void(ModalDialog&)>;

// One call as the double saw it, with what it answered.
struct PlatformCall {
  PlatformCallKind kind = PlatformCallKind::ShowMessage;
  MessageKind messageKind = MessageKind::Information;  // ShowMessage
  std::string text;  // message or question; the path for OpenWithSystem; the dialog's title
  std::string caption;                    // messages and questions
  FileDialogRequest request;              // file choosers
  std::chrono::milliseconds interval{0};  // StartTimer
  int timer = 0;                   // StartTimer, StopTimer: 1 for the first timer started, ...
  Answer answer = Answer::Cancel;  // questions
  std::vector<std::string> files;  // file choosers: what was returned (save: at most one)
  bool opened = false;             // OpenWithSystem
  int dialogResult = 0;            // RunModal
};

class ScriptedPlatform : public PlatformServices {
 public:
  ScriptedPlatform();
  ~ScriptedPlatform() override;

  void queueAnswer(Answer answer);
  void queueFilesToOpen(std::vector<std::string> files);
  void queueFileToSave(std::optional<std::string> path);  // nothing: the user cancels
  void setOpenWithSystemResult(bool opened);
  void queueDialog(DialogScript script);

  void showMessage(MessageKind kind, const std::string& text, const std::string& caption) override;
  Answer askYesNo(const std::string& text, const std::string& caption) override;
  Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
  std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
  bool openWithSystem(const std::string& path) override;
  std::unique_ptr<PeriodicTimer> startTimer(std::chrono::milliseconds interval,
                                            std::function<void()> tick) override;
  int runModal(ModalDialog& dialog) override;

  // Every call so far, in order.
  std::vector<PlatformCall> calls() const;
  // Calls that found their queue empty and got the headless answer.
  std::size_t unscriptedCalls() const;
  // Whether every queued answer and file choice has been used.
  bool scriptUsedUp() const;

  // Runs one tick of every running timer, in the order they were started; returns how many
  // ran. A callback may stop its own or another timer, or start a new one (which first
  // ticks on the next call).
  std::size_t tickTimers();
  std::size_t runningTimers() const;

 private:
  struct Shared;
  class ManualTimer;
  Answer nextAnswer(PlatformCallKind kind, const std::string& text, const std::string& caption);

  // Shared with the timers handed out, which may outlive this object.
  std::shared_ptr<Shared> shared_;
};

}  // namespace armakon
