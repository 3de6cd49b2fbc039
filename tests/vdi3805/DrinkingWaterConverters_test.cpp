// The converters of drinking-water fittings (sheet 17): draw-off fittings (1704, 1705),
// safety fittings (1706, 1707), pressure reducers (1708) and meters (1709), run through
// BuildModel on the sample files in data/samples/vdi/conversion/. Each file holds a model
// with good data (model 1, several sizes in the wrong order) and one model per fault.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ConversionFixtures.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturZaehler.h"

namespace armakon::convtest {
namespace {

using hydVDIArmaturen::hydArmaturDruckminderer;
using hydVDIArmaturen::hydArmaturEA;
using hydVDIArmaturen::hydArmaturSicherung;
using hydVDIArmaturen::hydArmaturZaehler;

constexpr const char* kDrawOff = "TW_ENTNAHME.VDI";
constexpr const char* kSafety = "TW_SICHERUNG.VDI";
constexpr const char* kReducer = "TW_DRUCKMINDERER.VDI";
constexpr const char* kMeter = "TW_ZAEHLER.VDI";

std::unique_ptr<CVDIDoc> load(const std::string& file) {
  auto document = std::make_unique<CVDIDoc>();
  document->Load(samplePath("vdi/conversion/" + file), false, 17);
  return document;
}

// The headline of an error or hint about a variant of these samples (no execution details).
std::string title(bool error, const std::string& model, int dn, const std::string& article) {
  return std::string(error ? "Fehler in" : "Hinweis zu") + " den VDI-Daten der Armatur '" + model + "', DN" +
         std::to_string(dn) + ", Art.-Nr. '" + article + "', Ausführung ''";
}
std::string errorTitle(const std::string& model, int dn, const std::string& article) {
  return title(true, model, dn, article);
}
std::string hintTitle(const std::string& model, int dn, const std::string& article) {
  return title(false, model, dn, article);
}

// Converts all products of the model with the 110 index; the report list holds only what
// the conversion filed.
class DrinkingWaterTest : public ConversionTest {
 protected:
  int convert(const std::string& file, int modelIndex) {
    document = load(file);
    CMiniReportUtil::instance().clear();
    return build(model, productsOf(document.get(), modelIndex));
  }
  template <class T>
  const T& variant(int i) {
    const auto* typed = dynamic_cast<const T*>(model.getArmaturAt(i));
    if (typed == nullptr) throw std::invalid_argument("variant of another class");
    return *typed;
  }

  std::unique_ptr<CVDIDoc> document;
  hydVDIArmaturen::hydArmaturenModell model;
};

// A faulty model: how many variants remain and the exact findings.
struct FaultCase {
  const char* file;
  int modelIndex;
  int variants;
  std::vector<Entry> expected;
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.file << " model " << c.modelIndex; }

class DrinkingWaterFaultTest : public DrinkingWaterTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(DrinkingWaterFaultTest, FilesTheFindingsAndKeepsOnlyUsableVariants) {
  const FaultCase& c = GetParam();
  EXPECT_EQ(convert(c.file, c.modelIndex), c.variants);
  EXPECT_EQ(model.getSize(), c.variants);
  EXPECT_EQ(entries(), c.expected);
}

// ---- draw-off fittings -----------------------------------------------------------------------

TEST_F(DrinkingWaterTest, DrawOffFittingTakesFlowsAndMinimumFlowPressure) {
  ASSERT_EQ(convert(kDrawOff, 1), 2);
  EXPECT_TRUE(entries().empty());
  EXPECT_EQ(model.getHydArmType(), 1704);
  const auto& dn15 = variant<hydArmaturEA>(0);
  const auto& dn20 = variant<hydArmaturEA>(1);
  EXPECT_EQ(dn15.getDimension(), 15);
  EXPECT_EQ(dn20.getDimension(), 20);
  // minimum flow pressure, cold and warm flow, minimum flow pressure cold and warm
  const float expected15[] = {1.0f, 0.07f, 0.07f, 1.0f, 1.0f};
  const float expected20[] = {1.5f, 0.15f, 0.0f, 1.5f, 0.0f};
  for (int i = 0; i < 5; ++i) {
    EXPECT_FLOAT_EQ(dn15.getWert(i), expected15[i]) << i;
    EXPECT_FLOAT_EQ(dn20.getWert(i), expected20[i]) << i;
  }
  // Without backflow preventer; cold and warm water, resp. cold water only.
  EXPECT_EQ(dn15.getByte(0), 0);
  EXPECT_EQ(dn15.getByte(1), 1);
  EXPECT_EQ(dn15.getByte(2), 1);
  EXPECT_EQ(dn20.getByte(1), 1);
  EXPECT_EQ(dn20.getByte(2), 0);
  EXPECT_TRUE(dn15.getKurve().bIsEmpty());
}

TEST_F(DrinkingWaterTest, DrawOffFittingWithBackflowPreventerIsMarkedAndKeepsItsCurve) {
  ASSERT_EQ(convert(kDrawOff, 2), 1);
  EXPECT_TRUE(entries().empty());
  const auto& fitting = variant<hydArmaturEA>(0);
  EXPECT_EQ(fitting.getArmType(), 1705);
  EXPECT_EQ(fitting.getByte(0), 1);
  EXPECT_EQ(nodesOf(fitting.getKurve()), (std::vector<Node>{{1500, "1500", 900}, {500, "500", 500}, {100, "100", 0}}));
  EXPECT_EQ(fitting.getKurve().getEinheitx(), "mbar");
  EXPECT_DOUBLE_EQ(fitting.getQmax(), 900.0);

  // The backflow preventer's curve is optional.
  model.destroyAll();
  ASSERT_EQ(convert(kDrawOff, 3), 1);
  EXPECT_TRUE(entries().empty());
  EXPECT_EQ(variant<hydArmaturEA>(0).getByte(0), 1);
  EXPECT_TRUE(variant<hydArmaturEA>(0).getKurve().bIsEmpty());
}

const std::string kNoFlow =
    "In dieser Ausführung der Entnahmearmatur wurden keine Durchflussdaten hinterlegt.\nSiehe technische Daten der "
    "Armaturausführung (Satzart 700;";
const std::string kNoPressure =
    "In dieser Ausführung der Entnahmearmatur wurde kein Mindestfließdruck hinterlegt.\nSiehe technische Daten der "
    "Armaturausführung (Satzart 700;";

INSTANTIATE_TEST_SUITE_P(
    DrawOff, DrinkingWaterFaultTest,
    ::testing::Values(
        FaultCase{kDrawOff,
                  4,
                  0,
                  {{10, errorTitle("Fehlerfall ohne 710.02 EF1", 15, "HW-EF1-15"),
                    "Es wurde ein Satz der Satzart 710.02 in dieser Armatur erwartet jedoch nicht gefunden.\nSiehe "
                    "technische Daten der Armaturausführung (Satzart 700 mit Index 5).\nFolge: Diese Ausführung wird "
                    "übersprungen."}}},
        FaultCase{kDrawOff,
                  5,
                  0,
                  {{10, errorTitle("Fehlerfall ohne Durchfluss EF2", 15, "HW-EF2-15"), kNoFlow + "6 und 710.02;5)."}}},
        FaultCase{kDrawOff,
                  6,
                  0,
                  {{10, errorTitle("Fehlerfall ohne Mindestfliessdruck EF3", 15, "HW-EF3-15"),
                    kNoPressure + "7; und 710.02;6;)."}}},
        FaultCase{
            kDrawOff,
            7,
            0,
            {{10, errorTitle("Fehlerfall ohne Daten EF4", 15, "HW-EF4-15"), kNoFlow + "8 und 710.02;7)."},
             {10, errorTitle("Fehlerfall ohne Daten EF4", 15, "HW-EF4-15"), kNoPressure + "8; und 710.02;7;)."}}}));

// ---- safety fittings -------------------------------------------------------------------------

TEST_F(DrinkingWaterTest, BackflowPreventerKeepsItsCharacteristic) {
  ASSERT_EQ(convert(kSafety, 1), 2);
  EXPECT_TRUE(entries().empty());
  const auto& dn15 = variant<hydArmaturSicherung>(0);
  EXPECT_EQ(dn15.getDimension(), 15);
  EXPECT_EQ(variant<hydArmaturSicherung>(1).getDimension(), 20);
  EXPECT_EQ(nodesOf(dn15.getKurve()),
            (std::vector<Node>{
                {1200, "1200", 4000}, {600, "600", 2800}, {200, "200", 1500}, {40, "40", 300}, {20, "20", 0}}));
  EXPECT_EQ(dn15.getKurve().getEinheitx(), "mbar");
  EXPECT_EQ(dn15.getKurve().getEinheity(), "kg/h");
  EXPECT_DOUBLE_EQ(dn15.getOefnDp(), 20.0);
  EXPECT_DOUBLE_EQ(dn15.getSchliessdruck_hPa(), 20.0);
}

TEST_F(DrinkingWaterTest, PipeSeparatorOrdersItsPointsAndTakesTheSeparatingPressure) {
  ASSERT_EQ(convert(kSafety, 2), 1);
  EXPECT_TRUE(entries().empty());
  const auto& separator = variant<hydArmaturSicherung>(0);
  EXPECT_EQ(separator.getArmType(), 1707);
  // Written from the opening point upwards in the file; the curve starts at the highest flow.
  EXPECT_EQ(nodesOf(separator.getKurve()),
            (std::vector<Node>{{1200, "1200", 4000}, {800, "800", 3000}, {400, "400", 1800}, {140, "140", 0}}));
  EXPECT_FLOAT_EQ(separator.getTrennerDruck(), 0.14f);
  EXPECT_DOUBLE_EQ(separator.getOefnDp(), 140.0);
}

const std::string kMayBeMissized = "\nFolge: Diese Armatur kann ggf. nicht korrekt ausgelegt werden.";
const std::string kPointSkipped = "\nFolge: Diese Einstellung wird übersprungen.";
std::string missingPointField(const char* field, int technical, int point) {
  return std::string("Für einen Stützpunkt der Kennlinie ist das Feld für den ") + field +
         " nicht gefüllt. Es werden durchgehend gefüllte Felder erwartet.\nSiehe technische Daten der "
         "Armaturausführung (Satzart 700 mit Index " +
         std::to_string(technical) + ", Satzart 710.03 mit Index " + std::to_string(point) + ")." + kPointSkipped;
}
std::string noCurve(const char* record, int technical) {
  return std::string("Es wurde eine Kennlinienkurve nach Satzart ") + record +
         " in dieser Armatur erwartet jedoch nicht gefunden. \nSiehe technische Daten der Armaturausführung "
         "(Satzart 700 mit Index " +
         std::to_string(technical) + ").";
}

INSTANTIATE_TEST_SUITE_P(
    Safety, DrinkingWaterFaultTest,
    ::testing::Values(
        FaultCase{
            kSafety, 3, 0, {{10, errorTitle("Fehlerfall ohne Kennlinie SF1", 20, "HW-SF1-20"), noCurve("710.03", 4)}}},
        FaultCase{kSafety,
                  4,
                  1,
                  {{1030, hintTitle("Fehlerfall Stuetzpunkt ohne Massenstrom SF2", 20, "HW-SF2-20"),
                    missingPointField("Massenstrom", 5, 16)}}},
        FaultCase{kSafety,
                  5,
                  1,
                  {{1030, hintTitle("Fehlerfall Stuetzpunkt ohne Differenzdruck SF3", 20, "HW-SF3-20"),
                    missingPointField("Differenzdruck", 6, 19)}}},
        FaultCase{kSafety,
                  6,
                  0,
                  {{15, errorTitle("Fehlerfall steigender Massenstrom SF4", 20, "HW-SF4-20"),
                    "Entgegen der Erwartung sind die Massenstrom-Werte nicht stetig absteigend.\nBitte prüfen sie die "
                    "Daten auf ihre korrekte Reihenfolge.\nSiehe Satzart 710.03."}}},
        // Last point at 0.002 kg/h: the opening pressure stays unknown ...
        FaultCase{kSafety,
                  7,
                  1,
                  {{1030, hintTitle("Kennlinie endet bei 0.002 kg/h SF5", 20, "HW-SF5-20"),
                    "Die Kurve wurde nicht bis zu einem Massenstrom von Null m³/h hinterlegt (kleinster hinterlegter "
                    "Massenstrom ist 0 kg/h bzw. 5.56e-07 kg/s). Dadurch ist der Öffnungsdruck unbekannt.\nSiehe "
                    "technische Daten der Armaturausführung (Satzart 700 mit Index 8, Satzart 710.03)." +
                        kMayBeMissized}}},
        // ... at 0.001 kg/h it counts as zero flow.
        FaultCase{kSafety, 8, 1, {}},
        FaultCase{kSafety,
                  9,
                  1,
                  {{1030, hintTitle("Kennlinie beginnt bei 999 mbar SF7", 20, "HW-SF7-20"),
                    "Die Kurve wurde nicht bis zu einem Druck von mindestens 1000 mbar hinterlegt (dp(max) ist 999 "
                    "mbar).\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 10, Satzart 710.03)." +
                        kMayBeMissized}}},
        FaultCase{kSafety,
                  10,
                  1,
                  {{1045, hintTitle("Rohrtrenner mit zwei 710.04 SF8", 20, "HW-SF8-20"),
                    "Es ist mehr als ein Datensatz der Satzart 710.04 hinterlegt. In einer Rohr-/Systemtrennerarmatur "
                    "sollte nur ein Datensatz dieser Satzart vorkommen.\nSiehe Satzart 700 mit Index 11."}}},
        FaultCase{kSafety,
                  11,
                  0,
                  {{10, errorTitle("Rohrtrenner ohne 710.04 SF9", 20, "HW-SF9-20"),
                    "Es wurde ein Satz der Satzart 710.04 in dieser Armatur erwartet jedoch nicht gefunden.\nSiehe "
                    "technische Daten der Armaturausführung (Satzart 700 mit Index 12)."}}},
        // No point complete: both points skipped, then no curve at all.
        FaultCase{
            kSafety,
            12,
            0,
            {{1030, hintTitle("Kennlinie ohne vollstaendigen Punkt SF10", 20, "HW-SF10-20"),
              missingPointField("Differenzdruck", 13, 34)},
             {1030, hintTitle("Kennlinie ohne vollstaendigen Punkt SF10", 20, "HW-SF10-20"),
              missingPointField("Massenstrom", 13, 35)},
             {10, errorTitle("Kennlinie ohne vollstaendigen Punkt SF10", 20, "HW-SF10-20"), noCurve("710.03", 13)}}}));

TEST_F(DrinkingWaterTest, SkippedPointsAndSecondSeparatorRecordLeaveAUsableVariant) {
  ASSERT_EQ(convert(kSafety, 4), 1);
  EXPECT_EQ(nodesOf(variant<hydArmaturSicherung>(0).getKurve()),
            (std::vector<Node>{{1000, "1000", 3000}, {100, "100", 0}}));
  model.destroyAll();
  ASSERT_EQ(convert(kSafety, 10), 1);
  EXPECT_FLOAT_EQ(variant<hydArmaturSicherung>(0).getTrennerDruck(), 0.14f);  // the first 710.04 counts
}

// ---- pressure reducers -----------------------------------------------------------------------

TEST_F(DrinkingWaterTest, PressureReducerKeepsTheOutletPressurePerSettingHighestFirst) {
  ASSERT_EQ(convert(kReducer, 1), 2);
  EXPECT_TRUE(entries().empty());
  const auto& reducer = variant<hydArmaturDruckminderer>(0);
  EXPECT_EQ(reducer.getDimension(), 20);
  EXPECT_EQ(variant<hydArmaturDruckminderer>(1).getDimension(), 25);
  EXPECT_EQ(nodesOf(reducer.getKurve()),
            (std::vector<Node>{{5, "5", 5.0f}, {4, "4", 4.0f}, {3, "3", 3.0f}, {2, "2", 2.0f}, {1, "1", 1.5f}}));
  EXPECT_EQ(reducer.getEinheitEinst(), "Stufe");
  EXPECT_EQ(reducer.getKurve().getEinheity(), "bar");
  EXPECT_DOUBLE_EQ(reducer.getDpOutMax(), 5.0);
  EXPECT_DOUBLE_EQ(reducer.getDpOutMin(), 1.5);
  EXPECT_DOUBLE_EQ(reducer.getdP_bar(3), 2.0);
}

TEST_F(DrinkingWaterTest, PressureReducerSkipsSettingsWithoutOutletPressureAndKeepsZero) {
  ASSERT_EQ(convert(kReducer, 2), 1);
  EXPECT_EQ(nodesOf(variant<hydArmaturDruckminderer>(0).getKurve()),
            (std::vector<Node>{{4, "4", 5.0f}, {3, "3", 4.0f}, {1, "1", 2.0f}}));
  model.destroyAll();
  ASSERT_EQ(convert(kReducer, 3), 1);
  EXPECT_EQ(nodesOf(variant<hydArmaturDruckminderer>(0).getKurve()),
            (std::vector<Node>{{3, "3", 4.0f}, {2, "2", 3.0f}, {1, "1", 2.0f}, {0, "0", 0.0f}}));
}

INSTANTIATE_TEST_SUITE_P(
    Reducer, DrinkingWaterFaultTest,
    ::testing::Values(
        FaultCase{
            kReducer,
            2,
            1,
            {{1009, hintTitle("Druckminderer mit leerem Feld DF1", 20, "HW-DF1-20"),
              "Der Wert für den Ausgangsseitigen Druck ist in mind. einem Feld nicht angegeben worden.\nFolge: die "
              "entsprechenden Einstellungen wurden übersprungen.\nSiehe Satzart 710.05 mit Index 12."}}},
        FaultCase{kReducer,
                  3,
                  1,
                  {{1010, hintTitle("Druckminderer mit Null DF2", 20, "HW-DF2-20"),
                    "Der Wert für den Ausgangsseitigen Druck ist in mind. einem Feld mit 0 (Null) angegeben worden.\n"
                    "Bitte prüfen sie die Daten auf eventuelle Fehler.\nSiehe Satzart 710.05 mit Index 15."}}},
        FaultCase{
            kReducer,
            4,
            0,
            {{1009, hintTitle("Druckminderer ohne Ausgangsdruck DF3", 20, "HW-DF3-20"),
              "Der Wert für den Ausgangsseitigen Druck ist in mind. einem Feld nicht angegeben worden.\nFolge: die "
              "entsprechenden Einstellungen wurden übersprungen.\nSiehe Satzart 710.05 mit Index 19, 20."},
             {10, errorTitle("Druckminderer ohne Ausgangsdruck DF3", 20, "HW-DF3-20"),
              "Dieser Druckminderer hat keine Angaben zum Ausgangsseitigen Druck.\nBitte prüfen sie die Daten auf "
              "eventuelle Fehler und berücksichtigen sie die vorangegangenen Fehler und Hinweise zu dieser "
              "Ausführung.\nSiehe Satzart 700 mit Index 5.\nFolge: Diese Ausführung wird übersprungen."}}},
        FaultCase{
            kReducer, 5, 0, {{10, errorTitle("Druckminderer ohne 710.05 DF4", 20, "HW-DF4-20"), noCurve("710.05", 6)}}},
        FaultCase{kReducer,
                  6,
                  0,
                  {{20, errorTitle("Druckminderer mit doppelter Einstellung DF5", 20, "HW-DF5-20"),
                    "In diesem Ventil ist die Einstellung '2' mindestens zwei mal hinterlegt. Jede Einstellung darf "
                    "nicht mehr als einmal vorkommen.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit "
                    "Index 7, darin Satzart 710.05)."}}},
        FaultCase{kReducer,
                  7,
                  1,
                  {{1050, hintTitle("Druckminderer mit doppeltem Ausgangsdruck DF6", 20, "HW-DF6-20"),
                    "In diesem Ventil ist der Ausgangsseitiger Druck 3 bar mindestens bei den Einstellungen '2' und "
                    "'3' absolut identisch hinterlegt. Jeder Ausgangsseitiger Druck sollte nicht mehr als einmal "
                    "vorkommen.\nMögliche Ursache: unzureichende numerische Präzision der Daten.\nSiehe technische "
                    "Daten der Armaturausführung (Satzart 700 mit Index 8, darin Satzart 710.05)."}}}));

// ---- meters ----------------------------------------------------------------------------------

TEST_F(DrinkingWaterTest, MeterTakesItsFlowsAndTheReferencedProperties) {
  ASSERT_EQ(convert(kMeter, 1), 2);
  EXPECT_TRUE(entries().empty());
  const auto& meter = variant<hydArmaturZaehler>(0);
  EXPECT_EQ(meter.getDimension(), 15);
  EXPECT_EQ(variant<hydArmaturZaehler>(1).getDimension(), 20);
  // Qn, pressure drop at Qn, Qmin, Qmax, Qt
  const double expected[] = {2.5, 0.6, 0.025, 3.125, 0.04};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(meter.getWert(i), expected[i]) << i;
  EXPECT_DOUBLE_EQ(meter.getQmin(), 0.025);
  EXPECT_DOUBLE_EQ(meter.getQmax(), 3.125);
  EXPECT_EQ(meter.getText(0), "Hauswasserzähler");
  EXPECT_EQ(meter.getText(1), "Einstrahl-Flügelradzähler");
  EXPECT_EQ(meter.getText(2), "Messinggehäuse");
  EXPECT_EQ(meter.getEinsatzbereich(), hydArmaturZaehler::Warmwasser);
  EXPECT_EQ(meter.getEinbaulage(), 3);
  EXPECT_EQ(meter.getGerätetyp(), 2);
  EXPECT_EQ(meter.getGehäuseart(), 2);
}

TEST_F(DrinkingWaterTest, MeterWithoutQmaxIsNotCheckedAgainstIt) {
  ASSERT_EQ(convert(kMeter, 2), 1);
  EXPECT_TRUE(entries().empty());
  EXPECT_DOUBLE_EQ(variant<hydArmaturZaehler>(0).getQn(), 10.0);
  EXPECT_DOUBLE_EQ(variant<hydArmaturZaehler>(0).getQmax(), 0.0);
}

std::string meterData(int technical) {
  return "\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index " + std::to_string(technical) + ").";
}

INSTANTIATE_TEST_SUITE_P(
    Meter, DrinkingWaterFaultTest,
    ::testing::Values(
        FaultCase{kMeter,
                  3,
                  0,
                  {{21, errorTitle("Zähler mit Qn unter Qmin ZF2", 20, "HW-ZF2-20"),
                    "Die eingetragene Nenngröße Qn (0.02 m³/h) ist kleiner als der min. Durchfluss Qmin (0.04 m³/h)." +
                        meterData(4)}}},
        FaultCase{kMeter,
                  4,
                  0,
                  {{21, errorTitle("Zähler mit Qn über Qmax ZF3", 20, "HW-ZF3-20"),
                    "Die eingetragene Nenngröße Qn (6.00 m³/h) ist größer als der max. Durchfluss Qmax (5.00 m³/h)." +
                        meterData(5)}}},
        FaultCase{kMeter,
                  5,
                  0,
                  {{20, errorTitle("Zähler ohne Qn ZF4", 20, "HW-ZF4-20"),
                    "Es ist kein Wert in das Datenfeld für die Nenngröße Qn eingetragen." + meterData(6)}}},
        FaultCase{kMeter,
                  6,
                  0,
                  {{10, errorTitle("Zähler ohne 710.06 ZF5", 20, "HW-ZF5-20"),
                    "Es wurde ein Satz der Satzart 710.06 in dieser Armatur erwartet jedoch nicht gefunden." +
                        meterData(7)}}},
        FaultCase{kMeter,
                  7,
                  0,
                  {{21, errorTitle("Zähler ohne Eigenschaften ZF6", 20, "HW-ZF6-20"),
                    "Es wurde ein Satz der Satzart 350 für diesen Zähler erwartet jedoch nicht gefunden.\nSiehe "
                    "Satzarten zu Produkteigenschaften der Armaturausführung (Satzart 110 mit Index 7)."}}}));

// ---- the record each finding names -------------------------------------------------------------

struct RecordCase {
  const char* file;
  int modelIndex;
  const char* path;  // of the record named by the first finding
};

void PrintTo(const RecordCase& c, std::ostream* out) { *out << c.file << " model " << c.modelIndex; }

class DrinkingWaterRecordTest : public DrinkingWaterTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(DrinkingWaterRecordTest, FirstFindingNamesTheRecordItIsAbout) {
  CMiniReportUtil::instance().setIncludeRecordContext(true);
  convert(GetParam().file, GetParam().modelIndex);
  CMiniReportUtil::instance().setIncludeRecordContext(false);
  const std::vector<Entry> found = entries();
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front().text.substr(0, found.front().text.find("\n\n")), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    DrinkingWater, DrinkingWaterRecordTest,
    ::testing::Values(RecordCase{kDrawOff, 4, "[Satzart;Index;] -> 010;17; -> 100;3; -> 110;4; -> 700;5;"},
                      RecordCase{kDrawOff, 5, "[Satzart;Index;] -> 010;17; -> 100;3; -> 110;5; -> 700;6; -> 710.02;5;"},
                      RecordCase{kSafety, 6, "[Satzart;Index;] -> 010;17; -> 100;4; -> 110;6; -> 700;7; -> 710.03;22;"},
                      RecordCase{kReducer, 2,
                                 "[Satzart;Index;] -> 010;17; -> 100;6; -> 110;2; -> 700;3; -> 710.05;12;"},
                      RecordCase{kMeter, 7, "[Satzart;Index;] -> 010;17; -> 100;7; -> 110;7;"}));

}  // namespace
}  // namespace armakon::convtest
