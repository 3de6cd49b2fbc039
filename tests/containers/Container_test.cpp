// Container core: ids, look-ups of records, the dimension filter, the nominal-size list and
// the VDI 3805 type filter.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "tests/containers/EntryFixtures.h"

namespace armakon {
namespace {

using containertest::makeEntry;
using containertest::TestContainer;
using hydVDIArmaturen::hydArmatur;

std::vector<std::string> manufacturers(const ArmaturenModellListe& list) {
  std::vector<std::string> out;
  for (const auto& entry : list) out.push_back(entry->getModell().getManufacturer());
  return out;
}

TEST(Container, AppendAssignsIdsOnlyToNewEntriesAndFilesByListFlag) {
  TestContainer container;
  ArmaturenModell a = makeEntry(HZ_THERMOSTATVENTIL, true, "A", {10});
  ArmaturenModell b = makeEntry(HZ_THERMOSTATVENTIL, false, "B", {10});
  ArmaturenModell kept = makeEntry(HZ_THERMOSTATVENTIL, true, "C", {10});
  kept.setId(50);

  EXPECT_EQ(container.append(a), 0);
  EXPECT_EQ(container.append(b), 0);
  EXPECT_EQ(container.append(kept), 1);
  EXPECT_EQ(a.getId(), 1);  // written back into the caller's entry
  EXPECT_EQ(b.getId(), 2);
  EXPECT_EQ(kept.getId(), 50);
  EXPECT_EQ(container.getLastId(), 2);
  EXPECT_EQ(manufacturers(container.getGlobalList()), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(manufacturers(container.getLocalList()), (std::vector<std::string>{"B"}));
  EXPECT_EQ(container.getGlobalList()[0]->getId(), 1);

  // The container keeps copies: changing the caller's entry changes nothing stored.
  a.getModell().setManufacturer("changed");
  EXPECT_EQ(container.getGlobalList()[0]->getModell().getManufacturer(), "A");

  // removeAll keeps the counter, so no id is handed out twice.
  container.removeAll();
  EXPECT_TRUE(container.getGlobalList().empty());
  EXPECT_TRUE(container.getLocalList().empty());
  ArmaturenModell d = makeEntry(HZ_THERMOSTATVENTIL, true, "D", {10});
  container.append(d);
  EXPECT_EQ(d.getId(), 3);
}

TEST(Container, RecordResolvesToGlobalEntryFirstAndNewestFirst) {
  TestContainer container;
  ArmaturenModell local = makeEntry(HZ_THERMOSTATVENTIL, false, "Lokal", {10, 15});
  local.setId(5);
  ArmaturenModell global = makeEntry(HZ_THERMOSTATVENTIL, true, "Global", {10, 15});
  global.setId(5);
  ArmaturenModell older = makeEntry(HZ_THERMOSTATVENTIL, false, "Aelter", {10});
  older.setId(7);
  ArmaturenModell newer = makeEntry(HZ_THERMOSTATVENTIL, false, "Neuer", {10});
  newer.setId(7);
  ArmaturenModell negative = makeEntry(HZ_THERMOSTATVENTIL, true, "Negativ", {10});
  negative.setId(-1);
  // The local entry goes in first: the global one must still win.
  for (ArmaturenModell* entry : {&local, &global, &older, &newer, &negative}) container.append(*entry);

  const struct {
    int id;
    int local;  // -1: both lists
    const char* expected;  // "" for the empty entry
  } cases[] = {
      {5, -1, "Global"}, {5, 1, "Lokal"}, {5, 0, "Global"}, {7, -1, "Neuer"}, {7, 0, ""},
      {6, -1, ""},       {0, -1, ""},     {-1, -1, ""},     {-1, 0, ""},
  };
  for (const auto& c : cases) {
    ARMATUR record;
    record.modellId = c.id;
    const ArmaturenModell& found =
        c.local < 0 ? container.getArmaturenModell(record) : container.getArmaturenModell(record, c.local == 1);
    if (std::string(c.expected).empty()) {
      EXPECT_EQ(&found, &container.getEmptyArmaturenModell()) << c.id << "/" << c.local;
      EXPECT_TRUE(found.bIsEmpty());
    } else {
      EXPECT_EQ(found.getModell().getManufacturer(), c.expected) << c.id << "/" << c.local;
    }
  }

  ARMATUR record;
  record.modellId = 7;
  const ArmaturenModellSpan one = container.getArmaturenModellAsList(record, true);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0]->getModell().getManufacturer(), "Neuer");
  EXPECT_TRUE(container.getArmaturenModellAsList(record, false).empty());
}

TEST(Container, SortOutKeepsTheRightSizesInOrder) {
  ArmaturenModell entry = makeEntry(HZ_THERMOSTATVENTIL, true, "A", {25, 15, 20, 15, 32});
  ArmaturArray all;
  for (const auto& variant : entry.getModell().getArmaturen()) all.push_back(variant.get());

  const struct {
    int wanted;
    std::vector<int> kept;
  } cases[] = {
      {32, {25, 15, 20, 15, 32}},  // wanted >= largest: nothing removed
      {40, {25, 15, 20, 15, 32}},
      {20, {15, 20, 15}},          // in range: larger ones removed
      {15, {15, 15}},
      {17, {15, 15}},
      {10, {15, 15}},              // below the smallest: only the smallest size stays
  };
  for (const auto& c : cases) {
    ArmaturArray candidates = all;
    RnArmaturContainer::sortOut(15, 32, c.wanted, candidates);
    std::vector<int> kept;
    for (const hydArmatur* v : candidates) kept.push_back(v->getDimension());
    EXPECT_EQ(kept, c.kept) << "wanted DN " << c.wanted;
  }
  // The two DN 15 variants stay distinct and in their order.
  ArmaturArray candidates = all;
  RnArmaturContainer::sortOut(15, 32, 10, candidates);
  ASSERT_EQ(candidates.size(), 2u);
  EXPECT_EQ(candidates[0], all[1]);
  EXPECT_EQ(candidates[1], all[3]);
}

TEST(Container, NominalSizeListSelectsFirstLargeEnough) {
  TestContainer container;
  ArmaturenModell entry = makeEntry(HZ_THERMOSTATVENTIL, true, "A", {10, 15, 20});
  container.append(entry);
  const struct {
    int id;
    int dimension;
    int items;
    int selected;
  } cases[] = {{entry.getId(), 0, 3, 0}, {entry.getId(), 12, 3, 1}, {entry.getId(), 20, 3, 2},
               {entry.getId(), 21, 3, -1}, {0, 10, 0, -1}, {99, 10, 0, -1}};
  for (const auto& c : cases) {
    SimpleHostList list;
    list.addItem("stale", 1);
    list.setCurSel(0);
    ARMATUR record;
    record.modellId = c.id;
    record.dimension = c.dimension;
    container.fillNennweiteCombo(list, record);
    EXPECT_EQ(list.getCount(), c.items) << c.id << "/" << c.dimension;
    EXPECT_EQ(list.getCurSel(), c.selected) << c.id << "/" << c.dimension;
  }
  SimpleHostList list;
  ARMATUR record;
  record.modellId = entry.getId();
  container.fillNennweiteCombo(list, record);
  EXPECT_EQ(list.getAt(1).text, "15");
  EXPECT_EQ(list.getAt(1).data, 15);
  EXPECT_THROW(list.getAt(3), std::invalid_argument);
  EXPECT_THROW(list.setCurSel(3), std::invalid_argument);
}

TEST(Container, VdiTypeFilter) {
  const struct {
    int kind;
    std::vector<int> basic;
    std::vector<int> extra;
  } cases[] = {
      // A few rows where the extended list or several types could go wrong.
      {4446, {201, 212}, {202, 204}},
      {4447, {202}, {204, 201}},
      {5561, {1705, 1707}, {}},
      {4444, {}, {}},
  };
  for (const auto& c : cases) {
    const auto kind = static_cast<enArmaturenTyp>(c.kind);
    for (int extended : {0, 1}) {
      // The list is appended to, never emptied.
      en700ArmaturTypListe list{hydVDIArmaturen::ARMTYP_ZAEHLER};
      RnArmaturContainer::mapTo_VDI3805(kind, list, extended);
      std::vector<int> expected{1709};
      expected.insert(expected.end(), c.basic.begin(), c.basic.end());
      if (extended != 0) expected.insert(expected.end(), c.extra.begin(), c.extra.end());
      EXPECT_EQ(std::vector<int>(list.begin(), list.end()), expected) << c.kind << "/" << extended;
    }
    ArmaturenModell entry;
    entry.setTyp(kind);
    en700ArmaturTypListe viaEntry;
    entry.getFilter_VDI3805(viaEntry, 5);
    EXPECT_EQ(viaEntry.size(), c.basic.size() + c.extra.size()) << c.kind;
  }
}

}  // namespace
}  // namespace armakon
