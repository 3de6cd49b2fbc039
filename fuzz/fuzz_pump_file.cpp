// Pump-file reader on arbitrary bytes. Whatever reads must write out as a text form that reads
// back to a manufacturer with the same series, pumps and curves, and must chart without harm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "armakon/pumps/PumpChartSvg.h"
#include "armakon/pumps/hydPumpenManager.h"

namespace {

// Series, pumps per series and curves per pump of the first manufacturer, as one list.
std::string shape(const armakon::hydPumpenManager& catalog) {
  std::string out;
  if (catalog.getSize() == 0) return out;
  for (const auto& serie : catalog.getAt(0)->getSerien()) {
    out += "S";
    for (const auto& pumpe : serie->getPumpen()) out += "P" + std::to_string(pumpe->getAnzKennlinien());
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  armakon::hydPumpenManager catalog;
  if (!catalog.read("", text)) {
    if (catalog.getSize() != 0) std::abort();
    return 0;
  }
  if (catalog.getSize() != 1) std::abort();

  std::vector<std::string> messages;
  catalog.checkAllPumpData(messages);

  const std::string written = catalog.write(true);
  armakon::hydPumpenManager again;
  if (!again.read("", written) || shape(again) != shape(catalog)) std::abort();

  // The first pump's chart, with an operating point, as the pump choice would draw it.
  for (const auto& serie : catalog.getAt(0)->getSerien()) {
    if (serie->getSize() == 0) continue;
    const armakon::hydPumpe& pumpe = *serie->getAt(0);
    const std::string svg =
        armakon::renderPumpChartSvg(armakon::buildPumpChart(pumpe, {{pumpe.getName(), 1.0e4, 2.0e-4, 3.0e4}}));
    if (svg.find("</svg>") == std::string::npos) std::abort();
    break;
  }
  return 0;
}
