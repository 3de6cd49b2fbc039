#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/RecordFactory.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "tests/vdi3805/RecordFixtures.h"

namespace armakon {
namespace {

using testing_vdi::allRecords;
using testing_vdi::classOf;
using testing_vdi::parseDocument;
using testing_vdi::StandInDocument;

TEST(RecordReader, CodeIsNearestIntegerOfHundredTimesTheType) {
  const struct {
    const char* type;
    int code;
  } cases[] = {
      {"700", 70000},  {"710.01", 71001}, {"970.04", 97004},     {"010", 1000},
      {"710.1", 71010}, {"", 0},          {"abc", 0},            {"1e300", INT_MAX},
      {"-1e300", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(RecordCodeOf(c.type), c.code) << c.type;
}

TEST(RecordReader, ClassIsChosenByTypeText) {
  const struct {
    const char* type;
    const char* className;
  } cases[] = {
      {"010", "VDIStruct_010"},       {"110", "VDIStruct_110"},       {"700", "VDIStruct_700"},
      {"710.01", "VDIStruct_710_01"}, {"710.07", "VDIStruct_710_07"}, {"710.51", "VDIStruct_710_51"},
      {"200", "VDIStruct_VZ_00"},     {"550", "VDIStruct_VZ_50"},     {"560", "VDIStruct_VZ_60"},
      {"760", "VDIStruct_VZ_60"},     {"160.01", "VDIStruct_VZ_01"},  {"250.01", "VDIStruct_VZ_01"},
      {"760.01", "VDIStruct_VZ_01"},  {"970.04", "VDIStruct_970_04"},
      // Types without a class of their own.
      {"710.1", "VDIStruct_Err"},     {"210", "VDIStruct_Err"},       {"255.01", "VDIStruct_Err"},
      {"970.05", "VDIStruct_Err"},    {"999", "VDIStruct_Err"},       {"abc", "VDIStruct_Err"},
      {"7", "VDIStruct_Err"},
  };
  for (const auto& c : cases) {
    StandInDocument document;
    EXPECT_EQ(classOf(CreateRecord(&document, c.type)), c.className) << c.type;
  }
}

TEST(RecordReader, RecordsArePlacedBelowTheNearestAcceptingAncestor) {
  auto document = parseDocument({"010;2;201601;M", "100;1", "110;5;;Modell", "700;12", "710.01;1",
                                 "110;6;;Zweites", "700;13", "610;1", "610;2", "760;1", "760.01;1",
                                 "999;1", "800;1", "810;1", "250.01;9"});
  const auto records = allRecords(*document);
  ASSERT_EQ(records.size(), 15u);
  const struct {
    std::size_t record;
    const char* parentLine;
  } cases[] = {
      {4, "700;12"},         // 710.01 below its 700
      {5, "100;1"},          // a 110 after a 700 hangs below the 100 above
      {7, "700;13"},         // a 610 after a 700: no ancestor accepts it
      {8, "610;1"},          // ... and the next one hangs below the previous
      {9, "700;13"},         // a 760 belongs to the 700
      {10, "760;1"},         // 760.01 below its 760
      {11, "700;13"},        // Err: the 760.01 and the 760 refuse it, the 700 takes it
      {12, "110;6;;Zweites"},
      {13, "800;1"},
      {14, "810;1"},         // a vector entry no ancestor takes hangs below the previous record
  };
  for (const auto& c : cases) {
    EXPECT_EQ(records[c.record]->GetParent()->GetLine(), c.parentLine) << records[c.record]->GetLine();
  }
}

TEST(RecordReader, ParserPlacesExactlyAsRepeatedCreateRecord) {
  // The parser's shortcut placement must agree with the literal walk up the chain.
  const std::vector<std::string> types = {"010", "100", "110", "160", "160.01", "200", "250", "250.01",
                                          "260", "600", "610", "700", "710.01", "710.05", "710.51",
                                          "710.07", "710.71", "720", "720.01", "720.02", "730", "760",
                                          "760.01", "800", "810", "850", "860", "900", "920", "960",
                                          "970", "970.01", "999", "710.1"};
  std::mt19937 random(4711);
  for (int round = 0; round < 40; ++round) {
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i) lines.push_back(types[random() % types.size()] + ";" + std::to_string(i));
    StandInDocument byCreate;
    CVDIBase* previous = &byCreate;
    for (const std::string& line : lines) {
      previous = CreateRecord(previous, line.substr(0, line.find(';')));
      previous->SetLine(line);
    }
    auto byParse = parseDocument(lines);
    const auto expected = allRecords(byCreate);
    const auto actual = allRecords(*byParse);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
      ASSERT_EQ(RecordPath(actual[i]), RecordPath(expected[i])) << "round " << round << " record " << i;
    }
  }
}

TEST(RecordReader, ParseLinesTrimsSkipsAndFiltersDetail) {
  const std::vector<std::string> lines = {"  010;2;201601  ", "", "   ", ";x", "970;1", "970.01;1", "970.02;1",
                                          "980;1", "700;1", "720;1", "720.01;1", "730;1"};
  const struct {
    bool skipDetail, oldFormat;
    std::vector<std::string> kept;
  } cases[] = {
      {false, false, {"010;2;201601", "970;1", "970.01;1", "970.02;1", "980;1", "700;1", "720;1", "720.01;1", "730;1"}},
      {true, false, {"010;2;201601", "970;1", "970.01;1", "700;1", "720;1", "720.01;1", "730;1"}},
      {true, true, {"010;2;201601", "970;1", "970.01;1", "700;1", "730;1"}},
      {false, true, {"010;2;201601", "970;1", "970.01;1", "970.02;1", "980;1", "700;1", "720;1", "720.01;1", "730;1"}},
  };
  for (const auto& c : cases) {
    StandInDocument document(c.oldFormat);
    StringList input = lines;
    ASSERT_TRUE(document.ParseLines(input, c.skipDetail, c.oldFormat));
    EXPECT_TRUE(input.empty());
    StringList written;
    for (const auto& child : document.GetChildren()) child->AppendLines(written);
    EXPECT_EQ(written, c.kept) << c.skipDetail << c.oldFormat;
  }
}

TEST(RecordReader, FieldsAreTrimmedAndEmptyBeyondTheLine) {
  auto document = parseDocument({"010;2;201601", "100;1", "110;5;;Modell", "700;12;", "700; 13 ;x; y ;"});
  const CVDIBase* first = FindRecord(document.get(), 70000, 12);
  const CVDIBase* second = FindRecord(document.get(), 70000, 13);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetField(first, 1), "700");
  EXPECT_EQ(GetField(first, 2), "12");
  EXPECT_EQ(GetField(first, 3), "");
  EXPECT_EQ(GetField(first, 7), "");
  EXPECT_EQ(GetField(first, 0), "");
  EXPECT_EQ(GetField(first, -3), "");
  EXPECT_EQ(GetField(second, 4), "y");
  EXPECT_EQ(GetField(second, 5), "");
  EXPECT_EQ(GetField(nullptr, 1), "");
}

TEST(RecordReader, OldLayoutMapsFieldNumbers) {
  // Each line numbers its old-layout fields by their position: field k holds "fk".
  const std::string fields = ";f2;f3;f4;f5;f6;f7;f8;f9;f10;f11;f12;f13;f14;f15;f16;f17;f18;f19;f20;f21";
  auto document = parseDocument({"010" + fields, "100" + fields, "110" + fields, "700" + fields,
                                 "800" + fields, "810" + fields, "900" + fields, "920" + fields, "600" + fields},
                                true);
  const auto field = [&](int code, int n, bool raw = false) {
    return GetField(FindRecord(document.get(), code), n, raw);
  };
  const struct {
    int code, n;
    const char* expected;
  } cases[] = {
      {1000, 2, ""},    {1000, 3, "f2"},  {1000, 4, "f3"},  {1000, 5, "f4"},   {1000, 6, ""},
      {1000, 7, "f5"},  {1000, 8, "f8"},  {10000, 3, ""},   {10000, 4, "f3"},  {10000, 8, "f7"},
      {10000, 9, "f9"}, {11000, 4, "f3"}, {70000, 3, ""},   {70000, 4, "f3"},  {70000, 13, "f12"},
      {70000, 14, "f14"}, {70000, 17, "f17"}, {70000, 18, ""}, {70000, 19, ""}, {70000, 20, "f20"},
      {80000, 2, ""},   {80000, 3, "f2"}, {80000, 4, "f6"},  {80000, 5, "f5"},  {81000, 1, "810"},
      {81000, 3, ""},   {81000, 5, "f2"}, {81000, 7, ""},    {81000, 9, "f9"},  {90000, 3, ""},
      {90000, 4, "f4"}, {90000, 6, "f5"}, {90000, 9, "f8"},  {90000, 10, ""},   {90000, 11, "f9"},
      {90000, 15, ""},  {90000, 16, "f16"}, {92000, 2, "f2"}, {92000, 3, ""},   {60000, 3, "f3"},
  };
  for (const auto& c : cases) EXPECT_EQ(field(c.code, c.n), c.expected) << c.code << " field " << c.n;
  // raw reads the line as it stands
  EXPECT_EQ(field(80000, 4, true), "f4");
  EXPECT_EQ(field(1000, 2, true), "f2");
  // the current layout maps nothing
  auto current = parseDocument({"010" + fields, "100" + fields, "110" + fields, "700" + fields});
  EXPECT_EQ(GetField(FindRecord(current.get(), 70000), 4), "f4");
  EXPECT_EQ(GetField(FindRecord(current.get(), 1000), 2), "f2");
}

TEST(RecordReader, SearchesFollowCodeIndexAndDepth) {
  auto document = parseDocument({"010;2;201601", "100;1", "110;5;;A", "700;12", "710.01;1", "710.01;2",
                                 "110;6;;B", "700;12", "710.01;3", "100;2", "110;7;;C"});
  const CVDIBase* header = document->GetChild(0);
  // index 0 takes the first record of the code in pre-order
  EXPECT_EQ(GetField(FindRecord(document.get(), 11000), 2), "5");
  EXPECT_EQ(GetField(FindRecord(document.get(), 11000, 7), 4), "C");
  EXPECT_EQ(FindRecord(document.get(), 11000, 8), nullptr);
  // the start itself is checked first
  EXPECT_EQ(FindRecord(header, 1000), header);
  // depth counts levels below the start: 100 at 1, 110 at 2, 700 at 3
  EXPECT_EQ(FindRecord(header, 11000, 0, 1), nullptr);
  EXPECT_NE(FindRecord(header, 11000, 0, 2), nullptr);
  EXPECT_EQ(FindRecord(header, 70000, 0, 2), nullptr);
  EXPECT_NE(FindRecord(header, 70000, 0, 3), nullptr);
  EXPECT_EQ(FindRecord(header, 11000, 0, 0), nullptr);

  std::vector<const CVDIBase*> entries;
  CollectRecords(static_cast<const CVDIBase*>(document.get()), 71001, entries);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0]->GetLine(), "710.01;1");
  EXPECT_EQ(entries[2]->GetLine(), "710.01;3");
  entries.clear();
  CollectRecords(header, 1000, entries);
  EXPECT_TRUE(entries.empty()) << "the start itself is not collected";

  // exact class, not kind-of: from below a 110 the 100 ancestor is found, not the 110
  const CVDIBase* entry = FindRecord(document.get(), 71001, 3);
  EXPECT_EQ(GetField(FindAncestorOfKind<VDIStruct_100>(entry), 2), "1");
  EXPECT_EQ(GetField(FindAncestorOfKind<VDIStruct_110>(entry), 2), "6");
  EXPECT_EQ(FindAncestorOfKind<VDIStruct_800>(entry), nullptr);
  EXPECT_EQ(RecordPath(entry), "[Satzart;Index;] -> 010;2; -> 100;1; -> 110;6; -> 700;12; -> 710.01;3;");
}

TEST(RecordReader, MillionDeepChainParsesSearchesAndDies) {
  // 610 lines after a 700: no ancestor accepts a 610, so each hangs below the one before.
  constexpr int kDepth = 1'000'000;
  StringList lines = {"010;2;201601", "100;1", "110;1", "700;1"};
  lines.reserve(kDepth + 5);
  for (int i = 1; i <= kDepth; ++i) lines.push_back("610;" + std::to_string(i));
  auto document = std::make_unique<StandInDocument>();
  ASSERT_TRUE(document->ParseLines(lines, false, false));

  const CVDIBase* deepest = FindRecord(document.get(), 61000, kDepth);
  ASSERT_NE(deepest, nullptr);
  EXPECT_EQ(GetField(deepest->GetParent(), 2), std::to_string(kDepth - 1));
  EXPECT_EQ(GetField(FindAncestorOfKind<VDIStruct_110>(deepest), 1), "110");
  EXPECT_EQ(DocumentRootOf(deepest), document.get());
  // the path keeps the nearest 32 levels
  const std::string path = RecordPath(deepest);
  EXPECT_EQ(path.rfind("[Satzart;Index;] -> ... -> 610;999969;", 0), 0u) << path.substr(0, 80);
  EXPECT_EQ(path.substr(path.size() - 13), " 610;1000000;");
  std::vector<const CVDIBase*> all;
  CollectRecords(static_cast<const CVDIBase*>(document.get()), 61000, all);
  EXPECT_EQ(all.size(), static_cast<std::size_t>(kDepth));
  StringList written;
  document->AppendLines(written);
  EXPECT_EQ(written.size(), static_cast<std::size_t>(kDepth + 5));
  document.reset();  // must not overflow the stack
}

TEST(RecordReader, ChildIndexOutOfRangeThrowsInvalidArgument) {
  auto document = parseDocument({"010;2;201601"});
  EXPECT_NO_THROW(document->GetChild(0));
  EXPECT_THROW(document->GetChild(1), std::invalid_argument);
}

}  // namespace
}  // namespace armakon
