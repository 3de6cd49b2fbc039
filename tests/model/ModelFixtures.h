#pragma once
// Valve models for the model tests: one variant of every class with filled curves, and
// helpers to compare models. All values survive the file's "%f" notation exactly.

#include <string>

#include "armakon/components/TreeNode.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::hydVDIArmaturen::modeltest {

// A curve of n nodes: x = setting, a text label, falling y, x2 only when withX2.
inline CKurve makeCurve(int n, float yStart, const std::string& unitX, const std::string& unitY, bool withX2 = false) {
  CKurve curve;
  curve.setEinheitx(unitX);
  curve.setEinheity(unitY);
  if (withX2) curve.setEinheitx2("K");
  for (int i = 0; i < n; ++i) {
    curve.addCurveNode(static_cast<float>(i) + 1.0f, "Stufe " + std::to_string(i + 1), yStart - 0.25f * i,
                       withX2 ? 0.5f * i + 0.5f : 0.0f);
  }
  return curve;
}

inline CKurve14 makeCurve14(int n) {
  CKurve14 curve;
  curve.setEinheitx("Stufe");
  curve.setEinheity1("m³/h");
  curve.setEinheity2("mbar");
  curve.setEinheity3("mbar");
  curve.setEinheity4("l/h");
  for (int i = 0; i < n; ++i) {
    curve.addCurveNode(curveNode14(static_cast<float>(i), "N" + std::to_string(i), 0.5f + i, 100.0f + i, 50.0f + i,
                                   400.0f - 10.0f * i));
  }
  return curve;
}

inline CEinstellungKurve makeSettingCurve(double temperature, float kvMax) {
  CEinstellungKurve curve;
  curve.setEinstellung(2.0);
  curve.setKvDesinfektion(0.125);
  curve.setTemperatur(temperature);
  curve.setWert4(7.5);
  curve.setText("T=" + std::to_string(static_cast<int>(temperature)));
  curve.setEinheitx("°C");
  curve.setEinheity("m³/h");
  for (int t = 40; t <= 70; t += 10) curve.addCurveNode(static_cast<float>(t), "", kvMax - 0.0625f * (t - 40) / 10.0f);
  return curve;
}

// The data every variant carries; distinct per variant through `seed`.
inline void fillCommon(hydArmatur& variant, int armType, int seed) {
  variant.setArmType(armType);
  variant.setGroupType(armType < 1000 ? 201 : 1701);
  variant.setRecordIndex(100 + seed);
  variant.setArtikelNr("ART-" + std::to_string(seed) + ":a;b");
  variant.setDATANORMNr("DN" + std::to_string(seed));
  variant.setStLBNr("StLB " + std::to_string(seed));
  variant.setEANNr("4000000" + std::to_string(seed));
  variant.setDimension(10 + 5 * seed);
  variant.setMaxTemperatur(110.5);
  variant.setMaxBetriebsdruck(10.0 + seed);
  variant.setMaxDiffdruck(1.5);
  variant.setKvs(0.75 * (seed + 1));
  variant.setDnText(seed % 2 == 0 ? "DN" : "G");
  variant.setZeta(2.25);
  variant.setSchliessdruck_hPa(125.0);
  variant.addAusfDetail("Messing");
  variant.addAusfDetail("Eckform");
  variant.addAnschluss({"IG 1/2", hydArmAnschluss::kEingang, "Innengewinde"});
  variant.addAnschluss({"AG 3/4", hydArmAnschluss::kAusgang, ""});
  hydArmaturZubehoer& accessory = variant.addZubehoer();
  accessory.setRefNr(seed);
  accessory.setSatzart(16001);
  accessory.setSatzIndex(3);
  accessory.setText1("Thermostatkopf");
  accessory.setText2("TK: 1");
  accessory.setMenge(2.0f);
  accessory.setFlag1(1);
  accessory.setFlag3(255);
}

// A model of type 201 holding one variant of every class, in the order of the class table.
inline void buildFullModel(hydArmaturenModell& model) {
  model.setVersion(3);
  model.setManufacturer("Muster Armaturen GmbH");
  model.setModel("Serie V: alles");
  model.setFilename("muster.vdi");
  model.setCatID("MUSTER-01");
  model.setIdx(42);
  model.setRLDatum(201601);
  model.setHydArmType(ARMTYP_THERMOSTATVENTIL);
  int seed = 0;

  hydArmatur* plain = model.Add(ARMTYP_FESTWIDERSTAND_HZ);
  fillCommon(*plain, ARMTYP_FESTWIDERSTAND_HZ, seed++);
  plain->setKurve(makeCurve(3, 2.0f, "Stufe", "m³/h"));  // not persisted

  auto* thkv = dynamic_cast<hydArmaturTHKV*>(model.Add(ARMTYP_THERMOSTATVENTIL));
  fillCommon(*thkv, ARMTYP_THERMOSTATVENTIL, seed++);
  thkv->addKvKurve(makeCurve(5, 1.5f, "Stufe", "m³/h", true));
  thkv->setXp(2.0);

  auto* ddr = dynamic_cast<hydArmaturDDR*>(model.Add(ARMTYP_DIFFERENZDRUCKREGLER));
  fillCommon(*ddr, ARMTYP_DIFFERENZDRUCKREGLER, seed++);
  ddr->addKennlinieDp(makeCurve(4, 300.0f, "Stufe", "mbar"));
  ddr->addKennlinieKvzuPAbw(makeCurve(3, 20.0f, "m³/h", "mbar"));
  ddr->addKennlinieMaxVolStrom(makeCurve(2, 900.0f, "Stufe", "l/h"));

  auto* dfr = dynamic_cast<hydArmaturDFR*>(model.Add(ARMTYP_DURCHFLUSSREGLER));
  fillCommon(*dfr, ARMTYP_DURCHFLUSSREGLER, seed++);
  dfr->addKurve(makeCurve(4, 500.0f, "Stufe", "l/h"));
  dfr->setWirkdruck(150.0f);

  auto* ddrdfr = dynamic_cast<hydArmaturDDRDFR*>(model.Add(ARMTYP_DDR_MIT_DFR));
  fillCommon(*ddrdfr, ARMTYP_DDR_MIT_DFR, seed++);
  ddrdfr->addKennlinieDp(makeCurve(3, 250.0f, "Stufe", "mbar"));
  ddrdfr->addKennlinieKvzuPAbw(makeCurve(2, 10.0f, "m³/h", "mbar"));
  ddrdfr->getDFRAnteil().addKurve(makeCurve(3, 700.0f, "Stufe", "l/h"));
  ddrdfr->setWirkdruck(175.0f);

  auto* thkvdfr = dynamic_cast<hydArmaturTHKVDFR*>(model.Add(ARMTYP_THERMOSTATVENTIL_DFR));
  fillCommon(*thkvdfr, ARMTYP_THERMOSTATVENTIL_DFR, seed++);
  thkvdfr->addKurve(makeCurve14(4));
  thkvdfr->setXp(1.0);

  auto* dross = dynamic_cast<hydArmaturDross*>(model.Add(ARMTYP_STRANGREGULIERVENTIL));
  fillCommon(*dross, ARMTYP_STRANGREGULIERVENTIL, seed++);
  dross->addKurve(makeCurve(6, 3.0f, "Umdrehungen", "m³/h"));
  dross->setEinheitEinst("Umdrehungen");
  dross->setKvDesinfektion(0.5f);
  dross->setDpmin(20.0f);
  dross->setDpmax(600.0f);

  auto* thermo = dynamic_cast<hydArmaturThermoDross*>(model.Add(ARMTYP_DROSSEL_AUTOMATISCH));
  fillCommon(*thermo, ARMTYP_DROSSEL_AUTOMATISCH, seed++);
  thermo->hydArmaturDross::addKurve(makeCurve(2, 1.0f, "°C", "m³/h"));
  thermo->setEinheitEinst("°C");
  thermo->setKvDesinfektion(0.25f);
  thermo->addKurve(makeSettingCurve(60.0, 0.75f));
  thermo->addKurve(makeSettingCurve(55.0, 0.5f));

  auto* eav = dynamic_cast<hydArmaturEAV*>(model.Add(ARMTYP_EINROHR_ANSCHLUSS));
  fillCommon(*eav, ARMTYP_EINROHR_ANSCHLUSS, seed++);
  eav->addKurve14(makeCurve14(3));
  eav->setXp(0.0);

  auto* ea = dynamic_cast<hydArmaturEA*>(model.Add(ARMTYP_ENTNAHME_RFV));
  fillCommon(*ea, ARMTYP_ENTNAHME_RFV, seed++);
  ea->setEinheitEinst("mbar");
  for (int i = 0; i < hydArmaturEA::kFloatCount; ++i) ea->setWert(i, 0.5f * i + 1.0f);
  for (int i = 0; i < hydArmaturEA::kByteCount; ++i) ea->setByte(i, static_cast<unsigned char>(i + 2));
  ea->addKurve(makeCurve(3, 720.0f, "mbar", "l/h"));

  auto* sicherung = dynamic_cast<hydArmaturSicherung*>(model.Add(ARMTYP_ROHRTRENNER));
  fillCommon(*sicherung, ARMTYP_ROHRTRENNER, seed++);
  sicherung->setEinheitEinst("bar");
  for (int i = 0; i < hydArmaturSicherung::kFloatCount; ++i) sicherung->setWert(i, 0.25f * i);
  sicherung->setByteWert(7);
  sicherung->addKurve(makeCurve(4, 1000.0f, "mbar", "l/h"));

  auto* minderer = dynamic_cast<hydArmaturDruckminderer*>(model.Add(ARMTYP_DRUCKMINDERER));
  fillCommon(*minderer, ARMTYP_DRUCKMINDERER, seed++);
  minderer->setEinheitEinst("bar");
  minderer->addKurve(makeCurve(5, 6.0f, "Stufe", "bar"));

  auto* zaehler = dynamic_cast<hydArmaturZaehler*>(model.Add(ARMTYP_ZAEHLER));
  fillCommon(*zaehler, ARMTYP_ZAEHLER, seed++);
  for (int i = 0; i < hydArmaturZaehler::kWertCount; ++i) zaehler->setWert(i, 1.5 * i + 0.5);
  for (int i = 0; i < hydArmaturZaehler::kTextCount; ++i) zaehler->setText(i, "Text " + std::to_string(i));
  zaehler->setEinsatzbereich(2);
  zaehler->setEinbaulage(999);
  zaehler->setGerätetyp(2);
  zaehler->setGehäuseart(1);
}

// The tree text of a model: two models with the same text hold the same persisted data.
inline std::string treeText(const hydArmaturenModell& model) {
  CNode root("");
  model.write(&root);
  std::string text;
  root.WriteToString(text);
  return text;
}

}  // namespace armakon::hydVDIArmaturen::modeltest
