// The Qt platform and the report viewer on screen, driven through their real widgets.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <atomic>
#include <functional>
#include <thread>

#include "armakon/dialogs/CReportListDlg.h"
#include "armakon/platform/CurrentPlatform.h"
#include "qt/QtFileFilter.h"
#include "qt/QtPlatform.h"
#include "tests/qt/DriveWidgets.h"

using namespace armakon;
using namespace armakon::qttest;

namespace {

class UnknownDialog : public ModalDialog {
 public:
  std::string title() const override { return "Ohne Fenster"; }
};

}  // namespace

class QtPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void questionsAnswerWithThePressedButton() {
    struct Case {
      bool withCancel;
      QMessageBox::StandardButton pressed;
      Answer expected;
    };
    for (const Case& c : {Case{false, QMessageBox::Yes, Answer::Yes}, Case{false, QMessageBox::No, Answer::No},
                          Case{true, QMessageBox::No, Answer::No}, Case{true, QMessageBox::Cancel, Answer::Cancel}}) {
      SeenBox seen;
      pressInNextBox(c.pressed, &seen);
      const Answer answer = c.withCancel ? platform_.askYesNoCancel("Datei überschreiben?", "Prüfdatei")
                                         : platform_.askYesNo("Datei überschreiben?", "Prüfdatei");
      QCOMPARE(answer, c.expected);
      QCOMPARE(seen.text, QString("Datei überschreiben?"));
      QCOMPARE(seen.caption, QString("Prüfdatei"));
      QCOMPARE(seen.icon, QMessageBox::Question);
    }
  }

  void messagesShowTheirIcon() {
    const std::pair<MessageKind, QMessageBox::Icon> cases[] = {{MessageKind::Information, QMessageBox::Information},
                                                               {MessageKind::Warning, QMessageBox::Warning},
                                                               {MessageKind::Error, QMessageBox::Critical}};
    for (const auto& [kind, icon] : cases) {
      SeenBox seen;
      pressInNextBox(QMessageBox::Ok, &seen);
      platform_.showMessage(kind, "Zeile 1\r\nZeile 2", "Größe");
      QCOMPARE(seen.icon, icon);
      QCOMPARE(seen.text, QString("Zeile 1\nZeile 2"));
      QCOMPARE(seen.caption, QString("Größe"));
    }
  }

  // A catalog worker's message is shown on the user-interface thread while the worker waits.
  void messageFromAnotherThread() {
    SeenBox seen;
    pressInNextBox(QMessageBox::Ok, &seen);
    std::atomic<bool> done = false;
    std::thread worker([&] {
      platform_.showWarning("Katalog unvollständig");
      done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    worker.join();
    QCOMPARE(seen.text, QString("Katalog unvollständig"));
  }

  void unknownDialogIsCancelledWithAMessage() {
    UnknownDialog dialog;
    SeenBox seen;
    pressInNextBox(QMessageBox::Ok, &seen);
    QCOMPARE(platform_.runModal(dialog), kDialogCancel);
    QVERIFY(seen.text.contains("Ohne Fenster"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
  }

  void reportViewerShowsAndActs() {
    CReportListDlg viewer({{"Fehlende Daten", "Fehlende Daten:\r\n\r\nSatz 100 fehlt", 5},
                           {"Hinweis\r\nzwei", "", 1003}},
                          "Reportliste - Test");
    struct Seen {
      QString title, root, firstDetail, secondDetail;
      QStringList children;
      bool expanded = false;
      bool firstCurrent = false;
      int selectedAfterClick = -2;
      SeenBox shown;
    } seen;
    whenOpen([&](QWidget* window) {
      auto* tree = window->findChild<QTreeWidget*>();
      auto* detail = window->findChild<QPlainTextEdit*>();
      QTreeWidgetItem* root = tree->topLevelItem(0);
      seen.title = window->windowTitle();
      seen.root = root->text(0);
      for (int i = 0; i < root->childCount(); ++i) seen.children << root->child(i)->text(0);
      seen.expanded = root->isExpanded();
      seen.firstCurrent = tree->currentItem() == root->child(0);
      seen.firstDetail = detail->toPlainText();
      clickItem(tree, root->child(1));
      seen.selectedAfterClick = viewer.selectedChild();
      seen.secondDetail = detail->toPlainText();
      clickItem(tree, root->child(0));
      pressInNextBox(QMessageBox::Ok, &seen.shown);
      QTest::mouseClick(buttonNamed(window, "Zeigen"), Qt::LeftButton);
      QTest::mouseClick(buttonNamed(window, "Zurück"), Qt::LeftButton);
    });
    QCOMPARE(platform_.runModal(viewer), kDialogOk);
    QCOMPARE(seen.title, QString("Reportliste - Test"));
    QCOMPARE(seen.root, QString("Reportliste"));
    QCOMPARE(seen.children, QStringList({"Fehlende Daten", "Hinweiszwei"}));
    QVERIFY(seen.expanded);
    QVERIFY(seen.firstCurrent);
    QCOMPARE(seen.firstDetail, QString("Fehlende Daten:\n\nSatz 100 fehlt"));
    QCOMPARE(seen.selectedAfterClick, 1);
    QCOMPARE(seen.secondDetail, QString());
    QCOMPARE(seen.shown.caption, QString("Fehlende Daten"));
    QCOMPARE(seen.shown.text, QString("Fehlende Daten:\n\nSatz 100 fehlt"));
  }

  // Qt reads the patterns from a description's last parentheses: they must be the real ones.
  void fileFiltersInQtForm() {
    QCOMPARE(qt::qtNameFilters("Text Dateien (*.txt)|*.txt|Alle Dateien|*.*||"),
             QStringList({"Text Dateien (*.txt)", "Alle Dateien (*.*)"}));
    QCOMPARE(qt::qtNameFilters("VDI-Dateien (*.vdi)|*.VDI; *.TGA|"), QStringList({"VDI-Dateien (*.VDI *.TGA)"}));
  }

  // Closing the window is the dialog's cancel.
  void reportViewerClosedByEscape() {
    CReportListDlg viewer({}, "Reportliste");
    whenOpen([](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); });
    QCOMPARE(platform_.runModal(viewer), kDialogCancel);
    QVERIFY(viewer.hasEnded());
  }

 private:
  qt::QtPlatform platform_;
  ScopedPlatform installed_{platform_};  // the dialogs' own messages come here too
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatform_test.moc"
