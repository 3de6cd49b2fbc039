#include "armakon/platform/ScriptedPlatform.h"

#include <algorithm>
#include <utility>

namespace armakon {

namespace {
struct TimerSlot {
  int id = 0;
  std::function<void()> tick;
  bool running = true;
};
}  // namespace

struct ScriptedPlatform::Shared {
  mutable std::mutex lock;
  std::deque<Answer> answers;
  std::deque<std::vector<std::string>> filesToOpen;
  std::deque<std::optional<std::string>> filesToSave;
  std::deque<DialogScript> dialogs;
  bool openResult = false;
  std::vector<PlatformCall> calls;
  std::size_t unscripted = 0;
  std::vector<std::shared_ptr<TimerSlot>> timers;  // running ones, in start order
  int timersStarted = 0;
};

class ScriptedPlatform::ManualTimer : public PeriodicTimer {
 public:
  ManualTimer(std::shared_ptr<Shared> shared, std::shared_ptr<TimerSlot> slot)
      : shared_(std::move(shared)), slot_(std::move(slot)) {}
  ~ManualTimer() override { stop(); }

  void stop() noexcept override {
    try {
      std::lock_guard<std::mutex> guard(shared_->lock);
      if (!slot_->running) return;
      slot_->running = false;
      std::erase(shared_->timers, slot_);
      PlatformCall call;
      call.kind = PlatformCallKind::StopTimer;
      call.timer = slot_->id;
      shared_->calls.push_back(std::move(call));
    } catch (...) {
      // Out of memory while recording: the timer is stopped all the same.
    }
  }

  bool isRunning() const noexcept override {
    std::lock_guard<std::mutex> guard(shared_->lock);
    return slot_->running;
  }

 private:
  std::shared_ptr<Shared> shared_;
  std::shared_ptr<TimerSlot> slot_;
};

ScriptedPlatform::ScriptedPlatform() : shared_(std::make_shared<Shared>()) {}

ScriptedPlatform::~ScriptedPlatform() = default;

void ScriptedPlatform::queueAnswer(Answer answer) {
  std::lock_guard<std::mutex> guard(shared_->lock);
  shared_->answers.push_back(answer);
}

void ScriptedPlatform::queueFilesToOpen(std::vector<std::string> files) {
  std::lock_guard<std::mutex> guard(shared_->lock);
  shared_->filesToOpen.push_back(std::move(files));
}

void ScriptedPlatform::queueFileToSave(std::optional<std::string> path) {
  std::lock_guard<std::mutex> guard(shared_->lock);
  shared_->filesToSave.push_back(std::move(path));
}

void ScriptedPlatform::setOpenWithSystemResult(bool opened) {
  std::lock_guard<std::mutex> guard(shared_->lock);
  shared_->openResult = opened;
}

void ScriptedPlatform::queueDialog(DialogScript script) {
  std::lock_guard<std::mutex> guard(shared_->lock);
  shared_->dialogs.push_back(std::move(script));
}

void ScriptedPlatform::showMessage(MessageKind kind, const std::string& text,
                                   const std::string& caption) {
  PlatformCall call;
  call.kind = PlatformCallKind::ShowMessage;
  call.messageKind = kind;
  call.text = text;
  call.caption = caption;
  std::lock_guard<std::mutex> guard(shared_->lock);
  shared_->calls.push_back(std::move(call));
}

Answer ScriptedPlatform::nextAnswer(PlatformCallKind kind, const std::string& text,
                                    const std::string& caption) {
  PlatformCall call;
  call.kind = kind;
  call.text = text;
  call.caption = caption;
  std::lock_guard<std::mutex> guard(shared_->lock);
  Answer answer = kind == PlatformCallKind::AskYesNo ? Answer::No : Answer::Cancel;
  if (shared_->answers.empty()) {
    ++shared_->unscripted;
  } else {
    answer = shared_->answers.front();
    shared_->answers.pop_front();
    if (kind == PlatformCallKind::AskYesNo && answer == Answer::Cancel) answer = Answer::No;
  }
  call.answer = answer;
  shared_->calls.push_back(std::move(call));
  return answer;
}

Answer ScriptedPlatform::askYesNo(const std::string& text, const std::string& caption) {
  return nextAnswer(PlatformCallKind::AskYesNo, text, caption);
}

Answer ScriptedPlatform::askYesNoCancel(const std::string& text, const std::string& caption) {
  return nextAnswer(PlatformCallKind::AskYesNoCancel, text, caption);
}

std::vector<std::string> ScriptedPlatform::chooseFilesToOpen(const FileDialogRequest& request) {
  PlatformCall call;
  call.kind = PlatformCallKind::ChooseFilesToOpen;
  call.request = request;
  std::lock_guard<std::mutex> guard(shared_->lock);
  if (shared_->filesToOpen.empty()) {
    ++shared_->unscripted;
  } else {
    call.files = std::move(shared_->filesToOpen.front());
    shared_->filesToOpen.pop_front();
  }
  shared_->calls.push_back(call);
  return call.files;
}

std::optional<std::string> ScriptedPlatform::chooseFileToSave(const FileDialogRequest& request) {
  PlatformCall call;
  call.kind = PlatformCallKind::ChooseFileToSave;
  call.request = request;
  std::optional<std::string> chosen;
  std::lock_guard<std::mutex> guard(shared_->lock);
  if (shared_->filesToSave.empty()) {
    ++shared_->unscripted;
  } else {
    chosen = std::move(shared_->filesToSave.front());
    shared_->filesToSave.pop_front();
  }
  if (chosen) call.files.push_back(*chosen);
  shared_->calls.push_back(std::move(call));
  return chosen;
}

bool ScriptedPlatform::openWithSystem(const std::string& path) {
  PlatformCall call;
  call.kind = PlatformCallKind::OpenWithSystem;
  call.text = path;
  std::lock_guard<std::mutex> guard(shared_->lock);
  const bool opened = shared_->openResult;
  call.opened = opened;
  shared_->calls.push_back(std::move(call));
  return opened;
}

std::unique_ptr<PeriodicTimer> ScriptedPlatform::startTimer(std::chrono::milliseconds interval,
                                                            std::function<void()> tick) {
  auto slot = std::make_shared<TimerSlot>();
  slot->tick = std::move(tick);
  PlatformCall call;
  call.kind = PlatformCallKind::StartTimer;
  call.interval = interval;
  {
    std::lock_guard<std::mutex> guard(shared_->lock);
    slot->id = ++shared_->timersStarted;
    call.timer = slot->id;
    shared_->calls.push_back(std::move(call));
    if (slot->tick) {
      shared_->timers.push_back(slot);
    } else {
      slot->running = false;  // nothing to call: started stopped, like ThreadTimer
    }
  }
  return std::make_unique<ManualTimer>(shared_, std::move(slot));
}

int ScriptedPlatform::runModal(ModalDialog& dialog) {
  PlatformCall call;
  call.kind = PlatformCallKind::RunModal;
  call.text = dialog.title();
  call.dialogResult = kDialogCancel;
  DialogScript script;
  std::size_t index = 0;
  {
    std::lock_guard<std::mutex> guard(shared_->lock);
    if (shared_->dialogs.empty()) {
      ++shared_->unscripted;
    } else {
      script = std::move(shared_->dialogs.front());
      shared_->dialogs.pop_front();
    }
    index = shared_->calls.size();
    shared_->calls.push_back(std::move(call));
  }
  if (!script) return kDialogCancel;
  dialog.onOpen();
  if (!dialog.hasEnded()) script(dialog);
  if (!dialog.hasEnded()) dialog.cancel();
  const int result = dialog.result();
  std::lock_guard<std::mutex> guard(shared_->lock);
  shared_->calls[index].dialogResult = result;
  return result;
}

std::vector<PlatformCall> ScriptedPlatform::calls() const {
  std::lock_guard<std::mutex> guard(shared_->lock);
  return shared_->calls;
}

std::size_t ScriptedPlatform::unscriptedCalls() const {
  std::lock_guard<std::mutex> guard(shared_->lock);
  return shared_->unscripted;
}

bool ScriptedPlatform::scriptUsedUp() const {
  std::lock_guard<std::mutex> guard(shared_->lock);
  return shared_->answers.empty() && shared_->filesToOpen.empty() && shared_->filesToSave.empty() &&
         shared_->dialogs.empty();
}

std::size_t ScriptedPlatform::tickTimers() {
  std::vector<std::shared_ptr<TimerSlot>> due;
  {
    std::lock_guard<std::mutex> guard(shared_->lock);
    due = shared_->timers;
  }
  std::size_t ran = 0;
  for (const std::shared_ptr<TimerSlot>& slot : due) {
    {
      std::lock_guard<std::mutex> guard(shared_->lock);
      if (!slot->running) continue;  // stopped by an earlier callback of this round
    }
    slot->tick();
    ++ran;
  }
  return ran;
}

std::size_t ScriptedPlatform::runningTimers() const {
  std::lock_guard<std::mutex> guard(shared_->lock);
  return shared_->timers.size();
}

}  // namespace armakon
