#pragma once
// The scales of the pump chart, shared by every drawing of it (SVG file, window): each axis
// runs from a multiple of a round step to another, takes in every finite point of every
// series and always 0, so the axes cross at the origin and the ticks fall on round numbers.

#include <vector>

#include "armakon/pumps/PumpChart.h"

namespace armakon {

struct PumpChartAxis {
  double lo = 0.0;
  double hi = 1.0;
  double step = 0.2;

  // Where v lies between lo (0) and hi (1).
  double fraction(double v) const { return (v - lo) / (hi - lo); }
  // The tick values k × step from lo to hi (at most kMaxTicks + 1 of them), each computed
  // from its index, so no rounding accumulates.
  std::vector<double> ticks() const;

  static constexpr int kMaxTicks = 24;
};

struct PumpChartScale {
  PumpChartAxis flow;  // x, m³/h
  PumpChartAxis head;  // y, m
};

PumpChartScale scalePumpChart(const PumpChart& chart);

bool isFinitePoint(const PumpChartValue& point);

}  // namespace armakon
