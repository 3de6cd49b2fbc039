#pragma once
// Interpolation table: (x, y) nodes joined by straight segments.
//
// Valve curves, setting functions and pump curves hand their points to this table and ask it
// for y at any x. The table is meant for monotonic x: ascending (the usual case, and what
// sort() produces) or descending (a curve filled in stored order that runs backwards, as the
// temperature functions and falling characteristics do). Both are searched by bisection, so a
// lookup costs O(log n) and never allocates; hosts call GetY in their inner loops.
//
// Rules the callers rely on:
// - GetY(x, false) answers kNoValue (the largest finite double) outside [firstX, lastX] and on
//   an empty table; callers test for it.
// - GetY(x, true) extends the two end segments straight beyond the range (a vertical end
//   segment extends as its end value); a one-node table answers its y everywhere.
// - In both modes an empty table and a NaN or infinite x give kNoValue.
// - At a node GetY returns that node's y exactly. Where two nodes share an x (a vertical step)
//   the node met first in search direction wins, and no segment of zero width is ever divided.
// - A table that is neither ascending nor descending gives some segment's value, never a crash.
// - firstX/lastX/firstY/lastY are 0 on an empty table (an empty pump curve must pass checks
//   that reject negative values).
// - A node created by SetAtXArray or SetAtYArray at index == size starts with 0 as its other
//   coordinate.
// - sort(eps) orders the nodes by ascending x, keeping nodes of equal x in the order they were
//   added; a node whose x lies less than eps above the last kept node is dropped (the first of
//   a cluster wins, with its y); nodes with a NaN x are dropped.

#include <cmath>
#include <limits>
#include <vector>

namespace armakon {

class CHydrixInterpolation {
 public:
  // The "no value" answer: callers compare against exactly this number.
  static constexpr double kNoValue = std::numeric_limits<double>::max();

  CHydrixInterpolation() = default;
  CHydrixInterpolation(const CHydrixInterpolation&) = default;
  CHydrixInterpolation& operator=(const CHydrixInterpolation&) = default;
  CHydrixInterpolation(CHydrixInterpolation&&) noexcept = default;
  CHydrixInterpolation& operator=(CHydrixInterpolation&&) noexcept = default;
  ~CHydrixInterpolation() = default;

  // Appends a node at the end, without sorting. (Inline: tables are filled point by point in
  // the sizing searches.)
  void Add(double x, double y) {
    xs_.push_back(x);
    ys_.push_back(y);
  }
  void reset();

  int getSize() const;
  bool isEmpty() const { return xs_.empty(); }

  // Node i, counted from 0; an index outside [0, size) throws std::invalid_argument.
  double GetAtXArray(int i) const;
  double GetAtYArray(int i) const;

  // Overwrite node i; i == size appends a node whose other coordinate is 0 until set.
  // An index outside [0, size] throws std::invalid_argument.
  void SetAtXArray(int i, double v);
  void SetAtYArray(int i, double v);

  double firstX() const { return xs_.empty() ? 0.0 : xs_.front(); }
  double lastX() const { return xs_.empty() ? 0.0 : xs_.back(); }
  double firstY() const { return ys_.empty() ? 0.0 : ys_.front(); }
  double lastY() const { return ys_.empty() ? 0.0 : ys_.back(); }

  double GetY(double x, bool extend) const;

  // The x and y values of the nodes, for callers that walk a whole table.
  const std::vector<double>& xValues() const { return xs_; }
  const std::vector<double>& yValues() const { return ys_; }

  // GetY(x, false) for many x asked in an order that never rises, on a table whose x fall
  // strictly from node to node (as inverse temperature functions do): the same answers,
  // found in one walk over the table instead of one search per value. Any other table, or
  // an x above the one asked before, is answered by GetY itself.
  class FallingWalk {
   public:
    explicit FallingWalk(const CHydrixInterpolation& table);
    // Inline: it runs once per point of the functions a throttle mixes.
    double GetY(double x) {
      if (!falling_ || !(x <= previous_)) return table_.GetY(x, false);
      previous_ = x;
      const std::vector<double>& xs = table_.xs_;
      const std::vector<double>& ys = table_.ys_;
      // The range test and the node chosen are those of GetY on a falling table: the first
      // node that does not lie above x.
      if (!std::isfinite(x) || x < xs.back() || x > xs.front()) return kNoValue;
      while (xs[next_] > x) ++next_;
      if (xs[next_] == x || next_ == 0) return ys[next_];
      return onLine(x, xs[next_ - 1], ys[next_ - 1], xs[next_], ys[next_]);
    }

   private:
    const CHydrixInterpolation& table_;
    bool falling_;
    double previous_;
    std::size_t next_ = 0;
  };

  // GetY(x, true) of the table that the nodes added one by one would make, without keeping
  // them: for a table built only to be read at one x. It answers for nodes whose x never fall
  // and are no NaN, where the table's answer does not depend on how it is searched;
  // ascending() tells whether they were such nodes.
  class AscendingProbe {
   public:
    explicit AscendingProbe(double x) : x_(x) {}
    // Inline: it takes every point of the functions a throttle mixes.
    void Add(double x, double y) {
      if (size_ > 0 ? !(x >= lastX_) : std::isnan(x)) ascending_ = false;
      if (size_ < 2) {
        headX_[size_] = x;
        headY_[size_] = y;
      }
      // The first node that does not lie before x_, and the node before it.
      if (!reached_ && !(x < x_)) {
        reached_ = true;
        atX_ = x;
        atY_ = y;
        atFirst_ = size_ == 0;
        beforeX_ = lastX_;
        beforeY_ = lastY_;
      }
      penultimateX_ = lastX_;
      penultimateY_ = lastY_;
      lastX_ = x;
      lastY_ = y;
      ++size_;
    }
    bool ascending() const { return ascending_; }
    // As the table's lastX and lastY: 0 while no node was added.
    double lastX() const { return lastX_; }
    double lastY() const { return lastY_; }
    double GetY() const;

   private:
    double x_;
    std::size_t size_ = 0;
    bool ascending_ = true;
    double headX_[2] = {0.0, 0.0};
    double headY_[2] = {0.0, 0.0};
    double penultimateX_ = 0.0;
    double penultimateY_ = 0.0;
    double lastX_ = 0.0;
    double lastY_ = 0.0;
    bool reached_ = false;
    bool atFirst_ = false;
    double atX_ = 0.0;
    double atY_ = 0.0;
    double beforeX_ = 0.0;
    double beforeY_ = 0.0;
  };

  void sort(double eps);

 private:
  // y on the line through (x0, y0) and (x1, y1); a vertical segment answers y0.
  static double onLine(double x, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0;
    if (dx == 0.0 || std::isnan(dx)) return y0;
    return y0 + (y1 - y0) * ((x - x0) / dx);
  }
  std::size_t checkedIndex(int i, std::size_t limit) const;
  double extended(double x, bool beforeFirst) const;

  // Kept as two arrays so the bisection walks contiguous x values only.
  std::vector<double> xs_;
  std::vector<double> ys_;
};

}  // namespace armakon
