#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "tests/vdi3805/RecordFixtures.h"

namespace armakon {
namespace {

using testing_vdi::parseDocument;

std::vector<int> codes(const CMiniReportUtil& list) {
  std::vector<int> out;
  for (const auto& e : list.entries()) out.push_back(e.code);
  return out;
}

TEST(ReportList, CodesAreClampedPerClass) {
  CMiniReportUtil list;
  list.addError(0, "a", "");
  list.addError(-7, "b", "");
  list.addError(45, "c", "");
  list.addError(1000, "d", "");
  list.addError(5000, "e", "");
  list.addHint(0, "f", "");
  list.addHint(45, "g", "");
  list.addHint(1000, "h", "");
  list.addHint(5000, "i", "");
  EXPECT_EQ(codes(list), (std::vector<int>{1, 1, 45, 1000, 1000, 1001, 1045, 2000, 2000}));
  EXPECT_EQ(list.errorCount(), 5);
}

TEST(ReportList, SortIsByCodeAndStable) {
  CMiniReportUtil list;
  const struct {
    bool hint;
    int code;
    const char* title;
  } filed[] = {{true, 5, "h5a"}, {false, 20, "e20a"}, {false, 1, "e1"}, {true, 5, "h5b"}, {false, 20, "e20b"},
               {true, 1, "h1"}};
  for (const auto& f : filed) f.hint ? list.addHint(f.code, f.title, "") : list.addError(f.code, f.title, "");
  list.sort();
  std::vector<std::string> titles;
  for (const auto& e : list.entries()) titles.push_back(e.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"e1", "e20a", "e20b", "h1", "h5a", "h5b"}));
}

TEST(ReportList, EntriesFiledFromSeveralThreadsArriveWhole) {
  auto document = parseDocument({"010;2;201601;Muster GmbH;;www.muster.example", "100;1", "110;5", "700;12"});
  const CVDIBase* record = FindRecord(document.get(), 70000);
  CMiniReportUtil list;
  constexpr int kThreads = 4;
  constexpr int kEach = 300;
  std::vector<std::thread> workers;
  for (int t = 0; t < kThreads; ++t) {
    workers.emplace_back([&, t] {
      for (int i = 0; i < kEach; ++i) {
        const std::string title = "T" + std::to_string(t) + "-" + std::to_string(i);
        (i % 2 == 0) ? list.addError(10, title, "Zeile\nZeile", record) : list.addHint(10, title, "", record);
        if (i % 50 == 0) (void)list.state();
      }
    });
  }
  for (auto& w : workers) w.join();
  const auto entries = list.entries();
  ASSERT_EQ(entries.size(), static_cast<std::size_t>(kThreads * kEach));
  for (const auto& e : entries) {
    ASSERT_EQ(e.detail.rfind(e.title + ":\r\n\r\n", 0), 0u) << e.detail;
    ASSERT_NE(e.detail.find("www.muster.example"), std::string::npos);
  }
  EXPECT_EQ(list.errorCount(), kThreads * kEach / 2);
}

}  // namespace
}  // namespace armakon
