#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "armakon/components/FormatText.h"

namespace armakon {
namespace {

struct FormatCase {
  const char* format;
  std::vector<FormatArg> args;
  const char* expected;
};

void expectAll(const std::vector<FormatCase>& cases) {
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatText(c.format, std::span<const FormatArg>(c.args)), c.expected) << "format: " << c.format;
  }
}

TEST(FormatText, MismatchedAndMissingArguments) {
  expectAll({
      {"%f", {2}, "2.000000"},
      {"%.2f", {"3.25"}, "3.25"},
      {"%d", {3.99}, "3"},
      {"%d", {-3.99}, "-3"},
      {"%d", {"17 Stück"}, "17"},
      {"%d", {"kein"}, "0"},
      {"%d", {1e300}, "9223372036854775807"},
      {"%s", {42}, "42"},
      {"%s", {0.25}, "0.25"},
      {"%c", {0xFC}, "ü"},
      {"%c", {"äb"}, "ä"},
      {"%d und %d", {1}, "1 und "},
      {"1!%s-3!%s-0!%s", {"a"}, "a--"},
      {"%5d|", {}, "|"},
      // The unsigned conversions of a negative int show its 32-bit value; a long long keeps its width.
      {"%x", {-42}, "ffffffd6"},
      {"1!%X", {-42}, "FFFFFFD6"},
      {"%u", {-1}, "4294967295"},
      {"1!%o", {-8}, "37777777770"},
      {"%#x", {static_cast<short>(-1)}, "0xffffffff"},
      {"%x", {-42LL}, "ffffffffffffffd6"},
  });
}

// The host may run under a locale with a decimal comma; messages must still show a point.
TEST(FormatText, IndependentOfGermanLocale) {
  const char* current = std::setlocale(LC_ALL, nullptr);
  const std::string previous = current ? current : "C";
  const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
  ASSERT_NE(german, nullptr) << "locale de_DE.UTF-8 is missing: enable it in /etc/locale.gen and run "
                                "locale-gen (Debian: apt-get install locales)";
  const std::string general = FormatText("%g", 0.5);
  const std::string numbered = FormatText("1!%.2f", 2.5);
  const std::string asText = FormatText("%s", 0.5);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(general, "0.5");
  EXPECT_EQ(numbered, "2.50");
  EXPECT_EQ(asText, "0.5");
}

}  // namespace
}  // namespace armakon
