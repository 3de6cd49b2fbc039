// The pump choice: lists and filter, the start pump, texts, image and data sheet, the
// buttons, both forms of katalogauswahl, and the chart shared with the SVG writer.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "armakon/components/hydCatalogManager.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/pumps/CPumpenDlg.h"
#include "armakon/pumps/PumpChartSvg.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "tests/TempFolder.h"

namespace {

using namespace armakon;
namespace fs = std::filesystem;

const std::string kCatalogs = std::string(ARMAKON_SOURCE_DIR) + "/data/samples/catalogs";

// Aqualis: series E (Einsatzbereich 1), P (3), Z (4); Therma Nord: S (0), D (9).
void readSamples(hydPumpenManager& katalog) {
  ASSERT_TRUE(katalog.read(kCatalogs + "/Aqualis/Pumpen.PMP", ""));
  ASSERT_TRUE(katalog.read(kCatalogs + "/ThermaNord/ThermaNord.PMP", ""));
}

hydPumpe* samplePump(const hydPumpenManager& katalog, const std::string& name) {
  for (const auto& hersteller : katalog.getHersteller()) {
    for (const auto& serie : hersteller->getSerien()) {
      for (const auto& pumpe : serie->getPumpen()) {
        if (pumpe->getName() == name) return pumpe.get();
      }
    }
  }
  return nullptr;
}

TEST(PumpChoice, EmptyCatalogShowsNothingAndChoiceNeedsAPump) {
  hydPumpenManager katalog;
  for (const bool auswahl : {true, false}) {
    CPumpenDlg dlg(katalog, {.auswahl = auswahl});
    EXPECT_TRUE(dlg.getHerstellerListe().empty());
    EXPECT_TRUE(dlg.getSerienListe().empty());
    EXPECT_TRUE(dlg.getPumpenListe().empty());
    EXPECT_EQ(dlg.getAktPumpe(), nullptr);
    EXPECT_EQ(dlg.getTechnischeDaten(), "");
    EXPECT_TRUE(dlg.getChart().series.empty());
    EXPECT_EQ(dlg.getChart().title, "");
    EXPECT_EQ(dlg.title(), auswahl ? "Pumpenauswahl" : "Pumpenkatalog");
    EXPECT_EQ(dlg.getOkText(), auswahl ? "Zuweisen" : "OK");
    EXPECT_EQ(dlg.isOkEnabled(), !auswahl);
    EXPECT_FALSE(dlg.isDatenblattEnabled());
  }
}

TEST(PumpChoice, SeriesFilterKeepsUnrestrictedSeriesAndThoseWithAllBits) {
  hydPumpenManager katalog;
  readSamples(katalog);
  struct Case {
    int filter;
    std::vector<std::string> aqualis;
    std::vector<std::string> thermaNord;
  };
  const Case cases[] = {
      {0, {"Aquaflux E", "Aquaflux P", "Aquaflux Z"}, {"Nordstrom S", "Nordstrom D"}},
      {0b0001, {"Aquaflux E", "Aquaflux P"}, {"Nordstrom S", "Nordstrom D"}},
      {0b0010, {"Aquaflux P"}, {"Nordstrom S"}},
      {0b1010, {}, {"Nordstrom S"}},
      {0b1001, {}, {"Nordstrom S", "Nordstrom D"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    CPumpenDlg dlg(katalog, {.auswahl = true, .einsatzFilter = c.filter});
    EXPECT_EQ(dlg.getSerienListe(), c.aqualis);
    // The first series and its first pump are selected; without a series nothing is.
    EXPECT_EQ(dlg.getSerienAuswahl(), c.aqualis.empty() ? -1 : 0);
    EXPECT_EQ(dlg.getPumpenAuswahl(), c.aqualis.empty() ? -1 : 0);
    EXPECT_EQ(dlg.isOkEnabled(), !c.aqualis.empty());
    dlg.selectHersteller(1);
    EXPECT_EQ(dlg.getSerienListe(), c.thermaNord);
    EXPECT_EQ(dlg.getAktPumpe(), dlg.getAktSerie()->getAt(0));
  }
}

TEST(PumpChoice, StartPumpIsFoundByNameOrShownWithExtraEntries) {
  hydPumpenManager katalog;
  readSamples(katalog);
  struct Case {
    const char* hersteller;
    const char* serie;
    const char* pumpe;
    bool found;
    std::vector<std::string> herstellerListe;
    std::vector<std::string> serienListe;
  };
  const Case cases[] = {
      // Names are compared ignoring case; the catalog's own pump is selected.
      {"aqualis PUMPEN", "AQUAFLUX P", "aquaflux p 40-100", true, {"Aqualis Pumpen", "Therma Nord Wärmetechnik"},
       {"Aquaflux E", "Aquaflux P", "Aquaflux Z"}},
      // The manufacturer is listed, its series is not: three extra entries.
      {"Aqualis Pumpen", "Fremdserie", "Eigenbau 1", false,
       {"Aqualis Pumpen", "Therma Nord Wärmetechnik", "Aqualis Pumpen"},
       {"Aquaflux E", "Aquaflux P", "Aquaflux Z", "Fremdserie"}},
      // The series is listed, the pump is not.
      {"Therma Nord Wärmetechnik", "Nordstrom D", "Eigenbau 2", false,
       {"Aqualis Pumpen", "Therma Nord Wärmetechnik", "Therma Nord Wärmetechnik"},
       {"Nordstrom S", "Nordstrom D", "Nordstrom D"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pumpe);
    hydPumpenManager host;
    hydPumpe& start = *host.addHersteller(c.hersteller)->addSerie(c.serie)->addPumpe();
    start.setName(c.pumpe);
    CPumpenDlg dlg(katalog, {.auswahl = true, .startPumpe = &start});
    EXPECT_EQ(dlg.getHerstellerListe(), c.herstellerListe);
    EXPECT_EQ(dlg.getSerienListe(), c.serienListe);
    const std::vector<std::string> pumpen = dlg.getPumpenListe();
    EXPECT_TRUE(dlg.getHerstellerAuswahl() >= 0 && dlg.getPumpenAuswahl() >= 0);
    EXPECT_EQ(dlg.getHerstellerListe()[static_cast<std::size_t>(dlg.getHerstellerAuswahl())],
              c.herstellerListe[c.found ? 0 : c.herstellerListe.size() - 1]);
    if (c.found) {
      EXPECT_EQ(dlg.getAktPumpe(), samplePump(katalog, "Aquaflux P 40-100"));
      EXPECT_EQ(pumpen, std::vector<std::string>{"Aquaflux P 40-100"});
    } else {
      EXPECT_EQ(dlg.getAktPumpe(), &start);
      EXPECT_EQ(dlg.getAktSerie(), start.getSerie());
      EXPECT_EQ(pumpen.back(), c.pumpe);
      EXPECT_EQ(dlg.getPumpenAuswahl(), static_cast<int>(pumpen.size()) - 1);
      EXPECT_EQ(dlg.getSerienAuswahl(), static_cast<int>(c.serienListe.size()) - 1);
    }
    EXPECT_EQ(dlg.getChart().title, dlg.getAktPumpe()->getName());
  }
}

TEST(PumpChoice, TechnicalDataLeavesOutWhatIsNotGiven) {
  hydPumpenManager katalog;
  readSamples(katalog);
  hydPumpe* pumpe = samplePump(katalog, "Aquaflux E 25-60");
  CPumpenDlg dlg(katalog, {.startPumpe = pumpe});
  EXPECT_EQ(dlg.getTechnischeDaten(),
            "Typ: Aquaflux E 25-60, DN25, Bestellnummer: AQ-100625, PN 10, 230 V, Temperatur -10 ... 110 °C, "
            "kurzzeitig 120 °C, Konstant-/Prop.-Druckregelung");

  hydPumpenManager bare;
  hydPumpe& nackt = *bare.addHersteller("H")->addSerie("S")->addPumpe();
  nackt.setName("Nackt");
  nackt.setTMin(-150.0);  // below -100 °C counts as not given
  nackt.setTMax(90.0);
  EXPECT_EQ(CPumpenDlg(bare, {}).getTechnischeDaten(), "Typ: Nackt");
}

class PumpChoiceMedia : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(temp_.path("Aqualis/BMP"));
    fs::create_directories(temp_.path("Aqualis/PDF"));
    temp_.write("Aqualis/desktop.info", "ID=AQUALIS\n");
    catalogs_.init(temp_.path());
    readSamples(katalog_);
  }
  void touch(const std::string& relative) { temp_.write("Aqualis/" + relative, "x"); }
  std::string path(const std::string& relative) const {
    return catalogs_.findCatalogInfo("AQUALIS")->getStrRootPath() + relative;
  }

  const testsupport::TempFolder temp_;
  hydCatalogManager catalogs_;
  hydPumpenManager katalog_;
};

TEST_F(PumpChoiceMedia, ImageByNameThenByArticleNumber) {
  const CatalogFolderMediaResolver resolver(catalogs_);
  hydPumpe* pumpe = samplePump(katalog_, "Aquaflux E 25-60");  // aquaflux_e.bmp, AQ-100625
  EXPECT_EQ(CPumpenDlg(katalog_, {.startPumpe = pumpe}, resolver).getProduktbild(), "");
  touch("BMP/100625.bmp");
  EXPECT_EQ(CPumpenDlg(katalog_, {.startPumpe = pumpe}, resolver).getProduktbild(), path("BMP/100625.bmp"));
  touch("BMP/aquaflux_e.bmp");
  EXPECT_EQ(CPumpenDlg(katalog_, {.startPumpe = pumpe}, resolver).getProduktbild(), path("BMP/aquaflux_e.bmp"));
}

TEST_F(PumpChoiceMedia, DataSheetOpensOrIsReportedMissing) {
  const CatalogFolderMediaResolver resolver(catalogs_);
  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  CPumpenDlg dlg(katalog_, {}, resolver);
  ASSERT_TRUE(dlg.isDatenblattEnabled());
  dlg.onDatenblatt();
  touch("PDF/aquaflux_e.pdf");
  dlg.onDatenblatt();
  const auto calls = scripted.calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].kind, PlatformCallKind::ShowMessage);
  EXPECT_EQ(calls[0].text, "Angegebene Datei nicht gefunden: aquaflux_e.pdf");
  EXPECT_EQ(calls[1].kind, PlatformCallKind::OpenWithSystem);
  EXPECT_EQ(calls[1].text, path("PDF/aquaflux_e.pdf"));
}

TEST(PumpChoice, OkRefusesAFaultyPump) {
  hydPumpenManager katalog;
  hydPumpe& pumpe = *katalog.addHersteller("H")->addSerie("S")->addPumpe();  // no curve
  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  CPumpenDlg dlg(katalog, {.auswahl = true});
  dlg.onOK();
  EXPECT_FALSE(dlg.hasEnded());
  ASSERT_EQ(scripted.calls().size(), 1u);
  EXPECT_EQ(scripted.calls()[0].messageKind, MessageKind::Information);
  EXPECT_EQ(scripted.calls()[0].text, "Pumpe hat fehlerhafte Daten, bitte überprüfen.");
  pumpe.addKennlinie()->getTable().Add(0.0, 1000.0);
  dlg.onOK();
  EXPECT_EQ(dlg.result(), CPumpenDlg::kOK);
}

// The singleton holds the samples; the test acts as the user through the scripted platform.
class Katalogauswahl : public ::testing::Test {
 protected:
  void SetUp() override { readSamples(*hydPumpenManager::instance()); }
  void TearDown() override { hydPumpenManager::removeInstance(); }
  ScriptedPlatform scripted_;
  ScopedPlatform installed_{scripted_};
};

TEST_F(Katalogauswahl, BothFormsTellResetApartDifferently) {
  enum class Action { Ok, Reset, Cancel, Nothing };
  struct Case {
    Action action;
    bool auswahl;
    int code;        // of the second form
    bool getsPump;   // both forms
  };
  const Case cases[] = {
      {Action::Ok, true, 1, true},        {Action::Ok, false, 1, false},
      {Action::Reset, true, 1255, false}, {Action::Cancel, true, 2, false},
      {Action::Nothing, true, 2, false},
  };
  const hydPumpenManager other;  // the form is called on another catalog: the singleton is shown
  hydPumpe* expected = hydPumpenManager::instance()->getAt(1)->getAt(0)->getAt(1);
  int window = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.action) * 10 + c.auswahl);
    for (int form = 0; form < 2; ++form) {
      scripted_.queueDialog([&c, &window](ModalDialog& dialog) {
        EXPECT_EQ(dialog.parentWindow(), &window);
        auto& dlg = dynamic_cast<CPumpenDlg&>(dialog);
        dlg.selectHersteller(1);
        dlg.selectPumpe(1);
        if (c.action == Action::Ok) dlg.onOK();
        if (c.action == Action::Reset) dlg.onZuruecksetzen();
        if (c.action == Action::Cancel) dlg.cancel();
      });
    }
    const Netzpunkt none;
    EXPECT_EQ(other.katalogauswahl(&window, c.auswahl, true, nullptr, none, none, false, EB_ALLE),
              c.getsPump ? expected : nullptr);
    hydPumpe* pumpe = expected;
    EXPECT_EQ(other.katalogauswahl(&window, c.auswahl, true, nullptr, none, none, pumpe, false), c.code);
    EXPECT_EQ(pumpe, c.getsPump ? expected : nullptr);
  }
  // Without a script the dialog is not opened and counts as cancelled.
  hydPumpe* pumpe = expected;
  EXPECT_EQ(other.katalogauswahl(nullptr, true, true, nullptr, {}, {}, pumpe, false), 2);
  EXPECT_EQ(pumpe, nullptr);
  EXPECT_EQ(scripted_.unscriptedCalls(), 1u);
}

TEST(PumpChoice, ChartIsTheSeriesTheSvgWriterDraws) {
  hydPumpenManager katalog;
  readSamples(katalog);
  const Netzpunkt strang{"Strang 1", 10000.0, 2.0 / 3600, 40000.0};
  const Netzpunkt kurz{"Strang 2", 40000.0, 1.0 / 3600, 5000.0};  // head below the static head
  hydPumpe* pumpe = samplePump(katalog, "Aquaflux E 25-60");
  CPumpenDlg dlg(katalog, {.startPumpe = pumpe, .netzpunkt1 = strang, .netzpunkt2 = kurz});
  const PumpChart& chart = dlg.getChart();

  ASSERT_EQ(chart.series.size(), 4u + 4u);  // four curves, then per Netzpunkt two series
  EXPECT_EQ(chart.series[4].name, "Strang 1");
  EXPECT_EQ(chart.series[5].name, "Betriebspunkt");
  EXPECT_EQ(chart.series[7].name, "");
  EXPECT_NEAR(chart.series[6].points.back().flow, 0.1, 1e-12);  // the short system curve
  EXPECT_EQ(chart.series[0].points[0].hint, "Q = 0.0 m³/h, H = 1.5 m");

  // Drawn as `armakon pumps chart` draws the same pump and points.
  EXPECT_EQ(renderPumpChartSvg(chart), renderPumpChartSvg(buildPumpChart(*pumpe, {strang, kurz})));
}

}  // namespace
