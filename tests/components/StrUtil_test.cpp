// Fields, white space, case and characters of hydStrUtil.

#include "armakon/components/hydStrUtil.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace armakon {
namespace {

TEST(HydStrUtilFields, GetSubStrTable) {
  const struct {
    const char* text;
    int n;
    char separator;
    const char* expected;
  } cases[] = {
      {"a;b;c", 1, ';', "a"},      {"a;b;c", 3, ';', "c"},     {"a;b;c", 4, ';', ""},
      {"a;b;c", 0, ';', ""},       {"a;b;c", -1, ';', ""},     {"a;b;c", INT_MAX, ';', ""},
      {"a;;c", 2, ';', ""},        {"a;;c", 3, ';', "c"},      {"a;", 2, ';', ""},
      {"a;", 3, ';', ""},          {";", 1, ';', ""},          {"", 1, ';', ""},
      {" x ;y", 1, ';', " x "},    {"1:2;3", 2, ':', "2;3"},   {"0;900;", 2, ';', "900"},
  };
  std::vector<std::string_view> fields;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.n));
    EXPECT_EQ(hydStrUtil::GetSubStr(c.text, c.n, c.separator), c.expected);
    // The one-pass split must agree with the field-by-field access.
    hydStrUtil::SplitFields(c.text, c.separator, fields);
    EXPECT_EQ(fields.size(), hydStrUtil::GetSubStrCount(c.text, c.separator));
    const bool inside = c.n >= 1 && static_cast<std::size_t>(c.n) <= fields.size();
    EXPECT_EQ(inside ? fields[static_cast<std::size_t>(c.n - 1)] : std::string_view(), c.expected);
  }
}

TEST(HydStrUtilText, CharactersNotBytes) {
  EXPECT_EQ(hydStrUtil::CharCount("201601"), 6U);
  EXPECT_EQ(hydStrUtil::CharCount("Grüße"), 5U);
  EXPECT_EQ(hydStrUtil::CharCount("a\xFF"), 2U);
  EXPECT_EQ(hydStrUtil::LeftChars("Grüße", 3), "Grü");
  EXPECT_EQ(hydStrUtil::RightChars("Grüße", 2), "ße");
  EXPECT_EQ(hydStrUtil::RightChars("ab", 5), "ab");
  EXPECT_EQ(hydStrUtil::LeftChars("ab", 0), "");
}

}  // namespace
}  // namespace armakon
