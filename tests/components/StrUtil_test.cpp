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

TEST(HydStrUtilFields, ViewPointsIntoTheText) {
  const std::string line = "700;12;;DN 15";
  const std::string_view field = hydStrUtil::GetSubStrView(line, 4);
  EXPECT_EQ(field, "DN 15");
  EXPECT_EQ(field.data(), line.data() + line.find("DN"));
}

TEST(HydStrUtilText, TrimOnlyAsciiWhiteSpace) {
  EXPECT_EQ(hydStrUtil::Trim(" \t a b \r\n\v\f"), "a b");
  EXPECT_EQ(hydStrUtil::TrimLeft("  a  "), "a  ");
  EXPECT_EQ(hydStrUtil::TrimRight("  a  "), "  a");
  EXPECT_EQ(hydStrUtil::Trim(" \r\n "), "");
  EXPECT_EQ(hydStrUtil::Trim("\xC2\xA0x\xC2\xA0"), "\xC2\xA0x\xC2\xA0");  // no-break space is text
}

TEST(HydStrUtilText, CaseInsensitiveComparison) {
  const struct {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"Müller", "MÜLLER", true},  {"ÄÖÜ", "äöü", true},       {"Straße", "STRAßE", true},
      {"Straße", "STRASSE", false}, {"Œuvre", "œUVRE", true},   {"ÿ", "Ÿ", true},
      {"Šž", "šŽ", true},           {"×", "÷", false},          {"Ü", "U", false},
      {"abc", "ab", false},         {"\xFF", "\xFF", true},     {"\xFF", "ÿ", false},
      {"\xFE", "\xFF", false},      {"", "", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hydStrUtil::EqualsNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    EXPECT_EQ(hydStrUtil::CompareNoCase(c.a, c.b) == 0, c.equal) << c.a << " / " << c.b;
  }
  EXPECT_LT(hydStrUtil::CompareNoCase("apfel", "Birne"), 0);
  EXPECT_GT(hydStrUtil::CompareNoCase("Birne", "apfel"), 0);
  EXPECT_LT(hydStrUtil::CompareNoCase("ab", "AbC"), 0);
  EXPECT_LT(hydStrUtil::CompareNoCase("Zeta", "Ärger"), 0);  // by code point: ä after z
}

TEST(HydStrUtilText, UpperAndLowerCase) {
  EXPECT_EQ(hydStrUtil::ToUpper("straße äöü œ ÿ µ x÷"), "STRAßE ÄÖÜ Œ Ÿ µ X÷");
  EXPECT_EQ(hydStrUtil::ToLower("ÄÖÜ ABC Š Ÿ ×"), "äöü abc š ÿ ×");
  EXPECT_EQ(hydStrUtil::ToUpper("a\xFF" "b"), "A\xFF" "B");  // damaged byte kept
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

TEST(HydStrUtilText, Replace) {
  EXPECT_EQ(hydStrUtil::Replace("a¶b¶", "¶", ", \n"), "a, \nb, \n");
  EXPECT_EQ(hydStrUtil::Replace("aaa", "aa", "a"), "aa");  // no rescanning
  EXPECT_EQ(hydStrUtil::Replace("x", "", "y"), "x");
  EXPECT_EQ(hydStrUtil::Replace("a.b", ".", ""), "ab");
}

}  // namespace
}  // namespace armakon
