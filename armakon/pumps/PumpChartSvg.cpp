// Drawing the pump chart as SVG: plot frame with grid and "%.2f" tick labels, one path per
// series, a dot with a hint text on every point, the legend to the right of the plot.

#include "armakon/components/CodePageUtf8.h"
#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/pumps/PumpChartScale.h"
#include "armakon/pumps/PumpChartSvg.h"

namespace armakon {

namespace {

// Picture layout in SVG user units (pixels).
constexpr double kWidth = 900.0;
constexpr double kHeight = 560.0;
constexpr double kPlotLeft = 80.0;
constexpr double kPlotTop = 50.0;
constexpr double kPlotRight = 660.0;
constexpr double kPlotBottom = 490.0;
constexpr double kLegendLeft = 680.0;
constexpr double kLegendLineHeight = 20.0;
// Legend names longer than this many characters are cut and end in "…".
constexpr std::size_t kLegendChars = 24;
const char* const kFont = "DejaVu Sans, Arial, Helvetica, sans-serif";

std::string px(double value) { return formatC("%.1f", value); }

std::string colourText(std::uint32_t rgb) { return formatC("#%06x", static_cast<unsigned>(rgb & 0xffffffu)); }

std::string cutForLegend(const std::string& name) {
  std::size_t chars = 0;
  std::size_t pos = 0;
  while (pos < name.size() && chars < kLegendChars) {
    char32_t codePoint = 0;
    std::size_t length = 1;
    decodeUtf8At(name, pos, codePoint, length);
    pos += length;
    ++chars;
  }
  if (pos >= name.size()) return name;
  return name.substr(0, pos) + "\xE2\x80\xA6";
}

class SvgWriter {
 public:
  explicit SvgWriter(const PumpChart& chart) : chart_(chart), scale_(scalePumpChart(chart)) {}

  std::string render() {
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + px(kWidth) + "\" height=\"" + px(kHeight) +
            "\" viewBox=\"0 0 " + px(kWidth) + " " + px(kHeight) + "\" font-family=\"" + kFont + "\">\n";
    out_ += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    out_ += "<clipPath id=\"plot\"><rect x=\"" + px(kPlotLeft) + "\" y=\"" + px(kPlotTop) + "\" width=\"" +
            px(kPlotRight - kPlotLeft) + "\" height=\"" + px(kPlotBottom - kPlotTop) + "\"/></clipPath>\n";
    text(kWidth / 2.0, 30.0, chart_.title, "middle", 18.0, "class=\"title\" font-weight=\"bold\"");
    grid();
    axes();
    out_ += "<g clip-path=\"url(#plot)\">\n";
    for (const PumpChartSeries& series : chart_.series) drawSeries(series);
    out_ += "</g>\n";
    legend();
    out_ += "</svg>\n";
    return std::move(out_);
  }

 private:
  double sx(double v) const { return kPlotLeft + scale_.flow.fraction(v) * (kPlotRight - kPlotLeft); }
  double sy(double v) const { return kPlotBottom - scale_.head.fraction(v) * (kPlotBottom - kPlotTop); }

  void text(double x, double y, const std::string& content, const char* anchor, double size,
            const std::string& extra = {}) {
    out_ += "<text x=\"" + px(x) + "\" y=\"" + px(y) + "\" text-anchor=\"" + anchor + "\" font-size=\"" +
            px(size) + "\"" + (extra.empty() ? "" : " " + extra) + ">" + escapeSvgText(content) + "</text>\n";
  }

  void line(double x1, double y1, double x2, double y2, const char* colour, double width) {
    out_ += "<line x1=\"" + px(x1) + "\" y1=\"" + px(y1) + "\" x2=\"" + px(x2) + "\" y2=\"" + px(y2) +
            "\" stroke=\"" + colour + "\" stroke-width=\"" + px(width) + "\"/>\n";
  }

  void grid() {
    out_ += "<g class=\"grid\">\n";
    for (const double v : scale_.flow.ticks()) line(sx(v), kPlotTop, sx(v), kPlotBottom, "#e0e0e0", 1.0);
    for (const double v : scale_.head.ticks()) line(kPlotLeft, sy(v), kPlotRight, sy(v), "#e0e0e0", 1.0);
    out_ += "</g>\n";
  }

  void axes() {
    out_ += "<g class=\"axes\">\n";
    out_ += "<rect x=\"" + px(kPlotLeft) + "\" y=\"" + px(kPlotTop) + "\" width=\"" + px(kPlotRight - kPlotLeft) +
            "\" height=\"" + px(kPlotBottom - kPlotTop) + "\" fill=\"none\" stroke=\"#000000\"/>\n";
    for (const double v : scale_.flow.ticks()) {
      line(sx(v), kPlotBottom, sx(v), kPlotBottom + 5.0, "#000000", 1.0);
      text(sx(v), kPlotBottom + 20.0, FormatText(chart_.numberFormat, v), "middle", 12.0);
    }
    for (const double v : scale_.head.ticks()) {
      line(kPlotLeft - 5.0, sy(v), kPlotLeft, sy(v), "#000000", 1.0);
      text(kPlotLeft - 8.0, sy(v) + 4.0, FormatText(chart_.numberFormat, v), "end", 12.0);
    }
    text((kPlotLeft + kPlotRight) / 2.0, kPlotBottom + 50.0, chart_.xTitle, "middle", 14.0, "class=\"axis-title\"");
    const double yMid = (kPlotTop + kPlotBottom) / 2.0;
    text(22.0, yMid, chart_.yTitle, "middle", 14.0,
         "class=\"axis-title\" transform=\"rotate(-90 22 " + px(yMid) + ")\"");
    out_ += "</g>\n";
  }

  void dot(const PumpChartValue& p, const std::string& colour, double radius) {
    out_ += "<circle cx=\"" + px(sx(p.flow)) + "\" cy=\"" + px(sy(p.head)) + "\" r=\"" + px(radius) +
            "\" fill=\"" + colour + "\"><title>" + escapeSvgText(p.hint) + "</title></circle>\n";
  }

  void drawSeries(const PumpChartSeries& series) {
    const char* kind = series.kind == PumpChartSeries::Kind::StaticCurve   ? "static-curve"
                       : series.kind == PumpChartSeries::Kind::SystemCurve ? "system-curve"
                                                                           : "operating-point";
    const std::string colour = colourText(series.rgb);
    std::string path;
    for (const auto& p : series.points) {
      if (!isFinitePoint(p)) continue;
      path += path.empty() ? "M" : " L";
      path += px(sx(p.flow)) + " " + px(sy(p.head));
    }
    if (path.empty()) return;
    out_ += "<g class=\"" + std::string(kind) + "\">\n";
    if (!series.name.empty()) out_ += "<title>" + escapeSvgText(series.name) + "</title>\n";
    out_ += "<path d=\"" + path + "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"2\"" +
            (series.kind == PumpChartSeries::Kind::SystemCurve ? " stroke-dasharray=\"8 4\"" : "") + "/>\n";
    if (series.kind == PumpChartSeries::Kind::OperatingPoint) {
      // The line marks the flow; the point itself sits at its top.
      if (isFinitePoint(series.points.back())) dot(series.points.back(), colour, 5.0);
    } else {
      for (const auto& p : series.points) {
        if (isFinitePoint(p)) dot(p, colour, series.kind == PumpChartSeries::Kind::StaticCurve ? 2.0 : 1.5);
      }
    }
    out_ += "</g>\n";
  }

  void legend() {
    out_ += "<g class=\"legend\">\n";
    double y = kPlotTop + 10.0;
    for (const PumpChartSeries& series : chart_.series) {
      if (series.name.empty()) continue;
      if (y > kHeight - 10.0) break;  // more entries than room: the rest stays in the hints
      const std::string colour = colourText(series.rgb);
      out_ += "<line x1=\"" + px(kLegendLeft) + "\" y1=\"" + px(y) + "\" x2=\"" + px(kLegendLeft + 28.0) +
              "\" y2=\"" + px(y) + "\" stroke=\"" + colour + "\" stroke-width=\"2\"" +
              (series.kind == PumpChartSeries::Kind::SystemCurve ? " stroke-dasharray=\"8 4\"" : "") + "/>\n";
      if (series.kind == PumpChartSeries::Kind::OperatingPoint) {
        out_ += "<circle cx=\"" + px(kLegendLeft + 14.0) + "\" cy=\"" + px(y) + "\" r=\"4\" fill=\"" + colour +
                "\"/>\n";
      }
      text(kLegendLeft + 36.0, y + 4.0, cutForLegend(series.name), "start", 12.0);
      y += kLegendLineHeight;
    }
    out_ += "</g>\n";
  }

  const PumpChart& chart_;
  PumpChartScale scale_;
  std::string out_;
};

bool allowedInXml(char32_t c) {
  if (c == 0x9 || c == 0xA || c == 0xD) return true;
  if (c < 0x20) return false;
  if (c >= 0xFFFE && c <= 0xFFFF) return false;
  return true;
}

}  // namespace

std::string escapeSvgText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t c = 0;
    std::size_t length = 1;
    const bool wellFormed = decodeUtf8At(text, pos, c, length);
    if (!wellFormed || !allowedInXml(c)) {
      out += "\xEF\xBF\xBD";
    } else if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else if (c == '\'') {
      out += "&apos;";
    } else {
      out.append(text.substr(pos, length));
    }
    pos += length;
  }
  return out;
}

std::string renderPumpChartSvg(const PumpChart& chart) { return SvgWriter(chart).render(); }

}  // namespace armakon
