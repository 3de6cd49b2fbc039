#include "armakon/components/VdixEncoding.h"

#include "armakon/components/AtomicFile.h"
#include "armakon/components/NumberText.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace armakon::vdix {

namespace {
constexpr std::uint32_t kKeySeed = 0x56444958U;
constexpr std::size_t kLineLength = 76;
constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::uint32_t, 256> makeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = makeCrcTable();

constexpr std::array<signed char, 256> makeBase64Values() {
  std::array<signed char, 256> values{};
  for (auto& v : values) v = -1;
  for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
    values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
  }
  return values;
}
constexpr std::array<signed char, 256> kBase64Values = makeBase64Values();

// XORs the bytes with the key stream (its own inverse).
void applyKeyStream(std::string& bytes) {
  std::uint32_t state = kKeySeed;
  for (char& c : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    c = static_cast<char>(static_cast<unsigned char>(c) ^ static_cast<unsigned char>(state >> 24));
  }
}

void appendBase64(std::string& out, std::string_view bytes) {
  std::size_t lineUsed = 0;
  auto put = [&](std::uint32_t sextet) {
    out.push_back(sextet > 63 ? '=' : kAlphabet[sextet]);
    if (++lineUsed == kLineLength) {
      out.append("\r\n");
      lineUsed = 0;
    }
  };
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t group = (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16) |
                                (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8) |
                                static_cast<unsigned char>(bytes[i + 2]);
    put(group >> 18);
    put((group >> 12) & 63U);
    put((group >> 6) & 63U);
    put(group & 63U);
  }
  const std::size_t rest = bytes.size() - i;
  if (rest > 0) {
    std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (rest == 2) group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    put(group >> 18);
    put((group >> 12) & 63U);
    put(rest == 2 ? (group >> 6) & 63U : 64U);
    put(64U);
  }
  if (lineUsed > 0) out.append("\r\n");
}

bool isBodyBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Decodes base64 text (blanks and line breaks skipped, padding required) into bytes.
bool decodeBase64(std::string_view text, std::size_t expectedSize, std::string& bytes) {
  bytes.clear();
  bytes.reserve(std::min(expectedSize, text.size() / 4 * 3 + 3));
  std::uint32_t group = 0;
  int inGroup = 0;
  int padding = 0;
  for (const char c : text) {
    if (isBodyBlank(c)) continue;
    if (c == '=') {
      if (inGroup + padding < 2) return false;  // padding can only end a group of 2 or 3
      if (++padding + inGroup > 4) return false;
      continue;
    }
    const signed char value = kBase64Values[static_cast<unsigned char>(c)];
    if (value < 0 || padding > 0) return false;  // foreign character, or data after padding
    group = (group << 6) | static_cast<std::uint32_t>(value);
    if (++inGroup == 4) {
      if (bytes.size() + 3 > expectedSize) return false;
      bytes.push_back(static_cast<char>((group >> 16) & 0xFFU));
      bytes.push_back(static_cast<char>((group >> 8) & 0xFFU));
      bytes.push_back(static_cast<char>(group & 0xFFU));
      group = 0;
      inGroup = 0;
    }
  }
  if (inGroup == 0) return padding == 0;
  if (inGroup + padding != 4) return false;
  if (inGroup == 2) {
    if ((group & 0x0FU) != 0) return false;  // padding bits must be zero
    bytes.push_back(static_cast<char>((group >> 4) & 0xFFU));
  } else {  // 3 characters
    if ((group & 0x03U) != 0) return false;
    bytes.push_back(static_cast<char>((group >> 10) & 0xFFU));
    bytes.push_back(static_cast<char>((group >> 2) & 0xFFU));
  }
  return bytes.size() <= expectedSize;
}

// Splits the header line at single blanks into exactly count words.
bool headerWords(std::string_view line, std::string_view* words, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t blank = line.find(' ');
    const bool last = i + 1 == count;
    if (last != (blank == std::string_view::npos)) return false;
    words[i] = line.substr(0, blank);
    if (words[i].empty()) return false;
    if (!last) line.remove_prefix(blank + 1);
  }
  return true;
}

bool allOf(std::string_view text, std::string_view allowed) {
  return text.find_first_not_of(allowed) == std::string_view::npos;
}
}  // namespace

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFU;
  for (const char c : bytes) {
    crc = kCrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFFU] ^ (crc >> 8);
  }
  return crc ^ 0xFFFFFFFFU;
}

bool isEncoded(std::string_view bytes) {
  return bytes.size() > kMagic.size() && bytes.substr(0, kMagic.size()) == kMagic &&
         bytes[kMagic.size()] == ' ';
}

std::string encode(std::string_view payload, int codePage) {
  std::string out = formatC("%s %d %d %llu %08lx\r\n", std::string(kMagic).c_str(), kVersion, codePage,
                            static_cast<unsigned long long>(payload.size()),
                            static_cast<unsigned long>(crc32(payload)));
  std::string scrambled(payload);
  applyKeyStream(scrambled);
  out.reserve(out.size() + scrambled.size() / 57 * 78 + 80);
  appendBase64(out, scrambled);
  return out;
}

bool decode(std::string_view encoded, std::string& payload, int& codePage) {
  payload.clear();
  const std::size_t lineEnd = encoded.find('\n');
  if (lineEnd == std::string_view::npos) return false;
  std::string_view header = encoded.substr(0, lineEnd);
  if (!header.empty() && header.back() == '\r') header.remove_suffix(1);

  std::string_view words[5];
  if (!headerWords(header, words, 5)) return false;
  if (words[0] != kMagic || words[1] != "1") return false;
  int pageRead = 0;
  if (words[2] == "1252") {
    pageRead = 1252;
  } else if (words[2] == "65001") {
    pageRead = 65001;
  } else {
    return false;
  }
  long long size = 0;
  if (words[3].size() > 12 || !allOf(words[3], "0123456789") || !parseInt64(words[3], size) ||
      size < 0 || static_cast<unsigned long long>(size) > kMaxFileSize) {
    return false;
  }
  if (words[4].size() != 8 || !allOf(words[4], "0123456789abcdef")) return false;
  std::uint32_t crcRead = 0;
  for (const char c : words[4]) {
    crcRead = (crcRead << 4) | static_cast<std::uint32_t>(c <= '9' ? c - '0' : c - 'a' + 10);
  }

  std::string bytes;
  const auto expected = static_cast<std::size_t>(size);
  if (!decodeBase64(encoded.substr(lineEnd + 1), expected, bytes) || bytes.size() != expected) {
    return false;
  }
  applyKeyStream(bytes);
  if (crc32(bytes) != crcRead) return false;
  payload = std::move(bytes);
  codePage = pageRead;
  return true;
}

}  // namespace armakon::vdix
