// Building valve models from product records: classification, the fields every variant
// takes, the guideline-201601 rules, the sort of the variants and the errors that drop a
// product.

#include <gtest/gtest.h>

#include <unistd.h>

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

TEST_F(ConversionTest, CommonDataOfCurrentLayout) {
  auto document = makeDocument({
      kHeader2,
      "100;5;;Armaturen mit Festwiderständen",
      "110;7;;Absperrventil T;Test",
      "200;1;;Bauform;Eckform",
      "700;1;;11;20;5.0;;16;1.5;;;;0;",
      "760;1;;Ausführung;mit Entleerung",
      "800;1;" + tga(5, 7, 1, {{200, "001"}}, 1) + ";T DN 20;Absperrventil",
      "810;1;ART-20;DN-20;STLB-20;4000000000020",
      "700;2;;11;15;3.2;120;10;1.0;;;;0;",
      "800;2;" + tga(5, 7, 2) + ";T DN 15;",
      "810;2;ART-15;DN-15;STLB-15;4000000000015",
  });
  hydArmaturenModell model;
  ASSERT_EQ(build(model, productsOf(document.get(), 7)), 2);
  EXPECT_TRUE(entries().empty());
  EXPECT_EQ(model.getModelType(), "Absperrventil T");
  EXPECT_EQ(model.getManufacturer(), "Testwerk GmbH");
  EXPECT_EQ(model.getIdx(), 7);
  EXPECT_EQ(model.getRLDatum(), 201103);
  EXPECT_EQ(model.getFilename(), "test.VDI");
  EXPECT_EQ(model.getHydArmType(), 211);

  // Sorted by DN: the DN 15 product (listed second) comes first.
  const hydArmatur& dn15 = *model.getArmaturAt(0);
  EXPECT_EQ(dn15.getDimension(), 15);
  EXPECT_EQ(dn15.getRecordIndex(), 2);
  EXPECT_DOUBLE_EQ(dn15.getKvs(), 3.2);
  EXPECT_DOUBLE_EQ(dn15.getMaxTemperatur(), 120.0);
  EXPECT_DOUBLE_EQ(dn15.getMaxBetriebsdruck(), 10.0);
  EXPECT_DOUBLE_EQ(dn15.getMaxDiffdruck(), 1.0);
  EXPECT_EQ(dn15.getGroupType(), 205);
  EXPECT_EQ(dn15.getArmType(), 211);
  EXPECT_EQ(dn15.getArtikelNr(), "ART-15");
  EXPECT_EQ(dn15.getDATANORMNr(), "DN-15");
  EXPECT_EQ(dn15.getStLBNr(), "STLB-15");
  EXPECT_EQ(dn15.getEANNr(), "4000000000015");
  EXPECT_EQ(dn15.getAusfDetails(), "");

  const hydArmatur& dn20 = *model.getArmaturAt(1);
  EXPECT_EQ(dn20.getDimension(), 20);
  EXPECT_DOUBLE_EQ(dn20.getMaxTemperatur(), -273.15);  // field 7 empty
  EXPECT_DOUBLE_EQ(dn20.getMaxDiffdruck(), 1.5);       // sheet 2: field 9
  EXPECT_EQ(dn20.getAusfDetails(), "Eckform;mit Entleerung");
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

// Sheet 17, guideline 201601: closing pressure, zeta, DN from field 32, and the pressure-loss
// mode of fields 39 and 41.
TEST_F(ConversionTest, Guideline201601Rules) {
  const std::string header = "010;17;201601;Testwerk GmbH;20240101;;";
  const std::string folge = "\nFolge: Diese Ausführung wird übersprungen.";
  struct Case {
    const char* name;
    std::map<int, std::string> fields;  // beyond index 3, type 1, DN 15, kvs 4.5
    bool created;
    int dn;
    double zeta;
    double closing;
    std::string dnText;
    std::string error;
  } cases[] = {
      {"kvs mode", {{36, "20"}, {39, "1"}}, true, 15, 0.0, 20.0, "DN", ""},
      {"zeta mode", {{39, "0"}, {40, "1.8"}}, true, 15, 1.8, 0.0, "DN", ""},
      {"DN from field 32", {{5, ""}, {31, "DN 25 (Rp 1)"}, {32, "25"}}, true, 25, 0.0, 0.0, "DN 25 (Rp 1)", ""},
      {"function", {{41, "1"}}, false, 0, 0, 0, "",
       "Der Druckverlust dieser Armaturausführung soll über die mitgelieferte Funktion berechnet werden. Dies wird "
       "bisher nicht unterstützt.\nSiehe Satzart 700 mit Index 3." + folge},
      {"zeta missing", {{39, "0"}}, false, 0, 0, 0, "",
       "Diese Armatur hat keinen Zeta-Wert hinterlegt. Bitte prüfen.\nSiehe Satzart 700 mit Index 3." + folge},
      {"kvs missing, mode empty", {{6, "0"}}, false, 0, 0, 0, "",
       "Diese Armatur hat keinen kvs-Wert hinterlegt. Bitte prüfen.\nSiehe Satzart 700 mit Index 3." + folge},
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
      const Entry expected{c.error.rfind("Der Druck", 0) == 0 ? 1 : 5,
                           "Fehler in den VDI-Daten der Armatur 'Schrägsitz S', DN15, Art.-Nr. 'A-1', Ausführung ''",
                           c.error};
      EXPECT_EQ(entries(), std::vector<Entry>{expected});
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

TEST_F(ConversionTest, MissingNominalSizeGivesHintAndKeepsTheVariant) {
  auto document = makeDocument({kHeader2, "100;5;;Fest", "110;1;;AV;", "700;9;;11;;3.0;;;;;;;0;",
                                "800;1;" + tga(5, 1, 9) + ";AV;", "810;1;AV-X;;;"});
  hydArmaturenModell model;
  ASSERT_EQ(build(model, productsOf(document.get(), 1)), 1);
  EXPECT_EQ(entries(), (std::vector<Entry>{
                           {1045, "Hinweis zu den VDI-Daten der Armatur 'AV', DN0, Art.-Nr. 'AV-X', Ausführung ''",
                            "Diese Armatur hat keine eigene Dimension hinterlegt. Bitte prüfen.\nSiehe Satzart 700 mit "
                            "Index 9."}}));
}

TEST_F(ConversionTest, VariantsWithActuatorSortByKvsThenNominalSize) {
  std::vector<std::string> lines{kHeader2, "100;4;;Regel", "110;1;;Mischer;"};
  const struct {
    int dn;
    const char* kvs;
  } products[] = {{20, "4.0"}, {15, "2.5"}, {20, "6.3"}, {15, "4.0"}};
  for (int i = 0; i < 4; ++i) {
    lines.push_back(formatC("700;%d;;13;%d;", i + 1, products[i].dn) + products[i].kvs + ";110;10;1;;;;0;");
    lines.push_back(formatC("800;%d;", i + 1) + tga(4, 1, i + 1) + ";M;");
  }
  auto document = makeDocument(lines);
  hydArmaturenModell model;
  ASSERT_EQ(build(model, productsOf(document.get(), 1)), 4);
  std::vector<std::pair<double, int>> order;
  for (const auto& variant : model.getArmaturen()) order.emplace_back(variant->getKvs(), variant->getDimension());
  EXPECT_EQ(order, (std::vector<std::pair<double, int>>{{2.5, 15}, {4.0, 15}, {4.0, 20}, {6.3, 20}}));
}

TEST_F(ConversionTest, ProductsThatCannotBecomeVariants) {
  const std::string noTechnical =
      "Eine gewählte Ausführung (Satzart 800 mit Index 2) dieses Modells hat keine technischen Daten hinterlegt.\n"
      "Dieses Modell hat keine Technischen Daten der Satzart 700 hinterlegt (fehlen evtl. komplett)\noder die "
      "TGA-Nummer hat an der entsprechenden Stelle einen falschen Index oder 0 hinterlegt.";
  struct Case {
    const char* name;
    std::vector<std::string> body;
    Entry expected;
  } cases[] = {
      {"two types",
       {"700;1;;11;15;1;;;;;;;0;", "700;2;;13;15;1;;;;;;;0;", "800;2;" + tga(5, 1, -1) + ";X;"},
       {6, "Fehler in VDI-Daten: Mehr als ein Armaturtyp in dieser Armatur hinterlegt.",
        "Die Definition mehrerer Armaturtypen in einer Armatur wird nicht unterstützt.\nAlle Armaturen-Grunddaten "
        "(Satzart 700) einer Armatur sollten denselben Typ (Lfd. Nr. 4) definiert haben."}},
      {"no technical data", {"800;2;" + tga(5, 1, 0) + ";X;"}, {10, "Fehler in den VDI-Daten der Armatur 'AV'", noTechnical}},
      {"type 14",
       {"700;1;;14;15;1;;;;;;;0;", "800;2;" + tga(5, 1, 1) + ";X;"},
       {50, "Fehler: Armaturtyp wird noch nicht unterstützt.", "Bitte wählen sie einen anderen Armaturtyp."}},
      {"overflow regulator without class",
       {"700;1;;6;15;1;;;;;;;0;", "800;2;" + tga(5, 1, 1) + ";X;"},
       {50, "Fehler: Armaturtyp wird noch nicht unterstützt.", "Bitte wählen sie einen anderen Armaturtyp."}},
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
    EXPECT_EQ(entries(), std::vector<Entry>{c.expected});
  }
}

// A type code without a converter files the not-supported error naming the type and keeps
// no variant; the fallback error is not added since the list is no longer empty.
TEST_F(ConversionTest, TypeCodesWithoutConverterAreNotSupported) {
  auto document = makeDocument({kHeader2, "100;5;;Fest", "110;1;;AV;", "700;1;;11;15;1;;;;;;;0;",
                                "800;1;" + tga(5, 1, 1) + ";X;"});
  const CVDIBase* technical = GetTechnicalData(productsOf(document.get(), 1)[0]);
  for (const int code : {0, 1710, 1714, 302}) {
    SCOPED_TRACE(code);
    CMiniReportUtil::instance().clear();
    hydArmatur variant;
    ValveTypeInfo info;
    info.sheet = code / 100;
    info.typeNumber = code % 100;
    info.typeCode = code;
    EXPECT_FALSE(ConvertTypeSpecific(variant, *document, technical, info, 0.0));
    const auto found = entries();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].code, 100);
    EXPECT_EQ(found[0].title, "Ein gewählter ArmaturTyp wird (noch) nicht unterstützt.");
    EXPECT_EQ(found[0].text.rfind(formatC("Der Armaturtyp %d (Blatt %d, Typ-Nr. %d der Satzart 700)", code,
                                          code / 100, code % 100),
                                  0),
              0u)
        << found[0].text;
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

struct SampleModel {
  std::vector<int> dimensions;                  // of the variants created, in model order
  std::vector<std::pair<int, std::string>> entries;  // code and first line of each text
};

SampleModel convertSample(const std::string& file, int modelIndex, hydArmaturenModell& model) {
  CMiniReportUtil::instance().clear();
  CVDIDoc document;
  EXPECT_TRUE(document.Load(samplePath("vdi/conversion/" + file), false, 0)) << file;
  const auto products = productsOf(&document, modelIndex);
  const AccessoryResolver resolver(&document);
  std::vector<std::unique_ptr<hydArmatur>> sources;
  std::vector<const hydArmatur*> pointers;
  for (const CVDIBase* product : products) {
    sources.push_back(std::make_unique<hydArmatur>());
    resolver.Gather(product, *sources.back());
    pointers.push_back(sources.back().get());
  }
  BuildModel(model, products, std::vector<double>(products.size(), 0.0), pointers);
  SampleModel result;
  for (const auto& variant : model.getArmaturen()) result.dimensions.push_back(variant->getDimension());
  for (const Entry& entry : entries()) result.entries.emplace_back(entry.code, entry.text.substr(0, entry.text.find('\n')));
  return result;
}

TEST_F(ConversionTest, SampleFilesMeetEveryMessage) {
  const std::string skippedSetting = "Fehlende VDI-Daten:";
  const std::string notCreated =
      "Diese Armaturausführung wird nicht erzeugt, da ein Teil der Einstellungen nicht ausgewertet werden konnte.";
  const std::string fewer =
      "Es sind weniger als zwei Datensätze der Satzart 710.01 hinterlegt, obwohl diese Armatur als Voreinstellbar "
      "deklariert wurde. Diese wird in der weiteren Verwendung als nicht einstellbar behandelt.";
  struct Case {
    const char* file;
    int model;
    SampleModel expected;
  } cases[] = {
      {"HZ_EINSTELLKURVEN.VDI", 1, {{10, 15}, {}}},
      {"HZ_EINSTELLKURVEN.VDI", 2, {{15, 20}, {}}},
      {"HZ_EINSTELLKURVEN.VDI", 3, {{15, 15, 20, 20}, {}}},
      {"HZ_EINSTELLKURVEN.VDI", 4, {{15, 20}, {}}},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 1,
       {{20},
        {{1050, skippedSetting}, {1050, skippedSetting}, {1050, skippedSetting}, {30, notCreated},
         {1050, skippedSetting}, {1050, skippedSetting}}}},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 2,
       {{10, 20, 32, 40, 50, 65},
        {{1050, "Es ist kein kv-Wert hinterlegt. Der Eintrag wird als Null interpretiert."},
         {20, "In diesem Ventil ist die Einstellung '2' mindestens zwei mal hinterlegt. Jede Einstellung darf nicht "
              "mehr als einmal vorkommen."},
         {1050, "In diesem Ventil ist der kv-Wert 0.5 m³/h mindestens bei den Einstellungen '3' und '2' absolut "
                "identisch hinterlegt. Jeder kv-Wert sollte nicht mehr als einmal vorkommen."},
         {10, "Entgegen der Erwartung sind die kv-Werte nicht stetig absteigend."},
         {1050, "Es wurde eine Interpolationsanweisung bei der Einstellung 'N' hinterlegt, welche nicht numerisch "
                "auswertbar ist. Zwischenschritte zwischen beliebigen Einstellungen sind nur ermittelbar, wenn die "
                "Einstellungswerte numerisch auswertbar sind."},
         {1050, "Interpolationsanweisung mangelhaft. Bei der Einstellung 2.00 ist eine Interpolationsschrittweite"},
         {1045, fewer},
         {1045, "Es ist mehr als ein Datensatz der Satzart 710.01 hinterlegt, obwohl diese Armatur als nicht "
                "Voreinstellbar deklariert wurde. Diese wird in der weiteren Verwendung als einstellbar behandelt."}}}},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 3,
       {{15},
        {{1045, fewer},
         {1045, "Dieses Strangregulierventil hat keine Einstellungen hinterlegt (Datensätze der Satzart 710.01). "
                "Bitte prüfen."}}}},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 4,
       {{0}, {{1045, "Diese Armatur hat keine eigene Dimension hinterlegt. Bitte prüfen."}}}},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 5,
       {{}, {{6, "Die Definition mehrerer Armaturtypen in einer Armatur wird nicht unterstützt."}}}},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 6,
       {{}, {{10, "Eine gewählte Ausführung (Satzart 800 mit Index 13) dieses Modells hat keine technischen Daten "
                  "hinterlegt."}}}},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 7, {{}, {{50, "Bitte wählen sie einen anderen Armaturtyp."}}}},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 8,
       {{15},
        {{1800, "In Satzart 300.01, Index 2 wird auf ein nicht vorhandenes Zubehörelement der Satzart 600 mit Index 9 "
                "verwiesen!"},
         {1800, "In Satzart 300.01, Index 3 wird auf einen nicht vorhandenen Zubehörvektor der Satzart 350.00, Index 7 "
                "verwiesen!"}}}},
      {"TW_2016.VDI", 1, {{15, 20, 25}, {}}},
      {"TW_2016.VDI", 2,
       {{},
        {{1, "Der Druckverlust dieser Armaturausführung soll über die mitgelieferte Funktion berechnet werden. Dies "
             "wird bisher nicht unterstützt."},
         {5, "Diese Armatur hat keinen Zeta-Wert hinterlegt. Bitte prüfen."},
         {5, "Diese Armatur hat keinen kvs-Wert hinterlegt. Bitte prüfen."}}}},
      {"TW_2016.VDI", 3, {{15}, {}}},
      {"TW_2016.VDI", 4,
       {{15},
        {{1045, "Dieses Armatur hat keine Einstellungen hinterlegt (Datensätze der Satzart 710.01). Bitte prüfen."}}}},
      {"BLATT_03.VDI", 1,
       {{},
        {{1800, "Die Blatt-Nr 3 wird bei der Ermittlung von Zubehör-Verweisen nicht unterstützt."},
         {50, "Bitte wählen sie einen anderen Armaturtyp."}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " model " + std::to_string(c.model));
    hydArmaturenModell model;
    const SampleModel found = convertSample(c.file, c.model, model);
    EXPECT_EQ(found.dimensions, c.expected.dimensions);
    EXPECT_EQ(found.entries, c.expected.entries);
  }
}

// The converted models kept in data/samples/models/converted are what the conversion of
// their sample files writes today.
TEST_F(ConversionTest, ConvertedSampleModelsAreUpToDate) {
  const struct {
    const char* file;
    int model;
    const char* vam;
  } cases[] = {
      {"HZ_EINSTELLKURVEN.VDI", 1, "ruecklaufverschraubung_rl.vam"},
      {"HZ_EINSTELLKURVEN.VDI", 2, "strangregulierventil_srv.vam"},
      {"HZ_EINSTELLKURVEN.VDI", 3, "dreiwegemischer_dwm.vam"},
      {"HZ_EINSTELLKURVEN.VDI", 4, "kugelhahn_kh.vam"},
      {"TW_2016.VDI", 1, "absperrventil_av17.vam"},
      {"TW_2016.VDI", 3, "zirkulationsdrossel_zd.vam"},
      {"HZ_EINSTELLKURVEN_FEHLER.VDI", 2, "verschraubung_vx_teilweise.vam"},
  };
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("armakon_conv_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vam);
    hydArmaturenModell model;
    convertSample(c.file, c.model, model);
    const std::string written = (folder / c.vam).string();
    ASSERT_TRUE(model.saveVAMFile(written));
    std::string expected;
    std::string actual;
    ASSERT_TRUE(readWholeFile(samplePath(std::string("models/converted/") + c.vam), expected));
    ASSERT_TRUE(readWholeFile(written, actual));
    EXPECT_EQ(actual, expected);
  }
  std::error_code error;
  std::filesystem::remove_all(folder, error);
}

}  // namespace
}  // namespace armakon::convtest
