#pragma once
// Translation of the library's German user texts.
//
// Every text the user sees is written in German in the code and passed through a translation
// module. Two kinds of text exist:
//   - a translation key "@context@text" ("@kv-Wert@kv", "@Einheit@1/min"): the context runs
//     from the first to the last "@", the German default text follows the last "@". Without a
//     translation the default text comes back. A key is looked up under its context only: a
//     short text like "kv" may need different translations in different places.
//   - any other text (often a whole message or a format such as "Temperatur %.0f ... %.0f %s"):
//     looked up as it stands, under the empty context, and returned unchanged without one.
// With no catalog loaded everything stays German.
//
// Catalog files (UTF-8, one entry per line, lines end in LF or CRLF, an optional BOM):
//     # comment
//     <context> TAB <German text> TAB <translation>
// The context is empty for plain texts (the line then starts with a TAB); for a key
// "@kv-Wert@kv" the context is "kv-Wert" and the German text "kv". Inside the three fields
// "\n", "\t" and "\\" stand for a line break, a tab and a backslash. Blank lines and lines
// starting with '#' are ignored. A line without exactly three fields, with an empty German
// text or translation, with an unknown escape or with invalid UTF-8 is skipped and counted.
// Later entries for the same context and text replace earlier ones.
//
// Units: TranslateUnits(unit) looks the unit up under the context "Einheit" (the same entries
// that keys like "@Einheit@1/min" use) and returns the unit unchanged without one. Units are
// written in the code the way the user reads them ("m³/h", "°C", "K"), so the German result
// needs no conversion.
//
// Threads: modules are registered and catalogs loaded at start-up; lookups may run on any
// thread at any time and take a shared lock only.

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

namespace armakon {

// Largest catalog file accepted; a real catalog is a few hundred kilobytes.
inline constexpr std::size_t kMaxCatalogSize = std::size_t{16} * 1024 * 1024;

// A translation key split into its parts; a plain text has an empty context and isKey false.
struct TranslationKey {
  bool isKey = false;
  std::string_view context;
  std::string_view text;  // the German default text
};
TranslationKey splitTranslationKey(std::string_view text);

// Result of reading a catalog.
struct CatalogLoadResult {
  bool readable = false;  // false when the file could not be read (or was too large)
  int entries = 0;        // entries taken over
  int skippedLines = 0;   // malformed lines left out
};

// The translations of one library module.
class CTranslationModule {
 public:
  explicit CTranslationModule(std::string name);
  CTranslationModule(const CTranslationModule&) = delete;
  CTranslationModule& operator=(const CTranslationModule&) = delete;

  const std::string& name() const { return name_; }

  // The translation of text, or its German default (see the key rule above).
  std::string Translate(std::string_view text) const;
  std::string operator()(std::string_view text) const { return Translate(text); }
  // True and the translation when the catalog has one; false and nothing otherwise.
  bool Lookup(std::string_view context, std::string_view text, std::string& translation) const;

  CatalogLoadResult LoadCatalog(const std::filesystem::path& path);
  CatalogLoadResult LoadCatalogText(std::string_view content);
  // Back to German.
  void Clear();
  std::size_t size() const;

 private:
  std::string name_;
  mutable std::shared_mutex mutex_;
  using TextMap = std::map<std::string, std::string, std::less<>>;
  // context -> German text -> translation; transparent comparison looks up views without copies.
  std::map<std::string, TextMap, std::less<>> entries_;
  std::size_t count_ = 0;
};

// The program-wide register of translation modules.
class CTranslationManager {
 public:
  static CTranslationManager& GetInstance();

  // Registers the module of a library by its name (the module's file name or any stable
  // identifier) and returns it; the same name returns the same module. The module lives as
  // long as the program.
  CTranslationModule* AddModule(std::string_view handle);
  // The registered module of that name, or null.
  CTranslationModule* FindModule(std::string_view handle) const;

  // Asks the modules in the order of registration; the first translation found wins, else
  // the German default.
  std::string Translate(std::string_view text) const;
  bool Lookup(std::string_view context, std::string_view text, std::string& translation) const;

 private:
  CTranslationManager() = default;
  mutable std::shared_mutex mutex_;
  std::vector<std::unique_ptr<CTranslationModule>> modules_;
};

// Shorthand for CTranslationManager::GetInstance().Translate(text).
std::string Translate(std::string_view text);

// The translation of a unit text (context "Einheit"), or the unit unchanged.
std::string TranslateUnits(std::string_view unit);

}  // namespace armakon
