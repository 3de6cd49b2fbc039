#include "armakon/platform/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace armakon {
namespace {

using std::chrono::milliseconds;

TEST(ScriptedPlatformTest, ReplaysTheScriptInOrderAndRecordsEveryCall) {
  ScriptedPlatform scripted;
  scripted.queueAnswer(Answer::Cancel);  // for a yes/no question: No
  scripted.queueAnswer(Answer::Yes);
  scripted.queueAnswer(Answer::No);
  scripted.queueFilesToOpen({"/data/A.VDI", "/data/B.TGA"});
  scripted.queueFileToSave(std::nullopt);
  scripted.queueFileToSave("/out/Blatt 2 - Hersteller.txt");
  scripted.setOpenWithSystemResult(true);

  FileDialogRequest open;
  open.title = "Bitte eine VDI 3805 Datei öffnen";
  open.filter = "VDI 3805 Dateien ab 11.2001 (*.VDI)|*.VDI|Alle Dateien (*.*)|*.*||";
  open.defaultExtension = "VDI";
  FileDialogRequest save;
  save.filter = "Text Dateien (*.txt)|*.txt|Alle Dateien|*.*|";
  save.defaultExtension = "txt";

  EXPECT_EQ(scripted.askYesNo("Überschreiben?", ""), Answer::No);
  EXPECT_EQ(scripted.askYesNoCancel("XP?", "Armakon"), Answer::Yes);
  EXPECT_EQ(scripted.askYesNo("Reports ansehen?", ""), Answer::No);
  EXPECT_EQ(scripted.chooseFilesToOpen(open),
            (std::vector<std::string>{"/data/A.VDI", "/data/B.TGA"}));
  EXPECT_FALSE(scripted.chooseFileToSave(save).has_value());
  EXPECT_EQ(scripted.chooseFileToSave(save), "/out/Blatt 2 - Hersteller.txt");
  scripted.showWarning("Achtung!", "Richtlinie");
  EXPECT_TRUE(scripted.openWithSystem("/out/Blatt 2 - Hersteller.txt"));
  EXPECT_TRUE(scripted.scriptUsedUp());
  EXPECT_EQ(scripted.unscriptedCalls(), 0u);

  const std::vector<PlatformCall> calls = scripted.calls();
  ASSERT_EQ(calls.size(), 8u);
  const PlatformCallKind kinds[] = {
      PlatformCallKind::AskYesNo,         PlatformCallKind::AskYesNoCancel,
      PlatformCallKind::AskYesNo,         PlatformCallKind::ChooseFilesToOpen,
      PlatformCallKind::ChooseFileToSave, PlatformCallKind::ChooseFileToSave,
      PlatformCallKind::ShowMessage,      PlatformCallKind::OpenWithSystem,
  };
  for (std::size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i].kind, kinds[i]) << "call " << i;
  EXPECT_EQ(calls[1].text, "XP?");
  EXPECT_EQ(calls[1].caption, "Armakon");
  EXPECT_EQ(calls[1].answer, Answer::Yes);
  EXPECT_EQ(calls[3].request.title, open.title);
  EXPECT_EQ(calls[3].request.filter, open.filter);
  EXPECT_EQ(calls[4].files, std::vector<std::string>{});
  EXPECT_EQ(calls[5].files, std::vector<std::string>{"/out/Blatt 2 - Hersteller.txt"});
  EXPECT_EQ(calls[5].request.defaultExtension, "txt");
  EXPECT_EQ(calls[6].messageKind, MessageKind::Warning);
  EXPECT_EQ(calls[7].text, "/out/Blatt 2 - Hersteller.txt");
  EXPECT_TRUE(calls[7].opened);
}

TEST(ScriptedPlatformTest, EmptyQueuesGiveHeadlessAnswersAndAreCounted) {
  ScriptedPlatform scripted;
  EXPECT_EQ(scripted.askYesNo("?", ""), Answer::No);
  EXPECT_EQ(scripted.askYesNoCancel("?", ""), Answer::Cancel);
  EXPECT_TRUE(scripted.chooseFilesToOpen({}).empty());
  EXPECT_FALSE(scripted.chooseFileToSave({}).has_value());
  EXPECT_FALSE(scripted.openWithSystem("x"));  // not a queue: the set result, false by default
  EXPECT_EQ(scripted.unscriptedCalls(), 4u);
  scripted.queueAnswer(Answer::Yes);
  EXPECT_FALSE(scripted.scriptUsedUp());
}

TEST(ScriptedPlatformTest, TimersTickOnlyWhenTheTestSaysSo) {
  ScriptedPlatform scripted;
  int polls = 0;
  int others = 0;
  std::unique_ptr<PeriodicTimer> poll;
  std::unique_ptr<PeriodicTimer> other = scripted.startTimer(milliseconds(500), [&] { ++others; });
  poll = scripted.startTimer(milliseconds(100), [&] {
    // Like the catalog dialog: the third poll finds the work done and kills its timer.
    if (++polls == 3) poll->stop();
  });
  EXPECT_EQ(polls, 0);
  EXPECT_EQ(scripted.tickTimers(), 2u);
  EXPECT_EQ(scripted.tickTimers(), 2u);
  EXPECT_EQ(scripted.tickTimers(), 2u);
  EXPECT_FALSE(poll->isRunning());
  EXPECT_EQ(scripted.tickTimers(), 1u);
  EXPECT_EQ(polls, 3);
  EXPECT_EQ(others, 4);
  other.reset();  // destruction stops too
  EXPECT_EQ(scripted.runningTimers(), 0u);
  EXPECT_EQ(scripted.tickTimers(), 0u);

  const std::vector<PlatformCall> calls = scripted.calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].kind, PlatformCallKind::StartTimer);
  EXPECT_EQ(calls[0].interval, milliseconds(500));
  EXPECT_EQ(calls[1].kind, PlatformCallKind::StartTimer);
  EXPECT_EQ(calls[1].interval, milliseconds(100));
  EXPECT_EQ(calls[2].kind, PlatformCallKind::StopTimer);
  EXPECT_EQ(calls[2].timer, calls[1].timer);
  EXPECT_EQ(calls[3].kind, PlatformCallKind::StopTimer);
  EXPECT_EQ(calls[3].timer, calls[0].timer);
}

TEST(ScriptedPlatformTest, TimersMayOutliveThePlatform) {
  std::unique_ptr<PeriodicTimer> timer;
  {
    ScriptedPlatform scripted;
    timer = scripted.startTimer(milliseconds(100), [] {});
  }
  EXPECT_TRUE(timer->isRunning());
  timer->stop();
  EXPECT_FALSE(timer->isRunning());
}

}  // namespace
}  // namespace armakon
