#include "armakon/platform/FileFilter.h"

#include <gtest/gtest.h>

namespace armakon {
namespace {

TEST(FileFilterTest, SplitsTheWindowsFormAsTheDialogsPassIt) {
  struct Case {
    const char* filter;
    std::vector<FileFilterEntry> expected;
  };
  const Case cases[] = {
      {"VDI 3805 Dateien (*.VDI;*.TGA)|*.VDI;*.TGA|nur VDI 3805 Dateien ab 11.2001 (*.VDI)|*.VDI|"
       "nur VDI 3805 Dateien ab 08.1996 (*.TGA)|*.TGA|Alle Dateien (*.*)|*.*||",
       {{"VDI 3805 Dateien (*.VDI;*.TGA)", {"*.VDI", "*.TGA"}},
        {"nur VDI 3805 Dateien ab 11.2001 (*.VDI)", {"*.VDI"}},
        {"nur VDI 3805 Dateien ab 08.1996 (*.TGA)", {"*.TGA"}},
        {"Alle Dateien (*.*)", {"*.*"}}}},
      {"Text Dateien (*.txt)|*.txt|Alle Dateien|*.*|",
       {{"Text Dateien (*.txt)", {"*.txt"}}, {"Alle Dateien", {"*.*"}}}},
      {"PMP Dateien (*.PMP)|*.PMP|", {{"PMP Dateien (*.PMP)", {"*.PMP"}}}},
      {"Modell|*.vam", {{"Modell", {"*.vam"}}}},  // no closing bar
      {"A|*.a||B|*.b|", {{"A", {"*.a"}}}},        // "||" ends the list
      {"A| *.a ; ;*.b |Ohne Muster|",
       {{"A", {"*.a", "*.b"}}}},  // blanks, empty pattern, lone description
      {"Leer||", {}},
      {"", {}},
      {"|||", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(splitFileFilter(c.filter), c.expected) << c.filter;
}

}  // namespace
}  // namespace armakon
