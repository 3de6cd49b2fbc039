// An entry's header line is written from the key and the fields as they are, and every global
// entry goes into the persisted list; whether a text reads back is for the reader to decide.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "armakon/components/ProNode.h"
#include "tests/containers/EntryFixtures.h"

namespace armakon {
namespace {

using containertest::makeEntry;
using containertest::TestContainer;

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
