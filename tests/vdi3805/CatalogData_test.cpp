#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "armakon/components/hydCatalogManager.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/HeadlessPlatform.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/VdiFileRead.h"
#include "tests/vdi3805/DocumentFixtures.h"

namespace armakon {
namespace {

using doctest::crlf;
using doctest::samplePath;

using CatalogData = doctest::VdiFileTest;

// A small sheet file with a few hundred records, so that a load takes a moment.
std::string sheetFile(int sheet, const std::string& date, int models) {
  std::string out = "010;" + std::to_string(sheet) + ";" + date + ";Hersteller\r\n100;2;;Art\r\n";
  for (int m = 1; m <= models; ++m) {
    out += "110;" + std::to_string(m) + ";;Modell\r\n700;" + std::to_string(m) + ";;1;15;0.5\r\n";
    for (int s = 1; s <= 20; ++s) out += "710.01;" + std::to_string(s) + ";;;" + std::to_string(s) + "\r\n";
    out += "800;" + std::to_string(m) + ";TGA\r\n810;" + std::to_string(m) + ";ART\r\n";
  }
  return out;
}

// Remembers the thread of every message shown, to see the workers that loaded. A message
// keeps its worker busy for a moment (as a user reading it would), so the other workers get
// the documents that follow.
class ThreadRecordingPlatform : public HeadlessPlatform {
 public:
  void showMessage(MessageKind kind, const std::string& text, const std::string& caption) override {
    {
      std::lock_guard<std::mutex> guard(lock_);
      threads_.insert(std::this_thread::get_id());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    HeadlessPlatform::showMessage(kind, text, caption);
  }
  std::size_t threadCount() const {
    std::lock_guard<std::mutex> guard(lock_);
    return threads_.size();
  }

 private:
  mutable std::mutex lock_;
  std::set<std::thread::id> threads_;
};

class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~WorkingFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

TEST_F(CatalogData, AddFileRefusesMissingFilesAndDuplicates) {
  const std::string a = temp.write("one/A.VDI", "010;2;201601;H\r\n");
  const std::string sameName = temp.write("two/A.VDI", "010;2;201601;H\r\n");
  const std::string lower = temp.write("a.vdi", "010;2;201601;H\r\n");
  temp.write("A.VDI", "010;2;201601;H\r\n");
  WorkingFolder here(temp.path());

  CVDIData data;
  EXPECT_FALSE(data.AddFile(2, temp.path("none.VDI"), "", "", "", false));
  EXPECT_FALSE(data.AddFile(2, temp.path(), "", "", "", false));  // a folder is no file
  EXPECT_TRUE(data.AddFile(2, a, "ID", "Text", "Notiz", false));
  EXPECT_FALSE(data.AddFile(2, a, "", "", "", false));
  EXPECT_TRUE(data.AddFile(2, sameName, "", "", "", false));  // same name, other folder
  EXPECT_FALSE(data.AddFile(2, "A.VDI", "", "", "", false));  // the name of a held file
  EXPECT_TRUE(data.AddFile(2, "a.vdi", "", "", "", false));   // names compare with case
  ASSERT_EQ(data.GetCount(), 3u);
  EXPECT_EQ(data.GetDocumentAt(0)->GetCatalogId(), "ID");
  EXPECT_EQ(data.GetDocumentAt(0)->GetNote(), "Notiz");
  EXPECT_EQ(data.GetDocumentAt(0)->GetSheet(), 2);
  EXPECT_THROW(data.GetDocumentAt(3), std::invalid_argument);
  EXPECT_EQ(data.FindDocument("a.vdi"), data.GetDocumentAt(2));
  (void)lower;

  // Replacing keeps the place in the array and starts unloaded.
  ASSERT_EQ(data.LoadAll(false, 0, 1), 3);
  const CVDIDoc* before = data.GetDocumentAt(0);
  EXPECT_TRUE(data.AddFile(17, "A.VDI", "NEU", "", "", true));
  ASSERT_EQ(data.GetCount(), 3u);
  EXPECT_NE(data.GetDocumentAt(0), before);
  EXPECT_EQ(data.GetDocumentAt(0)->GetPath(), "A.VDI");
  EXPECT_EQ(data.GetDocumentAt(0)->GetCatalogId(), "NEU");
  EXPECT_FALSE(data.GetDocumentAt(0)->IsLoaded());
  EXPECT_EQ(data.GetLoadedCount(), 2);
}

TEST(CatalogWorkers, OnePerProcessorAtMostOnePerDocumentNeverAboveSixtyFour) {
  const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
  struct Case {
    std::size_t documents;
    unsigned workers, expected;
  };
  const std::vector<Case> cases = {
      {0, 0, 0}, {1, 0, 1}, {1000, 0, std::min(processors, 64u)}, {3, 8, 3}, {100, 5, 5}, {1000, 200, 64},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CVDIData::WorkerCount(c.documents, c.workers), c.expected) << c.documents << " " << c.workers;
  }
  CVDIData empty;
  EXPECT_EQ(empty.LoadAll(false, 0), 0);
}

// Good files of both sheets, refused ones and one that vanished after it was added load on
// four workers at once; each document is loaded once and every report entry arrives whole.
TEST_F(CatalogData, LoadAllOnAMixedSetInParallel) {
  // Every load shows the "guideline too new" warning, so the warnings tell the loading threads.
  temp.write(CVDITemplate::FileName(2), crlf({"DATUMRICHTLINIE 200111", "010", "Kopf"}));
  temp.write(CVDITemplate::FileName(17), crlf({"DATUMRICHTLINIE 200111", "010", "Kopf"}));
  ThreadRecordingPlatform screen;
  ScopedPlatform installed(screen);

  CVDIData data;
  std::vector<std::string> refused;
  for (int i = 0; i < 32; ++i) {
    const std::string name = "f" + std::to_string(i);
    std::string path;
    switch (i % 4) {
      case 0: path = temp.write(name + ".VDI", sheetFile(2, "201601", 60)); break;
      case 1: path = temp.write(name + ".VDI", sheetFile(17, "201601", 60)); break;
      case 2: path = temp.write(name + ".VDI", sheetFile(2, "199611", 1)); refused.push_back(path); break;
      default: path = temp.write(name + ".vdi", ""); refused.push_back(path); break;
    }
    ASSERT_TRUE(data.AddFile(0, path, "", "", "", false));
  }
  const std::string vanished = temp.write("gone.VDI", sheetFile(2, "201601", 1));
  ASSERT_TRUE(data.AddFile(0, vanished, "", "", "", false));
  std::filesystem::remove(vanished);
  refused.push_back(vanished);

  EXPECT_EQ(data.LoadAll(false, 2, 4), 33);
  EXPECT_GE(screen.threadCount(), 2u);

  int parsed = 0;
  for (std::size_t i = 0; i < data.GetCount(); ++i) {
    const CVDIDoc* document = data.GetDocumentAt(i);
    EXPECT_TRUE(document->IsLoaded());
    if (document->IsParsed()) {
      ++parsed;
      EXPECT_EQ(document->GetSheet(), 2);
      EXPECT_EQ(document->GetChild(0)->GetChildCount(), 1u);
    } else if (document->GetSheet() == 17) {
      EXPECT_EQ(document->GetChildCount(), 0u);  // another sheet: loaded without records
    }
  }
  EXPECT_EQ(parsed, 8);

  // One entry per refused file, each naming its own file in full.
  const auto entries = reports().entries();
  ASSERT_EQ(entries.size(), refused.size());
  std::vector<std::string> named;
  for (const auto& entry : entries) {
    for (const std::string& path : refused) {
      if (entry.detail.size() >= path.size() &&
          entry.detail.compare(entry.detail.size() - path.size(), path.size(), path) == 0) {
        named.push_back(path);
      }
    }
    EXPECT_TRUE(entry.code == 10 || entry.code == 20) << entry.code;
  }
  std::sort(named.begin(), named.end());
  std::sort(refused.begin(), refused.end());
  EXPECT_EQ(named, refused);

  // A second run loads nothing again.
  reports().clear();
  EXPECT_EQ(data.LoadAll(false, 2, 4), 33);
  EXPECT_TRUE(reports().empty());
}

}  // namespace
}  // namespace armakon
