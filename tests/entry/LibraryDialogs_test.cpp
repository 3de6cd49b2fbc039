// The entry's dialogs end to end: the valve selection, the file adding and the pump choice
// through the library's own dialogs on the sample catalogs, with a script acting as the user.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "armakon/components/hydCatalogManager.h"
#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "armakon/dialogs/CPathSpecDlg.h"
#include "armakon/dialogs/CReportListDlg.h"
#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/pumps/CPumpenDlg.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "tests/TempFolder.h"

namespace armakon {
namespace {

namespace fs = std::filesystem;
using hydVDIArmaturen::hydArmaturenModell;

const std::string kCatalogs = std::string(ARMAKON_SOURCE_DIR) + "/data/samples/catalogs";

int indexStartingWith(const std::vector<std::string>& texts, const std::string& start) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].rfind(start, 0) == 0) return static_cast<int>(i);
  }
  return -1;
}

template <class Entries>
int indexOf(const Entries& entries, int number, int Entries::value_type::*field) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].*field == number) return static_cast<int>(i);
  }
  return -1;
}

// Acts as the user of the valve catalog dialog: waits for the load, picks the Aqualis
// thermostatic valve TV-S, ticks its first variant, looks at its information, presses OK.
void chooseThermostaticValve(ScriptedPlatform& script, CVdiKatalogDlg& dialog) {
  for (int i = 0; i < 5000 && dialog.isBusy(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    script.tickTimers();
  }
  ASSERT_FALSE(dialog.isBusy());
  const int manufacturer = indexStartingWith(dialog.manufacturerTexts(), "Aqualis");
  ASSERT_GE(manufacturer, 0);
  dialog.chooseManufacturer(manufacturer);
  const int kind = indexOf(dialog.kinds(), 2, &KindEntry::kind);
  ASSERT_GE(kind, 0);
  dialog.chooseKind(kind);
  const int type = indexOf(dialog.types(), 1, &TypeEntry::type);
  ASSERT_GE(type, 0);
  dialog.chooseType(type);
  const int model = indexStartingWith(dialog.modelTexts(), "Thermostatventil TV-S");
  ASSERT_GE(model, 0);
  dialog.clickModel(model);
  dialog.setSelected(0, true);
  dialog.info();
  dialog.ok();
}

TEST(LibraryDialogs, ValveSelectionFillsTheHostsModelThroughTheCatalogDialog) {
  ASSERT_GE(hydCatalogManager::getInstance().init(kCatalogs), 3u);
  ScriptedPlatform script;
  ScopedPlatform installed(script);
  int window = 0;
  std::string infoText;
  script.queueDialog([&](ModalDialog& dialog) {
    EXPECT_EQ(dialog.parentWindow(), &window);
    chooseThermostaticValve(script, dynamic_cast<CVdiKatalogDlg&>(dialog));
  });
  script.queueDialog([&](ModalDialog& dialog) {
    EXPECT_EQ(dialog.parentWindow(), &window);
    infoText = dynamic_cast<CArmaturInfoDlg&>(dialog).text();
  });
  ArmakonWrapper wrapper;
  hydArmaturenModell model;
  EXPECT_EQ(wrapper.selectValveModel(&window, {}, &model, false, 2, {}), 1);
  EXPECT_EQ(model.getSize(), 1);
  EXPECT_EQ(model.getManufacturer().rfind("Aqualis", 0), 0u) << model.getManufacturer();
  EXPECT_NE(infoText.find("Modell: Thermostatventil TV-S"), std::string::npos) << infoText;
  EXPECT_EQ(wrapper.lastDocument(), "AQ_HEIZUNG.VDI");
  EXPECT_TRUE(script.scriptUsedUp());

  // Nobody to play the user: the dialog is cancelled and the model stays as it is.
  ScopedPlatform headless(headlessPlatform());
  hydArmaturenModell untouched;
  EXPECT_EQ(wrapper.selectValveModel(nullptr, {}, &untouched, false, 2, {}), kDialogCancel);
  EXPECT_EQ(untouched.getSize(), 0);
}

TEST(LibraryDialogs, AddedFileIsCopiedIntoTheCatalogTheUserAssigns) {
  const testsupport::TempFolder folder;
  const std::string root = folder.path();
  fs::create_directories(root + "/Kat");
  std::ofstream(root + "/Kat/desktop.info", std::ios::binary) << "Content:VDI_2\r\nENDE\r\nID=KAT\r\nName=Katalog\r\n";
  ASSERT_EQ(hydCatalogManager::getInstance().init(root), 2u);  // with the user catalog

  ScriptedPlatform script;
  ScopedPlatform installed(script);
  script.queueFilesToOpen({kCatalogs + "/Aqualis/VDI_2/AQ_HEIZUNG.VDI"});
  script.queueDialog([](ModalDialog& dialog) {
    auto& folder = dynamic_cast<CPathSpecDlg&>(dialog);
    for (std::size_t i = 0; i < folder.libraries().size(); ++i) {
      if (folder.libraries()[i].id == "KAT") folder.selectLibrary(static_cast<int>(i));
    }
    folder.ok();
  });
  EXPECT_TRUE(getArmakonInstance().addVdiFiles(nullptr, 2));
  EXPECT_TRUE(fs::is_regular_file(root + "/Kat/VDI_2/AQ_HEIZUNG.VDI"));
  EXPECT_TRUE(script.scriptUsedUp());
}

TEST(LibraryDialogs, PumpChoiceHandsTheChosenPumpBack) {
  hydPumpenManager& katalog = *hydPumpenManager::instance();
  ASSERT_TRUE(katalog.read(kCatalogs + "/Aqualis/Pumpen.PMP", ""));
  ASSERT_TRUE(katalog.read(kCatalogs + "/ThermaNord/ThermaNord.PMP", ""));
  hydPumpe* expected = katalog.getAt(1)->getAt(0)->getAt(1);
  ScriptedPlatform script;
  ScopedPlatform installed(script);
  script.queueDialog([](ModalDialog& dialog) {
    auto& choice = dynamic_cast<CPumpenDlg&>(dialog);
    choice.selectHersteller(1);
    choice.selectPumpe(1);
    choice.onOK();
  });
  Netzpunkt first;
  Netzpunkt second;
  hydPumpe* chosen = nullptr;
  EXPECT_EQ(getArmakonInstance().selectPump(nullptr, true, false, nullptr, first, second, chosen, false), 1);
  EXPECT_EQ(chosen, expected);
  EXPECT_EQ(script.calls().at(0).text, "Pumpenauswahl");
  hydPumpenManager::removeInstance();
}

TEST(LibraryDialogs, ReportListOpensTheViewer) {
  ScriptedPlatform script;
  ScopedPlatform installed(script);
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.clear();
  reports.addError(20, "Fehler", "Text");
  std::string caption;
  script.queueDialog([&caption](ModalDialog& dialog) { caption = dynamic_cast<CReportListDlg&>(dialog).title(); });
  reports.show("AQ_HEIZUNG.VDI");
  EXPECT_EQ(caption, "Reportliste - AQ_HEIZUNG.VDI");
  reports.clear();
}

}  // namespace
}  // namespace armakon
