// The valve catalog dialog driven as a user would: background load, choice of manufacturer,
// kind, type, model and variants, and the take-over compared with the tool's conversion.

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <sstream>

#include "armakon/dialogs/CReportListDlg.h"
#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "tests/dialogs/CatalogDialogFixture.h"

namespace armakon::dialogtest {
namespace {

struct TakeOverCase {
  const char* file;
  int sheet;
  int kind;
  int type;
  const char* model;
  int modelIndex;
  std::vector<int> tickedRows;
  std::vector<int> products;  // the 800 indices of the ticked rows
  const char* xp;             // entered in every ticked row when the XP cell is editable
  const char* kindText;
  const char* firstVisibleSpecial;  // a column only this type shows, checked visible
};

TEST_F(CatalogDialogTest, TakesOverTheTickedVariantsAsTheToolConvertsThem) {
  const TakeOverCase cases[] = {
      {"Aqualis/VDI_2/AQ_HEIZUNG.VDI", 2, 2, 1, "Thermostatventil TV-S", 3, {0, 2}, {3, 5}, "1.5",
       "2: Heizkörperarmaturen für Zweirohrheizungen", "kv(min)"},
      {"Aqualis/VDI_17/AQ_TRINKWASSER.VDI", 17, 3, 4, "Waschtischarmatur WT", 4, {0}, {6}, "",
       "3: Entnahmearmaturen", "p(min,FL)"},
      {"Aqualis/VDI_17/AQ_TRINKWASSER.VDI", 17, 7, 9, "Wohnungswasserzähler WZ", 9, {1}, {12}, "",
       "7: Mess- und Zähleinrichtungen", "Q(n)"},
  };
  for (const TakeOverCase& c : cases) {
    SCOPED_TRACE(c.model);
    data.RemoveAll();
    ASSERT_TRUE(data.AddFile(c.sheet, sampleCatalog(c.file), "", "", "", false));
    ASSERT_TRUE(data.AddFile(c.sheet, sampleCatalog("ThermaNord/VDI_2/TN_HEIZUNG.TGA"), "", "", "", false));
    auto dialog = open(c.sheet);
    EXPECT_TRUE(dialog->progressVisible());
    waitForLoad(*dialog);
    EXPECT_EQ(script.runningTimers(), 0u);
    EXPECT_FALSE(dialog->progressVisible());

    // Sheet 2 lists the TGA file as a second manufacturer, sheet 17 only its own file.
    ASSERT_EQ(dialog->manufacturerTexts().size(), c.sheet == 2 ? 2u : 1u);
    EXPECT_EQ(dialog->manufacturerTexts()[0],
              c.sheet == 2 ? "Aqualis Armaturen GmbH (RLD 03.2011), 15.03.2024"
                           : "Aqualis Armaturen GmbH (RLD 01.2016), 15.03.2024");
    if (c.sheet == 2) {
      EXPECT_EQ(dialog->manufacturerTexts()[1], "ThermaNord Wärmetechnik, 19981020");
    }
    EXPECT_TRUE(dialog->manufacturerListOpen());
    dialog->chooseManufacturer(0);
    EXPECT_FALSE(dialog->manufacturerListOpen());
    EXPECT_EQ(dialog->kinds().front().text, "- keine Armaturenart gewählt -");

    choose(*dialog, c.kind, c.type, c.model);
    EXPECT_EQ(dialog->kinds()[static_cast<std::size_t>(dialog->chosenKind())].text, c.kindText);
    EXPECT_EQ(dialog->types().front().text, "- beliebiger Typ -");
    const int special = [&] {
      for (int column = 0; column < kVariantColumnCount; ++column) {
        if (dialog->columnHeader(column).title == c.firstVisibleSpecial) return column;
      }
      return -1;
    }();
    ASSERT_GE(special, 0);
    EXPECT_TRUE(dialog->columnVisible(special));

    for (int row : c.tickedRows) {
      dialog->setSelected(row, true);
      if (dialog->xpEditable()) dialog->setXpText(row, c.xp);
    }
    dialog->ok();
    EXPECT_TRUE(callsOf(PlatformCallKind::ShowMessage).empty());
    EXPECT_TRUE(dialog->hasEnded());
    EXPECT_EQ(dialog->result(), kDialogOk);
    EXPECT_EQ(dialog->documentName(), fs::path(c.file).filename().string());
    EXPECT_EQ(target.getSize(), static_cast<int>(c.products.size()));
    EXPECT_EQ(treeText(target), convertedModel(sampleCatalog(c.file), c.modelIndex, c.products, toDouble(c.xp)));
  }
}

TEST_F(CatalogDialogTest, FaultyDataKeepTheDialogOpen) {
  struct Case {
    int kind;
    const char* model;
    const char* message;
  };
  const Case cases[] = {
      {2, "Verschraubung V79",  // one variant, but an error
       "Es sind fehlerhafte Daten erkannt worden. Eine Übernahme ist nicht möglich.\n\nBitte Report beachten."},
      {5, "Absperrventil Mix",  // no variant at all
       "Aufgrund von Fehlern konnte keine Armatur erstellt werden.\nNähere Informationen erhalten sie in den "
       "Reports."},
  };
  data.AddFile(2, std::string(ARMAKON_SOURCE_DIR) + "/data/samples/vdi/conversion/HZ_EINSTELLKURVEN_FEHLER.VDI", "",
               "", "", false);
  auto dialog = open(2);
  waitForLoad(*dialog);
  dialog->chooseManufacturer(0);
  for (const Case& c : cases) {
    choose(*dialog, c.kind, 0, c.model);
    for (int row : dialog->shownRows()) dialog->setSelected(row, true);
    dialog->ok();
    EXPECT_FALSE(dialog->hasEnded());
    EXPECT_EQ(callsOf(PlatformCallKind::ShowMessage).back().text, c.message);
    EXPECT_EQ(dialog->reportState(), CMiniReportUtil::kStateErrors);
  }
}

TEST_F(CatalogDialogTest, SecondClickOnTheModelDeselectsItAndEmptiesTheGrid) {
  data.AddFile(2, sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI"), "", "", "", false);
  auto dialog = open(2);
  waitForLoad(*dialog);
  dialog->chooseManufacturer(0);
  choose(*dialog, 2, 1, "Thermostatventil TV-S");
  EXPECT_EQ(dialog->variantRows().size(), 3u);
  EXPECT_EQ(dialog->pictureName(), "tv_s.jpg");
  // The picture beside the data file, its name in other case as Windows catalogs have it.
  EXPECT_EQ(dialog->picturePath(), sampleCatalog("Aqualis/VDI_2/TV_S.JPG"));
  choose(*dialog, 2, 0, "Thermostatventil mit Durchflussbegrenzung TV-D");
  EXPECT_EQ(dialog->pictureName(), "tv_d.jpg");
  EXPECT_EQ(dialog->picturePath(), "");  // no such file
  choose(*dialog, 2, 1, "Thermostatventil TV-S");
  dialog->clickModel(0);
  EXPECT_EQ(dialog->chosenModel(), -1);
  EXPECT_TRUE(dialog->variantRows().empty());
  dialog->ok();
  EXPECT_FALSE(dialog->hasEnded());
  EXPECT_EQ(callsOf(PlatformCallKind::ShowMessage).back().text, "Fehler: keine Armatur/Modell gewählt.");
}

TEST_F(CatalogDialogTest, HintsOnlyAskOnceAndASecondOkAfterViewingTheReportsTakesOver) {
  data.AddFile(17, sampleCatalog("Aqualis/VDI_17/AQ_TRINKWASSER.VDI"), "", "", "", false);
  InstallReportViewer();
  std::vector<std::string> viewed;
  script.queueDialog([&](ModalDialog& shown) {
    auto& viewer = dynamic_cast<CReportListDlg&>(shown);
    viewed.push_back(viewer.title() + "|" + viewer.rootText() + "|" + std::to_string(viewer.selectedChild()));
    viewer.zurueck();
  });
  auto dialog = open(17);
  waitForLoad(*dialog);
  dialog->chooseManufacturer(0);
  choose(*dialog, 2, 3, "Thermischer Zirkulationsregler TZ");
  dialog->setSelected(0, true);

  script.queueAnswer(Answer::Yes);
  dialog->ok();
  EXPECT_FALSE(dialog->hasEnded());
  ASSERT_EQ(callsOf(PlatformCallKind::AskYesNo).size(), 1u);
  EXPECT_EQ(callsOf(PlatformCallKind::AskYesNo)[0].text,
            "Es sind Hinweise zu dem Datensatz aufgetreten.\n\nMöchten Sie sich die Reports ansehen?");
  EXPECT_EQ(viewed, std::vector<std::string>{"Reportliste|Reportliste|0"});
  EXPECT_EQ(dialog->reportState(), CMiniReportUtil::kStateHintsOnly);

  dialog->ok();
  EXPECT_EQ(callsOf(PlatformCallKind::AskYesNo).size(), 1u);
  EXPECT_TRUE(dialog->hasEnded());
  EXPECT_EQ(dialog->result(), kDialogOk);
  EXPECT_TRUE(CMiniReportUtil::instance().empty());
  EXPECT_EQ(target.getSize(), 1);
}

TEST_F(CatalogDialogTest, WhileLoadingTheTimerShowsProgressAndOkDoesNothing) {
  data.AddFile(2, sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI"), "", "", "", false);
  data.LoadAll(false, 2);
  data.AddFile(2, sampleCatalog("RN_USER/VDI_2/HB_STRANGVENTIL.VDI"), "", "", "", false);
  std::unique_ptr<CVdiKatalogDlg> dialog;
  {
    // Holding the load lock keeps the worker from taking the second file.
    std::lock_guard<std::mutex> hold(CMiniReportUtil::loadLock());
    dialog = open(2);
    const auto started = callsOf(PlatformCallKind::StartTimer);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].interval, std::chrono::milliseconds(100));
    script.tickTimers();
    EXPECT_EQ(dialog->statusText(), "Dateien laden: 50%");
    EXPECT_EQ(dialog->manufacturerTexts().size(), 1u);  // the file loaded so far arrives
    EXPECT_TRUE(dialog->manufacturerListOpen());
    dialog->ok();
    EXPECT_FALSE(dialog->hasEnded());
    EXPECT_TRUE(callsOf(PlatformCallKind::ShowMessage).empty());
    dialog->info();
    ASSERT_EQ(callsOf(PlatformCallKind::ShowMessage).size(), 1u);
    EXPECT_EQ(callsOf(PlatformCallKind::ShowMessage)[0].text,
              "Es sind keine Hersteller geladen, oder der Ladevorgang ist nicht abgeschlossen. Bitte warten oder "
              "laden sie mind. eine VDI-Datei.");
  }
  waitForLoad(*dialog);
  EXPECT_EQ(dialog->manufacturerTexts().size(), 2u);
  EXPECT_EQ(callsOf(PlatformCallKind::StopTimer).size(), 1u);
}

TEST_F(CatalogDialogTest, WithoutFilesNothingLoadsAndTheListsAreFilledAtOnce) {
  auto dialog = open(0, kFeatureCheckFile);
  EXPECT_FALSE(dialog->isBusy());
  EXPECT_TRUE(script.calls().empty());  // no timer started
  EXPECT_TRUE(dialog->manufacturerTexts().empty());
  EXPECT_FALSE(dialog->manufacturerListOpen());
  // Sheet 0 lists the kinds of both sheets after the leading entry.
  ASSERT_EQ(dialog->kinds().size(), 1u + 5u + 7u);
  EXPECT_EQ(dialog->kinds()[1].text, "1: Heizkörperarmaturen für Einrohrheizungen");
  EXPECT_EQ(dialog->kinds()[12].text, "7: Mess- und Zähleinrichtungen");
  EXPECT_TRUE(dialog->checkButton().enabled);
  EXPECT_FALSE(dialog->exportButton().enabled);
  EXPECT_FALSE(dialog->addFileButton().enabled);
}

TEST_F(CatalogDialogTest, TypeFilterLeavingNoKindDisablesTheTypeList) {
  data.AddFile(17, sampleCatalog("Aqualis/VDI_17/AQ_TRINKWASSER.VDI"), "", "", "", false);
  CVdiKatalogDlg::Inputs inputs;
  inputs.data = &data;
  inputs.sheet = 17;
  inputs.typeFilter = {1708, 1709};
  CVdiKatalogDlg dialog(inputs);
  dialog.onOpen();
  waitForLoad(dialog);
  dialog.chooseManufacturer(0);
  ASSERT_EQ(dialog.kinds().size(), 3u);  // kinds 6 and 7 hold the reducer and the meter
  EXPECT_EQ(dialog.kinds()[1].kind, 6);
  EXPECT_TRUE(dialog.typeListEnabled());

  inputs.typeFilter = {213};  // a heating type: nothing on sheet 17
  CVdiKatalogDlg none(inputs);
  none.onOpen();
  none.chooseManufacturer(0);
  ASSERT_EQ(none.kinds().size(), 1u);
  EXPECT_EQ(none.kinds()[0].text, "- keine passenden Armaturen gefunden -");
  EXPECT_FALSE(none.typeListEnabled());
}

TEST_F(CatalogDialogTest, CheckFileHoldsWhatTheToolsCheckWrites) {
  const std::string file = sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI");
  data.AddFile(2, file, "", "", "", false);
  auto dialog = open(2, kFeatureCheckFile);
  waitForLoad(*dialog);
  dialog->chooseManufacturer(0);
  TempFolder folder;
  const std::string written = folder.path("check.txt");
  script.queueFileToSave(written);
  script.queueAnswer(Answer::Yes);
  dialog->checkFile();

  const auto save = callsOf(PlatformCallKind::ChooseFileToSave);
  ASSERT_EQ(save.size(), 1u);
  EXPECT_EQ(save[0].request.initialName, "Blatt 2 - Aqualis Armaturen GmbH (RLD 03_2011) - 15_03_2024.txt");
  ASSERT_EQ(callsOf(PlatformCallKind::OpenWithSystem).size(), 1u);
  EXPECT_EQ(callsOf(PlatformCallKind::OpenWithSystem)[0].text, written);

  CVDIDoc document;
  ASSERT_TRUE(document.Load(file, false, 0));
  StringList lines;
  BuildCheckFile(lines, document, std::tm{});
  std::string expected = CheckFileText(lines);
  const std::string actual = fileBytes(written);
  // Everything but the creation-date line.
  ASSERT_NE(actual.find('\n'), std::string::npos);
  EXPECT_EQ(actual.substr(actual.find('\n')), expected.substr(expected.find('\n')));
  EXPECT_TRUE(CMiniReportUtil::instance().includeDocumentInfo());
  EXPECT_FALSE(CMiniReportUtil::instance().includeRecordContext());
}

}  // namespace
}  // namespace armakon::dialogtest
