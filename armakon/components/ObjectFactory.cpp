#include "armakon/components/ObjectFactory.h"

#include <utility>

namespace armakon {

bool ClassRegistry::add(const CRuntimeClassRecord& record) {
  if (!record.isDerivedFrom(root_) || !record.canCreate()) return false;
  classes_.insert_or_assign(std::string(record.className()), &record);
  return true;
}

ObjectFactoryCore::ObjectFactoryCore(const CRuntimeClassRecord& root, Registration registration)
    : root_(root), registration_(std::move(registration)) {}

void ObjectFactoryCore::ensureRegistered() const noexcept {
  if (registered_.load(std::memory_order_acquire)) return;
  std::lock_guard<std::mutex> guard(lock_);
  if (registered_.load(std::memory_order_relaxed)) return;
  if (registration_) {
    try {
      ClassRegistry registry(root_, classes_);
      registration_(registry);
    } catch (...) {
      // Only running out of memory can get here. The flag stays clear, so the next lookup
      // tries again; classes added so far are simply added once more.
      return;
    }
  }
  registered_.store(true, std::memory_order_release);
}

const CRuntimeClassRecord* ObjectFactoryCore::find(std::string_view className) const noexcept {
  ensureRegistered();
  if (!registered_.load(std::memory_order_acquire)) return nullptr;
  const auto found = classes_.find(className);
  return found == classes_.end() ? nullptr : found->second;
}

std::vector<std::string> ObjectFactoryCore::classNames() const {
  ensureRegistered();
  std::vector<std::string> names;
  if (!registered_.load(std::memory_order_acquire)) return names;
  names.reserve(classes_.size());
  for (const auto& entry : classes_) names.push_back(entry.first);
  return names;
}

}  // namespace armakon
