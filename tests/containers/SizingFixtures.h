#pragma once
// Container entries for the sizing tests: valve models whose variants carry setting curves
// with the kv falling from node 0 (most open) to the last node (most closed).

#include <initializer_list>
#include <string>
#include <vector>

#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturTHKV.h"

namespace armakon::sizingtest {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturDross;
using hydVDIArmaturen::hydArmaturTHKV;

// A container of the base class (its constructor is for the kinds' containers only).
class TestContainer : public RnArmaturContainer {
 public:
  TestContainer() : RnArmaturContainer(0) {}
};

// Node i gets the setting x = count - i and the kv kvs[i].
inline CKurve kvCurve(const std::vector<float>& kvs, const std::string& unit = "") {
  CKurve curve;
  curve.setEinheitx(unit);
  curve.setEinheity("m³/h");
  const int count = static_cast<int>(kvs.size());
  for (int i = 0; i < count; ++i) {
    curve.addCurveNode(static_cast<float>(count - i), "", kvs[static_cast<std::size_t>(i)]);
  }
  return curve;
}

struct VariantSizes {
  int dn;
  std::vector<float> kvs;  // empty: a variant without curve
};

// A global entry of the kind whose variants have the class of armType (202/204: balancing
// valve, 201: thermostatic valve, 211: fixed resistance without curve).
inline ArmaturenModell makeEntry(enArmaturenTyp kind, int armType, const std::string& name,
                                 std::initializer_list<VariantSizes> variants, const std::string& group = "",
                                 double xp = 2.0) {
  ArmaturenModell entry;
  entry.setGlobal(1);
  entry.setTyp(kind);
  entry.setGruppe(group);
  entry.getModell().setManufacturerModel("Testwerk", name);
  for (const VariantSizes& sizes : variants) {
    hydArmatur* variant = entry.getModell().Add(armType);
    variant->setArmType(armType);
    variant->setDimension(sizes.dn);
    if (variant->IsKindOf(hydArmaturTHKV::GetThisClass())) {
      auto* thkv = static_cast<hydArmaturTHKV*>(variant);
      thkv->addKvKurve(kvCurve(sizes.kvs, "Umdrehungen"));
      thkv->setXp(xp);
    } else if (variant->IsKindOf(hydArmaturDross::GetThisClass())) {
      static_cast<hydArmaturDross*>(variant)->addKurve(kvCurve(sizes.kvs, "Umdrehungen"));
    }
  }
  return entry;
}

// Appends the entry and returns the id the container gave it.
inline int add(RnArmaturContainer& container, ArmaturenModell entry) {
  container.append(entry);
  return entry.getId();
}

inline ARMATUR record(int modellId, int dimension, int einstellung = -1) {
  ARMATUR r;
  r.modellId = modellId;
  r.dimension = dimension;
  r.einstellung = einstellung;
  return r;
}

}  // namespace armakon::sizingtest
