// Fields, white space, case and characters of UTF-8 texts.

#include "armakon/components/hydStrUtil.h"

#include "armakon/components/CodePageUtf8.h"

namespace armakon::hydStrUtil {

// Byte loops rather than find(): fields of product-data lines are a few bytes long, where the
// call overhead of memchr per field outweighs its speed.
std::string_view GetSubStrView(std::string_view text, int n, char separator) {
  if (n < 1) return {};
  const std::size_t size = text.size();
  std::size_t start = 0;
  for (int field = 1; field < n; ++field) {
    while (start < size && text[start] != separator) ++start;
    if (start == size) return {};
    ++start;
  }
  std::size_t end = start;
  while (end < size && text[end] != separator) ++end;
  return text.substr(start, end - start);
}

std::string GetSubStr(std::string_view text, int n, char separator) {
  return std::string(GetSubStrView(text, n, separator));
}

std::size_t GetSubStrCount(std::string_view text, char separator) {
  if (text.empty()) return 0;
  std::size_t count = 1;
  for (const char c : text) {
    if (c == separator) ++count;
  }
  return count;
}

void SplitFields(std::string_view text, char separator, std::vector<std::string_view>& fields) {
  fields.clear();
  if (text.empty()) return;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] != separator) continue;
    fields.push_back(text.substr(start, pos - start));
    start = pos + 1;
  }
  fields.push_back(text.substr(start));
}

namespace {
bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
}  // namespace

std::string_view TrimLeftView(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isWhiteSpace(text[start])) ++start;
  return text.substr(start);
}

std::string_view TrimRightView(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && isWhiteSpace(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string_view TrimView(std::string_view text) { return TrimRightView(TrimLeftView(text)); }
std::string Trim(std::string_view text) { return std::string(TrimView(text)); }
std::string TrimLeft(std::string_view text) { return std::string(TrimLeftView(text)); }
std::string TrimRight(std::string_view text) { return std::string(TrimRightView(text)); }

char32_t ToUpperChar(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c < 0xE0) return c;
  if (c <= 0xFE) return c == 0xF7 ? c : c - 0x20;  // à..þ without ÷
  switch (c) {
    case 0xFF: return 0x178;   // ÿ
    case 0x161: return 0x160;  // š
    case 0x153: return 0x152;  // œ
    case 0x17E: return 0x17D;  // ž
    default: return c;
  }
}

char32_t ToLowerChar(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;  // À..Þ without ×
  switch (c) {
    case 0x178: return 0xFF;   // Ÿ
    case 0x160: return 0x161;  // Š
    case 0x152: return 0x153;  // Œ
    case 0x17D: return 0x17E;  // Ž
    default: return c;
  }
}

namespace {
template <class Map>
std::string mapCase(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    if (static_cast<unsigned char>(c) < 0x80U) {
      out.push_back(static_cast<char>(map(static_cast<char32_t>(c))));
      ++pos;
      continue;
    }
    char32_t codePoint = 0;
    std::size_t length = 0;
    if (decodeUtf8At(text, pos, codePoint, length)) {
      appendUtf8(out, map(codePoint));
    } else {
      out.push_back(c);
    }
    pos += length;
  }
  return out;
}

// The lower-cased unit at pos; a damaged byte gets a value beyond Unicode so that it compares
// equal only to the same byte.
char32_t foldedAt(std::string_view text, std::size_t& pos) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte < 0x80U) {
    ++pos;
    return ToLowerChar(byte);
  }
  char32_t codePoint = 0;
  std::size_t length = 0;
  const bool valid = decodeUtf8At(text, pos, codePoint, length);
  pos += length;
  return valid ? ToLowerChar(codePoint) : 0x110000 + byte;
}
}  // namespace

std::string ToUpper(std::string_view text) { return mapCase(text, ToUpperChar); }
std::string ToLower(std::string_view text) { return mapCase(text, ToLowerChar); }

int CompareNoCase(std::string_view a, std::string_view b) {
  std::size_t posA = 0;
  std::size_t posB = 0;
  while (posA < a.size() && posB < b.size()) {
    const char32_t left = foldedAt(a, posA);
    const char32_t right = foldedAt(b, posB);
    if (left != right) return left < right ? -1 : 1;
  }
  if (posA < a.size()) return 1;
  if (posB < b.size()) return -1;
  return 0;
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

namespace {
// Byte offset after the first count characters.
std::size_t offsetAfterChars(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < count && pos < text.size(); ++i) {
    char32_t codePoint = 0;
    std::size_t length = 0;
    decodeUtf8At(text, pos, codePoint, length);
    pos += length;
  }
  return pos;
}
}  // namespace

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t codePoint = 0;
    std::size_t length = 0;
    decodeUtf8At(text, pos, codePoint, length);
    pos += length;
    ++count;
  }
  return count;
}

std::string LeftChars(std::string_view text, std::size_t count) {
  return std::string(text.substr(0, offsetAfterChars(text, count)));
}

std::string RightChars(std::string_view text, std::size_t count) {
  const std::size_t total = CharCount(text);
  if (count >= total) return std::string(text);
  return std::string(text.substr(offsetAfterChars(text, total - count)));
}

std::string Replace(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (;;) {
    const std::size_t found = text.find(from, start);
    if (found == std::string_view::npos) break;
    out.append(text.substr(start, found - start));
    out.append(to);
    start = found + from.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace armakon::hydStrUtil
