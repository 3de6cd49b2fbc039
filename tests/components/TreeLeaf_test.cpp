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

}  // namespace
}  // namespace armakon
