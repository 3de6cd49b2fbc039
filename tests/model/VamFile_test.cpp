// The valve-model file: the exact round trip of every variant class, hostile or foreign trees,
// and the text export of thermostatic valve models.

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "tests/model/ModelFixtures.h"
#include "tests/TempFolder.h"

namespace armakon::hydVDIArmaturen {
namespace {

namespace fs = std::filesystem;

class VamFile : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return temp_.path(name); }
  const testsupport::TempFolder temp_;
  const fs::path folder_{temp_.path()};
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

TEST_F(VamFile, ModelWithEveryVariantClassReadsAndWritesBackExactly) {
  hydArmaturenModell loaded;
  loaded.Add(ARMTYP_ZAEHLER);  // emptied by the load
  loaded.setManufacturer("alt");
  ASSERT_TRUE(loaded.loadVAMFile(modeltest::kFullModelFile));

  EXPECT_EQ(loaded.getVersion(), 3);
  EXPECT_EQ(loaded.getModelType(), "Serie V: alles");
  EXPECT_EQ(loaded.getManufacturer(), "Muster Armaturen GmbH");
  EXPECT_EQ(loaded.getHydCatID(), "MUSTER-01");
  EXPECT_EQ(loaded.getRLDatum(), 201601);
  const std::vector<std::string> classes = {
      "hydArmatur",          "hydArmaturTHKV",        "hydArmaturDDR", "hydArmaturDFR",
      "hydArmaturDDRDFR",    "hydArmaturTHKVDFR",     "hydArmaturDross", "hydArmaturThermoDross",
      "hydArmaturEAV",       "hydArmaturEA",          "hydArmaturSicherung", "hydArmaturDruckminderer",
      "hydArmaturZaehler"};
  ASSERT_EQ(loaded.getSize(), static_cast<int>(classes.size()));
  for (int i = 0; i < loaded.getSize(); ++i) {
    EXPECT_EQ(className(loaded.getArmaturAt(i)), classes[static_cast<std::size_t>(i)]);
    EXPECT_EQ(loaded.getArmaturAt(i)->getParent(), &loaded);
  }
  // A few typed values beyond the main curves, with the separator escaped in a text.
  EXPECT_EQ(loaded.getArtikelNrAt(0), "ART-0:a;b");
  EXPECT_EQ(as<hydArmaturTHKV>(loaded, 1).getKvKurve().getEinheitx2(), "K");
  EXPECT_EQ(as<hydArmaturDDRDFR>(loaded, 4).getWirkdruck(), 175.0f);
  const auto& thermo = as<hydArmaturThermoDross>(loaded, 7);
  ASSERT_EQ(thermo.getCount(), 2);
  EXPECT_EQ(thermo.getKurveAt(1).getTemperatur(), 55.0);
  EXPECT_EQ(as<hydArmaturEA>(loaded, 9).getByte(3), 5);
  EXPECT_EQ(as<hydArmaturZaehler>(loaded, 12).getEinbaulage(), 999);

  // Nothing is lost or changed: saving the loaded model gives the file byte for byte.
  ASSERT_TRUE(loaded.saveVAMFile(path("again.vam")));
  std::string original, again;
  ASSERT_TRUE(readWholeFile(modeltest::kFullModelFile, original));
  ASSERT_TRUE(readWholeFile(path("again.vam"), again));
  EXPECT_EQ(again, original);
}

// A file is loaded one variant at a time, each variant built from the tree items of the one
// before: whatever the layouts follow each other in, the model must be the one read from the
// whole tree.
TEST_F(VamFile, LoadingVariantByVariantGivesTheModelOfTheWholeTree) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(ARMAKON_SOURCE_DIR) / "data/samples/models")) {
    if (entry.path().extension() == ".vam") files.push_back(entry.path().string());
  }
  // Layouts that change from variant to variant: an escaped separator, a nested node that a
  // later variant lacks, a child without a variant class, the header after the variants.
  files.push_back(path("mixed.vam"));
  ASSERT_TRUE(writeFileAtomically(files.back(), "Modell {\n"
                                                " THKV {\n  X = A\\:1:0:201\n  AD = a\\:b;c\n  Y =\n"
                                                "  CK {\n   KVE_F = Stufe:1.0:2.0\n   KVE_S = Stufe:1:2\n   KVW = m:0.1:0.2\n  }\n }\n"
                                                " Unbekannt {\n  Z {\n   Q = 1\n  }\n }\n"
                                                " ARM {\n  X = B\n }\n"
                                                " THKV {\n  Y =\n  X = C:0:201\n  CK {\n   KVW = m:0.5\n  }\n }\n"
                                                " VER = 2\n X = 201:0:Hersteller\n}\n"));
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    hydArmaturenModell loaded;
    ASSERT_TRUE(loaded.loadVAMFile(file));
    std::unique_ptr<CNode> tree = CNode::ReadFromFile(file);
    ASSERT_NE(tree, nullptr);
    hydArmaturenModell read;
    ASSERT_TRUE(read.read(tree.get()));
    CNode loadedTree, readTree;
    loaded.write(&loadedTree);
    read.write(&readTree);
    EXPECT_TRUE(loadedTree.IsEqualTo(readTree));
    EXPECT_GT(loaded.getSize(), 0);
  }
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

TEST_F(VamFile, LoadFailures) {
  hydArmaturenModell model;
  ASSERT_TRUE(model.loadVAMFile(modeltest::kFullModelFile));
  EXPECT_FALSE(model.saveVAMFile(""));
  EXPECT_FALSE(model.loadVAMFile(""));
  EXPECT_EQ(model.getSize(), 13) << "an empty path changes nothing";

  EXPECT_FALSE(model.loadVAMFile(path("missing.vam")));
  EXPECT_EQ(model.getSize(), 0);

  ASSERT_TRUE(model.loadVAMFile(modeltest::kFullModelFile));
  CNode foreign("Pumpe");
  foreign.AddLeaf("VER", 1);
  ASSERT_TRUE(foreign.WriteToFile(path("foreign.vam")));
  EXPECT_FALSE(model.loadVAMFile(path("foreign.vam")));
  EXPECT_EQ(model.getSize(), 0) << "emptied before the root was checked";
  EXPECT_EQ(model.getManufacturer(), "");

  ASSERT_TRUE(writeFileAtomically(path("garbage.vam"), "Modell { nicht geschlossen"));
  EXPECT_FALSE(model.loadVAMFile(path("garbage.vam")));

  // Variants read before a malformed line do not stay.
  ASSERT_TRUE(writeFileAtomically(path("broken.vam"), "Modell {\nVER = 1\nX = 201\nARM {\nX = a\n}\nkaputt\n}\n"));
  EXPECT_FALSE(model.loadVAMFile(path("broken.vam")));
  EXPECT_EQ(model.getSize(), 0);

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

}  // namespace
}  // namespace armakon::hydVDIArmaturen
