// The valve object tree: creation by type code, execution texts, copying of models, type names.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "armakon/model/CObjectFactory.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturenModell.h"
#include "tests/model/ModelFixtures.h"

namespace armakon::hydVDIArmaturen {
namespace {

std::string classOf(const hydArmaturObject* object) {
  return object == nullptr ? std::string("(none)") : std::string(object->GetRuntimeClass()->className());
}

TEST(ModelTree, AddCreatesTheClassOfEveryTypeCode) {
  const struct {
    int type;
    const char* className;  // "(none)": no class
  } cases[] = {
      {0, "(none)"},
      {201, "hydArmaturTHKV"},
      {204, "hydArmaturDross"},
      {206, "(none)"},
      {208, "hydArmaturDDRDFR"},
      {209, "hydArmaturDDR"},
      {211, "hydArmatur"},
      {212, "hydArmaturTHKVDFR"},
      {1703, "hydArmaturThermoDross"},
      {1707, "hydArmaturSicherung"},
      {1709, "hydArmaturZaehler"},
      {1710, "(none)"},
      {-201, "(none)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    hydArmaturenModell model;
    model.Add(ARMTYP_FESTWIDERSTAND_TW);  // a variant already there: Add appends behind it
    hydArmatur* variant = model.Add(c.type);
    EXPECT_EQ(classOf(variant), c.className);
    if (variant == nullptr) {
      EXPECT_EQ(model.getSize(), 1);
      continue;
    }
    EXPECT_EQ(model.getSize(), 2);
    EXPECT_EQ(model.getArmaturAt(1), variant);
    EXPECT_EQ(variant->getParent(), &model);
    EXPECT_EQ(variant->getArmType(), 0) << "Add leaves the armType to the caller";
  }
}

TEST(ModelTree, ExecutionTextOfAModel) {
  const std::string differing =
      "Das Modell enthält verschiedene Ausführungs-Varianten.\nBitte prüfen Sie, ob dies beabsichtigt war.";
  const struct {
    std::vector<std::string> details;  // one entry per variant
    const char* separator;
    std::string expected;
  } cases[] = {
      {{}, ", ", "Fehler: Dieses Modell enthält keine Ausführungen!"},
      {{"", ""}, ", ", "Es sind keine Ausführungsdetails in diesem Modell enthalten."},
      {{"P;Q;P;R", "P;Q;R"}, ", ", "P, Q, R"},
      {{"P;Q", "P;R"}, ", ", differing},
      {{"P;Q", "P;R"}, ";", differing},
      {{"P;Q", "P;R"}, "", differing},
      {{"A;B", "A;B", "A;B"}, " | ", "A | B"},
      {{"A;B"}, "", "AB"},  // an empty separator replaces nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    hydArmaturenModell model;
    for (const std::string& details : c.details) model.Add(ARMTYP_FESTWIDERSTAND_HZ)->addAusfDetail(details);
    EXPECT_EQ(model.getAusfuehrung(c.separator), c.expected);
  }
}

TEST(ModelTree, ModelAssignmentCopiesTypedVariantsAndSkipsClasslessTypes) {
  hydArmaturenModell source;
  ASSERT_TRUE(source.loadVAMFile(modeltest::kFullModelFile));
  // A variant whose armType names no class cannot be rebuilt by the copy.
  source.Add(ARMTYP_FESTWIDERSTAND_HZ)->setArmType(ARMTYP_MESSEINRICHTUNG);
  // A variant whose armType names another class than its own is rebuilt as that class.
  source.Add(ARMTYP_FESTWIDERSTAND_HZ)->setArmType(ARMTYP_VERSCHRAUBUNG);

  hydArmaturenModell copy;
  copy.setVersion(9);
  copy.Add(ARMTYP_FESTWIDERSTAND_HZ);
  copy = source;

  EXPECT_EQ(copy.getVersion(), 9) << "the version is not copied";
  ASSERT_EQ(copy.getSize(), source.getSize() - 1);
  for (int i = 0; i + 1 < copy.getSize(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(classOf(copy.getArmaturAt(i)), classOf(source.getArmaturAt(i)));
    EXPECT_EQ(copy.getArmaturAt(i)->getParent(), &copy);
    EXPECT_EQ(copy.getArmaturAt(i)->getDimension(), source.getArmaturAt(i)->getDimension());
  }
  EXPECT_EQ(classOf(copy.getArmaturAt(copy.getSize() - 1)), "hydArmaturDross");
  EXPECT_EQ(copy.getManufacturer(), source.getManufacturer());
  EXPECT_EQ(copy.getHydArmType(), source.getHydArmType());
  EXPECT_EQ(copy.getRLDatum(), 201601);

  // The typed data came along: the copy writes the same tree as the source (minus the
  // skipped variant and the version).
  source.removeArmatur(source.getArmaturAt(source.getSize() - 1));
  source.removeArmatur(source.getArmaturAt(source.getSize() - 1));
  copy.removeArmatur(copy.getArmaturAt(copy.getSize() - 1));
  source.setVersion(9);
  EXPECT_EQ(modeltest::treeText(copy), modeltest::treeText(source));

  // A copy constructed from the model gets version 0.
  const hydArmaturenModell constructed(source);
  EXPECT_EQ(constructed.getVersion(), 0);
  EXPECT_EQ(constructed.getSize(), source.getSize());
  EXPECT_EQ(constructed.getArmaturAt(0)->getParent(), &constructed);
}

TEST(ModelTree, TypeNames) {
  const struct {
    int type;
    int sheet;
    const char* name;
  } cases[] = {
      {5, 2, "Differenzdruckregler"},
      {5, 17, "Entnahmearmatur mit RFV"},
      {15, 17, "Nicht unterstützter Ventiltyp"},
      {5, 2147483647, "Nicht unterstützter Ventiltyp"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(getHydArmTypeStr(c.type, c.sheet), c.name);
  }
  hydArmaturenModell model;
  model.setHydArmType(9);  // a bare type number of sheet 2
  EXPECT_EQ(model.getHydArmTypeStr(), "Differenzdruckregler mit Durchflussbegrenzung (Hubbegrenzung)");
}

}  // namespace
}  // namespace armakon::hydVDIArmaturen
