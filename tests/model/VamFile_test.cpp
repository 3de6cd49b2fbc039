// The valve-model file: save/load round trips, the node layout rules, hostile or foreign
// trees, and the text export of thermostatic valve models.

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeNode.h"
#include "tests/model/ModelFixtures.h"

namespace armakon::hydVDIArmaturen {
namespace {

namespace fs = std::filesystem;

class VamFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    folder_ = fs::temp_directory_path() / ("armakon_vam_" + std::to_string(random()) + "_" +
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

std::string className(const hydArmaturObject* object) {
  return object == nullptr ? "(none)" : std::string(object->GetRuntimeClass()->className());
}

std::vector<std::string> linesOf(const std::string& file) {
  std::string content;
  EXPECT_TRUE(readWholeFile(file, content));
  std::vector<std::string> lines;
  std::istringstream in(content);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

template <class T>
const T& as(const hydArmaturenModell& model, int index) {
  const auto* typed = dynamic_cast<const T*>(model.getArmaturAt(index));
  if (typed == nullptr) throw std::logic_error("unexpected class at " + std::to_string(index));
  return *typed;
}

TEST_F(VamFile, RoundTripOfAModelWithEveryVariantClass) {
  hydArmaturenModell original;
  modeltest::buildFullModel(original);
  ASSERT_TRUE(original.saveVAMFile(path("full.vam")));

  hydArmaturenModell loaded;
  loaded.Add(ARMTYP_ZAEHLER);  // emptied by the load
  loaded.setManufacturer("alt");
  ASSERT_TRUE(loaded.loadVAMFile(path("full.vam")));

  EXPECT_EQ(loaded.getVersion(), 3);
  EXPECT_EQ(loaded.getModelType(), "Serie V: alles");
  EXPECT_EQ(loaded.getManufacturer(), "Muster Armaturen GmbH");
  EXPECT_EQ(loaded.getFilename(), "muster.vdi");
  EXPECT_EQ(loaded.getHydCatID(), "MUSTER-01");
  EXPECT_EQ(loaded.getIdx(), 42);
  EXPECT_EQ(loaded.getRLDatum(), 201601);
  EXPECT_EQ(loaded.getHydArmType(), ARMTYP_THERMOSTATVENTIL);

  ASSERT_EQ(loaded.getSize(), original.getSize());
  ASSERT_EQ(loaded.getSize(), 13);
  for (int i = 0; i < loaded.getSize(); ++i) {
    const hydArmatur& a = *original.getArmaturAt(i);
    const hydArmatur& b = *loaded.getArmaturAt(i);
    SCOPED_TRACE(className(&a));
    EXPECT_EQ(className(&b), className(&a));
    EXPECT_EQ(b.getParent(), &loaded);
    EXPECT_EQ(b.getArtikelNr(), a.getArtikelNr());
    EXPECT_EQ(b.getGroupType(), a.getGroupType());
    EXPECT_EQ(b.getArmType(), a.getArmType());
    EXPECT_EQ(b.getRecordIndex(), a.getRecordIndex());
    EXPECT_EQ(b.getDimension(), a.getDimension());
    EXPECT_EQ(b.getMaxTemperatur(), a.getMaxTemperatur());
    EXPECT_EQ(b.getMaxBetriebsdruck(), a.getMaxBetriebsdruck());
    EXPECT_EQ(b.getMaxDiffdruck(), a.getMaxDiffdruck());
    EXPECT_EQ(b.getKvs(), a.getKvs());
    EXPECT_EQ(b.getDATANORMNr(), a.getDATANORMNr());
    EXPECT_EQ(b.getStLBNr(), a.getStLBNr());
    EXPECT_EQ(b.getEANNr(), a.getEANNr());
    EXPECT_EQ(b.getDnText(), a.getDnText());
    EXPECT_EQ(b.getZeta(), a.getZeta());
    EXPECT_EQ(b.getSchliessdruck_hPa(), a.getSchliessdruck_hPa());
    EXPECT_EQ(b.getAusfDetails(), a.getAusfDetails());
    EXPECT_EQ(b.getAnschlussKeys(), a.getAnschlussKeys());
    EXPECT_EQ(b.getZubehoer(), a.getZubehoer());
    if (i > 0) {
      EXPECT_EQ(b.getKurve().nodes(), a.getKurve().nodes());
      EXPECT_EQ(b.getKurve().getEinheitx(), a.getKurve().getEinheitx());
      EXPECT_EQ(b.getKurve().getEinheity(), a.getKurve().getEinheity());
    }
  }
  EXPECT_EQ(original.getArmaturAt(0)->getKurve().getCount(), 3);
  EXPECT_TRUE(loaded.getArmaturAt(0)->getKurve().bIsEmpty()) << "the own curve of a plain variant is not saved";

  // Typed data beyond the main curves.
  EXPECT_EQ(as<hydArmaturTHKV>(loaded, 1).getXp(), 2.0);
  EXPECT_EQ(as<hydArmaturTHKV>(loaded, 1).getKvKurve().getEinheitx2(), "K");
  EXPECT_EQ(as<hydArmaturDDR>(loaded, 2).getKennlinieKvzuPAbw().nodes(),
            as<hydArmaturDDR>(original, 2).getKennlinieKvzuPAbw().nodes());
  EXPECT_EQ(as<hydArmaturDDR>(loaded, 2).getKennlinieMaxVolStrom().nodes(),
            as<hydArmaturDDR>(original, 2).getKennlinieMaxVolStrom().nodes());
  EXPECT_EQ(as<hydArmaturDDRDFR>(loaded, 4).getDFRAnteil().getKurve().nodes(),
            as<hydArmaturDDRDFR>(original, 4).getDFRAnteil().getKurve().nodes());
  EXPECT_EQ(as<hydArmaturDDRDFR>(loaded, 4).getWirkdruck(), 175.0f);
  EXPECT_EQ(as<hydArmaturTHKVDFR>(loaded, 5).getKurve14().nodes(), as<hydArmaturTHKVDFR>(original, 5).getKurve14().nodes());
  EXPECT_EQ(as<hydArmaturDross>(loaded, 6).getDpmax(), 600.0f);
  const auto& thermo = as<hydArmaturThermoDross>(loaded, 7);
  ASSERT_EQ(thermo.getCount(), 2);
  EXPECT_EQ(thermo.getKurveAt(1).getTemperatur(), 55.0);
  EXPECT_EQ(thermo.getKurveAt(0).nodes(), as<hydArmaturThermoDross>(original, 7).getKurveAt(0).nodes());
  EXPECT_EQ(thermo.getKurveAt(0).getText(), "T=60");
  EXPECT_EQ(as<hydArmaturEAV>(loaded, 8).getXp(), 0.0);
  EXPECT_EQ(as<hydArmaturEAV>(loaded, 8).getKurve14().getEinheity4(), "l/h");
  EXPECT_EQ(as<hydArmaturEA>(loaded, 9).getByte(3), 5);
  EXPECT_EQ(as<hydArmaturEA>(loaded, 9).getWert(6), 4.0f);
  EXPECT_EQ(as<hydArmaturSicherung>(loaded, 10).getByteWert(), 7);
  EXPECT_EQ(as<hydArmaturDruckminderer>(loaded, 11).getEinheitEinst(), "bar");
  EXPECT_EQ(as<hydArmaturZaehler>(loaded, 12).getText(2), "Text 2");
  EXPECT_EQ(as<hydArmaturZaehler>(loaded, 12).getEinbaulage(), 999);

  // Nothing else was lost either: saving the loaded model gives the same tree.
  EXPECT_EQ(modeltest::treeText(loaded), modeltest::treeText(original));
}

TEST_F(VamFile, DrawOffFittingWritesItsFlowCurveOnlyWithBackflowPreventer) {
  for (const int type : {ARMTYP_ENTNAHME, ARMTYP_ENTNAHME_RFV}) {
    SCOPED_TRACE(type);
    hydArmaturEA fitting;
    fitting.setArmType(type);
    fitting.addKurve(modeltest::makeCurve(2, 600.0f, "mbar", "l/h"));
    CNode node("");
    ASSERT_TRUE(fitting.write(&node));
    EXPECT_EQ(node.GetName(), "EA");
    EXPECT_EQ(node.FindChild("EK") != nullptr, type == ARMTYP_ENTNAHME_RFV);
  }
}

TEST_F(VamFile, ModelNodeLayout) {
  hydArmaturenModell model;
  model.setVersion(2);
  model.setModel("M");
  model.Add(ARMTYP_FESTWIDERSTAND_HZ)->addAnschluss({"k", -1, "t"});
  model.Add(ARMTYP_STRANGREGULIERVENTIL);
  CNode root("");
  ASSERT_TRUE(model.write(&root));
  EXPECT_EQ(root.GetName(), "Modell");
  ASSERT_EQ(root.GetItemCount(), 5);
  const char* names[] = {"VER", "MON", "X", "ARM", "Dross"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(root.GetItemAt(i)->GetName(), names[i]);
  EXPECT_EQ(root.FindLeaf("X")->GetValues(), (std::vector<std::string>{"0", "0", "", "", "", "0"}));
  EXPECT_EQ(root.FindChild("ARM")->FindLeaf("ANS")->GetValues(), (std::vector<std::string>{"k", "-1", "t"}));
  EXPECT_FALSE(model.write(nullptr));

  CNode named("Eigener Name");
  model.write(&named);
  EXPECT_EQ(named.GetName(), "Eigener Name");
}

TEST_F(VamFile, ReadingSkipsChildrenWithoutAVariantClass) {
  CNode root("Modell");
  root.AddLeaf("VER", 1);
  root.AddLeaf("X", std::string("201"));
  root.AddChild("ARM")->AddLeaf("X", std::string("plain"));
  root.AddChild("Unbekannt")->AddLeaf("X", std::string("x"));
  CNode* nested = root.AddChild("enModell");  // "hydArmaturenModell" is a class, but no variant
  nested->AddLeaf("VER", 1);
  nested->AddLeaf("X", std::string("201"));
  root.AddChild("Zubehoer");
  root.AddChild("DDR");  // no leaf "X": fails to read and is dropped
  root.AddChild("hydArmatur")->AddLeaf("X", std::string("x"));
  CNode* dross = root.AddChild("Dross");
  dross->AddLeaf("X", std::string("throttle"));
  dross->AddLeaf("Y", std::string("0"));

  hydArmaturenModell model;
  ASSERT_TRUE(model.read(&root));
  ASSERT_EQ(model.getSize(), 2);
  EXPECT_EQ(className(model.getArmaturAt(0)), "hydArmatur");
  EXPECT_EQ(model.getArtikelNrAt(0), "plain");
  EXPECT_EQ(className(model.getArmaturAt(1)), "hydArmaturDross");
  EXPECT_EQ(model.getArmaturAt(1)->getParent(), &model);
  EXPECT_EQ(model.getModelType(), "") << "MON is optional";
  EXPECT_EQ(model.getHydArmType(), 201);
}

TEST_F(VamFile, ReadingNeedsTheVersionAndHeaderLeaves) {
  for (const char* missing : {"VER", "X"}) {
    SCOPED_TRACE(missing);
    CNode root("Modell");
    if (std::string(missing) != "VER") root.AddLeaf("VER", 1);
    if (std::string(missing) != "X") root.AddLeaf("X", std::string("201"));
    hydArmaturenModell model;
    EXPECT_FALSE(model.read(&root));
  }
  hydArmaturenModell model;
  EXPECT_FALSE(model.read(nullptr));
}

TEST_F(VamFile, ConnectionsAreReadInCompleteTriples) {
  CNode node("ARM");
  node.AddLeaf("X", std::string("a"));
  CLeaf* connections = node.AddLeaf("ANS", std::string());
  for (const char* value : {"k1", "1", "t1", "k2", "0", "", "k3", "-1"}) connections->AddValue(value);
  hydArmatur variant;
  ASSERT_TRUE(variant.read(&node));
  ASSERT_EQ(variant.getSizeAnschlussKeys(), 2);
  EXPECT_EQ(variant.getAnschlussKeyAt(1), (hydArmAnschluss{"k2", 0, ""}));

  CNode bare("ARM");
  EXPECT_FALSE(variant.read(&bare)) << "a variant node needs its leaf X";
}

TEST_F(VamFile, LoadFailures) {
  hydArmaturenModell model;
  modeltest::buildFullModel(model);
  EXPECT_FALSE(model.saveVAMFile(""));
  EXPECT_FALSE(model.loadVAMFile(""));
  EXPECT_EQ(model.getSize(), 13) << "an empty path changes nothing";

  EXPECT_FALSE(model.loadVAMFile(path("missing.vam")));
  EXPECT_EQ(model.getSize(), 0);

  modeltest::buildFullModel(model);
  CNode foreign("Pumpe");
  foreign.AddLeaf("VER", 1);
  ASSERT_TRUE(foreign.WriteToFile(path("foreign.vam")));
  EXPECT_FALSE(model.loadVAMFile(path("foreign.vam")));
  EXPECT_EQ(model.getSize(), 0) << "emptied before the root was checked";
  EXPECT_EQ(model.getManufacturer(), "");

  ASSERT_TRUE(writeFileAtomically(path("garbage.vam"), "Modell { nicht geschlossen"));
  EXPECT_FALSE(model.loadVAMFile(path("garbage.vam")));

  EXPECT_FALSE(model.saveVAMFile(path("no/such/folder/x.vam")));
}

class TextExport : public VamFile {
 protected:
  static void addVariant(hydArmaturenModell& model, int dn, const std::string& article, double xp,
                         const std::vector<curveNode>& nodes) {
    auto* variant = dynamic_cast<hydArmaturTHKV*>(model.Add(ARMTYP_THERMOSTATVENTIL));
    variant->setDimension(dn);
    variant->setArtikelNr(article);
    variant->addAusfDetail("Eck;Messing;Eck");
    CKurve curve;
    for (const curveNode& node : nodes) curve.addCurveNode(node);
    variant->addKvKurve(curve);
    variant->setXp(xp);
  }
};

TEST_F(TextExport, ThermostaticModelAppendsHeadingsAndOneLinePerVariant) {
  hydArmaturenModell model;
  model.setHydArmType(ARMTYP_THERMOSTATVENTIL);
  model.setManufacturer("Hersteller");
  model.setModel("Modell A");
  addVariant(model, 10, "A-10", 2.0, {{1.0f, "1", 0.25f}, {2.5f, "2.5", 0.5f}});
  addVariant(model, 15, "A-15", 1.5, {{-9999.0f, "N", 0.75f}, {6.0f, "6", 1.125f}});

  const std::string file = path("export.txt");
  ASSERT_TRUE(writeFileAtomically(file, "alt\n"));
  ASSERT_TRUE(model.appendDataToFile(file));
  const std::vector<std::string> expected = {
      "alt",
      "//Version;Hersteller;Modellbezeichnung;Artikel-Nr.;DN;XP;Ausführung;[Einstellung;kv;]...",
      "//Int;String;String;String;Int;Double;String;Einstellung;kv;",
      "1;Hersteller;Modell A;A-10;10;2.0;Eck, Messing;1;0.25;2.5;0.5;",
      "1;Hersteller;Modell A;A-15;15;1.5;Eck, Messing;N;0.75;6;1.125;",
  };
  EXPECT_EQ(linesOf(file), expected);

  ASSERT_TRUE(model.appendDataToFile(file));
  EXPECT_EQ(linesOf(file).size(), 9u) << "every call appends headings and lines again";

  ASSERT_TRUE(model.appendDataToFile(path("new.txt")));
  EXPECT_EQ(linesOf(path("new.txt")).size(), 4u);
}

// Under a host locale with a decimal comma, files and export still use points.
TEST_F(TextExport, NumbersIgnoreTheProcessLocale) {
  hydArmaturenModell model;
  modeltest::buildFullModel(model);
  const std::string reference = modeltest::treeText(model);
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  hydArmaturenModell loaded;
  const bool saved = model.saveVAMFile(path("de.vam"));
  const bool read = loaded.loadVAMFile(path("de.vam"));
  const bool exported = model.appendDataToFile(path("de.txt"));
  std::setlocale(LC_ALL, previous.c_str());
  ASSERT_TRUE(saved && read && exported);
  EXPECT_EQ(modeltest::treeText(loaded), reference);
  // Line 3 is the thermostatic variant (line 2 the plain one).
  EXPECT_NE(linesOf(path("de.txt")).at(3).find(";15;2.0;Messing, Eckform;1;1.5;2;1.25;"), std::string::npos);
}

TEST_F(TextExport, OnlyThermostaticModelsAreExported) {
  hydArmaturenModell model;
  model.setHydArmType(ARMTYP_DROSSEL_MANUELL);
  model.Add(ARMTYP_DROSSEL_MANUELL);
  EXPECT_FALSE(model.appendDataToFile(path("dross.txt")));
  EXPECT_FALSE(fs::exists(path("dross.txt")));

  model.setHydArmType(ARMTYP_THERMOSTATVENTIL);
  EXPECT_FALSE(model.appendDataToFile(""));
  EXPECT_FALSE(model.appendDataToFile(path("no/such/folder/x.txt")));
}

}  // namespace
}  // namespace armakon::hydVDIArmaturen
