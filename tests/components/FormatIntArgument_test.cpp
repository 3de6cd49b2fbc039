// An int argument prints as printf prints an int: the unsigned conversions of a negative int
// show its 32-bit value, in numbered placeholders as in plain ones.

#include <gtest/gtest.h>

#include "armakon/components/FormatText.h"

namespace armakon {
namespace {

TEST(FormatIntArgument, UnsignedConversionsOfANegativeInt) {
  const struct {
    const char* format;
    FormatArg arg;
    const char* text;
  } cases[] = {
      {"%x", -42, "ffffffd6"},
      {"1!%X", -42, "FFFFFFD6"},
      {"%u", -1, "4294967295"},
      {"1!%o", -8, "37777777770"},
      {"%#x", static_cast<short>(-1), "0xffffffff"},
      {"%x", -42LL, "ffffffffffffffd6"},  // a long long keeps its width
      {"%d", -42, "-42"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatText(c.format, {c.arg}), c.text) << c.format;
}

}  // namespace
}  // namespace armakon
