#include <gtest/gtest.h>

#include <cmath>

#include "armakon/components/TreeFile.h"

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

}  // namespace
}  // namespace armakon
