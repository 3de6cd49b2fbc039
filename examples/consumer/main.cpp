// A small host on the installed library: it reads a manufacturer's VDI 3805 file, converts
// one valve series into a valve model, preselects it in the heating container's global list
// and lets the container size a flow regulator for the network's flow, as a host's pipe
// network calculation does.
//
//   consumer [VDI file] [series name] [flow in m³/h]

#include <cstdio>
#include <string>
#include <vector>

#include "armakon/armakon.h"

namespace {

using namespace armakon;

constexpr int kSeriesRecord = 11000;   // record 110: one valve series
constexpr int kProductRecord = 80000;  // record 800: one product of a series

int fail(const std::string& text) {
  std::fprintf(stderr, "consumer: %s\n", text.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : ARMAKON_SAMPLE_VDI;
  const std::string seriesName = argc > 2 ? argv[2] : "Durchflussregler DF";
  double flow = 0.04;
  if (argc > 3 && !parseDouble(argv[3], flow)) return fail(std::string("not a flow: ") + argv[3]);

  getArmakonInstance();  // the library is started; nothing interactive happens below

  CVDIDoc document;
  if (!document.Load(path, false, 2) || !document.IsParsed()) return fail("cannot load " + path);
  std::vector<const CVDIBase*> series;
  CollectRecords(&document, kSeriesRecord, series);
  const CVDIBase* chosen = nullptr;
  for (const CVDIBase* record : series) {
    if (GetField(record, 4) == seriesName) chosen = record;
  }
  if (chosen == nullptr) return fail("no series '" + seriesName + "' in " + path);

  std::vector<const CVDIBase*> products;
  CollectRecords(chosen, kProductRecord, products);
  hydVDIArmaturen::hydArmaturenModell model;
  const int created = BuildModel(model, products, std::vector<double>(products.size(), 0.0),
                                 std::vector<const hydVDIArmaturen::hydArmatur*>(products.size(), nullptr));
  std::printf("%s: %s, %d of %zu variants converted, %d errors in the report list\n", document.GetFileName().c_str(),
              model.getModelType().c_str(), created, products.size(), CMiniReportUtil::instance().errorCount());
  if (created < 1) return fail("nothing converted");

  HzArmaturContainer& heating = HzArmaturContainer::instance();
  ArmaturenModell entry;
  entry.setTyp(HZ_DURCHFLUSSREGLER);
  entry.setGlobal(1);
  entry.getModell() = model;
  if (heating.append(entry) < 0) return fail("the heating container takes no further entry");

  ARMATUR record;
  if (!heating.findGlobalDurchflussregler(flow, record, false)) {
    return fail(formatC("no flow regulator of the global list fits %g m³/h", flow));
  }
  std::printf("flow %s m³/h: model %d, DN %d, setting %d (%s)\n", formatC("%g", flow).c_str(), record.modellId,
              record.dimension, record.einstellung, heating.getEinstellung(record, false).c_str());
  return 0;
}
