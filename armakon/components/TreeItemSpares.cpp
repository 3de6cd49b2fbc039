#include "armakon/components/TreeItemSpares.h"

#include <iterator>
#include <utility>

namespace armakon {

void TreeItemSpares::keep(std::unique_ptr<CTreeItem> item) {
  if (item == nullptr) return;
  if (item->IsLeaf()) {
    leaves_.emplace_back(static_cast<CLeaf*>(item.release()));
    return;
  }
  // The subtree's leaves and nodes in line order, walked without recursion.
  std::vector<std::unique_ptr<CLeaf>> leafOrder;
  std::vector<std::unique_ptr<CNode>> nodeOrder;
  struct Frame {
    CNode* node;
    std::size_t next;
  };
  auto* node = static_cast<CNode*>(item.release());
  nodeOrder.emplace_back(node);
  std::vector<Frame> open{{node, 0}};
  while (!open.empty()) {
    Frame& frame = open.back();
    std::vector<std::unique_ptr<CTreeItem>>& items = frame.node->items_;
    if (frame.next == items.size()) {
      items.clear();  // keeps its room for the next part
      open.pop_back();
      continue;
    }
    std::unique_ptr<CTreeItem>& item = items[frame.next++];
    item->parent_ = nullptr;
    item->positionHint_ = 0;
    if (item->IsNode()) {
      auto* child = static_cast<CNode*>(item.release());
      nodeOrder.emplace_back(child);
      open.push_back({child, 0});
    } else {
      leafOrder.emplace_back(static_cast<CLeaf*>(item.release()));
    }
  }
  // Taken from the back, they come out in line order again.
  leaves_.insert(leaves_.end(), std::make_move_iterator(leafOrder.rbegin()),
                 std::make_move_iterator(leafOrder.rend()));
  nodes_.insert(nodes_.end(), std::make_move_iterator(nodeOrder.rbegin()), std::make_move_iterator(nodeOrder.rend()));
}

std::unique_ptr<CLeaf> TreeItemSpares::leaf(std::string_view name) {
  if (leaves_.empty()) return std::make_unique<CLeaf>(std::string(name));
  std::unique_ptr<CLeaf> leaf = std::move(leaves_.back());
  leaves_.pop_back();
  leaf->name_.assign(name);
  leaf->ClearValues();
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
