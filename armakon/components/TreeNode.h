#pragma once
// A node of a tree file: a name and an ordered list of items (child nodes and leaves).
//
// Children and leaves share one list in insertion order, the order the text syntax writes
// them in; the child and leaf walks below pick their kind out of that list. A node owns its
// items and deletes the whole subtree with it, without recursion, so trees of any depth are
// safe to build, copy, compare, write, read and destroy.
//
// Look-ups by name compare exactly (byte for byte) unless ignoreCase is set, which folds
// ASCII letters only. An `after` item that is not an item of this node finds nothing.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/TreeItem.h"
#include "armakon/components/TreeLeaf.h"

namespace armakon {

class CNode : public CTreeItem {
 public:
  explicit CNode(std::string name = "");
  ~CNode() override;

  // Adding. Each returns the added item, now owned by this node; AddLeaf(CLeaf*) takes
  // ownership of a leaf made with new and returns null (taking nothing) for null or for a
  // leaf that already has a parent; AddChild(unique_ptr) likewise for a node with a parent.
  CNode* AddChild(const std::string& name);
  CNode* AddChild(std::unique_ptr<CNode> child);
  // text as in CLeaf(name, text, splitText): "" gives a leaf without value.
  CLeaf* AddLeaf(const std::string& name, const std::string& text, bool splitText = false);
  // One integer value ("%i"); the bool only mirrors the text form and has no effect.
  CLeaf* AddLeaf(const std::string& name, int value, bool unused = false);
  CLeaf* AddLeaf(const std::string& name, double value, const char* format = "%f");
  CLeaf* AddLeaf(std::unique_ptr<CLeaf> leaf);
  CLeaf* AddLeaf(CLeaf* leaf);

  // Finding: the first leaf / child node of that name behind `after` (null: from the start).
  CLeaf* FindLeaf(std::string_view name, const CTreeItem* after = nullptr, bool ignoreCase = false);
  const CLeaf* FindLeaf(std::string_view name, const CTreeItem* after = nullptr,
                        bool ignoreCase = false) const;
  CNode* FindChild(std::string_view name, const CTreeItem* after = nullptr, bool ignoreCase = false);
  const CNode* FindChild(std::string_view name, const CTreeItem* after = nullptr,
                         bool ignoreCase = false) const;

  // Walking children and leaves in order, null at the end. GetNextChild(after) gives the child
  // behind the given item (the first one for null). GetNextChild() continues behind the child
  // last returned by GetFirstChild/GetNextChild of this node (one cursor per node); leaves
  // likewise.
  CNode* GetFirstChild();
  const CNode* GetFirstChild() const;
  CNode* GetNextChild();
  const CNode* GetNextChild() const;
  CNode* GetNextChild(const CTreeItem* after);
  const CNode* GetNextChild(const CTreeItem* after) const;
  CLeaf* GetFirstLeaf();
  const CLeaf* GetFirstLeaf() const;
  CLeaf* GetNextLeaf();
  const CLeaf* GetNextLeaf() const;
  CLeaf* GetNextLeaf(const CTreeItem* after);
  const CLeaf* GetNextLeaf(const CTreeItem* after) const;

  // All items in order. GetItemAt throws std::invalid_argument for an index outside the list.
  int GetItemCount() const;
  int GetChildCount() const;
  int GetLeafCount() const;
  CTreeItem* GetItemAt(int index);
  const CTreeItem* GetItemAt(int index) const;

  // Removing. DetachItem hands an item of this node to the caller (null when it is not one).
  std::unique_ptr<CTreeItem> DetachItem(CTreeItem* item);
  bool RemoveItem(CTreeItem* item);
  void RemoveAll();

  // The text of a leaf (its values joined by sep): the leaf named leafName, its occurrence-th
  // one counted from 0, in this node (childName "") or in the first child named childName;
  // fallback when there is none. A negative occurrence throws std::invalid_argument.
  std::string GetStrLeafValue(const std::string& childName, const std::string& leafName,
                              int occurrence = 0, char sep = ':', const std::string& fallback = "") const;

  // A deep copy (a free-standing root) and a deep comparison of names, order and values.
  std::unique_ptr<CNode> Clone() const;
  bool IsEqualTo(const CNode& other) const;

  // Text form of this node and its subtree (syntax: TreeFile.h).
  //   crlf            lines end with "\r\n" instead of "\n" (both read back alike)
  //   indent          nested lines are indented by two blanks per level (capped, cosmetic)
  //   finalLineBreak  the last line ("}") ends with a line break too
  //   firstLevel      indentation level of this node's own lines (below 0 counts as 0)
  //   sep             separator of the values on a leaf line (ASCII punctuation, not '\')
  // WriteToString replaces text; both return false for an unusable separator, WriteToFile
  // also when the file cannot be written. WriteToFile writes through a temporary file and a
  // rename, so a failed write leaves an existing file as it was.
  bool WriteToFile(const std::filesystem::path& path, bool crlf = false, bool indent = true,
                   bool finalLineBreak = true, int firstLevel = 0, char sep = ':') const;
  bool WriteToString(std::string& text, bool crlf = false, bool indent = false,
                     bool finalLineBreak = true, int firstLevel = 0, char sep = ':') const;

  // Parses a text holding one node into this node: its name and items are replaced by the
  // text's. On failure (malformed text, unusable separator) the node stays as it was.
  bool ReadFromString(const std::string& text, char sep = ':');
  // Reads a tree file; null when the file cannot be read or is malformed. ok (may be null)
  // receives whether it worked. The bool and int arguments are accepted for the callers'
  // sake and have no effect.
  static std::unique_ptr<CNode> ReadFromFile(const std::filesystem::path& path, bool unused = false,
                                             char sep = ':', bool* ok = nullptr, int unusedMode = 0);

 private:
  friend class CTreeItem;
  friend class TreeItemSpares;
  std::size_t positionOf(const CTreeItem* item) const;  // npos when not ours
  CTreeItem* append(std::unique_ptr<CTreeItem> item);
  const CTreeItem* findItem(std::string_view name, const CTreeItem* after, bool ignoreCase,
                            bool wantNode) const;
  std::size_t nextOfKind(std::size_t from, bool wantNode) const;  // npos when none
  void adoptItemsOf(CNode& source);
  // Deletes the items and all their subtrees with an explicit work list instead of recursion.
  static void destroyIteratively(std::vector<std::unique_ptr<CTreeItem>> items);

  std::vector<std::unique_ptr<CTreeItem>> items_;
  // Where GetNextChild() / GetNextLeaf() go on searching; kept right when items are removed.
  mutable std::size_t childCursor_ = 0;
  mutable std::size_t leafCursor_ = 0;
};

}  // namespace armakon
