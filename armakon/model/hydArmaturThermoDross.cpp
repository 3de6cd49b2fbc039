#include "armakon/model/hydArmaturThermoDross.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "armakon/components/TreeNode.h"
#include "armakon/model/IndexCheck.h"

namespace armakon::hydVDIArmaturen {

namespace {

constexpr double kNoValue = CHydrixInterpolation::kNoValue;
// A regulator temperature equal to a curve's within this belongs to that curve.
constexpr double kSameTemperature = std::numeric_limits<double>::epsilon();
// Temperatures of the kv search closer than this count as reached (K).
constexpr double kTemperatureTolerance = 0.01;

// (kv, temperature) of the falling stretches of a temperature -> kv function: every point
// whose kv lies more than 1e-6 above that of the next point, and the last point.
CHydrixInterpolation inverseOf(const CHydrixInterpolation& function) {
  CHydrixInterpolation inverse;
  const int size = function.getSize();
  for (int k = 0; k + 1 < size; ++k) {
    if (function.GetAtYArray(k) - function.GetAtYArray(k + 1) > 1e-6) {
      inverse.Add(function.GetAtYArray(k), function.GetAtXArray(k));
    }
  }
  if (size > 0) inverse.Add(function.lastY(), function.lastX());
  return inverse;
}

// For every point (kv, t) of one inverse function where the other has a temperature t' at
// that kv: visit(colder, warmer, kv) with the two temperatures.
template <class Visit>
void forEachMixPoint(const CHydrixInterpolation& own, const CHydrixInterpolation& other, bool ownIsColder,
                     Visit&& visit) {
  const std::vector<double>& kvs = own.xValues();
  const std::vector<double>& temperatures = own.yValues();
  CHydrixInterpolation::FallingWalk otherAt(other);
  for (std::size_t k = 0; k < kvs.size(); ++k) {
    const double t = otherAt.GetY(kvs[k]);
    if (t == kNoValue) continue;
    visit(ownIsColder ? temperatures[k] : t, ownIsColder ? t : temperatures[k], kvs[k]);
  }
}

// The temperature of a mixed point, weighted by where the regulator temperature lies between
// the colder and the warmer curve's (w from 0 to 1).
inline double mixedTemperature(double colder, double warmer, double w) { return (1.0 - w) * colder + w * warmer; }

void mixInto(CHydrixInterpolation& out, const CHydrixInterpolation& own, const CHydrixInterpolation& other,
             bool ownIsColder, double w) {
  forEachMixPoint(own, other, ownIsColder,
                  [&](double colder, double warmer, double kv) { out.Add(mixedTemperature(colder, warmer, w), kv); });
}

// The points of one run of a mixed function, weighted, one at a time.
class MixedRun {
 public:
  MixedRun(const std::vector<double>& colder, const std::vector<double>& warmer, const std::vector<double>& kv,
           double w)
      : colder_(colder), warmer_(warmer), kv_(kv), w_(w) {}

  // The next point; false after the last.
  bool next(double& x, double& y) {
    if (k_ >= kv_.size()) return false;
    x = mixedTemperature(colder_[k_], warmer_[k_], w_);
    y = kv_[k_];
    ++k_;
    return true;
  }

 private:
  const std::vector<double>& colder_;
  const std::vector<double>& warmer_;
  const std::vector<double>& kv_;
  double w_;
  std::size_t k_ = 0;
};

// Nodes of a mixed function closer than this in temperature are one (the first stays).
constexpr double kMixedNodeDistance = 1e-6;

// One run of a mixed function read in order, as long as its points do not fall.
class RunHead {
 public:
  explicit RunHead(MixedRun& run) : run_(run) { advance(); }
  bool more() const { return more_; }
  bool fell() const { return fell_; }
  double x() const { return x_; }
  double y() const { return y_; }
  void advance() {
    const double previous = x_;
    const bool first = !started_;
    started_ = true;
    more_ = run_.next(x_, y_);
    if (more_ && (std::isnan(x_) || (!first && x_ < previous))) fell_ = true;
  }

 private:
  MixedRun& run_;
  bool started_ = false;
  bool more_ = false;
  bool fell_ = false;
  double x_ = 0.0;
  double y_ = 0.0;
};

// The mixed function that getFunktion builds between two curves (the runs of both, the point
// joining their starts, sorted and thinned, then the disinfection section of the colder
// curve), read at water temperature x without building it: the runs are merged as they come,
// which is the order sorting gives while each run rises. False when a run falls or holds NaN;
// then only the built table knows its order.
bool mixedKvAt(MixedRun& colderRun, MixedRun& warmerRun, double joinX, double joinY,
               const CEinstellungKurve& colderCurve, double x, double& kv) {
  if (std::isnan(joinX)) return false;
  RunHead a(colderRun);
  RunHead b(warmerRun);
  bool joinPending = true;
  CHydrixInterpolation::AscendingProbe probe(x);
  bool anyKept = false;
  double keptX = 0.0;
  for (;;) {
    if (a.fell() || b.fell()) return false;
    // The smallest x next; on equal x the colder run, then the warmer, then the joining point.
    double nodeX = 0.0;
    double nodeY = 0.0;
    if (a.more() && (!b.more() || !(b.x() < a.x())) && (!joinPending || !(joinX < a.x()))) {
      nodeX = a.x();
      nodeY = a.y();
      a.advance();
    } else if (b.more() && (!joinPending || !(joinX < b.x()))) {
      nodeX = b.x();
      nodeY = b.y();
      b.advance();
    } else if (joinPending) {
      nodeX = joinX;
      nodeY = joinY;
      joinPending = false;
    } else {
      break;
    }
    if (anyKept && nodeX - keptX < kMixedNodeDistance) continue;
    anyKept = true;
    keptX = nodeX;
    probe.Add(nodeX, nodeY);
  }
  double tailX[3];
  double tailY[3];
  const int tail = colderCurve.getFunktionThDesinf(probe.lastX(), probe.lastY(), tailX, tailY);
  for (int i = 0; i < tail; ++i) probe.Add(tailX[i], tailY[i]);
  if (!probe.ascending()) return false;
  kv = probe.GetY();
  return true;
}

}  // namespace

hydArmaturThermoDross::hydArmaturThermoDross(const hydArmaturThermoDross& other) : hydArmaturDross(other) {
  for (const auto& curve : other.m_Kurven) addKurve(*curve);
}

hydArmaturThermoDross& hydArmaturThermoDross::operator=(const hydArmaturThermoDross& other) {
  if (this != &other) {
    hydArmaturDross::operator=(other);
    dropCurveTables();
    m_Kurven.clear();
    for (const auto& curve : other.m_Kurven) addKurve(*curve);
  }
  return *this;
}

void hydArmaturThermoDross::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturThermoDross*>(&source)) {
    hydArmaturThermoDross::operator=(*typed);
  } else {
    hydArmaturDross::assignTyped(source);
  }
}

void hydArmaturThermoDross::removeData() {
  hydArmaturDross::removeData();
  dropCurveTables();
  m_Kurven.clear();
}

void hydArmaturThermoDross::addKurve(const CEinstellungKurve& curve) {
  auto copy = std::make_unique<CEinstellungKurve>(curve);
  // The curve caps its function at this throttle's kv at disinfection.
  copy->setParent(this);
  dropCurveTables();
  m_Kurven.push_back(std::move(copy));
}

void hydArmaturThermoDross::dropCurveTables() {
  const std::lock_guard<std::mutex> lock(m_tablesLock);
  m_tables.clear();
  m_tablesBuilt = false;
}

const std::vector<hydArmaturThermoDross::CurveTables>& hydArmaturThermoDross::curveTables() const {
  const std::lock_guard<std::mutex> lock(m_tablesLock);
  if (m_tablesBuilt && m_tablesCap == getKvDesinfektion()) return m_tables;
  m_tables.assign(m_Kurven.size(), CurveTables{});
  for (std::size_t i = 0; i < m_Kurven.size(); ++i) {
    const CEinstellungKurve& curve = *m_Kurven[i];
    CurveTables& tables = m_tables[i];
    tables.functionOk = curve.getFunktion(tables.function, false);
    tables.plainOk = curve.getFunktion(tables.plain, true);
    tables.plainInverse = inverseOf(tables.plain);
    curve.getTemperaturByKvTable(tables.temperaturByKv);
  }
  for (std::size_t i = 0; i + 1 < m_Kurven.size(); ++i) {
    const CHydrixInterpolation& colderInverse = m_tables[i + 1].plainInverse;
    const CHydrixInterpolation& warmerInverse = m_tables[i].plainInverse;
    for (int run = 0; run < 2; ++run) {
      MixPoints& points = m_tables[i].mixedWithColder[run];
      forEachMixPoint(run == 0 ? colderInverse : warmerInverse, run == 0 ? warmerInverse : colderInverse, run == 0,
                      [&points](double colder, double warmer, double kv) {
                        points.colder.push_back(colder);
                        points.warmer.push_back(warmer);
                        points.kv.push_back(kv);
                      });
    }
  }
  m_kvMin = m_Kurven.empty() ? -1.0 : kvOfFirstCurveAt(m_tables, m_Kurven.front()->getTemperatur());
  m_kvMax = kvOfFirstCurveAt(m_tables, 0.0);
  m_tablesBuilt = true;
  m_tablesCap = getKvDesinfektion();
  return m_tables;
}

int hydArmaturThermoDross::getCount() const { return sizeAsInt(m_Kurven.size()); }

const CEinstellungKurve& hydArmaturThermoDross::getKurveAt(int index) const {
  return *m_Kurven[checkedIndex(index, m_Kurven.size(), "hydArmaturThermoDross::getKurveAt: index outside the curves")];
}

void hydArmaturThermoDross::getKurve(float& temperature, std::vector<float>& x, std::vector<float>& x2,
                                     std::vector<float>& y) const {
  if (m_Kurven.empty()) return;
  x.clear();
  x2.clear();
  y.clear();
  if (m_Kurven.size() != 1) return;
  const CEinstellungKurve& curve = *m_Kurven.front();
  temperature = static_cast<float>(curve.getTemperatur());
  for (const curveNode& node : curve.nodes()) {
    x.push_back(node.x);
    x2.push_back(node.x2);
    y.push_back(node.y);
  }
}

void hydArmaturThermoDross::getKurve(float& temperature, CHydrixInterpolation& xTable,
                                     CHydrixInterpolation& yTable) const {
  if (m_Kurven.size() < 2) return;
  std::vector<float> x;
  std::vector<float> x2;
  std::vector<float> y;
  getKurve(temperature, x, x2, y);
  for (std::size_t i = 0; i < x.size(); ++i) {
    xTable.Add(x[i], x2[i]);
    yTable.Add(y[i], x2[i]);
  }
}

double hydArmaturThermoDross::getKvmin() const {
  curveTables();
  return m_kvMin;
}

double hydArmaturThermoDross::getKvmax() const {
  curveTables();
  return m_kvMax;
}

double hydArmaturThermoDross::getKvMaxByTemperatur(double T) const { return kvOfFirstCurveAt(curveTables(), T); }

double hydArmaturThermoDross::kvOfFirstCurveAt(const std::vector<CurveTables>& tables, double T) const {
  if (tables.empty() || !tables.front().functionOk) return -1.0;
  const double kv = tables.front().function.GetY(T, false);
  return kv == kNoValue ? -1.0 : kv;
}

double hydArmaturThermoDross::getReglerTempMax() const {
  return m_Kurven.empty() ? -1.0 : m_Kurven.front()->getTemperatur();
}

double hydArmaturThermoDross::getReglerTempMin() const {
  return m_Kurven.empty() ? -1.0 : m_Kurven.back()->getTemperatur();
}

bool hydArmaturThermoDross::hasDesinfektion() const {
  for (const auto& curve : m_Kurven) {
    if (curve->getKvDesinfektion() > 0.0) return true;
  }
  return false;
}

hydArmaturThermoDross::FunktionSource hydArmaturThermoDross::findFunktionSource(
    const std::vector<CurveTables>& tables, double T, bool interpolate) const {
  FunktionSource source;
  if (m_Kurven.empty() || T < getReglerTempMin() || T > getReglerTempMax()) return source;
  for (std::size_t i = 0; i < m_Kurven.size(); ++i) {
    if (std::fabs(m_Kurven[i]->getTemperatur() - T) <= kSameTemperature) {
      source.kind = FunktionSource::Curve;
      source.index = i;
      return source;
    }
  }
  if (!interpolate) return source;

  // The two curves around T whose functions exist: i the warmer, i + 1 the colder.
  source.kind = FunktionSource::None;
  for (std::size_t i = 0; i + 1 < m_Kurven.size(); ++i) {
    const double tWarm = m_Kurven[i]->getTemperatur();
    const double tCold = m_Kurven[i + 1]->getTemperatur();
    if (!(tCold < T && T < tWarm)) continue;
    if (tables[i + 1].plainOk && tables[i].plainOk) {
      const CHydrixInterpolation& colder = tables[i + 1].plain;
      const CHydrixInterpolation& warmer = tables[i].plain;
      source.kind = FunktionSource::Pair;
      source.index = i;
      source.weight = std::fabs((T - tCold) / (tWarm - tCold));
      source.firstT = std::min(colder.firstX(), warmer.firstX());
      source.firstKv = std::max(colder.firstY(), warmer.firstY());
      break;
    }
  }
  return source;
}

bool hydArmaturThermoDross::getFunktion(CHydrixInterpolation& out, double T, bool interpolate) const {
  out.reset();
  if (m_Kurven.empty()) return false;
  const std::vector<CurveTables>& tables = curveTables();
  const FunktionSource source = findFunktionSource(tables, T, interpolate);
  switch (source.kind) {
    case FunktionSource::Outside:
      return false;
    case FunktionSource::Curve:
      out = tables[source.index].function;
      return tables[source.index].functionOk;
    case FunktionSource::None:
      return true;
    case FunktionSource::Pair:
      break;
  }

  const std::size_t pair = source.index;
  // Mix the two functions at equal kv: the temperature at which each reaches the kv,
  // weighted by where T lies between the two regulator temperatures.
  const CHydrixInterpolation& colderInverse = tables[pair + 1].plainInverse;
  const CHydrixInterpolation& warmerInverse = tables[pair].plainInverse;
  mixInto(out, colderInverse, warmerInverse, true, source.weight);
  mixInto(out, warmerInverse, colderInverse, false, source.weight);
  out.Add(source.firstT, source.firstKv);
  out.sort(kMixedNodeDistance);
  m_Kurven[pair + 1]->appendFunktionThDesinf(out);
  return true;
}

bool hydArmaturThermoDross::getFunktionKv(double T, double waterT, double& kv) const {
  kv = kNoValue;
  if (m_Kurven.empty()) return false;
  const std::vector<CurveTables>& tables = curveTables();
  const FunktionSource source = findFunktionSource(tables, T, true);
  switch (source.kind) {
    case FunktionSource::Outside:
      return false;
    case FunktionSource::Curve:
      kv = tables[source.index].function.GetY(waterT, true);
      return tables[source.index].functionOk;
    case FunktionSource::None:
      return true;
    case FunktionSource::Pair:
      break;
  }

  const std::size_t pair = source.index;
  const MixPoints& fromColder = tables[pair].mixedWithColder[0];
  const MixPoints& fromWarmer = tables[pair].mixedWithColder[1];
  MixedRun colderRun(fromColder.colder, fromColder.warmer, fromColder.kv, source.weight);
  MixedRun warmerRun(fromWarmer.colder, fromWarmer.warmer, fromWarmer.kv, source.weight);
  if (mixedKvAt(colderRun, warmerRun, source.firstT, source.firstKv, *m_Kurven[pair + 1], waterT, kv)) {
    return true;
  }
  CHydrixInterpolation function;
  getFunktion(function, T, true);
  kv = function.GetY(waterT, true);
  return true;
}

bool hydArmaturThermoDross::findEinstelltemperatur(double kv, double T, double& temperature, int& index1,
                                                   int& index2, bool strict) const {
  temperature = -1.0;
  index1 = -1;
  index2 = -1;
  if (m_Kurven.empty()) return false;
  const double kvMin = getKvmin();
  const double kvMax = getKvmax();
  if (strict) {
    if (kv < kvMin || kv > kvMax) return false;
  } else {
    kv = std::min(std::max(kv, kvMin), kvMax);
  }

  const int count = getCount();
  const CEinstellungKurve& first = *m_Kurven.front();
  const CEinstellungKurve& last = *m_Kurven.back();
  if (T > first.getTemperatur()) {
    temperature = first.getTemperatur();
    index1 = index2 = count - 1;
    return true;
  }

  // The water temperature at which curve i has the kv; -1.0 when there is none.
  const std::vector<CurveTables>& tables = curveTables();
  auto temperatureAt = [&tables, kv](std::size_t i) {
    const double t = tables[i].temperaturByKv.GetY(kv, false);
    return t == kNoValue ? -1.0 : t;
  };
  for (int i = 0; i + 1 < count; ++i) {
    const CEinstellungKurve& warm = *m_Kurven[static_cast<std::size_t>(i)];
    const CEinstellungKurve& cold = *m_Kurven[static_cast<std::size_t>(i) + 1];
    const double tLow = temperatureAt(static_cast<std::size_t>(i) + 1);
    const double tHigh = temperatureAt(static_cast<std::size_t>(i));
    if (tLow < 0.0 || tHigh < 0.0 || tLow == tHigh) continue;
    if (tLow > T + kTemperatureTolerance || tHigh < T - kTemperatureTolerance) continue;
    const double r = std::min(1.0, std::max(0.0, (T - tLow) / (tHigh - tLow)));
    temperature = cold.getTemperatur() + r * (warm.getTemperatur() - cold.getTemperatur());
    index1 = i;
    index2 = i + 1;
    return true;
  }

  index1 = 0;
  index2 = count - 1;
  const double tLast = temperatureAt(m_Kurven.size() - 1);
  const double tFirst = temperatureAt(0);
  if (tLast > T) {
    temperature = last.getTemperatur();
    return true;
  }
  if (T > tFirst) {
    temperature = first.getTemperatur();
    return true;
  }
  return false;
}

bool hydArmaturThermoDross::write(CNode* node) const {
  if (node == nullptr) return false;
  if (node->GetName().empty()) node->SetName("ThermoDross");
  if (!hydArmaturDross::write(node)) return false;
  for (const auto& curve : m_Kurven) curve->write(node, true, "TS_KVE_F", "TS_KVE_S", "TS_KVW", "TS_TSO", "XP");
  return true;
}

bool hydArmaturThermoDross::read(const CNode* node) {
  if (!hydArmaturDross::read(node)) return false;
  dropCurveTables();
  for (const CNode* child = node->FindChild("CK"); child != nullptr; child = node->FindChild("CK", child)) {
    auto curve = std::make_unique<CEinstellungKurve>();
    curve->read(child, false, "TS_KVE_F", "TS_KVE_S", "TS_KVW", "TS_TSO", "XP");
    curve->setParent(this);
    m_Kurven.push_back(std::move(curve));
  }
  return true;
}

}  // namespace armakon::hydVDIArmaturen
