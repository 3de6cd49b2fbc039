// The assignment of a VDI 3805 file to a catalog folder on screen, on catalogs in a temporary
// folder: the user picks a library, ticks the encoded copy, answers the overwrite question,
// and the copy and the info file are checked on disk.

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <filesystem>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/hydCatalogManager.h"
#include "armakon/dialogs/CPathSpecDlg.h"
#include "armakon/platform/CurrentPlatform.h"
#include "qt/QtPlatform.h"
#include "tests/TempFolder.h"
#include "tests/qt/DriveWidgets.h"

using namespace armakon;
using namespace armakon::qttest;
namespace fs = std::filesystem;

namespace {

const std::string kSource = std::string(ARMAKON_SOURCE_DIR) + "/data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI";

std::string fileBytes(const std::string& path) {
  std::string bytes;
  readWholeFile(path, bytes);
  return bytes;
}

}  // namespace

class PathSpecWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    root_ = std::make_unique<testsupport::TempFolder>();
    root_->write("Zeta/desktop.info", "Content:VDI_17\r\nENDE\r\nID=ZETA\r\nName=zeta Ventile\r\n");
    root_->write("Alpha/desktop.info", "Content:VDI_2\r\nENDE\r\nID=ALPHA\r\nName=Beta Werke\r\n");
    root_->write("User/desktop.info", "Content:VDI_2\r\nENDE\r\nID=RN_USER\r\n");
    manager_.init(root_->path());
  }

  void encodedCopyIntoAChosenLibrary() {
    CPathSpecDlg dialog(manager_);
    dialog.vdiPath = kSource;
    dialog.blatt = 2;
    QString information;
    QStringList libraries;
    whenOpen([&](QWidget* window) {
      information = window->findChild<QLabel*>()->text();
      auto* list = window->findChild<QListWidget*>();
      for (int i = 0; i < list->count(); ++i) libraries << list->item(i)->text();
      clickItem(list, list->findItems("Beta Werke", Qt::MatchExactly).value(0));
      QTest::mouseClick(window->findChild<QCheckBox*>(), Qt::LeftButton);
      QTest::mouseClick(buttonNamed(window, "Übernehmen"), Qt::LeftButton);
    });
    QCOMPARE(platform_.runModal(dialog), kDialogOk);
    QVERIFY(information.startsWith("VDI-Datei: \"AQ_HEIZUNG.VDI\"\nBlattnummer: 2\n"));
    QVERIFY(information.endsWith("Zu welcher Herstellerbibliothek soll diese Datei hinzugefügt werden?"));
    QCOMPARE(libraries, QStringList({"- Keinem spezifischen Hersteller zuordnen. (User-Ordner)", "Beta Werke",
                                     "zeta Ventile"}));
    QCOMPARE(dialog.catalogId, std::string("ALPHA"));
    QCOMPARE(fs::path(dialog.vdiPath), fs::path(root_->path("Alpha/VDI_2/AQ_HEIZUNG.VDIx")));
    QVERIFY(fileBytes(dialog.vdiPath).find("ARMAKON-VDIX") != std::string::npos);
    QVERIFY(fileBytes(root_->path("Alpha/desktop.info")).find("\tVDI_2:VDI_2\\AQ_HEIZUNG.VDIx") != std::string::npos);
  }

  // Cancel in the overwrite question keeps the window open; No gives the copy a new name.
  void existingFileInTheUserFolder() {
    root_->write("User/VDI_2/AQ_HEIZUNG.VDI", "old");
    const std::string infoBefore = fileBytes(root_->path("User/desktop.info"));
    CPathSpecDlg dialog(manager_);
    dialog.vdiPath = kSource;
    dialog.blatt = 2;
    SeenBox cancelled, renamed;
    bool openAfterCancel = false;
    whenOpen([&](QWidget* window) {
      pressInNextBox(QMessageBox::Cancel, &cancelled);
      QTest::mouseClick(buttonNamed(window, "Übernehmen"), Qt::LeftButton);
      openAfterCancel = window->isVisible();
      pressInNextBox(QMessageBox::No, &renamed);
      QTest::mouseClick(buttonNamed(window, "Übernehmen"), Qt::LeftButton);
    });
    QCOMPARE(platform_.runModal(dialog), kDialogOk);
    QCOMPARE(cancelled.text,
             QString("Dateiname bereits vorhanden!\nDiese Datei überschreiben?\n\"Nein\" vergibt einen anderen Dateinamen."));
    QVERIFY(openAfterCancel);
    QCOMPARE(renamed.text, cancelled.text);
    QCOMPARE(fs::path(dialog.vdiPath), fs::path(root_->path("User/VDI_2/AQ_HEIZUNG_1.VDI")));
    QCOMPARE(fileBytes(dialog.vdiPath), fileBytes(kSource));
    QCOMPARE(fileBytes(root_->path("User/VDI_2/AQ_HEIZUNG.VDI")), std::string("old"));
    QCOMPARE(fileBytes(root_->path("User/desktop.info")), infoBefore);
  }

  // A file that cannot be read is reported and the window never opens.
  void unreadableFileCancelsBeforeTheWindow() {
    CPathSpecDlg dialog(manager_);
    dialog.vdiPath = root_->path("missing.VDI");
    SeenBox seen;
    pressInNextBox(QMessageBox::Ok, &seen);
    QCOMPARE(platform_.runModal(dialog), kDialogCancel);
    QCOMPARE(seen.text, QString("Datei konnte nicht geladen werden."));
  }

 private:
  std::unique_ptr<testsupport::TempFolder> root_;
  hydCatalogManager manager_;
  qt::QtPlatform platform_;
  ScopedPlatform installed_{platform_};
};

QTEST_MAIN(PathSpecWindowTest)
#include "PathSpecWindow_test.moc"
