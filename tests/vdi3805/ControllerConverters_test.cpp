// Differential-pressure regulators (205, 208-210), flow regulators (207) and thermostatic
// valves with flow limitation (212), converted from the sample files in
// data/samples/vdi/conversion: the curves of good data and every message of faulty data.

#include <gtest/gtest.h>

#include "ConversionFixtures.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturTHKVDFR.h"

namespace armakon::convtest {
namespace {

using hydVDIArmaturen::hydArmaturDDR;
using hydVDIArmaturen::hydArmaturDDRDFR;
using hydVDIArmaturen::hydArmaturDFR;
using hydVDIArmaturen::hydArmaturTHKVDFR;

constexpr const char* kRegulators = "HZ_DIFFERENZDRUCKREGLER.VDI";
constexpr const char* kFlowRegulators = "HZ_DURCHFLUSSREGLER.VDI";
constexpr const char* kThermostatic = "HZ_THERMOSTAT_DFR.VDI";

std::unique_ptr<CVDIDoc> loadSample(const std::string& file) {
  auto document = std::make_unique<CVDIDoc>();
  EXPECT_TRUE(document->Load(samplePath("vdi/conversion/" + file), false, 2));
  CMiniReportUtil::instance().clear();
  return document;
}

// Builds the model with the given 110 index; the number of variants created.
int convertModel(const CVDIDoc& document, int modelIndex, hydArmaturenModell& model) {
  return build(model, productsOf(&document, modelIndex));
}

std::string hintTitle(const std::string& model, int dn, const std::string& article) {
  return formatC("Hinweis zu den VDI-Daten der Armatur '%s', DN%d, Art.-Nr. '%s', Ausführung ''", model.c_str(), dn,
                 article.c_str());
}
std::string errorTitle(const std::string& model, int dn, const std::string& article) {
  return formatC("Fehler in den VDI-Daten der Armatur '%s', DN%d, Art.-Nr. '%s', Ausführung ''", model.c_str(), dn,
                 article.c_str());
}

constexpr const char* kSkipped = "\nFolge: Diese Ausführung wird übersprungen.";
constexpr const char* kNotCreated =
    "Diese Armaturausführung wird nicht erzeugt, da ein Teil der Einstellungen nicht ausgewertet werden konnte.\nBitte "
    "beachten Sie die vorhergehenden Fehlermeldungen zu dieser Armatur.\nSiehe Satzart 710.01.";

// One faulty model of a sample file: its name, DN and article number (for the titles), how
// many variants survive and the findings as (code, text); codes above 1000 are hints.
struct FaultyModel {
  const char* file;
  int index;
  const char* name;
  const char* article;
  int created;
  std::vector<std::pair<int, std::string>> findings;
};

TEST_F(ConversionTest, EveryMessageOfTheSampleFiles) {
  const FaultyModel cases[] = {
      {kRegulators, 4, "Regler ohne Sollwert", "HW-DRA-15", 1,
       {{1050, "Es ist kein Δp-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nSiehe Satzart 710.02 mit "
               "Index 17."}}},
      {kRegulators, 5, "Regler ohne Einstellung", "HW-DRB-15", 0,
       {{10, std::string("Es ist keine Einstellung zu dem Δp-Wert 150.00 hinterlegt.\nSiehe Satzart 710.02 mit Index "
                         "20.") +
                 kSkipped}}},
      {kRegulators, 6, "Regler mit negativem Sollwert", "HW-DRC-15", 0,
       {{30, "Es ist eine ungültige Wirkdruckangabe hinterlegt worden.\nSiehe Satzart 710.02 mit Index 22."},
        {30, kNotCreated}}},
      {kRegulators, 7, "Regler mit einem Abweichungspunkt", "HW-DRD-15", 0,
       {{10, "Es wurde nur ein Satz der Satzart 710.03 in dieser Armatur gefunden.\nDa eine P-Abweichung gefunden "
             "wurde, werden weitere Werte bzw. Sätze der Satzart 710.03 erwartet um eine Kurve abzubilden.\nSiehe "
             "technische Daten der Armaturausführung (Satzart 700 mit Index 8)."}}},
      {kRegulators, 8, "Regler mit fehlender Abweichung", "HW-DRE-15", 1,
       {{1050, "Es ist kein P-Abweichungs-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nSiehe Satzart "
               "710.03 mit Index 23."}}},
      {kRegulators, 9, "Regler mit fehlenden Abweichungen", "HW-DRF-15", 0,
       {{10, "Es fehlen mehrere P-Abweichungs-Werte. Die Daten sind nicht auswertbar.\nSiehe Satzart 710.03."}}},
      {kRegulators, 10, "Regler mit doppeltem kv", "HW-DRK-15", 0,
       {{20, "Der hinterlegte kv-Wert 1.00 ist mindestens für die beiden P-Abweichungen 10.00 und 15.00 hinterlegt. "
             "Jeder kv-Wert sollte nicht mehr als einmal vorkommen.\nSiehe Satzart 710.03."}}},
      {kRegulators, 11, "Regler mit doppelter Abweichung", "HW-DRP-15", 0,
       {{20, "Die hinterlegte p-Abweichung von 10.00 ist mit kv-Werten von 1.00 und 1.50 hinterlegt. Jede "
             "p-Abweichung sollte nicht mehr als einmal vorkommen.\nSiehe Satzart 710.03."}}},
      {kRegulators, 12, "Regler mit fallender Abweichung", "HW-DRR-15", 0,
       {{10, "Entgegen der Erwartung sind mindestens zwei P-Abweichungswerte entsprechend ihrer kv-Werte nicht "
             "ansteigend hinterlegt.\nBitte prüfen sie die Daten auf eventuelle Fehler.\nSiehe Satzart 710.03."}}},
      {kRegulators, 13, "Hubbegrenzung ohne Volumenstrom", "HW-DRV-15", 1,
       {{1050, "Es ist kein maximaler Volumenstrom-Wert für die Einstellung 2 hinterlegt.\nDiese Einstellung wird "
               "übersprungen.\nSiehe Satzart 710.03 mit Index 41."}}},
      {kRegulators, 14, "Hubbegrenzung ohne Einstellung", "HW-DRW-15", 0,
       {{30, "Es ist keine Einstellung zu dem Volumenstrom-Wert 0.80 hinterlegt.\nSiehe Satzart 710.03 mit Index 46."},
        {30, kNotCreated}}},
      {kFlowRegulators, 2, "Durchflussregler ohne V-Soll", "HW-DFA-15", 1,
       {{1050, "Es ist kein V-Soll-Wert zu der Einstellung 2 hinterlegt.\nDiese Einstellung wird übersprungen.\nSiehe "
               "Satzart 710.04 mit Index 10."}}},
      {kFlowRegulators, 3, "Durchflussregler ohne Einstellung", "HW-DFB-15", 0,
       {{30, "Es ist keine Einstellung zu dem V-Soll-Wert 0.20 hinterlegt.\nSiehe Satzart 710.04 mit Index 13."}}},
      {kFlowRegulators, 4, "Durchflussregler mit einer Einstellung", "HW-DFC-15", 1,
       {{1010, "Es ist nur eine einzige Einstellung (fest) hinterlegt.\nBitte prüfen sie, ob es sich um einen "
               "Durchflussregler handelt, da er in den hydraulischen Abgleich mit eingebunden wird."}}},
      {kFlowRegulators, 5, "Durchflussregler ohne Wirkdruck", "HW-DFD-15", 0,
       {{30, "Es ist kein gültiger Wirkdruck hinterlegt.\nSiehe Satzart 710.04."}}},
      {kFlowRegulators, 6, "Durchflussregler mit doppelter Einstellung", "HW-DFE-15", 0,
       {{20, "In diesem Ventil ist die Einstellung '2' mindestens zwei mal hinterlegt. Jede Einstellung darf nicht "
             "mehr als einmal vorkommen.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 7, "
             "darin Satzart 710.04)."}}},
      {kFlowRegulators, 7, "Durchflussregler mit doppeltem V-Soll", "HW-DFF-15", 1,
       {{1050, "In diesem Ventil ist der Volumenstrom 0.2 m³/h mindestens bei den Einstellungen '2' und '3' absolut "
               "identisch hinterlegt. Jeder Volumenstrom sollte nicht mehr als einmal vorkommen.\nMögliche Ursache: "
               "unzureichende numerische Präzision der Daten.\nSiehe technische Daten der Armaturausführung "
               "(Satzart 700 mit Index 8, darin Satzart 710.04)."}}},
      {kFlowRegulators, 10, "Kombinierter Regler ohne Wirkdruck", "HW-DRFA-20", 0,
       {{30, "Es ist kein gültiger Wirkdruck hinterlegt.\nSiehe Satzart 710.04."}}},
      {kThermostatic, 2, "Ventil ohne Durchflussbegrenzung TD-A", "HW-TDA-15", 0,
       {{10, std::string("Es wurde ein Satz der Satzart 710.02 in dieser Armatur erwartet jedoch nicht gefunden.\nSiehe "
                         "technische Daten der Armaturausführung (Satzart 700 mit Index 3).") +
                 kSkipped}}},
      {kThermostatic, 3, "Ventil nur mit Durchflussbegrenzung TD-B", "HW-TDB-15", 0,
       {{10, std::string("Es wurde ein Satz der Satzart 710.01 in dieser Armatur erwartet jedoch nicht gefunden.\nSiehe "
                         "technische Daten der Armaturausführung (Satzart 700 mit Index 4).") +
                 kSkipped},
        {10, std::string("Es wurde ein Satz der Satzart 710.03 in dieser Armatur erwartet jedoch nicht gefunden.\nSiehe "
                         "technische Daten der Armaturausführung (Satzart 700 mit Index 4).") +
                 kSkipped}}},
      {kThermostatic, 4, "Ventil mit Stellung N TD-C", "HW-TDC-15", 0,
       {{10, "Nicht alle hinterlegten Einstellungswerte sind numerisch auswertbar.\nBitte prüfen sie die Daten auf "
             "ihre korrekte Reihenfolge.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 5)."}}},
      {kThermostatic, 5, "Ventil mit steigenden Einstellungen TD-D", "HW-TDD-15", 0,
       {{10, "Entgegen der Erwartung sind die Einstellungswerte nicht stetig absteigend.\nBitte prüfen sie die Daten "
             "auf ihre korrekte Reihenfolge.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index "
             "6)."}}},
      {kThermostatic, 6, "Ventil mit abweichenden Einstellungen TD-E", "HW-TDE-15", 0,
       {{10, "Entgegen der Erwartung sind unterschiedliche Einstellungsbandbreiten und Schrittweiten in den Daten "
             "ermittelt worden.\nBitte prüfen sie die Daten auf angegebene Einstellungen und "
             "Interpolationsanweisungen.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 7, darin "
             "Satzart 710.01, 710.02 und 710.03)."}}},
      // The same settings, but only 710.01 asks for an intermediate setting.
      {kThermostatic, 7, "Ventil mit abweichender Schrittweite TD-F", "HW-TDF-15", 0,
       {{10, "Entgegen der Erwartung sind unterschiedliche Einstellungsbandbreiten und Schrittweiten in den Daten "
             "ermittelt worden.\nBitte prüfen sie die Daten auf angegebene Einstellungen und "
             "Interpolationsanweisungen.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 8, darin "
             "Satzart 710.01, 710.02 und 710.03)."}}},
      {kThermostatic, 8, "Ventil mit Lücken TD-H", "HW-TDH-15", 1,
       {{1050, "Es ist kein kv-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nSiehe Satzart 710.01 mit "
               "Index 29."},
        {1050, "Diese gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der Einstellung '2' in den "
               "technischen Daten keine Geräuschgrenze hinterlegt.\nSiehe Satzart 710.01 mit Index 29."}}},
  };

  std::map<std::string, std::unique_ptr<CVDIDoc>> documents;
  for (const char* file : {kRegulators, kFlowRegulators, kThermostatic}) documents[file] = loadSample(file);
  for (const FaultyModel& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.name);
    CMiniReportUtil::instance().clear();
    const std::string article(c.article);
    const int dn = toInt(article.substr(article.rfind('-') + 1));
    hydArmaturenModell model;
    EXPECT_EQ(convertModel(*documents[c.file], c.index, model), c.created);
    EXPECT_EQ(model.getModelType(), c.name);
    std::vector<Entry> expected;
    for (const auto& [code, text] : c.findings) {
      expected.push_back({code, code > 1000 ? hintTitle(c.name, dn, c.article) : errorTitle(c.name, dn, c.article),
                          text});
    }
    EXPECT_EQ(entries(), expected);
  }
}

TEST_F(ConversionTest, OverflowRegulatorHasNoValveClass) {
  auto document = loadSample(kRegulators);
  hydArmaturenModell model;
  EXPECT_EQ(convertModel(*document, 3, model), 0);
  EXPECT_EQ(model.getSize(), 0);
  EXPECT_EQ(entries(), (std::vector<Entry>{{50, "Fehler: Armaturtyp wird noch nicht unterstützt.",
                                            "Bitte wählen sie einen anderen Armaturtyp."}}));
}

TEST_F(ConversionTest, DifferentialPressureRegulatorCurves) {
  auto document = loadSample(kRegulators);
  hydArmaturenModell model;
  ASSERT_EQ(convertModel(*document, 1, model), 2);
  EXPECT_TRUE(entries().empty());
  const auto* regulator = dynamic_cast<const hydArmaturDDR*>(model.getArmaturAt(0));
  ASSERT_NE(regulator, nullptr);
  EXPECT_EQ(regulator->getDimension(), 15);
  // Largest set point first; the step width 0.5 at setting 4 adds setting 4.5.
  EXPECT_EQ(nodesOf(regulator->getKennlinieDp()),
            (std::vector<Node>{{5, "5", 250}, {4.5f, "4.5", 225}, {4, "4", 200}, {3, "3", 150}, {2, "2", 100},
                               {1, "1", 50}}));
  EXPECT_EQ(regulator->getKennlinieDp().getEinheitx(), "Stufe");
  EXPECT_EQ(regulator->getKennlinieDp().getEinheity(), "Sollwert Δp");
  EXPECT_DOUBLE_EQ(regulator->getDpSollMax(), 250.0);
  EXPECT_DOUBLE_EQ(regulator->getDpSollMin(), 50.0);
  // The file lists the points by rising kv; the curve holds the largest kv first.
  EXPECT_EQ(nodesOf(regulator->getKennlinieKvzuPAbw()),
            (std::vector<Node>{{2.5f, "", 40}, {2, "", 30}, {1.5f, "", 20}, {1, "", 10}, {0.5f, "", 5}}));
  EXPECT_FLOAT_EQ(regulator->getKvmax(), 2.5f);
  EXPECT_FLOAT_EQ(regulator->getKvmin(), 0.5f);
  EXPECT_TRUE(regulator->getKennlinieMaxVolStrom().bIsEmpty());

  hydArmaturenModell limited;
  ASSERT_EQ(convertModel(*document, 2, limited), 1);
  const auto* lift = dynamic_cast<const hydArmaturDDR*>(limited.getArmaturAt(0));
  ASSERT_NE(lift, nullptr);
  EXPECT_EQ(nodesOf(lift->getKennlinieMaxVolStrom()),
            (std::vector<Node>{{3, "3", 1.2f}, {2, "2", 0.8f}, {1, "1", 0.4f}}));
  EXPECT_EQ(lift->getKennlinieMaxVolStrom().getEinheity(), "m³/h");
}

TEST_F(ConversionTest, FlowRegulatorCurveAndEffectivePressure) {
  auto document = loadSample(kFlowRegulators);
  hydArmaturenModell model;
  ASSERT_EQ(convertModel(*document, 1, model), 2);
  EXPECT_TRUE(entries().empty());
  const auto* regulator = dynamic_cast<const hydArmaturDFR*>(model.getArmaturAt(0));
  ASSERT_NE(regulator, nullptr);
  // Records state 200, 150, 0, 150 and 180 mbar: 0 states nothing.
  EXPECT_FLOAT_EQ(regulator->getWirkdruck(), 150.0f);
  EXPECT_EQ(nodesOf(regulator->getKurve()),
            (std::vector<Node>{{5, "5", 0.5f}, {4, "4", 0.4f}, {3, "3", 0.3f}, {2, "2", 0.2f}, {1.5f, "1.5", 0.15f},
                               {1, "1", 0.1f}}));
  EXPECT_EQ(regulator->getEinheitEinst(), "Hub");
  EXPECT_EQ(regulator->getKurve().getEinheity(), "m³/h");
  EXPECT_FLOAT_EQ(regulator->getFlowRateMax(), 0.5f);
  EXPECT_FLOAT_EQ(regulator->getFlowRateMin(), 0.1f);

  // A record without effective pressure (DN 20, setting 3) does not lower it.
  const auto* larger = dynamic_cast<const hydArmaturDFR*>(model.getArmaturAt(1));
  ASSERT_NE(larger, nullptr);
  EXPECT_FLOAT_EQ(larger->getWirkdruck(), 250.0f);
}

// The effective pressure of a flow regulator from 710.04 records built here: the smallest
// stated one that is not zero, and it must be positive.
TEST_F(ConversionTest, EffectivePressureIsTheSmallestNonZeroOne) {
  struct Case {
    std::vector<std::string> pressures;
    float expected;  // 0: refused
  } cases[] = {
      {{"150", "0", "120", "180"}, 120.0f},
      {{"", "90", "0"}, 90.0f},
      {{"0.00001", "100"}, 0.00001f},
      {{"0", ""}, 0.0f},
      {{"-20", "100"}, 0.0f},
      {{"0.000001", "100"}, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pressures.front() + ", " + c.pressures.back());
    CMiniReportUtil::instance().clear();
    std::vector<std::string> lines = {"010;2;201103;Testwerk GmbH;;;", "100;4;;Regelarmaturen", "110;1;;Regler R;",
                                      "700;1;;7;15;1.0;110;16;2.0;;;;1;Stufe;;;Stufe"};
    for (std::size_t i = 0; i < c.pressures.size(); ++i) {
      lines.push_back(formatC("710.04;%zu;%zu;%zu;;%.1f;", i + 1, i + 1, i + 1, 0.1 * static_cast<double>(i + 1)) +
                      c.pressures[i]);
    }
    lines.push_back("800;1;" + tga(4, 1, 1) + ";R DN 15;");
    lines.push_back("810;1;R-15;;;");
    auto document = makeDocument(lines);
    hydArmaturenModell model;
    const int created = build(model, productsOf(document.get(), 1));
    if (c.expected == 0.0f) {
      EXPECT_EQ(created, 0);
      EXPECT_EQ(entries(), (std::vector<Entry>{{30, errorTitle("Regler R", 15, "R-15"),
                                                "Es ist kein gültiger Wirkdruck hinterlegt.\nSiehe Satzart 710.04."}}));
    } else {
      ASSERT_EQ(created, 1);
      EXPECT_FLOAT_EQ(static_cast<const hydArmaturDFR*>(model.getArmaturAt(0))->getWirkdruck(), c.expected);
    }
  }
}

TEST_F(ConversionTest, CombinedRegulatorsKeepBothParts) {
  auto document = loadSample(kFlowRegulators);
  struct Case {
    int index;
    int type;
    float effectivePressure;
    float setPointMax;
    float flowMax;
  } cases[] = {{8, 208, 200.0f, 200.0f, 0.9f}, {9, 210, 250.0f, 300.0f, 1.5f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    CMiniReportUtil::instance().clear();
    hydArmaturenModell model;
    ASSERT_EQ(convertModel(*document, c.index, model), 1);
    EXPECT_TRUE(entries().empty());
    const auto* regulator = dynamic_cast<const hydArmaturDDRDFR*>(model.getArmaturAt(0));
    ASSERT_NE(regulator, nullptr);
    EXPECT_EQ(regulator->getArmType(), c.type);
    EXPECT_FLOAT_EQ(regulator->getWirkdruck(), c.effectivePressure);
    EXPECT_FLOAT_EQ(regulator->getDpSollMax(), c.setPointMax);
    EXPECT_FLOAT_EQ(regulator->getDFRAnteil().getFlowRateMax(), c.flowMax);
    EXPECT_EQ(regulator->getDFRAnteil().getKurve().getCount(), 3);
    EXPECT_EQ(regulator->getKennlinieKvzuPAbw().getCount(), 3);
  }
}

TEST_F(ConversionTest, ThermostaticValveWithFlowLimitation) {
  auto document = loadSample(kThermostatic);
  hydArmaturenModell model;
  ASSERT_EQ(convertModel(*document, 1, model), 2);
  EXPECT_TRUE(entries().empty());
  const auto* valve = dynamic_cast<const hydArmaturTHKVDFR*>(model.getArmaturAt(0));
  ASSERT_NE(valve, nullptr);
  EXPECT_DOUBLE_EQ(valve->getXp(), 2.0);
  const auto& curve = valve->getKurve14();
  EXPECT_EQ(curve.getEinheitx(), "Stufe");
  EXPECT_EQ(curve.getEinheity4(), "m³/h");
  // Settings 6 to 1 with 1.5 added between 2 and 1 (step width 0.5 in all three records);
  // y1 kv, y2 noise limit, y3 minimum differential pressure, y4 flow limit.
  struct Row {
    float x;
    const char* text;
    float kv, dpMax, wirkdruck, vMax;
  } rows[] = {{6, "6", 0.6f, 250, 100, 0.15f}, {5, "5", 0.5f, 250, 90, 0.12f},    {4, "4", 0.4f, 250, 80, 0.09f},
              {3, "3", 0.3f, 250, 70, 0.06f},  {2, "2", 0.2f, 250, 60, 0.04f},    {1.5f, "1.5", 0.15f, 250, 55, 0.03f},
              {1, "1", 0.1f, 250, 50, 0.02f}};
  ASSERT_EQ(curve.getCount(), 7);
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    const auto& node = curve.getAt(i);
    EXPECT_FLOAT_EQ(node.x, rows[i].x);
    EXPECT_EQ(node.text, rows[i].text);
    EXPECT_NEAR(node.y1, rows[i].kv, 1e-6);
    EXPECT_NEAR(node.y2, rows[i].dpMax, 1e-4);
    EXPECT_NEAR(node.y3, rows[i].wirkdruck, 1e-4);
    EXPECT_NEAR(node.y4, rows[i].vMax, 1e-6);
  }
  EXPECT_FLOAT_EQ(valve->getFlowRateMax(), 0.15f);
  EXPECT_FLOAT_EQ(valve->getFlowRateMin(), 0.02f);
}

// The conversion of the bundled heating catalog's regulators agrees with its layout.
TEST_F(ConversionTest, BundledCatalogRegulators) {
  auto document = std::make_unique<CVDIDoc>();
  ASSERT_TRUE(document->Load(samplePath("catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI"), false, 2));
  struct Case {
    int index;
    int created;
  } cases[] = {{5, 1}, {7, 2}, {8, 1}, {9, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    CMiniReportUtil::instance().clear();
    hydArmaturenModell model;
    EXPECT_EQ(convertModel(*document, c.index, model), c.created);
    EXPECT_TRUE(entries().empty());
  }
}

}  // namespace
}  // namespace armakon::convtest
