#pragma once
// The process-wide platform the library talks to.
//
// A host installs its own implementation at start-up (and removes it before destroying
// it); until then, and after setPlatform(nullptr), the headless default serves. Installing
// does not transfer ownership. Switching is safe from any thread, but a platform must stay
// alive while calls that obtained it may still be running.

#include "armakon/platform/HeadlessPlatform.h"
#include "armakon/platform/PlatformServices.h"

namespace armakon {

// The platform in use; never null.
PlatformServices& platform() noexcept;

// The installed platform; null while the headless default serves.
PlatformServices* installedPlatform() noexcept;

// Installs `next` (null: the headless default) and returns the one that was in use.
PlatformServices& setPlatform(PlatformServices* next) noexcept;

// The process-wide headless default, e.g. for the command-line tool to print its messages.
HeadlessPlatform& headlessPlatform() noexcept;

// Installs a platform for the lifetime of a scope (a test, a host session) and puts the
// previous one back afterwards.
class ScopedPlatform {
 public:
  explicit ScopedPlatform(PlatformServices& installed) noexcept : previous_(installedPlatform()) {
    setPlatform(&installed);
  }
  ~ScopedPlatform() { setPlatform(previous_); }
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  PlatformServices* previous_;  // null: none was installed
};

}  // namespace armakon
