#include "armakon/components/TreeItemSpares.h"

#include <utility>

namespace armakon {

void TreeItemSpares::keep(std::unique_ptr<CTreeItem> item) {
  if (item == nullptr) return;
  if (item->IsLeaf()) {
    leaves_.push_back(std::unique_ptr<CLeaf>(static_cast<CLeaf*>(item.release())));
    return;
  }
  // Both lists are used from the back, so the subtree goes in in reverse line order: each
  // node's items from the last to the first, a child node after its own items. Walked without
  // recursion; the work list keeps its room from one part to the next.
  walk_.clear();  // empty unless a failed allocation cut the last walk short
  walk_.push_back(std::unique_ptr<CNode>(static_cast<CNode*>(item.release())));
  while (!walk_.empty()) {
    std::vector<std::unique_ptr<CTreeItem>>& items = walk_.back()->items_;
    if (items.empty()) {  // emptied, with its room kept for the next part
      nodes_.push_back(std::move(walk_.back()));
      walk_.pop_back();
      continue;
    }
    std::unique_ptr<CTreeItem> last = std::move(items.back());
    items.pop_back();
    last->parent_ = nullptr;
    last->positionHint_ = 0;
    if (last->IsNode()) {
      walk_.push_back(std::unique_ptr<CNode>(static_cast<CNode*>(last.release())));
    } else {
      leaves_.push_back(std::unique_ptr<CLeaf>(static_cast<CLeaf*>(last.release())));
    }
  }
}

std::unique_ptr<CLeaf> TreeItemSpares::leaf(std::string_view name) {
  if (leaves_.empty()) return std::make_unique<CLeaf>(std::string(name));
  std::unique_ptr<CLeaf> leaf = std::move(leaves_.back());
  leaves_.pop_back();
  leaf->name_.assign(name);
  return leaf;
}

std::unique_ptr<CNode> TreeItemSpares::node(std::string_view name) {
  if (nodes_.empty()) return std::make_unique<CNode>(std::string(name));
  std::unique_ptr<CNode> node = std::move(nodes_.back());
  nodes_.pop_back();
  node->name_.assign(name);
  node->childCursor_ = 0;
  node->leafCursor_ = 0;
  return node;
}

}  // namespace armakon
