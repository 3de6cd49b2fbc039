#include "tools/armakon-gui/MainWindow.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "armakon/components/FormatText.h"
#include "armakon/components/hydCatalogManager.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "tools/armakon-gui/CheckReportDialog.h"
#include "tools/armakon-gui/GuiText.h"
#include "tools/armakon-gui/PumpPanel.h"
#include "tools/armakon-gui/SizingPanel.h"

namespace armakon::gui {

namespace {

constexpr const char* kRootsKey = "catalogRoots";
// The leaf of a catalog folder's organisation info that names its pump file.
constexpr const char* kPumpFileKey = "PUMPEN";
constexpr const char* kProjectFilter = "Armakon-Projekte (*.armakon)|*.armakon|Alle Dateien (*.*)|*.*|";

RnArmaturContainer& containerOfSheet(int sheet) {
  if (sheet == 2) return HzArmaturContainer::instance();
  return TwArmaturContainer::instance();
}

QString sheetName(int sheet) { return sheet == 2 ? uiText("Heizung") : uiText("Trinkwasser"); }

// One chosen file, or nothing.
std::optional<std::string> chooseOneFile(const char* title, const char* filter) {
  FileDialogRequest request;
  request.title = Translate(title);
  request.filter = Translate(filter);
  request.multiSelect = false;
  const std::vector<std::string> chosen = platform().chooseFilesToOpen(request);
  if (chosen.empty()) return std::nullopt;
  return chosen.front();
}

std::optional<std::string> chooseSavePath(const char* title, const char* filter, const char* extension,
                                          const std::string& initialName) {
  FileDialogRequest request;
  request.title = Translate(title);
  request.filter = Translate(filter);
  request.defaultExtension = extension;
  request.initialName = initialName;
  return platform().chooseFileToSave(request);
}

}  // namespace

MainWindow::MainWindow(QSettings& settings, QWidget* parent) : QMainWindow(parent), settings_(settings) {
  sizing_ = new SizingPanel;
  pump_ = new PumpPanel;

  auto* projectBox = new QGroupBox(uiText("Projekt"));
  projectLabel_ = new QLabel;
  projectLabel_->setObjectName("project");
  auto* projectLayout = new QVBoxLayout(projectBox);
  projectLayout->addWidget(projectLabel_);
  for (int sheet : {2, 17}) {
    auto* manage =
        new QPushButton(uiText(sheet == 2 ? "Heizungsarmaturen verwalten..." : "Trinkwasserarmaturen verwalten..."));
    connect(manage, &QPushButton::clicked, this, [this, sheet] { manageContainer(sheet); });
    projectLayout->addWidget(manage);
  }

  auto* modelBox = new QGroupBox(uiText("Armatur aus dem Katalog"));
  modelLabel_ = new QLabel;
  modelLabel_->setObjectName("chosenModel");
  modelLabel_->setWordWrap(true);
  auto* modelLayout = new QVBoxLayout(modelBox);
  modelLayout->addWidget(modelLabel_);
  for (int sheet : {2, 17}) {
    auto* choose = new QPushButton(uiText(sheet == 2 ? "Heizungsarmatur wählen..." : "Trinkwasserarmatur wählen..."));
    connect(choose, &QPushButton::clicked, this, [this, sheet] { chooseValve(sheet); });
    modelLayout->addWidget(choose);
  }
  auto* saveModel = new QPushButton(uiText("Als Armaturenmodell speichern..."));
  connect(saveModel, &QPushButton::clicked, this, [this] { saveChosenModel(); });
  modelLayout->addWidget(saveModel);

  auto* boxes = new QHBoxLayout;
  boxes->addWidget(projectBox);
  boxes->addWidget(modelBox);
  boxes->addWidget(pump_);
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(sizing_, 1);
  layout->addLayout(boxes);
  setCentralWidget(central);

  buildMenus();
  setCatalogRoots(settings_.value(kRootsKey).toStringList(), false);
  showProjectState();
  showChosenModel();
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(uiText("&Datei"));
  file->addAction(uiText("Projekt ö&ffnen..."), QKeySequence::Open, this, [this] { openProjectChosen(); });
  file->addAction(uiText("Projekt &speichern"), QKeySequence::Save, this, [this] { saveProject(); });
  file->addAction(uiText("Projekt speichern &unter..."), QKeySequence::SaveAs, this, [this] { saveProjectChosen(); });
  file->addSeparator();
  file->addAction(uiText("&Beenden"), QKeySequence::Quit, this, &QWidget::close);

  QMenu* catalog = menuBar()->addMenu(uiText("&Katalog"));
  catalog->addAction(uiText("Heizungsarmatur wählen..."), this, [this] { chooseValve(2); });
  catalog->addAction(uiText("Trinkwasserarmatur wählen..."), this, [this] { chooseValve(17); });
  catalog->addAction(uiText("Als Armaturenmodell speichern..."), this, [this] { saveChosenModel(); });
  catalog->addSeparator();
  QMenu* add = catalog->addMenu(uiText("VDI-Dateien hinzufügen..."));
  for (int sheet : {2, 17}) {
    add->addAction(uiText(sheet == 2 ? "Heizung (Blatt 2)..." : "Trinkwasser (Blatt 17)..."), this,
                   [this, sheet] { addVdiFiles(sheet); });
  }
  catalog->addAction(uiText("VDI-Datei prüfen..."), this, [this] { checkVdiFile(); });
  catalog->addSeparator();
  catalog->addAction(uiText("Katalogordner..."), this, [this] { editCatalogRoots(); });

  QMenu* project = menuBar()->addMenu(uiText("&Projekt"));
  QMenu* manage = project->addMenu(uiText("Armaturen verwalten"));
  for (int sheet : {2, 17}) {
    manage->addAction(sheetName(sheet) + "...", this, [this, sheet] { manageContainer(sheet); });
  }

  QMenu* pump = menuBar()->addMenu(uiText("P&umpe"));
  pump->addAction(uiText("Pumpe wählen..."), this, [this] { pump_->choosePump(); });
}

bool MainWindow::openProject(const QString& path) {
  std::string error;
  sizing_->clearResult();
  const bool read = loadProject(fromQt(path), false, read_, error);
  projectPath_ = read ? path : QString();
  showProjectState();
  if (!read) showError(error);
  return read;
}

bool MainWindow::saveProjectTo(const QString& path) {
  std::string error;
  if (!armakon::saveProject(fromQt(path), read_, error)) {
    showError(error);
    return false;
  }
  projectPath_ = path;
  showProjectState();
  return true;
}

void MainWindow::openProjectChosen() {
  if (const auto path = chooseOneFile("Projekt öffnen", kProjectFilter)) openProject(toQt(*path));
}

void MainWindow::saveProject() {
  if (projectPath_.isEmpty()) {
    saveProjectChosen();
  } else {
    saveProjectTo(projectPath_);
  }
}

void MainWindow::saveProjectChosen() {
  const std::string name = projectPath_.isEmpty() ? "Projekt.armakon" : fromQt(QFileInfo(projectPath_).fileName());
  const auto path = chooseSavePath("Projekt speichern", kProjectFilter, "armakon", name);
  if (path) saveProjectTo(toQt(*path));
}

void MainWindow::setCatalogRoots(const QStringList& roots, bool remember) {
  roots_ = roots;
  if (remember) settings_.setValue(kRootsKey, roots);
  hydCatalogManager::getInstance().init(fromQt(roots.join(';')));
  pump_->forgetPump();
  hydPumpenManager::instance()->readAllPumpData(kPumpFileKey);
}

void MainWindow::editCatalogRoots() {
  bool ok = false;
  const QString text = QInputDialog::getMultiLineText(this, uiText("Katalogordner"),
                                                      uiText("Ein Wurzelordner der Herstellerkataloge je Zeile:"),
                                                      roots_.join('\n'), &ok);
  if (!ok) return;
  QStringList roots;
  for (const QString& line : text.split('\n')) {
    if (!line.trimmed().isEmpty()) roots << line.trimmed();
  }
  setCatalogRoots(roots, true);
}

void MainWindow::chooseValve(int sheet) {
  hydVDIArmaturen::hydArmaturenModell model;
  const int result = getArmakonInstance().selectValveModel(this, {}, &model, true, sheet, {});
  if (result == kCatalogsNotReady) {
    showError(Translate("Die Kataloge sind noch nicht bereit."));
    return;
  }
  if (result != kDialogOk || model.getSize() == 0) return;
  chosenModel_ = model;
  chosenSheet_ = sheet;
  showChosenModel();
}

void MainWindow::saveChosenModel() {
  if (chosenModel_.getSize() == 0) {
    showError(Translate("Es ist noch keine Armatur aus dem Katalog gewählt."));
    return;
  }
  const auto path =
      chooseSavePath("Armaturenmodell speichern", "Armaturenmodelle (*.vam)|*.vam|Alle Dateien (*.*)|*.*|", "vam",
                     chosenModel_.getModelType() + ".vam");
  if (path && !chosenModel_.saveVAMFile(*path)) {
    showError(FormatText(Translate("Das Armaturenmodell kann nicht nach %s geschrieben werden."), {*path}));
  }
}

void MainWindow::manageContainer(int sheet) {
  const GroupNameCallback groupName = [this](WindowHandle) {
    return fromQt(QInputDialog::getText(this, uiText("Neue Gruppe"), uiText("Name der Gruppe:")));
  };
  int extended = 0;
  containerOfSheet(sheet).armaturenAuswahlDialog(this, "", {}, groupName, {}, {}, sheet == 2 ? 1 : 0, 0, 1, 1, 0,
                                                 extended);
  showProjectState();
}

void MainWindow::checkVdiFile() {
  const auto path = chooseOneFile("VDI-Datei prüfen",
                                  "VDI 3805 Dateien (*.VDI;*.vdix;*.TGA)|*.VDI;*.vdix;*.TGA|Alle Dateien (*.*)|*.*|");
  if (!path) return;
  CMiniReportUtil::instance().clear();
  CVDIDoc document;
  if (!document.Load(*path, false, 0) || !document.IsParsed() ||
      (document.GetSheet() != 2 && document.GetSheet() != 17)) {
    showError(FormatText(Translate("%s ist keine VDI-3805-Datei für Heizung (Blatt 2) oder Trinkwasser (Blatt 17)."),
                         {*path}));
    return;
  }
  StringList lines;
  BuildCheckFile(lines, document, LocalNow());
  CMiniReportUtil::instance().clear();
  CheckReportDialog(QFileInfo(toQt(*path)).fileName(), std::move(lines), this).exec();
}

void MainWindow::addVdiFiles(int sheet) { getArmakonInstance().addVdiFiles(this, sheet); }

void MainWindow::showProjectState() {
  const QString name = projectPath_.isEmpty() ? uiText("(neues Projekt)") : QFileInfo(projectPath_).fileName();
  setWindowTitle("Armakon – " + name);
  QString text = uiText("Projektdatei: %1").arg(name);
  for (int sheet : {2, 17}) {
    const RnArmaturContainer& container = containerOfSheet(sheet);
    text += "\n" + uiText("%1: %2 global, %3 lokal")
                       .arg(sheetName(sheet))
                       .arg(container.getGlobalList().size())
                       .arg(container.getLocalList().size());
  }
  projectLabel_->setText(text);
}

void MainWindow::showChosenModel() {
  if (chosenModel_.getSize() == 0) {
    modelLabel_->setText(uiText("Keine Armatur gewählt"));
    return;
  }
  modelLabel_->setText(uiText("%1 (%2): %3, %4 Varianten")
                           .arg(toQt(chosenModel_.getManufacturer()))
                           .arg(sheetName(chosenSheet_))
                           .arg(toQt(chosenModel_.getModelType()))
                           .arg(chosenModel_.getSize()));
}

void MainWindow::showError(const std::string& text) const {
  platform().showMessage(MessageKind::Error, text, "Armakon");
}

}  // namespace armakon::gui
