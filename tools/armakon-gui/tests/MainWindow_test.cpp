// The main window driven like a user: a project opened, a sizing typed into the panel and
// run with the button, the project saved, and the window in English with --lang en.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "armakon/platform/CurrentPlatform.h"
#include "qt/QtPlatform.h"
#include "qt/AppLanguage.h"
#include "tools/armakon-gui/MainWindow.h"
#include "tools/armakon-gui/SizingPanel.h"

using armakon::gui::MainWindow;

namespace {

const QString kHeatingProject = ARMAKON_SOURCE_DIR "/data/samples/projects/heating.armakon";

// The lines of a project file that name its entries and the list's id counter.
QStringList entryLinesOf(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  QStringList lines;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("Header:") || line.starts_with("LastArmaturesId:")) lines << QString::fromStdString(line);
  }
  return lines;
}

QPushButton* buttonNamed(QWidget* window, const QString& text) {
  for (auto* button : window->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

// The value the result table shows for a caption, or "" without such a row.
QString resultValue(QWidget* window, const QString& caption) {
  auto* table = window->findChild<QTableWidget*>("result");
  for (int row = 0; row < table->rowCount(); ++row) {
    if (table->item(row, 0)->text() == caption) return table->item(row, 1)->text();
  }
  return {};
}

void chooseKind(QWidget* window, int kind) {
  auto* combo = window->findChild<QComboBox*>("kind");
  combo->setCurrentIndex(combo->findData(kind));
}

void typeInto(QWidget* window, const char* field, const QString& text) {
  auto* edit = window->findChild<QLineEdit*>(field);
  edit->clear();
  QTest::keyClicks(edit, text);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(scratch_.isValid());
    settings_ = std::make_unique<QSettings>(scratch_.filePath("gui.ini"), QSettings::IniFormat);
  }

  // The panel sizes on the opened project's global list: a flow regulator for 0.04 m³/h
  // (typed with a decimal comma) and, without the setpoint it needs, a differential-pressure
  // regulator that names the missing inputs by their fields.
  void sizesThroughThePanel() {
    MainWindow window(*settings_);
    window.show();
    QVERIFY(window.openProject(kHeatingProject));
    QVERIFY(window.findChild<QLabel*>("project")->text().contains("Heizung: 7 global, 1 lokal"));

    chooseKind(&window, 4452);
    typeInto(&window, "flow", "0,04");
    QTest::mouseClick(buttonNamed(&window, "Dimensionieren"), Qt::LeftButton);
    QCOMPARE(resultValue(&window, "Armatur"), QString("Durchflussregler DF-H"));
    QCOMPARE(resultValue(&window, "Nennweite DN"), QString("15"));
    QCOMPARE(resultValue(&window, "Einstellungstext"), QString("1 Stufe"));
    QCOMPARE(resultValue(&window, "kv max [m³/h]"), QString("0.11547"));

    chooseKind(&window, 4450);
    typeInto(&window, "flow", "");
    QTest::mouseClick(buttonNamed(&window, "Dimensionieren"), Qt::LeftButton);
    QCOMPARE(window.findChild<QTableWidget*>("result")->rowCount(), 0);
    QCOMPARE(window.findChild<QLabel*>("status")->text(),
             QString("Für diese Suche fehlen Eingaben: kv-Wert [m³/h], Volumenstrom [m³/h], "
                     "Differenzdruck [mbar], Sollwert Differenzdruck [mbar]"));

    // The regulator with all it needs, from the local entry 8 when that entry is asked for.
    typeInto(&window, "flow", "0.8");
    typeInto(&window, "dp", "71");
    typeInto(&window, "setpoint", "200");
    typeInto(&window, "dn", "20");
    QTest::mouseClick(buttonNamed(&window, "Dimensionieren"), Qt::LeftButton);
    QCOMPARE(resultValue(&window, "Einstellungstext"), QString("4 Stufe"));
    QCOMPARE(resultValue(&window, "Sollwert"), QString("200 mbar"));
  }

  // Saving writes both containers back: every entry of the sample project, global and local,
  // under its id, kind and list, and the id counter; the window then names the new file.
  void savesTheProject() {
    MainWindow window(*settings_);
    QVERIFY(window.openProject(kHeatingProject));
    const QString saved = scratch_.filePath("saved.armakon");
    QVERIFY(window.saveProjectTo(saved));
    QCOMPARE(entryLinesOf(saved).size(), 9);
    QCOMPARE(entryLinesOf(saved), entryLinesOf(kHeatingProject));
    QVERIFY(window.windowTitle().endsWith("saved.armakon"));
  }

  // With the English catalog the menus, the panel and its result speak English.
  void showsEnglishTexts() {
    QVERIFY(armakon::qt::loadLanguage("en"));
    {
      MainWindow window(*settings_);
      QCOMPARE(window.menuBar()->actions().front()->text(), QString("&File"));
      QVERIFY(buttonNamed(&window, "Size") != nullptr);
      QVERIFY(window.openProject(kHeatingProject));
      chooseKind(&window, 4452);
      typeInto(&window, "flow", "0.04");
      QTest::mouseClick(buttonNamed(&window, "Size"), Qt::LeftButton);
      QCOMPARE(resultValue(&window, "Nominal size DN"), QString("15"));
    }
    QVERIFY(armakon::qt::loadLanguage("de"));
  }

 private:
  QTemporaryDir scratch_;
  std::unique_ptr<QSettings> settings_;
  armakon::qt::QtPlatform platform_;
  armakon::ScopedPlatform installed_{platform_};
};

QTEST_MAIN(MainWindowTest)
#include "MainWindow_test.moc"
