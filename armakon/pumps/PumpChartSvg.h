#pragma once
// The chart of a pump's static curves with the system curves and operating points of the
// network, as the pump choice shows it, drawn as an SVG picture by our own small writer.
//
// Building (buildPumpChart) follows the pump choice's rules: flow in m³/h (× 3600), head in m
// (Pa ÷ 10000); each curve with at least one pair is sampled at its first flow and then in 40
// equal steps up to its last flow (41 points) and named by getKennlinieName; each operating
// point with a positive flow and head gets its system curve, a parabola from the static head
// through the operating point up to 10 % above the highest pump head drawn, and a vertical
// line at the operating flow. Rendering (renderPumpChartSvg) draws that data with axes,
// "%.2f" tick labels, a legend and a hint text on every point; the scaling is the writer's.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace armakon {

class hydPumpe;

// An operating point of the network in model units, in the order the host hands it over:
// name, static head of the system curve (Pa), operating flow (m³/s), operating head (Pa).
struct PumpChartPoint {
  std::string name;
  double staticHead = 0.0;
  double flow = 0.0;
  double head = 0.0;
};

struct PumpChartSeries {
  enum class Kind { StaticCurve, SystemCurve, OperatingPoint };
  Kind kind = Kind::StaticCurve;
  std::string name;  // an empty name keeps the series out of the legend
  std::uint32_t rgb = 0;  // 0xRRGGBB
  std::vector<std::pair<double, double>> points;  // (m³/h, m)
};

struct PumpChart {
  std::string title;   // the pump's name
  std::string xTitle;  // translated "Q in m³/h"
  std::string yTitle;  // translated "H in m"
  std::vector<PumpChartSeries> series;  // static curves first, then per operating point its pair
};

// Points per static curve and per system curve.
inline constexpr int kPumpChartSamples = 41;

PumpChart buildPumpChart(const hydPumpe& pumpe, const std::vector<PumpChartPoint>& points);

// The chart as a stand-alone SVG document (UTF-8).
std::string renderPumpChartSvg(const PumpChart& chart);

// Text made safe for XML character data and attribute values: markup characters escaped,
// bytes that are not well-formed UTF-8 and characters XML does not allow replaced by U+FFFD.
std::string escapeSvgText(std::string_view text);

}  // namespace armakon
