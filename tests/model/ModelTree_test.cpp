// The valve object tree: creation by type code and by class name, kind tests by the recorded
// class links, execution texts, copying and emptying of models and variants.

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
      {100, "(none)"},
      {200, "(none)"},
      {201, "hydArmaturTHKV"},
      {202, "hydArmaturDross"},
      {203, "hydArmaturEAV"},
      {204, "hydArmaturDross"},
      {205, "hydArmaturDDR"},
      {206, "(none)"},
      {207, "hydArmaturDFR"},
      {208, "hydArmaturDDRDFR"},
      {209, "hydArmaturDDR"},
      {210, "hydArmaturDDRDFR"},
      {211, "hydArmatur"},
      {212, "hydArmaturTHKVDFR"},
      {213, "hydArmatur"},
      {214, "(none)"},
      {1701, "hydArmatur"},
      {1702, "hydArmaturDross"},
      {1703, "hydArmaturThermoDross"},
      {1704, "hydArmaturEA"},
      {1705, "hydArmaturEA"},
      {1706, "hydArmaturSicherung"},
      {1707, "hydArmaturSicherung"},
      {1708, "hydArmaturDruckminderer"},
      {1709, "hydArmaturZaehler"},
      {1710, "(none)"},
      {1711, "(none)"},
      {1714, "(none)"},
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

TEST(ModelTree, FactoryCreatesTheFifteenClassesByName) {
  const char* names[] = {"hydArmatur",           "hydArmaturZubehoer",    "hydArmaturTHKV",
                         "hydArmaturDDR",        "hydArmaturTHKVDFR",     "hydArmaturDFR",
                         "hydArmaturDDRDFR",     "hydArmaturDross",       "hydArmaturThermoDross",
                         "hydArmaturEAV",        "hydArmaturSicherung",   "hydArmaturEA",
                         "hydArmaturDruckminderer", "hydArmaturenModell", "hydArmaturZaehler"};
  const CObjectFactory& factory = CObjectFactory::instance();
  for (const char* name : names) {
    auto object = factory.createObject(name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(classOf(object.get()), name);
    EXPECT_EQ(object->getParent(), nullptr);
  }
  EXPECT_EQ(factory.classNames().size(), std::size(names));
  for (const char* unknown : {"", "hydArmaturObject", "CKurve", "hydarmatur", "hydArmaturARM", "hydArmaturDDR "}) {
    EXPECT_EQ(factory.createObject(unknown), nullptr) << '"' << unknown << '"';
  }
}

TEST(ModelTree, KindTestsFollowTheRecordedBases) {
  hydArmaturDDR ddr;
  hydArmaturThermoDross thermo;
  hydArmaturDross dross;
  hydArmatur plain;
  hydArmaturenModell model;
  const struct {
    const hydArmaturObject* object;
    const CRuntimeClassRecord& record;
    bool derived;
  } cases[] = {
      {&ddr, hydArmatur::GetThisClass(), false},  // C++ base, but recorded below the root
      {&ddr, hydArmaturObject::GetThisClass(), true},
      {&ddr, hydArmaturDDR::GetThisClass(), true},
      {&thermo, hydArmaturDross::GetThisClass(), true},
      {&thermo, hydArmatur::GetThisClass(), true},
      {&dross, hydArmaturThermoDross::GetThisClass(), false},
      {&plain, hydArmaturDDR::GetThisClass(), false},
      {&model, hydArmatur::GetThisClass(), false},
      {&model, hydArmaturenModell::GetThisClass(), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(classOf(c.object) + " vs " + std::string(c.record.className()));
    EXPECT_EQ(c.object->isDerivedFrom(c.record), c.derived);
  }
  EXPECT_FALSE(ddr.isDerivedFrom(plain));
  EXPECT_TRUE(thermo.isDerivedFrom(dross));
  EXPECT_FALSE(dross.isDerivedFrom(thermo));
  EXPECT_FALSE(plain.isDerivedFrom(static_cast<const CRuntimeClassRecord*>(nullptr)));
}

TEST(ModelTree, ExecutionTextOfAVariant) {
  const struct {
    const char* details;
    const char* separator;
    const char* expected;
  } cases[] = {
      {"P;Q;P;R", ", ", "P, Q, R"},
      {"P;Q;Q", ", ", "P, Q, Q"},
      {"P;P", ", ", "P"},
      {"P;;Q", ", ", "P"},
      {"", ", ", ""},
      {";P", ", ", ""},
      {"P;Q;", " / ", "P / Q"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.details);
    hydArmatur variant;
    variant.addAusfDetail(c.details);
    EXPECT_EQ(variant.getAusfuehrung(c.separator), c.expected);
  }
  hydArmatur built;
  built.addAusfDetail("A");
  built.addAusfDetail("B");
  EXPECT_EQ(built.getAusfDetails(), "A;B");
  built.clearAusfuehrung();
  EXPECT_EQ(built.getAusfuehrung(", "), "");
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

TEST(ModelTree, MessageHeadlinesNameTheVariant) {
  hydArmaturenModell model;
  model.setModel("Ventil X");
  hydArmatur* variant = model.Add(ARMTYP_FESTWIDERSTAND_HZ);
  variant->setDimension(15);
  variant->setArtikelNr("A-1");
  variant->addAusfDetail("Eck;Durchgang");
  EXPECT_EQ(variant->getHinweisText(),
            "Hinweis zu den VDI-Daten der Armatur 'Ventil X', DN15, Art.-Nr. 'A-1', Ausführung 'Eck, Durchgang'");
  EXPECT_EQ(variant->getFehlerText(),
            "Fehler in den VDI-Daten der Armatur 'Ventil X', DN15, Art.-Nr. 'A-1', Ausführung 'Eck, Durchgang'");
  hydArmatur loose;
  EXPECT_EQ(loose.getModelType(), "");
  EXPECT_EQ(loose.getFehlerText(), "Fehler in den VDI-Daten der Armatur '', DN0, Art.-Nr. '', Ausführung ''");
}

TEST(ModelTree, IndexAccessAtAndPastTheEnd) {
  hydArmaturenModell model;
  model.Add(ARMTYP_FESTWIDERSTAND_HZ)->setArtikelNr("A");
  model.Add(ARMTYP_FESTWIDERSTAND_HZ)->setArtikelNr("B");
  EXPECT_EQ(model.getArtikelNrAt(1), "B");
  EXPECT_EQ(model.getArtikelNrAt(2), "");
  EXPECT_EQ(model.getArtikelNrAt(-1), "");
  EXPECT_EQ(model.getArmaturAt(2), nullptr);
  EXPECT_THROW(model.getArmaturAt(-1), std::invalid_argument);

  hydArmatur* variant = model.getArmaturAt(0);
  variant->addAnschluss({"K", 1, "T"});
  EXPECT_EQ(variant->getAnschlussKeyAt(0).key, "K");
  EXPECT_EQ(variant->getUpperBoundAnschlussKeys(), 0);
  EXPECT_THROW(variant->getAnschlussKeyAt(1), std::invalid_argument);
  EXPECT_THROW(variant->getAnschlussKeyAt(-1), std::invalid_argument);
  EXPECT_THROW(variant->getZubehoerAt(0), std::invalid_argument);
}

TEST(ModelTree, DimensionListHoldsEveryVariantInOrder) {
  hydArmaturenModell model;
  for (int dn : {20, 15, 100}) model.Add(ARMTYP_FESTWIDERSTAND_HZ)->setDimension(dn);
  SelectionList list;
  list.addString("alt", nullptr);
  model.getDimensionList(list);
  ASSERT_EQ(list.getCount(), 3);
  EXPECT_EQ(list.getAt(0).text, "20");
  EXPECT_EQ(list.getAt(2).text, "100");
  EXPECT_EQ(list.getAt(1).itemData, model.getArmaturAt(1));
  EXPECT_THROW(list.getAt(3), std::invalid_argument);
}

TEST(ModelTree, ModelAssignmentCopiesTypedVariantsAndSkipsClasslessTypes) {
  hydArmaturenModell source;
  modeltest::buildFullModel(source);
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

TEST(ModelTree, DestroyAllOfModelAndVariant) {
  hydArmaturenModell model;
  modeltest::buildFullModel(model);
  model.destroyAll();
  EXPECT_EQ(model.getSize(), 0);
  EXPECT_EQ(model.getManufacturer(), "");
  EXPECT_EQ(model.getFilename(), "");
  EXPECT_EQ(model.getHydCatID(), "");
  EXPECT_EQ(model.getIdx(), 0);
  EXPECT_EQ(model.getRLDatum(), 0);
  EXPECT_EQ(model.getVersion(), 3) << "version stays";
  EXPECT_EQ(model.getHydArmType(), ARMTYP_THERMOSTATVENTIL) << "type stays";

  hydArmatur variant;
  EXPECT_EQ(variant.getMaxTemperatur(), -273.15);
  EXPECT_EQ(variant.getDnText(), "DN");
  modeltest::fillCommon(variant, ARMTYP_FESTWIDERSTAND_HZ, 4);
  variant.setKurve(modeltest::makeCurve(2, 1.0f, "x", "y"));
  variant.destroyAll();
  EXPECT_EQ(variant.getArtikelNr(), "");
  EXPECT_EQ(variant.getDimension(), 0);
  EXPECT_EQ(variant.getMaxTemperatur(), -273.15);
  EXPECT_EQ(variant.getKvs(), 0.0);
  EXPECT_EQ(variant.getArmType(), 0);
  EXPECT_TRUE(variant.getZubehoer().empty());
  // What destroyAll keeps:
  EXPECT_EQ(variant.getAusfDetails(), "Messing;Eckform");
  EXPECT_EQ(variant.getSizeAnschlussKeys(), 2);
  EXPECT_EQ(variant.getEANNr(), "40000004");
  EXPECT_EQ(variant.getDnText(), "DN");
  EXPECT_EQ(variant.getZeta(), 2.25);
  EXPECT_EQ(variant.getKurve().getCount(), 2);
}

TEST(ModelTree, VariantAssignmentLeavesTheOwnCurveAndParent) {
  hydArmaturenModell model;
  hydArmatur* target = model.Add(ARMTYP_FESTWIDERSTAND_HZ);
  target->setKurve(modeltest::makeCurve(1, 1.0f, "a", "b"));
  hydArmatur source;
  modeltest::fillCommon(source, ARMTYP_FESTWIDERSTAND_TW, 7);
  source.setKurve(modeltest::makeCurve(4, 1.0f, "a", "b"));

  *target = source;
  EXPECT_EQ(target->getParent(), &model);
  EXPECT_EQ(target->getKurve().getCount(), 1) << "the own curve is not copied";
  EXPECT_EQ(target->getArtikelNr(), source.getArtikelNr());
  EXPECT_EQ(target->getArmType(), ARMTYP_FESTWIDERSTAND_TW);
  EXPECT_EQ(target->getAnschlussKeys(), source.getAnschlussKeys());
  ASSERT_EQ(target->getZubehoer().size(), 1u);
  EXPECT_EQ(target->getZubehoer()[0], source.getZubehoer()[0]);
  EXPECT_EQ(target->getManufacturer(), "");

  target->appendZubehoer(&source);
  target->appendZubehoer(target);
  target->appendZubehoer(nullptr);
  EXPECT_EQ(target->getZubehoer().size(), 4u);
  target->removeZubehoer();
  EXPECT_TRUE(target->getZubehoer().empty());
}

TEST(ModelTree, TypeNames) {
  const struct {
    int type;
    int sheet;
    const char* name;
  } cases[] = {
      {0, 0, "Undefinierter Armaturtyp"},
      {201, 17, "Ventilgehäuse für Thermostatventil/ Verteilergehäuse für Ventilgarnitur"},
      {5, 2, "Differenzdruckregler"},
      {5, 17, "Entnahmearmatur mit RFV"},
      {1710, 2, "Messeinrichtungen"},
      {214, 2, "Nicht unterstützter Ventiltyp"},
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

TEST(ModelTree, RemoveAndSortVariants) {
  hydArmaturenModell model;
  for (int dn : {25, 15, 20, 15}) model.Add(ARMTYP_FESTWIDERSTAND_HZ)->setDimension(dn);
  model.getArmaturAt(1)->setArtikelNr("first 15");
  model.sortArmaturen([](const hydArmatur& a, const hydArmatur& b) { return a.getDimension() < b.getDimension(); });
  EXPECT_EQ(model.getArtikelNrAt(0), "first 15") << "the sort is stable";
  EXPECT_EQ(model.getArmaturAt(3)->getDimension(), 25);

  hydArmatur stranger;
  EXPECT_FALSE(model.removeArmatur(&stranger));
  EXPECT_FALSE(model.removeArmatur(nullptr));
  EXPECT_TRUE(model.removeArmatur(model.getArmaturAt(0)));
  EXPECT_EQ(model.getSize(), 3);
  EXPECT_EQ(model.getArmaturAt(0)->getDimension(), 15);
}

}  // namespace
}  // namespace armakon::hydVDIArmaturen
