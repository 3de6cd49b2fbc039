// Converts arbitrary type-specific records of a differential-pressure regulator (types 5, 8,
// 9, 10), flow regulator (7) or thermostatic valve with flow limitation (12) of sheet 2. The
// first input line names the type number; the other lines are placed below one technical-data
// record (700) of a fixed file head. Checks what the sizing relies on in every variant that is
// created: the curves hold their largest values first.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/hydStrUtil.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/ValveConversion.h"

namespace {

using namespace armakon;
using namespace armakon::hydVDIArmaturen;

void check(bool condition) {
  if (!condition) std::abort();
}

// y falls (or stays) from node to node.
void checkFalling(const CKurve& curve) {
  for (int i = 1; i < curve.getCount(); ++i) check(!(curve.getAt(i).y > curve.getAt(i - 1).y));
}

void checkVariant(const hydArmatur& variant) {
  if (const auto* regulator = dynamic_cast<const hydArmaturDDR*>(&variant)) {
    checkFalling(regulator->getKennlinieDp());
    checkFalling(regulator->getKennlinieMaxVolStrom());
    const CKurve& deviation = regulator->getKennlinieKvzuPAbw();
    for (int i = 1; i < deviation.getCount(); ++i) {
      check(!(deviation.getAt(i).x > deviation.getAt(i - 1).x));
      check(!(deviation.getAt(i).y > deviation.getAt(i - 1).y));
    }
    if (const auto* combined = dynamic_cast<const hydArmaturDDRDFR*>(regulator)) {
      checkFalling(combined->getDFRAnteil().getKurve());
      check(combined->getWirkdruck() > 0.0f);
    }
  } else if (const auto* regulator = dynamic_cast<const hydArmaturDFR*>(&variant)) {
    checkFalling(regulator->getKurve());
    check(regulator->getWirkdruck() > 0.0f);
  } else if (const auto* valve = dynamic_cast<const hydArmaturTHKVDFR*>(&variant)) {
    const CKurve14& curve = valve->getKurve14();
    for (int i = 1; i < curve.getCount(); ++i) check(!(curve.getAt(i).x > curve.getAt(i - 1).x));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t end = input.find('\n');
  const std::string_view type = input.substr(0, end);
  const std::string_view body = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);

  StringList lines = {"010;2;201103;Fuzzwerk;;;", "100;4;;Regelarmaturen", "110;1;;Regler F;",
                      "700;1;;" + std::string(type.substr(0, 8)) + ";15;1.0;110;16;2.0;;;;1;Stufe;;;Hub"};
  std::size_t start = 0;
  while (start <= body.size()) {
    const std::size_t stop = body.find('\n', start);
    const std::string_view line = body.substr(start, stop == std::string_view::npos ? body.size() - start : stop - start);
    // Only type-specific records: a line of another type could move the product elsewhere.
    if (line.starts_with("710.0")) lines.emplace_back(line);
    if (stop == std::string_view::npos) break;
    start = stop + 1;
  }
  lines.push_back("800;1;00400100000000000000000000000000000000000000000001000;R DN 15;");
  lines.push_back("810;1;R-15;;;");

  CMiniReportUtil::instance().clear();
  CVDIDoc document;
  document.LoadLines(std::move(lines), "fuzz.VDI", false, 0);
  std::vector<const CVDIBase*> products;
  if (const CVDIBase* model = FindRecord(&document, 11000, 1)) CollectRecords(model, 80000, products);
  hydArmaturenModell model;
  const int created = BuildModel(model, products, std::vector<double>(products.size(), 0.0),
                                 std::vector<const hydArmatur*>(products.size(), nullptr));
  check(created == model.getSize());
  check(created <= 1);
  for (int i = 0; i < model.getSize(); ++i) checkVariant(*model.getArmaturAt(i));
  CMiniReportUtil::instance().clear();
  return 0;
}
