// Drinking-water sizing searches: a mixed batch of TwArmaturContainer global searches
// (circulation balancing valves, water meters, backflow preventers, pipe separators, pressure
// reducers, in turn) over a global list of 100 entries (20 per kind, 6 nominal sizes each),
// against one plain pass over the same candidates: every variant of the query's kind read once
// (its size and the range its search compares first), for the same queries. Host network
// calculations call these searches per component and iteration, so the cost per call is what
// matters; prints "ns per call" (also per kind) and the ratio at the end.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/model/CEinstellungKurve.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "bench/RatioReporter.h"

namespace {

using armakon::ARMATUR;
using armakon::ArmaturenModell;
using armakon::enArmaturenTyp;
using armakon::TwArmaturContainer;
using namespace armakon::hydVDIArmaturen;

constexpr int kEntriesPerKind = 20;
constexpr int kSizes[] = {15, 20, 25, 32, 40, 50};
constexpr int kSizeCount = static_cast<int>(std::size(kSizes));
constexpr std::size_t kQueries = 4096;
constexpr enArmaturenTyp kKinds[] = {armakon::TW_THERMOSTATISCHES_STRANGREGULIERVENTIL, armakon::TW_WASSERZAEHLER,
                                     armakon::TW_RUECKFLUSSVERHINDERER, armakon::TW_ROHRTRENNER,
                                     armakon::TW_DRUCKREGLER};
constexpr int kArmTypes[] = {ARMTYP_DROSSEL_AUTOMATISCH, ARMTYP_ZAEHLER, ARMTYP_RUECKFLUSSVERHINDERER,
                             ARMTYP_ROHRTRENNER, ARMTYP_DRUCKMINDERER};

class BenchContainer : public TwArmaturContainer {
 public:
  BenchContainer() = default;
};

// Entry e's spread around the catalog's typical values (0.8 .. 1.2).
double spread(int e) { return 0.8 + 0.4 * e / kEntriesPerKind; }
// Size index i as a factor: 1, 2, 3, ...
double sizeFactor(int i) { return i + 1.0; }

// Circulation valve: regulator temperatures 60, 55, 50 °C, the kv falling from kvs 20 K below
// each to a tenth of kvs at it.
void fillThermoDross(hydArmaturThermoDross& v, double kvs) {
  for (double t : {60.0, 55.0, 50.0}) {
    CEinstellungKurve curve;
    curve.setTemperatur(t);
    const float top = static_cast<float>(t);
    curve.addCurveNode(top - 20.0f, "", static_cast<float>(kvs));
    curve.addCurveNode(top - 10.0f, "", static_cast<float>(0.8 * kvs));
    curve.addCurveNode(top - 5.0f, "", static_cast<float>(0.5 * kvs));
    curve.addCurveNode(top, "", static_cast<float>(0.1 * kvs));
    v.addKurve(curve);
  }
}

// Safety fitting: flow q100 at 1000 mbar down to no flow at the opening pressure.
void fillSicherung(hydArmaturSicherung& v, double q100, float trenner) {
  CKurve curve;
  curve.addCurveNode(1000.0f, "", static_cast<float>(q100));
  curve.addCurveNode(500.0f, "", static_cast<float>(0.7 * q100));
  curve.addCurveNode(200.0f, "", static_cast<float>(0.4 * q100));
  curve.addCurveNode(20.0f, "", 0.0f);
  v.addKurve(curve);
  v.setWert(1, trenner);
}

// Pressure reducer: outlet pressures from `high` down in 0.5 bar steps, 8 settings.
void fillDruckminderer(hydArmaturDruckminderer& v, float high) {
  CKurve curve;
  for (int k = 0; k < 8; ++k) curve.addCurveNode(static_cast<float>(8 - k), "", high - 0.5f * k);
  v.addKurve(curve);
}

struct Query {
  int kind;  // index into kKinds
  int dn;
  double kv;    // circulation valves
  double T;     // water temperature, circulation valves
  double flow;  // meters and safety fittings (m³/h)
  double limit;  // pipe separators
  double pressure;  // pressure reducers (bar)
};

struct Fixture {
  BenchContainer container;
  std::vector<Query> queries;

  Fixture() {
    for (int k = 0; k < static_cast<int>(std::size(kKinds)); ++k) {
      for (int e = 0; e < kEntriesPerKind; ++e) {
        ArmaturenModell entry;
        entry.setGlobal(1);
        entry.setTyp(kKinds[k]);
        entry.getModell().setManufacturerModel("Benchwerk", "TW " + std::to_string(k) + "-" + std::to_string(e));
        entry.getModell().setRLDatum(201601);
        for (int i = 0; i < kSizeCount; ++i) {
          hydArmatur* variant = entry.getModell().Add(kArmTypes[k]);
          variant->setArmType(kArmTypes[k]);
          variant->setDimension(kSizes[i]);
          const double f = sizeFactor(i) * spread(e);
          switch (k) {
            case 0:
              fillThermoDross(*static_cast<hydArmaturThermoDross*>(variant), 0.6 * f);
              break;
            case 1: {
              auto* meter = static_cast<hydArmaturZaehler*>(variant);
              meter->setWert(0, 1.6 * f);
              meter->setWert(2, 1.6 * f / 80.0);
              meter->setWert(3, 2.0 * f);
              break;
            }
            case 2:
            case 3:
              fillSicherung(*static_cast<hydArmaturSicherung*>(variant), 1.5 * f,
                            0.4f - 0.3f * static_cast<float>(e) / kEntriesPerKind);
              break;
            default:
              fillDruckminderer(*static_cast<hydArmaturDruckminderer*>(variant),
                                static_cast<float>(4.5 + 1.5 * spread(e)));
              break;
          }
        }
        container.append(entry);
      }
    }
    // A fixed-seed sequence: the kinds in turn, sizes including "no preference", inputs within
    // the ranges of the catalog.
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    auto next = [&state] {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      return static_cast<double>(state >> 11) / 9007199254740992.0;
    };
    for (std::size_t q = 0; q < kQueries; ++q) {
      Query query{};
      query.kind = static_cast<int>(q % std::size(kKinds));
      const int i = static_cast<int>(next() * kSizeCount) % kSizeCount;
      query.dn = next() < 0.2 ? 0 : kSizes[i];
      query.kv = (0.1 + 0.3 * next()) * sizeFactor(i);
      query.T = 45.0 + 12.0 * next();
      query.flow = (0.2 + 0.7 * next()) * sizeFactor(i);
      query.limit = 0.2 + 0.3 * next();
      query.pressure = 2.0 + 3.5 * next();
      queries.push_back(query);
    }
  }
};

const Fixture& fixture() {
  static const Fixture f;
  return f;
}

bool runQuery(const TwArmaturContainer& tw, const Query& q, ARMATUR& record) {
  record = ARMATUR{};
  record.dimension = q.dn;
  switch (q.kind) {
    case 0: {
      double tOut = 0.0;
      double unused = 0.0;
      return tw.findGlobalThermoDrossel(q.kv, q.T, tOut, unused, record, false);
    }
    case 1:
      return tw.findGlobalZaehler(hydArmaturZaehler::Kaltwasser, q.flow, record, false);
    case 2:
      return tw.findGlobalRFV(q.flow, record, false);
    case 3:
      return tw.findGlobalTrenner(q.flow, q.limit, record, false);
    default:
      return tw.findGlobalDM(q.pressure, 0.0, record, false);
  }
}

// The queries of one kind only (all kinds for -1).
void runMix(benchmark::State& state, int kind) {
  const Fixture& f = fixture();
  std::vector<const Query*> queries;
  for (const Query& q : f.queries) {
    if (kind < 0 || q.kind == kind) queries.push_back(&q);
  }
  std::size_t q = 0;
  ARMATUR record;
  for (auto _ : state) {
    benchmark::DoNotOptimize(runQuery(f.container, *queries[q], record));
    benchmark::DoNotOptimize(record);
    q = (q + 1) % queries.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DrinkingWaterGlobalSearchMix(benchmark::State& state) { runMix(state, -1); }
BENCHMARK(BM_DrinkingWaterGlobalSearchMix);
void BM_ThermoDrossel(benchmark::State& state) { runMix(state, 0); }
BENCHMARK(BM_ThermoDrossel);
void BM_Zaehler(benchmark::State& state) { runMix(state, 1); }
BENCHMARK(BM_Zaehler);
void BM_RFV(benchmark::State& state) { runMix(state, 2); }
BENCHMARK(BM_RFV);
void BM_Trenner(benchmark::State& state) { runMix(state, 3); }
BENCHMARK(BM_Trenner);
void BM_DM(benchmark::State& state) { runMix(state, 4); }
BENCHMARK(BM_DM);

// What each kind's search compares first, read plainly: the regulator temperatures of a
// circulation valve, the usable flows of a meter, the curve's flows of a safety fitting, the
// outlet pressures of a reducer.
bool inPlainRange(const hydArmatur& v, const Query& q) {
  switch (q.kind) {
    case 0: {
      const auto& valve = static_cast<const hydArmaturThermoDross&>(v);
      return valve.getReglerTempMin() <= q.T + 20.0 && q.T <= valve.getReglerTempMax();
    }
    case 1: {
      const auto& meter = static_cast<const hydArmaturZaehler&>(v);
      return meter.getQmin() <= q.flow && q.flow <= meter.getQmax();
    }
    case 2:
    case 3: {
      const auto& fitting = static_cast<const hydArmaturSicherung&>(v);
      return fitting.getQmin() <= q.flow && q.flow <= fitting.getQmax();
    }
    default: {
      const auto& reducer = static_cast<const hydArmaturDruckminderer&>(v);
      return reducer.getDpOutMin() <= q.pressure && q.pressure <= reducer.getDpOutMax();
    }
  }
}

// The least any search over these candidates must do: read every variant of the query's kind
// once (its size and its range) and compare it with the query.
void BM_PlainCandidatePass(benchmark::State& state) {
  const Fixture& f = fixture();
  std::size_t q = 0;
  for (auto _ : state) {
    const Query& query = f.queries[q];
    const enArmaturenTyp kind = kKinds[query.kind];
    int fitting = 0;
    for (const auto& entry : f.container.getGlobalList()) {
      if (entry->getTyp() != kind) continue;
      for (const auto& variant : entry->getModell().getArmaturen()) {
        if (variant->getDimension() <= query.dn && inPlainRange(*variant, query)) ++fitting;
      }
    }
    benchmark::DoNotOptimize(fitting);
    q = (q + 1) % kQueries;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlainCandidatePass);

// The timing only means something while the searches do their whole work: every query must
// end with a chosen variant.
bool everyQueryChooses() {
  const Fixture& f = fixture();
  ARMATUR record;
  for (const Query& query : f.queries) {
    if (!runQuery(f.container, query, record)) {
      std::fputs(armakon::formatC("no valve for a query of kind %d: dn %d flow %g limit %g\n", static_cast<int>(kKinds[query.kind]), query.dn, query.flow, query.limit).c_str(),
                 stderr);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!everyQueryChooses()) {
    std::fputs("a drinking-water search found no valve for some query: the timing would be meaningless\n", stderr);
    return 1;
  }
  RatioReporter reporter;
  if (!runBenchmarks(argc, argv, reporter)) return 1;
  const double search = reporter.nanoseconds("BM_DrinkingWaterGlobalSearchMix");
  if (search > 0.0) {
    std::fputs(armakon::formatC("drinking-water global searches over %d entries x %d sizes: %.0f ns per call\n",
                                kEntriesPerKind * static_cast<int>(std::size(kKinds)), kSizeCount, search)
                   .c_str(),
               stdout);
  }
  reporter.printRatio("drinking-water search mix / plain candidate pass", "BM_DrinkingWaterGlobalSearchMix",
                      "BM_PlainCandidatePass");
  return 0;
}
