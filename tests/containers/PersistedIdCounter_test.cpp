// Reading the persisted global list: an entry stored without an id is numbered when it is
// met; afterwards the counter is the stored "LastArmaturesId", and only a list without that
// attribute takes the largest id read.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "armakon/components/ProNode.h"
#include "tests/containers/EntryFixtures.h"

namespace armakon {
namespace {

using containertest::makeEntry;
using containertest::TestContainer;

const std::string kKey = "HYDRIX";

// The persisted list of entries with the given ids, with the trailer's attributes.
std::unique_ptr<CProNodeBase> listWithIds(const std::vector<int>& ids, const std::string& trailer) {
  std::string text = "[GlobalArmatures]\r\n" + trailer;
  for (int id : ids) {
    ArmaturenModell entry = makeEntry(HZ_THERMOSTATVENTIL, true, "M" + std::to_string(id), {10});
    entry.setId(id);
    std::string entryText;
    EXPECT_TRUE(entry.writeToString(entryText, kKey));
    text += "[Armature]\r\nHeader:" + entryText + "\r\n[ENDE_Armature]\r\n";
  }
  return CProNodeBase::ReadFromString(text + "[ENDE_GlobalArmatures]\r\n");
}

TEST(PersistedIdCounter, StoredCounterHoldsAndUnnumberedEntriesCountAsMet) {
  const struct {
    const char* name;
    std::vector<int> stored;
    std::string trailer;
    std::vector<int> ids;  // after reading
    int counter;
  } cases[] = {
      {"stored counter behind the ids", {4, 11}, "LastArmaturesId:7\r\n", {4, 11}, 7},
      {"unnumbered entry first, stored counter", {0, 4}, "LastArmaturesId:2\r\n", {1, 4}, 2},
      {"unnumbered entry first, no counter", {0, 4}, "", {1, 4}, 4},
      {"unnumbered entry last, no counter", {4, 0}, "", {4, 1}, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::unique_ptr<CProNodeBase> list = listWithIds(c.stored, c.trailer);
    ASSERT_NE(list, nullptr);
    TestContainer container;
    ASSERT_TRUE(container.readArmaturesFromProNode(list.get(), kKey));
    std::vector<int> ids;
    for (const auto& entry : container.getGlobalList()) ids.push_back(entry->getId());
    EXPECT_EQ(ids, c.ids);
    EXPECT_EQ(container.getLastId(), c.counter);
  }
}

}  // namespace
}  // namespace armakon
