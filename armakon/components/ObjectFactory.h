#pragma once
// Object factories: creation of objects by class name.
//
// The library keeps one factory per object tree (valve objects, VDI records). A factory
// fills itself on its first lookup by running the registration function its owner handed
// in; that may happen on any thread (catalog workers create VDI records), so the first
// lookup is guarded: a flag is tested, the lock taken, the flag tested again, the
// registration run, and the flag published with release order. Every later lookup only
// reads the flag (acquire) and the map, without the lock.
//
// Because lookups do not lock, the class table is fixed once registration has run: classes
// are added only through the ClassRegistry handed to the registration function. Adding a
// class under a name already present replaces the entry. The registration function must
// only add classes; a lookup on the same factory from inside it would wait for itself.
//
// The factory holds runtime class records rather than prototype objects: creation needs
// nothing but the record, and there is nothing to delete when the factory goes.

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "armakon/components/RuntimeClass.h"

namespace armakon {

// What a registration function sees: the factory's class table, open for additions.
class ClassRegistry {
 public:
  // Adds the class under its class name. Refused (false) when the class is not recorded
  // as derived from the factory's root class or cannot be created.
  bool add(const CRuntimeClassRecord& record);

  template <class T>
  bool add() {
    return add(T::GetThisClass());
  }

 private:
  friend class ObjectFactoryCore;
  ClassRegistry(const CRuntimeClassRecord& root,
                std::map<std::string, const CRuntimeClassRecord*, std::less<>>& classes)
      : root_(root), classes_(classes) {}

  const CRuntimeClassRecord& root_;
  std::map<std::string, const CRuntimeClassRecord*, std::less<>>& classes_;
};

// The untyped part of a factory; CObjectFactory adds the root type.
class ObjectFactoryCore {
 public:
  using Registration = std::function<void(ClassRegistry&)>;

  ObjectFactoryCore(const CRuntimeClassRecord& root, Registration registration);
  ObjectFactoryCore(const ObjectFactoryCore&) = delete;
  ObjectFactoryCore& operator=(const ObjectFactoryCore&) = delete;

  // The record registered under the class name, or null.
  const CRuntimeClassRecord* find(std::string_view className) const noexcept;
  // The registered class names in ascending byte order.
  std::vector<std::string> classNames() const;
  // Runs the registration function once (a no-op afterwards). Every lookup calls it.
  void ensureRegistered() const noexcept;

 private:
  const CRuntimeClassRecord& root_;
  Registration registration_;
  mutable std::mutex lock_;
  mutable std::atomic<bool> registered_{false};
  mutable std::map<std::string, const CRuntimeClassRecord*, std::less<>> classes_;
};

// A factory of objects of the class tree below Root (Root must carry a runtime class).
template <class Root>
class CObjectFactory {
  static_assert(std::is_base_of_v<CRuntimeObject, Root>, "the root must be a CRuntimeObject");

 public:
  using Registration = ObjectFactoryCore::Registration;

  explicit CObjectFactory(Registration registration = {})
      : core_(Root::GetThisClass(), std::move(registration)) {}

  // A new default-constructed object of the class registered under the name, or null for
  // a name that is not registered.
  std::unique_ptr<Root> create(std::string_view className) const noexcept {
    const CRuntimeClassRecord* record = core_.find(className);
    if (record == nullptr) return nullptr;
    std::unique_ptr<CRuntimeObject> object = record->createObject();
    if (object == nullptr) return nullptr;
    // Registration admits only classes recorded below Root, and a recorded base is always
    // a C++ base (checked when the class is compiled), so every object the record creates
    // is a Root: no run-time type check is needed on this path, which valve-model files
    // take once per variant.
    return std::unique_ptr<Root>(static_cast<Root*>(object.release()));
  }

  const CRuntimeClassRecord* find(std::string_view className) const noexcept {
    return core_.find(className);
  }
  std::vector<std::string> classNames() const { return core_.classNames(); }

 private:
  ObjectFactoryCore core_;
};

}  // namespace armakon
