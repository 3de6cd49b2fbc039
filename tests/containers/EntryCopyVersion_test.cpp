// Copying a container entry assigns its valve model with the model's own assignment, which
// leaves the version out; a deep comparison then tells the stored copy from its source.

#include <gtest/gtest.h>

#include "tests/containers/EntryFixtures.h"

namespace armakon {
namespace {

using containertest::makeEntry;
using containertest::TestContainer;

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

}  // namespace
}  // namespace armakon
