#pragma once
// The chart of the pump choice: a pump's static curves together with the system curves and
// operating points of the network, as plain data. The choice dialog shows it and the SVG
// writer (PumpChartSvg.h) draws it, so both show the same series.
//
// Flow in m³/h (× 3600), head in m (Pa ÷ 10000). Each curve with at least one pair is sampled
// at its first flow and then in 40 equal steps up to its last flow (41 points; one when both
// are equal; points where the curve has no value are left out) and named by
// getKennlinieName. Each Netzpunkt with a positive flow and head gets its system curve, a
// parabola from the static head through the operating point up to 10 % above the highest
// pump head drawn (only up to 0.1 m³/h when the operating head does not lie above the static
// head), and a vertical line at the operating flow; the line of the first Netzpunkt is named
// "Betriebspunkt", later ones stay out of the legend. Every point carries its hint text
// "Q = %.1f m³/h, H = %.1f m".
//
// Colours are 0xRRGGBB: system curves blue, operating points red (0xff0000 and 0xff in the
// Windows BGR order). The static curves take turns in a fixed palette, so the same pump
// always looks the same on screen and in the SVG.

#include <cstdint>
#include <string>
#include <vector>

#include "armakon/pumps/Netzpunkt.h"

namespace armakon {

class hydPumpe;

struct PumpChartValue {
  double flow = 0.0;  // m³/h
  double head = 0.0;  // m
  std::string hint;   // "Q = 1.0 m³/h, H = 4.0 m" (translated format and units)
};

struct PumpChartSeries {
  enum class Kind { StaticCurve, SystemCurve, OperatingPoint };
  Kind kind = Kind::StaticCurve;
  std::string name;       // an empty name keeps the series out of the legend
  std::uint32_t rgb = 0;  // 0xRRGGBB
  std::vector<PumpChartValue> points;
};

struct PumpChart {
  std::string title;         // the pump's name
  std::string xTitle;        // translated "Q in m³/h"
  std::string yTitle;        // translated "H in m"
  std::string numberFormat;  // of the axes' tick labels: "%.2f"
  std::vector<PumpChartSeries> series;  // static curves first, then per Netzpunkt its pair
};

// Points per static curve and per system curve.
inline constexpr int kPumpChartSamples = 41;

PumpChart buildPumpChart(const hydPumpe& pumpe, const std::vector<Netzpunkt>& netzpunkte);

}  // namespace armakon
