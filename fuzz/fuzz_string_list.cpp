// Reads arbitrary bytes as a string list in both code pages and both modes, and checks that
// what was read writes and reads back unchanged.

#include "armakon/components/CodePageUtf8.h"
#include "armakon/components/VdixEncoding.h"
#include "armakon/components/hydStrUtil.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
using armakon::StringList;
namespace util = armakon::hydStrUtil;

void check(bool condition) {
  if (!condition) std::abort();
}

StringList roundTrip(const StringList& list, int writeCodePage, bool encoded, int readCodePage) {
  std::string bytes;
  check(util::writeStringlistToString(list, bytes, writeCodePage, encoded));
  StringList back;
  check(util::readStringlistFromString(back, bytes, readCodePage, encoded ? 1 : 0));
  return back;
}

void checkFields(std::string_view line) {
  std::vector<std::string_view> fields;
  util::SplitFields(line, ';', fields);
  check(fields.size() == util::GetSubStrCount(line, ';'));
  for (std::size_t i = 0; i < fields.size() && i < 64; ++i) {
    check(util::GetSubStrView(line, static_cast<int>(i + 1), ';') == fields[i]);
  }
  check(util::GetSubStrView(line, static_cast<int>(fields.size() + 1), ';').empty());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  StringList list;

  for (const int codePage : {1252, 65001}) {
    // Encoded mode: a damaged file is refused, anything else must read without harm.
    if (util::readStringlistFromString(list, bytes, codePage, 1)) {
      for (const std::string& line : list) check(armakon::isValidUtf8(line));
    } else {
      check(list.empty());
    }

    // Plain mode reads every input of this size.
    check(util::readStringlistFromString(list, bytes, codePage, 0));
    for (const std::string& line : list) {
      check(armakon::isValidUtf8(line));
      check(line.find_first_of("\r\n") == std::string::npos);
    }
    if (!list.empty()) checkFields(list.front());

    // Decoded text is UTF-8: UTF-8 and the encoded form keep it exactly.
    check(roundTrip(list, 65001, false, 65001) == list);
    check(roundTrip(list, 65001, true, 1252) == list);
    // Read byte by byte as 1252, every character has its byte again.
    const bool byteWise1252 = codePage == 1252 && !armakon::looksLikeUtf8(bytes) &&
                              bytes.substr(0, armakon::kUtf8Bom.size()) != armakon::kUtf8Bom;
    if (byteWise1252) {
      check(roundTrip(list, 1252, false, 1252) == list);
      check(roundTrip(list, 1252, true, 65001) == list);
    }
  }

  // The encoding itself: whatever decodes re-encodes to something that decodes the same.
  std::string payload;
  int codePage = 0;
  if (armakon::vdix::decode(bytes, payload, codePage)) {
    std::string again;
    int codePageAgain = 0;
    check(armakon::vdix::decode(armakon::vdix::encode(payload, codePage), again, codePageAgain));
    check(again == payload && codePageAgain == codePage);
  }
  return 0;
}
