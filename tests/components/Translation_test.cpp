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

TEST(Translation, KeyRuleWithoutCatalog) {
  CTranslationModule module("untranslated");
  const std::vector<KeyCase> cases = {
      {"@kv-Wert@kv", "kv"},
      {"@Einheit@1/min", "1/min"},
      {"@...der Netzkennlinie@Betriebspunkt", "Betriebspunkt"},
      {"@a@b@c", "c"},
      {"@nur", "nur"},
      {"@Kontext@", ""},
      {"Pumpenauswahl", "Pumpenauswahl"},
      {"E-Mail: info@example.org", "E-Mail: info@example.org"},
      {"", ""},
  };
  for (const KeyCase& c : cases) EXPECT_EQ(module.Translate(c.text), c.expected) << c.text;
}

TEST(Translation, SplitKey) {
  const TranslationKey key = splitTranslationKey("@a@b@c");
  EXPECT_TRUE(key.isKey);
  EXPECT_EQ(key.context, "a@b");
  EXPECT_EQ(key.text, "c");
  EXPECT_FALSE(splitTranslationKey("kv").isKey);
}

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

TEST(Translation, CatalogFileAndManager) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "armakon_translation_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "en.tsv";
  std::ofstream(file) << "Einheit\tK\tkelvin\n\tTyp:\tType:\n";

  CTranslationManager& manager = CTranslationManager::GetInstance();
  CTranslationModule* first = manager.AddModule("translation-test");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(manager.AddModule("translation-test"), first);
  EXPECT_EQ(manager.FindModule("translation-test"), first);
  EXPECT_EQ(manager.FindModule("nirgends"), nullptr);

  EXPECT_FALSE(first->LoadCatalog(folder / "fehlt.tsv").readable);
  EXPECT_EQ(first->LoadCatalog(file).entries, 2);
  EXPECT_EQ(Translate("Typ:"), "Type:");
  EXPECT_EQ(TranslateUnits("K"), "kelvin");
  EXPECT_EQ(TranslateUnits("m³/h"), "m³/h");
  EXPECT_EQ(Translate("@Einheit@K"), "kelvin");

  // Lookups from several threads while the catalog stays loaded.
  std::vector<std::thread> readers;
  std::vector<int> hits(4, 0);
  for (std::size_t t = 0; t < hits.size(); ++t) {
    readers.emplace_back([&hits, t] {
      for (int i = 0; i < 1000; ++i) hits[t] += Translate("Typ:") == "Type:" ? 1 : 0;
    });
  }
  for (std::thread& reader : readers) reader.join();
  for (const int h : hits) EXPECT_EQ(h, 1000);

  first->Clear();
  EXPECT_EQ(TranslateUnits("K"), "K");
  std::filesystem::remove_all(folder);
}

#ifdef ARMAKON_SOURCE_DIR
// The bundled English catalog is well-formed and its reordered placeholders fill correctly.
TEST(Translation, BundledEnglishCatalog) {
  CTranslationModule module("bundled-en");
  const CatalogLoadResult result =
      module.LoadCatalog(std::filesystem::path(ARMAKON_SOURCE_DIR) / "data/translations/armakon.en.tsv");
  ASSERT_TRUE(result.readable);
  EXPECT_GT(result.entries, 10);
  EXPECT_EQ(result.skippedLines, 0);
  EXPECT_EQ(module.Translate("@Umdrehungen@Umdr."), "turns");
  EXPECT_EQ(FormatText(module.Translate("Der Verweis auf Produkt-Hauptgruppe I (Satzart 100, Idx 1!%i) stimmt nicht "
                                        "mit der hier über liegenden Satzart 100 (Idx 2!%i) überein."),
                       3, 4),
            "Record 100 above (index 4) does not match the reference to product main group I (record 100, index 3).");
  EXPECT_EQ(module.Translate("Dateiname bereits vorhanden!\nDiese Datei überschreiben?\n\"Nein\" vergibt einen anderen "
                             "Dateinamen."),
            "File name already exists!\nOverwrite this file?\n\"No\" chooses another file name.");
}
#endif

}  // namespace
}  // namespace armakon
