#include "armakon/containers/HydraulicFormulas.h"

#include <cmath>

namespace armakon {

double Pa_mbar(double pa) { return pa * 0.01; }

double mbar_Pa(double mbar) { return mbar * 100.0; }

double _pwr2(double x) { return x * x; }

double _kvWert(double flow, double dpPa, double rho) {
  if (dpPa <= kFormulaEpsilon) return 0.0;
  // Evaluated in this order so that results agree to the last bit with the host's own
  // network calculation.
  return std::sqrt(100000.0 / dpPa * rho / 1000.0) * flow;
}

double _dpWert(double flow, double kv, double rho) {
  if (kv <= kFormulaEpsilon) return 0.0;
  const double ratio = flow / kv;
  return ratio * ratio * (rho * 100000.0 / 1000.0);
}

}  // namespace armakon
