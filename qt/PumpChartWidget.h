#pragma once
// The pump chart on screen: the chart data of the pump choice (PumpChart.h) drawn with
// QPainter on the same round-step scales as the SVG file (PumpChartScale.h): title, grid,
// axes with tick labels and titles, the curves, the operating points and the legend of the
// named series to the right. Resting the mouse near a point shows that point's hint text;
// near a curve between points, the curve's name.

#include <QStringList>
#include <QWidget>

#include "armakon/pumps/PumpChart.h"
#include "armakon/pumps/PumpChartScale.h"

class QPainter;

namespace armakon::qt {

class PumpChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PumpChartWidget(QWidget* parent = nullptr);

  void setChart(PumpChart chart);
  const PumpChart& chart() const { return chart_; }

  // The legend's entries, top to bottom: the named series (as many as fit are drawn).
  QStringList legendEntries() const;
  // What the mouse resting at that place of the widget shows; "" where nothing is near.
  QString hintAt(QPointF place) const;
  // Where a point of the chart lies in the widget.
  QPointF placeOf(const PumpChartValue& point) const;

  QSize sizeHint() const override { return {720, 460}; }
  QSize minimumSizeHint() const override { return {420, 280}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void drawAxes(QPainter& painter, const QRectF& plot) const;
  void drawSeries(QPainter& painter, const QRectF& plot) const;
  void drawLegend(QPainter& painter, const QRectF& plot) const;
  QRectF plotArea() const;
  QPointF placeIn(const QRectF& plot, const PumpChartValue& point) const;
  int legendWidth() const;
  QString tickText(double value) const;

  PumpChart chart_;
  PumpChartScale scale_;
};

}  // namespace armakon::qt
