#include "qt/PumpChartWidget.h"

#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "armakon/components/FormatText.h"
#include "qt/QtText.h"

namespace armakon::qt {

namespace {

constexpr int kMargin = 10;
constexpr int kTickLength = 5;
constexpr int kLegendSample = 28;
// Longer legend names are cut and end in "…"; the hint shows them whole.
constexpr int kLegendMaxText = 200;
// How close the mouse must come to a point or a curve, in pixels.
constexpr double kPointReach = 8.0;
constexpr double kCurveReach = 5.0;
constexpr double kOperatingPointRadius = 5.0;
constexpr double kCurvePointRadius = 2.0;

using Kind = PumpChartSeries::Kind;

QColor colourOf(const PumpChartSeries& series) { return QColor::fromRgb(series.rgb & 0xffffffu); }

QPen penOf(const PumpChartSeries& series) {
  QPen pen(colourOf(series), 2.0);
  if (series.kind == Kind::SystemCurve) pen.setStyle(Qt::DashLine);
  return pen;
}

QFont titleFont(QFont font) {
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  return font;
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  const double t = length2 > 0.0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
  return QLineF(p, a + t * ab).length();
}

}  // namespace

PumpChartWidget::PumpChartWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

void PumpChartWidget::setChart(PumpChart chart) {
  chart_ = std::move(chart);
  scale_ = scalePumpChart(chart_);
  update();
}

QStringList PumpChartWidget::legendEntries() const {
  QStringList entries;
  for (const PumpChartSeries& series : chart_.series) {
    if (!series.name.empty()) entries << toQt(series.name);
  }
  return entries;
}

QString PumpChartWidget::tickText(double value) const { return toQt(FormatText(chart_.numberFormat, value)); }

int PumpChartWidget::legendWidth() const {
  int text = 0;
  for (const QString& entry : legendEntries()) text = std::max(text, fontMetrics().horizontalAdvance(entry));
  return text == 0 ? 0 : kLegendSample + 8 + std::min(text, kLegendMaxText) + kMargin;
}

QRectF PumpChartWidget::plotArea() const {
  const QFontMetrics metrics = fontMetrics();
  int tickWidth = 0;
  for (const double v : scale_.head.ticks()) tickWidth = std::max(tickWidth, metrics.horizontalAdvance(tickText(v)));
  const int left = kMargin + metrics.height() + kMargin + tickWidth + kTickLength + 4;
  const int top = kMargin + QFontMetrics(titleFont(font())).height() + kMargin;
  const int bottom = kTickLength + 4 + 2 * metrics.height() + kMargin + kMargin;
  // The last tick label on the x axis is centred on the plot's right edge.
  const int lastTick = scale_.flow.ticks().empty() ? 0 : metrics.horizontalAdvance(tickText(scale_.flow.hi)) / 2;
  const int right = std::max(lastTick, kMargin) + kMargin + legendWidth();
  return QRectF(left, top, std::max(1, width() - left - right), std::max(1, height() - top - bottom));
}

QPointF PumpChartWidget::placeOf(const PumpChartValue& point) const { return placeIn(plotArea(), point); }

QPointF PumpChartWidget::placeIn(const QRectF& plot, const PumpChartValue& point) const {
  return {plot.left() + scale_.flow.fraction(point.flow) * plot.width(),
          plot.bottom() - scale_.head.fraction(point.head) * plot.height()};
}

QString PumpChartWidget::hintAt(QPointF place) const {
  const QRectF plot = plotArea();
  const PumpChartValue* nearest = nullptr;
  double nearestDistance = kPointReach;
  const PumpChartSeries* nearestCurve = nullptr;
  double curveDistance = kCurveReach;
  for (const PumpChartSeries& series : chart_.series) {
    const PumpChartValue* previous = nullptr;
    for (const PumpChartValue& point : series.points) {
      if (!isFinitePoint(point)) continue;
      const QPointF at = placeIn(plot, point);
      if (const double d = QLineF(place, at).length(); d <= nearestDistance) {
        nearest = &point;
        nearestDistance = d;
      }
      if (previous != nullptr && !series.name.empty()) {
        if (const double d = distanceToSegment(place, placeIn(plot, *previous), at); d <= curveDistance) {
          nearestCurve = &series;
          curveDistance = d;
        }
      }
      previous = &point;
    }
  }
  if (nearest != nullptr) return toQt(nearest->hint);
  if (nearestCurve != nullptr) return toQt(nearestCurve->name);
  return {};
}

void PumpChartWidget::mouseMoveEvent(QMouseEvent* event) {
  const QString hint = hintAt(event->position());
  if (hint.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(event->globalPosition().toPoint(), hint, this);
  }
}

void PumpChartWidget::paintEvent(QPaintEvent*) {
  // Without a pump there is nothing to draw: no title, no curves.
  if (chart_.title.empty() && chart_.series.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF plot = plotArea();
  painter.setFont(titleFont(font()));
  painter.drawText(QRectF(0, kMargin, width(), QFontMetrics(painter.font()).height()), Qt::AlignCenter,
                   toQt(chart_.title));
  painter.setFont(font());
  drawAxes(painter, plot);
  drawSeries(painter, plot);
  drawLegend(painter, plot);
}

// Grid, frame, ticks with their labels, and the axis titles.
void PumpChartWidget::drawAxes(QPainter& painter, const QRectF& plot) const {
  const QFontMetrics metrics = fontMetrics();
  painter.setPen(QPen(QColor(0xe0, 0xe0, 0xe0), 1.0));
  for (const double v : scale_.flow.ticks()) {
    const double x = placeIn(plot, {v, scale_.head.lo, {}}).x();
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
  for (const double v : scale_.head.ticks()) {
    const double y = placeIn(plot, {scale_.flow.lo, v, {}}).y();
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
  }
  painter.setPen(QPen(palette().color(QPalette::Text), 1.0));
  painter.drawRect(plot);
  for (const double v : scale_.flow.ticks()) {
    const double x = placeIn(plot, {v, scale_.head.lo, {}}).x();
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
    const QString text = tickText(v);
    const double w = metrics.horizontalAdvance(text);
    painter.drawText(QRectF(x - w / 2 - 2, plot.bottom() + kTickLength + 2, w + 4, metrics.height()),
                     Qt::AlignCenter, text);
  }
  for (const double v : scale_.head.ticks()) {
    const double y = placeIn(plot, {scale_.flow.lo, v, {}}).y();
    painter.drawLine(QPointF(plot.left() - kTickLength, y), QPointF(plot.left(), y));
    painter.drawText(QRectF(0, y - metrics.height() / 2.0, plot.left() - kTickLength - 3, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, tickText(v));
  }
  const double xTitleTop = plot.bottom() + kTickLength + 4 + metrics.height() + kMargin / 2.0;
  painter.drawText(QRectF(plot.left(), xTitleTop, plot.width(), metrics.height()), Qt::AlignCenter,
                   toQt(chart_.xTitle));
  painter.save();
  painter.translate(kMargin, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), metrics.height()), Qt::AlignCenter,
                   toQt(chart_.yTitle));
  painter.restore();
}

// The series, inside the plot only.
void PumpChartWidget::drawSeries(QPainter& painter, const QRectF& plot) const {
  painter.save();
  painter.setClipRect(plot);
  for (const PumpChartSeries& series : chart_.series) {
    QPainterPath path;
    for (const PumpChartValue& point : series.points) {
      if (!isFinitePoint(point)) continue;
      if (path.elementCount() == 0) {
        path.moveTo(placeIn(plot, point));
      } else {
        path.lineTo(placeIn(plot, point));
      }
    }
    if (path.elementCount() == 0) continue;
    painter.setPen(penOf(series));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colourOf(series));
    if (series.kind == Kind::OperatingPoint) {
      // The line marks the flow; the point itself sits at its top.
      if (isFinitePoint(series.points.back())) {
        painter.drawEllipse(placeIn(plot, series.points.back()), kOperatingPointRadius, kOperatingPointRadius);
      }
    } else if (series.kind == Kind::StaticCurve) {
      for (const PumpChartValue& point : series.points) {
        if (isFinitePoint(point)) painter.drawEllipse(placeIn(plot, point), kCurvePointRadius, kCurvePointRadius);
      }
    }
  }
  painter.restore();
}

// The legend beside the plot.
void PumpChartWidget::drawLegend(QPainter& painter, const QRectF& plot) const {
  const QFontMetrics metrics = fontMetrics();
  const double legendLeft = width() - legendWidth();
  double y = plot.top() + metrics.height() / 2.0;
  for (const PumpChartSeries& series : chart_.series) {
    if (series.name.empty()) continue;
    if (y > height() - kMargin) break;  // more entries than room: the rest stays in the hints
    painter.setPen(penOf(series));
    painter.drawLine(QPointF(legendLeft, y), QPointF(legendLeft + kLegendSample, y));
    if (series.kind == Kind::OperatingPoint) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(colourOf(series));
      painter.drawEllipse(QPointF(legendLeft + kLegendSample / 2.0, y), 4.0, 4.0);
    }
    painter.setPen(palette().color(QPalette::Text));
    const QString name = metrics.elidedText(toQt(series.name), Qt::ElideRight, kLegendMaxText);
    painter.drawText(QPointF(legendLeft + kLegendSample + 8, y + metrics.ascent() / 2.0 - 1), name);
    y += metrics.height() + 6;
  }
}

}  // namespace armakon::qt
