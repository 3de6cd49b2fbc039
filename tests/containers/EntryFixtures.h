#pragma once
// Container entries for the container tests: small valve models with chosen nominal sizes.

#include <initializer_list>
#include <string>

#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/model/hydArmaturTHKV.h"

namespace armakon::containertest {

// The base container has a protected constructor; tests use their own instance.
class TestContainer : public RnArmaturContainer {
 public:
  TestContainer() : RnArmaturContainer(0) {}
};

// An entry of the kind with one variant per dimension. Thermostatic kinds get thermostatic
// variants (type 201) with a three-node kv curve, all others plain fixed resistances (211).
inline ArmaturenModell makeEntry(enArmaturenTyp kind, bool global, const std::string& manufacturer,
                                 std::initializer_list<int> dimensions, const std::string& group = "") {
  ArmaturenModell entry;
  entry.setTyp(kind);
  entry.setGlobal(global ? 1 : 0);
  entry.setGruppe(group);
  hydVDIArmaturen::hydArmaturenModell& model = entry.getModell();
  model.setManufacturerModel(manufacturer, "Reihe " + manufacturer);
  const int type = kind == HZ_THERMOSTATVENTIL ? 201 : 211;
  model.setHydArmType(type);
  for (int dimension : dimensions) {
    hydVDIArmaturen::hydArmatur* variant = model.Add(type);
    variant->setArmType(type);
    variant->setDimension(dimension);
    variant->setArtikelNr(manufacturer + "-" + std::to_string(dimension));
    variant->addAusfDetail("Messing");
    if (auto* thkv = dynamic_cast<hydVDIArmaturen::hydArmaturTHKV*>(variant)) {
      hydVDIArmaturen::CKurve curve;
      curve.setEinheitx("Einstellung");
      curve.addCurveNode(1.0f, "", 0.9f);
      curve.addCurveNode(2.0f, "", 0.5f);
      curve.addCurveNode(3.0f, "", 0.1f);
      thkv->addKvKurve(curve);
      thkv->setXp(2.0);
    }
  }
  return entry;
}

}  // namespace armakon::containertest
