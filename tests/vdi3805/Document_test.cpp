#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VdiFileRead.h"
#include "tests/vdi3805/DocumentFixtures.h"

namespace armakon {
namespace {

using doctest::crlf;
using doctest::storedDetail;

const std::string kDateTitle = "Die gewählte VDI-Datei hat ein inkompatibles Richtlinien-Datum.";
const std::string kFirstRecordTitle = "Erste Zeile der VDI-Datei entspricht nicht der Satzart 010.";
const std::string kTgaDateTitle = "Die gewählte TGA-Datei hat ein inkompatibles Richtlinien-Datum.";

std::string dateText(const std::string& date, const std::string& path) {
  return "Die angegebene VDI-Datei ist mit dem Richtlinien-Ausgabedatum " + date +
         " versehen.\nDiese Richtlinie wird nicht unterstützt oder die Dateistruktur dieser VDI-Datei "
         "entspricht\neinem alten, nicht unterstützten Richtlinien-Datum. Das Laden wurde abgebrochen.\nBitte "
         "aktuelleren/kompatiblen Datensatz verwenden.\nBetroffene Datei: " + path;
}

std::string firstRecordText(const std::string& path) {
  return "Achtung! Erste Zeile der Datei entspricht nicht der Satzart 010. Laden dieser Datei wird abgebrochen.\n" +
         path;
}

std::string tgaDateText(const std::string& date, const std::string& path) {
  return "Die angegebene TGA-Datei ist mit einem Richtlinien-Ausgabedatum " + date +
         " versehen. Diese Richtlinie wird nicht unterstützt oder die Dateistruktur dieser VDI-Datei entspricht "
         "einem nicht unterstützten Richtlinien-Datum. Das Laden wurde abgebrochen.\nBitte aktuelleren/kompatiblen "
         "Datensatz verwenden.\nBetroffene Datei: " + path;
}

using DocumentLoad = doctest::VdiFileTest;

TEST_F(DocumentLoad, AcceptsOrRefusesByTheFirstLine) {
  struct Case {
    const char* file;
    std::string content;
    int expectedSheet;
    bool result, parsed, oldFormat;
    int sheet;
    std::string date;
    std::string title;  // empty: no report entry
    std::string (*text)(const std::string& path);
  };
  const std::string body = "100;2;;Heizkörper\r\n110;3;;Modell\r\n";
  const std::vector<Case> cases = {
      {"current.vdi", crlf({"010;2;201601;Hersteller"}) + body, 0, true, true, false, 2, "201601", "", nullptr},
      {"upper.VDI", crlf({" 010 ; 17 ; 200111 ;H"}) + body, 17, true, true, false, 17, "200111", "", nullptr},
      {"plain.vdix", crlf({"010;2;201103;H"}) + body, 2, true, true, false, 2, "201103", "", nullptr},
      {"other_sheet.vdi", crlf({"010;17;201601;H"}) + body, 2, true, false, false, 17, "201601", "", nullptr},
      {"year1996.vdi", crlf({"010;2;199611;H"}), 0, false, false, false, 0, "", kDateTitle,
       [](const std::string& p) { return dateText("199611", p); }},
      {"five.vdi", crlf({"010;2;20011;H"}), 0, false, false, false, 0, "", kDateTitle,
       [](const std::string& p) { return dateText("20011", p); }},
      {"sheet017.vdi", crlf({"010;017;201601;H"}), 0, false, false, false, 0, "", kDateTitle,
       [](const std::string& p) { return dateText("201601", p); }},
      {"header100.vdi", crlf({"100;2;201601;H"}), 0, false, false, false, 0, "", kFirstRecordTitle,
       firstRecordText},
      {"old.TGA", crlf({"010;1098;Altwerk;19981020"}) + body, 17, true, true, true, 2, "1098", "", nullptr},
      {"old0998.tga", crlf({"010;0998;Altwerk"}), 0, false, false, true, 0, "", kTgaDateTitle,
       [](const std::string& p) { return tgaDateText("0998", p); }},
      {"old01098.tga", crlf({"010;01098;Altwerk"}), 0, false, false, true, 0, "", kTgaDateTitle,
       [](const std::string& p) { return tgaDateText("01098", p); }},
      {"oldheader.tga", crlf({"100;1098"}), 0, false, false, true, 0, "", kFirstRecordTitle, firstRecordText},
      // Another extension is taken unchecked: the sheet stays the one the document was made for.
      {"notes.txt", crlf({"kein Dateikopf"}) + body, 2, true, true, false, 5, "", "", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    reports().clear();
    const std::string path = temp.write(c.file, c.content);
    CVDIDoc document(path, "ID", "Text", "Notiz", 5);
    EXPECT_EQ(document.Load(path, false, c.expectedSheet), c.result);
    EXPECT_TRUE(document.IsLoaded());
    EXPECT_EQ(document.IsParsed(), c.parsed);
    EXPECT_EQ(document.IsOldFormat(), c.oldFormat);
    EXPECT_EQ(document.GetChildCount(), c.parsed ? 1u : 0u);
    if (c.result) {
      EXPECT_EQ(document.GetSheet(), c.sheet);
      EXPECT_EQ(document.GetDate(), c.date);
    }
    if (c.title.empty()) {
      EXPECT_TRUE(reports().empty());
      continue;
    }
    ASSERT_EQ(reports().size(), 1u);
    const auto entry = reports().entries().front();
    EXPECT_EQ(entry.code, 20);
    EXPECT_EQ(entry.title, c.title);
    EXPECT_EQ(entry.detail, storedDetail(c.title, c.text(path)));
  }
}

TEST_F(DocumentLoad, SkipDetailLeavesOutDocumentsAndOldInstallationData) {
  CVDIDoc current;
  ASSERT_TRUE(current.Load(doctest::samplePath("catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI"), true, 0));
  std::vector<const CVDIBase*> found;
  CollectRecords(&current, 97001, found);
  CollectRecords(&current, 97002, found);
  CollectRecords(&current, 72000, found);
  EXPECT_EQ(found.size(), 2u);  // 970.01 and the 720 of the current layout stay

  CVDIDoc old;
  ASSERT_TRUE(old.Load(doctest::samplePath("catalogs/ThermaNord/VDI_2/TN_HEIZUNG.TGA"), true, 0));
  found.clear();
  CollectRecords(&old, 72000, found);
  EXPECT_TRUE(found.empty());
}

TEST_F(DocumentLoad, HostileFilesGiveEntriesNotCrashes) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
  const std::string longLine = "010;2;201601;" + std::string(10 * 1024 * 1024, 'x');
  std::string nul = "010;2;201601;H\r\n100;1;;A";
  nul += '\0';
  nul += "B\r\n";

  CVDIDoc document;
  EXPECT_FALSE(document.Load(temp.write("binary.vdi", binary), false, 0));
  EXPECT_EQ(reports().size(), 1u);
  EXPECT_TRUE(document.Load(temp.write("binary.bin", binary), false, 0));  // unchecked, parsed as it is
  EXPECT_TRUE(document.Load(temp.write("long.vdi", longLine), false, 0));
  EXPECT_EQ(document.GetChild(0)->GetLine().size(), longLine.size());
  EXPECT_TRUE(document.Load(temp.write("nul.vdi", nul), false, 0));
  EXPECT_EQ(GetField(document.GetChild(0)->GetChild(0), 4), std::string("A\0B", 3));
}

// A plain Windows-1252 file is read and parsed one line at a time; whatever the line breaks,
// code page, piece boundaries and first line, the document must come out exactly as from the
// whole list of lines.
TEST_F(DocumentLoad, LineByLineReadingMatchesTheWholeList) {
  struct Case {
    const char* file;
    std::string content;
    bool skipDetail;
    int expectedSheet;
  };
  const std::string header = "010;2;201601;Hersteller\r\n";
  // "\r\n" across the boundary of the reader's first piece (1 MiB), inside a long line.
  const std::string straddling = header + "100;1;;" + std::string((1u << 20) - header.size() - 8, 'x') + "\r\n110;3;;M";
  // A file of more than 2 MiB is read into the document's store and decoded there: lines
  // that fit in place (one umlaut per break byte) and lines that do not (the euro sign
  // takes three bytes), a lone '\r' as a break, and a last line without one.
  std::string large = straddling + "\r\n";
  while (large.size() < (5u << 19)) large += "160.01;1;;F\xFChler;\xE4\r\n160.01;2;;\x80 \xF6\xFC\xDF\r160.01;4;;\xF6\xFC\r610;1;;x\n";
  large += "160.01;3;;\xC4";
  const std::vector<Case> cases = {
      {"1252.vdi", header + "100;1;;Heizk\xF6rper\r\n\r\n  110;2;;B\xFC\xDF" "e  \r\n700;1;;201\r\n", false, 2},
      {"breaks.vdi", "010;2;201601;H\n100;1;;A\r110;2;;B\r\n\n\r700;1;;201", false, 0},
      {"detail.vdi", header + "100;1;;A\r\n970;1\r\n970.01;1\r\n970.02;1\r\n980;1\r\n", true, 0},
      {"utf8.vdi", header + "100;1;;Heizk\xC3\xB6rper\r\n", false, 0},
      {"mixed.vdi", header + "100;1;;\xC3\xB6\r\n110;1;;\xF6\r\n", false, 0},
      {"bom.vdi", "\xEF\xBB\xBF" + header + "100;1;;A\r\n", false, 0},
      {"other sheet.vdi", header + "100;1;;A\r\n", false, 17},
      {"old date.vdi", "010;2;199611;H\r\n100;1;;A\r\n", false, 0},
      {"old.tga", "010;1098;H\r\n100;1;;A\r\n720;1\r\n", true, 0},
      {"straddling.vdi", straddling, false, 0},
      {"large.vdi", large, false, 0},
      {"decoded.vdi", header + "100;1;;\x80\xF6\xFC\xE4\r\n110;1;;\xDF", true, 2},
      {"no extension", "100;1;;A\r\n110;1;;B", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = temp.write(c.file, c.content);
    CVDIDoc byLine;
    const bool result = byLine.Load(path, c.skipDetail, c.expectedSheet);
    const std::vector<CMiniReportUtil::report> entries = reports().entries();
    reports().clear();
    StringList lines;
    ASSERT_TRUE(ReadVdiFile(lines, path, false));
    CVDIDoc whole;
    EXPECT_EQ(whole.LoadLines(lines, path, c.skipDetail, c.expectedSheet), result);
    EXPECT_EQ(whole.IsParsed(), byLine.IsParsed());
    EXPECT_EQ(whole.GetSheet(), byLine.GetSheet());
    EXPECT_EQ(whole.GetDate(), byLine.GetDate());
    EXPECT_EQ(whole.IsOldFormat(), byLine.IsOldFormat());
    EXPECT_EQ(whole.GetRawLines(), byLine.GetRawLines());
    StringList expected, actual;
    whole.AppendAllLines(expected);
    byLine.AppendAllLines(actual);
    EXPECT_EQ(actual, expected);
    ASSERT_EQ(reports().size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(reports().entries()[i].detail, entries[i].detail);
    reports().clear();
  }
}

// Parsed records and their lines lie in the document's record store; records placed by hand
// and lines set later are owned one by one. Both kinds must mix, survive a reload that
// replaces the store's content, and die with the document.
TEST_F(DocumentLoad, ParsedAndHandPlacedRecordsMixAcrossReloads) {
  const std::string first = temp.write("first.vdi", crlf({"010;2;201601;A", "100;1;;Eins", "110;2;;Zwei"}));
  const std::string second = temp.write("second.vdi", crlf({"010;2;201601;B", "100;7;;Sieben"}));
  CVDIDoc document;
  ASSERT_TRUE(document.Load(first, false, 0));
  CVDIBase* kind = FindRecord(&document, 10000);
  ASSERT_NE(kind, nullptr);
  ASSERT_TRUE(kind->SetLine("100;3;;Drei"));
  ASSERT_NE(CreateRecord(kind, "110"), nullptr);
  StringList lines;
  document.AppendAllLines(lines);
  EXPECT_EQ(lines, (StringList{"010;2;201601;A", "100;3;;Drei", "110;2;;Zwei", "110"}));

  ASSERT_TRUE(document.Load(second, false, 0));
  lines.clear();
  document.AppendAllLines(lines);
  EXPECT_EQ(lines, (StringList{"010;2;201601;B", "100;7;;Sieben"}));
  ASSERT_NE(CreateRecord(FindRecord(&document, 10000), "110"), nullptr);
}

// Every record hangs below the one before (no record accepts a 610 but a 600): the chain must
// load, be searched and be destroyed without the stack growing with it.
TEST_F(DocumentLoad, MillionRecordChainLoadsSearchesAndDies) {
  constexpr int kRecords = 1000000;
  std::string content = "010;2;201601;Kette\r\n";
  content.reserve(static_cast<std::size_t>(kRecords) * 14);
  for (int i = 1; i <= kRecords; ++i) content += "610;" + std::to_string(i) + "\r\n";
  const std::string path = temp.write("chain.vdi", content);
  {
    CVDIDoc document;
    ASSERT_TRUE(document.Load(path, false, 0));
    const CVDIBase* deepest = FindRecord(&document, 61000, kRecords);
    ASSERT_NE(deepest, nullptr);
    EXPECT_EQ(deepest->GetChildCount(), 0u);
    EXPECT_EQ(deepest->GetParent()->GetLine(), "610;" + std::to_string(kRecords - 1));
  }
}

// ---------------------------------------------------------------- descriptions

TEST(Descriptions, BlockChoiceByGuidelineDate) {
  const StringList twoBlocks = {"Kopfzeile ausserhalb jedes Blocks", "010", "nicht gelesen",
                                "  DATUMRICHTLINIE 200111  ", "010", "Kopf 2001",
                                "DATUMRICHTLINIE 201601", "010", "Kopf 2016"};
  const StringList onlyOld = {"DATUMRICHTLINIE 201001", "700", "Grunddaten"};
  struct Case {
    const StringList* lines;
    const char* date;
    CVDITemplate::LoadResult result;
    const char* header;  // description of 010
  };
  const std::vector<Case> cases = {
      {&twoBlocks, "200111", CVDITemplate::LoadResult::Loaded, "Kopf 2001"},
      {&twoBlocks, "199611", CVDITemplate::LoadResult::Loaded, "Kopf 2001"},
      {&twoBlocks, "1098", CVDITemplate::LoadResult::Loaded, "Kopf 2001"},
      {&twoBlocks, "201103", CVDITemplate::LoadResult::Loaded, "Kopf 2016"},
      {&twoBlocks, "201601", CVDITemplate::LoadResult::Loaded, "Kopf 2016"},
      {&twoBlocks, "202001", CVDITemplate::LoadResult::NoBlock, ""},
      {&onlyOld, "200111", CVDITemplate::LoadResult::Loaded, ""},
      {&onlyOld, "201601", CVDITemplate::LoadResult::NoBlock, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    CVDITemplate descriptions;
    EXPECT_EQ(descriptions.LoadFromLines(*c.lines, c.date), c.result);
    EXPECT_EQ(descriptions.GetDescription(1000), c.header);
  }
}

TEST_F(DocumentLoad, DescriptionsComeWithTheLoadAndAWarningWhenTooNew) {
  temp.write(CVDITemplate::FileName(17), crlf({"DATUMRICHTLINIE 201001", "710.05", "Druckminderer"}));
  ScriptedPlatform screen;
  ScopedPlatform installed(screen);

  CVDIDoc older;
  ASSERT_TRUE(older.Load(temp.write("a.vdi", crlf({"010;17;200111;H"})), false, 0));
  EXPECT_EQ(older.GetDescription(71005), "Druckminderer");
  EXPECT_TRUE(screen.calls().empty());

  CVDIDoc newer;
  ASSERT_TRUE(newer.Load(temp.write("b.vdi", crlf({"010;17;201601;H"})), false, 0));
  EXPECT_TRUE(newer.GetTemplate().empty());
  ASSERT_EQ(screen.calls().size(), 1u);
  EXPECT_EQ(screen.calls()[0].text, "Achtung! Ein Katalog mit solch aktueller Richtlinie wird noch nicht unterstützt!");

  CVDIDoc withoutFile;  // no descriptions file for sheet 2: silent
  ASSERT_TRUE(withoutFile.Load(temp.write("c.vdi", crlf({"010;2;201601;H"})), false, 0));
  EXPECT_EQ(screen.calls().size(), 1u);
  EXPECT_TRUE(reports().empty());
}

}  // namespace
}  // namespace armakon
