// The valve catalog on the sample heating catalogs: Aqualis chosen, the thermostatic valve
// bodies TV-S listed with two variants ticked; and the accessory choice of the first variant.

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CVDIData.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

namespace {

void chooseText(QComboBox* list, const QString& text) {
  const int index = list->findText(text, Qt::MatchStartsWith);
  list->setCurrentIndex(index);
  emit list->activated(index);
}

// What a user does first: the manufacturer, the kind of radiator valves for two-pipe heating,
// the thermostatic valve bodies, the model TV-S, two of its variants.
void chooseThermostaticValves(QWidget* window) {
  auto* manufacturers = window->findChild<QComboBox*>("manufacturers");
  manufacturers->hidePopup();
  chooseText(manufacturers, "Aqualis");
  chooseText(window->findChild<QComboBox*>("kinds"), "2:");
  chooseText(window->findChild<QComboBox*>("types"), "1:");
  auto* models = window->findChild<QListWidget*>("models");
  models->setCurrentItem(models->findItems("Thermostatventil TV-S", Qt::MatchExactly).value(0));
  auto* variants = window->findChild<QTableWidget*>("variants");
  for (int row : {0, 2}) variants->item(row, 0)->setCheckState(Qt::Checked);
}

// The sample heating catalogs, loaded before the dialog opens.
void loadHeatingCatalogs(CVDIData& data, const std::filesystem::path& samples) {
  for (const char* file : {"Aqualis/VDI_2/AQ_HEIZUNG.VDI", "ThermaNord/VDI_2/TN_HEIZUNG.TGA",
                           "RN_USER/VDI_2/HB_STRANGVENTIL.VDI"}) {
    data.AddFile(2, (samples / "catalogs" / file).string(), "", "", "", false);
  }
  data.LoadAll(false, 2);
}

}  // namespace

void valveCatalogScene(const std::filesystem::path& samples, const QString& png) {
  CVDIData data;
  loadHeatingCatalogs(data, samples);
  hydVDIArmaturen::hydArmaturenModell target;
  CVdiKatalogDlg dialog({&data, &target, {}, 2, true, "", kFeatureCheckFile | kFeatureExport});
  grabNextWindow(png, chooseThermostaticValves);
  platform().runModal(dialog);
}

void accessoryChoiceScene(const std::filesystem::path& samples, const QString& png) {
  CVDIData data;
  loadHeatingCatalogs(data, samples);
  hydVDIArmaturen::hydArmaturenModell target;
  CVdiKatalogDlg dialog({&data, &target, {}, 2, false, "", 0});
  // The catalog is prepared, then the accessory choice opens from the first row's button; the
  // grab takes that window and closes it, after which the catalog is closed too.
  QTimer::singleShot(300, [png] {
    QWidget* window = QApplication::activeModalWidget();
    chooseThermostaticValves(window);
    grabNextWindow(png);
    window->findChild<QTableWidget*>("variants")->findChildren<QPushButton*>().value(0)->click();
    window->close();
  });
  platform().runModal(dialog);
}

}  // namespace armakon::screenshots
