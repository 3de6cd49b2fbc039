// Runs every drinking-water search and choice list over a valve model read from arbitrary
// bytes, with search inputs taken from the first bytes (any double the host may pass, NaN and
// infinities included). A valve-model file may hold any numbers; the searches must neither
// crash, hang nor grow without bound on them, throw nothing, and a search that reports
// success must leave a record that names a variant.
//
// Input: 48 bytes of inputs (kv, T, flow, pressure, limit, dimension), then the tree text of a
// valve model (as in a *.vam file).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "armakon/components/TreeNode.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturenModell.h"

namespace {

using armakon::ARMATUR;
using armakon::ArmaturenModell;
using armakon::CNode;
using armakon::TwArmaturContainer;
using armakon::hydVDIArmaturen::hydArmaturDruckminderer;
using armakon::hydVDIArmaturen::hydArmaturZaehler;

class FuzzContainer : public TwArmaturContainer {
 public:
  FuzzContainer() = default;
};

void check(bool condition) {
  if (!condition) std::abort();
}

double takeDouble(const std::uint8_t*& data, std::size_t& size) {
  double value = 0.0;
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  return value;
}

// A search that reports success names a model and a size.
void checkFound(bool found, const ARMATUR& record) { check(!found || (record.modellId >= 1 && record.dimension > 0)); }

// The ids of the entries, one per kind.
struct Ids {
  int thermo = 0, meter = 0, rfv = 0, separator = 0, reducer = 0, throttle = 0, drawOff = 0;
};

void runAll(const FuzzContainer& tw, const Ids& ids, double kv, double T, double flow, double pressure, double limit,
            int dimension, bool keepDim) {
  for (int form = 0; form < 2; ++form) {
    const bool local = form == 1;
    // The global forms start from an empty record, the local ones from the kind's entry.
    auto fresh = [&](int id) {
      ARMATUR r;
      r.modellId = local ? id : 0;
      r.dimension = dimension;
      return r;
    };
    ARMATUR r = fresh(ids.thermo);
    double tOut = 0.0;
    double unused = 0.0;
    checkFound(local ? tw.findLocalThermoDrossel(kv, T, tOut, r, keepDim)
                     : tw.findGlobalThermoDrossel(kv, T, tOut, unused, r, keepDim),
               r);
    for (auto area : {hydArmaturZaehler::Kaltwasser, hydArmaturZaehler::Warmwasser}) {
      r = fresh(ids.meter);
      checkFound(local ? tw.findLocalZaehler(area, flow, r, keepDim) : tw.findGlobalZaehler(area, flow, r, keepDim), r);
    }
    r = fresh(ids.rfv);
    checkFound(local ? tw.findLocalRFV(flow, r, keepDim) : tw.findGlobalRFV(flow, r, keepDim), r);
    r = fresh(ids.separator);
    checkFound(local ? tw.findLocalTrenner(flow, limit, r, keepDim) : tw.findGlobalTrenner(flow, limit, r, keepDim), r);
    r = fresh(ids.reducer);
    checkFound(local ? tw.findLocalDM(pressure, 0.0, r, keepDim) : tw.findGlobalDM(pressure, 0.0, r, keepDim), r);
  }
  for (const auto& entry : tw.getGlobalList()) {
    for (const auto& variant : entry->getModell().getArmaturen()) {
      if (variant->IsKindOf(hydArmaturDruckminderer::GetThisClass())) {
        const int index = TwArmaturContainer::findEinstellungDM(static_cast<const hydArmaturDruckminderer*>(variant.get()),
                                                                pressure);
        check(index >= -1 && index < variant->getKurve().getCount());
      }
    }
  }
  ARMATUR named;
  named.modellId = ids.drawOff;
  named.dimension = dimension;
  const auto* fitting = tw.findLocalEntnahme(named);
  check(fitting == nullptr || fitting->getDimension() >= dimension);
  named.modellId = ids.throttle;
  for (int setting = -1; setting < 3; ++setting) {
    named.einstellung = setting;
    armakon::SimpleHostList kvs;
    tw.fillKvWertCombo(kvs, named, kv);
    armakon::SimpleHostDoubleList settings;
    tw.fillEinstellungsCombo(settings, named, T);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const double kv = takeDouble(data, size);
  const double T = takeDouble(data, size);
  const double flow = takeDouble(data, size);
  const double pressure = takeDouble(data, size);
  const double limit = takeDouble(data, size);
  const double rawDimension = takeDouble(data, size);
  const int dimension = rawDimension >= -1e6 && rawDimension <= 1e6 ? static_cast<int>(rawDimension) : 0;
  const bool keepDim = (dimension & 1) != 0;

  const std::string text(reinterpret_cast<const char*>(data), size);
  CNode root("");
  if (!root.ReadFromString(text, ':')) return 0;
  ArmaturenModell entry;
  if (!entry.getModell().read(&root)) return 0;

  // The same model under every drinking-water kind, globally, and once more as a local
  // draw-off fitting.
  FuzzContainer tw;
  Ids ids;
  auto add = [&](armakon::enArmaturenTyp kind, bool global, int& id) {
    entry.setId(0);
    entry.setTyp(kind);
    entry.setGlobal(global ? 1 : 0);
    tw.append(entry);
    id = entry.getId();
  };
  add(armakon::TW_THERMOSTATISCHES_STRANGREGULIERVENTIL, true, ids.thermo);
  add(armakon::TW_WASSERZAEHLER, true, ids.meter);
  add(armakon::TW_RUECKFLUSSVERHINDERER, true, ids.rfv);
  add(armakon::TW_ROHRTRENNER, true, ids.separator);
  add(armakon::TW_DRUCKREGLER, true, ids.reducer);
  add(armakon::TW_STRANGREGULIERVENTIL, true, ids.throttle);
  add(armakon::TW_ENTNAHMEARMATUR, false, ids.drawOff);
  runAll(tw, ids, kv, T, flow, pressure, limit, dimension, keepDim);
  return 0;
}
