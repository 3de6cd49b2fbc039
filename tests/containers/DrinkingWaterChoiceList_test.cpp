// Draw-off fittings and the drinking-water container's choice lists.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/containers/DrinkingWaterFixtures.h"

namespace armakon::watertest {
namespace {

std::vector<std::string> texts(const SimpleHostDoubleList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.getCount(); ++i) out.push_back(list.getText(i));
  return out;
}

std::vector<double> data(const SimpleHostDoubleList& list) {
  std::vector<double> out;
  for (int i = 0; i < list.getCount(); ++i) out.push_back(*list.getItemData(i));
  return out;
}

// ---------------------------------------------------------------------------------------
// Draw-off fittings (5560, 5561)

TEST(Entnahme, FirstVariantOfAtLeastTheSizeFromTheLocalListOnly) {
  TestContainer container;
  ArmaturenModell fitting = newEntry(TW_ENTNAHMEARMATUR_RFV, ARMTYP_ENTNAHME_RFV, "WR", false);
  for (int dn : {15, 25, 20}) addVariant<hydArmaturEA>(fitting, ARMTYP_ENTNAHME_RFV, dn);
  const int id = add(container, fitting);
  const ArmaturenModell& entry = container.getArmaturenModell(record(id, 0), true);

  struct Case {
    int dimension;
    int wantDn;  // 0: null
  };
  for (const Case& c : {Case{0, 15}, Case{15, 15}, Case{18, 25}, Case{20, 25}, Case{26, 0}}) {
    SCOPED_TRACE(c.dimension);
    const hydArmatur* byEx = TwArmaturContainer::findEntnahmeEx(entry, c.dimension);
    const hydArmatur* byRecord = container.findLocalEntnahme(record(id, c.dimension));
    EXPECT_EQ(byEx, byRecord);
    EXPECT_EQ(byEx != nullptr ? byEx->getDimension() : 0, c.wantDn);
  }

  // A global entry, an entry of another kind and one without variants give nothing.
  ArmaturenModell global = newEntry(TW_ENTNAHMEARMATUR, ARMTYP_ENTNAHME, "WA");
  addVariant<hydArmaturEA>(global, ARMTYP_ENTNAHME, 15);
  EXPECT_EQ(container.findLocalEntnahme(record(add(container, global), 15)), nullptr);
  ArmaturenModell otherKind = newEntry(TW_ALLGEMEINE_ARMATUREN, ARMTYP_ENTNAHME, "WA", false);
  addVariant<hydArmaturEA>(otherKind, ARMTYP_ENTNAHME, 15);
  EXPECT_EQ(container.findLocalEntnahme(record(add(container, otherKind), 15)), nullptr);
  ArmaturenModell empty = newEntry(TW_ENTNAHMEARMATUR, ARMTYP_ENTNAHME, "WA", false);
  EXPECT_EQ(container.findLocalEntnahme(record(add(container, empty), 15)), nullptr);
}

// ---------------------------------------------------------------------------------------
// kvs list

TEST(KvWertCombo, OneItemPerVariantWithTheTruncatedKvs) {
  TestContainer container;
  ArmaturenModell entry = newEntry(TW_STRANGREGULIERVENTIL, ARMTYP_DROSSEL_MANUELL, "SD", false);
  const double kvs[] = {1.6, 2.5, 4.0};
  int dn = 15;
  for (double value : kvs) addVariant<hydArmatur>(entry, ARMTYP_DROSSEL_MANUELL, dn += 5)->setKvs(value);
  const int id = add(container, entry);

  SimpleHostList list;
  list.addItem("stale", 99);
  container.fillKvWertCombo(list, record(id, 0), 2.0);
  ASSERT_EQ(list.getCount(), 3);
  EXPECT_EQ(list.getAt(0).data, 1);
  EXPECT_EQ(list.getAt(1).data, 2);
  EXPECT_EQ(list.getAt(2).data, 4);
  EXPECT_EQ(list.getAt(0).text, "1.6 m³/h");
  EXPECT_EQ(list.getCurSel(), 1);

  container.fillKvWertCombo(list, record(id, 0), 2.5);
  EXPECT_EQ(list.getCurSel(), 1);  // equal kvs reaches kv
  container.fillKvWertCombo(list, record(id, 0), 4.5);
  EXPECT_EQ(list.getCount(), 3);
  EXPECT_EQ(list.getCurSel(), -1);
  container.fillKvWertCombo(list, record(id + 1, 0), 1.0);
  EXPECT_EQ(list.getCount(), 0);
}

// ---------------------------------------------------------------------------------------
// Setting list

TEST(EinstellungsCombo, AutomaticThrottleListsRegulatorTemperaturesInHalfKelvinSteps) {
  TestContainer container;
  ArmaturenModell entry = newEntry(TW_THERMOSTATISCHES_STRANGREGULIERVENTIL, ARMTYP_DROSSEL_AUTOMATISCH, "ZR");
  addThermoDrossel(entry, 15, 1.0f, {60.0, 55.0});
  addThermoDrossel(entry, 20, 1.0f, {55.0, 60.0});  // stored lowest first: nothing to list
  const int id = add(container, entry);

  SimpleHostDoubleList list;
  list.addItem("stale", std::make_unique<double>(1.0));
  container.fillEinstellungsCombo(list, record(id, 15), 57.2);
  ASSERT_EQ(list.getCount(), 11);
  EXPECT_EQ(list.getText(0), "55.0 °C");
  EXPECT_EQ(list.getText(10), "60.0 °C");
  const std::vector<double> temperatures = data(list);
  for (int k = 0; k < 11; ++k) EXPECT_DOUBLE_EQ(temperatures[static_cast<std::size_t>(k)], 55.0 + 0.5 * k);
  EXPECT_EQ(list.getCurSel(), 5);  // 57.5, the first at or above 57.2

  container.fillEinstellungsCombo(list, record(id, 15), 57.5);
  EXPECT_EQ(list.getCurSel(), 5);
  container.fillEinstellungsCombo(list, record(id, 15), 61.0);
  EXPECT_EQ(list.getCurSel(), -1);
  container.fillEinstellungsCombo(list, record(id, 20), 57.0);
  EXPECT_EQ(list.getCount(), 0);
}

TEST(EinstellungsCombo, ManualThrottleListsItsSettingsFromTheMostClosed) {
  TestContainer container;
  ArmaturenModell entry = newEntry(TW_STRANGREGULIERVENTIL, ARMTYP_DROSSEL_MANUELL, "SD");
  addDrossel(entry, 15, {{4.0f, 1.2f}, {3.0f, 0.8f}, {2.0f, 0.45f}, {1.0f, 0.1f}});
  addDrossel(entry, 20, {{4.0f, 1.2f}});
  const int id = add(container, entry);

  SimpleHostDoubleList list;
  container.fillEinstellungsCombo(list, record(id, 15, 1), 0.0);  // the record's node: setting 3
  EXPECT_EQ(texts(list), (std::vector<std::string>{"1.0 (kv=0.100m³/h)", "2.0 (kv=0.450m³/h)",
                                                   "3.0 (kv=0.800m³/h)", "4.0 (kv=1.200m³/h)"}));
  const std::vector<double> kvs = data(list);
  EXPECT_DOUBLE_EQ(kvs[1], 0.45f);
  EXPECT_EQ(list.getCurSel(), 2);

  // A setting outside the curve, no setting, and a curve of one node: nothing to choose from.
  for (const ARMATUR& r : {record(id, 15, 4), record(id, 15, -1), record(id, 20, 0)}) {
    container.fillEinstellungsCombo(list, r, 0.0);
    EXPECT_EQ(list.getCount(), 0);
  }
}

TEST(EinstellungsCombo, OtherValveTypesAndUnresolvedRecordsGiveAnEmptyList) {
  TestContainer container;
  ArmaturenModell meter = newEntry(TW_WASSERZAEHLER, ARMTYP_ZAEHLER, "WZ");
  addZaehler(meter, 20, 2.5, 0.05, 5.0);
  const int meterId = add(container, meter);
  // A manual-throttle type code on a variant of another class is not trusted.
  ArmaturenModell mislabelled = newEntry(TW_STRANGREGULIERVENTIL, ARMTYP_ZAEHLER, "X");
  addZaehler(mislabelled, 20, 2.5, 0.05, 5.0)->setArmType(ARMTYP_DROSSEL_MANUELL);
  const int mislabelledId = add(container, mislabelled);

  SimpleHostDoubleList list;
  for (const ARMATUR& r : {record(meterId, 20, 0), record(mislabelledId, 20, 0), record(0, 20, 0)}) {
    list.addItem("stale", std::make_unique<double>(2.0));
    container.fillEinstellungsCombo(list, r, 50.0);
    EXPECT_EQ(list.getCount(), 0);
    EXPECT_EQ(list.getCurSel(), -1);
  }
  EXPECT_THROW(list.setCurSel(0), std::invalid_argument);
  EXPECT_THROW(list.getText(0), std::invalid_argument);
}

}  // namespace
}  // namespace armakon::watertest
