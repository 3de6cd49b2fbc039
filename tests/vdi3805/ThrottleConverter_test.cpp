// Automatic throttles (1703) converted from the sample file TW_THERMODROSSEL.VDI (one model
// per case, numbered in file order): control curves per setting, set temperatures, kv(min) and
// kv(max) completeness, the kvs comparison.

#include <gtest/gtest.h>

#include "ConversionFixtures.h"
#include "armakon/model/hydArmaturThermoDross.h"

namespace armakon::convtest {
namespace {

using hydVDIArmaturen::hydArmaturThermoDross;

class ThrottleTest : public ConversionTest {
 protected:
  void SetUp() override {
    ConversionTest::SetUp();
    ASSERT_TRUE(document.Load(samplePath("vdi/conversion/TW_THERMODROSSEL.VDI"), false, 17));
  }

  // The throttle built from the model's one product, or null.
  const hydArmaturThermoDross* build(int modelIndex) {
    CMiniReportUtil::instance().clear();
    model = std::make_unique<hydArmaturenModell>();
    if (convtest::build(*model, productsOf(&document, modelIndex)) != 1) return nullptr;
    return dynamic_cast<const hydArmaturThermoDross*>(model->getArmaturAt(0));
  }

  CVDIDoc document;
  std::unique_ptr<hydArmaturenModell> model;
};

// Code and first line of each entry.
std::vector<std::string> brief() {
  std::vector<std::string> out;
  for (const Entry& entry : entries())
    out.push_back(std::to_string(entry.code) + " " + entry.text.substr(0, entry.text.find('\n')));
  return out;
}

TEST_F(ThrottleTest, EachSettingBecomesAControlCurveOverTheWaterTemperature) {
  const hydArmaturThermoDross* valve = build(1);
  ASSERT_NE(valve, nullptr);
  EXPECT_TRUE(entries().empty());
  ASSERT_EQ(valve->getCount(), 4);
  const double temperatures[] = {60.0, 170.0 / 3.0, 160.0 / 3.0, 50.0};
  for (int i = 0; i < 4; ++i) {
    const auto& curve = valve->getKurveAt(i);
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(curve.getEinstellung(), 4 - i);
    EXPECT_NEAR(curve.getTemperatur(), temperatures[i], 1e-9);
    EXPECT_EQ(curve.getText(), std::to_string(4 - i));
    // Water temperature ascending: the most open point (XP 6 K) first, kv(min) at the set temperature.
    const float t = static_cast<float>(temperatures[i]);
    EXPECT_EQ(nodesOf(curve),
              (std::vector<Node>{{t - 6, "", 1.2f}, {t - 4, "", 0.8f}, {t - 2, "", 0.4f}, {t, "", 0.05f}}));
    EXPECT_FLOAT_EQ(curve.getFirstNode().x2, 6.0f);
  }
  EXPECT_EQ(valve->getKurveAt(0).getEinheitx(), "°C");
  EXPECT_EQ(valve->getKurveAt(0).getEinheity(), "m³/h");
  EXPECT_EQ(valve->getEinheitEinst(), "Stufe");
  EXPECT_DOUBLE_EQ(valve->getReglerTempMax(), 60.0);
  EXPECT_DOUBLE_EQ(valve->getReglerTempMin(), 50.0);
  EXPECT_NEAR(valve->getKvmin(), 0.05, 1e-6);

  // Settings in °C that are the limits themselves give the temperatures without a hint.
  valve = build(2);
  ASSERT_NE(valve, nullptr);
  EXPECT_TRUE(entries().empty());
  ASSERT_EQ(valve->getCount(), 3);
  EXPECT_DOUBLE_EQ(valve->getKurveAt(1).getTemperatur(), 55.0);
}

TEST_F(ThrottleTest, FindingsAndTheirConsequences) {
  struct Case {
    int model;
    int curves;  // -1: no variant
    std::vector<std::string> brief;
  };
  const std::string notNumeric =
      "10 Dieses Armatur hat Datensätze hinterlegt, welche keine numerische Einstellung beinhalten.";
  const std::string missingKv = "1050 Fehlende VDI-Daten:";
  const std::string kvMin = "10 Diese Armaturausführung enthält unvollständige Regelkurven.";
  const std::vector<Case> cases = {
      {3, 4, {"1040 Die hinterlegten Einstellungen der VDI-Daten korrelieren nicht mit den Temperaturgrenzen."}},
      {4, -1, {notNumeric}},
      {5, -1, {"10 Abfolge der hinterlegten Einstellungen ist nicht stetig."}},
      {6, -1, {"10 Fehler in der Sortierung der VDI-Datensätze."}},
      {7, 4, {"1040 Die Soll-Temperatur der Einstellungen ist nicht ermittelbar."}},
      {8,
       1,
       {"1045 Es ist mehr als ein Datensatz der Satzart 710.01 hinterlegt, obwohl diese Armatur als nicht "
        "Voreinstellbar deklariert wurde. Diese wird in der weiteren Verwendung als einstellbar behandelt.",
        "1040 Die Soll-Temperatur ist nicht eindeutig."}},
      {9, 4, {"1050 Fehlende VDI-Daten:"}},
      // The missing kv taken as 0 becomes kv(min), which the other curves do not reach.
      {10, -1, {missingKv, kvMin, kvMin, kvMin}},
      {11,
       3,
       {"1050 Zu der Einstellung 1 wurden nicht genügend XP-Werte und somit zu wenige Stützpunkte gefunden um "
        "eine Kurve zu bilden."}},
      {12,
       -1,
       {"1050 Zu der Einstellung 4 wurden nicht genügend XP-Werte und somit zu wenige Stützpunkte gefunden um eine "
        "Kurve zu bilden.",
        "1050 Zu der Einstellung 3 wurden nicht genügend XP-Werte und somit zu wenige Stützpunkte gefunden um eine "
        "Kurve zu bilden.",
        "1050 Zu der Einstellung 2 wurden nicht genügend XP-Werte und somit zu wenige Stützpunkte gefunden um eine "
        "Kurve zu bilden.",
        "1050 Zu der Einstellung 1 wurden nicht genügend XP-Werte und somit zu wenige Stützpunkte gefunden um eine "
        "Kurve zu bilden.",
        "10 Es konnten zu keiner Einstellung ausreichend Stützpunkte ermittelt werden um eine Kurve zu bilden."}},
      {13, -1, {"10 Es konnten keine Einstellungs-Kurven ermittelt werden."}},
      {14, -1, {kvMin}},
      {15, 3, {"1050 Diese Armaturausführung enthält unvollständige Regelkurven."}},
      {16, 4, {"1050 Der hinterlegte kvs stimmt nicht mit dem kv(max) der ermittelten Kurven überein."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "model " << c.model);
    const hydArmaturThermoDross* valve = build(c.model);
    EXPECT_EQ(valve == nullptr ? -1 : valve->getCount(), c.curves);
    EXPECT_EQ(brief(), c.brief);
  }
}

TEST_F(ThrottleTest, MessagesNameSettingsTemperaturesAndRecords) {
  struct Case {
    int model;
    std::size_t entry;
    std::string text;
  };
  const std::vector<Case> cases = {
      {3, 0,
       "Die hinterlegten Einstellungen der VDI-Daten korrelieren nicht mit den Temperaturgrenzen.\nDaraus resultiert: "
       "die erste Einstellung (4) entspricht Tmax (60.0 °C), die letzte Einstellung (1) entspricht Tmin (50.0 °C).\n"
       "Prüfen sie bitte die resultierenden Kurvendaten dieser Armaturausführung."},
      {7, 0,
       "Die Soll-Temperatur der Einstellungen ist nicht ermittelbar.\nBei einem einstellbaren Ventil werden "
       "unterschiedliche Werte in den Feldern für die Temperaturen erwartet  (Hinterlegte Werte: T(min) = 55.0,  "
       "T(max) = 55.0).\nSiehe Satzart 700 mit Index 7 (Lfd.Nr.9 und 10)."},
      {9, 0,
       "Fehlende VDI-Daten:\nEs ist kein XP-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nPrüfen sie "
       "bitte die resultierenden Daten der Einstellung 3.\nSiehe Satzart 710.01 mit Index 109."},
      {14, 0,
       "Diese Armaturausführung enthält unvollständige Regelkurven.\nDie hinterlegte Regelkurve zu Einstellung 2.0 "
       "liegt nicht bis kv(min) vor.\nEs werden durchgehend vollständige Kurven zwischen kv(min) und kv(max) "
       "erwartet.\nFolge: Diese Ausführung wird übersprungen."},
      {15, 0,
       "Diese Armaturausführung enthält unvollständige Regelkurven.\nDie hinterlegte Regelkurve zu Einstellung 1.0 "
       "liegt nicht bis kv(max) vor.\nFolge: Die Daten zu dieser Einstellung werden nicht übernommen."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "model " << c.model);
    build(c.model);
    const auto found = entries();
    ASSERT_GT(found.size(), c.entry);
    EXPECT_EQ(found[c.entry].text, c.text);
  }
}

TEST_F(ThrottleTest, ASkippedSettingLeavesTheOthersInOrder) {
  // Setting 1 does not reach kv(max): the curves of 4, 3 and 2 remain, highest temperature first.
  const hydArmaturThermoDross* valve = build(15);
  ASSERT_NE(valve, nullptr);
  ASSERT_EQ(valve->getCount(), 3);
  EXPECT_DOUBLE_EQ(valve->getKurveAt(2).getEinstellung(), 2.0);
  // The missing XP of setting 3 is taken as 0: its point lies at the set temperature.
  valve = build(9);
  ASSERT_NE(valve, nullptr);
  EXPECT_FLOAT_EQ(valve->getKurveAt(1).getLastNode().x, static_cast<float>(170.0 / 3.0));
}

}  // namespace
}  // namespace armakon::convtest
