#pragma once
// Tree items kept to be filled again. A reader that takes a large tree file one part at a time
// (a valve model holds hundreds of variant nodes of the same layout) hands each part back once
// it has read it; the parts that follow are then built from those items, so their leaves and
// nodes, and room for their names and values, are made once instead of once per part.

#include <memory>
#include <string_view>
#include <vector>

#include "armakon/components/TreeLeaf.h"
#include "armakon/components/TreeNode.h"

namespace armakon {

class TreeItemSpares {
 public:
  // Keeps a free-standing item, a node with its whole subtree. Items come back in the order
  // they stood in (the subtree's lines from top to bottom), so a part of the same layout gets
  // each leaf back where it was, with room for as long a value text.
  void keep(std::unique_ptr<CTreeItem> item);
  // A free-standing leaf, or node without items, of the given name. A kept leaf still holds
  // its old values, for the caller to replace: the parser sets every leaf's values at once.
  std::unique_ptr<CLeaf> leaf(std::string_view name);
  std::unique_ptr<CNode> node(std::string_view name);

 private:
  // Both are used from the back.
  std::vector<std::unique_ptr<CLeaf>> leaves_;
  std::vector<std::unique_ptr<CNode>> nodes_;
  // The nodes keep() is taking apart.
  std::vector<std::unique_ptr<CNode>> walk_;
};

}  // namespace armakon
