// Thermostatic valve bodies (201) from the sample file HZ_THERMOSTAT.VDI (one model per case,
// numbered in file order): the XP question and settings with single, doubled or faulty XP. The
// converted one-pipe valves (203) are compared in ValveConversion_test.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "ConversionFixtures.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/vdi3805/ThermostaticConverter.h"

namespace armakon::convtest {
namespace {

using hydVDIArmaturen::hydArmaturTHKV;

constexpr const char* kThermostat = "vdi/conversion/HZ_THERMOSTAT.VDI";

std::unique_ptr<CVDIDoc> open(const char* relative) {
  auto document = std::make_unique<CVDIDoc>();
  EXPECT_TRUE(document->Load(samplePath(relative), false, 0));
  return document;
}

// Builds the one product of a model for the wanted XP; the number of variants created.
int buildFor(const CVDIDoc& document, int modelIndex, double wantedXp, hydArmaturenModell& model) {
  const auto products = productsOf(&document, modelIndex);
  EXPECT_EQ(products.size(), 1u);
  return BuildModel(model, products, std::vector<double>(products.size(), wantedXp),
                    std::vector<const hydArmatur*>(products.size(), nullptr));
}

// The codes of the entries, in order (their texts are in the reviewed check reports).
std::vector<int> codes() {
  std::vector<int> out;
  for (const Entry& entry : entries()) out.push_back(entry.code);
  return out;
}

std::vector<float> kvOf(const hydArmaturTHKV& valve) {
  std::vector<float> out;
  for (const auto& node : valve.getKvKurve().nodes()) out.push_back(node.y);
  return out;
}

MATCHER_P(Near, expected, "") {
  if (arg.size() != expected.size()) return false;
  for (std::size_t i = 0; i < arg.size(); ++i) {
    if (std::abs(arg[i] - expected[i]) > 1e-4f) return false;
  }
  return true;
}

struct XpCase {
  double wanted;
  std::optional<Answer> answer;  // nothing: no question expected
  bool created;
  double xp;
  std::vector<float> kv;  // settings N, 4, 3, 2, 1
};

TEST_F(ConversionTest, ThermostaticValveIsBuiltForTheChosenXp) {
  const auto document = open(kThermostat);
  const std::string question =
      "Dieses Ventil/Ventilausführung unterstützt laut VDI3805-Daten nur eine XP-Einstellung zwischen 1.0 und 2.0\n"
      "'Ja' übernimmt 1.0, 'Nein' übernimmt 2.0, 'Abbrechen' überspringt diese Ausführung.";
  const std::vector<XpCase> cases = {
      {3.0, Answer::Cancel, false, 0.0, {}},
      {3.0, Answer::Yes, true, 1.0, {0.3f, 0.24f, 0.18f, 0.12f, 0.06f}},
      {3.0, Answer::No, true, 2.0, {0.6f, 0.48f, 0.36f, 0.24f, 0.12f}},
      {0.5, Answer::No, true, 2.0, {0.6f, 0.48f, 0.36f, 0.24f, 0.12f}},
      {1.5, std::nullopt, true, 1.5, {0.45f, 0.36f, 0.27f, 0.18f, 0.09f}},
      {2.0, std::nullopt, true, 2.0, {0.6f, 0.48f, 0.36f, 0.24f, 0.12f}},
  };
  for (const XpCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "wanted " << c.wanted);
    ScriptedPlatform script;
    ScopedPlatform installed(script);
    if (c.answer) script.queueAnswer(*c.answer);
    hydArmaturenModell model;
    EXPECT_EQ(buildFor(*document, 7, c.wanted, model), c.created ? 1 : 0);
    const auto calls = script.calls();
    ASSERT_EQ(calls.size(), c.answer ? 1u : 0u);
    if (c.answer) {
      EXPECT_EQ(calls[0].text, question);
    }
    if (!c.created) continue;
    const auto* valve = dynamic_cast<const hydArmaturTHKV*>(model.getArmaturAt(0));
    ASSERT_NE(valve, nullptr);
    EXPECT_DOUBLE_EQ(valve->getXp(), c.xp);
    EXPECT_THAT(kvOf(*valve), Near(c.kv));
    EXPECT_EQ(valve->getKvKurve().getFirstNode().text, "N");
    EXPECT_EQ(valve->getEinheitEinst(), "Stufe");
    CMiniReportUtil::instance().clear();
  }
}

TEST_F(ConversionTest, AHostWithoutAnswerSkipsTheThermostaticValve) {
  const auto document = open(kThermostat);
  ScopedPlatform installed(headlessPlatform());
  hydArmaturenModell model;
  EXPECT_EQ(buildFor(*document, 7, 3.0, model), 0);
  EXPECT_EQ(model.getSize(), 0);
}

TEST_F(ConversionTest, ThermostaticSettingsWithSingleDoubledOrFaultyXp) {
  const auto document = open(kThermostat);
  struct Case {
    int model;
    bool created;
    std::vector<int> codes;
    std::vector<float> kv;
  };
  const std::vector<Case> cases = {
      // Setting 2 keeps its first XP 1 record (0.12, not 0.13); setting 1 has XP 2 K only.
      {8,
       true,
       {1100, 1050},
       {0.45f, 0.36f, 0.27f, 0.18f, 0.12f}},
      // 4 of 5 settings are enough ...
      {10,
       true,
       {1050},
       {0.45f, 0.36f, 0.27f, 0.09f}},
      // ... 3 of 5 are not.
      {9,
       false,
       {1050, 1050, 30},
       {}},
      // Without XP every record is a setting of its own.
      {11,
       true,
       {1020},
       {0.6f, 0.48f, 0.36f, 0.24f, 0.12f}},
      {12, true, {1045, 1045}, {0.425f}},
      {13, false, {10}, {}},
      {14, false, {10}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "model " << c.model);
    CMiniReportUtil::instance().clear();
    hydArmaturenModell model;
    EXPECT_EQ(buildFor(*document, c.model, 1.5, model), c.created ? 1 : 0);
    EXPECT_EQ(codes(), c.codes);
    if (!c.created) continue;
    const auto* valve = dynamic_cast<const hydArmaturTHKV*>(model.getArmaturAt(0));
    ASSERT_NE(valve, nullptr);
    EXPECT_THAT(kvOf(*valve), Near(c.kv));
  }
}

TEST(ThermostaticXpRange, SpansTheUsableXpOfTheRecords) {
  const auto document = makeDocument({"010;2;201103;Testwerk;;;", "100;2;;Zweirohr", "110;1;;TV;",
                                      "700;1;;1;15;0.6;120;10;0.6;;;;1;Stufe", "710.01;1;2.5;;1;1;;;0.3",
                                      "710.01;2;0;;1;1;;;0.1", "710.01;3;;;2;2;;;0.2", "710.01;4;0.5;;2;2;;;0.1",
                                      "700;2;;1;15;0.6;120;10;0.6;;;;1;Stufe", "710.01;5;;;1;1;;;0.3"});
  std::vector<const CVDIBase*> technical;
  CollectRecords(document.get(), 70000, technical);
  ASSERT_EQ(technical.size(), 2u);
  EXPECT_EQ(ThermostaticXpRange(technical[0]), std::make_pair(0.5, 2.5));
  EXPECT_EQ(ThermostaticXpRange(technical[1]), std::nullopt);
}

}  // namespace
}  // namespace armakon::convtest
