// The pump editor on a sample pump with several curves, its second curve in the grid.

#include <QListWidget>
#include <string>

#include "armakon/platform/ModalDialog.h"
#include "armakon/pumps/CPumpEditDlg.h"
#include "armakon/pumps/hydPumpenHersteller.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "armakon/pumps/hydPumpenSerie.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

namespace {

hydPumpe* findPump(const hydPumpenManager& katalog, const std::string& name) {
  for (const auto& hersteller : katalog.getHersteller()) {
    for (const auto& serie : hersteller->getSerien()) {
      for (const auto& pumpe : serie->getPumpen()) {
        if (pumpe->getName() == name) return pumpe.get();
      }
    }
  }
  return nullptr;
}

}  // namespace

void pumpEditorScene(const std::filesystem::path& samples, const QString& png) {
  hydPumpenManager katalog;
  if (!katalog.read((samples / "catalogs/Aqualis/Pumpen.PMP").string(), "")) return;
  hydPumpe* pumpe = findPump(katalog, "Aquaflux E 25-60");
  if (pumpe == nullptr) return;
  CPumpEditDlg editor(*pumpe);
  grabNextWindow(png, [](QWidget* window) {
    if (auto* kennlinien = window->findChild<QListWidget*>(); kennlinien != nullptr && kennlinien->count() > 1) {
      kennlinien->setCurrentRow(1);
    }
  });
  showModal(editor);
}

}  // namespace armakon::screenshots
