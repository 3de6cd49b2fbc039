// Writing and reading the typed part of every valve variant class through the tree file.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "armakon/components/ObjectFactory.h"
#include "armakon/components/TreeFile.h"
#include "armakon/model/ValveClassTable.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"

namespace {

using armakon::CNode;
using namespace armakon::hydVDIArmaturen;

const armakon::CObjectFactory<hydArmaturObject>& factory() {
  static const armakon::CObjectFactory<hydArmaturObject> instance(registerValveClasses);
  return instance;
}

// A curve with a unit per axis, a second abscissa on one node and a label on each.
CKurve sampleCurve(float scale) {
  CKurve curve;
  curve.setEinheitx("Einstellung");
  curve.setEinheitx2("K");
  curve.setEinheity("m³/h");
  curve.addCurveNode(1.0f, "1", 0.5f * scale, 0.25f);
  curve.addCurveNode(2.5f, "2,5", 1.25f * scale);
  return curve;
}

void expectSameCurve(const CKurve& expected, const CKurve& actual, const std::string& what) {
  ASSERT_EQ(actual.getCount(), expected.getCount()) << what;
  for (int i = 0; i < expected.getCount(); ++i) EXPECT_EQ(actual.getAt(i), expected.getAt(i)) << what << " node " << i;
  EXPECT_EQ(actual.getEinheitx(), expected.getEinheitx()) << what;
  EXPECT_EQ(actual.getEinheitx2(), expected.getEinheitx2()) << what;
  EXPECT_EQ(actual.getEinheity(), expected.getEinheity()) << what;
}

CKurve14 sampleCurve14() {
  CKurve14 curve;
  curve.setEinheitx("Stufe");
  curve.setEinheity2("mbar");
  curve.addCurveNode(curveNode14(6.0f, "6", 0.5f, 600.0f, 100.0f, 300.0f));
  curve.addCurveNode(curveNode14(1.0f, "1", 0.25f, 500.0f, 80.0f, 50.0f));
  return curve;
}

void expectSameCurve14(const CKurve14& expected, const CKurve14& actual) {
  ASSERT_EQ(actual.getCount(), expected.getCount());
  for (int i = 0; i < expected.getCount(); ++i) EXPECT_EQ(actual.getAt(i), expected.getAt(i)) << "node " << i;
  EXPECT_EQ(actual.getEinheitx(), expected.getEinheitx());
  EXPECT_EQ(actual.getEinheity2(), expected.getEinheity2());
}

// Writes the variant into a model-like root, through the text form and back, and reads the
// child into an object the factory makes from the child's name, as a model file is read.
std::unique_ptr<hydArmatur> roundTrip(const hydArmatur& variant, std::unique_ptr<CNode>* written = nullptr) {
  CNode root("Modell");
  EXPECT_TRUE(variant.write(root.AddChild("")));
  std::string text;
  EXPECT_TRUE(root.WriteToString(text));
  auto reread = std::make_unique<CNode>();
  EXPECT_TRUE(reread->ReadFromString(text));
  const CNode* child = reread->GetFirstChild();
  if (child == nullptr) return nullptr;
  const std::string className = child->GetName() == "ARM" ? "hydArmatur" : "hydArmatur" + child->GetName();
  std::unique_ptr<hydArmaturObject> object = factory().create(className);
  auto* copy = dynamic_cast<hydArmatur*>(object.get());
  if (copy == nullptr || !copy->read(child)) return nullptr;
  object.release();
  if (written != nullptr) *written = std::move(reread);
  return std::unique_ptr<hydArmatur>(copy);
}

struct ClassCase {
  const char* nodeName;
  std::function<std::unique_ptr<hydArmatur>()> make;
  std::function<void(const hydArmatur& original, const hydArmatur& copy)> check;
};

template <class T>
const T& as(const hydArmatur& variant) {
  return dynamic_cast<const T&>(variant);
}

std::vector<ClassCase> classCases() {
  return {
      {"DDR",
       [] {
         auto v = std::make_unique<hydArmaturDDR>();
         v->addKennlinieDp(sampleCurve(100));
         v->addKennlinieKvzuPAbw(sampleCurve(2));
         v->addKennlinieMaxVolStrom(sampleCurve(1000));
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         expectSameCurve(as<hydArmaturDDR>(o).getKennlinieDp(), as<hydArmaturDDR>(c).getKennlinieDp(), "dp");
         expectSameCurve(as<hydArmaturDDR>(o).getKennlinieKvzuPAbw(), as<hydArmaturDDR>(c).getKennlinieKvzuPAbw(),
                         "kv");
         expectSameCurve(as<hydArmaturDDR>(o).getKennlinieMaxVolStrom(),
                         as<hydArmaturDDR>(c).getKennlinieMaxVolStrom(), "vmax");
       }},
      {"DFR",
       [] {
         auto v = std::make_unique<hydArmaturDFR>();
         v->addKurve(sampleCurve(300));
         v->setWirkdruck(150.5f);
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         expectSameCurve(o.getKurve(), c.getKurve(), "flow");
         EXPECT_EQ(as<hydArmaturDFR>(c).getWirkdruck(), 150.5f);
       }},
      {"DDRDFR",
       [] {
         auto v = std::make_unique<hydArmaturDDRDFR>();
         v->addKennlinieDp(sampleCurve(100));
         v->getDFRAnteil().addKurve(sampleCurve(300));
         v->getDFRAnteil().setDimension(15);
         v->setWirkdruck(90.0f);
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         const auto& copy = as<hydArmaturDDRDFR>(c);
         expectSameCurve(as<hydArmaturDDRDFR>(o).getKennlinieDp(), copy.getKennlinieDp(), "dp");
         expectSameCurve(as<hydArmaturDDRDFR>(o).getDFRAnteil().getKurve(), copy.getDFRAnteil().getKurve(), "flow");
         EXPECT_EQ(copy.getWirkdruck(), 90.0f);
         EXPECT_EQ(copy.getDFRAnteil().getDimension(), 15);
       }},
      {"THKV",
       [] {
         auto v = std::make_unique<hydArmaturTHKV>();
         v->addKvKurve(sampleCurve(1));
         v->setXp(2.0);
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         expectSameCurve(o.getKurve(), c.getKurve(), "kv");
         EXPECT_EQ(as<hydArmaturTHKV>(c).getXp(), 2.0);
       }},
      {"THKVDFR",
       [] {
         auto v = std::make_unique<hydArmaturTHKVDFR>();
         v->addKurve(sampleCurve14());
         v->setXp(1.5);
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         expectSameCurve14(as<hydArmaturTHKVDFR>(o).getKurve14(), as<hydArmaturTHKVDFR>(c).getKurve14());
         EXPECT_EQ(as<hydArmaturTHKVDFR>(c).getXp(), 1.5);
       }},
      {"Dross",
       [] {
         auto v = std::make_unique<hydArmaturDross>();
         v->addKurve(sampleCurve(1));
         v->setEinheitEinst("Umdrehungen");
         v->setKvDesinfektion(0.75f);
         v->setDpmin(50.0f);
         v->setDpmax(600.0f);
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         const auto& copy = as<hydArmaturDross>(c);
         expectSameCurve(o.getKurve(), copy.getKurve(), "kv");
         EXPECT_EQ(copy.getEinheitEinst(), "Umdrehungen");
         EXPECT_EQ(copy.getKvDesinfektion(), 0.75f);
         EXPECT_EQ(copy.getDpmin(), 50.0f);
         EXPECT_EQ(copy.getDpmax(), 600.0f);
       }},
      {"ThermoDross",
       [] {
         auto v = std::make_unique<hydArmaturThermoDross>();
         v->addKurve(sampleCurve(1));
         v->setKvDesinfektion(0.5f);
         for (double t : {60.0, 55.0}) {
           CEinstellungKurve setting;
           static_cast<CKurve&>(setting) = sampleCurve(static_cast<float>(t / 10));
           setting.setEinstellung(t / 10);
           setting.setTemperatur(t);
           setting.setKvDesinfektion(0.25);
           setting.setWert4(3.0);
           setting.setText("T" + std::to_string(static_cast<int>(t)));
           v->addKurve(setting);
         }
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         const auto& original = as<hydArmaturThermoDross>(o);
         const auto& copy = as<hydArmaturThermoDross>(c);
         expectSameCurve(original.getKurve(), copy.getKurve(), "kv");
         EXPECT_EQ(copy.getKvDesinfektion(), 0.5f);
         ASSERT_EQ(copy.getCount(), 2);
         for (int i = 0; i < 2; ++i) {
           const CEinstellungKurve& a = original.getKurveAt(i);
           const CEinstellungKurve& b = copy.getKurveAt(i);
           expectSameCurve(a, b, "setting " + std::to_string(i));
           EXPECT_EQ(b.getEinstellung(), a.getEinstellung());
           EXPECT_EQ(b.getTemperatur(), a.getTemperatur());
           EXPECT_EQ(b.getKvDesinfektion(), 0.25);
           EXPECT_EQ(b.getWert4(), 3.0);
           EXPECT_EQ(b.getText(), a.getText());
           EXPECT_EQ(b.getParent(), &copy);
         }
       }},
      {"EAV",
       [] {
         auto v = std::make_unique<hydArmaturEAV>();
         v->addKurve14(sampleCurve14());
         v->setXp(0.0);
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         expectSameCurve14(as<hydArmaturEAV>(o).getKurve14(), as<hydArmaturEAV>(c).getKurve14());
         EXPECT_TRUE(as<hydArmaturEAV>(c).hasTHKV());
       }},
      {"EA",
       [] {
         auto v = std::make_unique<hydArmaturEA>();
         v->setArmType(1705);
         v->addKurve(sampleCurve(1000));
         v->setEinheitEinst("l/s");
         for (int i = 0; i < hydArmaturEA::kFloatCount; ++i) v->setWert(i, 0.5f + static_cast<float>(i));
         for (int i = 0; i < hydArmaturEA::kByteCount; ++i) v->setByte(i, static_cast<unsigned char>(10 + i));
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         const auto& copy = as<hydArmaturEA>(c);
         expectSameCurve(o.getKurve(), copy.getKurve(), "flow");
         EXPECT_EQ(copy.getEinheitEinst(), "l/s");
         for (int i = 0; i < hydArmaturEA::kFloatCount; ++i) EXPECT_EQ(copy.getWert(i), 0.5f + static_cast<float>(i));
         for (int i = 0; i < hydArmaturEA::kByteCount; ++i) EXPECT_EQ(copy.getByte(i), 10 + i);
       }},
      {"Sicherung",
       [] {
         auto v = std::make_unique<hydArmaturSicherung>();
         v->addKurve(sampleCurve(3000));
         v->setEinheitEinst("mbar");
         for (int i = 0; i < hydArmaturSicherung::kFloatCount; ++i) v->setWert(i, 1.5f * static_cast<float>(i));
         v->setByteWert(3);
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         const auto& copy = as<hydArmaturSicherung>(c);
         expectSameCurve(o.getKurve(), copy.getKurve(), "curve");
         EXPECT_EQ(copy.getEinheitEinst(), "mbar");
         for (int i = 0; i < hydArmaturSicherung::kFloatCount; ++i) {
           EXPECT_EQ(copy.getWert(i), 1.5f * static_cast<float>(i));
         }
         EXPECT_EQ(copy.getByteWert(), 3);
       }},
      {"Druckminderer",
       [] {
         auto v = std::make_unique<hydArmaturDruckminderer>();
         v->addKurve(sampleCurve(4));
         v->setEinheitEinst("bar");
         return v;
       },
       [](const hydArmatur& o, const hydArmatur& c) {
         expectSameCurve(o.getKurve(), c.getKurve(), "outlet");
         EXPECT_EQ(as<hydArmaturDruckminderer>(c).getEinheitEinst(), "bar");
       }},
      {"Zaehler",
       [] {
         auto v = std::make_unique<hydArmaturZaehler>();
         for (int i = 0; i < hydArmaturZaehler::kWertCount; ++i) v->setWert(i, 0.25 * (i + 1));
         for (int i = 0; i < hydArmaturZaehler::kTextCount; ++i) v->setText(i, "Text " + std::to_string(i));
         v->setEinsatzbereich(hydArmaturZaehler::Warmwasser);
         v->setEinbaulage(999);
         v->setGerätetyp(2);
         v->setGehäuseart(2);
         return v;
       },
       [](const hydArmatur&, const hydArmatur& c) {
         const auto& copy = as<hydArmaturZaehler>(c);
         for (int i = 0; i < hydArmaturZaehler::kWertCount; ++i) EXPECT_EQ(copy.getWert(i), 0.25 * (i + 1));
         for (int i = 0; i < hydArmaturZaehler::kTextCount; ++i) EXPECT_EQ(copy.getText(i), "Text " + std::to_string(i));
         EXPECT_EQ(copy.getEinsatzbereich(), 2);
         EXPECT_EQ(copy.getEinbaulage(), 999);
         EXPECT_EQ(copy.getGerätetyp(), 2);
         EXPECT_EQ(copy.getGehäuseart(), 2);
       }},
  };
}

TEST(VariantPersistence, EveryClassReadsBackItsTypedPart) {
  for (const ClassCase& c : classCases()) {
    SCOPED_TRACE(c.nodeName);
    const std::unique_ptr<hydArmatur> original = c.make();
    original->setDimension(25);
    original->setArtikelNr("A-25");
    std::unique_ptr<CNode> written;
    const std::unique_ptr<hydArmatur> copy = roundTrip(*original, &written);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(written->GetFirstChild()->GetName(), c.nodeName);
    EXPECT_EQ(copy->GetRuntimeClass(), original->GetRuntimeClass());
    EXPECT_EQ(copy->getDimension(), 25);
    EXPECT_EQ(copy->getArtikelNr(), "A-25");
    c.check(*original, *copy);
  }
}

TEST(VariantPersistence, TypedPartFailsWithoutItsYLeafButNotWithoutCurves) {
  for (const ClassCase& c : classCases()) {
    SCOPED_TRACE(c.nodeName);
    CNode node;
    ASSERT_TRUE(c.make()->write(&node));
    // The combined regulator keeps both parts in children; its "Y" leaves are theirs.
    CNode* holder = std::string(c.nodeName) == "DDRDFR" ? node.FindChild("DDR") : &node;
    // Curve children are optional (the combined regulator's children are its parts).
    const std::unique_ptr<CNode> withoutCurves = node.Clone();
    if (holder == &node) {
      while (CNode* child = withoutCurves->GetFirstChild()) withoutCurves->RemoveItem(child);
    }
    EXPECT_TRUE(c.make()->read(withoutCurves.get()));

    holder->RemoveItem(holder->FindLeaf("Y"));
    EXPECT_FALSE(c.make()->read(&node));
  }
}

TEST(VariantPersistence, LayoutDetails) {
  // Draw-off fittings persist the flow curve only with backflow preventer (1705).
  hydArmaturEA drawOff;
  drawOff.addKurve(sampleCurve(1000));
  drawOff.setArmType(1704);
  CNode plain;
  drawOff.write(&plain);
  EXPECT_EQ(plain.FindChild("EK"), nullptr);
  EXPECT_TRUE(roundTrip(drawOff)->getKurve().bIsEmpty());
  drawOff.setArmType(1705);
  CNode withCurve;
  drawOff.write(&withCurve);
  EXPECT_NE(withCurve.FindChild("EK"), nullptr);

  // Empty regulator curves still write their children: x, text and y leaves holding the unit only.
  hydArmaturDDR ddr;
  CNode regulator;
  ddr.write(&regulator);
  ASSERT_NE(regulator.FindLeaf("Y"), nullptr);
  EXPECT_EQ(regulator.FindLeaf("Y")->GetValueCount(), 0);
  for (const char* name : {"CKDP", "CKKV", "CKVS"}) {
    const CNode* child = regulator.FindChild(name);
    ASSERT_NE(child, nullptr) << name;
    EXPECT_EQ(child->GetLeafCount(), 3) << name;
    EXPECT_EQ(child->FindLeaf("X2"), nullptr) << name;
    EXPECT_EQ(child->GetFirstLeaf()->GetValueCount(), 1) << name;
  }

  // The combined regulator has no leaves of its own, only its two parts.
  CNode combined;
  hydArmaturDDRDFR().write(&combined);
  EXPECT_EQ(combined.GetName(), "DDRDFR");
  EXPECT_EQ(combined.GetLeafCount(), 0);
  ASSERT_EQ(combined.GetChildCount(), 2);
  EXPECT_NE(combined.FindChild("DDR"), nullptr);
  EXPECT_NE(combined.FindChild("DFR"), nullptr);

  // A throttle keeps a name given before.
  CNode named("Vorgabe");
  hydArmaturDross().write(&named);
  EXPECT_EQ(named.GetName(), "Vorgabe");

  // A thermostatic valve with no Xp stored writes no setting leaf.
  hydArmaturTHKV thkv;
  thkv.setXp(CEinstellungKurve::kNoSetting);
  CNode valve;
  thkv.write(&valve);
  ASSERT_NE(valve.FindChild("CK"), nullptr);
  EXPECT_EQ(valve.FindChild("CK")->FindLeaf("XP"), nullptr);

  EXPECT_FALSE(hydArmaturZaehler().write(nullptr));
  EXPECT_FALSE(hydArmaturThermoDross().read(nullptr));
}

}  // namespace
