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

TEST(ReportList, StateAndErrorCount) {
  CMiniReportUtil list;
  EXPECT_EQ(list.state(), CMiniReportUtil::kStateEmpty);
  list.addHint(10, "Hinweis", "");
  list.addHint(1000, "Hinweis", "");
  EXPECT_EQ(list.state(), CMiniReportUtil::kStateHintsOnly);
  EXPECT_EQ(list.errorCount(), 0);
  list.addError(1000, "Fehler", "");
  EXPECT_EQ(list.state(), CMiniReportUtil::kStateErrors);
  EXPECT_EQ(list.errorCount(), 1);
  list.clear();
  EXPECT_EQ(list.state(), CMiniReportUtil::kStateEmpty);
  EXPECT_THROW(list.entry(0), std::invalid_argument);
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

TEST(ReportList, DetailIsStoredUnderTheTitleWithCrLf) {
  const struct {
    const char* title;
    const char* detail;
    const char* stored;
  } cases[] = {
      {"Titel", "", ""},
      {"Titel", " \n\t ", ""},
      {"  Titel  ", "  eins  ", "Titel:\r\n\r\neins"},
      {"Titel", "eins\nzwei", "Titel:\r\n\r\neins\r\nzwei"},
      {"Titel", "eins\r\nzwei", "Titel:\r\n\r\neins\r\nzwei"},
      {"Titel", "eins\n\nzwei\n", "Titel:\r\n\r\neins\r\n\r\nzwei"},
  };
  for (const auto& c : cases) {
    CMiniReportUtil list;
    list.addError(1, c.title, c.detail);
    EXPECT_EQ(list.entry(0).title, "Titel");
    EXPECT_EQ(list.entry(0).detail, c.stored) << c.detail;
  }
}

TEST(ReportList, RecordAddsManufacturerInfoAndContext) {
  auto full = parseDocument({"010;2;201601;Muster GmbH;;www.muster.example;Erste Zeile¶Zweite Zeile", "100;1",
                             "110;5;;Modell", "700;12", "710.01;3"});
  auto bare = parseDocument({"010;2;201601;Muster GmbH", "100;1", "110;5", "700;12"});
  const std::string contact = "Bei Fragen zu diesen Produktdaten wenden Sie sich bitte an den Hersteller (Muster GmbH).";
  const struct {
    const CVDIBase* root;
    bool documentInfo, recordContext;
    const char* detail;
    std::string stored;
  } cases[] = {
      {full.get(), true, false, "Text",
       "Titel:\r\n\r\nText\r\n\r\n" + contact +
           "\r\nWebseite des Herstellers: www.muster.example"
           "\r\nKommentar des Herstellers in dieser VDI-Datei: Erste Zeile\r\nZweite Zeile"},
      {bare.get(), true, false, "Text", "Titel:\r\n\r\nText\r\n\r\n" + contact},
      {bare.get(), false, true, "Text",
       "Titel:\r\n\r\n[Satzart;Index;] -> 010;2; -> 100;1; -> 110;5; -> 700;12;\r\n\r\nText"},
      {bare.get(), true, true, "",
       "Titel:\r\n\r\n[Satzart;Index;] -> 010;2; -> 100;1; -> 110;5; -> 700;12;\r\n\r\n\r\n\r\n" + contact},
      {bare.get(), false, false, "", ""},
  };
  for (const auto& c : cases) {
    CMiniReportUtil list;
    list.setIncludeDocumentInfo(c.documentInfo);
    list.setIncludeRecordContext(c.recordContext);
    list.addHint(1, "Titel", c.detail, FindRecord(c.root, 70000));
    EXPECT_EQ(list.entry(0).detail, c.stored) << c.documentInfo << c.recordContext;
  }
}

TEST(ReportList, SeenFlagAndShow) {
  CMiniReportUtil list;
  EXPECT_FALSE(list.seen());
  list.clear();
  EXPECT_TRUE(list.seen());
  list.addHint(5, "Hinweis", "");
  list.addError(3, " Erster\r\nTeil ", "");
  EXPECT_FALSE(list.seen());

  ScriptedPlatform script;
  ScopedPlatform installed(script);
  list.show("Muster");
  list.show();
  EXPECT_TRUE(list.seen());
  const auto calls = script.calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].kind, PlatformCallKind::ShowMessage);
  EXPECT_EQ(calls[0].caption, "Reportliste - Muster");
  EXPECT_EQ(calls[0].text, "ErsterTeil\nHinweis");  // sorted, line breaks of titles removed
  EXPECT_EQ(calls[1].caption, "Reportliste");
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
