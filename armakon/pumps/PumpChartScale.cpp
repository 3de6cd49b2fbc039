#include "armakon/pumps/PumpChartScale.h"

#include <algorithm>
#include <cmath>

namespace armakon {

namespace {

// Round steps give about this many intervals per axis.
constexpr int kTargetTicks = 6;

PumpChartAxis niceAxis(double dataLo, double dataHi) {
  PumpChartAxis axis;
  const double lo = std::min(0.0, dataLo);
  const double hi = std::max(0.0, dataHi);
  const double range = hi - lo;
  if (!(range > 0.0) || !std::isfinite(range)) return axis;
  const double raw = range / kTargetTicks;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  if (!(magnitude > 0.0) || !std::isfinite(magnitude)) return axis;
  const double norm = raw / magnitude;
  const double factor = norm <= 1.0 ? 1.0 : norm <= 2.0 ? 2.0 : norm <= 2.5 ? 2.5 : norm <= 5.0 ? 5.0 : 10.0;
  axis.step = factor * magnitude;
  axis.lo = std::floor(lo / axis.step) * axis.step;
  axis.hi = std::ceil(hi / axis.step) * axis.step;
  if (!(axis.hi > axis.lo) || !std::isfinite(axis.hi - axis.lo)) return PumpChartAxis{};
  return axis;
}

}  // namespace

std::vector<double> PumpChartAxis::ticks() const {
  std::vector<double> values;
  const double first = std::round(lo / step);
  for (int k = 0; k <= kMaxTicks; ++k) {
    const double v = (first + k) * step;
    if (v > hi + step * 1e-6) break;
    values.push_back(v);
  }
  return values;
}

bool isFinitePoint(const PumpChartValue& point) { return std::isfinite(point.flow) && std::isfinite(point.head); }

PumpChartScale scalePumpChart(const PumpChart& chart) {
  double xLo = 0.0, xHi = 0.0, yLo = 0.0, yHi = 0.0;
  for (const PumpChartSeries& series : chart.series) {
    for (const PumpChartValue& p : series.points) {
      if (!isFinitePoint(p)) continue;
      xLo = std::min(xLo, p.flow);
      xHi = std::max(xHi, p.flow);
      yLo = std::min(yLo, p.head);
      yHi = std::max(yHi, p.head);
    }
  }
  return {niceAxis(xLo, xHi), niceAxis(yLo, yHi)};
}

}  // namespace armakon
