#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <thread>

#include "armakon/components/TreeFile.h"

namespace armakon {
namespace {

// Every GetNextValue result of a walk over a leaf: the value read and whether more follow.
std::vector<std::pair<std::string, bool>> walk(const CLeaf& leaf) {
  std::vector<std::pair<std::string, bool>> seen;
  std::string value = "unset";
  bool more = leaf.GetFirstValue(value, ':', true);
  seen.emplace_back(value, more);
  while (more) {
    more = leaf.GetNextValue(value, true);
    seen.emplace_back(value, more);
  }
  return seen;
}

TEST(TreeLeaf, ReadingTellsWhetherAnotherValueFollows) {
  struct Case {
    std::vector<std::string> values;
    std::vector<std::pair<std::string, bool>> expected;
  };
  const Case cases[] = {
      {{"a", "b", "c"}, {{"a", true}, {"b", true}, {"c", false}}},
      {{"only"}, {{"only", false}}},
      {{"", ""}, {{"", true}, {"", false}}},
      {{}, {{"unset", false}}},  // no value: nothing stored
  };
  for (const Case& c : cases) {
    CLeaf leaf("L");
    leaf.SetValues(c.values);
    EXPECT_EQ(walk(leaf), c.expected);
  }
}

TEST(TreeLeaf, ReadingPastTheEndKeepsTheVariable) {
  CLeaf leaf("ANS");
  leaf.SetValues({"1", "2"});
  int v = 0;
  EXPECT_TRUE(leaf.GetFirstValue(v, ':', false));
  EXPECT_FALSE(leaf.GetNextValue(v));
  EXPECT_EQ(v, 2);
  v = 7;
  EXPECT_FALSE(leaf.GetNextValue(v));
  EXPECT_EQ(v, 7);
  EXPECT_FALSE(leaf.HasNextValue());
}

TEST(TreeLeaf, WritingSequenceBuildsTheValueList) {
  CLeaf::InitSetValues(':');
  CLeaf leaf("X", "stale", false);
  leaf.SetFirstValue("Muster: GmbH", ':');
  EXPECT_TRUE(leaf.SetNextValue(42, "%i"));
  EXPECT_TRUE(leaf.SetNextValue(0.5, "%f"));
  EXPECT_TRUE(leaf.SetNextValue(-273.15, "%.1f"));
  EXPECT_FALSE(leaf.SetNextValue(3, "%s"));     // wrong conversion: default "%i"
  EXPECT_FALSE(leaf.SetNextValue(1.5, "%ld"));  // length modifier refused: default "%f"
  EXPECT_FALSE(leaf.SetNextValue(2.0, "%999f"));
  CLeaf::ExitSetValues();
  EXPECT_EQ(leaf.GetValues(),
            (std::vector<std::string>{"Muster: GmbH", "42", "0.500000", "-273.1", "3", "1.500000", "2.000000"}));
  EXPECT_TRUE(leaf.SetFirstValue(7, "%03i"));
  EXPECT_EQ(leaf.GetValues(), std::vector<std::string>{"007"});
}

TEST(TreeLeaf, SetSeparatorIsPerThread) {
  CLeaf::InitSetValues(';');
  CLeaf here("a");
  here.SetFirstValue("x");
  char other = 0;
  std::thread([&] {
    CLeaf there("b");
    there.SetFirstValue("y");
    other = there.GetSeparator();
  }).join();
  CLeaf::ExitSetValues();
  EXPECT_EQ(here.GetSeparator(), ';');
  EXPECT_EQ(other, ':');
}

TEST(TreeLeaf, NumbersReadLikeDataFields) {
  CLeaf leaf("N");
  leaf.SetValues({" 12abc", "", "3.75", "true", "0", "300", "1e300", "-4"});
  int i = -1;
  double d = -1;
  bool b = false;
  unsigned char byte = 9;
  float f = 0;
  leaf.GetFirstValue(i, ':', false);
  EXPECT_EQ(i, 12);
  leaf.GetNextValue(d);
  EXPECT_EQ(d, 0.0);
  leaf.GetNextValue(i);
  EXPECT_EQ(i, 3);
  leaf.GetNextValue(b);
  EXPECT_TRUE(b);
  leaf.GetNextValue(b);
  EXPECT_FALSE(b);
  leaf.GetNextValue(byte);
  EXPECT_EQ(byte, 0);  // out of byte range
  leaf.GetNextValue(f);
  EXPECT_TRUE(std::isinf(f));
  EXPECT_FALSE(leaf.GetNextValue(d));
  EXPECT_EQ(d, -4.0);
  EXPECT_EQ(leaf.GetOnlyValueI(':', true), 12);
  EXPECT_EQ(leaf.GetOnlyValue(':'), " 12abc");
}

TEST(TreeLeaf, TextFormsAndForeignSeparator) {
  EXPECT_EQ(CLeaf("a", "").GetValueCount(), 0);
  EXPECT_EQ(CLeaf("a", "x:y", false).GetValueCount(), 1);
  EXPECT_EQ(CLeaf("a", "x::y", true).GetValues(), (std::vector<std::string>{"x", "", "y"}));
  EXPECT_EQ(CLeaf("a", -5).GetValues(), std::vector<std::string>{"-5"});

  CLeaf leaf("L");
  leaf.SetValues({"a;b", "c"}, ':');
  EXPECT_EQ(leaf.GetText(':'), "a;b:c");
  std::string v;
  EXPECT_TRUE(leaf.GetFirstValue(v, ';'));  // read with ';': the joined text cut anew
  EXPECT_EQ(v, "a");
  EXPECT_FALSE(leaf.GetNextValue(v));
  EXPECT_EQ(v, "b:c");
  EXPECT_THROW(leaf.GetValue(2), std::invalid_argument);
  EXPECT_THROW(leaf.GetValue(-1), std::invalid_argument);
}

}  // namespace
}  // namespace armakon
