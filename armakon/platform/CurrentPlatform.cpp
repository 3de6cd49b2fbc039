#include "armakon/platform/CurrentPlatform.h"

#include <atomic>
#include <new>

namespace armakon {

namespace {
std::atomic<PlatformServices*> installed{nullptr};  // null: the headless default
}  // namespace

HeadlessPlatform& headlessPlatform() noexcept {
  // Built in static storage and never destroyed: the library's own statics (containers,
  // catalogs) may still report something while the process shuts down.
  alignas(HeadlessPlatform) static unsigned char storage[sizeof(HeadlessPlatform)];
  static HeadlessPlatform* const defaultPlatform = new (storage) HeadlessPlatform();
  return *defaultPlatform;
}

PlatformServices& platform() noexcept {
  PlatformServices* current = installed.load(std::memory_order_acquire);
  return current != nullptr ? *current : headlessPlatform();
}

PlatformServices* installedPlatform() noexcept { return installed.load(std::memory_order_acquire); }

PlatformServices& setPlatform(PlatformServices* next) noexcept {
  PlatformServices* previous = installed.exchange(next, std::memory_order_acq_rel);
  return previous != nullptr ? *previous : headlessPlatform();
}

}  // namespace armakon
