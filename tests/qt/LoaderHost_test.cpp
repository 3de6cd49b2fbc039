// A host program that links only libarmakon: the entry's loader must find the built
// libarmakon_qt beside it and install its platform.

#include <cstdio>
#include <string>
#include <typeinfo>

#include "armakon/entry/UserInterfaceLibrary.h"
#include "armakon/platform/CurrentPlatform.h"

namespace {

int failed(const char* what) {
  std::fprintf(stderr, "FAIL: %s\n", what);
  return 1;
}

}  // namespace

int main() {
  armakon::loadUserInterfaceLibrary();
  armakon::PlatformServices* loaded = armakon::installedPlatform();
  if (loaded == nullptr) return failed("no platform installed after loading the user-interface library");
  if (std::string(typeid(*loaded).name()).find("QtPlatform") == std::string::npos) {
    return failed("the installed platform is not the Qt platform");
  }
  armakon::loadUserInterfaceLibrary();
  if (armakon::installedPlatform() != loaded) return failed("a second load replaced the platform");
  armakon::releaseUserInterfaceLibrary();
  if (armakon::installedPlatform() != nullptr) return failed("release left the Qt platform installed");
  std::puts("Qt platform loaded through the sibling loader");
  return 0;
}
