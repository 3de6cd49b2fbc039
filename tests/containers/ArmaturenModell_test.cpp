// Container entries: nearest-variant choice and the entry text form.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "armakon/containers/ArmaturenModell.h"
#include "tests/containers/EntryFixtures.h"

namespace armakon {
namespace {

using containertest::makeEntry;
using hydVDIArmaturen::hydArmatur;

TEST(ArmaturenModell, NearestVariantIsFirstLargeEnoughElseLast) {
  // Dimensions deliberately unsorted: the walk is in stored order, not by size.
  const ArmaturenModell entry = makeEntry(HZ_ALLGEMEINE_ARMATUREN, true, "A", {15, 25, 20});
  const struct {
    int wanted;
    int expected;
  } cases[] = {{0, 15}, {-5, 15}, {15, 15}, {16, 25}, {21, 25}, {25, 25}, {26, 20}, {100, 20}};
  for (const auto& c : cases) {
    const hydArmatur* found = entry.findNearestArmatur(c.wanted);
    ASSERT_NE(found, nullptr) << c.wanted;
    EXPECT_EQ(found->getDimension(), c.expected) << "wanted DN " << c.wanted;
  }
  EXPECT_EQ(ArmaturenModell::findNearestArmaturEx(std::vector<const hydArmatur*>{}, 10), nullptr);
  EXPECT_EQ(ArmaturenModell().findNearestArmatur(10), nullptr);
  EXPECT_TRUE(ArmaturenModell().bIsEmpty());
  EXPECT_FALSE(entry.bIsEmpty());
}

TEST(ArmaturenModell, TextFormHeaderAndRoundTrip) {
  ArmaturenModell entry = makeEntry(TW_ALLGEMEINE_ARMATUREN, true, "Wasser", {20, 25}, "Absperr;Gruppe");
  entry.setId(12);
  entry.setReserved(5);
  std::string text;
  ASSERT_TRUE(entry.writeToString(text, "HOST"));
  EXPECT_EQ(text.substr(0, text.find('\n') + 1), "HOST;5;1;12;5556;Absperr;Gruppe\n");

  ArmaturenModell read;
  ASSERT_TRUE(read.readFromString(text, "HOST"));
  EXPECT_EQ(read.getId(), 12);
  EXPECT_EQ(read.getReserved(), 5);
  EXPECT_EQ(read.getGlobal(), 1);
  EXPECT_EQ(read.getTyp(), TW_ALLGEMEINE_ARMATUREN);
  EXPECT_EQ(read.getGruppe(), "Absperr;Gruppe");
  EXPECT_TRUE(read.isEqualTo(entry, false));
}

TEST(ArmaturenModell, ReadingRejectsForeignKeysAndBrokenBodies) {
  std::string text;
  ASSERT_TRUE(makeEntry(HZ_THERMOSTATVENTIL, true, "M", {10}).writeToString(text, "HOST"));

  ArmaturenModell untouched;
  untouched.setId(99);
  EXPECT_FALSE(untouched.readFromString(text, "OTHER"));
  EXPECT_FALSE(untouched.readFromString(text, "HOS"));
  EXPECT_EQ(untouched.getId(), 99);
  EXPECT_TRUE(untouched.bIsEmpty());

  // The header fields stay set when the model part fails; numbers read as their leading
  // digits, anything else as 0.
  const struct {
    const char* text;
    bool ok;
    int id;
  } cases[] = {
      {"HOST;1;1;8;4446;g", false, 8},                    // no model text at all
      {"HOST;1;1;9;4446;g\n   \n", false, 9},             // blank model text
      {"HOST;1;1;10x;4446;g\nModell {\n", false, 10},     // malformed tree text
      {"HOST;1;1;abc;4446;g\nNode {\n}\n", false, 0},     // a tree that is no valve model
      {"HOST;1;1;11;4446;g\nModell {\nVER = 1\nX = 201\n}\n", true, 11},
  };
  for (const auto& c : cases) {
    ArmaturenModell entry;
    EXPECT_EQ(entry.readFromString(c.text, "HOST"), c.ok) << c.text;
    EXPECT_EQ(entry.getId(), c.id) << c.text;
    EXPECT_EQ(entry.getTyp(), HZ_THERMOSTATVENTIL) << c.text;
    EXPECT_EQ(entry.getGruppe(), "g") << c.text;
  }
}

}  // namespace
}  // namespace armakon
