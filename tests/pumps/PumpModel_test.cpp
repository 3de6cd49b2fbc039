// Pump catalog model: control-type texts, curve and pump checks, the catalog check messages,
// look-ups, the assignment from a pump and the program-wide catalog.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "armakon/pumps/hydPumpenManager.h"

namespace {

using namespace armakon;
using Pairs = std::vector<std::pair<double, double>>;

void fill(hydPumpenKennlinie& kennlinie, const Pairs& pairs) {
  for (const auto& [x, y] : pairs) kennlinie.getTable().Add(x, y);
}

hydPumpenKennlinie* addCurve(hydPumpe& pumpe, const Pairs& pairs, int nummer = 1, int drehzahl = -1) {
  hydPumpenKennlinie* kennlinie = pumpe.addKennlinie();
  fill(*kennlinie, pairs);
  kennlinie->setNummer(nummer);
  kennlinie->setDrehzahl(drehzahl);
  return kennlinie;
}

// A pump whose curves start at the given zero-flow heads (each falling to 0 at 0.002 m³/s).
void addCurvesWithHeads(hydPumpe& pumpe, const std::vector<double>& heads) {
  int nummer = 1;
  for (const double head : heads) addCurve(pumpe, {{0.0, head}, {0.002, 0.0}}, nummer++);
}

TEST(PumpControlType, InternalAndDisplayTexts) {
  struct Case {
    int code;
    bool dezentral;
    const char* intern;
    const char* display;
  };
  const Case cases[] = {
      {0, false, "KENNLINIE", "Statische Kennlinie"},
      {0, true, "KENNLINIE|DEZENTRAL", "Statische Kennlinie"},
      {1, true, "KONSTDRUCK", "Konstant-Druckregelung"},
      {2, false, "PROPDRUCK", "Proportional-Druckregelung"},
      {3, false, "KONSTPROPDRUCK", "Konstant-/Prop.-Druckregelung"},
      {-1, false, "", ""},
      {4, true, "", ""},
  };
  for (const Case& c : cases) {
    hydPumpe pumpe;
    pumpe.setRegelungTypCode(c.code);
    pumpe.setDezentral(c.dezentral);
    EXPECT_EQ(pumpe.getRegelungTypIntern(), c.intern) << c.code;
    EXPECT_EQ(pumpe.getRegelungTyp(), c.display) << c.code;
  }
}

TEST(PumpControlType, SetFromInternalTextIgnoresCase) {
  const std::pair<const char*, int> cases[] = {
      {"KENNLINIE", 0}, {"kennlinie", 0},      {"KonstDruck", 1}, {"propdruck", 2}, {"KONSTPROPDRUCK", 3},
      {"", -1},         {"KENNLINIE ", -1},    {"DEZENTRAL", -1}, {"KONST", -1},
  };
  for (const auto& [text, code] : cases) {
    hydPumpe pumpe;
    pumpe.setRegelungTypCode(2);
    pumpe.setRegelungTypIntern(text);
    EXPECT_EQ(pumpe.getRegelungTypCode(), code) << '"' << text << '"';
    EXPECT_FALSE(pumpe.bIsDezentral()) << text;
  }
}

TEST(PumpControlType, DecentralMarkerSurvivesPlainKennlinie) {
  hydPumpe pumpe;
  pumpe.setRegelungTypIntern("kennlinie|dezentral");
  EXPECT_EQ(pumpe.getRegelungTypCode(), 0);
  EXPECT_TRUE(pumpe.bIsDezentral());
  pumpe.setRegelungTypIntern("KENNLINIE");
  EXPECT_TRUE(pumpe.bIsDezentral());
  EXPECT_EQ(pumpe.getRegelungTypIntern(), "KENNLINIE|DEZENTRAL");
  // Another control type does not clear the marker either; it is just not written with it.
  pumpe.setRegelungTypIntern("KONSTDRUCK");
  EXPECT_TRUE(pumpe.bIsDezentral());
  EXPECT_EQ(pumpe.getRegelungTypIntern(), "KONSTDRUCK");
}

TEST(PumpCurve, PlausibilityCheck) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<Pairs, bool> cases[] = {
      {{}, true},                                           // an empty curve passes; the pump check counts pairs
      {{{0, 0}}, true},                                     // a single pair only needs non-negative values
      {{{0, 0}, {10, 5}}, false},                           // (0, 0) before the last pair
      {{{0, 500}, {0.001, 0}}, true},                       // the last pair may reach head 0
      {{{0, 500}, {0.001, 300}, {0.002, 0}}, true},
      {{{0, 500}, {0.001, 300}, {0.001, 200}}, false},      // equal flows
      {{{0, 500}, {0.002, 300}, {0.001, 200}}, false},      // falling flows
      {{{0, 500}, {0.001, -1}, {0.002, 0}}, false},         // negative head inside
      {{{0, 500}, {0.001, -1}}, false},                     // negative last head
      {{{-0.001, 500}, {0.001, 100}}, false},               // negative first flow
      {{{0, 500}, {nan, 300}, {0.002, 0}}, false},
      {{{0, 500}, {0.001, nan}}, false},
      {{{0.0005, 0}, {0.001, 0}}, true},                    // zero head at a flow other than 0 is allowed
  };
  int row = 0;
  for (const auto& [pairs, ok] : cases) {
    hydPumpenKennlinie kennlinie;
    fill(kennlinie, pairs);
    EXPECT_EQ(kennlinie.bIsKennlinieOk(), ok) << "case " << row;
    ++row;
  }
}

TEST(PumpCurve, NameFromSpeedOrNumber) {
  hydPumpenKennlinie kennlinie;
  kennlinie.setNummer(3);
  kennlinie.setDrehzahl(0);
  EXPECT_EQ(kennlinie.getKennlinieName(), "Nr. 3");
  kennlinie.setDrehzahl(1);
  EXPECT_EQ(kennlinie.getKennlinieName(), "1 1/min");
  kennlinie.setDrehzahl(2900);
  EXPECT_EQ(kennlinie.getKennlinieName(), "2900 1/min");
}

TEST(PumpChecks, SequenceOfZeroFlowHeads) {
  const std::pair<std::vector<double>, bool> cases[] = {
      {{}, true},
      {{300, 300, 500}, true},
      {{500, 300}, false},
      {{300, 500, 400}, false},
      {{-1, 300}, false},  // the sequence starts from 0
      {{0, 0}, true},
  };
  int row = 0;
  for (const auto& [heads, ok] : cases) {
    hydPumpe pumpe;
    addCurvesWithHeads(pumpe, heads);
    EXPECT_EQ(pumpe.bKennlinienSequenceOK(), ok) << "case " << row;
    ++row;
  }
}

TEST(PumpChecks, CurvesAndPump) {
  hydPumpe pumpe;
  EXPECT_TRUE(pumpe.bCheckKennlinien());
  EXPECT_FALSE(pumpe.bCheckPumpe());  // a pump needs a curve

  addCurve(pumpe, {{0, 30000}, {0.002, 0}});
  EXPECT_TRUE(pumpe.bCheckPumpe());

  hydPumpenKennlinie* empty = pumpe.addKennlinie();  // an empty curve passes its own check ...
  EXPECT_TRUE(empty->bIsKennlinieOk());
  EXPECT_FALSE(pumpe.bCheckKennlinien());            // ... but not the pump's
  EXPECT_FALSE(pumpe.bCheckPumpe());

  hydPumpe falling;
  addCurvesWithHeads(falling, {50000, 40000});
  EXPECT_TRUE(falling.bCheckKennlinien());
  EXPECT_FALSE(falling.bCheckPumpe());
  falling.reverseArray();
  EXPECT_EQ(falling.getStatischeKennlinie(0)->getNummer(), 2);
  EXPECT_TRUE(falling.bCheckPumpe());
}

TEST(PumpCatalog, CheckAllPumpDataMessages) {
  hydPumpenManager katalog;
  std::vector<std::string> messages{"stale"};
  EXPECT_TRUE(katalog.checkAllPumpData(messages));
  EXPECT_TRUE(messages.empty());

  katalog.addHersteller("Leer GmbH");
  hydPumpenHersteller* hersteller = katalog.addHersteller("Aquaflux");
  hersteller->addSerie("Nova");
  hydPumpenSerie* serie = hersteller->addSerie("Vega");
  serie->addPumpe()->setName("Vega 25-40");                             // no curves
  hydPumpe* good = serie->addPumpe();
  good->setName("Vega 25-60");
  addCurvesWithHeads(*good, {30000, 60000});
  hydPumpe* bad = serie->addPumpe();
  bad->setName("Vega 32-80");
  addCurvesWithHeads(*bad, {80000, 40000});                              // wrong order
  addCurve(*bad, {{0, 0}, {0.001, 500}});                                // (0, 0) inside

  EXPECT_FALSE(katalog.checkAllPumpData(messages));
  const std::vector<std::string> expected = {
      "Pumpenhersteller ohne Pumpen gefunden: Leer GmbH",
      "Pumpenserie ohne Pumpen gefunden: Nova",
      "Pumpe ohne Kennlinien gefunden: Vega 25-40",
      "Reihenfolge/ Anordnung der Pumpenkennlinien ist nicht korrekt: Vega 32-80",
      "Pumpenkennlinie mit fehlerhaften Angaben: Aquaflux, Vega, Vega 32-80",
  };
  EXPECT_EQ(messages, expected);
}

TEST(PumpCatalog, LookupsAndIndexErrors) {
  hydPumpenManager katalog;
  EXPECT_EQ(katalog.hasPumpe(), nullptr);
  hydPumpenHersteller* first = katalog.addHersteller("Aquaflux");
  katalog.addHersteller("Aquaflux");
  EXPECT_EQ(katalog.contains("Aquaflux"), first);
  EXPECT_EQ(katalog.contains("aquaflux"), nullptr);
  hydPumpenSerie* serie = first->addSerie("Vega");
  EXPECT_EQ(first->contains("Vega"), serie);
  EXPECT_EQ(first->contains("VEGA"), nullptr);
  EXPECT_EQ(serie->getHersteller(), first);

  // The first pump decides, even when a later one has curves.
  hydPumpe* ohne = serie->addPumpe();
  addCurvesWithHeads(*serie->addPumpe(), {30000});
  EXPECT_EQ(katalog.hasPumpe(), nullptr);
  addCurvesWithHeads(*ohne, {30000});
  EXPECT_EQ(katalog.hasPumpe(), ohne);

  EXPECT_THROW(katalog.getAt(2), std::invalid_argument);
  EXPECT_THROW(katalog.getAt(-1), std::invalid_argument);
  EXPECT_THROW(first->getAt(1), std::invalid_argument);
  EXPECT_THROW(serie->getAt(2), std::invalid_argument);
  EXPECT_EQ(serie->getAt(1)->getSerie(), serie);
}

TEST(PumpCatalog, OwnerDataOfAPump) {
  hydPumpe lose;
  EXPECT_EQ(lose.getManufacturerName(), "");
  EXPECT_EQ(lose.getSerialName(), "");
  EXPECT_EQ(lose.getEinsatzBereich(), 0);

  hydPumpenSerie ohneHersteller;
  ohneHersteller.setName("Solo");
  ohneHersteller.setEinsatzBereich(EB_SOLAR);
  hydPumpe* pumpe = ohneHersteller.addPumpe();
  EXPECT_EQ(pumpe->getManufacturerID(), "");
  EXPECT_EQ(pumpe->getSerialName(), "Solo");
  EXPECT_EQ(pumpe->getEinsatzBereich(), EB_SOLAR);
}

TEST(PumpSeries, EinsatzbereichAndRemoveAll) {
  hydPumpenHersteller hersteller;
  hersteller.setName("Aquaflux");
  hydPumpenSerie* serie = hersteller.addSerie("Vega");
  const std::pair<int, int> matches[] = {{0b0110, 0b0010}, {0b0110, 0b0110}, {0b0110, 0}, {0, 0}};
  const std::pair<int, int> misses[] = {{0b0110, 0b1010}, {0, 0b0001}, {0b0001, 0b0011}};
  for (const auto& [bereich, filter] : matches) {
    serie->setEinsatzBereich(bereich);
    EXPECT_TRUE(serie->bIsForEinsatzbereich(filter)) << bereich << ' ' << filter;
  }
  for (const auto& [bereich, filter] : misses) {
    serie->setEinsatzBereich(bereich);
    EXPECT_FALSE(serie->bIsForEinsatzbereich(filter)) << bereich << ' ' << filter;
  }

  serie->addPumpe();
  serie->removeAll();
  EXPECT_EQ(serie->getSize(), 0);
  EXPECT_EQ(serie->getName(), "");
  EXPECT_EQ(serie->getEinsatzBereich(), 0);
  hersteller.setID("AQF");
  hersteller.removeAll();
  EXPECT_EQ(hersteller.getSize(), 0);
  EXPECT_EQ(hersteller.getName(), "Aquaflux");
  EXPECT_EQ(hersteller.getID(), "AQF");
}

TEST(PumpCatalog, AssignmentCopiesOnePump) {
  hydPumpenManager quelle;
  hydPumpenHersteller* hersteller = quelle.addHersteller("Aquaflux");
  hersteller->setID("AQF");
  hersteller->setFilePath("/katalog/AQF/aquaflux.PMP");
  hydPumpenSerie* serie = hersteller->addSerie("Vega");
  serie->setEinsatzBereich(EB_HEIZUNG | EB_KUEHLUNG);
  serie->addPumpe();
  hydPumpe* pumpe = serie->addPumpe();
  pumpe->setName("Vega 25-60");
  pumpe->setArticleNumber("4711");
  pumpe->setVoltage("230");
  pumpe->setDpMin(100);
  pumpe->setDpMax(600);
  pumpe->setPN(10);
  pumpe->setTMin(-10);
  pumpe->setTMax(110);
  pumpe->setTMaxShort(130);
  pumpe->setRegelungTypIntern("KENNLINIE|DEZENTRAL");
  pumpe->setDN(25);
  pumpe->setPdfFile("vega.pdf");
  pumpe->setBmpFile("vega.bmp");
  addCurve(*pumpe, {{0, 30000}, {0.002, 0}}, 1, 1450);
  addCurve(*pumpe, {{0, 60000}, {0.003, 0}}, 2, 2900);

  hydPumpenManager ziel;
  ziel.addHersteller("wird ersetzt");
  ziel = pumpe;
  ASSERT_EQ(ziel.getSize(), 1);
  const hydPumpenHersteller* h = ziel.getAt(0);
  EXPECT_EQ(h->getName(), "Aquaflux");
  EXPECT_EQ(h->getID(), "AQF");
  EXPECT_EQ(h->getFilePath(), "/katalog/AQF/aquaflux.PMP");
  EXPECT_EQ(h->getManager(), &ziel);
  ASSERT_EQ(h->getSize(), 1);
  EXPECT_EQ(h->getAt(0)->getName(), "Vega");
  EXPECT_EQ(h->getAt(0)->getEinsatzBereich(), EB_HEIZUNG | EB_KUEHLUNG);
  ASSERT_EQ(h->getAt(0)->getSize(), 1);
  const hydPumpe* kopie = ziel.hasPumpe();
  ASSERT_NE(kopie, nullptr);
  EXPECT_NE(kopie, pumpe);
  EXPECT_EQ(kopie->getSerie(), h->getAt(0));
  EXPECT_EQ(kopie->getName(), "Vega 25-60");
  EXPECT_EQ(kopie->getArticleNumber(), "4711");
  EXPECT_EQ(kopie->getVoltage(), "230");
  EXPECT_EQ(kopie->getDpMin(), 100);
  EXPECT_EQ(kopie->getDpMax(), 600);
  EXPECT_EQ(kopie->getPN(), 10);
  EXPECT_EQ(kopie->getTMin(), -10);
  EXPECT_EQ(kopie->getTMax(), 110);
  EXPECT_EQ(kopie->getTMaxShort(), 130);
  EXPECT_EQ(kopie->getRegelungTypIntern(), "KENNLINIE|DEZENTRAL");
  EXPECT_EQ(kopie->getDN(), 25);
  EXPECT_EQ(kopie->getPdfFile(), "vega.pdf");
  EXPECT_EQ(kopie->getBmpFile(), "vega.bmp");
  ASSERT_EQ(kopie->getAnzKennlinien(), 2);
  const hydPumpenKennlinie* k = kopie->getStatischeKennlinie(1);
  EXPECT_EQ(k->getPumpe(), kopie);
  EXPECT_EQ(k->getNummer(), 2);
  EXPECT_EQ(k->getDrehzahl(), 2900);
  EXPECT_EQ(k->getMaxVolumenstrom(), 0.003);

  // The copy stands on its own.
  pumpe->getStatischeKennlinie(1)->getTable().SetAtYArray(0, 1.0);
  quelle.removeAll();
  EXPECT_EQ(k->getNullForderHoehe(), 60000);
}

TEST(PumpCatalog, AssignmentOfUnusablePumpsEmptiesTheCatalog) {
  hydPumpenManager katalog;
  hydPumpenSerie serie;  // no manufacturer: the copy gets empty names and no path
  hydPumpe* pumpe = serie.addPumpe();

  katalog.addHersteller("alt");
  katalog = pumpe;
  EXPECT_EQ(katalog.getSize(), 0);

  katalog.addHersteller("alt");
  katalog = static_cast<const hydPumpe*>(nullptr);
  EXPECT_EQ(katalog.getSize(), 0);

  addCurvesWithHeads(*pumpe, {30000});
  katalog = pumpe;
  ASSERT_NE(katalog.hasPumpe(), nullptr);
  EXPECT_EQ(katalog.getAt(0)->getName(), "");
  EXPECT_EQ(katalog.getAt(0)->getFilePath(), "");
}

TEST(PumpCatalog, AssignmentFromItsOwnPump) {
  hydPumpenManager katalog;
  hydPumpenSerie* serie = katalog.addHersteller("Aquaflux")->addSerie("Vega");
  hydPumpe* pumpe = serie->addPumpe();
  pumpe->setName("Vega 25-60");
  addCurvesWithHeads(*pumpe, {30000});
  katalog.addHersteller("Zweiter");

  katalog = katalog.hasPumpe();  // reads the pump before the old content goes
  ASSERT_EQ(katalog.getSize(), 1);
  ASSERT_NE(katalog.hasPumpe(), nullptr);
  EXPECT_EQ(katalog.hasPumpe()->getName(), "Vega 25-60");
}

TEST(PumpCatalog, ProgramWideInstance) {
  hydPumpenManager::removeInstance();
  EXPECT_EQ(g_PumpenManager, nullptr);
  hydPumpenManager* katalog = hydPumpenManager::instance();
  ASSERT_NE(katalog, nullptr);
  EXPECT_EQ(g_PumpenManager, katalog);
  EXPECT_EQ(hydPumpenManager::instance(), katalog);
  katalog->addHersteller("Aquaflux");
  hydPumpenManager::removeInstance();
  EXPECT_EQ(g_PumpenManager, nullptr);
  hydPumpenManager::removeInstance();  // nothing left to remove
  EXPECT_EQ(hydPumpenManager::instance()->getSize(), 0);
  hydPumpenManager::removeInstance();
}

}  // namespace
