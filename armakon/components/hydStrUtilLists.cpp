// String lists to and from text files in code page 1252 or UTF-8, plain or .vdix-encoded.

#include "armakon/components/hydStrUtil.h"

#include "armakon/components/CodePage1252.h"
#include "armakon/components/CodePageUtf8.h"
#include "armakon/components/VdixEncoding.h"

namespace armakon::hydStrUtil {

namespace {
bool isKnownCodePage(int codePage) { return codePage == kCodePage1252 || codePage == kCodePageUtf8; }

bool startsWithBom(std::string_view bytes) { return bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom; }

// The file's text in UTF-8; bytes that are UTF-8 already are taken over, not copied.
std::string decodeFile(std::string&& bytes, int codePage) {
  const std::string_view view(bytes);
  if (startsWithBom(view)) return decodeUtf8Or1252(view.substr(kUtf8Bom.size()));
  if (codePage == kCodePageUtf8) return decodeUtf8Or1252(view);
  if (looksLikeUtf8(view)) return std::move(bytes);
  return decode1252(view);
}

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// Position of the next line break at or after pos, or text.size().
std::size_t lineEnd(std::string_view text, std::size_t pos) {
  while (pos < text.size() && !isLineBreak(text[pos])) ++pos;
  return pos;
}

// Position after the line break at end ("\r\n" counts as one).
std::size_t afterLineBreak(std::string_view text, std::size_t end) {
  return end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
}

// Number of lines SplitLines would produce, counted without allocating.
std::size_t countLines(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = lineEnd(text, pos);
    ++count;
    if (end == text.size()) break;
    pos = afterLineBreak(text, end);
  }
  return count;
}

// SplitLines for a text whose lines have been counted already.
void splitCountedLines(std::string_view text, std::size_t count, StringList& lines) {
  lines.clear();
  lines.reserve(count);
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = lineEnd(text, pos);
    lines.emplace_back(text.substr(pos, end - pos));
    if (end == text.size()) break;
    pos = afterLineBreak(text, end);
  }
}

// Decodes and splits the bytes, which are dropped as soon as the text stands: a catalog
// file can be large, and its bytes, its text and its lines need not all be held at once.
bool readPlain(StringList& list, std::string&& bytes, int codePage) {
  const std::string text = decodeFile(std::move(bytes), codePage);
  std::string().swap(bytes);
  const std::size_t count = countLines(text);
  if (count > kMaxStringListLines) return false;
  splitCountedLines(text, count, list);
  return true;
}

}  // namespace

void SplitLines(std::string_view text, StringList& lines) { splitCountedLines(text, countLines(text), lines); }

bool readStringlistFromString(StringList& list, std::string_view bytes, int codePage, int mode) {
  list.clear();
  if (!isKnownCodePage(codePage) || (mode != 0 && mode != 1)) return false;
  if (bytes.size() > kMaxFileSize) return false;
  if (mode == 1 && vdix::isEncoded(bytes)) {
    std::string payload;
    int payloadCodePage = 0;
    if (!vdix::decode(bytes, payload, payloadCodePage)) return false;
    return readPlain(list, std::move(payload), payloadCodePage);
  }
  return readPlain(list, std::string(bytes), codePage);
}

bool readStringlistFromFile(StringList& list, const std::filesystem::path& path, int codePage,
                            int mode) {
  list.clear();
  if (!isKnownCodePage(codePage) || (mode != 0 && mode != 1)) return false;
  std::string bytes;
  if (!readWholeFile(path, bytes, kMaxFileSize)) return false;
  if (mode == 1 && vdix::isEncoded(bytes)) return readStringlistFromString(list, bytes, codePage, mode);
  return readPlain(list, std::move(bytes), codePage);
}

bool writeStringlistToString(const StringList& list, std::string& bytes, int codePage,
                             bool encoded) {
  bytes.clear();
  if (!isKnownCodePage(codePage)) return false;
  std::string plain;
  if (codePage == kCodePageUtf8 && !list.empty() && startsWithBom(list.front())) {
    plain.append(kUtf8Bom);
  }
  for (const std::string& line : list) {
    plain.append(codePage == kCodePage1252 ? encode1252(line) : line);
    plain.append("\r\n");
  }
  bytes = encoded ? vdix::encode(plain, codePage) : std::move(plain);
  return true;
}

bool writeStringlistToFile(const StringList& list, const std::filesystem::path& path,
                           int codePage, bool encoded) {
  std::string bytes;
  return writeStringlistToString(list, bytes, codePage, encoded) &&
         writeFileAtomically(path, bytes);
}

}  // namespace armakon::hydStrUtil
