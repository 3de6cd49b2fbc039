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
      {"300.03", 30003},  // 300.03 x 100 lies just below 30003 in binary floating point
      {"710.1", 71010}, {"", 0},          {"abc", 0},            {"1e300", INT_MAX},
      {"-1e300", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(RecordCodeOf(c.type), c.code) << c.type;
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

}  // namespace
}  // namespace armakon
