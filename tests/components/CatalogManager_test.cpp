#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "armakon/components/CatalogInfoFile.h"
#include "armakon/components/TreeNode.h"
#include "armakon/components/hydCatalogInfo.h"
#include "armakon/components/hydCatalogManager.h"
#include "tests/TempFolder.h"

namespace armakon {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ids(const std::vector<const hydCatalogInfo*>& list) {
  std::vector<std::string> out;
  for (const hydCatalogInfo* catalog : list) out.push_back(catalog->getStrID());
  return out;
}

// ---------------------------------------------------------------- info file text

struct ParseCase {
  const char* name;
  std::string text;
  std::string id, displayName, logo;
  std::vector<std::string> sheetFolders;
  std::vector<std::string> entries;  // "FOLDER|PATH"
  std::vector<std::string> orgInfo;  // "NAME|VALUE"
};

TEST(CatalogInfoText, ParsesEachKindOfLine) {
  const std::vector<ParseCase> cases = {
      {"complete file",
       "Content:VDI_2:VDI_17\r\n\tVDI_2:VDI_2\\A.VDI\r\n\tVDI_17:VDI_17\\sub\\B.VDI\r\nENDE\r\n"
       "ID=AQ\r\nName=Aqualis Armaturen\r\nLogo=aq.png\r\n[OrgInfo]\r\nPUMPEN=Pumpen.PMP\r\n",
       "AQ", "Aqualis Armaturen", "aq.png", {"VDI_2", "VDI_17"},
       {"VDI_2|VDI_2/A.VDI", "VDI_17|VDI_17/sub/B.VDI"}, {"PUMPEN|Pumpen.PMP"}},
      {"content case and duplicates; folders of entries follow",
       "CONTENT: VDI_2 :vdi_2::VDI_17\n  VDI_40:VDI_40\\C.VDI\n", "", "", "", {"VDI_2", "VDI_17", "VDI_40"},
       {"VDI_40|VDI_40/C.VDI"}, {}},
      {"paths leaving the catalog are dropped",
       "Content:VDI_2\n\tVDI_2:..\\..\\etc\\passwd\n\tVDI_2:/etc/passwd\n\tVDI_2:VDI_2\\..x.VDI\n\tVDI_2:\n", "", "", "",
       {"VDI_2"}, {"VDI_2|VDI_2/..x.VDI"}, {}},
      {"first line of a key wins; '=' and ':' inside values",
       "id=FIRST\nID=SECOND\nName=A=B:C\nlogo = x.png \n", "FIRST", "A=B:C", "x.png", {}, {}, {}},
      {"organisation section ends at another section; entries count anywhere",
       "ID=X\n[orginfo]\nPUMPEN=P.PMP\nEMPTY=\n\tVDI_2:VDI_2\\LATE.VDI\n[Other]\nIGNORED=1\nID=NOT\n", "X", "", "",
       {"VDI_2"}, {"VDI_2|VDI_2/LATE.VDI"}, {"PUMPEN|P.PMP", "EMPTY|"}},
      {"comments, control characters and lone CR line ends",
       "# ID=COMMENT\r; Name=no\rID=\x01" "BAD\rID=GOOD\r", "GOOD", "", "", {}, {}, {}},
      {"Windows-1252 is decoded", "Name=Therma Nord W\xe4rmetechnik \x80\n", "", "Therma Nord Wärmetechnik €", "",
       {}, {}, {}},
      {"UTF-8 with byte order mark stays UTF-8", "\xEF\xBB\xBFName=Wärme\n", "", "Wärme", "", {}, {}, {}},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    CatalogInfoText info;
    ASSERT_TRUE(parseCatalogInfoText(c.text, info));
    EXPECT_EQ(info.id, c.id);
    EXPECT_EQ(info.displayName, c.displayName);
    EXPECT_EQ(info.logoFileName, c.logo);
    EXPECT_EQ(info.sheetFolders, c.sheetFolders);
    std::vector<std::string> entries;
    for (const auto& e : info.entries) entries.push_back(e.sheetFolder + "|" + e.relativePath);
    EXPECT_EQ(entries, c.entries);
    std::vector<std::string> org;
    for (const auto& leaf : info.orgInfo) org.push_back(leaf.name + "|" + leaf.value);
    EXPECT_EQ(org, c.orgInfo);
  }
}

// ---------------------------------------------------------------- catalogs on disk

class CatalogFolders : public ::testing::Test {
 protected:
  std::string path(const std::string& relative) const { return temp_.path(relative); }
  void write(const std::string& relative, const std::string& content) const { temp_.write(relative, content); }

  // Two roots: r1 holds B (pumps, VDI_2 with two files), A (VDI_17), a folder without info
  // file, a garbled info file and a plain file; r2 holds a second "a" (dropped) and C.
  void makeTwoRoots() {
    write("r1/B/desktop.info",
          "Content:VDI_2\n\tVDI_2:VDI_2\\ONE.VDI\n\tVDI_2:VDI_2\\Two.vdi\nENDE\nID=B\nName=Beta\n"
          "[OrgInfo]\nPUMPEN=Pumpen.PMP\n");
    write("r1/B/VDI_2/two.VDI", "disk name differs in case");
    write("r1/A/desktop.info", "Content:VDI_17\nENDE\nID=A\nName=Alpha\n");
    write("r1/NoInfo/VDI_2/X.VDI", "");
    write("r1/Garbled/desktop.info", std::string("\x00\x01\x02garbage\xff\xfe", 11));
    write("r1/plainfile", "");
    write("r2/Dup/desktop.info", "ID=a\nName=Second Alpha\n");
    write("r2/C/desktop.info", "Content:VDI_2:VDI_17\nENDE\nID=C\nName=Gamma\n[OrgInfo]\nWEB=x\n");
  }

  const testsupport::TempFolder temp_;
  const fs::path base_{temp_.path()};
};

TEST_F(CatalogFolders, ScansDirectSubFoldersInRootAndNameOrder) {
  makeTwoRoots();
  hydCatalogManager manager;
  EXPECT_EQ(manager.init(path("r1") + ";;" + path("missing"), "desktop.info", "", {path("r2")}), 4u);
  std::vector<const hydCatalogInfo*> list;
  manager.getCatalogList(list);
  EXPECT_EQ(ids(list), (std::vector<std::string>{"A", "B", "C", "RN_USER"}));
  EXPECT_EQ(manager.findCatalogInfo("a")->getStrDisplayName(), "Alpha");  // first of the duplicates
  EXPECT_EQ(manager.findCatalogInfo("b")->getStrRootPath(), path("r1") + "/B/");
  EXPECT_EQ(manager.findCatalogInfo("B")->getInfoFilePathName(), path("r1") + "/B/desktop.info");
  EXPECT_EQ(manager.findCatalogInfo("Garbled"), nullptr);
  EXPECT_EQ(manager.findCatalogInfo("NoInfo"), nullptr);
  EXPECT_EQ(manager.getRootFolders(), path("r1") + ";" + path("missing") + ";" + path("r2"));

  // The user catalog stands for "RN_USER" below the first root, without creating it.
  const hydCatalogInfo* user = manager.findCatalogInfo("rn_user");
  ASSERT_NE(user, nullptr);
  EXPECT_TRUE(user->isUserCatalog());
  EXPECT_EQ(user->getStrRootPath(), path("r1") + "/RN_USER/");
  EXPECT_FALSE(fs::exists(path("r1/RN_USER")));
}

// Readers may query while another thread scans anew (run under ThreadSanitizer in CI).
TEST_F(CatalogFolders, QueriesRunAlongsideRescans) {
  makeTwoRoots();
  hydCatalogManager manager;
  manager.init(path("r1"));
  std::atomic<bool> done{false};
  std::thread reader([&] {
    std::vector<const hydCatalogInfo*> list;
    while (!done) {
      manager.getCatalogList(list, nullptr, "PUMPEN");
      EXPECT_EQ(list.size(), 1u);
      EXPECT_NE(manager.findCatalogInfo("B"), nullptr);
    }
  });
  for (int i = 0; i < 50; ++i) manager.init(path("r1"));
  done = true;
  reader.join();
  EXPECT_EQ(manager.getCatalogCount(), 3u);
}

}  // namespace
}  // namespace armakon
