// The drinking-water sample models under data/samples/models/sizing/water are saved by the
// library from the models built in DrinkingWaterSampleModels.h; this test checks that the files
// still load into exactly these models and shows every drinking-water search and choice list on
// them. Run it with ARMAKON_WRITE_SAMPLES=1 to write the files anew after a deliberate change.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "armakon/components/TreeNode.h"
#include "tests/containers/DrinkingWaterFixtures.h"
#include "tests/containers/DrinkingWaterSampleModels.h"

namespace armakon::watertest {
namespace {

std::filesystem::path sampleFolder() {
  const char* fromEnvironment = std::getenv("ARMAKON_SOURCE_DIR");
#ifdef ARMAKON_SOURCE_DIR
  const std::filesystem::path root = fromEnvironment ? fromEnvironment : ARMAKON_SOURCE_DIR;
#else
  const std::filesystem::path root = fromEnvironment ? fromEnvironment : ".";
#endif
  return root / "data" / "samples" / "models" / "sizing" / "water";
}

std::string treeText(const hydArmaturenModell& model) {
  CNode root("");
  model.write(&root);
  std::string text;
  root.WriteToString(text);
  return text;
}

class DrinkingWaterSamplesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* write = std::getenv("ARMAKON_WRITE_SAMPLES");
    for (const watersamples::Sample& sample : watersamples::samples()) {
      SCOPED_TRACE(sample.file);
      hydArmaturenModell built;
      sample.build(built);
      const std::string path = (sampleFolder() / sample.file).string();
      if (write != nullptr && std::string(write) == "1") {
        std::filesystem::create_directories(sampleFolder());
        ASSERT_TRUE(built.saveVAMFile(path));
      }
      // Draw-off fittings are resolved within local entries only.
      const bool local = sample.kind == TW_ENTNAHMEARMATUR;
      ArmaturenModell entry;
      entry.setGlobal(local ? 0 : 1);
      entry.setTyp(static_cast<enArmaturenTyp>(sample.kind));
      ASSERT_TRUE(entry.getModell().loadVAMFile(path));
      ASSERT_EQ(treeText(entry.getModell()), treeText(built));
      ids.push_back(tw.append(entry) >= 0 ? entry.getId() : 0);
    }
  }
  int id(const char* file) const {
    for (std::size_t i = 0; i < watersamples::samples().size(); ++i) {
      if (std::string(watersamples::samples()[i].file) == file) return ids[i];
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
