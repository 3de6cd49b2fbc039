#include "armakon/containers/HydraulicFormulas.h"

#include <cmath>
#include <iterator>

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

double _kvSerie(double kv1, double kv2) {
  const bool has1 = kv1 > kFormulaEpsilon;
  const bool has2 = kv2 > kFormulaEpsilon;
  if (has1 && has2) return kv1 * kv2 / std::sqrt(kv1 * kv1 + kv2 * kv2);
  if (has1) return kv1;
  if (has2) return kv2;
  return 0.0;
}

double _dpWert(double flow, double kv, double rho) {
  if (kv <= kFormulaEpsilon) return 0.0;
  const double ratio = flow / kv;
  return ratio * ratio * (rho * 100000.0 / 1000.0);
}

namespace {

// The searches round every curve value they compare, so Round sits in their inner loops. For
// the usual decimals the power of ten is taken from a table: pow returns these exactly (they
// are representable), so the table changes the speed and not a single result.
constexpr double kDoublePowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr float kFloatPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

double powerOfTen(int n) {
  if (n >= 0 && n < static_cast<int>(std::size(kDoublePowers))) return kDoublePowers[n];
  return std::pow(10.0, n);
}

float powerOfTenFloat(int n) {
  if (n >= 0 && n < static_cast<int>(std::size(kFloatPowers))) return kFloatPowers[n];
  return std::pow(10.0f, static_cast<float>(n));
}

}  // namespace

double Round(double x, int n) {
  const double scale = powerOfTen(n);
  return std::floor(scale * x + 0.5) / scale;
}

float Round(float x, int n) {
  const float scale = powerOfTenFloat(n);
  return std::floor(scale * x + 0.5f) / scale;
}

}  // namespace armakon
