// The pump editor on a sample pump with several curves, its second curve in the grid.

#include <QListWidget>

#include "armakon/platform/ModalDialog.h"
#include "armakon/pumps/CPumpEditDlg.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

void pumpEditorScene(const std::filesystem::path& samples, const QString& png) {
  hydPumpenManager katalog;
  if (!katalog.read((samples / "catalogs/Aqualis/Pumpen.PMP").string(), "")) return;
  hydPumpe* pumpe = katalog.getAt(0)->getAt(0)->getAt(1);
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
