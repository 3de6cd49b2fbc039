// The function the library's entry binds when it loads this library (no. 1 of the binding).

#include <QApplication>

#include "qt/QtPlatform.h"

extern "C" armakon::PlatformServices* armakon_qt_platform() {
  // A host without Qt of its own gets the application object here; it lives as long as the
  // process, like the platform.
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "armakon";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
  }
  static armakon::qt::QtPlatform platform;
  return &platform;
}
