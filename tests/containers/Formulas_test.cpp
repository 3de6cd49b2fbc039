// The hydraulic formulas: rounding rules and the kv / pressure-drop relations.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "armakon/containers/HydraulicFormulas.h"
#include "armakon/containers/HzSearchSupport.h"
#include "armakon/containers/RnArmaturContainer.h"

#include "tests/SeededRandom.h"

namespace armakon {
namespace {

TEST(RoundTest, HalfwayGoesTowardsPositiveInfinityInDoublePrecision) {
  struct Case {
    double x;
    int n;
    double expected;
  };
  const Case cases[] = {
      {0.0005, 3, 0.001},    {-0.0005, 3, 0.0},   {-0.0015, 3, -0.001}, {2.5, 0, 3.0},
      {-2.5, 0, -2.0},       {-2.51, 0, -3.0},    {1.23449, 3, 1.234},  {0.1235, 3, 0.124},
      {1234.5, -1, 1230.0},  {1235.0, -1, 1240.0}, {7.0, 0, 7.0},       {-0.0004999, 3, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(Round(c.x, c.n), c.expected) << c.x << " to " << c.n;
    EXPECT_DOUBLE_EQ(RnArmaturContainer::Round(c.x, c.n), c.expected) << c.x << " to " << c.n;
  }
  // No negative zero: -0.0005 becomes plain 0.
  EXPECT_FALSE(std::signbit(Round(-0.0005, 3)));
}

TEST(RoundTest, FloatFormComputesInSinglePrecision) {
  // 2.675f is 2.67499995...; scaled in single precision it lands exactly on 267.5 and goes
  // up, while the same value rounded in double precision stays at 2.67.
  EXPECT_EQ(Round(2.675f, 2), 2.68f);
  EXPECT_EQ(RnArmaturContainer::Round(2.675f, 2), 2.68f);
  EXPECT_DOUBLE_EQ(Round(static_cast<double>(2.675f), 2), 2.67);

  struct Case {
    float x;
    int n;
    float expected;
  };
  const Case cases[] = {
      {0.0005f, 3, 0.001f}, {-0.0005f, 3, 0.0f}, {-2.5f, 0, -2.0f}, {2.5f, 0, 3.0f}, {12.345678f, 1, 12.3f},
  };
  for (const Case& c : cases) EXPECT_EQ(Round(c.x, c.n), c.expected) << c.x << " to " << c.n;
}

// Round takes the floor without the maths library; it must be std::floor to the bit.
TEST(RoundTest, FloorIsTheLibraryFloorToTheBit) {
  const double inf = std::numeric_limits<double>::infinity();
  const double doubles[] = {0.0,  -0.0,        0.5,          -0.5,        0.9999999999999999, -1e-300,
                            1e-300, 2.5,       -2.5,         -3.0,        4503599627370495.5, -4503599627370495.5,
                            4503599627370496.0, -4503599627370497.0, 9.3e18, -9.3e18, 1e300, -1e300,
                            inf,  -inf,        std::nan("")};
  for (const double v : doubles) {
    const double expected = std::floor(v);
    const double got = rounding::floorOf(v);
    EXPECT_TRUE((got == expected && std::signbit(got) == std::signbit(expected)) ||
                (std::isnan(got) && std::isnan(expected)))
        << v;
  }
  const float floats[] = {0.0f,       -0.0f,      0.5f,       -0.5f,       0.99999994f, -1e-30f,   2.5f,
                          -2.5f,      8388607.5f, -8388607.5f, 8388608.0f, -8388609.0f, 3e9f,     -3e9f,
                          3e38f,      -3e38f,     std::numeric_limits<float>::infinity(), std::nanf("")};
  for (const float v : floats) {
    const float expected = std::floor(v);
    const float got = rounding::floorOf(v);
    EXPECT_TRUE((got == expected && std::signbit(got) == std::signbit(expected)) ||
                (std::isnan(got) && std::isnan(expected)))
        << v;
  }
}

// The searches compare rounded values without rounding where the value lies clearly on one
// side; near the boundary and far from it the answer must be that of rounding first.
TEST(RoundTest, ComparisonsOfRoundedValuesAnswerAsRoundingFirst) {
  using hzsearch::Rounded;
  testsupport::SeededRandom random(7);
  auto unit = [&random] { return random.uniform(0.0, 1.0); };
  const Rounded relations[] = {Rounded::Below, Rounded::AtMost, Rounded::AtLeast, Rounded::Above};
  auto expected = [](double rounded, Rounded relation, double k) {
    switch (relation) {
      case Rounded::Below:
        return rounded < k;
      case Rounded::AtMost:
        return rounded <= k;
      case Rounded::AtLeast:
        return rounded >= k;
      case Rounded::Above:
        break;
    }
    return rounded > k;
  };
  for (int round = 0; round < 20000; ++round) {
    const int decimals = static_cast<int>(unit() * 4);
    const double magnitude = std::pow(10.0, unit() * 12 - 4);
    const double k = Round((unit() - 0.3) * magnitude, decimals);
    // Values around the rounding boundaries next to k and a few further off.
    const double step = 1.0 / std::pow(10.0, decimals);
    const double x = k + (static_cast<int>(unit() * 7) - 3) * 0.5 * step + (unit() - 0.5) * step * 1e-6 * (round % 3);
    const float v = static_cast<float>(x);
    for (const Rounded relation : relations) {
      EXPECT_EQ(hzsearch::roundsTo(v, decimals, relation, k), expected(Round(v, decimals), relation, k))
          << v << " " << decimals << " " << k;
      EXPECT_EQ(hzsearch::roundsTo(x, decimals, relation, k), expected(Round(x, decimals), relation, k))
          << x << " " << decimals << " " << k;
    }
  }
  const double nan = std::nan("");
  for (const Rounded relation : relations) {
    EXPECT_FALSE(hzsearch::roundsTo(static_cast<float>(nan), 3, relation, 1.0));
    EXPECT_FALSE(hzsearch::roundsTo(1.0, 3, relation, nan));
    EXPECT_EQ(hzsearch::roundsTo(3e38f, 3, relation, 1e300), expected(Round(3e38f, 3), relation, 1e300));
  }
}

TEST(FormulasTest, KvAndPressureDrop) {
  // 1 m³/h at 1 bar through reference water is kv 1.
  EXPECT_DOUBLE_EQ(_kvWert(1.0, 100000.0, 1000.0), 1.0);
  // 0.5 m³/h at 25 mbar: kv = 0.5 * sqrt(40).
  EXPECT_DOUBLE_EQ(_kvWert(0.5, 2500.0, 1000.0), 0.5 * std::sqrt(40.0));
  // Lighter water needs a smaller kv for the same pressure drop.
  EXPECT_DOUBLE_EQ(_kvWert(1.0, 100000.0, 970.0), std::sqrt(0.97));
  EXPECT_EQ(_kvWert(1.0, 0.0, 1000.0), 0.0);
  EXPECT_EQ(_kvWert(1.0, -10.0, 1000.0), 0.0);
  EXPECT_EQ(_kvWert(1.0, 1e-17, 1000.0), 0.0);

  EXPECT_DOUBLE_EQ(_dpWert(1.0, 1.0, 1000.0), 100000.0);
  EXPECT_DOUBLE_EQ(_dpWert(2.0, 4.0, 1000.0), 25000.0);
  EXPECT_DOUBLE_EQ(_dpWert(2.0, 4.0, 500.0), 12500.0);
  EXPECT_EQ(_dpWert(1.0, 0.0, 1000.0), 0.0);
  EXPECT_EQ(RnArmaturContainer::_dpWert(1.0, -1.0, 1000.0), 0.0);
  EXPECT_DOUBLE_EQ(RnArmaturContainer::Pa_mbar(RnArmaturContainer::mbar_Pa(12.5)), 12.5);

  // The two are inverse to each other.
  for (const double dp : {100.0, 2500.0, 37000.0}) {
    const double kv = RnArmaturContainer::_kvWert(0.8, dp, 983.2);
    EXPECT_NEAR(RnArmaturContainer::_dpWert(0.8, kv, 983.2), dp, dp * 1e-12);
  }
}

TEST(FormulasTest, KvOfResistancesInSeries) {
  struct Case {
    double kv1, kv2, expected;
  };
  const Case cases[] = {
      {3.0, 4.0, 2.4}, {4.0, 3.0, 2.4}, {3.0, 0.0, 3.0}, {0.0, 4.0, 4.0},
      {0.0, 0.0, 0.0}, {1e-17, 2.0, 2.0}, {-1.0, 2.0, 2.0}, {2.0, 2.0, std::sqrt(2.0)},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(_kvSerie(c.kv1, c.kv2), c.expected) << c.kv1 << ", " << c.kv2;
    EXPECT_DOUBLE_EQ(RnArmaturContainer::_kvSerie(c.kv1, c.kv2), c.expected);
  }
}

}  // namespace
}  // namespace armakon
