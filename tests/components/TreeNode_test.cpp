#include <gtest/gtest.h>

#include <stdexcept>

#include "armakon/components/TreeFile.h"

namespace armakon {
namespace {

TEST(TreeNode, CursorWalkSurvivesRemovalOfTheCurrentChild) {
  CNode root("R");
  root.AddLeaf("l1", "");
  for (const char* n : {"c1", "c2", "c3", "c4"}) {
    root.AddChild(n);
    root.AddLeaf("l", "");
  }
  std::vector<std::string> seen;
  for (CNode* c = root.GetFirstChild(); c != nullptr; c = root.GetNextChild()) {
    seen.push_back(c->GetName());
    if (c->GetName() == "c2") {
      EXPECT_TRUE(root.RemoveItem(c));
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"c1", "c2", "c3", "c4"}));
  EXPECT_EQ(root.GetChildCount(), 3);
  EXPECT_EQ(root.GetLeafCount(), 5);
  int leaves = 0;
  for (const CLeaf* l = root.GetFirstLeaf(); l != nullptr; l = root.GetNextLeaf(l)) ++leaves;
  EXPECT_EQ(leaves, 5);
  EXPECT_EQ(root.GetNextChild(root.FindChild("c3"))->GetName(), "c4");
}

}  // namespace
}  // namespace armakon
