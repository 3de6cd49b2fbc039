// The content of the pump chart: sampled static curves, system curves and operating points.

#include "armakon/pumps/PumpChart.h"

#include <algorithm>
#include <cmath>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "armakon/pumps/hydPumpe.h"

namespace armakon {

namespace {

constexpr double kM3hPerM3s = 3600.0;
constexpr double kPaPerM = 10000.0;
// The system curve ends 10 % above the highest pump head drawn.
constexpr double kHeadReserve = 1.1;
// Length of a system curve whose operating head does not lie above its static head: 0.1 m³/h.
constexpr double kShortSystemCurve = 2.777777777777778e-5;
constexpr int kSteps = kPumpChartSamples - 1;

// Curve colours, one after the other: well apart from the blue system curves and the red
// operating points, and from each other.
constexpr std::uint32_t kCurveColours[] = {0x2e7d32, 0xef6c00, 0x6a1b9a, 0x00838f,
                                           0x8d6e63, 0xc2185b, 0x827717, 0x455a64};
constexpr std::uint32_t kSystemCurveColour = 0x0000ff;
constexpr std::uint32_t kOperatingPointColour = 0xff0000;

// A point in chart units with its hint text.
class PointMaker {
 public:
  PointMaker()
      : format_(Translate("Q = %.1f %s, H = %.1f %s")),
        flowUnit_(TranslateUnits("m³/h")),
        headUnit_(TranslateUnits("m")) {}

  PumpChartValue operator()(double flow, double head) const {
    PumpChartValue value;
    value.flow = flow * kM3hPerM3s;
    value.head = head / kPaPerM;
    value.hint = FormatText(format_, value.flow, flowUnit_, value.head, headUnit_);
    return value;
  }

 private:
  std::string format_;
  std::string flowUnit_;
  std::string headUnit_;
};

PumpChartSeries sampleCurve(const hydPumpenKennlinie& kennlinie, std::uint32_t colour, const PointMaker& point,
                            double& highestHead) {
  PumpChartSeries series;
  series.kind = PumpChartSeries::Kind::StaticCurve;
  series.name = kennlinie.getKennlinieName();
  series.rgb = colour;
  const CHydrixInterpolation& table = kennlinie.getTable();
  const double first = kennlinie.getMinVolumenstrom();
  const double last = kennlinie.getMaxVolumenstrom();
  // A curve whose flows do not ascend from first to last has no range to sample.
  if (!(first <= last) || !std::isfinite(first) || !std::isfinite(last)) return series;
  const int steps = first == last ? 0 : kSteps;
  for (int k = 0; k <= steps; ++k) {
    // Computed from the ends rather than summed up, and kept inside the range, so the last
    // sample is the last flow and rounding cannot drop it.
    const double flow = k == steps ? last : std::min(last, first + (last - first) * k / steps);
    const double head = table.GetY(flow, false);
    if (head == CHydrixInterpolation::kNoValue || !std::isfinite(head)) continue;
    highestHead = std::max(highestHead, head);
    series.points.push_back(point(flow, head));
  }
  return series;
}

// The parabola H0 + c·q² through the operating point, reaching 1.1 × the highest pump head.
PumpChartSeries systemCurve(const Netzpunkt& netzpunkt, double highestHead, const PointMaker& point) {
  PumpChartSeries series;
  series.kind = PumpChartSeries::Kind::SystemCurve;
  series.name = netzpunkt.name;
  series.rgb = kSystemCurveColour;
  const double top = kHeadReserve * highestHead;
  const double end = netzpunkt.head > netzpunkt.staticHead
                         ? std::sqrt(top / (netzpunkt.head - netzpunkt.staticHead)) * netzpunkt.flow
                         : kShortSystemCurve;
  // Without a pump head to reach (no curve drawn) there is no parabola to draw.
  if (!(end > 0.0) || !std::isfinite(end)) return series;
  for (int k = 0; k <= kSteps; ++k) {
    const double flow = end * k / kSteps;
    const double ratio = flow / end;
    series.points.push_back(point(flow, netzpunkt.staticHead + top * ratio * ratio));
  }
  return series;
}

PumpChartSeries operatingLine(const Netzpunkt& netzpunkt, std::string name, const PointMaker& point) {
  PumpChartSeries series;
  series.kind = PumpChartSeries::Kind::OperatingPoint;
  series.name = std::move(name);
  series.rgb = kOperatingPointColour;
  series.points.push_back(point(netzpunkt.flow, 0.0));
  series.points.push_back(point(netzpunkt.flow, netzpunkt.head));
  return series;
}

}  // namespace

PumpChart buildPumpChart(const hydPumpe& pumpe, const std::vector<Netzpunkt>& netzpunkte) {
  PumpChart chart;
  chart.title = pumpe.getName();
  chart.xTitle = Translate("Q in m³/h");
  chart.yTitle = Translate("H in m");
  chart.numberFormat = "%.2f";
  const PointMaker point;

  double highestHead = 0.0;
  std::size_t colour = 0;
  for (const auto& kennlinie : pumpe.getKennlinien()) {
    if (kennlinie->getAnzWertePaare() < 1) continue;
    chart.series.push_back(
        sampleCurve(*kennlinie, kCurveColours[colour++ % std::size(kCurveColours)], point, highestHead));
  }

  for (std::size_t i = 0; i < netzpunkte.size(); ++i) {
    const Netzpunkt& netzpunkt = netzpunkte[i];
    if (!(netzpunkt.flow > 0.0 && netzpunkt.head > 0.0)) continue;
    chart.series.push_back(systemCurve(netzpunkt, highestHead, point));
    // Only the first Netzpunkt's line is named; the legend shows the term once.
    chart.series.push_back(operatingLine(
        netzpunkt, i == 0 ? Translate("@...der Netzkennlinie@Betriebspunkt") : std::string(), point));
  }
  return chart;
}

}  // namespace armakon
