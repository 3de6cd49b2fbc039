// A Qt host program that links only libarmakon, not libarmakon_qt: the entry's loader must
// find the built libarmakon_qt beside it, install its platform, and the library's dialogs
// must then come up as real windows.

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <string>
#include <typeinfo>

#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/entry/UserInterfaceLibrary.h"
#include "armakon/platform/CurrentPlatform.h"

namespace {

int failed(const char* what) {
  std::fprintf(stderr, "FAIL: %s\n", what);
  return 1;
}

// Presses the OK button of the next modal window, noting its title; polls for two seconds.
void pressOkInNextWindow(QString* title, int polls = 200) {
  QTimer::singleShot(10, [title, polls] {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr) {
      if (polls > 0) pressOkInNextWindow(title, polls - 1);
      return;
    }
    *title = window->windowTitle();
    for (auto* button : window->findChildren<QPushButton*>()) {
      if (button->text() == QStringLiteral("OK")) button->click();
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The first dialog loads the user-interface library.
  QString title;
  pressOkInNextWindow(&title);
  if (armakon::getArmakonInstance().showSplitterDialog(nullptr) != armakon::kDialogOk) {
    return failed("the splitter dialog did not come up as a window that answers OK");
  }
  if (title != QStringLiteral("Splitter")) return failed("the window shown is not the splitter dialog");
  armakon::PlatformServices* loaded = armakon::installedPlatform();
  if (loaded == nullptr || std::string(typeid(*loaded).name()).find("QtPlatform") == std::string::npos) {
    return failed("the installed platform is not the Qt platform");
  }
  armakon::loadUserInterfaceLibrary();
  if (armakon::installedPlatform() != loaded) return failed("a second load replaced the platform");
  armakon::releaseUserInterfaceLibrary();
  if (armakon::installedPlatform() != nullptr) return failed("release left the Qt platform installed");
  std::puts("Qt dialogs reached through the sibling loader");
  return 0;
}
