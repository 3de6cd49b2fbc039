#include "armakon/components/ProNode.h"

#include <stdexcept>
#include <utility>

namespace armakon {

CProNodeBase::CProNodeBase(std::string name) : name_(std::move(name)) {}

CProNodeBase::~CProNodeBase() {
  // Detach the subtree level by level; each node is destroyed only after its children were
  // moved out, so no destructor ever runs inside another.
  std::vector<std::unique_ptr<CProNodeBase>> pending = std::move(children_);
  while (!pending.empty()) {
    std::unique_ptr<CProNodeBase> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->children_) pending.push_back(std::move(child));
    node->children_.clear();
  }
}

CProNodeBase* CProNodeBase::AddChild(std::string name) {
  // A new node cannot hold this one, so the walk up that AddChild(node) makes is not needed;
  // reading deep trees relies on this being O(1).
  auto child = std::make_unique<CProNodeBase>(std::move(name));
  child->parent_ = this;
  child->index_ = children_.size();
  children_.push_back(std::move(child));
  return children_.back().get();
}

CProNodeBase* CProNodeBase::AddChild(std::unique_ptr<CProNodeBase>&& child) {
  if (child == nullptr) return nullptr;
  // Only a root can be owned from outside, so the node would hold itself exactly when child
  // is the root above this node.
  const CProNodeBase* top = this;
  while (top->parent_ != nullptr) top = top->parent_;
  if (top == child.get()) return nullptr;
  child->parent_ = this;
  child->index_ = children_.size();
  children_.push_back(std::move(child));
  return children_.back().get();
}

CProAttBase* CProNodeBase::AddAttr(std::string name, std::string value) {
  auto attribute = std::make_unique<CProAttBase>(std::move(name), std::move(value));
  attribute->owner_ = this;
  attribute->index_ = attributes_.size();
  attributes_.push_back(std::move(attribute));
  return attributes_.back().get();
}

CProNodeBase* CProNodeBase::findChild(std::string_view name, const CProNodeBase* after) {
  std::size_t from = 0;
  if (after != nullptr) {
    if (after->parent_ != this) return nullptr;
    from = after->index_ + 1;
  }
  for (std::size_t i = from; i < children_.size(); ++i) {
    if (children_[i]->name_ == name) return children_[i].get();
  }
  return nullptr;
}

const CProNodeBase* CProNodeBase::findChild(std::string_view name,
                                            const CProNodeBase* after) const {
  return const_cast<CProNodeBase*>(this)->findChild(name, after);
}

CProAttBase* CProNodeBase::findAttr(std::string_view name, const CProAttBase* after) {
  std::size_t from = 0;
  if (after != nullptr) {
    if (after->owner_ != this) return nullptr;
    from = after->index_ + 1;
  }
  for (std::size_t i = from; i < attributes_.size(); ++i) {
    if (attributes_[i]->name_ == name) return attributes_[i].get();
  }
  return nullptr;
}

const CProAttBase* CProNodeBase::findAttr(std::string_view name, const CProAttBase* after) const {
  return const_cast<CProNodeBase*>(this)->findAttr(name, after);
}

CProNodeBase* CProNodeBase::getChild(std::size_t index) {
  if (index >= children_.size()) throw std::invalid_argument("CProNodeBase::getChild: index out of range");
  return children_[index].get();
}

const CProNodeBase* CProNodeBase::getChild(std::size_t index) const {
  return const_cast<CProNodeBase*>(this)->getChild(index);
}

CProAttBase* CProNodeBase::getAttr(std::size_t index) {
  if (index >= attributes_.size()) throw std::invalid_argument("CProNodeBase::getAttr: index out of range");
  return attributes_[index].get();
}

const CProAttBase* CProNodeBase::getAttr(std::size_t index) const {
  return const_cast<CProNodeBase*>(this)->getAttr(index);
}

bool CProNodeBase::isEqualTo(const CProNodeBase& other) const {
  std::vector<std::pair<const CProNodeBase*, const CProNodeBase*>> pending{{this, &other}};
  while (!pending.empty()) {
    const auto [left, right] = pending.back();
    pending.pop_back();
    if (left->name_ != right->name_ || left->attributes_.size() != right->attributes_.size() ||
        left->children_.size() != right->children_.size()) {
      return false;
    }
    for (std::size_t i = 0; i < left->attributes_.size(); ++i) {
      const CProAttBase& a = *left->attributes_[i];
      const CProAttBase& b = *right->attributes_[i];
      if (a.name_ != b.name_ || a.value_ != b.value_) return false;
    }
    for (std::size_t i = 0; i < left->children_.size(); ++i) {
      pending.emplace_back(left->children_[i].get(), right->children_[i].get());
    }
  }
  return true;
}

}  // namespace armakon
