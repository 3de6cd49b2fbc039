// Building valve models from product records: classification, the guideline-201601 rules, the
// sort of the variants, the errors that drop a product, and the converted sample models kept
// in data/samples/models/converted.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "RecordFixtures.h"
#include "armakon/components/AtomicFile.h"
#include "armakon/vdi3805/AccessoryReferences.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "ConversionFixtures.h"

namespace armakon::convtest {
namespace {

const std::string kHeader2 = "010;2;201103;Testwerk GmbH;20240101;www.testwerk.example;Testdaten";

// A 700 record of 41 fields (the sheet-17 layout of 2016), the given fields filled.
std::string line700(const std::map<int, std::string>& fields) {
  std::string line = "700";
  for (int n = 2; n <= 41; ++n) {
    const auto found = fields.find(n);
    line += ";" + (found == fields.end() ? std::string() : found->second);
  }
  return line;
}

TEST(ValveTypeCode, FollowsSheetKindAndTypeNumber) {
  struct Case {
    int sheet, kind, type, code;
  } cases[] = {
      {2, 1, 1, 203},   // the thermostatic valve of kind 1
      {2, 2, 1, 201},   {2, 1, 3, 203}, {2, 4, 4, 204}, {2, 4, 13, 213},
      {17, 1, 1, 1701}, {17, 1, 13, 1713},
      {2, 2, 14, 0},    // beyond the type table
      {2, 2, 0, 0},     {17, 3, -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValveTypeCode(c.sheet, c.kind, c.type), c.code) << c.sheet << "/" << c.kind << "/" << c.type;
  }
}

TEST_F(ConversionTest, ClassificationReadsKindAbove100AndTypeOf700) {
  auto document = makeDocument({kHeader2, "100;1;;Einrohr", "110;1;;TV1;", "700;1;;1;15;1;;;;;;;0;",
                                "800;1;" + tga(1, 1, 1) + ";a;", "100;2;;Zweirohr", "110;2;;TV2;",
                                "700;2;;1;15;1;;;;;;;0;", "800;2;" + tga(2, 2, 2) + ";b;"});
  const auto first = productsOf(document.get(), 1);
  const auto second = productsOf(document.get(), 2);
  ASSERT_EQ(first.size(), 1u);
  ASSERT_EQ(second.size(), 1u);
  const ValveTypeInfo kind1 = ClassifyValve(first[0], GetTechnicalData(first[0]), 2);
  const ValveTypeInfo kind2 = ClassifyValve(second[0], GetTechnicalData(second[0]), 2);
  EXPECT_EQ(kind1.typeCode, 203);
  EXPECT_EQ(kind1.kindCode, 201);
  EXPECT_TRUE(kind1.thermostaticOfKind1());
  EXPECT_EQ(kind2.typeCode, 201);
  EXPECT_EQ(kind2.kindCode, 202);
  EXPECT_FALSE(kind2.thermostaticOfKind1());
}

// Sheet 17, guideline 201601: closing pressure, zeta, DN from field 32, and the pressure-loss
// mode of fields 39 and 41.
TEST_F(ConversionTest, Guideline201601Rules) {
  const std::string header = "010;17;201601;Testwerk GmbH;20240101;;";
  struct Case {
    const char* name;
    std::map<int, std::string> fields;  // beyond index 3, type 1, DN 15, kvs 4.5
    bool created;
    int dn;
    double zeta;
    double closing;
    std::string dnText;
    int code;  // of the error that drops the product (the texts are in the check reports)
  } cases[] = {
      {"kvs mode", {{36, "20"}, {39, "1"}}, true, 15, 0.0, 20.0, "DN", 0},
      {"zeta mode", {{39, "0"}, {40, "1.8"}}, true, 15, 1.8, 0.0, "DN", 0},
      {"DN from field 32", {{5, ""}, {31, "DN 25 (Rp 1)"}, {32, "25"}}, true, 25, 0.0, 0.0, "DN 25 (Rp 1)", 0},
      {"function", {{41, "1"}}, false, 0, 0, 0, "", 1},
      {"zeta missing", {{39, "0"}}, false, 0, 0, 0, "", 5},
      {"kvs missing, mode empty", {{6, "0"}}, false, 0, 0, 0, "", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CMiniReportUtil::instance().clear();
    std::map<int, std::string> fields{{2, "3"}, {4, "1"}, {5, "15"}, {6, "4.5"}};
    for (const auto& [n, value] : c.fields) fields[n] = value;
    auto document = makeDocument({header, "100;1;;Absperrarmaturen", "110;1;;Schrägsitz S;", line700(fields),
                                  "800;1;" + tga(1, 1, 3) + ";S;", "810;1;A-1;;;"});
    hydArmaturenModell model;
    EXPECT_EQ(build(model, productsOf(document.get(), 1)), c.created ? 1 : 0);
    if (c.created) {
      EXPECT_TRUE(entries().empty());
      const hydArmatur& variant = *model.getArmaturAt(0);
      EXPECT_EQ(variant.getDimension(), c.dn);
      EXPECT_DOUBLE_EQ(variant.getZeta(), c.zeta);
      EXPECT_DOUBLE_EQ(variant.getSchliessdruck_hPa(), c.closing);
      EXPECT_EQ(variant.getDnText(), c.dnText);
    } else {
      EXPECT_EQ(model.getSize(), 0);
      ASSERT_EQ(entries().size(), 1u);
      EXPECT_EQ(entries().front().code, c.code);
    }
  }
}

TEST_F(ConversionTest, Guideline201601OnSheet2ChecksTheLossModeButStoresNoZeta) {
  std::map<int, std::string> fields{{2, "1"}, {4, "11"}, {5, "15"}, {6, "2.0"}, {39, "0"}, {40, "2.5"}, {36, "9"}};
  auto document = makeDocument({"010;2;201601;Testwerk GmbH;;;", "100;5;;Fest", "110;1;;AV;", line700(fields),
                                "800;1;" + tga(5, 1, 1) + ";AV;"});
  hydArmaturenModell model;
  ASSERT_EQ(build(model, productsOf(document.get(), 1)), 1);
  EXPECT_DOUBLE_EQ(model.getArmaturAt(0)->getZeta(), 0.0);
  EXPECT_DOUBLE_EQ(model.getArmaturAt(0)->getSchliessdruck_hPa(), 0.0);
}

TEST_F(ConversionTest, DrawOffFittingsAreExemptFromTheLossMode) {
  std::map<int, std::string> fields{{2, "6"}, {4, "4"}, {5, "15"}, {6, ""}};
  auto document = makeDocument({"010;17;201601;Testwerk GmbH;;;", "100;3;;Entnahme", "110;4;;WT;", line700(fields),
                                "800;6;" + tga(3, 4, 6) + ";WT;"});
  const auto products = productsOf(document.get(), 4);
  hydArmaturenModell model;
  hydArmatur* variant = model.Add(1704);
  ASSERT_NE(variant, nullptr);
  EXPECT_TRUE(FillCommonData(17, *variant, products[0], nullptr));
  EXPECT_TRUE(entries().empty());
}

TEST_F(ConversionTest, VariantsWithActuatorSortByKvsThenNominalSize) {
  std::vector<std::string> lines{kHeader2, "100;4;;Regel", "110;1;;Mischer;"};
  const struct {
    int dn;
    const char* kvs;
  } products[] = {{20, "4.0"}, {15, "2.5"}, {20, "6.3"}, {15, "4.0"}, {32, "2.5"}};
  for (int i = 0; i < 5; ++i) {
    lines.push_back(formatC("700;%d;;13;%d;", i + 1, products[i].dn) + products[i].kvs + ";110;10;1;;;;0;");
    lines.push_back(formatC("800;%d;", i + 1) + tga(4, 1, i + 1) + ";M;");
  }
  auto document = makeDocument(lines);
  hydArmaturenModell model;
  ASSERT_EQ(build(model, productsOf(document.get(), 1)), 5);
  std::vector<std::pair<double, int>> order;
  for (const auto& variant : model.getArmaturen()) order.emplace_back(variant->getKvs(), variant->getDimension());
  EXPECT_EQ(order, (std::vector<std::pair<double, int>>{{2.5, 15}, {2.5, 32}, {4.0, 15}, {4.0, 20}, {6.3, 20}}));
}

TEST_F(ConversionTest, OldLayoutTakesOrderNumbersFromTheProductRecord) {
  auto document = makeDocument(
      {
          "010;1098;Altwerk;19981020;Kommentar",
          "100;5;Armaturen mit Festwiderständen",
          "110;1;Absperrventil Alt;Beschreibung",
          "700;4;11;15;2.5;110;10;0.6;;;;0;;",
          "800;050100000000000000000000000000000400;ART-ALT;DN-ALT;STLB-ALT;Absperrventil DN 15",
          "810;STLB-ALT",
      },
      "alt.TGA");
  ASSERT_TRUE(document->IsOldFormat());
  hydArmaturenModell model;
  ASSERT_EQ(build(model, productsOf(document.get(), 1)), 1);
  const hydArmatur& variant = *model.getArmaturAt(0);
  EXPECT_EQ(model.getManufacturer(), "Altwerk");
  EXPECT_EQ(model.getModelType(), "Absperrventil Alt");
  EXPECT_EQ(model.getRLDatum(), 1098);
  EXPECT_EQ(variant.getArtikelNr(), "ART-ALT");
  EXPECT_EQ(variant.getDATANORMNr(), "DN-ALT");
  EXPECT_EQ(variant.getStLBNr(), "STLB-ALT");
  EXPECT_EQ(variant.getEANNr(), "");
  EXPECT_EQ(variant.getDimension(), 15);
  EXPECT_DOUBLE_EQ(variant.getKvs(), 2.5);
  EXPECT_DOUBLE_EQ(variant.getMaxDiffdruck(), 0.6);
  EXPECT_EQ(variant.getArmType(), 211);
}

TEST_F(ConversionTest, ProductsThatCannotBecomeVariants) {
  struct Case {
    const char* name;
    std::vector<std::string> body;
    int code;
  } cases[] = {
      {"two types", {"700;1;;11;15;1;;;;;;;0;", "700;2;;13;15;1;;;;;;;0;", "800;2;" + tga(5, 1, -1) + ";X;"}, 6},
      {"no technical data", {"800;2;" + tga(5, 1, 0) + ";X;"}, 10},
      {"type 14", {"700;1;;14;15;1;;;;;;;0;", "800;2;" + tga(5, 1, 1) + ";X;"}, 50},
      {"overflow regulator without class", {"700;1;;6;15;1;;;;;;;0;", "800;2;" + tga(5, 1, 1) + ";X;"}, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CMiniReportUtil::instance().clear();
    std::vector<std::string> lines{kHeader2, "100;5;;Fest", "110;1;;AV;"};
    lines.insert(lines.end(), c.body.begin(), c.body.end());
    auto document = makeDocument(lines);
    hydArmaturenModell model;
    EXPECT_EQ(build(model, productsOf(document.get(), 1)), 0);
    EXPECT_EQ(model.getSize(), 0);
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries().front().code, c.code);
  }
}

// A product outside a real document cannot be converted and files nothing on its own: the
// fallback error appears, but only while the report list is still empty.
TEST_F(ConversionTest, FallbackErrorOnlyIntoAnEmptyList) {
  auto root = testing_vdi::parseDocument(
      {kHeader2, "100;5;;Fest", "110;1;;Absperrventil F;", "700;1;;11;15;1;;;;;;;0;", "800;1;" + tga(5, 1, 1) + ";X;"});
  const auto products = productsOf(root.get(), 1);
  ASSERT_EQ(products.size(), 1u);

  hydArmaturenModell model;
  EXPECT_EQ(build(model, products), 0);
  EXPECT_EQ(entries(), (std::vector<Entry>{{50, "Fehler in den VDI-Daten (Armatur 'Absperrventil F')",
                                            "Bitte prüfen sie die Technischen Daten (Satzart 700)."}}));

  CMiniReportUtil::instance().clear();
  CMiniReportUtil::instance().addHint(1, "vorher", "");
  EXPECT_EQ(build(model, products), 0);
  EXPECT_EQ(entries().size(), 1u);
  EXPECT_EQ(model.getSize(), 0);
}

TEST_F(ConversionTest, BuildModelArrayRules) {
  hydArmaturenModell model;
  const std::vector<const CVDIBase*> one{nullptr};
  EXPECT_EQ(BuildModel(model, one, {}, {nullptr}), -1);
  EXPECT_EQ(BuildModel(model, one, {0.0}, {}), -1);
  EXPECT_EQ(BuildModel(model, {}, {}, {}), 0);
}

// ---- The conversion sample files -------------------------------------------------------------

// Converts the model of a sample file (path below data/samples) with its accessories, for the
// wanted XP of thermostatic valves.
void convertSample(const std::string& file, int modelIndex, double wantedXp, hydArmaturenModell& model) {
  CMiniReportUtil::instance().clear();
  CVDIDoc document;
  EXPECT_TRUE(document.Load(samplePath(file), false, 0)) << file;
  const auto products = productsOf(&document, modelIndex);
  const AccessorySources accessories(AccessoryResolver(&document), products);
  BuildModel(model, products, std::vector<double>(products.size(), wantedXp), accessories.pointers());
}

// The converted models kept in data/samples/models/converted are what the conversion of
// their sample files writes today: every curve, unit and typed value of the good models of
// each converter, checked byte for byte.
TEST_F(ConversionTest, ConvertedSampleModelsAreUpToDate) {
  const struct {
    const char* file;
    int model;
    const char* vam;
    double wantedXp = 0.0;
  } cases[] = {
      {"vdi/conversion/HZ_EINSTELLKURVEN.VDI", 1, "ruecklaufverschraubung_rl.vam"},
      {"vdi/conversion/HZ_EINSTELLKURVEN.VDI", 2, "strangregulierventil_srv.vam"},
      {"vdi/conversion/HZ_EINSTELLKURVEN.VDI", 3, "dreiwegemischer_dwm.vam"},
      {"vdi/conversion/HZ_EINSTELLKURVEN.VDI", 4, "kugelhahn_kh.vam"},
      {"vdi/conversion/TW_2016.VDI", 1, "absperrventil_av17.vam"},
      {"vdi/conversion/TW_2016.VDI", 3, "zirkulationsdrossel_zd.vam"},
      {"vdi/conversion/HZ_EINSTELLKURVEN_FEHLER.VDI", 2, "verschraubung_vx_teilweise.vam"},
      {"vdi/conversion/HZ_DIFFERENZDRUCKREGLER.VDI", 1, "differenzdruckregler_ddr.vam"},
      {"vdi/conversion/HZ_DIFFERENZDRUCKREGLER.VDI", 2, "differenzdruckregler_begrenzt.vam"},
      {"vdi/conversion/HZ_DURCHFLUSSREGLER.VDI", 1, "durchflussregler_dfr.vam"},
      {"vdi/conversion/HZ_DURCHFLUSSREGLER.VDI", 8, "kombiregler_208.vam"},
      {"vdi/conversion/HZ_DURCHFLUSSREGLER.VDI", 9, "kombiregler_210.vam"},
      {"vdi/conversion/HZ_THERMOSTAT_DFR.VDI", 1, "thermostatventil_dfr.vam"},
      {"vdi/conversion/TW_ENTNAHME.VDI", 1, "entnahmearmatur_ea.vam"},
      {"vdi/conversion/TW_ENTNAHME.VDI", 2, "entnahmearmatur_rfv.vam"},
      {"vdi/conversion/TW_SICHERUNG.VDI", 1, "rueckflussverhinderer_rv17.vam"},
      {"vdi/conversion/TW_SICHERUNG.VDI", 2, "rohrtrenner_rt17.vam"},
      {"vdi/conversion/TW_DRUCKMINDERER.VDI", 1, "druckminderer_dm17.vam"},
      {"vdi/conversion/TW_ZAEHLER.VDI", 1, "wasserzaehler_wz17.vam"},
      {"vdi/conversion/TW_THERMODROSSEL.VDI", 1, "zirkulationsregler_zr17.vam"},
      {"vdi/conversion/TW_THERMODROSSEL.VDI", 2, "zirkulationsregler_grenzen.vam"},
      {"catalogs/ThermaNord/VDI_2/TN_HEIZUNG.TGA", 2, "ruecklaufverschraubung_tga.vam"},
      // kvB, kvH, kvs and noise limit per setting of one-pipe valves, with and without XP.
      {"vdi/conversion/HZ_THERMOSTAT.VDI", 1, "einrohr_thermostatventil.vam", 1.5},
      {"vdi/conversion/HZ_EINROHR.VDI", 1, "einrohr_anschluss.vam", 1.5},
      // Faulty models whose usable rest is kept: skipped points, settings and values.
      {"vdi/conversion/TW_SICHERUNG.VDI", 4, "rohrtrenner_punkte_fehlen.vam"},
      {"vdi/conversion/TW_SICHERUNG.VDI", 10, "rohrtrenner_zwei_trennerdruecke.vam"},
      {"vdi/conversion/TW_DRUCKMINDERER.VDI", 2, "druckminderer_ausgangsdruck_fehlt.vam"},
      {"vdi/conversion/TW_DRUCKMINDERER.VDI", 3, "druckminderer_ausgangsdruck_null.vam"},
      {"vdi/conversion/TW_ZAEHLER.VDI", 2, "wasserzaehler_ohne_qmax.vam"},
      {"vdi/conversion/TW_THERMODROSSEL.VDI", 9, "zirkulationsregler_xp_fehlt.vam"},
      {"vdi/conversion/TW_THERMODROSSEL.VDI", 15, "zirkulationsregler_kurve_unvollstaendig.vam"},
      {"vdi/conversion/HZ_THERMOSTAT.VDI", 4, "einrohr_thermostatventil_luecken.vam", 1.5},
      {"vdi/conversion/HZ_EINROHR.VDI", 4, "einrohr_anschluss_luecken.vam", 1.5},
  };
  // After a deliberate change of the conversion, ARMAKON_WRITE_SAMPLES=1 writes the files anew;
  // review their difference before committing them.
  const bool rewrite = std::getenv("ARMAKON_WRITE_SAMPLES") != nullptr;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("armakon_conv_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vam);
    hydArmaturenModell model;
    convertSample(c.file, c.model, c.wantedXp, model);
    const std::string written = (folder / c.vam).string();
    ASSERT_TRUE(model.saveVAMFile(written));
    if (rewrite) std::filesystem::copy_file(written, samplePath(std::string("models/converted/") + c.vam),
                                            std::filesystem::copy_options::overwrite_existing);
    std::string expected;
    std::string actual;
    ASSERT_TRUE(readWholeFile(samplePath(std::string("models/converted/") + c.vam), expected));
    ASSERT_TRUE(readWholeFile(written, actual));
    EXPECT_EQ(actual, expected);
  }
  std::error_code error;
  std::filesystem::remove_all(folder, error);
}

// The presettable flag is checked against the number of 710.01 records, not of settings.
constexpr const char* kTooFew = "Es sind weniger als zwei Datensätze der Satzart 710.01";
constexpr const char* kTooMany = "Es ist mehr als ein Datensatz der Satzart 710.01";

// A one-product model of a thermostatic valve body (201) or an automatic throttle (1703)
// with one setting given in two records, declared presettable or not.
std::unique_ptr<CVDIDoc> oneSettingInTwoRecords(bool throttle, int presettable) {
  std::vector<std::string> lines;
  if (throttle) {
    lines = {"010;17;201103;Testwerk GmbH;;;", "100;2;;Drossel", "110;1;;Zirkulationsregler Z;",
             formatC("700;1;;3;15;1.2;90;10;60;60;1.0;;%d;;;Stufe", presettable), "710.01;1;0;;4;4;;;0.05",
             "710.01;2;6;;4;4;;;1.2"};
  } else {
    lines = {"010;2;201103;Testwerk GmbH;;;", "100;2;;Zweirohr", "110;1;;Thermostatventil T;",
             formatC("700;1;;1;15;0.6;120;10;0.6;;;;%d;Stufe", presettable), "710.01;1;1.0;;;;;;0.3",
             "710.01;2;2.0;;;;;;0.55"};
  }
  lines.push_back("800;1;" + tga(2, 1, 1) + ";DN 15;");
  lines.push_back("810;1;A-15;;;");
  return makeDocument(lines);
}

TEST_F(ConversionTest, PresettableFlagIsCheckedAgainstTheNumberOfRecords) {
  const struct {
    const char* name;
    bool throttle;
    int presettable;
    const char* hint;  // null: no presettable hint
  } cases[] = {
      {"thermostatic body declared not presettable", false, 0, kTooMany},
      {"automatic throttle declared presettable", true, 1, nullptr},
      {"automatic throttle declared not presettable", true, 0, kTooMany},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CMiniReportUtil::instance().clear();
    const auto document = oneSettingInTwoRecords(c.throttle, c.presettable);
    hydArmaturenModell model;
    BuildModel(model, productsOf(document.get(), 1), {1.5}, {nullptr});
    std::vector<std::string> hints;
    for (const Entry& entry : entries()) {
      for (const char* text : {kTooFew, kTooMany}) {
        if (entry.text.starts_with(text)) hints.push_back(text);
      }
    }
    EXPECT_EQ(hints, c.hint ? std::vector<std::string>{c.hint} : std::vector<std::string>{});
  }
}

// The lines of a file are kept even when it is of another sheet or an unsupported date.
TEST_F(ConversionTest, LinesAreKeptBeforeTheFileIsChecked) {
  const struct {
    const char* name;
    std::vector<std::string> lines;
    int expectedSheet;
    bool loaded;
  } cases[] = {
      {"file of another sheet", {"010;17;201103;Testwerk GmbH;;;", "100;2;;Drossel"}, 2, true},
      {"unsupported guideline date", {"010;2;199611;Testwerk GmbH;;;", "100;2;;Zweirohr"}, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CVDIDoc document;
    EXPECT_EQ(document.LoadLines(c.lines, "test.VDI", false, c.expectedSheet), c.loaded);
    EXPECT_TRUE(document.GetChildren().empty());
    EXPECT_EQ(document.GetRawLines(), c.lines);
  }
}

}  // namespace
}  // namespace armakon::convtest
