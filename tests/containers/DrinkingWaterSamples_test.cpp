// Every drinking-water search and the choice lists on the sample valves under
// data/samples/models/sizing/water (described in the README there).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/containers/DrinkingWaterFixtures.h"

namespace armakon::watertest {
namespace {

// The sample files with the container kind of their entries, in the order of the ids.
const struct {
  const char* file;
  enArmaturenTyp kind;
} kSamples[] = {
    {"zirkulationsregler_zr.vam", TW_THERMOSTATISCHES_STRANGREGULIERVENTIL},
    {"strangdrossel_sd.vam", TW_STRANGREGULIERVENTIL},
    {"wasserzaehler_wz.vam", TW_WASSERZAEHLER},
    {"warmwasserzaehler_wzw.vam", TW_WASSERZAEHLER},
    {"rueckflussverhinderer_rv.vam", TW_RUECKFLUSSVERHINDERER},
    {"rohrtrenner_rt.vam", TW_ROHRTRENNER},
    {"rohrtrenner_rtk.vam", TW_ROHRTRENNER},
    {"druckminderer_dm.vam", TW_DRUCKREGLER},
    {"druckminderer_dmh.vam", TW_DRUCKREGLER},
    {"waschtischarmatur_wa.vam", TW_ENTNAHMEARMATUR},
};

class DrinkingWaterSamplesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& sample : kSamples) {
      SCOPED_TRACE(sample.file);
      // Draw-off fittings are resolved within local entries only.
      ArmaturenModell entry;
      entry.setGlobal(sample.kind == TW_ENTNAHMEARMATUR ? 0 : 1);
      entry.setTyp(sample.kind);
      ASSERT_TRUE(entry.getModell().loadVAMFile(std::string(ARMAKON_SOURCE_DIR) +
                                                "/data/samples/models/sizing/water/" + sample.file));
      ids.push_back(tw.append(entry) >= 0 ? entry.getId() : 0);
    }
  }
  int id(const char* file) const {
    for (std::size_t i = 0; i < std::size(kSamples); ++i) {
      if (std::string(kSamples[i].file) == file) return ids[i];
    }
    return 0;
  }
  TestContainer tw;
  std::vector<int> ids;  // in the order of samples()
};

TEST_F(DrinkingWaterSamplesTest, CirculationValveAndItsRegulatorTemperatures) {
  ARMATUR r = record(0, 20);
  double tOut = 0.0;
  double unused = 0.0;
  ASSERT_TRUE(tw.findGlobalThermoDrossel(0.5, 52.0, tOut, unused, r, false));
  EXPECT_EQ(r.modellId, id("zirkulationsregler_zr.vam"));
  EXPECT_EQ(r.dimension, 20);
  EXPECT_EQ(r.einstellung, 1);  // between the 55 and the 50 °C curves
  EXPECT_EQ(r.einstellung2, 2);
  EXPECT_GT(tOut, 50.0);
  EXPECT_LT(tOut, 55.0);

  SimpleHostDoubleList temperatures;
  tw.fillEinstellungsCombo(temperatures, r, tOut);
  ASSERT_EQ(temperatures.getCount(), 21);  // 50.0 .. 60.0 °C
  EXPECT_EQ(temperatures.getText(0), "50.0 °C");
  EXPECT_GE(*temperatures.getItemData(temperatures.getCurSel()), tOut);
  EXPECT_LT(*temperatures.getItemData(temperatures.getCurSel()), tOut + 0.5);
}

TEST_F(DrinkingWaterSamplesTest, ManualThrottleSettingsAndKvsList) {
  ARMATUR r = record(0, 15);
  ASSERT_TRUE(tw.findGlobalVariablenWiderstand(0.8, TW_STRANGREGULIERVENTIL, r, true, false));
  EXPECT_EQ(r.modellId, id("strangdrossel_sd.vam"));
  EXPECT_EQ(r.einstellung, 3);  // setting 3: kv 0.8
  SimpleHostDoubleList settings;
  tw.fillEinstellungsCombo(settings, r, 0.0);
  ASSERT_EQ(settings.getCount(), 6);
  EXPECT_EQ(settings.getText(0), "1.0 (kv=0.267m³/h)");
  EXPECT_EQ(settings.getCurSel(), 2);

  SimpleHostList kvs;
  tw.fillKvWertCombo(kvs, r, 2.0);
  ASSERT_EQ(kvs.getCount(), 2);
  EXPECT_EQ(kvs.getAt(1).text, "2.5 m³/h");
  EXPECT_EQ(kvs.getCurSel(), 1);
}

TEST_F(DrinkingWaterSamplesTest, MetersByAreaOfUse) {
  const int wz = id("wasserzaehler_wz.vam");
  const int wzw = id("warmwasserzaehler_wzw.vam");
  struct Case {
    hydArmaturZaehler::Einsatzbereich area;
    double Q;
    int dimension;
    int wantId;
    int wantDn;
  };
  const Case cases[] = {
      {hydArmaturZaehler::Kaltwasser, 2.0, 25, wz, 15},   // the hot-water meters (2011) do not count
      {hydArmaturZaehler::Warmwasser, 2.0, 25, wzw, 15},  // Qn 1.6 is closest; WZ (2016) took part too
      {hydArmaturZaehler::Kaltwasser, 3.5, 25, wz, 20},
      {hydArmaturZaehler::Kaltwasser, 2.0, 0, wz, 15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "area " << c.area << " Q " << c.Q);
    ARMATUR r = record(0, c.dimension);
    ASSERT_TRUE(tw.findGlobalZaehler(c.area, c.Q, r, false));
    EXPECT_EQ(r.modellId, c.wantId);
    EXPECT_EQ(r.dimension, c.wantDn);
  }
}

TEST_F(DrinkingWaterSamplesTest, BackflowPreventersAndPipeSeparators) {
  ARMATUR r = record(0, 20);
  ASSERT_TRUE(tw.findGlobalRFV(2.0, r, false));
  EXPECT_EQ(r.modellId, id("rueckflussverhinderer_rv.vam"));
  EXPECT_EQ(r.dimension, 20);

  // The compact separator loses less; a limit of 0.2 bar leaves only RT.
  r = record(0, 20);
  ASSERT_TRUE(tw.findGlobalTrenner(2.0, 1.0, r, false));
  EXPECT_EQ(r.modellId, id("rohrtrenner_rtk.vam"));
  r = record(0, 20);
  ASSERT_TRUE(tw.findGlobalTrenner(2.0, 0.2, r, false));
  EXPECT_EQ(r.modellId, id("rohrtrenner_rt.vam"));
  r = record(0, 20);
  EXPECT_FALSE(tw.findGlobalTrenner(2.0, 0.1, r, false));
}

TEST_F(DrinkingWaterSamplesTest, PressureReducersAndDrawOffFittings) {
  ARMATUR r = record(0, 25);
  ASSERT_TRUE(tw.findGlobalDM(3.2, 0.0, r, false));
  EXPECT_EQ(r.modellId, id("druckminderer_dm.vam"));
  EXPECT_EQ(r.dimension, 25);
  EXPECT_EQ(r.einstellung, 1);  // 3.5 bar
  EXPECT_EQ(tw.getEinstellung(r, false), "5 Stufe");

  // 4.2 bar lies above DM and below DM-H, whose range starts 0.3 bar above it.
  r = record(0, 25);
  ASSERT_TRUE(tw.findGlobalDM(4.2, 0.0, r, false));
  EXPECT_EQ(r.modellId, id("druckminderer_dmh.vam"));
  EXPECT_EQ(r.einstellung, 7);  // 4.5 bar, the lowest setting

  const int wa = id("waschtischarmatur_wa.vam");
  const hydArmatur* fitting = tw.findLocalEntnahme(record(wa, 18));
  ASSERT_NE(fitting, nullptr);
  EXPECT_EQ(fitting->getArtikelNr(), "AQ-WA-20");
  EXPECT_EQ(tw.findLocalEntnahme(record(wa, 25)), nullptr);
}

}  // namespace
}  // namespace armakon::watertest
