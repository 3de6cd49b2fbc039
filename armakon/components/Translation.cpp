#include "armakon/components/Translation.h"

#include <array>
#include <limits>

#include "armakon/components/AtomicFile.h"

namespace armakon {

namespace {

const std::string_view kUnitContext = "Einheit";

bool isValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    unsigned long cp = 0;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2;
      cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
      cp = b & 0x07;
    } else {
      return false;
    }
    if (s.size() - i <= extra) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const unsigned char c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

// Resolves the backslash escapes of a catalog field; false on an unknown or cut-off escape.
bool unescape(std::string_view field, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out += field[i];
      continue;
    }
    if (++i >= field.size()) return false;
    switch (field[i]) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      default: return false;
    }
  }
  return true;
}

// Splits a catalog line into exactly three tab-separated fields.
bool splitFields(std::string_view line, std::array<std::string_view, 3>& fields) {
  for (std::size_t k = 0; k < 2; ++k) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return false;
    fields[k] = line.substr(0, tab);
    line.remove_prefix(tab + 1);
  }
  if (line.find('\t') != std::string_view::npos) return false;
  fields[2] = line;
  return true;
}

}  // namespace

TranslationKey splitTranslationKey(std::string_view text) {
  TranslationKey key;
  if (text.empty() || text.front() != '@') {
    key.text = text;
    return key;
  }
  const std::size_t last = text.rfind('@');
  key.isKey = true;
  key.context = last == 0 ? std::string_view() : text.substr(1, last - 1);
  key.text = text.substr(last + 1);
  return key;
}

CTranslationModule::CTranslationModule(std::string name) : name_(std::move(name)) {}

bool CTranslationModule::Lookup(std::string_view context, std::string_view text, std::string& translation) const {
  std::shared_lock lock(mutex_);
  const auto byContext = entries_.find(context);
  if (byContext == entries_.end()) return false;
  const auto entry = byContext->second.find(text);
  if (entry == byContext->second.end()) return false;
  translation = entry->second;
  return true;
}

std::string CTranslationModule::Translate(std::string_view text) const {
  const TranslationKey key = splitTranslationKey(text);
  std::string translation;
  if (Lookup(key.context, key.text, translation)) return translation;
  return std::string(key.text);
}

CatalogLoadResult CTranslationModule::LoadCatalog(const std::filesystem::path& path) {
  std::string content;
  if (!readWholeFile(path, content, kMaxCatalogSize)) return {};
  return LoadCatalogText(content);
}

CatalogLoadResult CTranslationModule::LoadCatalogText(std::string_view content) {
  CatalogLoadResult result;
  result.readable = true;
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);

  std::unique_lock lock(mutex_);
  std::array<std::string_view, 3> fields;
  std::array<std::string, 3> values;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;

    bool good = isValidUtf8(line) && splitFields(line, fields);
    for (std::size_t k = 0; good && k < 3; ++k) good = unescape(fields[k], values[k]);
    if (!good || values[1].empty() || values[2].empty()) {
      if (result.skippedLines < std::numeric_limits<int>::max()) ++result.skippedLines;
      continue;
    }
    TextMap& texts = entries_[values[0]];
    const auto [entry, inserted] = texts.insert_or_assign(values[1], values[2]);
    if (inserted) ++count_;
    if (result.entries < std::numeric_limits<int>::max()) ++result.entries;
  }
  return result;
}

void CTranslationModule::Clear() {
  std::unique_lock lock(mutex_);
  entries_.clear();
  count_ = 0;
}

std::size_t CTranslationModule::size() const {
  std::shared_lock lock(mutex_);
  return count_;
}

CTranslationManager& CTranslationManager::GetInstance() {
  static CTranslationManager instance;
  return instance;
}

CTranslationModule* CTranslationManager::AddModule(std::string_view handle) {
  std::unique_lock lock(mutex_);
  for (const auto& module : modules_) {
    if (module->name() == handle) return module.get();
  }
  modules_.push_back(std::make_unique<CTranslationModule>(std::string(handle)));
  return modules_.back().get();
}

CTranslationModule* CTranslationManager::FindModule(std::string_view handle) const {
  std::shared_lock lock(mutex_);
  for (const auto& module : modules_) {
    if (module->name() == handle) return module.get();
  }
  return nullptr;
}

bool CTranslationManager::Lookup(std::string_view context, std::string_view text, std::string& translation) const {
  std::shared_lock lock(mutex_);
  for (const auto& module : modules_) {
    if (module->Lookup(context, text, translation)) return true;
  }
  return false;
}

std::string CTranslationManager::Translate(std::string_view text) const {
  const TranslationKey key = splitTranslationKey(text);
  std::string translation;
  if (Lookup(key.context, key.text, translation)) return translation;
  return std::string(key.text);
}

std::string Translate(std::string_view text) { return CTranslationManager::GetInstance().Translate(text); }

std::string TranslateUnits(std::string_view unit) {
  std::string translation;
  if (CTranslationManager::GetInstance().Lookup(kUnitContext, unit, translation)) return translation;
  return std::string(unit);
}

}  // namespace armakon
