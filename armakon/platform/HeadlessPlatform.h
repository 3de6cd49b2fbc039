#pragma once
// The platform of a process without a user interface (the command-line tool, a server, a
// host that has not installed its own): nobody can answer, so questions get the cautious
// answer (Cancel for yes/no/cancel, No for yes/no), file choosers return nothing, nothing
// is opened, and a modal dialog ends with cancel without being opened. Every message and question is kept, so the host or the tool can show
// them afterwards. Timers run on threads of their own (ThreadTimer).
//
// The log holds the latest kMessageLimit entries; older ones are dropped and counted, so a
// long run that keeps showing messages does not grow without bound.

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "armakon/platform/PlatformServices.h"

namespace armakon {

struct ShownMessage {
  MessageKind kind = MessageKind::Information;  // questions are kept as Question
  std::string text;
  std::string caption;

  bool operator==(const ShownMessage&) const = default;
};

class HeadlessPlatform : public PlatformServices {
 public:
  static constexpr std::size_t kMessageLimit = 10000;

  void showMessage(MessageKind kind, const std::string& text, const std::string& caption) override;
  Answer askYesNo(const std::string& text, const std::string& caption) override;
  Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
  std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
  bool openWithSystem(const std::string& path) override;
  std::unique_ptr<PeriodicTimer> startTimer(std::chrono::milliseconds interval,
                                            std::function<void()> tick) override;
  int runModal(ModalDialog& dialog) override;

  // The kept messages, oldest first.
  std::vector<ShownMessage> messages() const;
  // The kept messages, oldest first, and an empty log.
  std::vector<ShownMessage> takeMessages();
  // How many messages were dropped from the log since it was last emptied.
  std::size_t droppedMessages() const;

 private:
  void keep(MessageKind kind, const std::string& text, const std::string& caption);

  mutable std::mutex lock_;
  std::deque<ShownMessage> messages_;
  std::size_t dropped_ = 0;
};

}  // namespace armakon
