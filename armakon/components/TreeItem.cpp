#include "armakon/components/TreeItem.h"

#include "armakon/components/TreeLeaf.h"
#include "armakon/components/TreeNode.h"

namespace armakon {

CTreeItem::~CTreeItem() = default;

CNode* CTreeItem::AsNode() { return IsNode() ? static_cast<CNode*>(this) : nullptr; }
const CNode* CTreeItem::AsNode() const { return IsNode() ? static_cast<const CNode*>(this) : nullptr; }
CLeaf* CTreeItem::AsLeaf() { return IsNode() ? nullptr : static_cast<CLeaf*>(this); }
const CLeaf* CTreeItem::AsLeaf() const { return IsNode() ? nullptr : static_cast<const CLeaf*>(this); }

}  // namespace armakon
