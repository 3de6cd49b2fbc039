#include "armakon/model/hydArmaturObject.h"

namespace armakon::hydVDIArmaturen {

bool hydArmaturObject::read(const ::armakon::CNode* /*node*/) { return true; }

bool hydArmaturObject::write(::armakon::CNode* /*node*/) const { return true; }

bool hydArmaturObject::isDerivedFrom(const hydArmaturObject& other) const noexcept {
  return isDerivedFrom(other.GetRuntimeClass());
}

bool hydArmaturObject::isDerivedFrom(const ::armakon::CRuntimeClassRecord& record) const noexcept {
  const ::armakon::CRuntimeClassRecord* own = GetRuntimeClass();
  return own != nullptr && own->isDerivedFrom(record);
}

bool hydArmaturObject::isDerivedFrom(const ::armakon::CRuntimeClassRecord* record) const noexcept {
  return record != nullptr && isDerivedFrom(*record);
}

}  // namespace armakon::hydVDIArmaturen
