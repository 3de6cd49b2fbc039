// The assignment dialog on catalogs in a temporary folder: header table, library list, the
// copy under its various names, and what the info files end up holding.

#include <gtest/gtest.h>

#include <map>

#include "armakon/components/hydCatalogManager.h"
#include "armakon/dialogs/CPathSpecDlg.h"
#include "tests/dialogs/DialogFixtures.h"

namespace armakon::dialogtest {
namespace {

class PathSpecDialogTest : public ScriptedTest {
 protected:
  PathSpecDialogTest() {
    root.write("Zeta/desktop.info",
               "Content:VDI_2:VDI_17\r\n\tVDI_17:VDI_17\\OLD.VDI\r\nENDE\r\nID=ZETA\r\nName=zeta Ventile\r\n");
    root.write("Alpha/desktop.info", "Content:VDI_17\r\nENDE\r\nID=ALPHA\r\nName=Beta Werke\r\n");
    root.write("User/desktop.info", "Content:VDI_2:VDI_17\r\nENDE\r\nID=RN_USER\r\n");
    manager.init(root.path());
  }

  std::map<std::string, std::string> infoFiles() const {
    std::map<std::string, std::string> files;
    for (const char* name : {"Zeta", "Alpha", "User"}) files[name] = fileBytes(root.path(std::string(name) + "/desktop.info"));
    return files;
  }

  // Opens the dialog for the file, chooses the library of that identifier and presses OK.
  CPathSpecDlg& assign(const std::string& file, int sheet, const std::string& id, bool encoded = false) {
    dialog = std::make_unique<CPathSpecDlg>(manager);
    dialog->vdiPath = file;
    dialog->blatt = sheet;
    dialog->verschluesseln = encoded;
    dialog->onOpen();
    for (std::size_t i = 0; i < dialog->libraries().size(); ++i) {
      if (dialog->libraries()[i].id == id) dialog->selectLibrary(static_cast<int>(i));
    }
    dialog->ok();
    return *dialog;
  }

  TempFolder root;
  hydCatalogManager manager;
  std::unique_ptr<CPathSpecDlg> dialog;
};

TEST_F(PathSpecDialogTest, HeaderTableOfCurrentAndOldFiles) {
  struct Case {
    const char* file;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {"Aqualis/VDI_2/AQ_HEIZUNG.VDI",
       {"2", "201103", "Aqualis Armaturen GmbH", "20240315", "www.aqualis.example",
        "Synthetische Beispieldaten für Armakon, \nAlle Produkte und Werte sind erfunden."}},
      {"../vdi/AQ_HEIZUNG.vdix",  // encoded: its header is read from the decoded lines
       {"2", "201103", "Aqualis Armaturen GmbH", "20240315", "www.aqualis.example",
        "Synthetische Beispieldaten für Armakon, \nAlle Produkte und Werte sind erfunden."}},
      {"ThermaNord/VDI_2/TN_HEIZUNG.TGA",
       {"-", "1098", "ThermaNord Wärmetechnik", "19981020", "nicht verfügbar",
        "Altdaten im Format von 1996, \nsynthetisch erzeugt"}},
  };
  for (const Case& c : cases) {
    CPathSpecDlg shown(manager);
    shown.vdiPath = sampleCatalog(c.file);
    shown.blatt = 2;
    shown.onOpen();
    std::vector<std::string> values;
    for (const auto& row : shown.headerRows()) values.push_back(row.value);
    EXPECT_EQ(values, c.values) << c.file;
    EXPECT_EQ(shown.headerRows()[4].label, "Internetadresse:");
    const std::string head = "VDI-Datei: \"" + fs::path(c.file).filename().string() + "\"\nBlattnummer: " + c.values[0];
    EXPECT_EQ(shown.informationText().substr(0, head.size()), head);
    EXPECT_TRUE(shown.checkBoxVisible());
  }
  // The user folder first, then the catalogs by display name, case ignored.
  CPathSpecDlg shown(manager);
  shown.vdiPath = sampleCatalog(cases[0].file);
  shown.onOpen();
  ASSERT_EQ(shown.libraries().size(), 3u);
  EXPECT_EQ(shown.libraries()[0].displayName, "- Keinem spezifischen Hersteller zuordnen. (User-Ordner)");
  EXPECT_EQ(shown.libraries()[1].id, "ALPHA");
  EXPECT_EQ(shown.libraries()[2].id, "ZETA");
  EXPECT_EQ(shown.selectedLibrary(), 0);
}

TEST_F(PathSpecDialogTest, UserFolderTakesTheCopyAndNoInfoFileChanges) {
  const auto before = infoFiles();
  CPathSpecDlg& done = assign(sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI"), 2, "RN_USER");
  EXPECT_EQ(done.result(), kDialogOk);
  EXPECT_EQ(fs::path(done.vdiPath), fs::path(root.path("User/VDI_2/AQ_HEIZUNG.VDI")));
  EXPECT_EQ(fileBytes(done.vdiPath), fileBytes(sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI")));
  EXPECT_EQ(done.catalogId, "RN_USER");
  EXPECT_EQ(infoFiles(), before);
}

TEST_F(PathSpecDialogTest, SheetFolderThatCannotBeMadeEndsWithoutCopy) {
  root.write("Alpha/VDI_17", "a file where the sheet folder belongs");
  const std::string source = sampleCatalog("Aqualis/VDI_17/AQ_TRINKWASSER.VDI");
  CPathSpecDlg& done = assign(source, 17, "ALPHA");
  EXPECT_EQ(done.result(), kDialogOk);
  EXPECT_EQ(done.vdiPath, source);
  const auto messages = callsOf(PlatformCallKind::ShowMessage);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Verzeichnis konnte nicht angelegt werden! Bitte prüfen sie Ihre Schreibrechte und "
                              "Benutzerrechte in " + manager.findCatalogInfo("ALPHA")->getStrRootPath() + ".");
}

TEST_F(PathSpecDialogTest, KeepingExistingFilesNumbersTheCopy) {
  const std::string source = sampleCatalog("Aqualis/VDI_2/AQ_HEIZUNG.VDI");
  root.write("Zeta/VDI_2/AQ_HEIZUNG.VDI", "old");
  script.queueAnswer(Answer::No);
  EXPECT_EQ(fs::path(assign(source, 2, "ZETA").vdiPath).filename(), "AQ_HEIZUNG_1.VDI");
  script.queueAnswer(Answer::No);
  EXPECT_EQ(fs::path(assign(source, 2, "ZETA").vdiPath).filename(), "AQ_HEIZUNG_2.VDI");
  EXPECT_EQ(fileBytes(root.path("Zeta/VDI_2/AQ_HEIZUNG.VDI")), "old");
  // Cancel keeps the dialog open and copies nothing.
  script.queueAnswer(Answer::Cancel);
  EXPECT_FALSE(assign(source, 2, "ZETA").hasEnded());
  EXPECT_FALSE(fs::exists(root.path("Zeta/VDI_2/AQ_HEIZUNG_3.VDI")));
  EXPECT_TRUE(script.scriptUsedUp());
  // The content line lists VDI_2 already; each copy adds an entry under the name as first formed.
  StringList lines;
  ASSERT_TRUE(hydStrUtil::readStringlistFromFile(lines, root.path("Zeta/desktop.info"), kCodePageUtf8));
  EXPECT_EQ(lines, (StringList{"Content:VDI_2:VDI_17", "\tVDI_17:VDI_17\\OLD.VDI", "\tVDI_2:VDI_2\\AQ_HEIZUNG.VDI",
                               "\tVDI_2:VDI_2\\AQ_HEIZUNG.VDI", "ENDE", "ID=ZETA", "Name=zeta Ventile"}));
}

TEST_F(PathSpecDialogTest, EncodedCopyIsNamedVdixAndReadsBack) {
  const std::string source = sampleCatalog("Aqualis/VDI_17/AQ_TRINKWASSER.VDI");
  CPathSpecDlg& done = assign(source, 17, "ALPHA", true);
  EXPECT_EQ(fs::path(done.vdiPath).filename(), "AQ_TRINKWASSER.VDIx");
  StringList copied;
  StringList original;
  ASSERT_TRUE(hydStrUtil::readStringlistFromFile(copied, done.vdiPath, kCodePage1252, 1));
  ASSERT_TRUE(hydStrUtil::readStringlistFromFile(original, source, kCodePage1252));
  EXPECT_EQ(copied, original);
  EXPECT_NE(fileBytes(done.vdiPath).find("ARMAKON-VDIX"), std::string::npos);
  // The content line listed VDI_17 already and stays as it was.
  StringList lines;
  ASSERT_TRUE(hydStrUtil::readStringlistFromFile(lines, root.path("Alpha/desktop.info"), kCodePageUtf8));
  EXPECT_EQ(lines, (StringList{"Content:VDI_17", "\tVDI_17:VDI_17\\AQ_TRINKWASSER.VDIx", "ENDE", "ID=ALPHA",
                               "Name=Beta Werke"}));
  // The catalog manager was initialised again and knows the registered file.
  const hydCatalogInfo* alpha = manager.findCatalogInfo("ALPHA");
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->getContentFilePathNames("VDI_17").size(), 1u);
}

TEST(RegisterInInfoLinesTest, ContentLineEntryAndReplacedEntry) {
  struct Case {
    StringList lines;
    bool removeOld;
    StringList expected;
  };
  const Case cases[] = {
      // A folder missing from the content line is appended; the entry goes before ENDE.
      {{"Content:VDI_2", "ENDE", "ID=X"}, false, {"Content:VDI_2:VDI_17", "\tVDI_17:VDI_17\\A.VDI", "ENDE", "ID=X"}},
      // Overwriting removes the line that named the file before.
      {{"CONTENT:VDI_17", "\tVDI_17:VDI_17\\A.VDI", "ENDE"}, true, {"CONTENT:VDI_17", "\tVDI_17:VDI_17\\A.VDI", "ENDE"}},
      // Without ENDE the entry goes before the last line.
      {{"content:VDI_17", "ID=X"}, false, {"content:VDI_17", "\tVDI_17:VDI_17\\A.VDI", "ID=X"}},
      // Nothing goes into an empty file.
      {{}, false, {}},
  };
  for (const Case& c : cases) {
    StringList lines = c.lines;
    EXPECT_EQ(RegisterInInfoLines(lines, "VDI_17", "A.VDI", c.removeOld), !c.lines.empty());
    EXPECT_EQ(lines, c.expected);
  }
}

}  // namespace
}  // namespace armakon::dialogtest
