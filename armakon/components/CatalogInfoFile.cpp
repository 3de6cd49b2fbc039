#include "armakon/components/CatalogInfoFile.h"

#include <algorithm>
#include <unordered_set>

#include "armakon/components/CodePage1252.h"
#include "armakon/components/CodePageUtf8.h"

namespace armakon {

namespace {

std::string_view trimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool hasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
  });
}

std::string asciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// Sheet folder names in first-seen order, each once (case ignored); the set keeps a file
// with many entries from costing quadratic time.
class FolderList {
 public:
  void add(std::string_view name) {
    if (seen_.insert(asciiLower(name)).second) names_.emplace_back(name);
  }
  std::vector<std::string> take() { return std::move(names_); }

 private:
  std::vector<std::string> names_;
  std::unordered_set<std::string> seen_;
};

enum class Section { kMain, kOrgInfo, kOther };

class InfoLineParser {
 public:
  explicit InfoLineParser(CatalogInfoText& info) : info_(info) {}

  // True when the line was recognised as part of an info file.
  bool parse(std::string_view rawLine) {
    const std::string_view line = trimBlanks(rawLine);
    if (line.empty() || line.front() == '#' || line.front() == ';') return false;
    if (hasControlCharacter(line)) return false;
    if (equalsIgnoringAsciiCase(line, "ENDE")) return true;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      const std::string_view name = trimBlanks(line.substr(1, line.size() - 2));
      section_ = equalsIgnoringAsciiCase(name, "OrgInfo") ? Section::kOrgInfo : Section::kOther;
      if (section_ == Section::kOrgInfo) info_.hasOrgSection = true;
      return section_ == Section::kOrgInfo;
    }
    const std::size_t colon = line.find(':');
    const std::size_t equals = line.find('=');
    if (colon != std::string_view::npos && colon < equals) return parseColonLine(line, colon);
    if (equals != std::string_view::npos) return parseKeyValue(line, equals);
    return false;
  }

  // Sheet folders of the "Content" line first, in their order, then those of the entries.
  void finish() {
    for (const std::string& folder : entryFolders_.take()) contentFolders_.add(folder);
    info_.sheetFolders = contentFolders_.take();
  }

 private:
  // "Content:VDI_2:VDI_17" or an entry "VDI_2:VDI_2\FILE.VDI" (in any section: an entry
  // inserted where the file had no "ENDE" line may land below the organisation section).
  bool parseColonLine(std::string_view line, std::size_t colon) {
    const std::string_view key = trimBlanks(line.substr(0, colon));
    std::string_view rest = line.substr(colon + 1);
    if (key.empty()) return false;
    if (equalsIgnoringAsciiCase(key, "Content")) {
      while (!rest.empty()) {
        const std::size_t next = rest.find(':');
        const std::string_view folder = trimBlanks(rest.substr(0, next));
        if (!folder.empty()) contentFolders_.add(folder);
        if (next == std::string_view::npos) break;
        rest.remove_prefix(next + 1);
      }
      return true;
    }
    std::string path(trimBlanks(rest));
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!isSafeRelativeCatalogPath(path)) return false;
    entryFolders_.add(key);
    info_.entries.push_back({std::string(key), std::move(path)});
    return true;
  }

  bool parseKeyValue(std::string_view line, std::size_t equals) {
    const std::string_view key = trimBlanks(line.substr(0, equals));
    const std::string_view value = trimBlanks(line.substr(equals + 1));
    if (key.empty()) return false;
    if (section_ == Section::kOrgInfo) {
      info_.orgInfo.push_back({std::string(key), std::string(value)});
      return true;
    }
    if (section_ != Section::kMain) return false;
    // The first line of each key counts, as a person reading the file top-down expects.
    std::string* field = nullptr;
    bool* seen = nullptr;
    if (equalsIgnoringAsciiCase(key, "ID")) {
      field = &info_.id;
      seen = &seenId_;
    } else if (equalsIgnoringAsciiCase(key, "Name")) {
      field = &info_.displayName;
      seen = &seenName_;
    } else if (equalsIgnoringAsciiCase(key, "Logo")) {
      field = &info_.logoFileName;
      seen = &seenLogo_;
    } else {
      return false;
    }
    if (!*seen) *field = std::string(value);
    *seen = true;
    return true;
  }

 private:
  CatalogInfoText& info_;
  Section section_ = Section::kMain;
  FolderList contentFolders_;
  FolderList entryFolders_;
  bool seenId_ = false;
  bool seenName_ = false;
  bool seenLogo_ = false;
};

}  // namespace

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::string decodeCatalogInfoBytes(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
  if (isValidUtf8(bytes)) return std::string(bytes);
  return decode1252(bytes);
}

bool isSafeRelativeCatalogPath(std::string_view path) {
  if (path.empty() || path.front() == '/') return false;
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    if (path.substr(0, slash) == "..") return false;
    if (slash == std::string_view::npos) break;
    path.remove_prefix(slash + 1);
  }
  return true;
}

bool parseCatalogInfoText(std::string_view bytes, CatalogInfoText& info) {
  info = CatalogInfoText{};
  const std::string text = decodeCatalogInfoBytes(bytes);
  CatalogInfoText parsed;
  InfoLineParser parser(parsed);
  bool recognised = false;
  std::string_view rest = text;
  while (!rest.empty()) {
    // Lines end with "\r\n", "\n" or a lone "\r".
    const std::size_t end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (parser.parse(line)) recognised = true;
    if (end == std::string_view::npos) break;
    const std::size_t skip = (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') ? 2 : 1;
    rest.remove_prefix(end + skip);
  }
  if (!recognised) return false;
  parser.finish();
  info = std::move(parsed);
  return true;
}

}  // namespace armakon
