#pragma once
// The pump chart (PumpChart.h) drawn as an SVG picture by our own small writer: axes with
// the chart's tick-label format, one path per series, a dot with its hint text on every
// point, and a legend; the scaling is the writer's.

#include <string>
#include <string_view>

#include "armakon/pumps/PumpChart.h"

namespace armakon {

// The chart as a stand-alone SVG document (UTF-8).
std::string renderPumpChartSvg(const PumpChart& chart);

// Text made safe for XML character data and attribute values: markup characters escaped,
// bytes that are not well-formed UTF-8 and characters XML does not allow replaced by U+FFFD.
std::string escapeSvgText(std::string_view text);

}  // namespace armakon
