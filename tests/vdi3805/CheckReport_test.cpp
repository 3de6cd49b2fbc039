// The check report on small files built here: name tables, the block per valve type with its
// entries and counts, the wanted XP of thermostatic valves, accessory sources, the check
// file's header and text, and the save dialog of the report file.

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "ConversionFixtures.h"
#include "DocumentFixtures.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/vdi3805/CheckReport.h"
#include "armakon/vdi3805/CheckReportFile.h"

namespace armakon {
namespace {

using convtest::makeDocument;
using convtest::tga;

const std::string kSep(kCheckReportSeparator);

// A sheet-2 file: a thermostatic valve body whose data cover XP 3 to 4 K only (type 1), a
// screw connection whose kv values rise (type 2, an error), a fixed resistance without DN
// (type 11, a hint) and one whose accessory reference leads nowhere (type 11, a hint).
std::vector<std::string> heatingLines() {
  return {
      "010;2;201103;Prüfwerk GmbH;20240101;www.pruefwerk.example;Erste Zeile¶Zweite Zeile",
      "100;2;;Heizkörperarmaturen für Zweirohrheizungen",
      "110;1;;Thermostatventil T;;;",
      "700;1;;1;15;0.9;120;10;0.6;;;;1;Stufe",
      "710.01;1;3.0;;1;1;;;0.2",
      "710.01;2;4.0;;1;1;;;0.3",
      "710.01;3;3.0;;2;2;;;0.4",
      "710.01;4;4.0;;2;2;;;0.6",
      "800;1;" + tga(2, 1, 1) + ";Thermostatventil T DN 15;",
      "810;1;PW-T-15;;;",
      "110;2;;Verschraubung V;;;",
      "700;2;;2;15;1.0;120;10;0.6;;;;1;Umdrehungen",
      "710.01;5;;;1;1;;;0.2",
      "710.01;6;;;2;2;;;0.5",
      "710.01;7;;;3;3;;;0.3",
      "800;2;" + tga(2, 2, 2) + ";Verschraubung V DN 15;",
      "810;2;PW-V-15;;;",
      "100;5;;Armaturen mit Festwiderständen",
      "110;3;;Kugelhahn K;;;",
      "300;1;;Zubehör;Griff",
      "300.01;1;600;9;1",
      "700;3;;11;;2.5;120;10;;;;;0;",
      "700;4;;11;20;4.0;120;10;;;;;0;",
      "800;3;" + tga(5, 3, 3) + ";Kugelhahn K;",
      "810;3;PW-K-00;;;",
      "800;4;" + tga(5, 3, 4, {{300, "001"}}) + ";Kugelhahn K DN 20;",
      "810;4;PW-K-20;;;",
  };
}

// The lines of the block of one type: from its empty first line to its valid-variant count.
std::vector<std::string> blockOf(const StringList& lines, int type) {
  const std::string head = "Armaturtyp " + std::to_string(type) + " : ";
  const auto start = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(head, 0) == 0; });
  if (start == lines.end() || start - lines.begin() < 3) return {};
  const auto end = std::find_if(start, lines.end(), [](const std::string& l) { return l.rfind("davon gültige", 0) == 0; });
  if (end == lines.end()) return {};
  return std::vector<std::string>(start - 3, end + 1);
}

std::vector<int> typeNumbersOf(const StringList& lines) {
  std::vector<int> types;
  for (const std::string& line : lines) {
    if (line.rfind("Armaturtyp ", 0) == 0) types.push_back(toInt(line.substr(11)));
  }
  return types;
}

class CheckReportTest : public convtest::ConversionTest {
 protected:
  void TearDown() override {
    CMiniReportUtil::instance().setIncludeRecordContext(false);
    ConversionTest::TearDown();
  }
};

TEST(CheckReportNames, TypeAndKindNamesComeFromTheTables) {
  struct Case {
    bool kind;
    int code;
    int sheet;
    const char* name;
  };
  const Case cases[] = {
      {false, 12, 2, "Ventilgehäuse für Thermostatventil mit Durchflussbegrenzung"},
      {false, 212, 17, "Ventilgehäuse für Thermostatventil mit Durchflussbegrenzung"},
      {false, 3, 17, "Automatische Drosselarmatur"},
      {false, 14, 2, "Nicht unterstützter Ventiltyp"},
      {false, 1715, 17, "Nicht unterstützter Ventiltyp"},
      {true, 3, 2, "Armaturen für Flächenheizungen"},
      {true, 7, 17, "Mess- und Zähleinrichtungen"},
      {true, 1701, 2, "Absperrarmaturen"},  // 1000 and above stays as it is
      {true, 203, 0, "Armaturen für Flächenheizungen"},
      {true, 0, 0, "Undefinierte Armaturart"},
      {true, 6, 2, "unbekannte Armaturart"},
      {true, 201, 2, "unbekannte Armaturart"},  // a code below 1000 is a kind number: 401
      {true, 8, 17, "unbekannte Armaturart"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.kind ? KindName(c.code, c.sheet) : TypeName(c.code, c.sheet), c.name)
        << (c.kind ? "kind " : "type ") << c.code << " sheet " << c.sheet;
  }
}

TEST_F(CheckReportTest, SheetTwoReportHasTwelveTypeBlocksWithEntriesAndCounts) {
  const auto document = makeDocument(heatingLines());
  StringList lines{"vorher"};
  const CheckReportCounts counts = BuildCheckReport(lines, *document);

  EXPECT_EQ(lines.front(), "vorher");  // appended
  EXPECT_EQ(typeNumbersOf(lines), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13}));
  EXPECT_EQ(counts, (CheckReportCounts{4, 12, 2, 1, 4, 3}));
  ASSERT_GT(lines.size(), 13u);
  EXPECT_EQ(lines[4], "Darin werden die Armaturtypen 1 bis 13 geprüft. (Typ 6 wird nicht geprüft)");
  EXPECT_EQ(lines[11], "Gesamte Anzahl unterscheidbarer Armatur-Ausführungen in dieser Datei: 4");

  // Type 1: checked at an XP its data cover, so the valve is valid and nothing is filed.
  EXPECT_EQ(blockOf(lines, 1), (std::vector<std::string>{
                                   "", kSep, kSep,
                                   "Armaturtyp 1 : Ventilgehäuse für Thermostatventil/ Verteilergehäuse für "
                                   "Ventilgarnitur",
                                   "", kSep, "Anzahl Hinweise in Arm.-Typ 1: 0", "Anzahl Fehler   in Arm.-Typ 1: 0",
                                   "Anzahl Armaturausführungen in Arm.-Typ  1:  1",
                                   "davon gültige Armaturausführungen:          1"}));

  // Type 2: the error, headed by its title and the record's position; no valid variant (a
  // count of 0 prints as blanks under the precision-0 widths).
  const auto typeTwo = blockOf(lines, 2);
  ASSERT_EQ(typeTwo.size(), 13u);
  EXPECT_EQ(typeTwo[4], "");
  EXPECT_EQ(typeTwo[5], "/// Fehler ///");
  EXPECT_EQ(typeTwo[6].rfind("Fehler in den VDI-Daten der Armatur 'Verschraubung V'", 0), 0u) << typeTwo[6];
  EXPECT_NE(typeTwo[6].find(":\r\n\r\n[Satzart;Index;] -> 010;2; -> 100;2; -> 110;2; -> 700;2;\r\n\r\n"),
            std::string::npos)
      << typeTwo[6];
  EXPECT_EQ(typeTwo[6].find("Prüfwerk GmbH"), std::string::npos) << "no manufacturer contact per entry";
  EXPECT_EQ(std::vector<std::string>(typeTwo.begin() + 7, typeTwo.end()),
            (std::vector<std::string>{"", kSep, "Anzahl Hinweise in Arm.-Typ 2: 0", "Anzahl Fehler   in Arm.-Typ 2: 1",
                                      "Anzahl Armaturausführungen in Arm.-Typ  2:  1",
                                      "davon gültige Armaturausführungen:           "}));

  // A type without products keeps its block with zero counts.
  EXPECT_EQ(blockOf(lines, 7),
            (std::vector<std::string>{"", kSep, kSep, "Armaturtyp 7 : Durchflussregler", "", kSep,
                                      "Anzahl Hinweise in Arm.-Typ 7: 0", "Anzahl Fehler   in Arm.-Typ 7: 0",
                                      "Anzahl Armaturausführungen in Arm.-Typ  7:   ",
                                      "davon gültige Armaturausführungen:           "}));

  // Type 11: the missing DN and the accessory that cannot be found, both hints.
  const auto typeEleven = blockOf(lines, 11);
  std::vector<std::string> markers;
  for (const std::string& line : typeEleven) {
    if (line.rfind("///", 0) == 0 && line != kSep) markers.push_back(line);
  }
  EXPECT_EQ(markers, (std::vector<std::string>{"/// Hinweis ///", "/// Hinweis ///"}));
  EXPECT_EQ(typeEleven.end()[-3], "Anzahl Fehler   in Arm.-Typ 11: 0");
  EXPECT_EQ(typeEleven.end()[-4], "Anzahl Hinweise in Arm.-Typ 11: 2");
  EXPECT_EQ(typeEleven.back(), "davon gültige Armaturausführungen:          2");

  EXPECT_EQ(std::vector<std::string>(lines.end() - 6, lines.end()),
            (std::vector<std::string>{"", kSep, "Anzahl Hinweise gesamt: 2", "Anzahl Fehler   gesamt: 1",
                                      "Anzahl Armaturausführungen gesamt:    4",
                                      "davon gültige Armaturausführungen:    3"}));
  // The list stays switched to record context without document info.
  EXPECT_FALSE(CMiniReportUtil::instance().includeDocumentInfo());
  EXPECT_TRUE(CMiniReportUtil::instance().includeRecordContext());
}

TEST_F(CheckReportTest, ThermostaticValvesAreCheckedWithoutAskingForTheirXp) {
  ScriptedPlatform script;
  ScopedPlatform installed(script);
  const auto document = makeDocument(heatingLines());
  StringList lines;
  EXPECT_EQ(BuildCheckReport(lines, *document).valid, 3);
  for (const PlatformCall& call : script.calls()) {
    if (call.kind == PlatformCallKind::AskYesNoCancel) ADD_FAILURE() << "unexpected question: " << call.text;
  }
}

TEST_F(CheckReportTest, FileWithoutProductsGivesAnEmptyReport) {
  const auto document = makeDocument({"010;2;201103;Prüfwerk GmbH;20240101;;", "100;2;;Armaturart", "110;1;;Leer;;;"});
  CMiniReportUtil::instance().setIncludeDocumentInfo(true);
  StringList lines;
  EXPECT_EQ(BuildCheckReport(lines, *document), CheckReportCounts{});
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(CMiniReportUtil::instance().includeDocumentInfo()) << "flags untouched";
  EXPECT_FALSE(CMiniReportUtil::instance().includeRecordContext()) << "flags untouched";
}

TEST_F(CheckReportTest, CheckFileIsHeadedByDateAndManufacturerAndSetsTheFlagsBack) {
  const auto document = makeDocument(heatingLines());
  std::tm time{};
  time.tm_mday = 3;
  time.tm_mon = 0;
  time.tm_year = 125;
  time.tm_hour = 7;
  time.tm_min = 4;
  StringList lines;
  const CheckReportCounts counts = BuildCheckFile(lines, *document, time);
  EXPECT_EQ(counts.errors, 1);
  ASSERT_GT(lines.size(), 8u);
  EXPECT_EQ(lines[0], "Erstelldatum dieses Dokumentes: 3.1.2025, 7h4LT");
  EXPECT_EQ(lines[1], "");
  EXPECT_NE(lines[2].find("(Prüfwerk GmbH)"), std::string::npos) << lines[2];
  EXPECT_EQ(lines[3], "Webseite des Herstellers: www.pruefwerk.example");
  EXPECT_EQ(lines[4], "Kommentar des Herstellers in dieser VDI-Datei: Erste Zeile");
  EXPECT_EQ(lines[5], "Zweite Zeile");  // the pilcrow is a line break
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7], "Es werden nur Armaturarten 1 bis 5 geprüft.");
  EXPECT_TRUE(CMiniReportUtil::instance().includeDocumentInfo());
  EXPECT_FALSE(CMiniReportUtil::instance().includeRecordContext());

  // A header without web page and comment gives the support line only.
  const auto bare = makeDocument({"010;2;201103;Prüfwerk GmbH;20240101;;"});
  EXPECT_EQ(ManufacturerInformation(*bare).size(), 1u);
}

TEST(CheckReportFile, TextHasOneLineEndingPerLineAndNoCarriageReturns) {
  EXPECT_EQ(CheckFileText({"a", "", "Titel:\r\n\r\nText\r\nmehr"}), "a\n\nTitel:\n\nText\nmehr\n");
  EXPECT_EQ(CheckFileText({}), "");
}

TEST(CheckReportFile, ReportFileNameReplacesSeparators) {
  EXPECT_EQ(ReportFileName("Modell 1/2, DN 15.5"), "Modell 1-2 - DN 15_5.txt");
  EXPECT_EQ(ReportFileName("Blatt 2 - Aqualis Armaturen GmbH"), "Blatt 2 - Aqualis Armaturen GmbH.txt");
}

TEST(CheckReportFile, ChooseReportFileAsksBeforeOverwritingAndRefusesUnwritablePaths) {
  doctest::TempFolder temp;
  const std::string existing = temp.write("alt.txt", "alt");
  const std::string fresh = temp.path("neu.txt");
  const std::string noFolder = temp.path("fehlt/neu.txt");

  struct Step {
    std::optional<std::string> file;
    std::optional<Answer> answer;  // the overwrite question, when asked
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::optional<std::string> result;
    std::vector<PlatformCallKind> calls;
  };
  using K = PlatformCallKind;
  const std::vector<Case> cases = {
      {"cancel", {{std::nullopt, std::nullopt}}, std::nullopt, {K::ChooseFileToSave}},
      {"new file", {{fresh, std::nullopt}}, fresh, {K::ChooseFileToSave}},
      {"overwrite", {{existing, Answer::Yes}}, existing, {K::ChooseFileToSave, K::AskYesNo}},
      {"keep, then new",
       {{existing, Answer::No}, {fresh, std::nullopt}},
       fresh,
       {K::ChooseFileToSave, K::AskYesNo, K::ChooseFileToSave}},
      {"unwritable, then cancel",
       {{noFolder, std::nullopt}, {std::nullopt, std::nullopt}},
       std::nullopt,
       {K::ChooseFileToSave, K::ShowMessage, K::ChooseFileToSave}},
  };
  for (const Case& c : cases) {
    ScriptedPlatform script;
    ScopedPlatform installed(script);
    for (const Step& step : c.steps) {
      script.queueFileToSave(step.file);
      if (step.answer) script.queueAnswer(*step.answer);
    }
    EXPECT_EQ(ChooseReportFile("Blatt 2 - Prüfwerk GmbH, Nord"), c.result) << c.name;
    const auto calls = script.calls();
    std::vector<PlatformCallKind> kinds;
    for (const PlatformCall& call : calls) kinds.push_back(call.kind);
    EXPECT_EQ(kinds, c.calls) << c.name;
    EXPECT_EQ(script.unscriptedCalls(), 0u) << c.name;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].request.initialName, "Blatt 2 - Prüfwerk GmbH - Nord.txt");
    EXPECT_EQ(calls[0].request.filter, "Text Dateien (*.txt)|*.txt|Alle Dateien|*.*|");
    EXPECT_EQ(calls[0].request.defaultExtension, "txt");
    for (const PlatformCall& call : calls) {
      if (call.kind == K::AskYesNo) {
        EXPECT_EQ(call.text, "Datei existiert schon. Überschreiben?");
      } else if (call.kind == K::ShowMessage) {
        EXPECT_EQ(call.text, "Datei lässt sich nicht beschreiben.");
      }
    }
  }
  EXPECT_FALSE(IsWritableReportPath(temp.path()));  // a folder is no file
}

}  // namespace
}  // namespace armakon
