// The container's hydraulic formulas and its setting operations on the variant a record names.

#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/SettingSearch.h"
#include "armakon/model/CKurve.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;

double RnArmaturContainer::Pa_mbar(double pa) { return armakon::Pa_mbar(pa); }
double RnArmaturContainer::mbar_Pa(double mbar) { return armakon::mbar_Pa(mbar); }
double RnArmaturContainer::_pwr2(double x) { return armakon::_pwr2(x); }
double RnArmaturContainer::_kvWert(double flow, double dpPa, double rho) { return armakon::_kvWert(flow, dpPa, rho); }
double RnArmaturContainer::_kvSerie(double kv1, double kv2) { return armakon::_kvSerie(kv1, kv2); }
double RnArmaturContainer::_dpWert(double flow, double kv, double rho) { return armakon::_dpWert(flow, kv, rho); }
double RnArmaturContainer::Round(double x, int n) { return armakon::Round(x, n); }
float RnArmaturContainer::Round(float x, int n) { return armakon::Round(x, n); }

bool RnArmaturContainer::isInKvRange(const hydArmatur* variant, double kv) { return armakon::isInKvRange(variant, kv); }

int RnArmaturContainer::findEinstellung(const hydArmatur* variant, const double& kv, bool fromOpen) {
  return armakon::findEinstellung(variant, kv, fromOpen);
}

bool RnArmaturContainer::getKvIst(const ARMATUR& record, double& kv) const {
  kv = 0.0;
  if (record.einstellung < 0) return false;
  const hydArmatur* variant = getArmatur(record);
  if (variant == nullptr) return false;
  const hydVDIArmaturen::CKurve& curve = variant->getKurve();
  if (record.einstellung >= curve.getCount()) return false;
  kv = curve.getAt(record.einstellung).y;
  return true;
}

bool RnArmaturContainer::findArmaturenEinstellung(const double& kv, const enArmaturenTyp& /*kind*/, bool fromOpen,
                                                  ARMATUR& record) const {
  record.einstellung = -1;
  const double k = roundKv(kv);
  const hydArmatur* variant = getArmatur(record);
  if (variant == nullptr) return false;
  const int count = variant->getKurve().getCount();
  if (count == 0) return false;
  if (roundKv(variant->getKvmin()) >= k) {
    record.einstellung = count - 1;
  } else if (k >= roundKv(variant->getKvmax())) {
    record.einstellung = 0;
  } else {
    record.einstellung = armakon::findEinstellung(variant, k, fromOpen);
  }
  return record.einstellung >= 0;
}

std::string RnArmaturContainer::getEinstellung(const ARMATUR& record, bool withXp) const {
  if (record.einstellung < 0) return {};
  const hydArmatur* variant = getArmatur(record);
  if (variant == nullptr) return {};
  return variantSettingText(*variant, record.einstellung, withXp);
}

}  // namespace armakon
