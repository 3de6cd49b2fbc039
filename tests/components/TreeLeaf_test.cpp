#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "armakon/components/TreeFile.h"
#include "tests/SeededRandom.h"

namespace armakon {
namespace {

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

// Decimals as "%f" writes them take a short road; it and the general one must give the
// correctly rounded double, sign of zero included.
TEST(TreeLeaf, DecimalsReadAsTheNearestDouble) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {{"10.000000", 10.0},
               {"-0.000000", -0.0},
               {"0.261000", 0.261},
               {"0.1", 0.1},
               {" +2.25x", 2.25},
               {"1.5e3", 1500.0},
               {"5.", 5.0},
               {"-.5", -0.5},
               {"123456789012345.6", 123456789012345.6},
               {"0.30000000000000004", 0.30000000000000004},
               {"9007199254740993.0", 9007199254740993.0}};
  for (const auto& c : cases) {
    const double read = CLeaf("N", c.text).GetOnlyValueD(':');
    EXPECT_EQ(read, c.expected) << c.text;
    EXPECT_EQ(std::signbit(read), std::signbit(c.expected)) << c.text;
  }
}

// In a value list a decimal is read where it stands, its fraction several bytes at a time
// when more text follows, and must still give what the value on its own gives, for every
// shape: the common "%f" one, more digits than a word holds, exponents, signs, no number at
// all, text after the number, and a separator that is part of a number's own spelling; read
// one by one or as a list, where a value that is no plain decimal hands the rest of the list
// to the general way.
TEST(TreeLeaf, DecimalsInAListReadAsTheirValuesAlone) {
  testsupport::SeededRandom random(7);
  const char* const shapes[] = {"%.6f", "%.1f", "%.9f", "%.3e", "%.0f", "%.12f"};
  for (const char sep : {':', ';', '.', '-'}) {
    for (int round = 0; round < 200; ++round) {
      std::vector<std::string> values;
      for (int i = 0, n = 1 + random.below(12); i < n; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, shapes[random.below(6)], random.uniform(-2e4, 2e4) / (1 + random.below(1000)));
        const int junk = random.below(10);  // before or after the number
        values.emplace_back(junk == 0 ? std::string("x") + text : junk == 1 ? text + std::string(" mm") : std::string(text));
      }
      CLeaf leaf("N");
      leaf.SetValues(values, sep);
      // One value at a time, and the whole list at once (asking for one more than it holds).
      std::vector<double> oneByOne;
      CLeaf::ValueWalk walk = leaf.Values();
      for (double read = 0.0; walk.nextNumber(read);) oneByOne.push_back(read);
      std::vector<double> atOnce;
      leaf.Values().takeNumbers(values.size() + 1, [&atOnce](double read) { atOnce.push_back(read); });
      ASSERT_EQ(oneByOne.size(), values.size());
      ASSERT_EQ(atOnce.size(), values.size());
      for (std::size_t i = 0; i < values.size(); ++i) {
        const double alone = CLeaf("N", values[i]).GetOnlyValueD(':');
        for (const double read : {oneByOne[i], atOnce[i]}) {
          EXPECT_EQ(read, alone) << values[i] << " separator " << sep;
          EXPECT_EQ(std::signbit(read), std::signbit(alone)) << values[i];
        }
      }
    }
  }
  CLeaf cutAtPoints("N");
  cutAtPoints.SetValues({"12", "34"}, '.');
  CLeaf::ValueWalk walk = cutAtPoints.Values();
  double first = 0.0;
  double second = 0.0;
  EXPECT_TRUE(walk.nextNumber(first) && walk.nextNumber(second));
  EXPECT_EQ(first, 12.0);
  EXPECT_EQ(second, 34.0);
}

// Separators are searched and counted sixteen and eight bytes at a time with a tail of single
// bytes: every split position and text length must give the plain split, walked value by
// value or taken a few values at a time (a take that ends within sixteen bytes, and the walk
// going on from there).
TEST(TreeLeaf, ValuesCutAtEverySeparator) {
  testsupport::SeededRandom random(11);
  for (int round = 0; round < 3000; ++round) {
    std::string text(static_cast<std::size_t>(random.below(90)), 'a');
    for (char& c : text) c = "ab:\x80\xff"[random.below(5)];
    std::vector<std::string> expected;
    if (!text.empty()) {
      for (std::size_t start = 0;;) {
        const std::size_t end = text.find(':', start);
        expected.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
      }
    }
    CLeaf leaf("L", text, true);
    ASSERT_EQ(leaf.GetValueCount(), static_cast<int>(expected.size())) << text;
    std::vector<std::string> walked;
    CLeaf::ValueWalk walk = leaf.Values();
    for (std::string_view value; walk.next(value);) walked.emplace_back(value);
    EXPECT_EQ(walked, expected) << text;

    std::vector<std::string> taken;
    CLeaf::ValueWalk chunks = leaf.Values();
    while (chunks.remaining() > 0 && taken.size() <= expected.size()) {
      const std::size_t before = taken.size();
      const std::size_t asked = static_cast<std::size_t>(random.below(4));
      chunks.takeValues(asked, [&taken](std::string_view value) { taken.emplace_back(value); });
      ASSERT_EQ(taken.size(), before + std::min(asked, expected.size() - before)) << text;
      if (std::string_view value; random.below(2) == 0 && chunks.next(value)) taken.emplace_back(value);
    }
    EXPECT_EQ(taken, expected) << text;
  }
}

// A leaf keeps its values joined in one text. A value holding the separator, empty values and
// reading with another separator must still give back the list as it was set.
TEST(TreeLeaf, ValueListsSurviveTheJoinedText) {
  const struct {
    std::vector<std::string> values;
    std::vector<std::string> readAtSemicolons;  // the joined text cut at ';'
  } cases[] = {
      {{}, {}},
      {{""}, {}},
      {{"", ""}, {":"}},
      {{"a", "b:c", ""}, {"a:b:c:"}},
      {{"x;y", "z"}, {"x", "y:z"}},
  };
  for (const auto& c : cases) {
    CLeaf leaf("L");
    for (const std::string& value : c.values) leaf.AddValue(value);
    std::vector<std::string> walked;
    CLeaf::ValueWalk walk = leaf.Values();
    for (std::string_view value; walk.next(value);) walked.emplace_back(value);
    EXPECT_EQ(walked, c.values);
    std::vector<std::string> taken;
    leaf.Values().takeValues(c.values.size() + 1, [&taken](std::string_view value) { taken.emplace_back(value); });
    EXPECT_EQ(taken, c.values);
    EXPECT_EQ(leaf.GetValueCount(), static_cast<int>(c.values.size()));
    EXPECT_TRUE(leaf.Clone()->HasSameValues(leaf));

    std::vector<std::string> read;
    std::string value;
    for (bool more = leaf.InitGetValues(';'); more;) {
      more = leaf.GetNextValue(value);
      read.push_back(value);
    }
    EXPECT_EQ(read, c.readAtSemicolons);
  }
  // Separators are counted many bytes at a time; long runs of them must not overflow a count.
  CLeaf many("M", std::string(1000, ':') + "x", true);
  EXPECT_EQ(many.GetValueCount(), 1001);
  EXPECT_EQ(many.GetOnlyValue(';'), std::string(1000, ':') + "x");
}

// "%i" and "%f" are written without printf; the bytes must be printf's, halves included, and
// stay whole values whatever the separator.
TEST(TreeLeaf, NumbersAreWrittenAsPrintfWritesThem) {
  testsupport::SeededRandom random(3805);
  std::vector<double> numbers = {0.0, -0.0, 0.5, 2.5e-7, 1.5e-6, 0.0000005, -273.15, 1e300, -5e-324};
  for (int i = 0; i < 2000; ++i) {
    numbers.push_back(random.uniform(-1000.0, 1000.0));
    numbers.push_back(random.below(200000) / 128.0);  // seven decimals: a half at the sixth place
  }
  for (const double number : numbers) {
    const int whole = static_cast<int>(random.uniform(-2e9, 2e9));
    CLeaf leaf("N");
    leaf.SetFirstValue(number);
    leaf.SetNextValue(whole);
    char expected[400];
    std::snprintf(expected, sizeof expected, "%f:%i", number, whole);
    EXPECT_EQ(leaf.GetText(':'), expected) << number;
    // A separator that numbers are spelled with must not cut them.
    for (const char sep : {'.', '-'}) {
      CLeaf cut("N");
      cut.SetFirstValue(number, "%f", sep);
      cut.SetNextValue(whole);
      CLeaf::ValueWalk walk = cut.Values();
      std::string_view first;
      std::string_view second;
      ASSERT_TRUE(walk.next(first) && walk.next(second));
      EXPECT_EQ(std::string(first) + ':' + std::string(second), expected) << sep;
    }
  }
}

}  // namespace
}  // namespace armakon
