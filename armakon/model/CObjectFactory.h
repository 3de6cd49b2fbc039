#pragma once
// CObjectFactory: the valve object factory, creation of valve objects by class name.
//
// One instance serves the library; it fills itself on its first lookup (from any thread) by
// running registerValveClasses (ValveClassTable.h), which adds the 15 creatable classes of
// the valve tree through the registry it is handed:
//
//   void registerValveClasses(ValveClassRegistry& registry);   // registry.add<hydArmatur>() ...
//
// Reading a valve model back from a tree creates its variants here by class name.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/ObjectFactory.h"
#include "armakon/model/hydArmaturObject.h"

namespace armakon::hydVDIArmaturen {

// What the registration function of the valve factory receives.
using ValveClassRegistry = ::armakon::ClassRegistry;

class CObjectFactory {
 public:
  // The library's valve factory.
  static const CObjectFactory& instance();

  // A new default-constructed object of the class registered under the name, or null.
  std::unique_ptr<hydArmaturObject> createObject(std::string_view className) const noexcept;
  // The record registered under the name, or null.
  const ::armakon::CRuntimeClassRecord* find(std::string_view className) const noexcept;
  std::vector<std::string> classNames() const;

  // A factory with its own registration function (tests; the library uses instance()).
  explicit CObjectFactory(::armakon::ObjectFactoryCore::Registration registration);

 private:
  ::armakon::CObjectFactory<hydArmaturObject> m_factory;
};

}  // namespace armakon::hydVDIArmaturen
