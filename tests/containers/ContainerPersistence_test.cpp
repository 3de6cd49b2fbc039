// Persistence of the global list: the attribute-tree form, foreign and older sections, the id
// counter after reading.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "armakon/components/ProNode.h"
#include "armakon/components/TreeFile.h"
#include "armakon/components/TreeNode.h"
#include "tests/containers/EntryFixtures.h"

namespace armakon {
namespace {

using containertest::makeEntry;
using containertest::TestContainer;

const std::string kKey = "HYDRIX";

// Fills a container with three global entries (ids 1, 2, 4) and one local entry (id 3).
void fill(TestContainer& container) {
  ArmaturenModell entries[] = {
      makeEntry(HZ_THERMOSTATVENTIL, true, "Thermo", {10, 15, 20}),
      makeEntry(HZ_ALLGEMEINE_ARMATUREN, true, "Kugelhahn", {15, 20}, "Absperrungen"),
      makeEntry(HZ_ALLGEMEINE_ARMATUREN, false, "Lokal", {25}),
      makeEntry(HZ_RUECKLAUFVERSCHRAUBUNG, true, "Rücklauf", {10}),
  };
  for (ArmaturenModell& entry : entries) container.append(entry);
}

// The section text a host's project holds for one entry.
std::string section(const std::string& name, const ArmaturenModell& entry, const std::string& key) {
  std::string text;
  EXPECT_TRUE(entry.writeToString(text, key));
  return "[" + name + "]\r\nHeader:" + text + "\r\n[ENDE_" + name + "]\r\n";
}

std::unique_ptr<CProNodeBase> parseList(const std::string& sections, const std::string& trailer) {
  return CProNodeBase::ReadFromString("[GlobalArmatures]\r\n" + trailer + sections + "[ENDE_GlobalArmatures]\r\n");
}

void expectSameGlobalList(const RnArmaturContainer& read, const RnArmaturContainer& written) {
  ASSERT_EQ(read.getGlobalList().size(), written.getGlobalList().size());
  for (std::size_t i = 0; i < read.getGlobalList().size(); ++i) {
    const ArmaturenModell& a = *read.getGlobalList()[i];
    const ArmaturenModell& b = *written.getGlobalList()[i];
    EXPECT_EQ(a.getId(), b.getId()) << i;
    EXPECT_EQ(a.getTyp(), b.getTyp()) << i;
    EXPECT_EQ(a.getGruppe(), b.getGruppe()) << i;
    EXPECT_TRUE(a.isEqualTo(b, false)) << i;
  }
}

TEST(ContainerPersistence, AttributeTreeRoundTripThroughText) {
  TestContainer written;
  fill(written);
  const std::unique_ptr<CProNodeBase> node = written.writeArmaturesToProNode(kKey);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->getName(), "GlobalArmatures");
  EXPECT_EQ(node->getChildCount(), 3u);

  std::string text;
  node->WriteToString(text, false, false);
  // The first section as the host's project shows it.
  const std::string expectedStart =
      "[GlobalArmatures]\r\nLastArmaturesId:4\r\n[Armature]\r\nHeader:HYDRIX;1;1;1;4446;\nModell {\n";
  EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);

  const std::unique_ptr<CProNodeBase> parsed = CProNodeBase::ReadFromString(text);
  ASSERT_NE(parsed, nullptr);
  TestContainer read;
  ArmaturenModell stale = makeEntry(HZ_THERMOSTATVENTIL, false, "Alt", {10});
  read.append(stale);
  ASSERT_TRUE(read.readArmaturesFromProNode(parsed.get(), kKey));
  expectSameGlobalList(read, written);
  EXPECT_TRUE(read.getLocalList().empty());  // the local list is not persisted; old entries are gone
  EXPECT_EQ(read.getLastId(), 4);
  EXPECT_EQ(read.getGlobalList()[1]->getModell().getArmaturAt(1)->getDimension(), 20);
}

TEST(ContainerPersistence, ForeignAndOlderSections) {
  ArmaturenModell mine = makeEntry(HZ_THERMOSTATVENTIL, true, "Mein", {10});
  mine.setId(3);
  ArmaturenModell foreign = makeEntry(HZ_THERMOSTATVENTIL, true, "Fremd", {10});
  foreign.setId(9);
  ArmaturenModell oldThkv = makeEntry(HZ_THERMOSTATVENTIL, true, "AltTHKV", {15});
  oldThkv.setId(5);
  ArmaturenModell oldRlv = makeEntry(HZ_RUECKLAUFVERSCHRAUBUNG, true, "AltRLV", {20});
  oldRlv.setId(6);

  const std::string sections = section("Armature", mine, kKey) + section("Armature", foreign, "OTHER") +
                               section("HzTHKV", oldThkv, kKey) + section("Unbekannt", mine, kKey) +
                               section("HzRLV", oldRlv, kKey);
  const std::unique_ptr<CProNodeBase> node = parseList(sections, "LastArmaturesId:6\r\n");
  ASSERT_NE(node, nullptr);

  TestContainer container;
  ASSERT_TRUE(container.readArmaturesFromProNode(node.get(), kKey));
  std::vector<std::string> makers;
  std::vector<int> ids;
  for (const auto& entry : container.getGlobalList()) {
    makers.push_back(entry->getModell().getManufacturer());
    ids.push_back(entry->getId());
  }
  EXPECT_EQ(makers, (std::vector<std::string>{"Mein", "AltTHKV", "AltRLV"}));
  EXPECT_EQ(ids, (std::vector<int>{3, 5, 6}));
}

TEST(ContainerPersistence, IdCounterAfterReading) {
  ArmaturenModell a = makeEntry(HZ_THERMOSTATVENTIL, true, "A", {10});
  a.setId(4);
  ArmaturenModell b = makeEntry(HZ_THERMOSTATVENTIL, true, "B", {10});
  b.setId(11);
  ArmaturenModell unnumbered = makeEntry(HZ_THERMOSTATVENTIL, true, "C", {10});  // id 0
  const std::string withIds = section("Armature", a, kKey) + section("Armature", b, kKey);

  const struct {
    const char* name;
    std::string sections;
    std::string trailer;
    std::vector<int> ids;  // after reading: an entry persisted without one is numbered when met
    int counter;
  } cases[] = {
      {"persisted counter", withIds, "LastArmaturesId:20\r\n", {4, 11}, 20},
      {"no counter: largest id read", withIds, "", {4, 11}, 11},
      {"counter behind the ids", withIds, "LastArmaturesId:7\r\n", {4, 11}, 7},
      {"counter not a number", withIds, "LastArmaturesId:x\r\n", {4, 11}, 11},
      {"entry without id", section("Armature", unnumbered, kKey) + withIds, "", {1, 4, 11}, 11},
      {"entry without id, then the counter", section("Armature", unnumbered, kKey) + section("Armature", a, kKey),
       "LastArmaturesId:2\r\n", {1, 4}, 2},
      {"entry without id last", section("Armature", a, kKey) + section("Armature", unnumbered, kKey), "", {4, 1}, 4},
      {"no entries", "", "LastArmaturesId:5\r\n", {}, 5},
  };
  for (const auto& c : cases) {
    const std::unique_ptr<CProNodeBase> node = parseList(c.sections, c.trailer);
    ASSERT_NE(node, nullptr) << c.name;
    TestContainer container;
    ASSERT_TRUE(container.readArmaturesFromProNode(node.get(), kKey)) << c.name;
    std::vector<int> ids;
    for (const auto& entry : container.getGlobalList()) ids.push_back(entry->getId());
    EXPECT_EQ(ids, c.ids) << c.name;
    EXPECT_EQ(container.getLastId(), c.counter) << c.name;
    // The next entry never gets an id that is already in use.
    ArmaturenModell next = makeEntry(HZ_THERMOSTATVENTIL, true, "N", {10});
    container.append(next);
    EXPECT_EQ(next.getId(), c.counter + 1) << c.name;
  }
}

TEST(ContainerPersistence, ExhaustedCounterStoresNothingRatherThanRepeatingAnId) {
  const std::unique_ptr<CProNodeBase> node = parseList("", "LastArmaturesId:2147483647\r\n");
  ASSERT_NE(node, nullptr);
  TestContainer container;
  ASSERT_TRUE(container.readArmaturesFromProNode(node.get(), kKey));
  ArmaturenModell fresh = makeEntry(HZ_THERMOSTATVENTIL, true, "N", {10});
  EXPECT_EQ(container.append(fresh), -1);
  EXPECT_EQ(fresh.getId(), 0);
  EXPECT_TRUE(container.getGlobalList().empty());
  // An entry that brings its own id is still taken.
  fresh.setId(3);
  EXPECT_EQ(container.append(fresh), 0);
}

// The model's assignment leaves the version out; a deep comparison then tells copy from source.
TEST(EntryCopyVersion, TheModelsAssignmentLeavesTheVersionOut) {
  ArmaturenModell source = makeEntry(HZ_THERMOSTATVENTIL, true, "M", {10, 15});
  source.getModell().setVersion(4);
  const ArmaturenModell constructed(source);
  ArmaturenModell assigned = makeEntry(HZ_THERMOSTATVENTIL, true, "Alt", {20});
  assigned.getModell().setVersion(7);
  assigned = source;
  TestContainer container;
  container.append(source);

  const struct {
    const char* name;
    const ArmaturenModell& copy;
    int version;
  } cases[] = {
      {"copy construction", constructed, 0},
      {"assignment keeps the target's version", assigned, 7},
      {"stored by the container", *container.getGlobalList()[0], 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.copy.getModell().getVersion(), c.version) << c.name;
    EXPECT_EQ(c.copy.getModell().getSize(), 2) << c.name;
  }

  EXPECT_TRUE(container.findEqualType(source, true));
  EXPECT_FALSE(container.findEqualType(source, false));
  source.getModell().setVersion(0);
  EXPECT_TRUE(container.findEqualType(source, false));
}

// Key and group are written as they are; whether they read back is for the reader.
TEST(EntryHeaderWriting, KeyAndGroupAreWrittenVerbatim) {
  const struct {
    std::string key;
    std::string group;
    std::string header;
  } cases[] = {
      {"a;b", "", "a;b;1;1;1;4446;\n"},
      {"a\r\nb", "", "a\r\nb;1;1;1;4446;\n"},
      {"HOST", "zwei\nZeilen", "HOST;1;1;1;4446;zwei\nZeilen\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.header);
    TestContainer container;
    ArmaturenModell entry = makeEntry(HZ_THERMOSTATVENTIL, true, "M", {10}, c.group);
    container.append(entry);
    std::string text;
    ASSERT_TRUE(entry.writeToString(text, c.key));
    EXPECT_EQ(text.substr(0, c.header.size()), c.header);
    EXPECT_EQ(text.substr(c.header.size(), 8), "Modell {");

    const std::unique_ptr<CProNodeBase> list = container.writeArmaturesToProNode(c.key);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->getChildCount(), 1u);
  }
}

}  // namespace
}  // namespace armakon
