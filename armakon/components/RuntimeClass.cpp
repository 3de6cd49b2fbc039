#include "armakon/components/RuntimeClass.h"

namespace armakon {

namespace {
// Class trees of this library are a few levels deep. Records are built at compile time
// from the macro, which rules out a class naming itself, but a hand-made record could still
// close a loop; the walk gives up instead of spinning forever.
constexpr int kMaxRecordedDepth = 256;
}  // namespace

std::unique_ptr<CRuntimeObject> CRuntimeClassRecord::createObject() const noexcept {
  if (creator_ == nullptr) return nullptr;
  return creator_();
}

bool CRuntimeClassRecord::isDerivedFrom(const CRuntimeClassRecord& other) const noexcept {
  const CRuntimeClassRecord* current = this;
  for (int depth = 0; current != nullptr && depth < kMaxRecordedDepth; ++depth) {
    if (current == &other) return true;
    current = current->recordedBase_;
  }
  return false;
}

const CRuntimeClassRecord& CRuntimeObject::GetThisClass() noexcept {
  // The root cannot be created on its own: an object of no particular kind is of no use.
  static const CRuntimeClassRecord record("CRuntimeObject", nullptr, nullptr);
  return record;
}

const CRuntimeClassRecord* CRuntimeObject::GetRuntimeClass() const noexcept {
  return &GetThisClass();
}

void CRuntimeObject::Serialize(std::ostream&) const {}

void CRuntimeObject::AssertValid() const {}

void CRuntimeObject::Dump(std::ostream&) const {}

}  // namespace armakon
