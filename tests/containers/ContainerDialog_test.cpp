// The container dialog and the local valve choice, played through the scripted platform with
// the valve catalog dialog on the sample catalogs.

#include <string>
#include <vector>

#include "armakon/containers/CRnArmaturAuswahlDlg.h"
#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "tests/containers/ContainerDialogFixture.h"

namespace armakon::containertest {
namespace {

constexpr const char* kIdentical =
    "Es ist bereits eine identische Armaturenreihe vorhanden.\nSoll die Armaturengruppe hinzugefügt werden?";
constexpr const char* kSimilar =
    "Es ist bereits eine ähnliche Armaturenreihe vorhanden.\nSoll die Armaturengruppe hinzugefügt werden?";
constexpr int kSeparator = ARMATURENTYP_KEIN;

std::vector<int> offeredKinds(const CRnArmaturAuswahlDlg& dialog) {
  std::vector<int> kinds;
  for (const auto& offer : dialog.offers()) kinds.push_back(offer.kind);
  return kinds;
}

std::vector<int> ids(const ArmaturenModellListe& list) {
  std::vector<int> result;
  for (const auto& entry : list) result.push_back(entry->getId());
  return result;
}

struct SessionCase {
  int sheet;
  const char* file;
  enArmaturenTyp general;        // the offer of the general valves
  enArmaturenTyp generalAgain;   // how the second general group is asked for
  CatalogPick generalPick;       // rows: the smaller and the larger size
  enArmaturenTyp localOnly;      // an offer of the local tab only
  CatalogPick localPick;
  std::vector<int> globalOffers;
  std::vector<int> localOffers;
  std::vector<int> generalFilter;  // type codes asked for the general valves
  bool extendedShown;
  const char* filesFilterPart;     // in the file choice of "add VDI files"
};

TEST_F(ContainerDialogTest, SessionAddsReordersDeletesAndAssignsAndTheSearchSeesTheOrder) {
  const SessionCase cases[] = {
      {2, "Aqualis/VDI_2/AQ_HEIZUNG.VDI", HZ_ALLGEMEINE_ARMATUREN, HZ_ALLGEMEINE_ARMATUREN,
       {5, 11, "Absperrventil AV", {0, 1}}, HZ_DREIWEGE_MISCHARMATUR, {4, 13, "Dreiwegemischer M3 mit Antrieb", {0}},
       {4446, 4447, 4457, kSeparator, 4448, 4449, kSeparator, 4450, 4454, 4451, kSeparator, 4452, kSeparator, 4445},
       {4446, 4447, 4457, kSeparator, 4448, 4449, kSeparator, 4450, 4454, 4451, kSeparator, 4452, kSeparator, 4453,
        4455, 4456, kSeparator, 4445},
       {211}, true, "*.TGA"},
      {17, "Aqualis/VDI_17/AQ_TRINKWASSER.VDI", TW_ALLGEMEINE_ARMATUREN, static_cast<enArmaturenTyp>(5555),
       {1, 1, "Schrägsitzventil SV", {0, 1}}, TW_ENTNAHMEARMATUR, {3, 4, "Waschtischarmatur WT", {0}},
       {5557, 5558, kSeparator, 5559, 5562, kSeparator, 5563, kSeparator, 5564, kSeparator, 5556},
       {5557, 5558, kSeparator, 5559, 5562, kSeparator, 5560, kSeparator, 5563, kSeparator, 5564, kSeparator, 5556},
       {1701}, false, "ab 11.2001 (*.VDI)|*.VDI|Alle"},
  };
  for (const SessionCase& c : cases) {
    SCOPED_TRACE(c.sheet);
    SheetContainer container(c.sheet);
    data.RemoveAll();
    loadSample(c.sheet, c.file);
    requests.clear();
    const std::size_t questionsBefore = questions().size();
    const std::size_t fileChoicesBefore = callsOf(PlatformCallKind::ChooseFilesToOpen).size();
    const CatalogPick bothSizes = c.generalPick;
    const CatalogPick largerSize{bothSizes.kind, bothSizes.type, bothSizes.model, {bothSizes.rows[1]}};
    const CatalogPick smallerSize{bothSizes.kind, bothSizes.type, bothSizes.model, {bothSizes.rows[0]}};
    picks = {bothSizes, largerSize, smallerSize, c.localPick};
    script.queueAnswer(Answer::Yes);
    script.queueAnswer(Answer::Yes);
    script.queueFilesToOpen({});

    int groupsAsked = 0;
    std::vector<std::string> assigned;
    std::string informationShown;
    const GroupNameCallback groupName = [&](WindowHandle) { return "Gruppe " + std::to_string(++groupsAsked); };
    const AssignCallback assign = [&](WindowHandle, const ArmaturenModell& entry) {
      assigned.push_back(entry.getModell().getModelType());
    };
    const EntryTextCallback text = [](const ArmaturenModell& entry) { return " [" + entry.getGruppe() + "]"; };

    script.queueDialog([&](ModalDialog& shown) {
      auto& dialog = dynamic_cast<CRnArmaturAuswahlDlg&>(shown);
      EXPECT_EQ(dialog.iconName(), "ICONS");
      EXPECT_EQ(dialog.tabText(0), "Globale Vorauswahl");
      EXPECT_EQ(dialog.tabText(1), "Lokale Zuweisung");
      EXPECT_EQ(dialog.extendedVisible(), c.extendedShown);
      EXPECT_EQ(offeredKinds(dialog), c.globalOffers);
      EXPECT_EQ(dialog.offers().back().text,
                getVentilName(static_cast<enArmaturenTyp>(c.globalOffers.back())) + " (in Zeichnung zuordnen)");

      // Two groups of the same series: both sizes, then only the larger one (similar: Yes).
      dialog.add(c.general);
      ASSERT_EQ(dialog.rowCount(), 1);
      dialog.add(c.generalAgain);
      ASSERT_EQ(dialog.rowCount(), 2);
      EXPECT_EQ(dialog.selectedRow(), 1);
      EXPECT_EQ(dialog.cell(0, 0), "1");
      EXPECT_NE(dialog.cell(0, 1).find("\r\n" + bothSizes.model + "\r\n"), std::string::npos);
      EXPECT_EQ(dialog.cell(0, 2), getVentilName(c.general) + " [Gruppe 1]");
      EXPECT_EQ(dialog.cell(0, 3), "-");
      EXPECT_EQ(container.getGlobalList()[1]->getTyp(), c.general);
      EXPECT_TRUE(dialog.moveUpEnabled());
      EXPECT_FALSE(dialog.moveDownEnabled());
      dialog.moveUp();
      EXPECT_EQ(dialog.selectedRow(), 0);

      // A third group inserted at the selected row, moved down, deleted again.
      dialog.add(c.general);
      ASSERT_EQ(dialog.rowCount(), 3);
      EXPECT_EQ(dialog.selectedRow(), 0);
      EXPECT_EQ(container.getGlobalList()[0]->getModell().getSize(), 1);
      dialog.moveDown();
      EXPECT_EQ(dialog.selectedRow(), 1);
      EXPECT_TRUE(dialog.moveUpEnabled() && dialog.moveDownEnabled());
      dialog.deleteSelected();
      EXPECT_EQ(dialog.rowCount(), 2);
      EXPECT_EQ(dialog.selectedRow(), 1);

      script.queueDialog([&](ModalDialog& info) {
        informationShown = dynamic_cast<CArmaturInfoDlg&>(info).model().getModelType();
      });
      dialog.showInformation();
      dialog.addVdiFiles();

      // The local tab: its own offers, adding, assigning, deleting the only row.
      EXPECT_FALSE(dialog.assignVisible());
      dialog.chooseTab(1);
      EXPECT_EQ(offeredKinds(dialog), c.localOffers);
      EXPECT_EQ(dialog.offers().back().text, getVentilName(static_cast<enArmaturenTyp>(c.localOffers.back())));
      dialog.add(c.localOnly);
      ASSERT_EQ(dialog.rowCount(), 1);
      EXPECT_EQ(dialog.cell(0, 0), "0");
      EXPECT_TRUE(dialog.assignEnabled());
      dialog.assignInDrawing();
      dialog.deleteSelected();
      EXPECT_EQ(dialog.selectedRow(), -1);
      EXPECT_FALSE(dialog.deleteEnabled());

      dialog.setExtended(true);
      dialog.ok();
    });
    int extended = 0;
    EXPECT_EQ(container.armaturenAuswahlDialog(nullptr, "ICONS", assign, groupName, text, {}, 1, 0, 1, 1, 1, extended),
              kDialogOk);
    EXPECT_EQ(extended, c.extendedShown ? 1 : 0);
    EXPECT_TRUE(picks.empty());
    const std::vector<std::string> asked = questions();
    EXPECT_EQ(std::vector<std::string>(asked.begin() + static_cast<std::ptrdiff_t>(questionsBefore), asked.end()),
              (std::vector<std::string>{kSimilar, kSimilar}));
    EXPECT_EQ(assigned, std::vector<std::string>{c.localPick.model});
    EXPECT_EQ(informationShown, bothSizes.model);
    const auto fileChoices = callsOf(PlatformCallKind::ChooseFilesToOpen);
    ASSERT_EQ(fileChoices.size(), fileChoicesBefore + 1);
    EXPECT_NE(fileChoices.back().request.filter.find(c.filesFilterPart), std::string::npos);
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(std::vector<int>(requests[0].types.begin(), requests[0].types.end()), c.generalFilter);
    EXPECT_TRUE(requests[0].mayAddFiles);
    EXPECT_EQ(requests[0].sheet, c.sheet);
    EXPECT_EQ(requests[0].features, c.sheet == 2 ? 3u : 11u);

    // The global list is now: the larger size only (id 2), then both sizes (id 1).
    EXPECT_EQ(ids(container.getGlobalList()), (std::vector<int>{2, 1}));
    EXPECT_TRUE(container.getLocalList().empty());
    ARMATUR record;
    record.dimension = 20;
    ASSERT_TRUE(container.findGlobalFestwiderstand("", c.general, record));
    EXPECT_EQ(record.modellId, 2);
    EXPECT_EQ(record.dimension, 20);
    ASSERT_TRUE(container.swapEntries(false, 0, 1));
    ASSERT_TRUE(container.findGlobalFestwiderstand("", c.general, record));
    EXPECT_EQ(record.modellId, 1);
  }
}

TEST_F(ContainerDialogTest, AnEqualSeriesIsAddedOnlyWhenTheUserSaysYes) {
  struct Case {
    std::vector<int> rows;  // of the second group; the first has both sizes
    Answer answer;
    const char* question;
    int rowsAfter;
  };
  const Case cases[] = {
      {{0, 1}, Answer::Yes, kIdentical, 2},
      {{0, 1}, Answer::No, kIdentical, 1},
      {{1}, Answer::Cancel, kSimilar, 1},
      {{1}, Answer::Yes, kSimilar, 2},
  };
  loadSample(2, "Aqualis/VDI_2/AQ_HEIZUNG.VDI");
  for (const Case& c : cases) {
    SheetContainer container(2);
    CRnArmaturAuswahlDlg::Inputs inputs;
    inputs.groupName = [](WindowHandle) { return std::string("Absperrung"); };
    CRnArmaturAuswahlDlg dialog(container, inputs);
    picks = {{5, 11, "Absperrventil AV", {0, 1}}, {5, 11, "Absperrventil AV", c.rows}};
    script.queueAnswer(c.answer);
    const std::size_t asked = questions().size();
    dialog.add(HZ_ALLGEMEINE_ARMATUREN);
    dialog.add(HZ_ALLGEMEINE_ARMATUREN);
    EXPECT_EQ(dialog.rowCount(), c.rowsAfter);
    ASSERT_EQ(questions().size(), asked + 1);
    EXPECT_EQ(questions().back(), c.question);
  }

  // No group name, no valve selection.
  SheetContainer container(2);
  CRnArmaturAuswahlDlg dialog(container, {});
  const std::size_t opened = requests.size();
  dialog.add(HZ_ALLGEMEINE_ARMATUREN);
  EXPECT_EQ(requests.size(), opened);
}

TEST_F(ContainerDialogTest, SingleListWorksOnTheGlobalListOnlyAndGivesExtendedZero) {
  SheetContainer container(2);
  script.queueDialog([](ModalDialog& shown) {
    auto& dialog = dynamic_cast<CRnArmaturAuswahlDlg&>(shown);
    EXPECT_FALSE(dialog.tabSwitchVisible());
    EXPECT_FALSE(dialog.extendedVisible());
    EXPECT_FALSE(dialog.extended());
    EXPECT_FALSE(dialog.addVdiFilesEnabled());
    dialog.chooseTab(1);
    dialog.setExtended(true);
    EXPECT_EQ(dialog.tab(), 0);
    EXPECT_FALSE(dialog.assignVisible());
    EXPECT_EQ(offeredKinds(dialog), (std::vector<int>{4446, 4447, kSeparator, 4448, 4449, kSeparator, 4450, 4451,
                                                      kSeparator, 4452, kSeparator, 4445}));
    dialog.ok();
  });
  int extended = 1;
  EXPECT_EQ(container.armaturenAuswahlDialog(nullptr, "", {}, {}, {}, {}, 0, 1, 0, 0, 0, extended), kDialogOk);
  EXPECT_EQ(extended, 0);

  // Without singleList a cancelled dialog leaves the extended value as it was.
  extended = 1;
  EXPECT_EQ(container.armaturenAuswahlDialog(nullptr, "", {}, {}, {}, {}, 0, 0, 0, 0, 0, extended), kDialogCancel);
  EXPECT_EQ(extended, 1);
}

TEST_F(ContainerDialogTest, SelectLocalArmaturReusesAnEqualEntryAndLeavesTheRecordWhenCancelled) {
  loadSample(17, "Aqualis/VDI_17/AQ_TRINKWASSER.VDI");
  SheetContainer container(17);
  const CatalogPick pick{2, 2, "Zirkulationsregulierventil ZR", {0}};
  picks = {pick, pick};
  int added = 0;
  const AddedCallback onAdded = [&added] { ++added; };
  for (int round = 0; round < 2; ++round) {
    ARMATUR record{0, 25, 3, 4, 0};
    ASSERT_TRUE(container.selectLocalArmatur(nullptr, TW_STRANGREGULIERVENTIL, record, false, onAdded, {}));
    EXPECT_EQ(record.modellId, 1);
    EXPECT_EQ(record.dimension, 25);
    EXPECT_EQ(record.einstellung, -1);
    EXPECT_EQ(record.einstellung2, 4);
    EXPECT_EQ(record.auswahl, 1);
  }
  EXPECT_EQ(added, 1);
  EXPECT_EQ(container.getLocalList().size(), 1u);
  EXPECT_TRUE(container.getGlobalList().empty());
  EXPECT_EQ(std::vector<int>(requests[0].types.begin(), requests[0].types.end()), (std::vector<int>{1702, 1702}));
  EXPECT_FALSE(requests[0].mayAddFiles);
  EXPECT_EQ(requests[0].features, 2u);

  ARMATUR record{7, 15, 2, -1, 0};
  EXPECT_FALSE(container.selectLocalArmatur(nullptr, TW_STRANGREGULIERVENTIL, record, false, onAdded, {}));
  EXPECT_EQ(record.modellId, 7);
  EXPECT_EQ(record.einstellung, 2);
  EXPECT_EQ(record.auswahl, 0);
  EXPECT_EQ(added, 1);
}

}  // namespace
}  // namespace armakon::containertest
