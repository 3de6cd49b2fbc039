// The setting-curve converter (202, 204, 1702) and the shared checks it runs: skipped and
// missing settings, the 79 % rule, duplicates, interpolation instructions, the kv order.

#include <gtest/gtest.h>

#include "ConversionFixtures.h"
#include "armakon/model/hydArmaturDross.h"

namespace armakon::convtest {
namespace {

using hydVDIArmaturen::hydArmaturDross;

constexpr const char* kTitle = "Hinweis zu den VDI-Daten der Armatur 'Rücklauf R', DN15, Art.-Nr. 'R-15', Ausführung ''";
constexpr const char* kErrorTitle =
    "Fehler in den VDI-Daten der Armatur 'Rücklauf R', DN15, Art.-Nr. 'R-15', Ausführung ''";

// A 710.01 record: index, setting text, setting number, kv, interpolation instruction.
std::string record710(int index, const std::string& text, const std::string& number, const std::string& kv,
                      const std::string& instruction = "") {
  return formatC("710.01;%d;;;", index) + text + ";" + number + ";" + instruction + ";;" + kv;
}
std::string setting(int index, const std::string& value, const std::string& kv, const std::string& instruction = "") {
  return record710(index, value, value, kv, instruction);
}

// A one-product model of the type (2 -> 202, 4 -> 204 on sheet 2; sheet 17 type 2 -> 1702)
// with the settings; presettable as declared.
std::unique_ptr<CVDIDoc> valve(const std::vector<std::string>& settings, int sheet = 2, int type = 2,
                               int presettable = 1) {
  std::vector<std::string> lines;
  if (sheet == 2) {
    lines = {"010;2;201103;Testwerk GmbH;;;", "100;2;;Zweirohr", "110;1;;Rücklauf R;",
             formatC("700;1;;%d;15;1.4;120;10;1.0;;;;%d;Umdrehungen", type, presettable)};
  } else {
    lines = {"010;17;201103;Testwerk GmbH;;;", "100;2;;Drossel", "110;1;;Rücklauf R;",
             formatC("700;1;;%d;15;1.4;90;10;;;1.0;;%d;;;Stufe", type, presettable)};
  }
  lines.insert(lines.end(), settings.begin(), settings.end());
  lines.push_back("800;1;" + tga(2, 1, 1) + ";R DN 15;");
  lines.push_back("810;1;R-15;;;");
  return makeDocument(lines);
}

// Builds the valve; the created variant or null.
const hydArmaturDross* convert(const CVDIDoc& document, hydArmaturenModell& model) {
  if (build(model, productsOf(&document, 1)) != 1) return nullptr;
  return dynamic_cast<const hydArmaturDross*>(model.getArmaturAt(0));
}

std::string skipped(double kv, int index) {
  return formatC("Fehlende VDI-Daten:\nEs ist keine Einstellung zu dem kv-Wert %.2f hinterlegt.\nSiehe Satzart 710.01 "
                 "mit Index %d.\nDiese Einstellung wird übersprungen.",
                 kv, index);
}

// Ten settings, of which the given records (1-based, never the last) carry no setting.
std::vector<std::string> tenSettings(std::initializer_list<int> withoutSetting) {
  std::vector<std::string> out;
  for (int i = 1; i <= 10; ++i) {
    const std::string value = std::find(withoutSetting.begin(), withoutSetting.end(), i) != withoutSetting.end()
                                  ? std::string()
                                  : std::to_string(11 - i);
    out.push_back(setting(i, value, formatC("%.1f", (11 - i) / 10.0)));
  }
  return out;
}

TEST_F(ConversionTest, SeventyNinePercentOfTheSettingsMustBeUsable) {
  {
    auto document = valve(tenSettings({3, 5, 7}));
    hydArmaturenModell model;
    EXPECT_EQ(convert(*document, model), nullptr);
    EXPECT_EQ(model.getSize(), 0);
    EXPECT_EQ(entries(), (std::vector<Entry>{
                             {1050, kTitle, skipped(0.8, 3)},
                             {1050, kTitle, skipped(0.6, 5)},
                             {1050, kTitle, skipped(0.4, 7)},
                             {30, kErrorTitle,
                              "Diese Armaturausführung wird nicht erzeugt, da ein Teil der Einstellungen nicht "
                              "ausgewertet werden konnte.\nSiehe Satzart 710.01."},
                         }));
  }
  CMiniReportUtil::instance().clear();
  {
    auto document = valve(tenSettings({3, 5}));
    hydArmaturenModell model;
    const hydArmaturDross* variant = convert(*document, model);
    ASSERT_NE(variant, nullptr);
    EXPECT_EQ(variant->getKurve().getCount(), 8);
    EXPECT_EQ(entries(), (std::vector<Entry>{{1050, kTitle, skipped(0.8, 3)}, {1050, kTitle, skipped(0.6, 5)}}));
  }
}

TEST_F(ConversionTest, InterpolationInstructions) {
  struct Case {
    const char* name;
    int sheet;
    std::vector<std::string> settings;
    std::vector<Node> nodes;
  } cases[] = {
      {"step width 0.5 between 1 and 3",
       2,
       {setting(1, "1", "0.3", "0.5"), setting(2, "3", "1.1")},
       {{3, "3", 1.1f}, {2.5f, "2.5", 0.9f}, {2, "2", 0.7f}, {1.5f, "1.5", 0.5f}, {1, "1", 0.3f}}},
      {"step width downwards",
       2,
       {setting(1, "3", "1.1", "-0.5"), setting(2, "1", "0.3")},
       {{3, "3", 1.1f}, {2.5f, "2.5", 0.9f}, {2, "2", 0.7f}, {1.5f, "1.5", 0.5f}, {1, "1", 0.3f}}},
      {"step count 4 between 1 and 2",
       17,
       {setting(1, "1", "0.2", "4"), setting(2, "2", "0.6")},
       {{2, "2", 0.6f}, {1.75f, "1.75", 0.5f}, {1.5f, "1.5", 0.4f}, {1.25f, "1.25", 0.3f}, {1, "1", 0.2f}}},
      {"step count 1 asks for nothing", 17, {setting(1, "2", "0.6", "1"), setting(2, "1", "0.2")},
       {{2, "2", 0.6f}, {1, "1", 0.2f}}},
      {"step width of the throttle is a count", 17, {setting(1, "2", "0.6", "0.5"), setting(2, "1", "0.2")},
       {{2, "2", 0.6f}, {1, "1", 0.2f}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CMiniReportUtil::instance().clear();
    auto document = valve(c.settings, c.sheet);
    hydArmaturenModell model;
    const hydArmaturDross* variant = convert(*document, model);
    ASSERT_NE(variant, nullptr);
    EXPECT_EQ(nodesOf(variant->getKurve()), c.nodes);
    EXPECT_TRUE(entries().empty());
  }
}

TEST_F(ConversionTest, InterpolationNeedsNumericSettings) {
  auto document = valve({record710(1, "N", "", "1.4", "0.5"), record710(2, "2", "2", "1.0", "0.5"),
                         record710(3, "Z", "", "0.2")});
  hydArmaturenModell model;
  const hydArmaturDross* variant = convert(*document, model);
  ASSERT_NE(variant, nullptr);
  EXPECT_EQ(variant->getKurve().getCount(), 3);
  EXPECT_EQ(entries(),
            (std::vector<Entry>{
                {1050, kTitle,
                 "Es wurde eine Interpolationsanweisung bei der Einstellung 'N' hinterlegt, welche nicht numerisch "
                 "auswertbar ist. Zwischenschritte zwischen beliebigen Einstellungen sind nur ermittelbar, wenn die "
                 "Einstellungswerte numerisch auswertbar sind."},
                {1050, kTitle,
                 "Interpolationsanweisung mangelhaft. Bei der Einstellung 2.00 ist eine Interpolationsschrittweite\n"
                 "von 0.50 angegeben. Der Folgewert ist jedoch nicht numerisch auswertbar (alphanumerischer Wert: "
                 "'Z').\nEinstellungsschritte zwischen diesen Einstellungen konnten nicht ermittelt werden."},
            }));
}

TEST_F(ConversionTest, HugeStepCountsAreRefused) {
  auto document = valve({setting(1, "1", "0.2", "1e9"), setting(2, "2", "0.6")}, 17);
  hydArmaturenModell model;
  const hydArmaturDross* variant = convert(*document, model);
  ASSERT_NE(variant, nullptr);
  EXPECT_EQ(variant->getKurve().getCount(), 2);
  ASSERT_EQ(entries().size(), 1u);
  EXPECT_EQ(entries()[0].code, 1050);
}

TEST_F(ConversionTest, KvMustFallWithAtMostOneReversal) {
  {
    auto document = valve({setting(1, "1", "0.2"), setting(2, "2", "0.5"), setting(3, "3", "0.9")});
    hydArmaturenModell model;
    const hydArmaturDross* variant = convert(*document, model);
    ASSERT_NE(variant, nullptr);
    EXPECT_EQ(nodesOf(variant->getKurve()), (std::vector<Node>{{3, "3", 0.9f}, {2, "2", 0.5f}, {1, "1", 0.2f}}));
  }
  {
    auto document = valve({setting(1, "4", "1.0"), setting(2, "3", "0.5"), setting(3, "2", "0.8"),
                           setting(4, "1", "0.2")});
    hydArmaturenModell model;
    EXPECT_EQ(convert(*document, model), nullptr);
    EXPECT_EQ(entries(), (std::vector<Entry>{{10, kErrorTitle,
                                              "Entgegen der Erwartung sind die kv-Werte nicht stetig absteigend.\n"
                                              "Bitte prüfen sie die Daten auf ihre korrekte Reihenfolge.\nSiehe "
                                              "Satzart 710.01."}}));
  }
}

TEST_F(ConversionTest, DuplicateSettingsAreErrorsDuplicateKvAreHints) {
  const std::string see = "Siehe technische Daten der Armaturausführung (Satzart 700 mit Index 1, darin Satzart 710.01).";
  {
    auto document = valve({setting(1, "3", "1.0"), setting(2, "2", "0.6"), setting(3, "2", "0.4")});
    hydArmaturenModell model;
    EXPECT_EQ(convert(*document, model), nullptr);
    EXPECT_EQ(entries(), (std::vector<Entry>{{20, kErrorTitle,
                                              "In diesem Ventil ist die Einstellung '2' mindestens zwei mal "
                                              "hinterlegt. Jede Einstellung darf nicht mehr als einmal vorkommen.\n" +
                                                  see}}));
  }
  CMiniReportUtil::instance().clear();
  {
    auto document = valve({record710(1, "N", "", "1.0"), setting(2, "3", "0.5"), setting(3, "2", "0.5"),
                           setting(4, "1", "0.2")});
    hydArmaturenModell model;
    ASSERT_NE(convert(*document, model), nullptr);
    EXPECT_EQ(entries(), (std::vector<Entry>{{1050, kTitle,
                                              "In diesem Ventil ist der kv-Wert 0.5 m³/h mindestens bei den "
                                              "Einstellungen '3' und '2' absolut identisch hinterlegt. Jeder kv-Wert "
                                              "sollte nicht mehr als einmal vorkommen.\nMögliche Ursache: "
                                              "unzureichende numerische Präzision der Daten.\n" +
                                                  see}}));
  }
}

}  // namespace
}  // namespace armakon::convtest
