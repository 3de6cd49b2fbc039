// The valve information dialog on the sample thermostatic valve, its second size chosen.

#include <QTableWidget>

#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/model/hydArmaturenModell.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

void modelInfoScene(const std::filesystem::path& samples, const QString& png) {
  hydVDIArmaturen::hydArmaturenModell model;
  if (!model.loadVAMFile((samples / "models/thermostatic.vam").string())) return;
  grabNextWindow(png, [](QWidget* window) {
    auto* variants = window->findChild<QTableWidget*>();
    variants->setCurrentCell(1, 1);  // as a click on the row
  });
  getArmakonInstance().showModelInfo(nullptr, model, 0, 0.0, 0.0);
}

}  // namespace armakon::screenshots
