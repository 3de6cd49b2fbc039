// Writing a throttle variant into a tree node: the node gets the class's own name only when
// it has none yet; a name the caller gave stays.

#include <gtest/gtest.h>

#include <memory>

#include "armakon/components/TreeNode.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturThermoDross.h"

namespace armakon::hydVDIArmaturen {
namespace {

TEST(VariantKeepsNodeName, ThrottlesNameOnlyAnUnnamedNode) {
  const std::unique_ptr<const hydArmatur> manual = std::make_unique<hydArmaturDross>();
  const std::unique_ptr<const hydArmatur> automatic = std::make_unique<hydArmaturThermoDross>();
  const struct {
    const hydArmatur* variant;
    const char* given;
    const char* written;
  } cases[] = {
      {manual.get(), "", "Dross"},
      {manual.get(), "Vorgabe", "Vorgabe"},
      {automatic.get(), "", "ThermoDross"},
      {automatic.get(), "Vorgabe", "Vorgabe"},
  };
  for (const auto& c : cases) {
    CNode node(c.given);
    ASSERT_TRUE(c.variant->write(&node));
    EXPECT_EQ(node.GetName(), c.written) << "given '" << c.given << "'";
  }
}

}  // namespace
}  // namespace armakon::hydVDIArmaturen
