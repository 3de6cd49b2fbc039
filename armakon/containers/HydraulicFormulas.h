#pragma once
// Hydraulic formulas shared by the valve containers and their sizing searches.
//
// Units: the formulas do not convert flows. A kv value is the flow in m³/h at a pressure drop
// of 1 bar (100000 Pa) for water of 1000 kg/m³; _kvWert and _dpWert take the pressure drop in
// Pa and the density in kg/m³ and leave the flow in whatever unit the caller uses (m³/h in,
// kv out). Everything is double precision except the float form of Round.
//
// The containers offer the same formulas as static members (RnArmaturContainer::_kvWert, ...);
// these free functions are what those members call.
//
// _kvSerie and Round sit in the inner loops of the sizing searches (every curve value a search
// compares is rounded first), so they are defined here, inline, rather than called across the
// library.

#include <cmath>
#include <cstdint>
#include <iterator>

namespace armakon {

// The double-precision machine epsilon; the formulas and searches treat values at or below
// it as zero.
inline constexpr double kFormulaEpsilon = 2.220446049250313e-16;

// Pressure in Pa -> mbar.
double Pa_mbar(double pa);
// Pressure in mbar -> Pa.
double mbar_Pa(double mbar);
// x squared.
double _pwr2(double x);
// kv of flow V at pressure drop dpPa and density rho: sqrt(100000 / dp * rho / 1000) * V;
// 0 when dp <= epsilon.
double _kvWert(double flow, double dpPa, double rho);
// kv of two resistances in series; one kv of (about) zero leaves the other; both: 0.
inline double _kvSerie(double kv1, double kv2) {
  const bool has1 = kv1 > kFormulaEpsilon;
  const bool has2 = kv2 > kFormulaEpsilon;
  if (has1 && has2) return kv1 * kv2 / std::sqrt(kv1 * kv1 + kv2 * kv2);
  if (has1) return kv1;
  if (has2) return kv2;
  return 0.0;
}
// Pressure drop in Pa of flow V through kv at density rho: (V / kv)^2 * rho * 100; 0 when
// kv <= epsilon.
double _dpWert(double flow, double kv, double rho);

namespace rounding {

// The powers of ten of the usual decimals: pow returns these exactly (they are
// representable), so taking them from a table changes the speed and not a single result.
inline constexpr double kDoublePowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                           1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr float kFloatPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

inline double powerOfTen(int n) {
  if (n >= 0 && n < static_cast<int>(std::size(kDoublePowers))) return kDoublePowers[n];
  return std::pow(10.0, n);
}

inline float powerOfTenFloat(int n) {
  if (n >= 0 && n < static_cast<int>(std::size(kFloatPowers))) return kFloatPowers[n];
  return std::pow(10.0f, static_cast<float>(n));
}

// std::floor, value for value (signed zeros, infinities and NaN included), without the call
// into the maths library that the baseline instruction set needs for it: below 2^52 (2^23 in
// single precision) the truncation through an integer is exact and a negative fraction steps
// one down; from there on every value is whole already.
inline double floorOf(double v) {
  if (!(std::fabs(v) < 4503599627370496.0)) return v;
  double whole = static_cast<double>(static_cast<std::int64_t>(v));
  if (whole > v) whole -= 1.0;
  return std::copysign(whole, v);
}

inline float floorOf(float v) {
  if (!(std::fabs(v) < 8388608.0f)) return v;
  float whole = static_cast<float>(static_cast<std::int32_t>(v));
  if (whole > v) whole -= 1.0f;
  return std::copysign(whole, v);
}

}  // namespace rounding

// floor(10^n * x + 0.5) / 10^n: a value exactly halfway goes towards positive infinity, for
// negative values too (-0.0005 to 3 decimals gives 0). The float form computes in single
// precision throughout.
inline double Round(double x, int n) {
  const double scale = rounding::powerOfTen(n);
  return rounding::floorOf(scale * x + 0.5) / scale;
}

inline float Round(float x, int n) {
  const float scale = rounding::powerOfTenFloat(n);
  return rounding::floorOf(scale * x + 0.5f) / scale;
}

}  // namespace armakon
