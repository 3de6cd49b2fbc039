// The sample valve models under data/samples/models are saved by the library from the models
// built here; this test checks that the files still load into exactly these models. Run it
// with ARMAKON_WRITE_SAMPLES=1 to write the files anew after a deliberate change.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "tests/model/ModelFixtures.h"

namespace armakon::hydVDIArmaturen {
namespace {

// Thermostatic valve bodies (type 201), three sizes with presetting 1..6 and an "N" position.
void buildThermostatic(hydArmaturenModell& model) {
  model.setVersion(1);
  model.setManufacturer("Nordwerk Armaturen");
  model.setModel("Thermostatventil TV-Pro");
  model.setFilename("NORDWERK_2.VDI");
  model.setCatID("NORDWERK");
  model.setIdx(3);
  model.setRLDatum(201601);
  model.setHydArmType(ARMTYP_THERMOSTATVENTIL);
  const int sizes[] = {10, 15, 20};
  for (int i = 0; i < 3; ++i) {
    auto* variant = dynamic_cast<hydArmaturTHKV*>(model.Add(ARMTYP_THERMOSTATVENTIL));
    variant->setArmType(ARMTYP_THERMOSTATVENTIL);
    variant->setGroupType(201);
    variant->setRecordIndex(i + 1);
    variant->setArtikelNr("TV-" + std::to_string(sizes[i]) + "-E");
    variant->setDimension(sizes[i]);
    variant->setMaxTemperatur(120.0);
    variant->setMaxBetriebsdruck(10.0);
    variant->setMaxDiffdruck(0.6);
    variant->setKvs(0.5 + 0.25 * i);
    variant->addAusfDetail("Eckform");
    variant->addAusfDetail("vernickelt");
    variant->addAnschluss({"IG " + std::to_string(sizes[i]), hydArmAnschluss::kEingang, "Innengewinde"});
    variant->addAnschluss({"AG " + std::to_string(sizes[i]), hydArmAnschluss::kAusgang, "Aussengewinde"});
    CKurve kv;
    kv.setEinheitx("Stufe");
    kv.setEinheity("m³/h");
    // Most open position first, as the import stores them: "N" (no presetting), then 6 .. 1.
    kv.addCurveNode(-9999.0f, "N", 0.5f + 0.25f * i);
    for (int step = 6; step >= 1; --step) {
      kv.addCurveNode(static_cast<float>(step), std::to_string(step), 0.0625f * step * (1 + i) + 0.03125f);
    }
    variant->addKvKurve(kv);
    variant->setXp(2.0);
    hydArmaturZubehoer& head = variant->addZubehoer();
    head.setText1("Thermostatkopf K");
    head.setText2("Fühler eingebaut");
    head.setSatzart(16001);
    head.setSatzIndex(1);
    head.setMenge(1.0f);
  }
}

// A differential-pressure regulator (type 205) in two sizes.
void buildRegulator(hydArmaturenModell& model) {
  model.setVersion(1);
  model.setManufacturer("Nordwerk Armaturen");
  model.setModel("Differenzdruckregler DR-5");
  model.setFilename("NORDWERK_2.VDI");
  model.setCatID("NORDWERK");
  model.setIdx(7);
  model.setRLDatum(201601);
  model.setHydArmType(ARMTYP_DIFFERENZDRUCKREGLER);
  for (int dn : {15, 25}) {
    auto* variant = dynamic_cast<hydArmaturDDR*>(model.Add(ARMTYP_DIFFERENZDRUCKREGLER));
    variant->setArmType(ARMTYP_DIFFERENZDRUCKREGLER);
    variant->setGroupType(205);
    variant->setArtikelNr("DR5-" + std::to_string(dn));
    variant->setDimension(dn);
    variant->setMaxTemperatur(110.0);
    variant->setMaxBetriebsdruck(16.0);
    variant->setMaxDiffdruck(1.5);
    variant->setKvs(dn / 5.0);
    variant->addAusfDetail("Rotguss");
    CKurve dp;
    dp.setEinheitx("Stufe");
    dp.setEinheity("mbar");
    for (int step = 5; step >= 1; --step) dp.addCurveNode(static_cast<float>(step), std::to_string(step), 50.0f * step);
    variant->addKennlinieDp(dp);
    CKurve deviation;
    deviation.setEinheitx("m³/h");
    deviation.setEinheity("mbar");
    for (int k = 0; k < 4; ++k) deviation.addCurveNode(dn / 5.0f - k * 0.5f, "", 40.0f - 10.0f * k);
    variant->addKennlinieKvzuPAbw(deviation);
  }
}

// An automatic circulation throttle (type 1703) with two regulator temperatures.
void buildCirculation(hydArmaturenModell& model) {
  model.setVersion(1);
  model.setManufacturer("Südquell Sanitär");
  model.setModel("Zirkulationsventil ZV-T");
  model.setFilename("SUEDQUELL_17.VDI");
  model.setCatID("SUEDQUELL");
  model.setIdx(2);
  model.setRLDatum(201601);
  model.setHydArmType(ARMTYP_DROSSEL_AUTOMATISCH);
  auto* variant = dynamic_cast<hydArmaturThermoDross*>(model.Add(ARMTYP_DROSSEL_AUTOMATISCH));
  variant->setArmType(ARMTYP_DROSSEL_AUTOMATISCH);
  variant->setGroupType(1702);
  variant->setArtikelNr("ZV-T-15");
  variant->setDimension(15);
  variant->setMaxTemperatur(90.0);
  variant->setMaxBetriebsdruck(10.0);
  variant->setKvs(1.75);
  variant->setZeta(4.5);
  variant->setSchliessdruck_hPa(0.0);
  variant->setEinheitEinst("°C");
  variant->setKvDesinfektion(0.5f);
  variant->setDpmin(10.0f);
  variant->setDpmax(1000.0f);
  for (double regulator : {60.0, 55.0}) {
    CEinstellungKurve curve;
    curve.setTemperatur(regulator);
    curve.setKvDesinfektion(0.5);
    curve.setEinheitx("°C");
    curve.setEinheity("m³/h");
    for (int t = 40; t <= static_cast<int>(regulator); t += 5) {
      const float kv = t < regulator - 5 ? 1.25f : 0.125f + 0.015625f * static_cast<float>(regulator - t);
      curve.addCurveNode(static_cast<float>(t), "", kv);
    }
    variant->addKurve(curve);
  }
}

std::filesystem::path sampleFolder() {
  const char* fromEnvironment = std::getenv("ARMAKON_SOURCE_DIR");
#ifdef ARMAKON_SOURCE_DIR
  const std::filesystem::path root = fromEnvironment ? fromEnvironment : ARMAKON_SOURCE_DIR;
#else
  const std::filesystem::path root = fromEnvironment ? fromEnvironment : ".";
#endif
  return root / "data" / "samples" / "models";
}

TEST(SampleModels, FilesHoldTheModelsBuiltHere) {
  const struct {
    const char* file;
    std::function<void(hydArmaturenModell&)> build;
  } samples[] = {
      {"thermostatic.vam", buildThermostatic},
      {"regulator.vam", buildRegulator},
      {"circulation.vam", buildCirculation},
  };
  const char* write = std::getenv("ARMAKON_WRITE_SAMPLES");
  for (const auto& sample : samples) {
    SCOPED_TRACE(sample.file);
    hydArmaturenModell built;
    sample.build(built);
    const std::string path = (sampleFolder() / sample.file).string();
    if (write != nullptr && std::string(write) == "1") {
      ASSERT_TRUE(built.saveVAMFile(path));
    }
    hydArmaturenModell loaded;
    ASSERT_TRUE(loaded.loadVAMFile(path));
    EXPECT_EQ(modeltest::treeText(loaded), modeltest::treeText(built));
  }
}

}  // namespace
}  // namespace armakon::hydVDIArmaturen
