#pragma once
// The main window of armakon-gui: the project file (the two valve containers), the catalog
// root folders, the valve catalog dialogs, the containers' dialogs, the check report of a
// VDI 3805 file, the sizing panel and the pump panel. Every dialog of the library is reached
// through the entry object and the containers; the window itself only keeps the project's
// path and the valve model chosen last.

#include <QMainWindow>
#include <QStringList>
#include <string>

#include "armakon/containers/ProjectFile.h"
#include "armakon/model/hydArmaturenModell.h"

class QLabel;
class QSettings;

namespace armakon::gui {

class PumpPanel;
class SizingPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The settings keep the catalog root folders between runs.
  explicit MainWindow(QSettings& settings, QWidget* parent = nullptr);

  // Reads the project into the containers; false (with a message) when it cannot be read.
  bool openProject(const QString& path);
  // Writes the containers into the project file; false (with a message) on failure.
  bool saveProjectTo(const QString& path);
  // The catalog root folders: scanned now, and kept in the settings when remember is true.
  void setCatalogRoots(const QStringList& roots, bool remember);
  QStringList catalogRoots() const { return roots_; }

  SizingPanel* sizingPanel() const { return sizing_; }

 private:
  void buildMenus();
  void openProjectChosen();
  void saveProject();
  void saveProjectChosen();
  void editCatalogRoots();
  void chooseValve(int sheet);
  void saveChosenModel();
  void manageContainer(int sheet);
  void checkVdiFile();
  void addVdiFiles(int sheet);
  void showProjectState();
  void showChosenModel();
  void showError(const std::string& text) const;

  QSettings& settings_;
  QStringList roots_;
  QString projectPath_;
  ProjectTree read_;
  hydVDIArmaturen::hydArmaturenModell chosenModel_;
  int chosenSheet_ = 0;
  QLabel* projectLabel_;
  QLabel* modelLabel_;
  SizingPanel* sizing_;
  PumpPanel* pump_;
};

}  // namespace armakon::gui
