// The dialog road: which platform runs a dialog, and the user-interface library that the entry
// loads when the host installed none.

#include <gtest/gtest.h>

#include <string>

#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/entry/CSplitterDlg.h"
#include "armakon/entry/UserInterfaceLibrary.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"

namespace armakon {
namespace {

int loaderCalls = 0;
ScriptedPlatform* platformToInstall = nullptr;

void testLoader() {
  ++loaderCalls;
  if (platformToInstall != nullptr) setPlatform(platformToInstall);
}

TEST(DialogRoad, WithoutAPlatformTheUserInterfaceLibraryIsLoadedFirstAndAMissingOneYieldsZero) {
  ASSERT_EQ(installedPlatform(), nullptr);
  headlessPlatform().takeMessages();
  EXPECT_EQ(getArmakonInstance().showSplitterDialog(nullptr), kDialogNotShown);
  const std::vector<ShownMessage> shown = headlessPlatform().takeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "DLL Error");
  EXPECT_NE(shown[0].text.find("Required program part libarmakon_qt.so."), std::string::npos) << shown[0].text;
  EXPECT_EQ(installedPlatform(), nullptr);

  // A loader that provides a platform: it runs once, and the dialog runs on what it installed.
  ScriptedPlatform scripted;
  scripted.queueDialog([](ModalDialog& dialog) { dynamic_cast<CSplitterDlg&>(dialog).ok(); });
  platformToInstall = &scripted;
  setUserInterfaceLoader(&testLoader);
  CSplitterDlg first;
  CSplitterDlg second;
  EXPECT_EQ(showModal(first), kDialogOk);
  EXPECT_EQ(showModal(second), kDialogCancel);  // no script: not opened, cancelled
  EXPECT_EQ(loaderCalls, 1);
  EXPECT_EQ(scripted.calls().size(), 2u);
  EXPECT_EQ(scripted.unscriptedCalls(), 1u);

  setPlatform(nullptr);
  setUserInterfaceLoader(&loadUserInterfaceLibrary);
}

}  // namespace
}  // namespace armakon
