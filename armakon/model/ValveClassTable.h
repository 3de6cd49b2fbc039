#pragma once
// The valve classes by type code and by name.
//
// createArmaturForType maps a VDI 3805 valve type code (en700ArmaturTyp) to the variant class
// that holds its data; the mapping is exact, so codes without a class (0, 206, 1710..1714 and
// every unlisted value) give null. registerValveClasses is the registration function of the
// valve object factory: it adds the 15 classes a valve-model file can name.

#include <memory>

#include "armakon/model/CObjectFactory.h"
#include "armakon/model/hydArmatur.h"

namespace armakon::hydVDIArmaturen {

std::unique_ptr<hydArmatur> createArmaturForType(int armType);

void registerValveClasses(ValveClassRegistry& registry);

}  // namespace armakon::hydVDIArmaturen
