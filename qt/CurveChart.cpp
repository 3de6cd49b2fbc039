#include "qt/CurveChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace armakon::qt {

namespace {

// A step of 1, 2 or 5 times a power of ten that splits 0..top into at most about five parts.
double niceStep(double top) {
  const double rough = top / 5.0;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10.0 * power;
}

}  // namespace

CurveChart::CurveChart(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void CurveChart::setCurve(std::vector<Point> points, const QString& unitX, const QString& unitY) {
  points_ = std::move(points);
  unitX_ = unitX;
  unitY_ = unitY;
  update();
}

void CurveChart::paintEvent(QPaintEvent*) {
  if (points_.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics = painter.fontMetrics();

  double top = 0.0;
  for (const Point& point : points_) top = std::max(top, point.second);
  const double step = top > 0.0 ? niceStep(top) : 1.0;
  const int steps = std::max(1, static_cast<int>(std::ceil(top / step - 1e-9)));
  const double axisTop = steps * step;

  int labelWidth = 0;
  for (int i = 0; i <= steps; ++i) labelWidth = std::max(labelWidth, metrics.horizontalAdvance(QString::number(i * step)));
  const int line = metrics.height();
  const QRect plot = rect().adjusted(labelWidth + 12, 2 * line, -16, -(2 * line + 12));
  if (plot.width() < 20 || plot.height() < 20) return;

  const auto xAt = [&](std::size_t index) {
    return plot.left() + plot.width() * (static_cast<double>(index) + 0.5) / static_cast<double>(points_.size());
  };
  const auto yAt = [&](double value) { return plot.bottom() - plot.height() * value / axisTop; };

  // Grid and value labels.
  for (int i = 0; i <= steps; ++i) {
    const double y = yAt(i * step);
    painter.setPen(i == 0 ? QPen(Qt::black) : QPen(QColor(220, 220, 220)));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(Qt::black);
    const QString label = QString::number(i * step);
    painter.drawText(QRectF(0, y - line / 2.0, labelWidth + 6, line), Qt::AlignRight | Qt::AlignVCenter, label);
  }
  painter.drawLine(plot.bottomLeft(), plot.topLeft());

  // Settings under the x axis.
  const double slot = plot.width() / static_cast<double>(points_.size());
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const double x = xAt(i);
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
    painter.drawText(QRectF(x - slot / 2, plot.bottom() + 5, slot, line), Qt::AlignCenter, points_[i].first);
  }

  // Axis titles: the units.
  painter.drawText(QRect(plot.left(), plot.bottom() + line + 8, plot.width(), line), Qt::AlignCenter, unitX_);
  painter.drawText(QRect(0, 2, plot.left() + plot.width(), line), Qt::AlignLeft | Qt::AlignVCenter, unitY_);

  // The curve.
  QPainterPath path;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const QPointF at(xAt(i), yAt(points_[i].second));
    if (i == 0) {
      path.moveTo(at);
    } else {
      path.lineTo(at);
    }
  }
  const QColor curveColor(0, 90, 170);
  painter.setPen(QPen(curveColor, 2));
  painter.drawPath(path);
  painter.setBrush(curveColor);
  for (std::size_t i = 0; i < points_.size(); ++i) painter.drawEllipse(QPointF(xAt(i), yAt(points_[i].second)), 3, 3);
}

}  // namespace armakon::qt
