#include "armakon/containers/TwArmaturContainer.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;

TwArmaturContainer::TwArmaturContainer() : RnArmaturContainer(17) {}

TwArmaturContainer& TwArmaturContainer::instance() {
  static TwArmaturContainer container;
  return container;
}

ArmaturenModellSpan TwArmaturContainer::localSearchList(const ARMATUR& record) const {
  // The same order as getArmaturenModell(record): an id in both lists means the global entry.
  ArmaturenModellSpan list = getArmaturenModellAsList(record, false);
  if (list.empty()) list = getArmaturenModellAsList(record, true);
  if (list.empty() || list.front()->bIsEmpty()) return {};
  return list;
}

const hydArmatur* TwArmaturContainer::findEntnahmeEx(const ArmaturenModell& entry, int dimension) {
  for (const auto& variant : entry.getModell().getArmaturen()) {
    if (variant->getDimension() >= dimension) return variant.get();
  }
  return nullptr;
}

const hydArmatur* TwArmaturContainer::findLocalEntnahme(const ARMATUR& record) const {
  const ArmaturenModell& entry = getArmaturenModell(record, true);
  if (entry.bIsEmpty()) return nullptr;
  if (entry.getTyp() != TW_ENTNAHMEARMATUR && entry.getTyp() != TW_ENTNAHMEARMATUR_RFV) return nullptr;
  return findEntnahmeEx(entry, record.dimension);
}

}  // namespace armakon
