// The valve catalog dialog's further actions: accessory choice and property filter narrowing
// the take-over, "Info/Testen...", the export, "+ .vdi", and the report viewer.

#include <gtest/gtest.h>

#include <algorithm>

#include "armakon/dialogs/CReportListDlg.h"
#include "tests/dialogs/CatalogDialogFixture.h"

namespace armakon::dialogtest {
namespace {

class CatalogDialogActionsTest : public CatalogDialogTest {
 protected:
  // The heating sample loaded, the thermostatic valve TV-S chosen (products 3, 4, 5).
  std::unique_ptr<CVdiKatalogDlg> openThermostatic(unsigned features = 0) {
    data.AddFile(2, sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI"), "", "", "", false);
    auto dialog = open(2, features);
    waitForLoad(*dialog);
    dialog->chooseManufacturer(0);
    choose(*dialog, 2, 1, "Thermostatventil TV-S");
    return dialog;
  }
};

TEST_F(CatalogDialogActionsTest, PropertyFilterAndAccessoryChoiceNarrowTheTakeOver) {
  auto dialog = openThermostatic();
  const auto& rows = dialog->filter().rows();
  const auto bauform = std::find_if(rows.begin(), rows.end(), [](const PropertyFilterRow& r) {
    return r.satzNr == "200" && r.eigenschaft == "Bauform";
  });
  ASSERT_NE(bauform, rows.end());
  EXPECT_EQ(bauform->values, (std::vector<std::string>{"Eckform", "Durchgangsform"}));
  const int bauformRow = static_cast<int>(bauform - rows.begin());
  dialog->chooseFilterValue(bauformRow, 1);
  EXPECT_EQ(dialog->filter().rows()[static_cast<std::size_t>(bauformRow)].bezeichnung(), "Durchgangsform");
  EXPECT_EQ(dialog->shownRows(), std::vector<int>{2});
  dialog->chooseFilterValue(bauformRow, -1);
  EXPECT_EQ(dialog->shownRows().size(), 3u);

  // The user unticks the first accessory of the first row.
  std::vector<std::string> offered;
  script.queueDialog([&](ModalDialog& shown) {
    auto& choice = dynamic_cast<CZubehoerAuswahlDlg&>(shown);
    offered.push_back(choice.title());
    for (std::size_t i = 0; i < choice.size(); ++i) offered.push_back(choice.text(i));
    choice.setChosen(0, false);
    choice.ok();
  });
  dialog->chooseAccessories(0);
  ASSERT_GE(offered.size(), 3u);
  EXPECT_EQ(offered[0], "Zubehörauswahl - TV-S DN 10 Eckform");
  EXPECT_EQ(offered[1], "Thermostatkopf K (AQ-TK-01)");
  EXPECT_EQ(dialog->cells(0)[static_cast<int>(VariantColumn::Zubehoer)].info.find("Thermostatkopf K"),
            std::string::npos);

  dialog->setSelected(0, true);
  dialog->ok();
  ASSERT_TRUE(dialog->hasEnded());
  std::string fullText = convertedModel(sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI"), 3, {3}, 2.0);
  ASSERT_EQ(target.getSize(), 1);
  EXPECT_EQ(static_cast<std::size_t>(target.getArmaturAt(0)->getZubehoer().size()), offered.size() - 2);
  EXPECT_NE(treeText(target), fullText);
}

TEST_F(CatalogDialogActionsTest, InfoShowsTheConvertedModelWithoutTouchingTheTarget) {
  auto dialog = openThermostatic();
  int shownVariants = -1;
  dialog->showModelInfo = [&](const hydArmaturenModell& model) { shownVariants = model.getSize(); };
  dialog->info();  // nothing ticked: two messages, no information
  const auto messages = callsOf(PlatformCallKind::ShowMessage);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "Fehler: keine Armaturausführungen ausgewählt.");
  EXPECT_EQ(messages[1].text,
            "Die gewählte Armatur konnte nicht erzeugt werden.\nFür nähere Informationen, beachten sie bitte die "
            "Reports.");
  EXPECT_EQ(shownVariants, -1);

  dialog->setSelected(1, true);
  dialog->setSelected(2, true);
  dialog->info();
  EXPECT_EQ(shownVariants, 2);
  EXPECT_EQ(target.getSize(), 0);
  EXPECT_FALSE(dialog->hasEnded());
}

TEST_F(CatalogDialogActionsTest, ExportWritesThermostaticModelsAndRefusesOthers) {
  auto dialog = openThermostatic(kFeatureExport);
  EXPECT_TRUE(dialog->exportButton().enabled);
  TempFolder folder;
  script.queueFileToSave(folder.path("tv-s.txt"));
  dialog->exportModel();  // every row, none ticked
  EXPECT_TRUE(callsOf(PlatformCallKind::ShowMessage).empty());
  const std::string text = fileBytes(folder.path("tv-s.txt"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 3);  // two heading lines, one line per variant
  EXPECT_NE(text.find("AQ-TVS-10"), std::string::npos) << text;

  choose(*dialog, 4, 4, "Strangregulierventil SR");
  script.queueFileToSave(folder.path("sr.txt"));
  dialog->exportModel();
  ASSERT_EQ(callsOf(PlatformCallKind::ShowMessage).size(), 1u);
  EXPECT_EQ(callsOf(PlatformCallKind::ShowMessage)[0].text, "Fehler. Falscher Armaturtyp? Datei schreibgeschützt?");
  EXPECT_FALSE(fs::exists(folder.path("sr.txt")));
}

TEST_F(CatalogDialogActionsTest, AddedFileLoadsAndBecomesTheChosenManufacturer) {
  data.AddFile(2, sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI"), "", "", "", false);
  auto dialog = open(2, kFeatureOldFiles, true);
  waitForLoad(*dialog);
  EXPECT_TRUE(dialog->addFileButton().enabled);
  script.queueFilesToOpen({sampleCatalog("RN_USER/VDI_2/HB_STRANGVENTIL.VDI")});
  dialog->addVdiFile();
  const auto chooser = callsOf(PlatformCallKind::ChooseFilesToOpen);
  ASSERT_EQ(chooser.size(), 1u);
  EXPECT_EQ(chooser[0].request.title, "Bitte eine VDI 3805 Datei öffnen");
  EXPECT_EQ(chooser[0].request.filter.substr(0, 33), "VDI 3805 Dateien (*.VDI;*.TGA)|*.");
  EXPECT_TRUE(dialog->isBusy());
  waitForLoad(*dialog);
  ASSERT_EQ(dialog->manufacturerTexts().size(), 2u);
  ASSERT_EQ(dialog->chosenManufacturer(), 1);
  EXPECT_EQ(dialog->manufacturerTexts()[1], "Hydrowerk Beispiel KG (RLD 11.2001), 15.01.2002");
  EXPECT_FALSE(dialog->manufacturerListOpen());
}

TEST_F(CatalogDialogActionsTest, ReportViewerShowsTheSortedEntriesAndWritesThemAsText) {
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.addHint(5, "Hinweis\r\neins", "Text des Hinweises");
  reports.addError(20, "Fehler zwei", "erste Zeile\nzweite Zeile");
  InstallReportViewer();
  TempFolder folder;
  std::vector<std::string> seen;
  script.queueDialog([&](ModalDialog& shown) {
    auto& viewer = dynamic_cast<CReportListDlg&>(shown);
    EXPECT_TRUE(viewer.rootExpanded());
    seen = viewer.childTexts();
    seen.push_back(viewer.title());
    seen.push_back(viewer.detailText());
    viewer.zeigen();
    script.queueFileToSave(folder.path("reports.txt"));
    EXPECT_TRUE(viewer.textdatei());
    viewer.zurueck();
  });
  reports.setSeen(false);
  reports.show("AQ_HEIZUNG.VDI");
  EXPECT_TRUE(reports.seen());
  EXPECT_EQ(seen, (std::vector<std::string>{"Fehler zwei", "Hinweiseins", "Reportliste - AQ_HEIZUNG.VDI",
                                            "Fehler zwei:\r\n\r\nerste Zeile\r\nzweite Zeile"}));
  ASSERT_EQ(callsOf(PlatformCallKind::ShowMessage).size(), 1u);
  EXPECT_EQ(callsOf(PlatformCallKind::ShowMessage)[0].caption, "Fehler zwei");
  EXPECT_EQ(fileBytes(folder.path("reports.txt")),
            "Fehler 20\r\nFehler zwei:\r\n\r\nerste Zeile\r\nzweite Zeile\r\n\r\n"
            "Hinweis 1005\r\nHinweis\r\neins:\r\n\r\nText des Hinweises\r\n\r\n");
}

}  // namespace
}  // namespace armakon::dialogtest
