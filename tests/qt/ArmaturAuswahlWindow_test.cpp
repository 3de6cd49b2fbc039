// The container dialog on screen, used like a user does: tabs, rows, the offers menu, the
// buttons; afterwards the container's lists tell what the session did.

#include <QCheckBox>
#include <QLabel>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>
#include <deque>
#include <string>
#include <vector>

#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/entry/DialogSlots.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/CurrentPlatform.h"
#include "qt/QtPlatform.h"
#include "tests/qt/DriveWidgets.h"

using namespace armakon;
using namespace armakon::qttest;

namespace {

class SheetContainer : public RnArmaturContainer {
 public:
  explicit SheetContainer(int sheet) : RnArmaturContainer(sheet) {}
};

std::string sampleModel(const std::string& relative) {
  return std::string(ARMAKON_SOURCE_DIR) + "/data/samples/models/" + relative;
}

QStringList modelTypes(const ArmaturenModellListe& list) {
  QStringList types;
  for (const auto& entry : list) types << QString::fromStdString(entry->getModell().getModelType());
  return types;
}

QString offerText(enArmaturenTyp kind) { return QString::fromStdString(RnArmaturContainer::getVentilName(kind)); }

QTableWidget* rowsOf(QWidget* window) { return window->findChild<QTableWidget*>(); }

void clickTab(QWidget* window, int tab) {
  auto* tabs = window->findChild<QTabBar*>();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

}  // namespace

class ArmaturAuswahlWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    getArmakonInstance();  // its start-up plugs the library's dialogs in; the test's comes after
    // The valve selection stands in for the user's pick in the catalog: it fills the model
    // from the next queued sample file.
    valveCatalogDialog().setRunner([this](ValveCatalogRequest& request) {
      if (picks_.empty()) return kDialogCancel;
      const bool loaded = request.model->loadVAMFile(sampleModel(picks_.front()));
      picks_.pop_front();
      return loaded ? kDialogOk : kDialogCancel;
    });
  }
  void cleanupTestCase() { valveCatalogDialog().setRunner(nullptr); }

  void heatingSessionOnBothLists() {
    SheetContainer container(2);
    const std::pair<enArmaturenTyp, const char*> start[] = {
        {HZ_THERMOSTATVENTIL, "sizing/heating/thermostatventil_tvd.vam"},
        {HZ_DURCHFLUSSREGLER, "sizing/heating/durchflussregler_dfh.vam"}};
    for (const auto& [kind, file] : start) {
      ArmaturenModell entry;
      entry.setGlobal(1);
      entry.setTyp(kind);
      QVERIFY(entry.getModell().loadVAMFile(sampleModel(file)));
      container.append(entry);
    }
    picks_ = {"converted/dreiwegemischer_dwm.vam", "sizing/heating/durchflussregler_dfh.vam"};
    struct Seen {
      QStringList tabs, localOffers;
      QString firstCell, kindCell, infoTitle;
      SeenBox question;
      QStringList orderAfterMoveUp;
      int localRows = -1;
      bool moveUpEnabledOnTop = true;
      std::vector<std::string> assigned;
    } seen;
    const AssignCallback assign = [&seen](WindowHandle, const ArmaturenModell& entry) {
      seen.assigned.push_back(entry.getModell().getModelType());
    };
    const EntryTextCallback text = [](const ArmaturenModell&) { return std::string(" (Strang 2)"); };

    whenOpen([&](QWidget* window) {
      auto* tabs = window->findChild<QTabBar*>();
      seen.tabs = {tabs->tabText(0), tabs->tabText(1)};
      QTableWidget* rows = rowsOf(window);
      seen.firstCell = rows->item(0, 1)->text();
      seen.kindCell = rows->item(0, 2)->text();
      clickCell(rows, 1, 1);
      QTest::mouseClick(buttonNamed(window, "Nach oben"), Qt::LeftButton);
      seen.orderAfterMoveUp = modelTypes(container.getGlobalList());
      seen.moveUpEnabledOnTop = buttonNamed(window, "Nach oben")->isEnabled();

      // The local list: a mixing valve, offered there only, picked with the keys, then
      // assigned in the drawing.
      clickTab(window, 1);
      whenMenuOpen([&](QMenu* menu) {
        seen.localOffers = menuTexts(menu);
        chooseByKeys(menu, offerText(HZ_DREIWEGE_MISCHARMATUR));
      });
      QTest::mouseClick(buttonNamed(window, "Hinzufügen..."), Qt::LeftButton);
      seen.localRows = rowsOf(window)->rowCount();
      QTest::mouseClick(buttonNamed(window, "In Zeichnung zuordnen"), Qt::LeftButton);

      // Back on the global list: the same flow regulator again is refused at the question. It
      // is "similar", not identical: the stored copy leaves out the version the file gave the
      // model.
      clickTab(window, 0);
      whenMenuOpen([&](QMenu* menu) {
        pressInNextBox(QMessageBox::No, &seen.question);
        clickEntry(menu, offerText(HZ_DURCHFLUSSREGLER));
      });
      QTest::mouseClick(buttonNamed(window, "Hinzufügen..."), Qt::LeftButton);

      clickCell(rowsOf(window), 0, 1);
      QTest::mouseClick(buttonNamed(window, "Löschen"), Qt::LeftButton);
      whenOpenAbove(window, [&](QWidget* info) {
        seen.infoTitle = info->windowTitle();
        QTest::mouseClick(buttonNamed(info, "OK"), Qt::LeftButton);
      });
      QTest::mouseClick(buttonNamed(window, "Informationen..."), Qt::LeftButton);
      QTest::mouseClick(window->findChild<QCheckBox*>(), Qt::LeftButton);
      QTest::mouseClick(buttonNamed(window, "OK"), Qt::LeftButton);
    });
    int extended = 0;
    QCOMPARE(container.armaturenAuswahlDialog(nullptr, "", assign, {}, text, {}, 1, 0, 0, 0, 0, extended), kDialogOk);

    QCOMPARE(seen.tabs, QStringList({"Globale Vorauswahl", "Lokale Zuweisung"}));
    QCOMPARE(seen.firstCell, QString("ThermaNord Wärmetechnik\nThermostatventil TVD\nRotguss"));
    QCOMPARE(seen.kindCell, offerText(HZ_THERMOSTATVENTIL) + " (Strang 2)");
    QCOMPARE(seen.orderAfterMoveUp, QStringList({"Durchflussregler DF-H", "Thermostatventil TVD"}));
    QVERIFY(!seen.moveUpEnabledOnTop);
    QVERIFY(seen.localOffers.contains(offerText(HZ_DREIWEGE_MISCHARMATUR)));
    QCOMPARE(seen.localOffers.count("-"), 5);
    QCOMPARE(seen.localRows, 1);
    QCOMPARE(seen.assigned, std::vector<std::string>({"Dreiwegemischer DWM"}));
    QCOMPARE(seen.question.text, QString("Es ist bereits eine ähnliche Armaturenreihe vorhanden.\n"
                                         "Soll die Armaturengruppe hinzugefügt werden?"));
    QCOMPARE(seen.infoTitle, QString("Informationen zu dieser Armatur"));
    QCOMPARE(modelTypes(container.getGlobalList()), QStringList({"Thermostatventil TVD"}));
    QCOMPARE(modelTypes(container.getLocalList()), QStringList({"Dreiwegemischer DWM"}));
    QCOMPARE(extended, 1);
    QVERIFY(picks_.empty());
  }

  // One list only, drinking water: no tabs and no check box; the general valves ask for a
  // group name and are filed under it; Escape leaves the dialog, the addition stays.
  void drinkingWaterSingleList() {
    SheetContainer container(17);
    picks_ = {"sizing/water/strangdrossel_sd.vam"};
    QStringList offers;
    bool tabsShown = true;
    bool extendedShown = true;
    QString rowAfterAdd;
    whenOpen([&](QWidget* window) {
      tabsShown = window->findChild<QTabBar*>()->isVisible();
      extendedShown = window->findChild<QCheckBox*>()->isVisible();
      whenMenuOpen([&](QMenu* menu) {
        offers = menuTexts(menu);
        chooseByKeys(menu, offers.last());
      });
      QTest::mouseClick(buttonNamed(window, "Hinzufügen..."), Qt::LeftButton);
      if (rowsOf(window)->rowCount() == 1) rowAfterAdd = rowsOf(window)->item(0, 1)->text();
      QTest::keyClick(window, Qt::Key_Escape);
    });
    int extended = 1;
    const GroupNameCallback groupName = [](WindowHandle) { return std::string("Absperrungen"); };
    QCOMPARE(container.armaturenAuswahlDialog(nullptr, "", {}, groupName, {}, {}, 0, 1, 0, 0, 0, extended),
             kDialogCancel);
    QVERIFY(!tabsShown);
    QVERIFY(!extendedShown);
    QCOMPARE(offers, QStringList({offerText(TW_STRANGREGULIERVENTIL), offerText(TW_THERMOSTATISCHES_STRANGREGULIERVENTIL),
                                  "-", offerText(TW_RUECKFLUSSVERHINDERER), offerText(TW_ROHRTRENNER), "-",
                                  offerText(TW_DRUCKREGLER), "-", offerText(TW_WASSERZAEHLER), "-",
                                  offerText(TW_ALLGEMEINE_ARMATUREN) + " (in Zeichnung zuordnen)"}));
    QVERIFY2(rowAfterAdd.startsWith("Aqualis Armaturen GmbH\nStrangdrossel SD\n"), qPrintable(rowAfterAdd));
    QCOMPARE(container.getGlobalList().size(), std::size_t{1});
    QCOMPARE(container.getGlobalList()[0]->getGruppe(), std::string("Absperrungen"));
    QCOMPARE(container.getGlobalList()[0]->getTyp(), TW_ALLGEMEINE_ARMATUREN);
    QCOMPARE(extended, 0);
  }

 private:
  std::deque<std::string> picks_;
  qt::QtPlatform platform_;
  ScopedPlatform installed_{platform_};
};

QTEST_MAIN(ArmaturAuswahlWindowTest)
#include "ArmaturAuswahlWindow_test.moc"
