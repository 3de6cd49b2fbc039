// What the library writes comes back as it was: tree texts whose names begin with what the
// reader skips as layout, and files replaced through the atomic write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeFile.h"

namespace armakon {
namespace {

namespace fs = std::filesystem;

TEST(TreeTextRoundTrip, NamesStartingWithWhatTheReaderSkipsReadBackInEveryLayout) {
  const std::string kBom = "\xEF\xBB\xBF";
  struct Case {
    std::string text;  // parsed first; its node must survive writing and reading again
  };
  const Case cases[] = {
      {std::string(" ") + kBom + "{\n}"},  // the fuzzer's finding: a root named by a byte order mark
      {kBom + kBom + "x {\n" + kBom + "leaf = " + kBom + "v\n}"},
      {"\\s\\s" + kBom + " {\n\\sa\\s = \\sb\\s\n}"},
  };
  for (const Case& c : cases) {
    CNode node("unread");
    ASSERT_TRUE(node.ReadFromString(c.text)) << c.text;
    for (bool crlf : {false, true}) {
      for (bool indent : {false, true}) {
        for (int firstLevel : {0, 2}) {
          std::string written;
          ASSERT_TRUE(node.WriteToString(written, crlf, indent, true, firstLevel));
          CNode again;
          EXPECT_TRUE(again.ReadFromString(written) && again.IsEqualTo(node))
              << "parsed from: " << c.text << "\nwritten: " << written;
        }
      }
    }
  }
}

class AtomicWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("armakon_atomic_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string contentOf(const fs::path& path) {
    std::string text;
    EXPECT_TRUE(readWholeFile(path, text));
    return text;
  }
  static fs::perms permissionsOf(const fs::path& path) { return fs::status(path).permissions(); }

  fs::path folder_;
};

TEST_F(AtomicWrite, ReplacedFileKeepsItsPermissionsWhenSyncedNowOrLater) {
  const fs::path file = folder_ / "project.armakon";
  ASSERT_TRUE(writeFileAtomically(file, "old"));
  for (const FileSync sync : {FileSync::Now, FileSync::Deferred}) {
    for (const fs::perms perms : {fs::perms::owner_read | fs::perms::owner_write,
                                  fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read}) {
      fs::permissions(file, perms);
      ASSERT_TRUE(writeFileAtomically(file, "new", sync));
      EXPECT_EQ(permissionsOf(file), perms);
      EXPECT_EQ(contentOf(file), "new");
    }
  }
  EXPECT_TRUE(syncFileSystem(folder_));
}

TEST_F(AtomicWrite, WritingThroughSymbolicLinksWritesTheFileTheyPointTo) {
  fs::create_directories(folder_ / "data");
  const fs::path target = folder_ / "data" / "model.vam";
  ASSERT_TRUE(writeFileAtomically(target, "old"));
  fs::create_symlink("data/model.vam", folder_ / "relative.vam");
  fs::create_symlink(folder_ / "relative.vam", folder_ / "chained.vam");  // a link to a link
  fs::create_symlink("data/new.vam", folder_ / "dangling.vam");

  ASSERT_TRUE(writeFileAtomically(folder_ / "chained.vam", "new"));
  EXPECT_EQ(contentOf(target), "new");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "chained.vam")));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "relative.vam")));

  ASSERT_TRUE(writeFileAtomically(folder_ / "dangling.vam", "created"));
  EXPECT_EQ(contentOf(folder_ / "data" / "new.vam"), "created");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "dangling.vam")));
}

TEST_F(AtomicWrite, FailureLeavesNothingBehindAndTellsWhy) {
  fs::create_directories(folder_ / "report.txt");
  errno = 0;
  EXPECT_FALSE(writeFileAtomically(folder_ / "report.txt", "text"));
  EXPECT_EQ(errno, EISDIR);

  fs::create_symlink("loop", folder_ / "loop");
  errno = 0;
  EXPECT_FALSE(writeFileAtomically(folder_ / "loop", "text"));
  EXPECT_EQ(errno, ELOOP);

  errno = 0;
  EXPECT_FALSE(writeFileAtomically(folder_ / "missing" / "file.txt", "text"));
  EXPECT_EQ(errno, ENOENT);
  errno = 0;
  EXPECT_FALSE(syncFileSystem(folder_ / "missing"));
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);  // report.txt, loop
}

}  // namespace
}  // namespace armakon
