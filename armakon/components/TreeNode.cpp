#include "armakon/components/TreeNode.h"

#include <limits>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace armakon {

namespace {

constexpr std::size_t npos = std::numeric_limits<std::size_t>::max();

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b, bool ignoreCase) {
  // Most names differ in their first character: compared inline before the library call.
  if (!ignoreCase) return a.size() == b.size() && (a.empty() || (a.front() == b.front() && a == b));
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  }
  return true;
}

int clampedCount(std::size_t n) {
  return n > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                        : static_cast<int>(n);
}

}  // namespace

CNode::CNode(std::string name) : CTreeItem(std::move(name), true) {}

CNode::~CNode() { destroyIteratively(std::move(items_)); }

void CNode::destroyIteratively(std::vector<std::unique_ptr<CTreeItem>> items) {
  // Each node is emptied before it dies, so no destructor ever descends.
  while (!items.empty()) {
    std::unique_ptr<CTreeItem> item = std::move(items.back());
    items.pop_back();
    if (CNode* node = item->AsNode()) {
      for (std::unique_ptr<CTreeItem>& child : node->items_) items.push_back(std::move(child));
      node->items_.clear();
    }
  }
}

std::size_t CNode::positionOf(const CTreeItem* item) const {
  if (item == nullptr || item->parent_ != this) return npos;
  const std::size_t hint = item->positionHint_;
  if (hint < items_.size() && items_[hint].get() == item) return hint;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == item) {
      item->positionHint_ = i;
      return i;
    }
  }
  return npos;
}

CTreeItem* CNode::append(std::unique_ptr<CTreeItem> item) {
  item->parent_ = this;
  item->positionHint_ = items_.size();
  // Most nodes hold a handful of items: room for them at once spares the early regrowths.
  constexpr std::size_t kFirstCapacity = 8;
  if (items_.capacity() == 0) items_.reserve(kFirstCapacity);
  items_.push_back(std::move(item));
  return items_.back().get();
}

CNode* CNode::AddChild(const std::string& name) {
  return static_cast<CNode*>(append(std::make_unique<CNode>(name)));
}

CNode* CNode::AddChild(std::unique_ptr<CNode> child) {
  if (child == nullptr || child->parent_ != nullptr) return nullptr;
  return static_cast<CNode*>(append(std::move(child)));
}

CLeaf* CNode::AddLeaf(const std::string& name, const std::string& text, bool splitText) {
  return static_cast<CLeaf*>(append(std::make_unique<CLeaf>(name, text, splitText)));
}

CLeaf* CNode::AddLeaf(const std::string& name, int value, bool) {
  return static_cast<CLeaf*>(append(std::make_unique<CLeaf>(name, value)));
}

CLeaf* CNode::AddLeaf(const std::string& name, double value, const char* format) {
  auto leaf = std::make_unique<CLeaf>(name);
  leaf->SetFirstValue(value, format, ':');
  return static_cast<CLeaf*>(append(std::move(leaf)));
}

CLeaf* CNode::AddLeaf(std::unique_ptr<CLeaf> leaf) {
  if (leaf == nullptr || leaf->parent_ != nullptr) return nullptr;
  return static_cast<CLeaf*>(append(std::move(leaf)));
}

CLeaf* CNode::AddLeaf(CLeaf* leaf) {
  if (leaf == nullptr || leaf->parent_ != nullptr) return nullptr;
  return AddLeaf(std::unique_ptr<CLeaf>(leaf));
}

const CTreeItem* CNode::findItem(std::string_view name, const CTreeItem* after, bool ignoreCase,
                                 bool wantNode) const {
  std::size_t from = 0;
  if (after != nullptr) {
    const std::size_t at = positionOf(after);
    if (at == npos) return nullptr;
    from = at + 1;
  }
  for (std::size_t i = from; i < items_.size(); ++i) {
    const CTreeItem* item = items_[i].get();
    if (item->IsNode() == wantNode && sameName(item->GetName(), name, ignoreCase)) return item;
  }
  return nullptr;
}

const CLeaf* CNode::FindLeaf(std::string_view name, const CTreeItem* after, bool ignoreCase) const {
  const CTreeItem* item = findItem(name, after, ignoreCase, false);
  return item != nullptr ? item->AsLeaf() : nullptr;
}
CLeaf* CNode::FindLeaf(std::string_view name, const CTreeItem* after, bool ignoreCase) {
  return const_cast<CLeaf*>(std::as_const(*this).FindLeaf(name, after, ignoreCase));
}
const CNode* CNode::FindChild(std::string_view name, const CTreeItem* after, bool ignoreCase) const {
  const CTreeItem* item = findItem(name, after, ignoreCase, true);
  return item != nullptr ? item->AsNode() : nullptr;
}
CNode* CNode::FindChild(std::string_view name, const CTreeItem* after, bool ignoreCase) {
  return const_cast<CNode*>(std::as_const(*this).FindChild(name, after, ignoreCase));
}

std::size_t CNode::nextOfKind(std::size_t from, bool wantNode) const {
  for (std::size_t i = from; i < items_.size(); ++i) {
    if (items_[i]->IsNode() == wantNode) return i;
  }
  return npos;
}

const CNode* CNode::GetFirstChild() const {
  childCursor_ = 0;
  return GetNextChild();
}
const CNode* CNode::GetNextChild() const {
  const std::size_t at = nextOfKind(childCursor_, true);
  childCursor_ = at == npos ? items_.size() : at + 1;
  return at == npos ? nullptr : items_[at]->AsNode();
}
const CNode* CNode::GetNextChild(const CTreeItem* after) const {
  const std::size_t from = after == nullptr ? 0 : positionOf(after);
  if (from == npos) return nullptr;
  const std::size_t at = nextOfKind(after == nullptr ? 0 : from + 1, true);
  return at == npos ? nullptr : items_[at]->AsNode();
}
const CLeaf* CNode::GetFirstLeaf() const {
  leafCursor_ = 0;
  return GetNextLeaf();
}
const CLeaf* CNode::GetNextLeaf() const {
  const std::size_t at = nextOfKind(leafCursor_, false);
  leafCursor_ = at == npos ? items_.size() : at + 1;
  return at == npos ? nullptr : items_[at]->AsLeaf();
}
const CLeaf* CNode::GetNextLeaf(const CTreeItem* after) const {
  const std::size_t from = after == nullptr ? 0 : positionOf(after);
  if (from == npos) return nullptr;
  const std::size_t at = nextOfKind(after == nullptr ? 0 : from + 1, false);
  return at == npos ? nullptr : items_[at]->AsLeaf();
}

CNode* CNode::GetFirstChild() { return const_cast<CNode*>(std::as_const(*this).GetFirstChild()); }
CNode* CNode::GetNextChild() { return const_cast<CNode*>(std::as_const(*this).GetNextChild()); }
CNode* CNode::GetNextChild(const CTreeItem* after) {
  return const_cast<CNode*>(std::as_const(*this).GetNextChild(after));
}
CLeaf* CNode::GetFirstLeaf() { return const_cast<CLeaf*>(std::as_const(*this).GetFirstLeaf()); }
CLeaf* CNode::GetNextLeaf() { return const_cast<CLeaf*>(std::as_const(*this).GetNextLeaf()); }
CLeaf* CNode::GetNextLeaf(const CTreeItem* after) {
  return const_cast<CLeaf*>(std::as_const(*this).GetNextLeaf(after));
}

int CNode::GetItemCount() const { return clampedCount(items_.size()); }

int CNode::GetChildCount() const {
  std::size_t n = 0;
  for (const auto& item : items_) n += item->IsNode() ? 1 : 0;
  return clampedCount(n);
}

int CNode::GetLeafCount() const { return clampedCount(items_.size() - static_cast<std::size_t>(GetChildCount())); }

const CTreeItem* CNode::GetItemAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
    throw std::invalid_argument("CNode::GetItemAt: index outside the item list");
  }
  return items_[static_cast<std::size_t>(index)].get();
}
CTreeItem* CNode::GetItemAt(int index) { return const_cast<CTreeItem*>(std::as_const(*this).GetItemAt(index)); }

std::unique_ptr<CTreeItem> CNode::DetachItem(CTreeItem* item) {
  const std::size_t at = positionOf(item);
  if (at == npos) return nullptr;
  std::unique_ptr<CTreeItem> detached = std::move(items_[at]);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
  for (std::size_t i = at; i < items_.size(); ++i) items_[i]->positionHint_ = i;
  if (childCursor_ > at) --childCursor_;
  if (leafCursor_ > at) --leafCursor_;
  detached->parent_ = nullptr;
  detached->positionHint_ = 0;
  return detached;
}

bool CNode::RemoveItem(CTreeItem* item) {
  return DetachItem(item) != nullptr;  // the detached subtree dies here, iteratively
}

void CNode::RemoveAll() {
  destroyIteratively(std::move(items_));
  items_.clear();
  childCursor_ = 0;
  leafCursor_ = 0;
}

void CNode::adoptItemsOf(CNode& source) {
  RemoveAll();
  items_ = std::move(source.items_);
  source.items_.clear();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i]->parent_ = this;
    items_[i]->positionHint_ = i;
  }
}

std::string CNode::GetStrLeafValue(const std::string& childName, const std::string& leafName, int occurrence,
                                   char sep, const std::string& fallback) const {
  if (occurrence < 0) throw std::invalid_argument("CNode::GetStrLeafValue: negative occurrence");
  const CNode* node = childName.empty() ? this : FindChild(childName);
  if (node == nullptr) return fallback;
  const CLeaf* leaf = node->FindLeaf(leafName);
  for (int i = 0; i < occurrence && leaf != nullptr; ++i) leaf = node->FindLeaf(leafName, leaf);
  return leaf != nullptr ? leaf->GetText(sep) : fallback;
}

std::unique_ptr<CNode> CNode::Clone() const {
  auto root = std::make_unique<CNode>(GetName());
  std::vector<std::pair<const CNode*, CNode*>> work{{this, root.get()}};
  while (!work.empty()) {
    const auto [source, target] = work.back();
    work.pop_back();
    for (const auto& item : source->items_) {
      if (const CNode* node = item->AsNode()) {
        work.emplace_back(node, target->AddChild(node->GetName()));
      } else {
        target->AddLeaf(item->AsLeaf()->Clone());
      }
    }
  }
  return root;
}

bool CNode::IsEqualTo(const CNode& other) const {
  if (GetName() != other.GetName()) return false;
  std::vector<std::pair<const CNode*, const CNode*>> work{{this, &other}};
  while (!work.empty()) {
    const auto [a, b] = work.back();
    work.pop_back();
    if (a->items_.size() != b->items_.size()) return false;
    for (std::size_t i = 0; i < a->items_.size(); ++i) {
      const CTreeItem& x = *a->items_[i];
      const CTreeItem& y = *b->items_[i];
      if (x.IsNode() != y.IsNode() || x.GetName() != y.GetName()) return false;
      if (x.IsNode()) {
        work.emplace_back(x.AsNode(), y.AsNode());
      } else if (!x.AsLeaf()->HasSameValues(*y.AsLeaf())) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace armakon
