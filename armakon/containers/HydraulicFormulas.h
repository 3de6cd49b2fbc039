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
double _kvSerie(double kv1, double kv2);
// Pressure drop in Pa of flow V through kv at density rho: (V / kv)^2 * rho * 100; 0 when
// kv <= epsilon.
double _dpWert(double flow, double kv, double rho);

// floor(10^n * x + 0.5) / 10^n: a value exactly halfway goes towards positive infinity, for
// negative values too (-0.0005 to 3 decimals gives 0). The float form computes in single
// precision throughout.
double Round(double x, int n);
float Round(float x, int n);

}  // namespace armakon
