#pragma once
// Heating regulators for the sizing tests, built node by node the way the import stores
// them: setpoints, flows and kv values falling from node 0 (most open) to the last node.

#include <initializer_list>
#include <string>
#include <vector>

#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturEAV.h"

namespace armakon::heatingtest {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::CKurve14;
using hydVDIArmaturen::curveNode14;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturDDR;
using hydVDIArmaturen::hydArmaturDDRDFR;
using hydVDIArmaturen::hydArmaturDFR;
using hydVDIArmaturen::hydArmaturEAV;

// The heating container with a public constructor, so that every test has its own.
class TestHz : public HzArmaturContainer {
 public:
  TestHz() = default;
};

// Node i gets the setting x = i + 1 and the value ys[i].
inline CKurve settingCurve(const std::vector<float>& ys, const std::string& unit = "") {
  CKurve curve;
  curve.setEinheitx(unit);
  for (std::size_t i = 0; i < ys.size(); ++i) curve.addCurveNode(static_cast<float>(i + 1), "", ys[i]);
  return curve;
}

struct KvDeviation {
  float kv;
  float deviation;
};

inline CKurve deviationCurve(std::initializer_list<KvDeviation> points) {
  CKurve curve;
  for (const KvDeviation& p : points) curve.addCurveNode(p.kv, "", p.deviation);
  return curve;
}

// y1 .. y4 of one four-value node; x is the node's setting.
struct Node14 {
  float y1, y2, y3, y4;
};

inline CKurve14 fourValueCurve(std::initializer_list<Node14> nodes, const std::string& unit = "") {
  CKurve14 curve;
  curve.setEinheitx(unit);
  float x = 1.0f;
  for (const Node14& n : nodes) curve.addCurveNode(curveNode14(x++, "", n.y1, n.y2, n.y3, n.y4));
  return curve;
}

// A container entry to which typed variants are added.
class EntryBuilder {
 public:
  EntryBuilder(enArmaturenTyp kind, const std::string& name, bool global = true) {
    entry_.setTyp(kind);
    entry_.setGlobal(global ? 1 : 0);
    entry_.getModell().setManufacturerModel("Testwerk", name);
  }

  EntryBuilder& ddr(int dn, const std::vector<float>& setpoints, std::initializer_list<KvDeviation> kvDev,
                    const std::string& unit = "") {
    auto* v = static_cast<hydArmaturDDR*>(add(205, dn));
    v->addKennlinieDp(settingCurve(setpoints, unit));
    v->addKennlinieKvzuPAbw(deviationCurve(kvDev));
    return *this;
  }
  EntryBuilder& dfr(int dn, const std::vector<float>& flows, float wirkdruck, const std::string& unit = "") {
    auto* v = static_cast<hydArmaturDFR*>(add(207, dn));
    v->addKurve(settingCurve(flows, unit));
    v->setWirkdruck(wirkdruck);
    return *this;
  }
  EntryBuilder& ddrdfr(int dn, const std::vector<float>& setpoints, std::initializer_list<KvDeviation> kvDev,
                       const std::vector<float>& flows, float wirkdruck, const std::string& unit = "") {
    auto* v = static_cast<hydArmaturDDRDFR*>(add(208, dn));
    v->addKennlinieDp(settingCurve(setpoints, unit));
    v->addKennlinieKvzuPAbw(deviationCurve(kvDev));
    v->getDFRAnteil().addKurve(settingCurve(flows, unit));
    v->setWirkdruck(wirkdruck);
    return *this;
  }
  EntryBuilder& plain(int armType, int dn) {
    add(armType, dn);
    return *this;
  }

  // Appends the entry to the container and returns its id.
  int addTo(RnArmaturContainer& container) {
    container.append(entry_);
    return entry_.getId();
  }

 private:
  hydArmatur* add(int armType, int dn) {
    hydArmatur* v = entry_.getModell().Add(armType);
    v->setArmType(armType);
    v->setDimension(dn);
    return v;
  }
  ArmaturenModell entry_;
};

inline ARMATUR record(int modellId, int dimension, int einstellung = -1, int einstellung2 = -1) {
  ARMATUR r;
  r.modellId = modellId;
  r.dimension = dimension;
  r.einstellung = einstellung;
  r.einstellung2 = einstellung2;
  return r;
}

}  // namespace armakon::heatingtest
