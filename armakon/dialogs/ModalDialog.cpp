#include "armakon/dialogs/ModalDialog.h"

#include <mutex>
#include <utility>

namespace armakon {

namespace {

std::mutex& runnerLock() {
  static std::mutex lock;
  return lock;
}

ModalRunner& installedRunner() {
  static ModalRunner runner;
  return runner;
}

int runHeadless(ModalDialog& dialog) {
  dialog.opened();
  if (!dialog.isClosed()) dialog.cancel();
  return dialog.result();
}

}  // namespace

int runModal(ModalDialog& dialog) {
  ModalRunner runner;
  {
    std::lock_guard<std::mutex> guard(runnerLock());
    runner = installedRunner();
  }
  return runner ? runner(dialog) : runHeadless(dialog);
}

ModalRunner setModalRunner(ModalRunner runner) {
  std::lock_guard<std::mutex> guard(runnerLock());
  return std::exchange(installedRunner(), std::move(runner));
}

}  // namespace armakon
