// The splitter dialog of the library entry.

#include "armakon/entry/ArmakonWrapper.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

void splitterScene(const std::filesystem::path&, const QString& png) {
  grabNextWindow(png);
  getArmakonInstance().showSplitterDialog(nullptr);
}

}  // namespace armakon::screenshots
