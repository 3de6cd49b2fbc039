#include "armakon/platform/HeadlessPlatform.h"

#include <utility>

#include "armakon/platform/ThreadTimer.h"

namespace armakon {

void HeadlessPlatform::keep(MessageKind kind, const std::string& text, const std::string& caption) {
  std::lock_guard<std::mutex> guard(lock_);
  if (messages_.size() >= kMessageLimit) {
    messages_.pop_front();
    ++dropped_;
  }
  messages_.push_back(ShownMessage{kind, text, caption});
}

void HeadlessPlatform::showMessage(MessageKind kind, const std::string& text,
                                   const std::string& caption) {
  keep(kind, text, caption);
}

Answer HeadlessPlatform::askYesNo(const std::string& text, const std::string& caption) {
  keep(MessageKind::Question, text, caption);
  return Answer::No;
}

Answer HeadlessPlatform::askYesNoCancel(const std::string& text, const std::string& caption) {
  keep(MessageKind::Question, text, caption);
  return Answer::Cancel;
}

std::vector<std::string> HeadlessPlatform::chooseFilesToOpen(const FileDialogRequest&) {
  return {};
}

std::optional<std::string> HeadlessPlatform::chooseFileToSave(const FileDialogRequest&) {
  return std::nullopt;
}

bool HeadlessPlatform::openWithSystem(const std::string&) { return false; }

std::unique_ptr<PeriodicTimer> HeadlessPlatform::startTimer(std::chrono::milliseconds interval,
                                                            std::function<void()> tick) {
  return std::make_unique<ThreadTimer>(interval, std::move(tick));
}

int HeadlessPlatform::runModal(ModalDialog&) { return kDialogCancel; }

std::vector<ShownMessage> HeadlessPlatform::messages() const {
  std::lock_guard<std::mutex> guard(lock_);
  return {messages_.begin(), messages_.end()};
}

std::vector<ShownMessage> HeadlessPlatform::takeMessages() {
  std::lock_guard<std::mutex> guard(lock_);
  std::vector<ShownMessage> taken(std::make_move_iterator(messages_.begin()),
                                  std::make_move_iterator(messages_.end()));
  messages_.clear();
  dropped_ = 0;
  return taken;
}

std::size_t HeadlessPlatform::droppedMessages() const {
  std::lock_guard<std::mutex> guard(lock_);
  return dropped_;
}

}  // namespace armakon
