#pragma once
// Common base of the nodes and leaves of a tree file: a name and a link to the owning node.

#include <cstddef>
#include <string>

namespace armakon {

class CNode;
class CLeaf;

class CTreeItem {
 public:
  virtual ~CTreeItem();
  CTreeItem(const CTreeItem&) = delete;
  CTreeItem& operator=(const CTreeItem&) = delete;

  // Any text is a valid name, the empty one included; names need not be unique.
  const std::string& GetName() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // The node that owns this item; null for a root or a free-standing item.
  CNode* GetParent() { return parent_; }
  const CNode* GetParent() const { return parent_; }

  // A stored kind rather than a virtual call: searches test it for every item they pass.
  bool IsNode() const { return isNode_; }
  bool IsLeaf() const { return !isNode_; }
  // This item as a node or a leaf; null when it is the other kind.
  CNode* AsNode();
  const CNode* AsNode() const;
  CLeaf* AsLeaf();
  const CLeaf* AsLeaf() const;

 protected:
  CTreeItem(std::string name, bool isNode) : name_(std::move(name)), isNode_(isNode) {}

 private:
  friend class CNode;
  friend class TreeItemSpares;
  std::string name_;
  CNode* parent_ = nullptr;
  bool isNode_;
  // Where the item last stood in its parent's list; lets "next after this item" run in
  // constant time. Checked before use, so a stale value only costs a search.
  mutable std::size_t positionHint_ = 0;
};

}  // namespace armakon
