#pragma once
// A small line chart of one valve curve, drawn with QPainter: the settings evenly spaced
// along the x axis with their names under them, the values on a linear y axis from 0, each
// axis titled with its unit. It shows what it is given and decides nothing.

#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

namespace armakon::qt {

class CurveChart : public QWidget {
  Q_OBJECT

 public:
  // One node: the setting's name and the value there.
  using Point = std::pair<QString, double>;

  explicit CurveChart(QWidget* parent = nullptr);

  void setCurve(std::vector<Point> points, const QString& unitX, const QString& unitY);
  const std::vector<Point>& points() const { return points_; }

  QSize sizeHint() const override { return {420, 260}; }
  QSize minimumSizeHint() const override { return {240, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Point> points_;
  QString unitX_;
  QString unitY_;
};

}  // namespace armakon::qt
