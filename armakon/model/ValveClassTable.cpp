#include "armakon/model/ValveClassTable.h"

#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "armakon/model/hydArmaturZubehoer.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::hydVDIArmaturen {

std::unique_ptr<hydArmatur> createArmaturForType(int armType) {
  switch (armType) {
    case 201:
      return std::make_unique<hydArmaturTHKV>();
    case 202:  // presettable screw connection
    case 204:  // manual balancing valve
    case 1702:
      return std::make_unique<hydArmaturDross>();
    case 203:
      return std::make_unique<hydArmaturEAV>();
    case 205:
    case 209:  // with flow limitation by stroke
      return std::make_unique<hydArmaturDDR>();
    case 207:
      return std::make_unique<hydArmaturDFR>();
    case 208:
    case 210:
      return std::make_unique<hydArmaturDDRDFR>();
    case 211:  // fixed resistance
    case 213:  // control valve with actuator
    case 1701:
      return std::make_unique<hydArmatur>();
    case 212:
      return std::make_unique<hydArmaturTHKVDFR>();
    case 1703:
      return std::make_unique<hydArmaturThermoDross>();
    case 1704:
    case 1705:  // with backflow preventer
      return std::make_unique<hydArmaturEA>();
    case 1706:  // backflow preventer
    case 1707:  // pipe separator
      return std::make_unique<hydArmaturSicherung>();
    case 1708:
      return std::make_unique<hydArmaturDruckminderer>();
    case 1709:
      return std::make_unique<hydArmaturZaehler>();
    default:
      return nullptr;
  }
}

void registerValveClasses(ValveClassRegistry& registry) {
  registry.add<hydArmatur>();
  registry.add<hydArmaturZubehoer>();
  registry.add<hydArmaturTHKV>();
  registry.add<hydArmaturDDR>();
  registry.add<hydArmaturTHKVDFR>();
  registry.add<hydArmaturDFR>();
  registry.add<hydArmaturDDRDFR>();
  registry.add<hydArmaturDross>();
  registry.add<hydArmaturThermoDross>();
  registry.add<hydArmaturEAV>();
  registry.add<hydArmaturSicherung>();
  registry.add<hydArmaturEA>();
  registry.add<hydArmaturDruckminderer>();
  registry.add<hydArmaturenModell>();
  registry.add<hydArmaturZaehler>();
}

}  // namespace armakon::hydVDIArmaturen
