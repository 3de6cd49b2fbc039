// Pump catalog model: curve and pump checks and the assignment of unusable pumps.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "armakon/pumps/hydPumpenManager.h"

namespace {

using namespace armakon;
using Pairs = std::vector<std::pair<double, double>>;

void fill(hydPumpenKennlinie& kennlinie, const Pairs& pairs) {
  for (const auto& [x, y] : pairs) kennlinie.getTable().Add(x, y);
}

hydPumpenKennlinie* addCurve(hydPumpe& pumpe, const Pairs& pairs, int nummer = 1, int drehzahl = -1) {
  hydPumpenKennlinie* kennlinie = pumpe.addKennlinie();
  fill(*kennlinie, pairs);
  kennlinie->setNummer(nummer);
  kennlinie->setDrehzahl(drehzahl);
  return kennlinie;
}

// A pump whose curves start at the given zero-flow heads (each falling to 0 at 0.002 m³/s).
void addCurvesWithHeads(hydPumpe& pumpe, const std::vector<double>& heads) {
  int nummer = 1;
  for (const double head : heads) addCurve(pumpe, {{0.0, head}, {0.002, 0.0}}, nummer++);
}

TEST(PumpCurve, PlausibilityCheck) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<Pairs, bool> cases[] = {
      {{}, true},                                           // an empty curve passes; the pump check counts pairs
      {{{0, 0}}, true},                                     // a single pair only needs non-negative values
      {{{0, 0}, {10, 5}}, false},                           // (0, 0) before the last pair
      {{{0, 500}, {0.001, 0}}, true},                       // the last pair may reach head 0
      {{{0, 500}, {0.001, 300}, {0.002, 0}}, true},
      {{{0, 500}, {0.001, 300}, {0.001, 200}}, false},      // equal flows
      {{{0, 500}, {0.002, 300}, {0.001, 200}}, false},      // falling flows
      {{{0, 500}, {0.001, -1}, {0.002, 0}}, false},         // negative head inside
      {{{0, 500}, {0.001, -1}}, false},                     // negative last head
      {{{-0.001, 500}, {0.001, 100}}, false},               // negative first flow
      {{{0, 500}, {nan, 300}, {0.002, 0}}, false},
      {{{0, 500}, {0.001, nan}}, false},
      {{{0.0005, 0}, {0.001, 0}}, true},                    // zero head at a flow other than 0 is allowed
  };
  int row = 0;
  for (const auto& [pairs, ok] : cases) {
    hydPumpenKennlinie kennlinie;
    fill(kennlinie, pairs);
    EXPECT_EQ(kennlinie.bIsKennlinieOk(), ok) << "case " << row;
    ++row;
  }
}

TEST(PumpChecks, SequenceOfZeroFlowHeads) {
  const std::pair<std::vector<double>, bool> cases[] = {
      {{}, true},
      {{300, 300, 500}, true},
      {{500, 300}, false},
      {{300, 500, 400}, false},
      {{-1, 300}, false},  // the sequence starts from 0
      {{0, 0}, true},
  };
  int row = 0;
  for (const auto& [heads, ok] : cases) {
    hydPumpe pumpe;
    addCurvesWithHeads(pumpe, heads);
    EXPECT_EQ(pumpe.bKennlinienSequenceOK(), ok) << "case " << row;
    ++row;
  }
}

TEST(PumpChecks, CurvesAndPump) {
  hydPumpe pumpe;
  EXPECT_TRUE(pumpe.bCheckKennlinien());
  EXPECT_FALSE(pumpe.bCheckPumpe());  // a pump needs a curve

  addCurve(pumpe, {{0, 30000}, {0.002, 0}});
  EXPECT_TRUE(pumpe.bCheckPumpe());

  hydPumpenKennlinie* empty = pumpe.addKennlinie();  // an empty curve passes its own check ...
  EXPECT_TRUE(empty->bIsKennlinieOk());
  EXPECT_FALSE(pumpe.bCheckKennlinien());            // ... but not the pump's
  EXPECT_FALSE(pumpe.bCheckPumpe());

  hydPumpe falling;
  addCurvesWithHeads(falling, {50000, 40000});
  EXPECT_TRUE(falling.bCheckKennlinien());
  EXPECT_FALSE(falling.bCheckPumpe());
  falling.reverseArray();
  EXPECT_EQ(falling.getStatischeKennlinie(0)->getNummer(), 2);
  EXPECT_TRUE(falling.bCheckPumpe());
}

TEST(PumpCatalog, AssignmentOfUnusablePumpsEmptiesTheCatalog) {
  hydPumpenManager katalog;
  hydPumpenSerie serie;  // no manufacturer: the copy gets empty names and no path
  hydPumpe* pumpe = serie.addPumpe();

  katalog.addHersteller("alt");
  katalog = pumpe;
  EXPECT_EQ(katalog.getSize(), 0);

  katalog.addHersteller("alt");
  katalog = static_cast<const hydPumpe*>(nullptr);
  EXPECT_EQ(katalog.getSize(), 0);

  addCurvesWithHeads(*pumpe, {30000});
  katalog = pumpe;
  ASSERT_NE(katalog.hasPumpe(), nullptr);
  EXPECT_EQ(katalog.getAt(0)->getName(), "");
  EXPECT_EQ(katalog.getAt(0)->getFilePath(), "");
}

}  // namespace
