// The setting search of one variant: which node a kv selects, the kv range, and setting texts
// under a German locale.

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

}  // namespace
}  // namespace armakon
