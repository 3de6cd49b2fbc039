#pragma once
// The lookups that valve curves share: the nearest-node walk and the interpolating lookup.
//
// Both are written over accessors for the searched coordinate (key) and the answered one
// (target), so one walk serves x -> y, y -> x, x -> x2 and x2 -> x.

#include <cmath>
#include <cstddef>

namespace armakon::hydVDIArmaturen::curve_lookup {

// Two coordinates closer than this count as the same point.
inline constexpr double kExactMatch = 1e-5;

// The value at x on the segment (x0, y0) - (x1, y1), computed as the interpolation table
// computes it (a vertical segment answers y0), so both give the same double.
inline double onLine(double x, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0;
  if (dx == 0.0 || std::isnan(dx)) return y0;
  return y0 + (y1 - y0) * ((x - x0) / dx);
}

// Index of the node a nearest lookup answers for n >= 2 nodes, or -1 when no node qualifies
// (an invalid mode at a bracketing pair, or NaN values). Modes as CKurve::enNearest.
template <class Key>
long nearestIndex(std::size_t n, const Key& key, double value, int mode) {
  const double first = key(0);
  const double last = key(n - 1);
  // The ends answer for everything beyond them, whatever the mode.
  if (last > first) {
    if (value <= first) return 0;
    if (value >= last) return static_cast<long>(n - 1);
  } else {
    if (value >= first) return 0;
    if (value <= last) return static_cast<long>(n - 1);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const double current = key(i);
    if (std::fabs(current - value) < kExactMatch) return static_cast<long>(i);
    if (i == 0) continue;
    const double previous = key(i - 1);
    const bool rising = previous < value && value < current;
    const bool falling = previous > value && value > current;
    if (!rising && !falling) continue;
    const long here = static_cast<long>(i);
    switch (mode) {
      case 0:
        return std::fabs(value - previous) > std::fabs(current - value) ? here : here - 1;
      case 1:
        return rising ? here : here - 1;
      case 2:
        return rising ? here - 1 : here;
      default:
        return -1;
    }
  }
  return -1;
}

}  // namespace armakon::hydVDIArmaturen::curve_lookup
