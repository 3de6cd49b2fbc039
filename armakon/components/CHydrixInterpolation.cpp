#include "armakon/components/CHydrixInterpolation.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <stdexcept>
#include <string>

namespace armakon {

namespace {
// Index of the first node that does not lie before x in search direction (n when none):
// a bisection whose loop has no data-dependent branch, since lookups land in random places.
template <class Before>
std::size_t firstNotBefore(const double* xs, std::size_t n, double x, Before before) {
  const double* base = xs;
  while (n > 1) {
    const std::size_t half = n / 2;
    base = before(base[half - 1], x) ? base + half : base;
    n -= half;
  }
  return static_cast<std::size_t>(base - xs) + (before(*base, x) ? 1 : 0);
}

}  // namespace

void CHydrixInterpolation::reset() {
  xs_.clear();
  ys_.clear();
}

int CHydrixInterpolation::getSize() const {
  // A table never gets near INT_MAX nodes in practice; saturate rather than wrap.
  constexpr std::size_t intMax = static_cast<std::size_t>(std::numeric_limits<int>::max());
  return static_cast<int>(std::min(xs_.size(), intMax));
}

std::size_t CHydrixInterpolation::checkedIndex(int i, std::size_t limit) const {
  if (i < 0 || static_cast<std::size_t>(i) >= limit) {
    throw std::invalid_argument("CHydrixInterpolation: index " + std::to_string(i) +
                                " outside the table of " + std::to_string(xs_.size()) + " nodes");
  }
  return static_cast<std::size_t>(i);
}

double CHydrixInterpolation::GetAtXArray(int i) const { return xs_[checkedIndex(i, xs_.size())]; }
double CHydrixInterpolation::GetAtYArray(int i) const { return ys_[checkedIndex(i, ys_.size())]; }

void CHydrixInterpolation::SetAtXArray(int i, double v) {
  const std::size_t at = checkedIndex(i, xs_.size() + 1);
  if (at == xs_.size()) {
    Add(v, 0.0);
  } else {
    xs_[at] = v;
  }
}

void CHydrixInterpolation::SetAtYArray(int i, double v) {
  const std::size_t at = checkedIndex(i, ys_.size() + 1);
  if (at == ys_.size()) {
    Add(0.0, v);
  } else {
    ys_[at] = v;
  }
}

double CHydrixInterpolation::extended(double x, bool beforeFirst) const {
  const std::size_t n = xs_.size();
  if (beforeFirst) return onLine(x, xs_[0], ys_[0], xs_[1], ys_[1]);
  return onLine(x, xs_[n - 1], ys_[n - 1], xs_[n - 2], ys_[n - 2]);
}

double CHydrixInterpolation::GetY(double x, bool extend) const {
  const std::size_t n = xs_.size();
  if (n == 0 || !std::isfinite(x)) return kNoValue;
  if (n == 1) {
    if (extend || x == xs_[0]) return ys_[0];
    return kNoValue;
  }

  const bool ascending = !(xs_[0] > xs_[n - 1]);
  const double low = ascending ? xs_[0] : xs_[n - 1];
  const double high = ascending ? xs_[n - 1] : xs_[0];
  if (x < low || x > high) {
    if (!extend) return kNoValue;
    // Beyond the end lying on the side of x: the first node for an ascending table below its
    // range, the last node above it, and the other way round for a descending one.
    return extended(x, (x < low) == ascending);
  }

  std::size_t lo = ascending ? firstNotBefore(xs_.data(), n, x, std::less<>())
                             : firstNotBefore(xs_.data(), n, x, std::greater<>());
  if (lo >= n) lo = n - 1;  // only reachable when the table is not monotonic
  if (xs_[lo] == x || lo == 0) return ys_[lo];
  return onLine(x, xs_[lo - 1], ys_[lo - 1], xs_[lo], ys_[lo]);
}

CHydrixInterpolation::FallingWalk::FallingWalk(const CHydrixInterpolation& table)
    : table_(table), falling_(table.xs_.size() >= 2), previous_(std::numeric_limits<double>::infinity()) {
  for (std::size_t i = 1; falling_ && i < table.xs_.size(); ++i) falling_ = table.xs_[i] < table.xs_[i - 1];
}

double CHydrixInterpolation::AscendingProbe::GetY() const {
  // The steps of GetY(x_, true) on a table whose x never fall.
  if (size_ == 0 || !std::isfinite(x_)) return kNoValue;
  if (size_ == 1) return headY_[0];
  if (x_ < headX_[0]) return onLine(x_, headX_[0], headY_[0], headX_[1], headY_[1]);
  if (x_ > lastX_) return onLine(x_, lastX_, lastY_, penultimateX_, penultimateY_);
  if (atX_ == x_ || atFirst_) return atY_;
  return onLine(x_, beforeX_, beforeY_, atX_, atY_);
}

void CHydrixInterpolation::sort(double eps) {
  // The sorted nodes are gathered in per-thread scratch arrays and copied back, so a table
  // sorted again and again (as the sizing searches do) keeps its arrays and allocates nothing.
  static thread_local std::vector<double> xs;
  static thread_local std::vector<double> ys;
  xs.clear();
  ys.clear();
  // Keeps a node unless it lies less than eps above the last node kept.
  const auto keep = [&](std::size_t k) {
    if (!xs.empty() && xs_[k] - xs.back() < eps) return;
    xs.push_back(xs_[k]);
    ys.push_back(ys_[k]);
  };
  // Tables are mostly filled in a few ascending runs (a mixed function in two, a falling
  // curve read backwards in one). Merging them, the earlier run first among equal x, gives
  // the order of a stable sort without sorting.
  constexpr std::size_t kMergedRuns = 4;
  std::size_t runStart[kMergedRuns + 1] = {0};
  std::size_t runs = xs_.empty() ? 0 : 1;
  bool merge = true;
  for (std::size_t i = 0; merge && i < xs_.size(); ++i) {
    if (std::isnan(xs_[i])) {
      merge = false;
    } else if (i > 0 && xs_[i] < xs_[i - 1]) {
      if (runs == kMergedRuns) {
        merge = false;
      } else {
        runStart[runs++] = i;
      }
    }
  }
  if (merge) {
    runStart[runs] = xs_.size();
    std::size_t next[kMergedRuns] = {0};
    for (std::size_t r = 0; r < runs; ++r) next[r] = runStart[r];
    for (;;) {
      std::size_t from = runs;
      for (std::size_t r = 0; r < runs; ++r) {
        if (next[r] < runStart[r + 1] && (from == runs || xs_[next[r]] < xs_[next[from]])) from = r;
      }
      if (from == runs) break;
      keep(next[from]++);
    }
  } else {
    std::vector<std::size_t> order(xs_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    order.erase(std::remove_if(order.begin(), order.end(), [&](std::size_t k) { return std::isnan(xs_[k]); }),
                order.end());
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return xs_[a] < xs_[b]; });
    for (const std::size_t k : order) keep(k);
  }
  xs_.assign(xs.begin(), xs.end());
  ys_.assign(ys.begin(), ys.end());
}

}  // namespace armakon
