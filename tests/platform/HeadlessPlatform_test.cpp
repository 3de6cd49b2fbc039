#include "armakon/platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"

namespace armakon {
namespace {

TEST(HeadlessPlatformTest, AnswersCautiouslyAndKeepsWhatItWasShown) {
  HeadlessPlatform headless;
  FileDialogRequest request;
  request.filter = "VDI 3805 Dateien ab 11.2001 (*.VDI)|*.VDI|Alle Dateien (*.*)|*.*||";

  headless.showError("Datei lässt sich nicht beschreiben.", "Armakon");
  EXPECT_EQ(headless.askYesNo("Datei existiert schon. Überschreiben?", ""), Answer::No);
  EXPECT_EQ(headless.askYesNoCancel("Dateiname bereits vorhanden!", "Zuordnung"), Answer::Cancel);
  headless.showInformation("Datei konnte nicht geladen werden.");
  EXPECT_TRUE(headless.chooseFilesToOpen(request).empty());
  EXPECT_FALSE(headless.chooseFileToSave(request).has_value());
  EXPECT_FALSE(headless.openWithSystem("/tmp/report.txt"));

  const std::vector<ShownMessage> expected = {
      {MessageKind::Error, "Datei lässt sich nicht beschreiben.", "Armakon"},
      {MessageKind::Question, "Datei existiert schon. Überschreiben?", ""},
      {MessageKind::Question, "Dateiname bereits vorhanden!", "Zuordnung"},
      {MessageKind::Information, "Datei konnte nicht geladen werden.", ""},
  };
  EXPECT_EQ(headless.messages(), expected);
  EXPECT_EQ(headless.takeMessages(), expected);
  EXPECT_TRUE(headless.messages().empty());
}

TEST(HeadlessPlatformTest, LogKeepsTheLatestMessagesAndCountsTheDropped) {
  HeadlessPlatform headless;
  const std::size_t total = HeadlessPlatform::kMessageLimit + 5;
  for (std::size_t i = 0; i < total; ++i) headless.showWarning(std::to_string(i));
  const std::vector<ShownMessage> kept = headless.messages();
  ASSERT_EQ(kept.size(), HeadlessPlatform::kMessageLimit);
  EXPECT_EQ(kept.front().text, "5");
  EXPECT_EQ(kept.back().text, std::to_string(total - 1));
  EXPECT_EQ(headless.droppedMessages(), 5u);
  headless.takeMessages();
  EXPECT_EQ(headless.droppedMessages(), 0u);
}

TEST(HeadlessPlatformTest, MessagesFromManyThreadsAreAllKept) {
  HeadlessPlatform headless;
  std::vector<std::thread> workers;
  for (int t = 0; t < 4; ++t) {
    workers.emplace_back([&headless] {
      for (int i = 0; i < 250; ++i) headless.showError("Fehler", "Laden");
    });
  }
  for (std::thread& worker : workers) worker.join();
  EXPECT_EQ(headless.messages().size(), 1000u);
}

TEST(CurrentPlatformTest, DefaultsToHeadlessAndScopesRestoreThePrevious) {
  EXPECT_EQ(&platform(), &headlessPlatform());
  ScriptedPlatform outer;
  {
    ScopedPlatform useOuter(outer);
    EXPECT_EQ(&platform(), &outer);
    ScriptedPlatform inner;
    {
      ScopedPlatform useInner(inner);
      platform().showInformation("innen");
    }
    EXPECT_EQ(&platform(), &outer);
    EXPECT_EQ(inner.calls().size(), 1u);
    EXPECT_TRUE(outer.calls().empty());
  }
  EXPECT_EQ(&platform(), &headlessPlatform());
  EXPECT_EQ(&setPlatform(&outer), &headlessPlatform());
  EXPECT_EQ(&setPlatform(nullptr), &outer);
  EXPECT_EQ(&platform(), &headlessPlatform());
}

}  // namespace
}  // namespace armakon
