#include <gtest/gtest.h>

#include <stdexcept>

#include "armakon/components/TreeFile.h"

namespace armakon {
namespace {

TEST(TreeNode, FindAfterWalksPastMixedItems) {
  CNode root("R");
  CLeaf* a0 = root.AddLeaf("A", "0");
  CNode* nodeA1 = root.AddChild("A");
  CLeaf* a2 = root.AddLeaf("A", "2");
  CNode* nodeB = root.AddChild("B");
  CNode* nodeA3 = root.AddChild("A");
  CNode foreign("F");
  CLeaf* foreignLeaf = foreign.AddLeaf("A", "x");

  struct Case {
    const char* name;
    const CTreeItem* after;
    bool wantLeaf;
    const CTreeItem* expected;
  };
  const Case cases[] = {
      {"A", nullptr, true, a0},      {"A", a0, true, a2},          {"A", nodeA1, true, a2},
      {"A", a2, true, nullptr},      {"A", nullptr, false, nodeA1}, {"A", a0, false, nodeA1},
      {"A", nodeA1, false, nodeA3},  {"A", nodeB, false, nodeA3},  {"A", nodeA3, false, nullptr},
      {"B", nodeB, false, nullptr},  {"a", nullptr, true, nullptr}, {"A", foreignLeaf, true, nullptr},
  };
  for (const Case& c : cases) {
    const CTreeItem* found = c.wantLeaf ? static_cast<const CTreeItem*>(root.FindLeaf(c.name, c.after))
                                        : root.FindChild(c.name, c.after);
    EXPECT_EQ(found, c.expected) << c.name;
  }
  EXPECT_EQ(root.FindLeaf("a", nullptr, true), a0);
}

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

TEST(TreeNode, OwnershipAndIndexErrors) {
  CNode root("R");
  auto* leaf = new CLeaf("Zubehoer", "", false);
  EXPECT_EQ(root.AddLeaf(leaf), leaf);
  EXPECT_EQ(leaf->GetParent(), &root);
  CNode other("O");
  EXPECT_EQ(other.AddLeaf(leaf), nullptr);  // owned elsewhere: refused
  std::unique_ptr<CTreeItem> detached = root.DetachItem(leaf);
  ASSERT_EQ(detached.get(), leaf);
  EXPECT_EQ(leaf->GetParent(), nullptr);
  EXPECT_EQ(root.GetItemCount(), 0);
  EXPECT_FALSE(root.RemoveItem(leaf));
  EXPECT_THROW(root.GetItemAt(0), std::invalid_argument);
  EXPECT_THROW(root.GetItemAt(-1), std::invalid_argument);
  EXPECT_THROW(root.GetStrLeafValue("", "X", -1), std::invalid_argument);
}

TEST(TreeNode, StrLeafValue) {
  CNode root("R");
  root.AddLeaf("X", "a:b", true);
  root.AddLeaf("X", "second");
  root.AddChild("C")->AddLeaf("X", "in child");
  EXPECT_EQ(root.GetStrLeafValue("", "X", 0, ':', ""), "a:b");
  EXPECT_EQ(root.GetStrLeafValue("", "X", 0, ';', ""), "a;b");
  EXPECT_EQ(root.GetStrLeafValue("", "X", 1, ':', ""), "second");
  EXPECT_EQ(root.GetStrLeafValue("", "X", 2, ':', "none"), "none");
  EXPECT_EQ(root.GetStrLeafValue("C", "X", 0, ':', ""), "in child");
  EXPECT_EQ(root.GetStrLeafValue("D", "X", 0, ':', "none"), "none");
}

TEST(TreeNode, CloneIsDeepAndIndependent) {
  CNode root("R");
  CNode* child = root.AddChild("C");
  child->AddLeaf("V", "1:2", true);
  std::unique_ptr<CNode> copy = root.Clone();
  EXPECT_TRUE(copy->IsEqualTo(root));
  child->FindLeaf("V")->AddValue("3");
  EXPECT_FALSE(copy->IsEqualTo(root));
  EXPECT_EQ(copy->FindChild("C")->GetParent(), copy.get());
}

}  // namespace
}  // namespace armakon
