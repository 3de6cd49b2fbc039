// The valve catalog and its accessory choice on screen, driven through their real widgets on
// the sample catalogs: the manufacturers arrive while loading, the user chooses with clicks
// and keys, ticks variants, types an XP, narrows the accessories and takes the model over.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIData.h"
#include "qt/QtPlatform.h"
#include "tests/qt/DriveWidgets.h"

using namespace armakon;
using namespace armakon::qttest;
using hydVDIArmaturen::hydArmaturenModell;

namespace {

std::string sample(const char* relative) { return std::string(ARMAKON_SOURCE_DIR) + "/data/samples/" + relative; }

// Presses Down on the closed drop-down until its entry starts with the text.
void keyTo(QComboBox* list, const QString& start) {
  list->setFocus();
  for (int i = 0; i < list->count() && !list->currentText().startsWith(start); ++i) QTest::keyClick(list, Qt::Key_Down);
}

void clickRow(QListWidget* list, const QString& text) {
  clickItem(list, list->findItems(text, Qt::MatchExactly).value(0));
}

// Clicks the cell (away from a check box, which sits at the left) and presses Space.
void toggleCell(QAbstractItemView* view, const QModelIndex& index) {
  const QRect cell = view->visualRect(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 3, cell.center().y()));
  QTest::keyClick(view, Qt::Key_Space);
}

int columnTitled(QTableWidget* grid, const QString& title) {
  for (int column = 0; column < grid->columnCount(); ++column) {
    if (grid->horizontalHeaderItem(column)->text().section('\n', 0, 0) == title) return column;
  }
  return -1;
}

}  // namespace

class VdiKatalogWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { CMiniReportUtil::instance().clear(); }

  void takesOverTickedVariantsWithXpAndAccessories() {
    CVDIData data;
    data.AddFile(2, sample("catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI"), "", "", "", false);
    data.AddFile(2, sample("catalogs/ThermaNord/VDI_2/TN_HEIZUNG.TGA"), "", "", "", false);
    hydArmaturenModell target;
    CVdiKatalogDlg dialog({&data, &target, {}, 2, false, "", 0});
    struct Seen {
      QStringList manufacturers, accessories;
      bool kvMinShown = false, kvsShown = true;
      int rows = 0, filteredRows = 0, rowsAgain = 0;
      QString xp, accessoryTip;
    } seen;
    whenOpen([&](QWidget* window) {
      auto* manufacturers = window->findChild<QComboBox*>("manufacturers");
      // The list drops open by itself once the files are loaded; the user clicks the first.
      QTRY_VERIFY(!dialog.isBusy());
      QTRY_VERIFY(manufacturers->view()->isVisible());
      for (int i = 0; i < manufacturers->count(); ++i) seen.manufacturers << manufacturers->itemText(i);
      QAbstractItemView* popup = manufacturers->view();
      QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(popup->model()->index(0, 0)).center());
      keyTo(window->findChild<QComboBox*>("kinds"), "2:");
      keyTo(window->findChild<QComboBox*>("types"), "1:");
      clickRow(window->findChild<QListWidget*>("models"), "Thermostatventil TV-S");

      auto* variants = window->findChild<QTableWidget*>("variants");
      seen.rows = variants->rowCount();
      seen.kvMinShown = !variants->isColumnHidden(columnTitled(variants, "kv(min)"));
      seen.kvsShown = !variants->isColumnHidden(columnTitled(variants, "kvs"));
      // A property value narrows the grid; the empty entry lets every variant back in.
      auto* filter = window->findChild<QTableWidget*>("filter");
      QComboBox* values = nullptr;
      for (int row = 0; row < filter->rowCount() && values == nullptr; ++row) {
        auto* box = static_cast<QComboBox*>(filter->cellWidget(row, 2));
        if (box->count() > 2) values = box;  // the empty entry and two values at least
      }
      QVERIFY(values != nullptr);
      values->setFocus();
      QTest::keyClick(values, Qt::Key_Down);
      seen.filteredRows = variants->rowCount();
      QTest::keyClick(values, Qt::Key_Up);
      seen.rowsAgain = variants->rowCount();

      for (int row : {0, 2}) toggleCell(variants, variants->model()->index(row, 0));
      const int xp = columnTitled(variants, "XP");
      QTest::mouseClick(variants->viewport(), Qt::LeftButton, {},
                        variants->visualRect(variants->model()->index(0, xp)).center());
      QTest::keyClick(variants, Qt::Key_1);
      auto* editor = variants->findChild<QLineEdit*>();
      QTest::keyClicks(editor, ".5");
      QTest::keyClick(editor, Qt::Key_Return);  // the view takes the text over on its next turn
      QTRY_VERIFY(variants->findChild<QLineEdit*>() == nullptr);
      seen.xp = variants->item(0, xp)->text();

      whenOpen([&](QWidget* choice) {
        auto* list = choice->findChild<QListWidget*>();
        for (int i = 0; i < list->count(); ++i) seen.accessories << list->item(i)->text();
        toggleCell(list, list->model()->index(1, 0));
        QTest::mouseClick(buttonNamed(choice, "OK"), Qt::LeftButton);
      });
      QTest::mouseClick(variants->cellWidget(0, variants->columnCount() - 1), Qt::LeftButton);
      seen.accessoryTip = variants->cellWidget(0, variants->columnCount() - 1)->toolTip();
      QTest::mouseClick(buttonNamed(window, "Übernehmen"), Qt::LeftButton);
    });
    QCOMPARE(platform_.runModal(dialog), kDialogOk);
    QCOMPARE(seen.manufacturers, QStringList({"Aqualis Armaturen GmbH (RLD 03.2011), 15.03.2024",
                                              "ThermaNord Wärmetechnik, 19981020"}));
    QCOMPARE(seen.rows, 3);
    QVERIFY(seen.kvMinShown);
    QVERIFY(!seen.kvsShown);
    QVERIFY(seen.filteredRows < 3);
    QCOMPARE(seen.rowsAgain, 3);
    QCOMPARE(seen.xp, QString("1.5"));
    QCOMPARE(dialog.variantRows()[0].xpText, "1.5");
    QCOMPARE(seen.accessories, QStringList({"Thermostatkopf K (AQ-TK-01)", "Fernfühler F2 (AQ-FF-02)"}));
    QCOMPARE(seen.accessoryTip, QString("Thermostatkopf K"));

    QCOMPARE(dialog.documentName(), std::string("AQ_HEIZUNG.VDI"));
    QCOMPARE(target.getSize(), 2);
    QCOMPARE(target.getArtikelNrAt(0), std::string("AQ-TVS-10E"));
    QCOMPARE(target.getArtikelNrAt(1), std::string("AQ-TVS-15D"));
    // The first variant keeps only the accessory left ticked; the other keeps all of its own.
    QCOMPARE(target.getArmaturAt(0)->getZubehoer().size(), std::size_t{1});
    QCOMPARE(target.getArmaturAt(0)->getZubehoer()[0].getText1(), std::string("Thermostatkopf K"));
    QCOMPARE(target.getArmaturAt(1)->getZubehoer().size(), dialog.variantRows()[2].accessories.size());
  }

  // Faulty data: the take-over is refused with a message, "Reports..." wears the error icon,
  // a second click on the chosen model empties the grid, and Escape leaves the target empty.
  void faultyDataKeepTheWindowOpen() {
    CVDIData data;
    data.AddFile(2, sample("vdi/conversion/HZ_EINSTELLKURVEN_FEHLER.VDI"), "", "", "", false);
    data.LoadAll(false, 2);
    hydArmaturenModell target;
    CVdiKatalogDlg dialog({&data, &target, {}, 2, false, "", 0});
    SeenBox refused;
    bool errorLook = false, noLookBefore = false;
    int rowsAfterSecondClick = -1;
    whenOpen([&](QWidget* window) {
      auto* manufacturers = window->findChild<QComboBox*>("manufacturers");
      QTRY_VERIFY(manufacturers->view()->isVisible());
      QTest::keyClick(manufacturers->view(), Qt::Key_Return);
      keyTo(window->findChild<QComboBox*>("kinds"), "2:");
      auto* models = window->findChild<QListWidget*>("models");
      clickRow(models, "Verschraubung V79");
      auto* variants = window->findChild<QTableWidget*>("variants");
      for (int row = 0; row < variants->rowCount(); ++row) toggleCell(variants, variants->model()->index(row, 0));
      QPushButton* reports = buttonNamed(window, "Reports...");
      noLookBefore = reports->icon().isNull();
      pressInNextBox(QMessageBox::Ok, &refused);
      QTest::mouseClick(buttonNamed(window, "Übernehmen"), Qt::LeftButton);
      errorLook = reports->icon().pixmap(16).toImage() ==
                  window->style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(16).toImage();
      clickRow(models, "Verschraubung V79");
      rowsAfterSecondClick = variants->rowCount();
      QTest::keyClick(window, Qt::Key_Escape);
    });
    QCOMPARE(platform_.runModal(dialog), kDialogCancel);
    QCOMPARE(refused.text, QString("Es sind fehlerhafte Daten erkannt worden. Eine Übernahme ist nicht möglich.\n\n"
                                   "Bitte Report beachten."));
    QVERIFY(noLookBefore);
    QVERIFY(errorLook);
    QCOMPARE(rowsAfterSecondClick, 0);
    QCOMPARE(dialog.chosenModel(), -1);
  }

 private:
  qt::QtPlatform platform_;
  ScopedPlatform installed_{platform_};
};

QTEST_MAIN(VdiKatalogWindowTest)
#include "VdiKatalogWindow_test.moc"
