// Format texts, translation catalogs and interpolation tables from arbitrary bytes: translated
// texts are data, so FormatText must survive any format a catalog could hold.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>
#include <cmath>
#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t mode = data[0] % 3;
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  if (mode == 0) {
    // the input is a format (translated texts are data)
    const std::string s = armakon::FormatText(text, {1, -2, 3.5, "Text äö", 'c', 1e300, std::nan(""), 18446744073709551615ull});
    if (s.size() > 64 * 1024 * 1024) __builtin_trap();
  } else if (mode == 1) {
    armakon::CTranslationModule m("fuzz");
    m.LoadCatalogText(text);
    (void)m.Translate(text);
    (void)m.Translate("@kv-Wert@kv");
  } else {
    armakon::CHydrixInterpolation t;
    const size_t n = (size - 1) / 16;
    for (size_t i = 0; i < n; ++i) {
      double x, y;
      std::memcpy(&x, data + 1 + 16 * i, 8);
      std::memcpy(&y, data + 9 + 16 * i, 8);
      t.Add(x, y);
    }
    for (int i = 0; i < t.getSize(); ++i) { (void)t.GetY(t.GetAtXArray(i), false); (void)t.GetY(t.GetAtXArray(i) + 0.5, true); }
    (void)t.GetY(0.0, true);
    t.sort(1e-6);
    for (int i = 1; i < t.getSize(); ++i) if (!(t.GetAtXArray(i) >= t.GetAtXArray(i - 1))) __builtin_trap();
    for (int i = 0; i < t.getSize(); ++i) (void)t.GetY(t.GetAtXArray(i) * 0.999, false);
  }
  return 0;
}
