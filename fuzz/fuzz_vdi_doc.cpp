// Fuzz target: a VDI 3805 document loaded from arbitrary bytes (decoding, first-line checks,
// record tree), the tree written back, and the record-type descriptions read from the same
// lines. The first byte chooses the file kind and the load options.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CVDITemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace armakon;
  if (size == 0) return 0;
  static const bool once = [] {
    CVDITemplate::SetFolder("/nonexistent-armakon-fuzz");  // no descriptions file: no disk access
    return true;
  }();
  (void)once;
  static const char* const kNames[] = {"fuzz.VDI", "fuzz.vdix", "fuzz.TGA", "fuzz.txt"};
  static const int kSheets[] = {0, 2, 17, 0};
  const std::uint8_t options = data[0];
  const std::string path = kNames[options & 3];
  const bool skipDetail = (options & 4) != 0;
  const int expectedSheet = kSheets[(options >> 3) & 3];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  StringList lines;
  if (!hydStrUtil::readStringlistFromString(lines, bytes, kCodePage1252, (options & 3) == 1 ? 1 : 0)) return 0;

  CVDITemplate descriptions;
  descriptions.LoadFromLines(lines, "201601");

  CVDIDoc document;
  document.LoadLines(lines, path, skipDetail, expectedSheet);
  if (document.IsParsed()) {
    StringList written;
    document.AppendAllLines(written);
    std::vector<const CVDIBase*> products;
    CollectRecords(&document, 80000, products);
    if (!products.empty()) FindRecord(&document, 70000, 1);
  }
  CMiniReportUtil::instance().clear();
  return 0;
}
