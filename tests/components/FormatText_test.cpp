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

TEST(FormatText, PlainConversions) {
  expectAll({
      {"DN%d", {25}, "DN25"},
      {"%i/%i", {3, -4}, "3/-4"},
      {"'%s', DN%d", {"Ventil", 15}, "'Ventil', DN15"},
      {"%f", {0.5}, "0.500000"},
      {"%.1f (kv=%.3f m³/h)", {2.0, 0.45}, "2.0 (kv=0.450 m³/h)"},
      {"%g %s", {3.5, "Umdr."}, "3.5 Umdr."},
      {"%e", {1234.5}, "1.234500e+03"},
      {"%c%c", {'A', 'b'}, "Ab"},
      {"100%%", {}, "100%"},
      {"%5d|%-5d|%05d|%+d|% d", {42, 42, 42, 42, 42}, "   42|42   |00042|+42| 42"},
      {"%2.d|%4.d|%2.0d", {0, 7, 0}, "  |   7|  "},
      {"%x %X %o %u", {255, 255, 8, 17u}, "ff FF 10 17"},
      {"%ld %lld %hd %.2lf", {1L, 2LL, 3, 1.5}, "1 2 3 1.50"},
      {"%ls and %S", {"wide", "also"}, "wide and also"},
      {"%6.2s|%-4s|", {"abc", "ü"}, "    ab|ü   |"},
      {"%.2s", {"äöü"}, "äö"},  // precision counts characters, not bytes
  });
}

TEST(FormatText, NumberedPlaceholders) {
  expectAll({
      {"Idx 1!%i stimmt nicht mit Idx 2!%i überein", {3, 5}, "Idx 3 stimmt nicht mit Idx 5 überein"},
      {"2!%s vor 1!%s", {"a", "b"}, "b vor a"},
      {"1!%s und nochmal 1!%s", {"x"}, "x und nochmal x"},
      {"1!%d.2!%d.3!%d, 4!%dh5!%dLT", {7, 3, 2024, 9, 5}, "7.3.2024, 9h5LT"},
      {"Qn (2!%.2f m³/h) Satzart 700 Idx 1!%d", {12, 1.5}, "Qn (1.50 m³/h) Satzart 700 Idx 12"},
      {"1!%s;2!%s;", {"700", "12"}, "700;12;"},
      {"10!%s", {0, 1, 2, 3, 4, 5, 6, 7, 8, "zehn"}, "zehn"},
      // Plain text that only looks like a placeholder start stays as it is.
      {"Achtung 1! Wert", {5}, "Achtung 1! Wert"},
      {"1!%%", {}, "1!%"},
      {"Stufe 3", {}, "Stufe 3"},
      // Plain conversions count only among themselves.
      {"%s: 2!%s, %s", {"a", "b", 9}, "a: b, b"},
  });
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
  });
}

TEST(FormatText, MalformedConversionsAreCopied) {
  expectAll({
      {"50% Rabatt", {}, "50% Rabatt"},
      {"Ende %", {1}, "Ende %"},
      {"%*d", {5, 6}, "%*d"},
      {"%n%p", {1, 2}, "%n%p"},
      {"%99999d", {1}, "%99999d"},
      {"%.9999f", {1.0}, "%.9999f"},
      {"1!%q", {1}, "1!%q"},
  });
}

TEST(FormatText, VariadicAndListFormsAgree) {
  const std::string name = "Ventil";
  EXPECT_EQ(FormatText("1!%s DN2!%d 3!%.1f", name, 20, 0.5), "Ventil DN20 0.5");
  EXPECT_EQ(FormatText("1!%s DN2!%d 3!%.1f", {name, 20, 0.5}), "Ventil DN20 0.5");
  EXPECT_EQ(FormatText("ohne Argumente %%"), "ohne Argumente %");
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
