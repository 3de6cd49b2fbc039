// The entry's own windows on screen: the valve information and the splitter dialog.

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>
#include <string>

#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/CurrentPlatform.h"
#include "qt/CurveChart.h"
#include "qt/QtPlatform.h"
#include "tests/qt/DriveWidgets.h"

using namespace armakon;
using namespace armakon::qttest;

class EntryWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // The header and the variants as shown; clicking a variant shows its curve.
  void modelInfoShowsHeaderVariantsAndTheClickedVariantsCurve() {
    hydVDIArmaturen::hydArmaturenModell model;
    QVERIFY(model.loadVAMFile(std::string(ARMAKON_SOURCE_DIR) + "/data/samples/models/thermostatic.vam"));
    QStringList header, articles;
    QString firstOpenKv, lastOpenKv, caption;
    QString firstSetting;
    whenOpen([&](QWidget* window) {
      auto* form = window->findChild<QFormLayout*>();
      for (int row = 0; row < form->rowCount(); ++row) {
        const auto text = [&](QFormLayout::ItemRole role) {
          return qobject_cast<QLabel*>(form->itemAt(row, role)->widget())->text();
        };
        header << text(QFormLayout::LabelRole) + " " + text(QFormLayout::FieldRole);
      }
      auto* variants = window->findChild<QTableWidget*>();
      for (int row = 0; row < variants->rowCount(); ++row) articles << variants->item(row, 1)->text();
      auto* chart = window->findChild<qt::CurveChart*>();
      firstOpenKv = QString::number(chart->points().back().second);
      clickCell(variants, 2, 1);
      lastOpenKv = QString::number(chart->points().back().second);
      firstSetting = chart->points().front().first;
      for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().contains("Kennlinie")) caption = label->text();
      }
      QTest::mouseClick(buttonNamed(window, "OK"), Qt::LeftButton);
    });
    QCOMPARE(getArmakonInstance().showModelInfo(nullptr, model, 0, 0.0, 0.0), kDialogOk);
    QCOMPARE(header, QStringList({"Hersteller: Nordwerk Armaturen", "Modell: Thermostatventil TV-Pro",
                                  "Armaturentyp: " + QString::fromStdString(model.getHydArmTypeStr()),
                                  "Katalog: NORDWERK", "Varianten: 3"}));
    QCOMPARE(articles, QStringList({"TV-10-E", "TV-15-E", "TV-20-E"}));
    QCOMPARE(firstOpenKv, QString("0.5"));
    QCOMPARE(lastOpenKv, QString("1"));
    QCOMPARE(firstSetting, QString("1"));
    QCOMPARE(caption, QString("Kennlinie (x: Stufe, y: m³/h)"));
  }

  // The splitter gives back only how the user left it.
  void splitterAnswersHowItWasLeft() {
    const std::pair<QString, int> cases[] = {{"OK", kDialogOk}, {"Abbrechen", kDialogCancel}, {"", kDialogCancel}};
    for (const auto& [button, expected] : cases) {
      QString title;
      whenOpen([&title, button = button](QWidget* window) {
        title = window->windowTitle();
        if (button.isEmpty()) {
          QTest::keyClick(window, Qt::Key_Escape);
        } else {
          QTest::mouseClick(buttonNamed(window, button), Qt::LeftButton);
        }
      });
      QCOMPARE(getArmakonInstance().showSplitterDialog(nullptr), expected);
      QCOMPARE(title, QString("Splitter"));
    }
  }

 private:
  qt::QtPlatform platform_;
  ScopedPlatform installed_{platform_};
};

QTEST_MAIN(EntryWindowsTest)
#include "EntryWindows_test.moc"
