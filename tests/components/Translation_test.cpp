#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"

namespace armakon {
namespace {

struct KeyCase {
  const char* text;
  const char* expected;
};

TEST(Translation, CatalogLinesAndLookups) {
  CTranslationModule module("catalog");
  const CatalogLoadResult result = module.LoadCatalogText(
      "\xEF\xBB\xBF# Englisch\r\n"
      "kv-Wert\tkv\tkv value\r\n"
      "\tPumpenauswahl\tPump selection\n"
      "\tZeile 1\\nZeile 2\tLine 1\\nLine 2\n"
      "\n"
      "Einheit\tm³/h\tcu.m/h\n"
      "nur zwei\tFelder\n"              // too few fields
      "a\tb\tc\td\n"                     // too many fields
      "x\t\tleer\n"                      // empty German text
      "x\tleer\t\n"                      // empty translation
      "x\tfalsch\\q\tescape\n"          // unknown escape
      "x\tkaputt\xC3\tbytes\n"           // invalid UTF-8
      "\tPumpenauswahl\tPump choice");  // later entry replaces, no final line break
  EXPECT_TRUE(result.readable);
  EXPECT_EQ(result.entries, 5);
  EXPECT_EQ(result.skippedLines, 6);
  EXPECT_EQ(module.size(), 4u);

  const std::vector<KeyCase> cases = {
      {"@kv-Wert@kv", "kv value"},
      {"kv", "kv"},                      // same text, other context: not translated
      {"@anderer@kv", "kv"},
      {"Pumpenauswahl", "Pump choice"},
      {"Zeile 1\nZeile 2", "Line 1\nLine 2"},
      {"Unbekannter Text", "Unbekannter Text"},
      {"@Unbekannt@Wert", "Wert"},
  };
  for (const KeyCase& c : cases) EXPECT_EQ(module.Translate(c.text), c.expected) << c.text;

  module.Clear();
  EXPECT_EQ(module.Translate("@kv-Wert@kv"), "kv");
}

#ifdef ARMAKON_SOURCE_DIR
#endif

}  // namespace
}  // namespace armakon
