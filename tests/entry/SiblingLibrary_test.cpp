// The sibling loader against a real second shared library built with the tests
// (sibling/SiblingTestLibrary.cpp, placed in <siblings>/lib/armakon/) and against a missing one.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/entry/CArmakonDllApp.h"
#include "armakon/entry/SiblingLibrary.h"
#include "armakon/model/CObjectFactory.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/RecordFactory.h"

namespace armakon {
namespace {

const std::filesystem::path kSiblings = ARMAKON_SIBLING_DIR;
// A module file in <siblings>/lib: the test library is only reachable through the
// "../lib/armakon/" fallback of the search.
const std::filesystem::path kModule = kSiblings / "lib" / "libarmakon-host.so";
constexpr const char* kTestLibrary = "libarmakon_sibling_test.so";

std::vector<PlatformCall> messages(const ScriptedPlatform& scripted) {
  std::vector<PlatformCall> shown;
  for (const PlatformCall& call : scripted.calls()) {
    if (call.kind == PlatformCallKind::ShowMessage) shown.push_back(call);
  }
  return shown;
}

TEST(SiblingLibrary, SearchFallsBackToTheSharedFolderAndNamesTheLastPlaceWhenNothingExists) {
  const std::filesystem::path base = kModule.parent_path();
  EXPECT_EQ(findSiblingLibrary(base, kTestLibrary), base / "../lib/armakon" / kTestLibrary);
  EXPECT_EQ(findSiblingLibrary(base, "libfehlt.so"), base / "../../../lib/armakon/libfehlt.so");
}

TEST(SiblingLibrary, LoadsARealSecondLibraryThatSharesEveryProgramWideObject) {
  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  SiblingLibrary library(kTestLibrary, kModule);

  std::array<const void*, 9> seen{};
  library.function<void(const void**)>(1, "armakonSiblingStatics")(seen.data());
  ASSERT_TRUE(library.isLoaded());
  EXPECT_TRUE(messages(scripted).empty());
#if ARMAKON_SHARED_BUILD
  const std::array<const void*, 9> ours = {&CArmakonDllApp::instance(),
                                           &getArmakonInstance(),
                                           &HzArmaturContainer::instance(),
                                           &CMiniReportUtil::instance(),
                                           &CVDIData::instance(),
                                           hydPumpenManager::instance(),
                                           &hydVDIArmaturen::CObjectFactory::instance(),
                                           &VdiRecordFactory(),
                                           &platform()};
  EXPECT_EQ(seen, ours);
#endif

  // A missing function: 0 from the substitute and one message; the next missing function
  // of the same load stays silent.
  EXPECT_EQ((library.function<int(int)>(2, "armakonNichtVorhanden")(7)), 0);
  EXPECT_EQ((library.function<double()>(3, "armakonAuchNicht")()), 0.0);
  const std::vector<PlatformCall> shown = messages(scripted);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "DLL Error");
  EXPECT_EQ(shown[0].text, "Error in " + kModule.string() + "!\nRequired program part " + kTestLibrary +
                               " is not compatible with the current program version.\nMissing function: No. 2");
}

TEST(SiblingLibrary, AMissingLibraryCostsOneMessagePerLoadAttemptAndItsCallsYieldZero) {
  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  SiblingLibrary library("libarmakon_fehlt.so", kModule);

  EXPECT_EQ((library.function<int(int)>(1, "armakonEins")(5)), 0);
  EXPECT_EQ(messages(scripted).size(), 1u);
  EXPECT_EQ((library.function<long()>(2, "armakonZwei")()), 0);
  const std::vector<PlatformCall> shown = messages(scripted);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_FALSE(library.isLoaded());
  EXPECT_EQ(shown[1].caption, "DLL Error");
  EXPECT_EQ(shown[1].text,
            "Error in " + kModule.string() + "!\nRequired program part libarmakon_fehlt.so cannot be found.");

  // Loading it directly, not quietly: the loader's own message with the system's error number.
  EXPECT_EQ(loadSiblingLibrary("libarmakon_fehlt.so", kModule, "", false), nullptr);
  const std::vector<PlatformCall> all = messages(scripted);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[2].text, "\nError loading module: libarmakon_fehlt.so\n2");
}

}  // namespace
}  // namespace armakon
