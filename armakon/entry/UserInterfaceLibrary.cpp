#include "armakon/entry/UserInterfaceLibrary.h"

#include "armakon/entry/SiblingLibrary.h"
#include "armakon/platform/CurrentPlatform.h"

namespace armakon {

namespace {

PlatformServices* loadedPlatform = nullptr;

SiblingLibrary& userInterfaceLibrary() {
  static SiblingLibrary library("libarmakon_qt.so." ARMAKON_SOVERSION, ownModuleFile());
  return library;
}

}  // namespace

void loadUserInterfaceLibrary() {
  auto* providePlatform = userInterfaceLibrary().function<PlatformServices*()>(1, "armakon_qt_platform");
  if (PlatformServices* provided = providePlatform()) {
    loadedPlatform = provided;
    setPlatform(provided);
  }
}

void releaseUserInterfaceLibrary() {
  if (loadedPlatform != nullptr && installedPlatform() == loadedPlatform) setPlatform(nullptr);
  loadedPlatform = nullptr;
}

}  // namespace armakon
