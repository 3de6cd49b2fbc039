#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"

namespace armakon {
namespace {

constexpr double kNone = 1.7976931348623157e308;

CHydrixInterpolation tableOf(const std::vector<std::pair<double, double>>& nodes) {
  CHydrixInterpolation t;
  for (const auto& [x, y] : nodes) t.Add(x, y);
  return t;
}

struct GetYCase {
  const char* name;
  std::vector<std::pair<double, double>> nodes;
  double x;
  bool extend;
  double expected;
};

TEST(Interpolation, GetY) {
  const std::vector<std::pair<double, double>> two = {{0, 10}, {2, 20}};
  const std::vector<std::pair<double, double>> three = {{0, 10}, {2, 20}, {6, 0}};
  const std::vector<std::pair<double, double>> falling = {{6, 0}, {2, 20}, {0, 10}};
  const std::vector<std::pair<double, double>> step = {{0, 0}, {1, 5}, {1, 9}, {3, 13}};
  const std::vector<GetYCase> cases = {
      {"between two nodes", two, 1, false, 15},
      {"right of range, no extension", two, 3, false, kNone},
      {"left of range, no extension", two, -0.5, false, kNone},
      {"right of range, extended", two, 3, true, 25},
      {"left of range, extended", two, -2, true, 0},
      {"at first node", two, 0, false, 10},
      {"at last node", two, 2, false, 20},
      {"second segment", three, 5, false, 5},
      {"at inner node", three, 2, false, 20},
      {"extended on last segment", three, 8, true, -10},
      {"descending table inside", falling, 4, false, 10},
      {"descending table at node", falling, 2, false, 20},
      {"descending table beyond high x", falling, 8, true, -10},
      {"descending table beyond low x", falling, -2, true, 0},
      {"descending table outside", falling, 7, false, kNone},
      {"vertical step takes first node", step, 1, false, 5},
      {"right of vertical step", step, 2, false, 11},
      {"left of vertical step", step, 0.5, false, 2.5},
      {"one node at its x", {{4, 7}}, 4, false, 7},
      {"one node elsewhere", {{4, 7}}, 5, false, kNone},
      {"one node extended", {{4, 7}}, -100, true, 7},
      {"empty table", {}, 0, false, kNone},
      {"empty table extended", {}, 0, true, kNone},
      {"vertical end segment extended", {{0, 1}, {0, 3}, {2, 5}}, -1, true, 1},
      {"NaN x", two, std::nan(""), true, kNone},
      {"infinite x", two, std::numeric_limits<double>::infinity(), true, kNone},
  };
  for (const GetYCase& c : cases) {
    const CHydrixInterpolation t = tableOf(c.nodes);
    if (c.expected == kNone) {
      EXPECT_EQ(t.GetY(c.x, c.extend), kNone) << c.name;  // callers compare exactly
    } else {
      EXPECT_DOUBLE_EQ(t.GetY(c.x, c.extend), c.expected) << c.name;
    }
  }
}

TEST(Interpolation, SortOrdersAndMergesCloseNodes) {
  // Descending input with a duplicate x and a near-duplicate within eps.
  CHydrixInterpolation t = tableOf({{3, 30}, {2, 20}, {2, 21}, {1.0000004, 11}, {1, 10}, {std::nan(""), 99}});
  t.sort(1e-6);
  ASSERT_EQ(t.getSize(), 3);
  // The first node of each cluster in ascending order stays: (1, 10) sorts before 1.0000004.
  EXPECT_EQ(t.GetAtXArray(0), 1.0);
  EXPECT_EQ(t.GetAtYArray(0), 10.0);
  EXPECT_EQ(t.GetAtYArray(1), 20.0);  // of two equal x, the one added first
  EXPECT_EQ(t.GetAtXArray(2), 3.0);
  EXPECT_DOUBLE_EQ(t.GetY(2.5, false), 25.0);

  // A chain of close nodes is measured against the last kept node, not the previous one.
  CHydrixInterpolation chain = tableOf({{0, 0}, {0.6e-6, 1}, {1.2e-6, 2}});
  chain.sort(1e-6);
  EXPECT_EQ(chain.getSize(), 2);

  // eps 0 keeps exact duplicates: a vertical step survives sorting.
  CHydrixInterpolation stepped = tableOf({{1, 9}, {0, 0}, {1, 5}});
  stepped.sort(0.0);
  EXPECT_EQ(stepped.getSize(), 3);
  EXPECT_EQ(stepped.GetAtYArray(1), 9.0);
}

// Random tables built in a few runs with repeated and close x, sorted by the table and by a
// plain stable sort with the cluster rule; a probe fed the sorted nodes and a walk over falling
// tables against GetY.
TEST(Interpolation, SortAndFallingWalkAnswerAsThePlainForms) {
  std::uint64_t state = 18;
  auto next = [&state](int n) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
  };
  for (int round = 0; round < 300; ++round) {
    CHydrixInterpolation table;
    std::vector<std::pair<double, double>> nodes;
    for (int run = 1 + next(6), k = 0; run > 0; --run) {
      for (int n = next(8), x = next(20); n > 0; --n, ++k, x += next(3)) {
        const double xv = next(9) == 0 ? std::nan("") : x * 0.5 + (next(4) == 0 ? 4e-7 : 0.0);
        table.Add(xv, k);
        nodes.emplace_back(xv, k);
      }
    }
    std::erase_if(nodes, [](const auto& node) { return std::isnan(node.first); });
    std::stable_sort(nodes.begin(), nodes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<double, double>> kept;
    for (const auto& node : nodes) {
      if (kept.empty() || !(node.first - kept.back().first < 1e-6)) kept.push_back(node);
    }
    // A probe fed the sorted nodes (vertical steps included) answers as their table.
    CHydrixInterpolation steps;
    for (const auto& [x, y] : nodes) steps.Add(x, y);
    for (int q = 0; q < 6; ++q) {
      const double x = nodes.empty() || q == 0
                           ? next(30) * 0.5 - 2.0
                           : nodes[static_cast<std::size_t>(next(static_cast<int>(nodes.size())))].first;
      CHydrixInterpolation::AscendingProbe probe(x);
      for (const auto& [nx, ny] : nodes) probe.Add(nx, ny);
      ASSERT_TRUE(probe.ascending());
      EXPECT_EQ(probe.GetY(), steps.GetY(x, true)) << x;
    }
    CHydrixInterpolation::AscendingProbe mirrored(1.0);
    for (const auto& [nx, ny] : nodes) mirrored.Add(-nx, ny);
    EXPECT_EQ(mirrored.ascending(), nodes.size() < 2 || nodes.front().first == nodes.back().first);

    table.sort(1e-6);
    ASSERT_EQ(table.getSize(), static_cast<int>(kept.size()));
    for (int i = 0; i < table.getSize(); ++i) {
      EXPECT_EQ(table.GetAtXArray(i), kept[static_cast<std::size_t>(i)].first);
      EXPECT_EQ(table.GetAtYArray(i), kept[static_cast<std::size_t>(i)].second);
    }

    // The sorted table read backwards falls strictly (or is any table when the round says so).
    CHydrixInterpolation falling;
    for (int i = table.getSize() - 1; i >= 0; --i) falling.Add(table.GetAtXArray(i), table.GetAtYArray(i) * 0.5);
    if (next(5) == 0) falling.Add(next(20) * 0.5, 1.0);
    CHydrixInterpolation::FallingWalk walk(falling);
    double x = 11.0;
    for (int q = 0; q < 40; ++q) {
      x -= next(7) == 0 ? -1.0 : next(4) * 0.25;  // now and then a step up
      const double asked = next(15) == 0 ? std::nan("") : x;
      const double expected = falling.GetY(asked, false);
      const double answered = walk.GetY(asked);
      EXPECT_TRUE(answered == expected || (std::isnan(answered) && std::isnan(expected))) << asked;
    }
  }
}

}  // namespace
}  // namespace armakon
