// The pump file: curve text form, reading with its merge and skip rules, writing, the text
// form of one pump, the save dialog, the catalog folders, and the sample files.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeFile.h"
#include "armakon/components/hydCatalogManager.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/pumps/hydPumpenManager.h"

namespace {

using namespace armakon;
namespace fs = std::filesystem;

const std::string kSamples = std::string(ARMAKON_SOURCE_DIR) + "/data/samples";

std::vector<std::pair<double, double>> pairsOf(const hydPumpenKennlinie& curve) {
  std::vector<std::pair<double, double>> pairs;
  for (int i = 0; i < curve.getAnzWertePaare(); ++i) {
    pairs.emplace_back(curve.getTable().GetAtXArray(i), curve.getTable().GetAtYArray(i));
  }
  return pairs;
}

// A pump-file text around the given series nodes.
std::string pumpFile(const std::string& manufacturer, const std::string& series) {
  return "PUMPEN {\nVERSION = 1\nHERSTELLER = " + manufacturer + "\nMMD = ID-" + manufacturer + "\n" + series + "}\n";
}

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    folder_ = fs::temp_directory_path() / ("armakon_pumpfile_" + std::to_string(random()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

// ---- curve text form -----------------------------------------------------------------------

TEST(PumpFileCurveText, WritesLitresPerHourAndMillibarEachFieldClosed) {
  hydPumpenKennlinie curve;
  curve.getTable().Add(0.0, 50000.0);
  curve.getTable().Add(900.0 / 3.6e6, 30000.0);
  std::string flows = "old";
  std::string heads = "old";
  curve.writeToString(flows, heads);
  EXPECT_EQ(flows, "0;900;");
  EXPECT_EQ(heads, "500;300;");

  // "%g" keeps six significant digits.
  curve.getTable().reset();
  curve.getTable().Add(1234567.0 / 3.6e6, 12.345678);
  curve.writeToString(flows, heads);
  EXPECT_EQ(flows, "1.23457e+06;");
  EXPECT_EQ(heads, "0.123457;");

  hydPumpenKennlinie empty;
  empty.writeToString(flows, heads);
  EXPECT_EQ(flows, "");
  EXPECT_EQ(heads, "");
}

TEST(PumpFileCurveText, ReadingStopsAtTheFirstPairWithoutPositiveValue) {
  struct Case {
    const char* flows;
    const char* heads;
    std::vector<std::pair<double, double>> expected;  // l/h, mbar
  };
  const Case cases[] = {
      {"0;100;200;", "500;400;", {{0, 500}, {100, 400}, {200, 0}}},  // the head text ends first
      {"100;0;300;", "400;0;200;", {{100, 400}}},                    // (0, 0) ends the curve
      {"0;5;", "0;7;", {}},                                          // a leading (0, 0): nothing
      {"", "", {}},
      {"abc;1;", "def;2;", {}},                                      // no number reads as 0
      {" 12.5xyz;+3", "2e1;7", {{12.5, 20}, {3, 7}}},                // the leading number counts
      {"-5;10;", "3;2;", {{-5, 3}, {10, 2}}},                        // only both <= 0 ends it
      {"10;20;", "-1;-2;", {{10, -1}, {20, -2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.flows) + " / " + c.heads);
    hydPumpenKennlinie curve;
    curve.getTable().Add(1.0, 1.0);  // replaced by the read
    EXPECT_EQ(curve.readFromString(c.flows, c.heads), !c.expected.empty());
    const auto pairs = pairsOf(curve);
    ASSERT_EQ(pairs.size(), c.expected.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      EXPECT_DOUBLE_EQ(pairs[i].first, c.expected[i].first * 2.7777777777e-7);
      EXPECT_DOUBLE_EQ(pairs[i].second, c.expected[i].second * 100.0);
    }
  }
}

TEST(PumpFileCurveText, SinglePairAccessCountsFieldsFromZero) {
  struct Case {
    int index;
    bool result;
    double flow;
    double head;
  };
  const Case cases[] = {{0, true, 0, 500}, {1, true, 900, 300}, {2, false, 0, 0},
                        {-1, false, 0, 0}, {INT_MAX, false, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    double flow = -9.0;
    double head = -9.0;
    EXPECT_EQ(hydPumpenKennlinie::getWertePaarEx(c.index, "0;900;", "500;300;", flow, head), c.result);
    EXPECT_EQ(flow, c.flow);  // file units: l/h and mbar
    EXPECT_EQ(head, c.head);
  }
}

TEST(PumpFileCurveText, WholeReadAgreesWithPairByPairRead) {
  const std::pair<const char*, const char*> texts[] = {
      {"1;2;3;", "5;"}, {"1;;3;", "5;6;7;"}, {";;", "1;2;3"}, {"4;5;0;7;", "1;0;0;2;"}, {"0", "0;1;"}};
  for (const auto& [flows, heads] : texts) {
    SCOPED_TRACE(std::string(flows) + " / " + heads);
    std::vector<std::pair<double, double>> expected;
    double flow = 0.0;
    double head = 0.0;
    for (int i = 0; hydPumpenKennlinie::getWertePaarEx(i, flows, heads, flow, head); ++i) {
      expected.emplace_back(flow * 2.7777777777e-7, head * 100.0);
    }
    hydPumpenKennlinie curve;
    curve.readFromString(flows, heads);
    EXPECT_EQ(pairsOf(curve), expected);
  }
}

// ---- reading --------------------------------------------------------------------------------

TEST(PumpFileRead, RefusesWhatIsNoPumpFileAndLeavesTheCatalogAlone) {
  const std::string series = "SERIE {\nBEZ = S\n}\n";
  const std::string cases[] = {
      "NOTPUMPEN {\nVERSION = 1\nHERSTELLER = X\nMMD = X\n}\n",
      "pumpen {\nVERSION = 1\nHERSTELLER = X\nMMD = X\n}\n",  // the root name is exact
      "PUMPEN {\nHERSTELLER = X\nMMD = X\n" + series + "}\n",
      "PUMPEN {\nVERSION = 1\nMMD = X\n" + series + "}\n",
      "PUMPEN {\nVERSION = 1\nHERSTELLER = X\n" + series + "}\n",
      "PUMPEN {\nVERSION = 1\nHERSTELLER = X\nMMD = X\n",  // malformed: node left open
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    hydPumpenManager catalog;
    EXPECT_FALSE(catalog.read("", text));
    EXPECT_EQ(catalog.getSize(), 0);
  }
  hydPumpenManager catalog;
  EXPECT_FALSE(catalog.read("", ""));
  EXPECT_FALSE(catalog.read("/nonexistent/folder/Pumpen.PMP", pumpFile("X", "")));
  EXPECT_EQ(catalog.getSize(), 0);
}

TEST(PumpFileRead, FileWithoutSeriesGivesAnEmptyManufacturer) {
  hydPumpenManager catalog;
  ASSERT_TRUE(catalog.read("", pumpFile("Leer", "")));
  ASSERT_EQ(catalog.getSize(), 1);
  EXPECT_EQ(catalog.getAt(0)->getName(), "Leer");
  EXPECT_EQ(catalog.getAt(0)->getID(), "ID-Leer");
  EXPECT_EQ(catalog.getAt(0)->getFilePath(), "");  // the text form has no path
  EXPECT_EQ(catalog.getAt(0)->getSize(), 0);
}

TEST(PumpFileRead, SkipsIncompleteSeriesPumpsAndCurves) {
  const std::string text = pumpFile("H",
                                    "SERIE {\nEB = 1\nPUMPE {\nREG = KONSTDRUCK\nBEZ = in unnamed series\n}\n}\n"
                                    "SERIE {\nBEZ = S\n"
                                    "  PUMPE {\n  BEZ = no REG\n  LINIE {\n  DAT = 1:0:0:100\n  VOL = 0;1;\n"
                                    "  DPP = 5;1;\n  }\n  }\n"
                                    "  PUMPE {\n  BEZ = kept\n  REG = PROPDRUCK\n"
                                    "    LINIE {\n    DAT = 1:0:0:100\n    VOL = 0;1;\n    }\n"  // no DPP
                                    "    LINIE {\n    VOL = 0;1;\n    DPP = 5;1;\n    }\n"      // no DAT
                                    "    LINIE {\n    DAT = 2:0:0:200\n    DPP = 5;1;\n    }\n"  // no VOL
                                    "    LINIE {\n    DAT = 3:0:0:300\n    VOL = 0;\n    DPP = 0;\n    }\n"
                                    "    LINIE {\n    DAT = 4:9:9:400\n    VOL = 0;360;\n    DPP = 5;1;\n    }\n"
                                    "  }\n"
                                    "  OTHER {\n  REG = KONSTDRUCK\n  }\n"
                                    "}\n");
  hydPumpenManager catalog;
  ASSERT_TRUE(catalog.read("", text));
  const hydPumpenHersteller& hersteller = *catalog.getAt(0);
  ASSERT_EQ(hersteller.getSize(), 1);
  const hydPumpenSerie& serie = *hersteller.getAt(0);
  EXPECT_EQ(serie.getName(), "S");
  EXPECT_EQ(serie.getEinsatzBereich(), 0);
  ASSERT_EQ(serie.getSize(), 1);
  const hydPumpe& pumpe = *serie.getAt(0);
  EXPECT_EQ(pumpe.getName(), "kept");
  EXPECT_EQ(pumpe.getRegelungTypCode(), 2);
  // The curve without any usable pair stays, empty, for the catalog check to report.
  ASSERT_EQ(pumpe.getAnzKennlinien(), 2);
  EXPECT_EQ(pumpe.getStatischeKennlinie(0)->getNummer(), 3);
  EXPECT_EQ(pumpe.getStatischeKennlinie(0)->getAnzWertePaare(), 0);
  EXPECT_EQ(pumpe.getStatischeKennlinie(1)->getNummer(), 4);
  EXPECT_EQ(pumpe.getStatischeKennlinie(1)->getDrehzahl(), 400);  // the fourth value
  EXPECT_EQ(pumpe.getStatischeKennlinie(1)->getAnzWertePaare(), 2);
}

TEST(PumpFileRead, TakesEveryPumpFieldAndKeepsDefaultsForAbsentLeaves) {
  const std::string text = pumpFile("H",
                                    "SERIE {\nBEZ = S\nEB = 6\n"
                                    "PUMPE {\nBEZ = Voll\nART = A-1\nBMP = b.bmp\nPDF = p.pdf\n"
                                    "REG = kennlinie|dezentral\nDN = 32\nDPZUL = 50.5:400\n"
                                    "TZUL = -10:110:120\nDAT = 16:1~230\n}\n"
                                    "PUMPE {\nREG =\n}\n"
                                    "PUMPE {\nREG = KONSTPROPDRUCK\nDPZUL = 70\nDAT =\n}\n"
                                    "}\n");
  hydPumpenManager catalog;
  ASSERT_TRUE(catalog.read("", text));
  const hydPumpenSerie& serie = *catalog.getAt(0)->getAt(0);
  EXPECT_EQ(serie.getEinsatzBereich(), 6);
  ASSERT_EQ(serie.getSize(), 3);

  const hydPumpe& full = *serie.getAt(0);
  EXPECT_EQ(full.getName(), "Voll");
  EXPECT_EQ(full.getArticleNumber(), "A-1");
  EXPECT_EQ(full.getBmpFile(), "b.bmp");
  EXPECT_EQ(full.getPdfFile(), "p.pdf");
  EXPECT_EQ(full.getRegelungTypCode(), 0);
  EXPECT_TRUE(full.bIsDezentral());
  EXPECT_EQ(full.getRegelungTypIntern(), "KENNLINIE|DEZENTRAL");
  EXPECT_EQ(full.getDN(), 32);
  EXPECT_EQ(full.getDpMin(), 50.5);
  EXPECT_EQ(full.getDpMax(), 400.0);
  EXPECT_EQ(full.getTMin(), -10.0);
  EXPECT_EQ(full.getTMax(), 110.0);
  EXPECT_EQ(full.getTMaxShort(), 120.0);
  EXPECT_EQ(full.getPN(), 16.0);
  EXPECT_EQ(full.getVoltage(), "1~230");

  // An empty REG is still a REG: the pump is read, with the control type not set.
  const hydPumpe& bare = *serie.getAt(1);
  EXPECT_EQ(bare.getRegelungTypCode(), -1);
  EXPECT_EQ(bare.getName(), "");
  EXPECT_EQ(bare.getDN(), -1);
  EXPECT_EQ(bare.getDpMin(), -1.0);
  EXPECT_EQ(bare.getTMax(), -273.15);
  EXPECT_EQ(bare.getPN(), -1.0);

  // Leaves with fewer values set what they hold.
  const hydPumpe& partial = *serie.getAt(2);
  EXPECT_EQ(partial.getDpMin(), 70.0);
  EXPECT_EQ(partial.getDpMax(), -1.0);
  EXPECT_EQ(partial.getPN(), -1.0);
}

TEST(PumpFileRead, MergesFilesOfOneManufacturer) {
  hydPumpenManager catalog;
  const std::string first = kSamples + "/catalogs/Aqualis/Pumpen.PMP";
  ASSERT_TRUE(catalog.read(first, ""));
  ASSERT_TRUE(catalog.read(kSamples + "/pumps/Aqualis_Ergaenzung.PMP", ""));
  ASSERT_EQ(catalog.getSize(), 1);
  const hydPumpenHersteller& hersteller = *catalog.getAt(0);
  // The manufacturer keeps the id and path of the file that created it.
  EXPECT_EQ(hersteller.getID(), "AQUALIS");
  EXPECT_EQ(hersteller.getFilePath(), first);

  std::vector<std::string> names;
  for (const auto& serie : hersteller.getSerien()) names.push_back(serie->getName());
  EXPECT_EQ(names, (std::vector<std::string>{"Aquaflux E", "Aquaflux P", "Aquaflux Z", "Aquaflux K"}));
  const hydPumpenSerie& shared = *hersteller.contains("Aquaflux E");
  EXPECT_EQ(shared.getEinsatzBereich(), 3);  // the second file's EB wins
  ASSERT_EQ(shared.getSize(), 4);
  EXPECT_EQ(shared.getAt(3)->getName(), "Aquaflux E 32-120");

  // Pumps are never merged: the same file once more doubles every series' pumps.
  ASSERT_TRUE(catalog.read(first, ""));
  EXPECT_EQ(catalog.getSize(), 1);
  EXPECT_EQ(shared.getSize(), 7);
  EXPECT_EQ(shared.getAt(4)->getName(), shared.getAt(0)->getName());
}

// ---- writing --------------------------------------------------------------------------------

// A pump with every field away from its default and curves at two speeds.
void fillPump(hydPumpe& pumpe) {
  pumpe.setName("Rundlauf 25-60: Spezial");  // the separator inside a text survives
  pumpe.setArticleNumber("RL-2560");
  pumpe.setBmpFile("rl.bmp");
  pumpe.setPdfFile("rl.pdf");
  pumpe.setRegelungTypIntern("KONSTPROPDRUCK");
  pumpe.setDN(25);
  pumpe.setDpMin(50.0);
  pumpe.setDpMax(600.0);
  pumpe.setTMin(-10.0);
  pumpe.setTMax(110.0);
  pumpe.setTMaxShort(120.5);
  pumpe.setPN(10.0);
  pumpe.setVoltage("230");
  const double flows[] = {0.0, 900.0 / 3.6e6, 1234.5 / 3.6e6, 2500.0 / 3.6e6};
  const double heads[] = {40000.0, 36000.0, 30010.0, 0.0};
  for (int speed : {1800, 2900}) {
    hydPumpenKennlinie& curve = *pumpe.addKennlinie();
    curve.setNummer(speed / 100);
    curve.setDrehzahl(speed);
    for (int i = 0; i < 4; ++i) curve.getTable().Add(flows[i] * speed / 2900, heads[i] * speed / 2900);
  }
}

TEST(PumpFileWrite, WritesTheTreeInItsOrderAndFormats) {
  hydPumpenManager catalog;
  hydPumpenHersteller& hersteller = *catalog.addHersteller("Rundlauf");
  hersteller.setID("RL");
  hydPumpenSerie& serie = *hersteller.addSerie("RL");
  serie.setEinsatzBereich(5);
  fillPump(*serie.addPumpe());
  hydPumpe& defaults = *serie.addPumpe();
  defaults.setName("Vorgabe");

  CNode root;
  ASSERT_TRUE(root.ReadFromString(catalog.write(true), ':'));
  EXPECT_EQ(root.GetName(), "PUMPEN");
  std::vector<std::string> rootItems;
  for (int i = 0; i < root.GetItemCount(); ++i) rootItems.push_back(root.GetItemAt(i)->GetName());
  EXPECT_EQ(rootItems, (std::vector<std::string>{"VERSION", "COMMENT", "HERSTELLER", "MMD", "SERIE"}));
  EXPECT_EQ(root.FindLeaf("VERSION")->GetValues(), std::vector<std::string>{"1"});
  EXPECT_EQ(root.FindLeaf("COMMENT")->GetValues(),
            std::vector<std::string>{"Hersteller-Pumpendaten mit Kennlinien, technischen Daten"});

  const CNode& series = *root.FindChild("SERIE");
  EXPECT_EQ(series.FindLeaf("EB")->GetValues(), std::vector<std::string>{"5"});
  const CNode& pump = *series.FindChild("PUMPE");
  std::vector<std::string> pumpItems;
  for (int i = 0; i < pump.GetItemCount(); ++i) pumpItems.push_back(pump.GetItemAt(i)->GetName());
  EXPECT_EQ(pumpItems, (std::vector<std::string>{"BEZ", "ART", "BMP", "PDF", "REG", "DN", "DPZUL", "TZUL", "DAT",
                                                 "LINIE", "LINIE"}));
  EXPECT_EQ(pump.FindLeaf("DPZUL")->GetValues(), (std::vector<std::string>{"50.000000", "600.000000"}));
  EXPECT_EQ(pump.FindLeaf("TZUL")->GetValues(),
            (std::vector<std::string>{"-10.000000", "110.000000", "120.500000"}));
  EXPECT_EQ(pump.FindLeaf("DAT")->GetValues(), (std::vector<std::string>{"10.000000", "230"}));
  const CNode& curve = *pump.FindChild("LINIE");
  EXPECT_EQ(curve.FindLeaf("DAT")->GetValues(), (std::vector<std::string>{"18", "0.000000", "0.000000", "1800"}));
  EXPECT_EQ(curve.FindLeaf("VOL")->GetValues(), std::vector<std::string>{"0;558.621;766.241;1551.72;"});

  // Defaults are written as they stand.
  const CNode& bare = *series.FindChild("PUMPE", &pump);
  EXPECT_EQ(bare.FindLeaf("DN")->GetValues(), std::vector<std::string>{"-1"});
  EXPECT_EQ(bare.FindLeaf("DPZUL")->GetValues(), (std::vector<std::string>{"-1.000000", "-1.000000"}));
  EXPECT_EQ(bare.FindLeaf("TZUL")->GetValues(),
            (std::vector<std::string>{"-273.150000", "-273.150000", "-273.150000"}));
  ASSERT_NE(bare.FindLeaf("REG"), nullptr);
  EXPECT_EQ(bare.FindLeaf("REG")->GetValueCount(), 0);
}

TEST(PumpFileWrite, TextFormRoundTripChangesFlowsInTheEleventhDigitOnly) {
  hydPumpenManager source;
  hydPumpenSerie& serie = *source.addHersteller("Rundlauf")->addSerie("RL");
  serie.setEinsatzBereich(9);
  hydPumpe& original = *serie.addPumpe();
  fillPump(original);
  original.setRegelungTypIntern("KENNLINIE|DEZENTRAL");

  // The text form of one pump: assign it to a catalog of its own, write, read back.
  hydPumpenManager single;
  single = &original;
  const std::string text = single.write(true);
  hydPumpenManager copy;
  ASSERT_TRUE(copy.read("", text));
  const hydPumpe* pumpe = copy.hasPumpe();
  ASSERT_NE(pumpe, nullptr);
  EXPECT_EQ(pumpe->getManufacturerName(), "Rundlauf");
  EXPECT_EQ(pumpe->getEinsatzBereich(), 9);
  EXPECT_EQ(pumpe->getName(), original.getName());
  EXPECT_TRUE(pumpe->bIsDezentral());
  EXPECT_EQ(pumpe->getTMaxShort(), 120.5);
  ASSERT_EQ(pumpe->getAnzKennlinien(), 2);
  // Every other field is compared through the text written again at the end.

  const hydPumpenKennlinie& before = *original.getStatischeKennlinie(1);
  const hydPumpenKennlinie& after = *pumpe->getStatischeKennlinie(1);
  EXPECT_EQ(after.getNummer(), 29);
  EXPECT_EQ(after.getDrehzahl(), 2900);
  ASSERT_EQ(after.getAnzWertePaare(), 4);  // (2500 l/h, 0 mbar) has a flow, so it is a pair
  const auto was = pairsOf(before);
  const auto is = pairsOf(after);
  for (std::size_t i = 1; i < is.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NE(is[i].first, was[i].first);
    EXPECT_NEAR(is[i].first / was[i].first, 1.0, 1e-10);  // 2.7777777777e-7 vs 1 / 3.6e6
    EXPECT_GT(std::fabs(is[i].first / was[i].first - 1.0), 1e-12);
    EXPECT_DOUBLE_EQ(is[i].second, was[i].second);
  }
  // Six significant digits: 1234.5 l/h is written as 1234.5, 30010 Pa as 300.1 mbar.
  EXPECT_NEAR(is[2].first * 3.6e6, 1234.5, 1e-6);

  // Written again, the text is the same: the drift stays below "%g"'s six digits.
  hydPumpenManager again;
  again = pumpe;
  EXPECT_EQ(again.write(true), text);
}

TEST(PumpFileWrite, TextFormHoldsTheFirstManufacturerOnly) {
  hydPumpenManager catalog;
  EXPECT_EQ(catalog.write(true), "");
  for (const char* name : {"Erster", "Zweiter", "Dritter"}) catalog.addHersteller(name)->addSerie("S");
  hydPumpenManager copy;
  ASSERT_TRUE(copy.read("", catalog.write(true)));
  ASSERT_EQ(copy.getSize(), 1);
  EXPECT_EQ(copy.getAt(0)->getName(), "Erster");
  EXPECT_EQ(catalog.writeToFile(nullptr, true), "");
}

class PumpFileSave : public TempFolder {};

TEST_F(PumpFileSave, SaveDialogPerManufacturerWritesTheChosenFile) {
  hydPumpenManager catalog;
  fillPump(*catalog.addHersteller("Erster")->addSerie("S")->addPumpe());
  catalog.addHersteller("Zweiter");
  ScriptedPlatform script;
  ScopedPlatform installed(script);
  script.queueFileToSave(path("erster.PMP"));
  script.queueFileToSave(std::nullopt);  // the user cancels the second

  EXPECT_EQ(catalog.write(false), "");
  const auto calls = script.calls();
  ASSERT_EQ(calls.size(), 2u);
  for (const PlatformCall& call : calls) {
    EXPECT_EQ(call.kind, PlatformCallKind::ChooseFileToSave);
    EXPECT_EQ(call.request.filter, "PMP Dateien (*.PMP)|*.PMP|");
    EXPECT_EQ(call.request.defaultExtension, "PMP");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);

  hydPumpenManager reread;
  ASSERT_TRUE(reread.read(path("erster.PMP"), ""));
  EXPECT_EQ(reread.getAt(0)->getFilePath(), path("erster.PMP"));
  EXPECT_EQ(reread.write(true), catalog.write(true));
}

// ---- catalog folders and sample files -------------------------------------------------------

class PumpFileCatalogs : public TempFolder {};

TEST_F(PumpFileCatalogs, ReadsThePumpFileNamedInEachCatalog) {
  hydCatalogManager& manager = hydCatalogManager::getInstance();
  ASSERT_GE(manager.init(kSamples + "/catalogs"), 2u);
  hydPumpenManager catalog;
  catalog.addHersteller("vorher");
  catalog.readAllPumpData("PUMPEN");
  ASSERT_EQ(catalog.getSize(), 2);
  EXPECT_EQ(catalog.getAt(0)->getName(), "Aqualis Pumpen");
  EXPECT_EQ(catalog.getAt(1)->getName(), "Therma Nord Wärmetechnik");
  EXPECT_EQ(fs::path(catalog.getAt(1)->getFilePath()), fs::path(kSamples + "/catalogs/ThermaNord/ThermaNord.PMP"));

  catalog.readAllPumpData("NO_SUCH_KEY");
  EXPECT_EQ(catalog.getSize(), 0);

  // A missing or broken pump file is skipped; a name with a Windows folder separator is found.
  for (const char* name : {"A", "B", "C"}) fs::create_directories(folder_ / name / "PMP");
  ASSERT_TRUE(writeFileAtomically(folder_ / "A/desktop.info", "ID=A\n[OrgInfo]\nPUMPEN=fehlt.PMP\n"));
  ASSERT_TRUE(writeFileAtomically(folder_ / "B/desktop.info", "ID=B\n[OrgInfo]\nPUMPEN=kaputt.PMP\n"));
  ASSERT_TRUE(writeFileAtomically(folder_ / "B/kaputt.PMP", "PUMPEN {\n"));
  ASSERT_TRUE(writeFileAtomically(folder_ / "C/desktop.info", "ID=C\n[OrgInfo]\nPUMPEN=PMP\\c.PMP\n"));
  ASSERT_TRUE(writeFileAtomically(folder_ / "C/PMP/c.PMP", pumpFile("C", "")));
  manager.init(folder_.string());
  catalog.readAllPumpData("PUMPEN");
  ASSERT_EQ(catalog.getSize(), 1);
  EXPECT_EQ(catalog.getAt(0)->getName(), "C");
  manager.init("");
}

TEST(PumpFileSamples, FaultySamplesTriggerOneMessageEach) {
  const std::pair<const char*, const char*> cases[] = {
      {"ohne_serien.PMP", "Pumpenhersteller ohne Pumpen gefunden: Fehlerfall A ohne Serien"},
      {"serie_ohne_pumpen.PMP", "Pumpenserie ohne Pumpen gefunden: Leere Serie"},
      {"pumpe_ohne_kennlinien.PMP", "Pumpe ohne Kennlinien gefunden: Pumpe ohne Kennlinien"},
      {"falsche_reihenfolge.PMP",
       "Reihenfolge/ Anordnung der Pumpenkennlinien ist nicht korrekt: Pumpe hoechste Kennlinie zuerst"},
      {"fehlerhafte_kennlinie.PMP",
       "Pumpenkennlinie mit fehlerhaften Angaben: Fehlerfall E, Serie E, Pumpe mit fallenden Volumenstroemen"},
  };
  for (const auto& [file, message] : cases) {
    SCOPED_TRACE(file);
    hydPumpenManager catalog;
    ASSERT_TRUE(catalog.read(kSamples + "/pumps/faulty/" + file, ""));
    std::vector<std::string> messages;
    EXPECT_FALSE(catalog.checkAllPumpData(messages));
    EXPECT_EQ(messages, std::vector<std::string>{message});
  }
}

TEST(PumpFileSamples, GoodSamplesAreCleanCoverEveryControlTypeAndAreInTheWrittenLayout) {
  const std::string files[] = {kSamples + "/catalogs/Aqualis/Pumpen.PMP",
                               kSamples + "/catalogs/ThermaNord/ThermaNord.PMP",
                               kSamples + "/pumps/Aqualis_Ergaenzung.PMP"};
  std::vector<std::string> controlTypes;
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    hydPumpenManager catalog;
    ASSERT_TRUE(catalog.read(file, ""));
    std::vector<std::string> messages;
    EXPECT_TRUE(catalog.checkAllPumpData(messages)) << (messages.empty() ? "" : messages.front());
    for (const auto& serie : catalog.getAt(0)->getSerien()) {
      for (const auto& pumpe : serie->getPumpen()) {
        controlTypes.push_back(pumpe->getRegelungTypIntern());
        EXPECT_GE(pumpe->getAnzKennlinien(), 2) << pumpe->getName();
      }
    }
    // Written anew, the file gives the same tree: the samples hold exactly what the writer
    // writes, in its order and formats.
    std::unique_ptr<CNode> fromFile;
    ASSERT_EQ(TreeItems::ReadFromFile(file, fromFile, 1), 1);
    CNode rewritten;
    ASSERT_TRUE(rewritten.ReadFromString(catalog.write(true), ':'));
    EXPECT_TRUE(rewritten.IsEqualTo(*fromFile));
  }
  for (const char* type : {"KENNLINIE", "KENNLINIE|DEZENTRAL", "KONSTDRUCK", "PROPDRUCK", "KONSTPROPDRUCK"}) {
    EXPECT_NE(std::find(controlTypes.begin(), controlTypes.end(), type), controlTypes.end()) << type;
  }
}

}  // namespace
