// String lists in files: code pages, line breaks and the .vdix encoding.

#include "armakon/components/VdixEncoding.h"
#include "armakon/components/hydStrUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace armakon {
namespace {

namespace fs = std::filesystem;

StringList readBytes(std::string_view bytes, int codePage, int mode = 0) {
  StringList list{"stale"};
  EXPECT_TRUE(hydStrUtil::readStringlistFromString(list, bytes, codePage, mode));
  return list;
}

TEST(StringList, LineBreaks) {
  const struct {
    const char* bytes;
    StringList lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
      {"\r\n", {""}},
      {"\n\r", {"", ""}},
      {"a\r", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(readBytes(c.bytes, 1252), c.lines) << c.bytes;
}

TEST(VdixEncoding, DocumentedFormat) {
  EXPECT_EQ(vdix::crc32("123456789"), 0xCBF43926U);  // the CRC-32 check value
  // Computed from the format description, independently of this implementation.
  EXPECT_EQ(vdix::encode("Gr\xFC\xDF" "e;\x80\r\n", 1252),
            "ARMAKON-VDIX 1 1252 9 308f1994\r\ndYKjSw33vZhK\r\n");
  EXPECT_EQ(vdix::encode("", 65001), "ARMAKON-VDIX 1 65001 0 00000000\r\n");

  std::string payload(1000, '\0');
  for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>(i * 7);
  for (std::size_t size : {0U, 1U, 2U, 3U, 56U, 57U, 58U, 1000U}) {
    const std::string part = payload.substr(0, size);
    std::string back = "stale";
    int codePage = 0;
    ASSERT_TRUE(vdix::decode(vdix::encode(part, 65001), back, codePage)) << size;
    EXPECT_EQ(back, part);
    EXPECT_EQ(codePage, 65001);
  }
}

TEST(VdixEncoding, DamageIsRejected) {
  const std::string good = vdix::encode("010;2;201601;Hersteller\r\n", 1252);
  const std::size_t bodyStart = good.find('\n') + 1;
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"truncated body", good.substr(0, good.size() - 6)},
      {"no body line", good.substr(0, bodyStart - 2)},
      {"version 2", "ARMAKON-VDIX 2" + good.substr(14)},
      {"code page 437", "ARMAKON-VDIX 1 437" + good.substr(19)},
      {"double blank", "ARMAKON-VDIX  1" + good.substr(14)},
      {"wrong size", "ARMAKON-VDIX 1 1252 26" + good.substr(22)},
      {"upper-case CRC", hydStrUtil::ToUpper(good.substr(0, bodyStart)) + good.substr(bodyStart)},
      {"extra word", good.substr(0, bodyStart - 2) + " x\r\n" + good.substr(bodyStart)},
      {"foreign character", good.substr(0, bodyStart) + "*" + good.substr(bodyStart + 1)},
      {"data after padding", good.substr(0, good.size() - 2) + "AAAA\r\n"},
      {"huge size", "ARMAKON-VDIX 1 1252 999999999999 00000000\r\n"},
  };
  for (const auto& c : cases) {
    std::string payload;
    int codePage = 0;
    EXPECT_FALSE(vdix::decode(c.bytes, payload, codePage)) << c.what;
    StringList list;
    EXPECT_FALSE(hydStrUtil::readStringlistFromString(list, c.bytes, 1252, 1)) << c.what;
    EXPECT_TRUE(list.empty());
  }
  // Every single changed character of the body is detected.
  for (std::size_t i = bodyStart; i < good.size(); ++i) {
    if (good[i] == '\r' || good[i] == '\n') continue;
    std::string damaged = good;
    damaged[i] = damaged[i] == 'A' ? 'B' : 'A';
    std::string payload;
    int codePage = 0;
    EXPECT_FALSE(vdix::decode(damaged, payload, codePage)) << "position " << i;
  }
}

}  // namespace
}  // namespace armakon
