#include "armakon/components/CodePage1252.h"

#include "armakon/components/CodePageUtf8.h"

#include <array>
#include <cstddef>

namespace armakon {

namespace {
// Code points of the bytes 0x80..0x9F; the undefined bytes map to themselves.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

bool isAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80U) return false;
  }
  return true;
}
}  // namespace

char32_t codePointFrom1252(unsigned char byte) {
  if (byte >= 0x80U && byte <= 0x9FU) return kHighControls[static_cast<std::size_t>(byte - 0x80U)];
  return byte;
}

int byteFrom1252CodePoint(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<int>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == codePoint) return static_cast<int>(0x80 + i);
  }
  return -1;
}

namespace {
// UTF-8 forms of the bytes 0x80..0xFF, built once: decoding then copies instead of encoding.
struct HighByteForms {
  std::array<std::string, 128> utf8;
  HighByteForms() {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      appendUtf8(utf8[i], codePointFrom1252(static_cast<unsigned char>(0x80 + i)));
    }
  }
};
}  // namespace

std::string decode1252(std::string_view bytes) {
  if (isAscii(bytes)) return std::string(bytes);
  static const HighByteForms forms;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  std::size_t runStart = 0;
  for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
    const auto byte = static_cast<unsigned char>(bytes[pos]);
    if (byte < 0x80U) continue;
    out.append(bytes.substr(runStart, pos - runStart));
    out.append(forms.utf8[byte - 0x80U]);
    runStart = pos + 1;
  }
  out.append(bytes.substr(runStart));
  return out;
}

std::string encode1252(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    if (static_cast<unsigned char>(utf8[pos]) < 0x80U) {
      out.push_back(utf8[pos++]);
      continue;
    }
    char32_t codePoint = 0;
    std::size_t length = 0;
    const bool valid = decodeUtf8At(utf8, pos, codePoint, length);
    const int byte = valid ? byteFrom1252CodePoint(codePoint) : -1;
    out.push_back(byte < 0 ? '?' : static_cast<char>(static_cast<unsigned char>(byte)));
    pos += length;
  }
  return out;
}

std::string decodeUtf8Or1252(std::string_view bytes) {
  if (isValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    char32_t codePoint = 0;
    std::size_t length = 0;
    if (decodeUtf8At(bytes, pos, codePoint, length)) {
      out.append(bytes.substr(pos, length));
    } else {
      appendUtf8(out, codePointFrom1252(static_cast<unsigned char>(bytes[pos])));
    }
    pos += length;
  }
  return out;
}

}  // namespace armakon
