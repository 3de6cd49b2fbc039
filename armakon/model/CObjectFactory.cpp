#include "armakon/model/CObjectFactory.h"

#include "armakon/model/ValveClassTable.h"

namespace armakon::hydVDIArmaturen {

CObjectFactory::CObjectFactory(::armakon::ObjectFactoryCore::Registration registration)
    : m_factory(std::move(registration)) {}

const CObjectFactory& CObjectFactory::instance() {
  // Built on first use and kept for the life of the program; its class table fills itself on
  // the first lookup, under the lock of the component factory.
  static const CObjectFactory factory([](ValveClassRegistry& registry) { registerValveClasses(registry); });
  return factory;
}

std::unique_ptr<hydArmaturObject> CObjectFactory::createObject(std::string_view className) const noexcept {
  return m_factory.create(className);
}

const ::armakon::CRuntimeClassRecord* CObjectFactory::find(std::string_view className) const noexcept {
  return m_factory.find(className);
}

std::vector<std::string> CObjectFactory::classNames() const { return m_factory.classNames(); }

}  // namespace armakon::hydVDIArmaturen
