#pragma once
// The platform the tool installs while a command converts: it answers the library's
// questions from the command's options (--answer yes|no|cancel) and prints every question
// with the answer it got on stderr, so that no question goes by unanswered in silence. An
// answer that no option gave is the cautious one of the headless platform (Cancel, or No
// for a yes/no question), and the printed line says so and names the options that change
// it. Everything else (messages, file choosers, timers) is left to the headless platform,
// which keeps the messages for the command to print.

#include <mutex>
#include <optional>
#include <string>

#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/PlatformServices.h"

namespace armakon::tool {

// "yes", "no" or "cancel" as an answer; nothing for any other text.
std::optional<Answer> parseAnswer(const std::string& text);

class AnsweringPlatform : public PlatformServices {
 public:
  // given: the --answer option, if any; howToChange: the options a user gives to answer
  // differently, for the line of a default answer ("--answer yes|no|cancel").
  AnsweringPlatform(std::optional<Answer> given, std::string howToChange);

  void showMessage(MessageKind kind, const std::string& text, const std::string& caption) override;
  Answer askYesNo(const std::string& text, const std::string& caption) override;
  Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
  std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
  bool openWithSystem(const std::string& path) override;
  std::unique_ptr<PeriodicTimer> startTimer(std::chrono::milliseconds interval,
                                            std::function<void()> tick) override;
  // A shell has no windows: dialogs answer as the headless platform does.
  int runModal(ModalDialog& dialog) override;

 private:
  Answer answer(const std::string& text, const std::string& caption, bool cancelAllowed);

  std::optional<Answer> given_;
  std::string howToChange_;
  std::mutex printing_;  // a question and its answer stay together
};

}  // namespace armakon::tool
