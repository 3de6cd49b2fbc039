// The pump choice on the sample catalogs: a heating pump chosen for two branches of a
// network, so both system curves cross its curves.

#include <QListWidget>

#include "armakon/components/hydCatalogManager.h"
#include "armakon/platform/ModalDialog.h"
#include "armakon/pumps/CPumpenDlg.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

void pumpChoiceScene(const std::filesystem::path& samples, const QString& png) {
  // The product images lie in the manufacturers' catalog folders.
  hydCatalogManager::getInstance().init((samples / "catalogs").string());
  hydPumpenManager katalog;
  if (!katalog.read((samples / "catalogs/Aqualis/Pumpen.PMP").string(), "") ||
      !katalog.read((samples / "catalogs/ThermaNord/ThermaNord.PMP").string(), "")) {
    return;
  }
  CPumpenDlg::Optionen optionen;
  optionen.auswahl = true;
  // Flows in m³/s, heads in Pa: 2.0 m³/h at 4.0 m over 1.0 m static head, 1.2 m³/h at 5.5 m.
  optionen.netzpunkt1 = {"Strang Nord", 10000.0, 2.0 / 3600.0, 40000.0};
  optionen.netzpunkt2 = {"Strang Süd", 5000.0, 1.2 / 3600.0, 55000.0};
  CPumpenDlg dialog(katalog, optionen);
  grabNextWindow(png, [](QWidget* window) {
    // The lists in order: manufacturers, series, pumps; the second pump of the first series.
    const auto lists = window->findChildren<QListWidget*>();
    if (lists.size() == 3 && lists[2]->count() > 1) lists[2]->setCurrentRow(1);
  });
  showModal(dialog);
}

}  // namespace armakon::screenshots
