// Reads arbitrary text as the tree node of one valve variant (the class named by the node, as a
// valve-model file names it), asks the variant every curve and sizing query with values taken
// from its own data, and checks that writing it is stable: what was written once reads back and
// writes again to the same tree.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/ObjectFactory.h"
#include "armakon/components/TreeFile.h"
#include "armakon/model/ValveClassTable.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturThermoDross.h"

namespace {

using armakon::CHydrixInterpolation;
using armakon::CNode;
using namespace armakon::hydVDIArmaturen;

// Queries per curve stay bounded whatever the input holds.
constexpr int kMaxProbes = 8;

void check(bool condition) {
  if (!condition) std::abort();
}

const armakon::CObjectFactory<hydArmaturObject>& factory() {
  static const armakon::CObjectFactory<hydArmaturObject> instance(registerValveClasses);
  return instance;
}

std::unique_ptr<hydArmatur> create(const std::string& nodeName) {
  std::unique_ptr<hydArmaturObject> object = factory().create(nodeName == "ARM" ? "hydArmatur" : "hydArmatur" + nodeName);
  auto* variant = dynamic_cast<hydArmatur*>(object.get());
  if (variant == nullptr) return nullptr;
  object.release();
  return std::unique_ptr<hydArmatur>(variant);
}

// Values worth asking a curve for: its own coordinates, between them and beyond them.
std::vector<double> probes(const CKurve& curve) {
  std::vector<double> values = {0.0, -1.0, 1e6};
  for (int i = 0; i < curve.getCount() && i < kMaxProbes; ++i) {
    const curveNode& node = curve.getAt(i);
    values.push_back(node.x);
    values.push_back(node.y);
    values.push_back(static_cast<double>(node.x) + 0.5);
    values.push_back(static_cast<double>(node.y) * 0.999);
  }
  return values;
}

// On a curve whose x runs one way and whose values are finite, an interpolated y lies within
// the range of the nodes' y: the lookup never extends beyond the curve.
bool yWithinNodes(const CKurve& curve, float y) {
  if (y == CKurve::kNoInterpol) return true;
  float low = INFINITY;
  float high = -INFINITY;
  bool rising = true;
  bool falling = true;
  for (int i = 0; i < curve.getCount(); ++i) {
    const curveNode& node = curve.getAt(i);
    if (!std::isfinite(node.x) || !std::isfinite(node.y)) return true;
    low = std::fmin(low, node.y);
    high = std::fmax(high, node.y);
    if (i > 0) {
      rising = rising && curve.getAt(i - 1).x <= node.x;
      falling = falling && curve.getAt(i - 1).x >= node.x;
    }
  }
  if (!rising && !falling) return true;
  const float slack = 1e-5f * std::fmax(std::fabs(low), std::fabs(high)) + 1e-30f;
  return y >= low - slack && y <= high + slack;
}

void askCurve(const CKurve& curve) {
  for (const double v : probes(curve)) {
    check(yWithinNodes(curve, curve.getYInterpol(v)));
    curve.getXInterpol(v);
    curve.getX2(v);
    curve.getX(v);
    for (int mode = 0; mode < 4; ++mode) {
      curve.getYNearest(v, mode);
      float x = 0.0f;
      std::string text;
      curve.getXNearest(x, text, v, mode);
    }
  }
}

void askVariant(const hydArmatur& variant) {
  variant.getKvmin();
  variant.getKvmax();
  askCurve(variant.getKurve());
  const std::vector<double> values = probes(variant.getKurve());

  if (const auto* ddr = dynamic_cast<const hydArmaturDDR*>(&variant)) {
    askCurve(ddr->getKennlinieKvzuPAbw());
    ddr->getDpSollMin();
    for (const double v : values) {
      double dpSet = 0.0;
      ddr->getKvzudeltaP(v, 100.0, dpSet);
    }
    CKurve out;
    ddr->getKvzuDpKurveAt(50.0, out);
    check(out.getCount() == ddr->getKennlinieKvzuPAbw().getCount());
  }
  if (const auto* dfr = dynamic_cast<const hydArmaturDFR*>(&variant)) {
    dfr->getFlowRateAt(0);
    dfr->getFlowRateMax();
  }
  if (const auto* thkvdfr = dynamic_cast<const hydArmaturTHKVDFR*>(&variant)) {
    thkvdfr->getWirkdruck(0);
    thkvdfr->getFlowRateMin();
  }
  if (const auto* ea = dynamic_cast<const hydArmaturEA*>(&variant)) {
    for (const double v : values) {
      ea->getKv(v);
      ea->getQ(v);
    }
  }
  if (const auto* safety = dynamic_cast<const hydArmaturSicherung*>(&variant)) {
    safety->getOefnDp();
    for (const double v : values) {
      safety->getDp(v);
      safety->getQ(v);
    }
  }
  if (const auto* reducer = dynamic_cast<const hydArmaturDruckminderer*>(&variant)) {
    check(reducer->getdP_bar(0) == 0.0);
    reducer->getDpOutMin();
  }
  if (const auto* thermo = dynamic_cast<const hydArmaturThermoDross*>(&variant)) {
    thermo->hasDesinfektion();
    CHydrixInterpolation function;
    const int count = thermo->getCount();
    for (int i = 0; i < count && i < kMaxProbes; ++i) {
      const CEinstellungKurve& curve = thermo->getKurveAt(i);
      askCurve(curve);
      curve.findTemperaturByKvWert(0.5);
      const double t = curve.getTemperatur();
      thermo->getFunktion(function, t, false);
      thermo->getFunktion(function, t - 0.5, true);
      double temperature = 0.0;
      int index1 = 0;
      int index2 = 0;
      if (thermo->findEinstelltemperatur(0.5, t, temperature, index1, index2, i % 2 == 0)) {
        check(index1 >= 0 && index1 < count && index2 >= 0 && index2 < count);
      }
    }
  }
}

std::unique_ptr<CNode> written(const hydArmatur& variant) {
  auto node = std::make_unique<CNode>();
  check(variant.write(node.get()));
  return node;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CNode root;
  if (!root.ReadFromString(std::string(reinterpret_cast<const char*>(data), size))) return 0;
  std::unique_ptr<hydArmatur> variant = create(root.GetName());
  if (variant == nullptr || !variant->read(&root)) return 0;
  askVariant(*variant);

  // The first write settles values the file may hold in forms the variant does not keep (a
  // setting without value, out-of-range bytes); from then on writing and reading agree.
  const std::unique_ptr<CNode> first = written(*variant);
  std::unique_ptr<hydArmatur> second = create(first->GetName());
  check(second != nullptr && second->read(first.get()));
  const std::unique_ptr<CNode> settled = written(*second);
  std::unique_ptr<hydArmatur> third = create(settled->GetName());
  check(third != nullptr && third->read(settled.get()));
  check(written(*third)->IsEqualTo(*settled));
  return 0;
}
