// The pump file: curve text form, reading with its merge and skip rules, the catalog folders,
// and the sample files.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/TreeFile.h"
#include "armakon/components/hydCatalogManager.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/pumps/hydPumpenKennlinie.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "tests/TempFolder.h"

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
  std::string path(const std::string& name) const { return temp_.path(name); }
  const testsupport::TempFolder temp_;
  const fs::path folder_{temp_.path()};
};

// ---- curve text form -----------------------------------------------------------------------

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

// Curve fields are read as strtod reads them in the "C" locale, whatever the host's locale.
TEST(CurveFieldNumbers, ReadAsTheStandardConversionReadsThem) {
  const struct {
    const char* field;
    double value;
  } cases[] = {
      {"0x10", 16.0},
      {"1e999", std::numeric_limits<double>::infinity()},
      {"\v5", 5.0},
      {"\f7", 7.0},
      {" 2.5 l/h", 2.5},
      {"-0x1p3", -8.0},
  };
  // Read under a locale with a decimal comma, compared afterwards.
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 is missing";
  std::vector<double> flows;
  for (const auto& c : cases) {
    double flow = 0.0;
    double head = 0.0;
    hydPumpenKennlinie::getWertePaarEx(1, std::string("0;") + c.field + ";", "1;1;", flow, head);
    flows.push_back(flow);
  }
  hydPumpenKennlinie curve(nullptr);
  const bool read = curve.readFromString("0x10;", "1;");
  std::setlocale(LC_ALL, previous.c_str());

  for (std::size_t i = 0; i < flows.size(); ++i) EXPECT_EQ(flows[i], cases[i].value) << cases[i].field;
  ASSERT_TRUE(read);
  CHydrixInterpolation table;
  ASSERT_TRUE(curve.getFunktion(table));
  EXPECT_DOUBLE_EQ(table.GetAtXArray(0), 16.0 * 2.7777777777e-7);
}

}  // namespace
