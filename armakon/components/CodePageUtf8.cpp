#include "armakon/components/CodePageUtf8.h"

namespace armakon {

namespace {
bool isContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }
}  // namespace

bool decodeUtf8At(std::string_view text, std::size_t pos, char32_t& codePoint,
                  std::size_t& length) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  codePoint = lead;
  length = 1;
  if (lead < 0x80U) return true;

  std::size_t needed = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2U && lead <= 0xDFU) {
    needed = 1;
    value = lead & 0x1FU;
    smallest = 0x80;
  } else if (lead >= 0xE0U && lead <= 0xEFU) {
    needed = 2;
    value = lead & 0x0FU;
    smallest = 0x800;
  } else if (lead >= 0xF0U && lead <= 0xF4U) {
    needed = 3;
    value = lead & 0x07U;
    smallest = 0x10000;
  } else {
    return false;  // stray continuation byte, C0/C1 (always overlong) or F5..FF
  }
  if (text.size() - pos <= needed) return false;
  for (std::size_t i = 1; i <= needed; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!isContinuation(byte)) return false;
    value = (value << 6) | (byte & 0x3FU);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
  codePoint = value;
  length = needed + 1;
  return true;
}

void appendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) codePoint = 0xFFFD;
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0U | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80U | (codePoint & 0x3FU)));
  } else if (codePoint < 0x10000) {
    out.push_back(static_cast<char>(0xE0U | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80U | ((codePoint >> 6) & 0x3FU)));
    out.push_back(static_cast<char>(0x80U | (codePoint & 0x3FU)));
  } else {
    out.push_back(static_cast<char>(0xF0U | (codePoint >> 18)));
    out.push_back(static_cast<char>(0x80U | ((codePoint >> 12) & 0x3FU)));
    out.push_back(static_cast<char>(0x80U | ((codePoint >> 6) & 0x3FU)));
    out.push_back(static_cast<char>(0x80U | (codePoint & 0x3FU)));
  }
}

namespace {
// Returns 0 for invalid text, 1 for pure ASCII, 2 for valid text with multi-byte sequences.
int classifyUtf8(std::string_view text) {
  int kind = 1;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (static_cast<unsigned char>(text[pos]) < 0x80U) {
      ++pos;
      continue;
    }
    char32_t codePoint = 0;
    std::size_t length = 0;
    if (!decodeUtf8At(text, pos, codePoint, length)) return 0;
    kind = 2;
    pos += length;
  }
  return kind;
}
}  // namespace

bool isValidUtf8(std::string_view text) { return classifyUtf8(text) != 0; }

bool looksLikeUtf8(std::string_view text) { return classifyUtf8(text) == 2; }

}  // namespace armakon
