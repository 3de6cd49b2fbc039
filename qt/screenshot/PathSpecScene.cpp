// The assignment of the sample heating file to a catalog folder, on the sample catalogs.

#include "armakon/components/hydCatalogManager.h"
#include "armakon/dialogs/CPathSpecDlg.h"
#include "armakon/platform/CurrentPlatform.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

void catalogFoldersScene(const std::filesystem::path& samples, const QString& png) {
  hydCatalogManager manager;
  manager.init((samples / "catalogs").string());
  CPathSpecDlg dialog(manager);
  dialog.vdiPath = (samples / "catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI").string();
  dialog.blatt = 2;
  grabNextWindow(png);
  platform().runModal(dialog);
}

}  // namespace armakon::screenshots
