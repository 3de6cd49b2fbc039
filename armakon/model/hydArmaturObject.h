#pragma once
// hydArmaturObject: the root of the valve object tree.
//
// Every valve object (model, variant, accessory, curve) knows its parent and can write itself
// into, and read itself back from, a node of the tree file. Each class carries a runtime
// class record (ARMAKON_RUNTIME_CLASS) naming its recorded base; kind tests follow those
// recorded links, which on purpose differ from the C++ bases for some variant classes (a
// differential-pressure regulator is recorded directly below the object root, not below the
// plain variant).
//
// The parent link is where an object sits, not part of its value: copying an object gives
// the copy no parent, and assigning keeps the target's own parent.

#include "armakon/components/RuntimeClass.h"

namespace armakon {
class CNode;
class CLeaf;
}  // namespace armakon

namespace armakon::hydVDIArmaturen {

class hydArmaturObject : public ::armakon::CRuntimeObject {
  ARMAKON_RUNTIME_CLASS(hydArmaturObject, ::armakon::CRuntimeObject)

 public:
  hydArmaturObject() = default;
  hydArmaturObject(const hydArmaturObject&) noexcept : CRuntimeObject() {}
  hydArmaturObject& operator=(const hydArmaturObject&) noexcept { return *this; }
  ~hydArmaturObject() override = default;

  // Reads the object from / writes it into a tree node. The root does nothing and succeeds.
  virtual bool read(const ::armakon::CNode* node);
  virtual bool write(::armakon::CNode* node) const;

  // True when this object's class is, by the recorded links, the class of `other` or one
  // recorded below it.
  bool isDerivedFrom(const hydArmaturObject& other) const noexcept;
  // The same against a class record; false for a null record.
  bool isDerivedFrom(const ::armakon::CRuntimeClassRecord& record) const noexcept;
  bool isDerivedFrom(const ::armakon::CRuntimeClassRecord* record) const noexcept;

  void setParent(hydArmaturObject* parent) noexcept { m_pParent = parent; }
  hydArmaturObject* getParent() const noexcept { return m_pParent; }

 private:
  hydArmaturObject* m_pParent = nullptr;  // not owned
};

}  // namespace armakon::hydVDIArmaturen
