// The pump choice and the pump editor on screen: a pump chosen by clicking through the
// lists, its chart and hints, and an edit through "DEBUG: Edit" that ends in the
// manufacturer's pump file.

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "qt/AppLanguage.h"
#include "qt/PumpChartWidget.h"
#include "qt/PumpEditWindow.h"
#include "qt/QtPlatform.h"
#include "tests/qt/DriveWidgets.h"

using namespace armakon;
using namespace armakon::qttest;

namespace {

const std::string kCatalogs = std::string(ARMAKON_SOURCE_DIR) + "/data/samples/catalogs";

// 2.0 m³/h at 3.0 m over 1.0 m static head; 1.0 m³/h at 4.0 m.
const Netzpunkt kNord{"Strang Nord", 10000.0, 2.0 / 3600.0, 30000.0};
const Netzpunkt kSued{"Strang Süd", 0.0, 1.0 / 3600.0, 40000.0};

// Selects the field's text, types the new one and leaves the field with Return.
void typeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

void typeIntoCell(QTableWidget* grid, int row, int column, const QString& text) {
  const QRect cell = grid->visualRect(grid->model()->index(row, column));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QLineEdit* editor = nullptr;
  for (auto* open : grid->viewport()->findChildren<QLineEdit*>()) {
    if (open->isVisible()) editor = open;
  }
  QVERIFY(editor != nullptr);
  QTest::keyClicks(editor, text);
  const QPointer<QLineEdit> editing = editor;
  QTest::keyClick(editor, Qt::Key_Return);
  // The view takes the entry over once the event loop runs again.
  QTRY_VERIFY(editing.isNull() || !editing->isVisible());
}

QString hoverText(qt::PumpChartWidget* chart, const PumpChartValue& point) {
  QTest::mouseMove(chart, chart->placeOf(point).toPoint());
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

}  // namespace

class PumpWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(hydPumpenManager::instance()->read(kCatalogs + "/Aqualis/Pumpen.PMP", ""));
    QVERIFY(hydPumpenManager::instance()->read(kCatalogs + "/ThermaNord/ThermaNord.PMP", ""));
  }
  void cleanupTestCase() { hydPumpenManager::removeInstance(); }

  void choosePumpByClickingThroughTheLists() {
    struct Seen {
      QString title, okText, technischeDaten, chartTitle, pointHint, curveHint;
      QStringList serien, pumpen, legend;
      int seriesCount = 0;
      bool okEnabled = false;
      bool debugShown = true;
    } seen;
    whenOpen([&](QWidget* window) {
      auto* hersteller = labelled<QListWidget>(window, "Hersteller");
      auto* serien = labelled<QListWidget>(window, "Serie");
      auto* pumpen = labelled<QListWidget>(window, "Pumpe");
      auto* chart = window->findChild<qt::PumpChartWidget*>();
      clickRow(hersteller, 1);
      for (int i = 0; i < serien->count(); ++i) seen.serien << serien->item(i)->text();
      clickRow(pumpen, 1);
      for (int i = 0; i < pumpen->count(); ++i) seen.pumpen << pumpen->item(i)->text();
      seen.title = window->windowTitle();
      auto* ok = buttonNamed(window, "Zuweisen");
      seen.okEnabled = ok != nullptr && ok->isEnabled();
      seen.debugShown = buttonNamed(window, "DEBUG: Edit")->isVisible();
      for (auto* label : window->findChildren<QLabel*>()) {
        if (label->text().startsWith("Typ:")) seen.technischeDaten = label->text();
      }
      const PumpChart& data = chart->chart();
      seen.chartTitle = QString::fromStdString(data.title);
      seen.legend = chart->legendEntries();
      seen.seriesCount = static_cast<int>(data.series.size());
      // The first Netzpunkt's operating point, then a point in the middle of the second curve.
      seen.pointHint = hoverText(chart, data.series[4].points.back());
      seen.curveHint = hoverText(chart, data.series[1].points[20]);
      QTest::mouseClick(ok, Qt::LeftButton);
    });
    hydPumpe* pumpe =
        hydPumpenManager::instance()->katalogauswahl(nullptr, true, false, nullptr, kNord, kSued, false, EB_HEIZUNG);
    QCOMPARE(seen.title, QString("Pumpenauswahl"));
    QCOMPARE(seen.serien, QStringList({"Nordstrom S", "Nordstrom D"}));
    QCOMPARE(seen.pumpen, QStringList({"Nordstrom S 25/4", "Nordstrom S 30/6"}));
    QVERIFY(seen.okEnabled);
    QVERIFY(!seen.debugShown);
    QCOMPARE(seen.technischeDaten, QString("Typ: Nordstrom S 30/6, DN32, Bestellnummer: TN 4712-30, PN 10, 230 V, "
                                           "Temperatur -10 ... 110 °C, kurzzeitig 120 °C, Statische Kennlinie"));
    QCOMPARE(seen.chartTitle, QString("Nordstrom S 30/6"));
    // Three curves, then per Netzpunkt its system curve and operating point.
    QCOMPARE(seen.seriesCount, 7);
    QCOMPARE(seen.legend, QStringList({"1300 1/min", "1900 1/min", "2500 1/min", "Strang Nord", "Betriebspunkt",
                                       "Strang Süd"}));
    QCOMPARE(seen.pointHint, QString("Q = 2.0 m³/h, H = 3.0 m"));
    QCOMPARE(seen.curveHint, QString("Q = 1.6 m³/h, H = 2.3 m"));
    QVERIFY(pumpe != nullptr);
    QCOMPARE(QString::fromStdString(pumpe->getName()), QString("Nordstrom S 30/6"));
    QCOMPARE(pumpe->getSerie()->getName(), std::string("Nordstrom S"));
  }

  // Fields and cells typed into the editor reach the pump at once; saving writes the
  // manufacturer's file and the choice shows and returns the changed pump.
  void editPumpAndSaveTheManufacturersFile() {
    QTemporaryDir folder;
    const QString file = folder.filePath("ThermaNord.PMP");
    struct Seen {
      QString qmax, technischeDaten, copied;
      QStringList kennlinien;
      int gridRows = 0;
    } seen;
    const auto saveAs = [&](QFileDialog* chooser) {
      chooser->selectFile(file);
      static_cast<QDialog*>(chooser)->accept();  // the Save button
    };
    const auto edit = [&](qt::PumpEditWindow* editor) {
      typeInto(labelled<QLineEdit>(editor, "Bezeichnung, Typ (Char)"), "Nordstrom S 30/6 B");
      typeInto(labelled<QLineEdit>(editor, "PN (float)"), "16");
      auto* typ = labelled<QComboBox>(editor, "Pumpen-Typ");
      typ->setFocus();
      QTest::keyClick(typ, Qt::Key_Down);  // from "Statische Kennlinie(n)" to constant pressure
      auto* kennlinien = labelled<QListWidget>(editor, "Auswahl Kennlinie:");
      for (int i = 0; i < kennlinien->count(); ++i) seen.kennlinien << kennlinien->item(i)->text();
      clickRow(kennlinien, 1);
      auto* grid = editor->findChild<QTableWidget*>("PUMPEDIT");
      typeIntoCell(grid, 1, 1, "330.04");
      // The empty row below the pairs appends one.
      typeIntoCell(grid, 9, 0, "3500");
      typeIntoCell(grid, 9, 1, "10");
      seen.gridRows = grid->rowCount();
      seen.qmax = labelled<QLineEdit>(editor, "Qmax l/h (aus Kennlinie)")->text();
      // Delete drops the pair (3116 l/h, 0 mbar); the new last pair is copied onto curve Nr. 1.
      editor->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(editor));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(8, 0)).center());
      QTest::keyClick(grid, Qt::Key_Delete);
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(8, 1)).center());
      QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
      seen.copied = QApplication::clipboard()->text();
      clickRow(kennlinien, 0);
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(9, 0)).center());
      QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
      whenOpenAs<QFileDialog>(saveAs);
      QTest::mouseClick(buttonNamed(editor, "Speichern"), Qt::LeftButton);
    };
    whenOpen([&](QWidget* window) {
      clickRow(labelled<QListWidget>(window, "Hersteller"), 1);
      clickRow(labelled<QListWidget>(window, "Pumpe"), 1);
      whenOpenAs<qt::PumpEditWindow>(edit);
      QTest::mouseClick(buttonNamed(window, "DEBUG: Edit"), Qt::LeftButton);
      for (auto* label : window->findChildren<QLabel*>()) {
        if (label->text().startsWith("Typ:")) seen.technischeDaten = label->text();
      }
      QTest::mouseClick(buttonNamed(window, "Zuweisen"), Qt::LeftButton);
    });
    hydPumpe* pumpe = hydPumpenManager::instance()->katalogauswahl(nullptr, true, false, nullptr, Netzpunkt{},
                                                                   Netzpunkt{}, true, EB_ALLE);
    QCOMPARE(seen.kennlinien, QStringList({"Nr. 1", "Nr. 2", "Nr. 3"}));
    QCOMPARE(seen.gridRows, 11);  // ten pairs and the empty row
    QCOMPARE(seen.qmax, QString("3500"));
    QVERIFY(seen.technischeDaten.startsWith("Typ: Nordstrom S 30/6 B, DN32, Bestellnummer: TN 4712-30, PN 16,"));
    QVERIFY(pumpe != nullptr);
    QCOMPARE(pumpe->getName(), std::string("Nordstrom S 30/6 B"));

    hydPumpenManager written;
    QVERIFY(written.read(file.toStdString(), ""));
    const hydPumpe& gelesen = *written.getAt(0)->getAt(0)->getAt(1);
    QCOMPARE(gelesen.getName(), std::string("Nordstrom S 30/6 B"));
    QCOMPARE(gelesen.getPN(), 16.0);
    QCOMPARE(gelesen.getRegelungTypCode(), 1);
    QCOMPARE(seen.copied, QString("0.000972222;1000;"));  // m³/s and Pa
    const CHydrixInterpolation& table = gelesen.getStatischeKennlinie(1)->getTable();
    QCOMPARE(table.getSize(), 9);
    QCOMPARE(table.GetAtYArray(1), 33000.0);  // 330.04 mbar kept to one decimal
    QCOMPARE(table.GetAtXArray(7), 2726 * 2.7777777777e-7);
    QCOMPARE(table.GetAtXArray(8), 3500 * 2.7777777777e-7);  // l/h as the pump file reads it
    QCOMPARE(table.GetAtYArray(8), 1000.0);
    const CHydrixInterpolation& erste = gelesen.getStatischeKennlinie(0)->getTable();
    QCOMPARE(erste.getSize(), 10);
    QCOMPARE(qRound(erste.GetAtXArray(9) * 3.6e6), 3500);  // copied as "%g" of m³/s
    QCOMPARE(erste.GetAtYArray(9), 1000.0);
  }

  // With the English catalog loaded both windows speak English: captions, buttons, the
  // technical data, the chart's legend, the editor's labels, curve list and column titles.
  void windowsShowEnglishWithTheCatalogLoaded() {
    QVERIFY(qt::loadLanguage("en"));
    struct German {
      ~German() { qt::loadLanguage("de"); }
    } backToGerman;
    struct Seen {
      QString title, editorTitle, technischeDaten, editorColumn;
      QStringList legend, kennlinien;
      bool captions = false, buttons = false, editorLabels = false;
    } seen;
    const auto edit = [&](qt::PumpEditWindow* editor) {
      seen.editorTitle = editor->windowTitle();
      seen.editorLabels = labelled<QComboBox>(editor, "Pump type") != nullptr &&
                          labelled<QLineEdit>(editor, "Qmax l/h (from curve)") != nullptr;
      auto* kennlinien = labelled<QListWidget>(editor, "Curve:");
      for (int i = 0; i < kennlinien->count(); ++i) seen.kennlinien << kennlinien->item(i)->text();
      seen.editorColumn = editor->findChild<QTableWidget*>("PUMPEDIT")->horizontalHeaderItem(0)->text();
      QTest::mouseClick(buttonNamed(editor, "Cancel"), Qt::LeftButton);
    };
    whenOpen([&](QWidget* window) {
      seen.captions = labelled<QListWidget>(window, "Manufacturer") != nullptr &&
                      labelled<QListWidget>(window, "Series") != nullptr;
      clickRow(labelled<QListWidget>(window, "Manufacturer"), 0);
      clickRow(labelled<QListWidget>(window, "Pump"), 1);
      seen.title = window->windowTitle();
      seen.buttons = buttonNamed(window, "Assign") != nullptr && buttonNamed(window, "Data sheet") != nullptr &&
                     buttonNamed(window, "Cancel") != nullptr;
      for (auto* label : window->findChildren<QLabel*>()) {
        if (label->text().startsWith("Type:")) seen.technischeDaten = label->text();
      }
      seen.legend = window->findChild<qt::PumpChartWidget*>()->legendEntries();
      whenOpenAs<qt::PumpEditWindow>(edit);
      QTest::mouseClick(buttonNamed(window, "DEBUG: Edit"), Qt::LeftButton);
      QTest::mouseClick(buttonNamed(window, "Cancel"), Qt::LeftButton);
    });
    hydPumpenManager::instance()->katalogauswahl(nullptr, true, false, nullptr, kNord, Netzpunkt{}, true, EB_ALLE);
    QCOMPARE(seen.title, QString("Pump selection"));
    QVERIFY(seen.captions);
    QVERIFY(seen.buttons);
    QCOMPARE(seen.technischeDaten, QString("Type: Aquaflux E 25-60, DN25, Order number: AQ-100625, PN 10, 230 V, "
                                           "Temperature -10 ... 110 °C, briefly 120 °C, Constant/prop. pressure control"));
    QCOMPARE(seen.legend,
             QStringList({"1900 rpm", "2600 rpm", "3300 rpm", "3900 rpm", "Strang Nord", "Operating point"}));
    QCOMPARE(seen.editorTitle, QString("Edit pump"));
    QVERIFY(seen.editorLabels);
    QCOMPARE(seen.kennlinien, QStringList({"No. 1", "No. 2", "No. 3", "No. 4"}));
    QCOMPARE(seen.editorColumn, QString("Flow\nl/h"));
  }

 private:
  qt::QtPlatform platform_;
  ScopedPlatform installed_{platform_};
};

QTEST_MAIN(PumpWindowsTest)
#include "PumpWindows_test.moc"
