// The pump chart: sampled static curves, system curves and operating points, and the SVG
// that draws them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "armakon/pumps/PumpChartSvg.h"
#include "armakon/pumps/hydPumpe.h"

namespace {

using namespace armakon;
using Kind = PumpChartSeries::Kind;

// Curves of a pump: (0 m³/h, 5 m) falling to (2 m³/h, 0 m) and a lower one at a numbered stage.
void addCurves(hydPumpe& pumpe) {
  hydPumpenKennlinie& low = *pumpe.addKennlinie();
  low.setNummer(1);
  low.setDrehzahl(0);
  low.getTable().Add(0.0, 30000.0);
  low.getTable().Add(1.5 / 3600, 0.0);
  hydPumpenKennlinie& high = *pumpe.addKennlinie();
  high.setNummer(2);
  high.setDrehzahl(2900);
  high.getTable().Add(0.0, 50000.0);
  high.getTable().Add(1.0 / 3600, 40000.0);
  high.getTable().Add(2.0 / 3600, 0.0);
}

std::vector<const PumpChartSeries*> ofKind(const PumpChart& chart, Kind kind) {
  std::vector<const PumpChartSeries*> found;
  for (const PumpChartSeries& series : chart.series) {
    if (series.kind == kind) found.push_back(&series);
  }
  return found;
}

TEST(PumpChart, StaticCurvesAreSampledIn40StepsAndNamed) {
  hydPumpe pumpe;
  addCurves(pumpe);
  pumpe.addKennlinie();  // a curve without pairs is not drawn
  hydPumpenKennlinie& single = *pumpe.addKennlinie();
  single.setNummer(7);
  single.getTable().Add(0.5 / 3600, 20000.0);

  const PumpChart chart = buildPumpChart(pumpe, {});
  EXPECT_EQ(chart.xTitle, "Q in m³/h");
  EXPECT_EQ(chart.yTitle, "H in m");
  const auto curves = ofKind(chart, Kind::StaticCurve);
  ASSERT_EQ(curves.size(), 3u);
  EXPECT_EQ(curves[0]->name, "Nr. 1");
  EXPECT_EQ(curves[1]->name, "2900 1/min");
  EXPECT_NE(curves[0]->rgb, curves[1]->rgb);

  const auto& points = curves[1]->points;
  ASSERT_EQ(points.size(), 41u);
  EXPECT_DOUBLE_EQ(points.front().flow, 0.0);
  EXPECT_DOUBLE_EQ(points.front().head, 5.0);
  EXPECT_DOUBLE_EQ(points[20].flow, 1.0);  // a node of the curve: 40 000 Pa = 4 m
  EXPECT_DOUBLE_EQ(points[20].head, 4.0);
  EXPECT_DOUBLE_EQ(points[30].head, 2.0);  // halfway down the last segment
  EXPECT_DOUBLE_EQ(points.back().flow, 2.0);
  EXPECT_DOUBLE_EQ(points.back().head, 0.0);
  EXPECT_EQ(curves[0]->points.size(), 41u);

  // First and last flow equal: one point.
  ASSERT_EQ(curves[2]->points.size(), 1u);
  EXPECT_DOUBLE_EQ(curves[2]->points[0].flow, 0.5);
  EXPECT_DOUBLE_EQ(curves[2]->points[0].head, 2.0);
}

TEST(PumpChart, SystemCurveRunsThroughTheOperatingPointTo110PercentOfTheHighestHead) {
  hydPumpe pumpe;
  addCurves(pumpe);  // highest head drawn: 5 m
  const std::vector<Netzpunkt> points = {
      {"Strang 1", 10000.0, 1.0 / 3600, 30000.0},  // H0 1 m, Q 1 m³/h, H 3 m
      {"Strang 2", 40000.0, 1.5 / 3600, 20000.0},  // head below the static head
      {"ohne Durchfluss", 10000.0, 0.0, 30000.0},  // not drawn
  };
  const PumpChart chart = buildPumpChart(pumpe, points);
  const auto systems = ofKind(chart, Kind::SystemCurve);
  const auto operating = ofKind(chart, Kind::OperatingPoint);
  ASSERT_EQ(systems.size(), 2u);
  ASSERT_EQ(operating.size(), 2u);

  // H = 1 + 5.5 (q / Qend)² with Qend = √(5.5 / 2) × 1 m³/h passes (1 m³/h, 3 m).
  const auto& parabola = systems[0]->points;
  ASSERT_EQ(parabola.size(), 41u);
  EXPECT_EQ(systems[0]->name, "Strang 1");
  EXPECT_EQ(systems[0]->rgb, 0x0000ffu);
  EXPECT_DOUBLE_EQ(parabola.front().head, 1.0);
  EXPECT_NEAR(parabola.back().flow, std::sqrt(5.5 / 2.0), 1e-12);
  EXPECT_NEAR(parabola.back().head, 6.5, 1e-12);
  const double qEnd = parabola.back().flow;
  EXPECT_NEAR(1.0 + 5.5 * (1.0 / qEnd) * (1.0 / qEnd), 3.0, 1e-12);

  // Below its static head the system curve only reaches 0.1 m³/h.
  EXPECT_NEAR(systems[1]->points.back().flow, 0.1, 1e-12);
  EXPECT_NEAR(systems[1]->points.back().head, 4.0 + 5.5, 1e-12);

  // The operating point: a vertical line at its flow; only the first one is named.
  EXPECT_EQ(operating[0]->name, "Betriebspunkt");
  EXPECT_EQ(operating[0]->rgb, 0xff0000u);
  ASSERT_EQ(operating[0]->points.size(), 2u);
  EXPECT_DOUBLE_EQ(operating[0]->points[0].flow, 1.0);
  EXPECT_DOUBLE_EQ(operating[0]->points[0].head, 0.0);
  EXPECT_DOUBLE_EQ(operating[0]->points[1].head, 3.0);
  EXPECT_EQ(operating[1]->name, "");
}

TEST(PumpChart, SvgEscapesTexts) {
  const std::pair<std::string, std::string> cases[] = {
      {"A&B <C> \"D\" 'E'", "A&amp;B &lt;C&gt; &quot;D&quot; &apos;E&apos;"},
      {"Wärme", "Wärme"},
      {"bad \xC3 byte", "bad \xEF\xBF\xBD byte"},
      {"bell\x07", "bell\xEF\xBF\xBD"},
      {"tab\tok", "tab\tok"},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(escapeSvgText(text), escaped);

  hydPumpe pumpe;
  pumpe.setName("P&<1>");
  addCurves(pumpe);
  const std::string svg = renderPumpChartSvg(buildPumpChart(pumpe, {{"N\"<2>", 0.0, 1.0 / 3600, 30000.0}}));
  EXPECT_NE(svg.find(">P&amp;&lt;1&gt;<"), std::string::npos);
  EXPECT_NE(svg.find(">N&quot;&lt;2&gt;<"), std::string::npos);
  EXPECT_EQ(svg.find("P&<"), std::string::npos);
}

}  // namespace
