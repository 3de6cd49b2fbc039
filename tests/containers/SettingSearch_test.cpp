// The setting search of one variant and the setting operations on a record: which node a kv
// selects, the kv and the text of a chosen node.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "armakon/components/Translation.h"
#include "armakon/containers/SettingSearch.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "tests/containers/SizingFixtures.h"

namespace armakon {
namespace {

using namespace sizingtest;
using hydVDIArmaturen::CKurve14;
using hydVDIArmaturen::curveNode14;
using hydVDIArmaturen::hydArmaturEAV;
using hydVDIArmaturen::hydArmaturTHKVDFR;

hydArmaturDross balancingValve(const std::vector<float>& kvs, const std::string& unit = "") {
  hydArmaturDross valve;
  valve.addKurve(kvCurve(kvs, unit));
  return valve;
}

TEST(FindEinstellungTest, WalksFromOpenOrFromClosed) {
  // Node 0 is the most open setting.
  const hydArmaturDross valve = balancingValve({2.0f, 1.6f, 1.2f, 0.8f, 0.4f, 0.2f});
  struct Case {
    double kv;
    int fromOpen;
    int fromClosed;
  };
  const Case cases[] = {
      // Between nodes: from open the node just below (more pressure drop), from closed the
      // node just above.
      {1.0, 3, 2},
      {0.3, 5, 4},
      // On a node both walks stop there, also within the 3-decimal rounding.
      {1.2, 2, 2},
      {1.2004, 2, 2},
      {0.8, 3, 3},
      // At or beyond the ends: fully open / fully closed whatever the direction.
      {2.0, 0, 0},
      {2.5, 0, 0},
      {0.2, 5, 5},
      {0.05, 5, 5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(findEinstellung(&valve, c.kv, true), c.fromOpen) << "kv " << c.kv;
    EXPECT_EQ(RnArmaturContainer::findEinstellung(&valve, c.kv, false), c.fromClosed) << "kv " << c.kv;
  }
}

TEST(FindEinstellungTest, RangeDecidesBeforeTheCurve) {
  EXPECT_EQ(findEinstellung(nullptr, 1.0, true), -1);
  // A plain variant states no range (-1): every kv counts as above kvmax, node 0.
  const hydArmatur plain;
  EXPECT_EQ(findEinstellung(&plain, 0.5, true), 0);
  // A one-pipe fitting takes its range from the four-value curve and has no setting curve:
  // inside the range no node qualifies, beyond it the ends answer without a curve.
  CKurve14 curve14;
  curve14.addCurveNode(curveNode14(2.0f, "", 0.1f, 0.4f, 0.0f, 0.0f));
  curve14.addCurveNode(curveNode14(1.0f, "", 0.1f, 0.3f, 0.0f, 0.0f));
  hydArmaturEAV eav;
  eav.addKurve14(curve14);
  EXPECT_EQ(findEinstellung(&eav, 0.35, true), -1);
  EXPECT_EQ(findEinstellung(&eav, 0.35, false), -1);
  EXPECT_EQ(findEinstellung(&eav, 0.5, true), 0);
  EXPECT_EQ(findEinstellung(&eav, 0.3, true), -1);  // "last index" of an empty curve
}

TEST(IsInKvRangeTest, RoundedLimitsAndMissingRange) {
  const hydArmaturDross valve = balancingValve({2.0f, 1.0f, 0.5f});
  EXPECT_TRUE(isInKvRange(&valve, 0.5));
  EXPECT_TRUE(isInKvRange(&valve, 2.0004));   // rounds to the limit
  EXPECT_FALSE(isInKvRange(&valve, 2.0006));  // rounds beyond it
  EXPECT_FALSE(isInKvRange(&valve, 0.4));
  EXPECT_TRUE(isInKvRange(&valve, 0.0));      // no wanted kv
  EXPECT_TRUE(isInKvRange(nullptr, 5.0));
  const hydArmatur plain;                      // no range stated
  EXPECT_TRUE(RnArmaturContainer::isInKvRange(&plain, 5.0));
}

TEST(SettingTextTest, UnitAndLabelRules) {
  struct Case {
    float x;
    std::string label;
    std::string unit;
    std::string expected;
  };
  const Case cases[] = {
      {3.5f, "", "", "3.5"},
      {3.5f, "", "Umdrehungen", "3.5 Umdr."},
      {4.0f, "", "Einstellung", "4"},
      {4.0f, "", "Einstellwert", "4"},
      {2.25f, "", "mm", "2.25 mm"},
      {0.0f, "zu", "Stufe", "0 Stufe"},          // a numeric setting ignores the label
      {-9999.0f, "Werkseinstellung", "Stufe", "Werkseinst."},
      {-9999.0f, "offen", "Stufe", "offen"},
      {-12000.0f, "", "", "?"},
      {-9998.5f, "offen", "", "-9998.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(settingNodeText(c.x, c.label, c.unit), c.expected) << c.expected;
}

TEST(SettingTextTest, ProportionalBandOfThermostaticVariants) {
  hydArmaturTHKV thkv;
  thkv.addKvKurve(kvCurve({0.9f, 0.6f, 0.3f}, "Umdrehungen"));  // settings 3, 2, 1
  thkv.setXp(2.0);
  EXPECT_EQ(variantSettingText(thkv, 1, true), "2 Umdr. (XP=2K)");
  EXPECT_EQ(variantSettingText(thkv, 1, false), "2 Umdr.");
  thkv.setXp(1.456);
  EXPECT_EQ(variantSettingText(thkv, 0, true), "3 Umdr. (XP=1.46K)");
  thkv.setXp(-0.004);  // rounds to 0: a known band
  EXPECT_EQ(variantSettingText(thkv, 0, true), "3 Umdr. (XP=0K)");
  thkv.setXp(-1.0);
  EXPECT_EQ(variantSettingText(thkv, 0, true), "3 Umdr. (XP=?)");
  EXPECT_EQ(variantSettingText(thkv, 3, true), "");
  EXPECT_EQ(variantSettingText(thkv, -1, true), "");

  // Thermostatic valve with flow limitation and one-pipe fitting: the four-value curve.
  CKurve14 curve14;
  curve14.setEinheitx("Einstellwert");
  curve14.addCurveNode(curveNode14(5.0f, "", 0.3f, 0.4f, 50.0f, 300.0f));
  curve14.addCurveNode(curveNode14(-9999.0f, "Werkseinstellung", 0.2f, 0.3f, 60.0f, 200.0f));
  hydArmaturTHKVDFR thkvdfr;
  thkvdfr.addKurve(curve14);
  thkvdfr.setXp(-1.0);
  EXPECT_EQ(variantSettingText(thkvdfr, 0, true), "5 (XP=?)");
  thkvdfr.setXp(1.0);
  EXPECT_EQ(variantSettingText(thkvdfr, 1, true), "Werkseinst. (XP=1K)");
  hydArmaturEAV eav;
  eav.addKurve14(curve14);
  EXPECT_EQ(variantSettingText(eav, 0, true), "5");  // no insert: no band at all
  eav.setXp(2.5);
  EXPECT_EQ(variantSettingText(eav, 0, true), "5 (XP=2.5K)");
  EXPECT_EQ(variantSettingText(eav, 2, true), "");

  // Other classes never get a band.
  const hydArmaturDross valve = balancingValve({1.0f, 0.5f}, "Umdrehungen");
  EXPECT_EQ(variantSettingText(valve, 1, true), "1 Umdr.");
}

// Installs translations for one test and removes them again.
class TranslationScope {
 public:
  explicit TranslationScope(const std::string& catalog)
      : module_(CTranslationManager::GetInstance().AddModule("containers-setting-test")) {
    module_->LoadCatalogText(catalog);
  }
  ~TranslationScope() { module_->Clear(); }

 private:
  CTranslationModule* module_;
};

TEST(SettingTextTest, TranslatedUnitsAndLabels) {
  const TranslationScope scope(
      "\tUmdrehungen\tturns\n"
      "Umdrehungen\tUmdr.\ttr.\n"
      "\tEinstellwert\tposition\n"
      "Werkseinstellung\tWerkseinst.\tfactory\n"
      "Proportionalbeiwert\tXP\tP-band\n"
      "Einheit\tK\tkelvin\n");
  EXPECT_EQ(settingNodeText(2.5f, "", "turns"), "2.5 tr.");
  EXPECT_EQ(settingNodeText(2.5f, "", "Umdrehungen"), "2.5 tr.");
  EXPECT_EQ(settingNodeText(2.5f, "", "position"), "2.5");
  EXPECT_EQ(settingNodeText(-9999.0f, "Werkseinstellung", ""), "factory");
  hydArmaturTHKV thkv;
  thkv.addKvKurve(kvCurve({0.9f, 0.6f}, "turns"));
  thkv.setXp(2.0);
  EXPECT_EQ(variantSettingText(thkv, 0, true), "2 tr. (P-band=2kelvin)");
}

TEST(SettingTextTest, DecimalPointUnderGermanLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  hydArmaturTHKV thkv;
  thkv.addKvKurve(kvCurve({0.9f, 0.6f}, "Einstellung"));
  thkv.setXp(1.5);
  const std::string text = variantSettingText(thkv, 0, true) + settingNodeText(0.5f, "", "");
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(text, "2 (XP=1.5K)0.5");
}

// The operations on a record go through the container's resolution of the record.
class RecordSettingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    balancingId = add(container, makeEntry(HZ_STRANGREGULIERVENTIL_DROSSEL, 204, "STRV",
                                            {{15, {1.0f, 0.7f, 0.4f}}, {20, {2.0f, 1.6f, 1.2f, 0.8f}}}));
    thermostatId = add(container, makeEntry(HZ_THERMOSTATVENTIL, 201, "THKV", {{10, {0.9f, 0.6f, 0.3f}}}, "", 1.0));
    emptyCurveId = add(container, makeEntry(HZ_STRANGREGULIERVENTIL_DROSSEL, 204, "leer", {{20, {}}}));
  }
  TestContainer container;
  int balancingId = 0;
  int thermostatId = 0;
  int emptyCurveId = 0;
};

TEST_F(RecordSettingTest, KvOfTheChosenNode) {
  double kv = -1.0;
  EXPECT_TRUE(container.getKvIst(record(balancingId, 20, 2), kv));
  EXPECT_DOUBLE_EQ(kv, 1.2f);
  // The record's dimension picks the variant: DN 15 has its own curve.
  EXPECT_TRUE(container.getKvIst(record(balancingId, 15, 2), kv));
  EXPECT_DOUBLE_EQ(kv, 0.4f);
  const ARMATUR misses[] = {record(balancingId, 20, 4), record(balancingId, 20, -1), record(99, 20, 0),
                            record(0, 20, 0), record(emptyCurveId, 20, 0)};
  for (const ARMATUR& r : misses) {
    kv = -1.0;
    EXPECT_FALSE(container.getKvIst(r, kv));
    EXPECT_EQ(kv, 0.0);
  }
}

TEST_F(RecordSettingTest, SettingForAKvOnTheRecordsVariant) {
  struct Case {
    double kv;
    bool fromOpen;
    int expected;
  };
  const Case cases[] = {{1.0, true, 3}, {1.0, false, 2}, {1.4, true, 2}, {1.4, false, 1},
                        {2.4, true, 0}, {0.8, false, 3}, {0.5, true, 3}};
  for (const Case& c : cases) {
    ARMATUR r = record(balancingId, 20, 7);
    r.einstellung2 = 4;
    EXPECT_TRUE(container.findArmaturenEinstellung(c.kv, HZ_STRANGREGULIERVENTIL_DROSSEL, c.fromOpen, r));
    EXPECT_EQ(r.einstellung, c.expected) << "kv " << c.kv;
    EXPECT_EQ(r.modellId, balancingId);
    EXPECT_EQ(r.dimension, 20);
    EXPECT_EQ(r.einstellung2, 4);
  }
  ARMATUR unknown = record(99, 20, 1);
  EXPECT_FALSE(container.findArmaturenEinstellung(1.0, HZ_STRANGREGULIERVENTIL_DROSSEL, true, unknown));
  EXPECT_EQ(unknown.einstellung, -1);
  ARMATUR noCurve = record(emptyCurveId, 20, 1);
  EXPECT_FALSE(container.findArmaturenEinstellung(1.0, HZ_STRANGREGULIERVENTIL_DROSSEL, true, noCurve));
  EXPECT_EQ(noCurve.einstellung, -1);
}

TEST_F(RecordSettingTest, SettingTextOfTheRecord) {
  EXPECT_EQ(container.getEinstellung(record(thermostatId, 10, 1), true), "2 Umdr. (XP=1K)");
  EXPECT_EQ(container.getEinstellung(record(thermostatId, 10, 1), false), "2 Umdr.");
  EXPECT_EQ(container.getEinstellung(record(balancingId, 20, 0), true), "4 Umdr.");
  EXPECT_EQ(container.getEinstellung(record(balancingId, 20, -1), true), "");
  EXPECT_EQ(container.getEinstellung(record(balancingId, 20, 4), true), "");
  EXPECT_EQ(container.getEinstellung(record(0, 20, 0), true), "");
}

}  // namespace
}  // namespace armakon
