// The check report never asks for the XP of thermostatic valves, and the save dialog of the
// report file. (The reports themselves are compared with reviewed ones in CheckReportSamples_test.)

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "ConversionFixtures.h"
#include "DocumentFixtures.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/vdi3805/CheckReport.h"
#include "armakon/vdi3805/CheckReportFile.h"

namespace armakon {
namespace {

class CheckReportTest : public convtest::ConversionTest {
 protected:
  void TearDown() override {
    CMiniReportUtil::instance().setIncludeRecordContext(false);
    ConversionTest::TearDown();
  }
};

TEST_F(CheckReportTest, ThermostaticValvesAreCheckedWithoutAskingForTheirXp) {
  ScriptedPlatform script;
  ScopedPlatform installed(script);
  // Its thermostatic valve bodies cover only part of the XP range a conversion may ask for.
  CVDIDoc document;
  ASSERT_TRUE(document.Load(convtest::samplePath("vdi/conversion/HZ_THERMOSTAT.VDI"), false, 0));
  StringList lines;
  EXPECT_GT(BuildCheckReport(lines, document).valid, 0);
  for (const PlatformCall& call : script.calls()) {
    if (call.kind == PlatformCallKind::AskYesNoCancel) ADD_FAILURE() << "unexpected question: " << call.text;
  }
}

TEST(CheckReportFile, ChooseReportFileAsksBeforeOverwritingAndRefusesUnwritablePaths) {
  doctest::TempFolder temp;
  const std::string existing = temp.write("alt.txt", "alt");
  const std::string fresh = temp.path("neu.txt");
  const std::string noFolder = temp.path("fehlt/neu.txt");

  struct Step {
    std::optional<std::string> file;
    std::optional<Answer> answer;  // the overwrite question, when asked
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::optional<std::string> result;
    std::vector<PlatformCallKind> calls;
  };
  using K = PlatformCallKind;
  const std::vector<Case> cases = {
      {"cancel", {{std::nullopt, std::nullopt}}, std::nullopt, {K::ChooseFileToSave}},
      {"new file", {{fresh, std::nullopt}}, fresh, {K::ChooseFileToSave}},
      {"overwrite", {{existing, Answer::Yes}}, existing, {K::ChooseFileToSave, K::AskYesNo}},
      {"keep, then new",
       {{existing, Answer::No}, {fresh, std::nullopt}},
       fresh,
       {K::ChooseFileToSave, K::AskYesNo, K::ChooseFileToSave}},
      {"unwritable, then cancel",
       {{noFolder, std::nullopt}, {std::nullopt, std::nullopt}},
       std::nullopt,
       {K::ChooseFileToSave, K::ShowMessage, K::ChooseFileToSave}},
  };
  for (const Case& c : cases) {
    ScriptedPlatform script;
    ScopedPlatform installed(script);
    for (const Step& step : c.steps) {
      script.queueFileToSave(step.file);
      if (step.answer) script.queueAnswer(*step.answer);
    }
    EXPECT_EQ(ChooseReportFile("Blatt 2 - Prüfwerk GmbH, Nord"), c.result) << c.name;
    const auto calls = script.calls();
    std::vector<PlatformCallKind> kinds;
    for (const PlatformCall& call : calls) kinds.push_back(call.kind);
    EXPECT_EQ(kinds, c.calls) << c.name;
    EXPECT_EQ(script.unscriptedCalls(), 0u) << c.name;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].request.initialName, "Blatt 2 - Prüfwerk GmbH - Nord.txt");
    EXPECT_EQ(calls[0].request.filter, "Text Dateien (*.txt)|*.txt|Alle Dateien|*.*|");
    EXPECT_EQ(calls[0].request.defaultExtension, "txt");
    for (const PlatformCall& call : calls) {
      if (call.kind == K::AskYesNo) {
        EXPECT_EQ(call.text, "Datei existiert schon. Überschreiben?");
      } else if (call.kind == K::ShowMessage) {
        EXPECT_EQ(call.text, "Datei lässt sich nicht beschreiben.");
      }
    }
  }
  EXPECT_FALSE(IsWritableReportPath(temp.path()));  // a folder is no file
}

}  // namespace
}  // namespace armakon
