// Code page 1252 and UTF-8 helpers.

#include "armakon/components/CodePage1252.h"
#include "armakon/components/CodePageUtf8.h"

#include <gtest/gtest.h>

#include <string>

namespace armakon {
namespace {

std::string byteText(int byte) { return std::string(1, static_cast<char>(byte)); }

TEST(CodePage1252, TypographicBytesDecodeToTheirCharacters) {
  struct Case {
    int byte;
    const char* utf8;
  };
  // The 27 defined characters of 0x80..0x9F, and the five undefined bytes as C1 controls.
  const Case cases[] = {
      {0x80, "€"}, {0x82, "‚"}, {0x83, "ƒ"}, {0x84, "„"}, {0x85, "…"}, {0x86, "†"},
      {0x87, "‡"}, {0x88, "ˆ"}, {0x89, "‰"}, {0x8A, "Š"}, {0x8B, "‹"}, {0x8C, "Œ"},
      {0x8E, "Ž"}, {0x91, "‘"}, {0x92, "’"}, {0x93, "“"}, {0x94, "”"}, {0x95, "•"},
      {0x96, "–"}, {0x97, "—"}, {0x98, "˜"}, {0x99, "™"}, {0x9A, "š"}, {0x9B, "›"},
      {0x9C, "œ"}, {0x9E, "ž"}, {0x9F, "Ÿ"},
      {0x81, "\xC2\x81"}, {0x8D, "\xC2\x8D"}, {0x8F, "\xC2\x8F"}, {0x90, "\xC2\x90"},
      {0x9D, "\xC2\x9D"},
  };
  ASSERT_EQ(std::size(cases), 32U);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.byte);
    EXPECT_EQ(decode1252(byteText(c.byte)), c.utf8);
    EXPECT_EQ(encode1252(c.utf8), byteText(c.byte));
  }
}

TEST(CodePageUtf8, DamagedUtf8FallsBackToCodePage1252PerByte) {
  EXPECT_EQ(decodeUtf8Or1252("Grüße"), "Grüße");
  EXPECT_EQ(decodeUtf8Or1252("ä\xE4 \x80"), "ää €");
  EXPECT_EQ(decodeUtf8Or1252("\xE2\x82"), "â‚");  // truncated euro sign: two 1252 characters
}

}  // namespace
}  // namespace armakon
