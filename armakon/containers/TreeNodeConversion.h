#pragma once
// Conversion between the two tree forms in which a container's global list is handed to a
// host: the attribute tree (CProNodeBase) and the tree-file node (CNode).
//
// A child node stands for a child node of the same name; a leaf stands for an attribute of
// the same name whose value is the leaf's values joined by ':' (an attribute becomes a leaf
// holding its value as one value, or no value for the empty text). An attribute tree keeps
// attributes and children in two lists, so the order between a leaf and a child is not kept;
// the order among leaves and among children is. Both walks are iterative, so any depth is
// safe.

#include <memory>

namespace armakon {

class CNode;
class CProNodeBase;

std::unique_ptr<CProNodeBase> proNodeFromTreeNode(const CNode& root);
// Attributes are written before the children, as the attribute tree's text form does.
std::unique_ptr<CNode> treeNodeFromProNode(const CProNodeBase& root);

}  // namespace armakon
