#include "armakon/containers/TreeNodeConversion.h"

#include <utility>
#include <vector>

#include "armakon/components/ProNode.h"
#include "armakon/components/TreeNode.h"

namespace armakon {

std::unique_ptr<CProNodeBase> proNodeFromTreeNode(const CNode& root) {
  auto result = std::make_unique<CProNodeBase>(root.GetName());
  std::vector<std::pair<const CNode*, CProNodeBase*>> pending{{&root, result.get()}};
  while (!pending.empty()) {
    const auto [source, target] = pending.back();
    pending.pop_back();
    const int count = source->GetItemCount();
    for (int i = 0; i < count; ++i) {
      const CTreeItem* item = source->GetItemAt(i);
      if (const CNode* child = item->AsNode()) {
        pending.emplace_back(child, target->AddChild(child->GetName()));
      } else if (const CLeaf* leaf = item->AsLeaf()) {
        target->AddAttr(leaf->GetName(), leaf->GetText(':'));
      }
    }
  }
  return result;
}

std::unique_ptr<CNode> treeNodeFromProNode(const CProNodeBase& root) {
  auto result = std::make_unique<CNode>(root.getName());
  std::vector<std::pair<const CProNodeBase*, CNode*>> pending{{&root, result.get()}};
  while (!pending.empty()) {
    const auto [source, target] = pending.back();
    pending.pop_back();
    for (std::size_t i = 0; i < source->getAttrCount(); ++i) {
      const CProAttBase* attribute = source->getAttr(i);
      target->AddLeaf(attribute->getName(), attribute->getValue(), false);
    }
    for (std::size_t i = 0; i < source->getChildCount(); ++i) {
      const CProNodeBase* child = source->getChild(i);
      pending.emplace_back(child, target->AddChild(child->getName()));
    }
  }
  return result;
}

}  // namespace armakon
