// What a chosen heating setting means: setpoint deviation and setting texts of
// differential-pressure regulators, the kv at the minimum pressure of flow regulators and
// the two kv values of a one-pipe fitting.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/containers/HeatingFixtures.h"

namespace armakon {
namespace {

using namespace heatingtest;

class HeatingSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Setpoints 300, 200, 100 at settings 1, 2, 3; deviation 150 at kv 2, 20 at kv 1, 10 at 0.5.
    ddr = EntryBuilder(HZ_DIFFERENZDRUCKREGLER, "DDR")
              .ddr(15, {300, 200, 100}, {{2.0f, 150}, {1.0f, 20}, {0.5f, 10}}, "Stufe")
              .addTo(hz);
    single = EntryBuilder(HZ_DIFFERENZDRUCKREGLER, "one setpoint").ddr(20, {200}, {{1.0f, -5}}).addTo(hz);
    noDeviation = EntryBuilder(HZ_DIFFERENZDRUCKREGLER, "no deviation").ddr(25, {200, 100}, {}).addTo(hz);
    combined = EntryBuilder(HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER, "DDRDFR")
                   .ddrdfr(15, {300, 200, 100}, {{2.0f, 150}, {1.0f, 20}}, {0.5f, 0.3f, 0.2f}, 150, "Stufe")
                   .addTo(hz);
    dfr = EntryBuilder(HZ_DURCHFLUSSREGLER, "DFR").dfr(15, {0.5f, 0.3f, 0.2f}, 200).addTo(hz);
    thkvdfr = EntryBuilder(HZ_THERMOSTATVENTIL, "THKVDFR")
                  .thkvdfr(15, {{0, 0, 100, 0.2f}, {0, 0, 80, 0.15f}, {0, 0, 60, 0.125f}})
                  .addTo(hz);
    eav = EntryBuilder(HZ_EINROHRVERSCHRAUBUNG, "EAV").eav(15, {{0.5f, 2.0f, 30, 0}, {1.0f, 1.0f, 20, 0}}).addTo(hz);
  }
  TestHz hz;
  int ddr = 0, single = 0, noDeviation = 0, combined = 0, dfr = 0, thkvdfr = 0, eav = 0;
};

TEST_F(HeatingSettingsTest, PAbweichungInPa) {
  struct Case {
    int id;
    double kv, pa;
  };
  const Case cases[] = {
      {ddr, 1.0, 2000.0}, {ddr, 1.5, 8500.0}, {ddr, 0.5, 1000.0},
      {ddr, 3.0, 0.0},  // outside the curve: no deviation
      {combined, 1.0, 2000.0},
      {noDeviation, 1.0, 0.0},
      {dfr, 1.0, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(hz.getPAbweichungDDR(record(c.id, 0), c.kv), c.pa) << c.id << " " << c.kv;
  }
}

TEST_F(HeatingSettingsTest, RegulatorSettingTexts) {
  struct Case {
    int id, einstellung, einstellung2;
    double kv;
    const char* text;
  };
  const Case cases[] = {
      {ddr, 0, -1, 2.0, "2 Stufe"},  // 300 less 150: the setting of setpoint 200 (at or above)
      {ddr, 1, -1, 1.0, "2 Stufe"},
      {ddr, 0, -1, 5.0, "1 Stufe"},  // no deviation at kv 5
      {ddr, 2, -1, 1.0, "3 Stufe"},  // 80 lies below the last setpoint
      {ddr, 3, -1, 1.0, ""},
      {ddr, -1, -1, 1.0, ""},
      {single, 0, -1, 1.0, "205"},  // no node at or above 205: the effective setpoint itself
      {dfr, 0, -1, 1.0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(hz.getEinstellungDDR(record(c.id, 0, c.einstellung, c.einstellung2), c.kv), c.text) << c.text;
  }
  const Case combinedCases[] = {
      {combined, 1, -1, 1.0, "2 Stufe"},
      {combined, 1, 2, 1.0, "2 Stufe, 3 Stufe"},
      {combined, 5, 2, 1.0, ", 3 Stufe"},  // the regulator index lies outside its curve
      {combined, 1, 3, 1.0, "2 Stufe"},
      {combined, -1, -1, 1.0, ""},
      {ddr, 1, 1, 1.0, ""},  // not a combined regulator
  };
  for (const Case& c : combinedCases) {
    EXPECT_EQ(hz.getEinstellungDDR_DFR(record(c.id, 0, c.einstellung, c.einstellung2), c.kv, 123.0), c.text)
        << c.text;
  }
}

TEST_F(HeatingSettingsTest, KvAtMinimumPressureAndOnePipeKvs) {
  struct Case {
    int id, einstellung, einstellung2;
    double rho;
    bool ok;
    double kv;
  };
  const Case cases[] = {
      {dfr, 0, -1, 1000.0, true, std::sqrt(5.0)},  // Wirkdruck 200 mbar
      {dfr, 2, -1, 500.0, true, std::sqrt(2.5)},
      {dfr, 3, -1, 1000.0, false, 0.0},
      {dfr, -1, -1, 1000.0, false, 0.0},
      {thkvdfr, 1, -1, 1000.0, true, std::sqrt(12.5)},  // y3 of setting 1: 80 mbar
      {combined, 0, 1, 1000.0, true, std::sqrt(100000.0 / 15000.0)},
      {combined, 0, -1, 1000.0, false, 0.0},  // the flow part has no setting
      {combined, -1, 1, 1000.0, false, 0.0},
      {eav, 0, -1, 1000.0, false, 0.0},
  };
  for (const Case& c : cases) {
    double kv = -1.0;
    EXPECT_EQ(hz.getKvMaxDFR(record(c.id, 0, c.einstellung, c.einstellung2), 1.0, c.rho, kv), c.ok) << c.id;
    EXPECT_NEAR(kv, c.kv, 1e-12) << c.id;
  }
  double bypass = -1.0, branch = -1.0;
  ASSERT_TRUE(hz.getKvIstEAV(record(eav, 0, 1), bypass, branch));
  EXPECT_EQ(bypass, 1.0);
  EXPECT_EQ(branch, 1.0);
  ASSERT_TRUE(hz.getKvIstEAV(record(eav, 0, 0), bypass, branch));
  EXPECT_EQ(bypass, 0.5);
  EXPECT_EQ(branch, 2.0);
  for (const ARMATUR& r : {record(eav, 0, 2), record(eav, 0, -1), record(dfr, 0, 0)}) {
    EXPECT_FALSE(hz.getKvIstEAV(r, bypass, branch));
    EXPECT_EQ(bypass, 0.0);
    EXPECT_EQ(branch, 0.0);
  }
}

}  // namespace
}  // namespace armakon
