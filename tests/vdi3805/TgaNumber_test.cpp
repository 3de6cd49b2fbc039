#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VDIStruct_800.h"
#include "tests/vdi3805/RecordFixtures.h"

namespace armakon {
namespace {

using testing_vdi::parseDocument;
using testing_vdi::StandInDocument;

// A TGA number from its groups: the two index groups, then one group per referenced type
// (zeros where none is given), 700 and 760 last.
std::string tga(const std::map<int, std::string>& groups, bool oldLayout = false) {
  const std::size_t w = oldLayout ? 2 : 3;
  const auto group = [&](int type, std::size_t width) {
    const auto found = groups.find(type);
    return found != groups.end() ? found->second : std::string(width, '0');
  };
  std::string text = group(100, w) + group(110, w);
  for (const int type : {160, 200, 250, 260, 300, 350, 360, 400, 450, 460, 500, 550, 560}) text += group(type, w);
  return text + group(700, w + 2) + group(760, w);
}

// One model with property vectors, two technical-data records and one product.
std::unique_ptr<StandInDocument> catalog(const std::string& productLine, bool oldLayout = false) {
  return parseDocument({"010;2;201601;Muster Armaturen", "100;1;Art", "110;5;Modell A;Modell A", "160;3", "200;1",
                        "250;2", "250;4", "260;1", "200;2", "250;7", "300;1", "700;12;;4;15", "760;1",
                        "700;13;;4;20", productLine},
                       oldLayout);
}

const CVDIBase* product(const StandInDocument& document) { return FindRecord(&document, 80000); }

std::vector<std::string> referenced(const CVDIBase* record, int type = 0) {
  std::vector<const CVDIBase*> out;
  GetReferencedRecords(record, type, out);
  std::vector<std::string> lines;
  for (const CVDIBase* r : out) lines.push_back(GetField(r, 1) + ";" + GetField(r, 2));
  return lines;
}

class TgaNumber : public ::testing::Test {
 protected:
  void SetUp() override {
    reports().clear();
    reports().setIncludeDocumentInfo(false);
  }
  void TearDown() override {
    reports().setIncludeDocumentInfo(true);
    reports().clear();
  }
  static CMiniReportUtil& reports() { return CMiniReportUtil::instance(); }
  static std::vector<std::string> details() {
    std::vector<std::string> out;
    for (const auto& e : reports().entries()) out.push_back(std::to_string(e.code) + " " + e.detail);
    return out;
  }
};

TEST_F(TgaNumber, GroupsReferenceRecordsByKind) {
  const std::string missing = "1600 Hinweis zu TGA-Nr. mit Verweis auf nicht vorhandenen Datensatz:\r\n\r\n"
                              "In der TGA-Nr. mit Index 1 von Produkt Ventil wird auf einen nicht vorhandenen Satz ";
  const std::string consequence = " verwiesen!\r\nFolge: Ein Zubehör kann nicht ermittelt bzw. angezeigt werden.";
  const struct {
    const char* name;
    std::map<int, std::string> groups;
    std::vector<std::string> references;
    std::vector<std::string> reports;
  } cases[] = {
      {"found", {{100, "001"}, {110, "005"}, {160, "003"}, {200, "001"}, {250, "004"}, {700, "00012"}, {760, "001"}},
       {"160;3", "200;1", "250;4", "700;12", "760;1"}, {}},
      {"all zeros reference nothing", {{100, "001"}, {110, "005"}}, {}, {}},
      {"all ? below the 200 found", {{100, "001"}, {110, "005"}, {200, "001"}, {250, "???"}},
       {"200;1", "250;2", "250;4"}, {}},
      {"all ? below the 110 without a 200", {{100, "001"}, {110, "005"}, {250, "???"}},
       {"250;2", "250;4", "250;7"}, {}},
      {"second level without its root searches the 110", {{100, "001"}, {110, "005"}, {250, "007"}}, {"250;7"}, {}},
      {"second level stays below the 200 found", {{100, "001"}, {110, "005"}, {200, "001"}, {250, "007"}},
       {"200;1"}, {missing + "250 (Stelle 13 bis 15)" + consequence}},
      {"missing 700, its 760 found below the 110", {{100, "001"}, {110, "005"}, {700, "99999"}, {760, "001"}},
       {"760;1"}, {missing + "700 (Stelle 46 bis 50)" + consequence}},
      {"a group without digits reads as any index", {{100, "001"}, {110, "005"}, {200, "a?0"}}, {"200;1"}, {}},
      {"100 and 110 contradicted, resolution goes on",
       {{100, "007"}, {110, "009"}, {700, "00013"}},
       {"700;13"},
       {"1800 Hinweis zu einem Widerspruch in der TGA-Nummer von Produkt:Modell A\n 110;5;Modell A;Modell A:\r\n\r\n"
        "Der Verweis auf Produkt-Hauptgruppe I (Satzart 100, Idx 7) stimmt nicht mit der hier über liegenden "
        "Satzart 100 (Idx 1) überein.",
        "1800 Hinweis zu einem Widerspruch in der TGA-Nummer von Produkt:Modell A\n 110;5;Modell A;Modell A:\r\n\r\n"
        "Der Verweis auf Produkt-Hauptgruppe II (Satzart 110, Idx 9) stimmt nicht mit der hier über liegenden "
        "Satzart 110 (Idx 5) überein."}},
  };
  for (const auto& c : cases) {
    reports().clear();
    auto document = catalog("800;1;" + tga(c.groups) + ";Ventil");
    EXPECT_EQ(referenced(product(*document)), c.references) << c.name;
    EXPECT_EQ(details(), c.reports) << c.name;
  }
}

TEST_F(TgaNumber, TooShortNumberIsAnErrorAndStaysUnresolved) {
  const struct {
    bool oldLayout;
    std::string number;
    const char* text;
  } cases[] = {
      {false, tga({{700, "00012"}}).substr(0, 52),
       "Die TGA-Nummer hat nicht die erwartete Länge von mindestens 53 Stellen (siehe VDI 3805 Blatt 1 November "
       "2001, Kapitel 3.3)."},
      {true, tga({{700, "0012"}}, true).substr(0, 35),
       "Die TGA-Nummer hat nicht die erwartete Länge von mindestens 36 Stellen (siehe VDI 3805 Blatt 1 August "
       "1996, Kapitel 3.3)."},
      {false, "", "Die TGA-Nummer hat nicht die erwartete Länge von mindestens 53 Stellen (siehe VDI 3805 Blatt 1 "
                  "November 2001, Kapitel 3.3)."},
  };
  for (const auto& c : cases) {
    reports().clear();
    // the old layout has the TGA number in field 2
    auto document = catalog(c.oldLayout ? "800;" + c.number : "800;1;" + c.number, c.oldLayout);
    const auto* record = static_cast<const VDIStruct_800*>(product(*document));
    EXPECT_TRUE(referenced(record).empty());
    EXPECT_FALSE(record->IsResolved());
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_EQ(reports().entry(0).code, 800);
    EXPECT_EQ(reports().entry(0).title, "Fehler in der TGA-Nummer von Produkt:Modell A\n 110;5;Modell A;Modell A");
    EXPECT_EQ(reports().entry(0).detail, reports().entry(0).title + ":\r\n\r\n" + c.text);
    referenced(record);  // tried, and reported, again
    EXPECT_EQ(reports().size(), 2u);
  }
}

TEST_F(TgaNumber, OldLayoutUsesNarrowGroups) {
  std::string number = tga({{100, "01"}, {110, "05"}, {200, "01"}, {700, "0099"}}, true);
  ASSERT_EQ(number.size(), 36u);
  auto document = catalog("800;" + number + ";x;x;x;Altventil", true);
  EXPECT_EQ(referenced(product(*document)), std::vector<std::string>{"200;1"});
  // old 800: no index field, the name in field 6
  ASSERT_EQ(reports().size(), 1u);
  EXPECT_NE(reports().entry(0).detail.find("mit Index  von Produkt Altventil"), std::string::npos)
      << reports().entry(0).detail;
  EXPECT_NE(reports().entry(0).detail.find("Satz 700 (Stelle 31 bis 34)"), std::string::npos);
}

TEST_F(TgaNumber, LengthCountsCharactersNotBytes) {
  // 50 ASCII characters and three umlauts: 53 characters, 56 bytes.
  std::string number = tga({{100, "001"}, {110, "005"}, {700, "00012"}}).substr(0, 50) + "äää";
  auto document = catalog("800;1;" + number + ";Ventil");
  EXPECT_EQ(referenced(product(*document), 700), std::vector<std::string>{"700;12"});
  EXPECT_EQ(reports().errorCount(), 0);
}

}  // namespace
}  // namespace armakon
