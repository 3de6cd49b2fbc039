#include "armakon/platform/ModalDialog.h"

#include <atomic>

#include "armakon/platform/CurrentPlatform.h"

namespace armakon {

namespace {
std::atomic<UserInterfaceLoader> userInterfaceLoader{nullptr};
}  // namespace

void setUserInterfaceLoader(UserInterfaceLoader loader) noexcept {
  userInterfaceLoader.store(loader, std::memory_order_release);
}

int showModal(ModalDialog& dialog) {
  if (installedPlatform() == nullptr) {
    if (UserInterfaceLoader loader = userInterfaceLoader.load(std::memory_order_acquire)) {
      loader();
      if (installedPlatform() == nullptr) return kDialogNotShown;
    }
  }
  return platform().runModal(dialog);
}

}  // namespace armakon
