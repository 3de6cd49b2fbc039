// The heating container itself and the global and local forms of its searches: a global form
// resets the record and searches the global list, a local form searches only the entry the
// record already names and keeps the record as it is.

#include "armakon/containers/HzArmaturContainer.h"

namespace armakon {

HzArmaturContainer::HzArmaturContainer() : RnArmaturContainer(2) {}

HzArmaturContainer& HzArmaturContainer::instance() {
  static HzArmaturContainer container;
  return container;
}

ArmaturenModellSpan HzArmaturContainer::localSearchList(const ARMATUR& record) const {
  // The same resolution as getArmaturenModell: the global list wins over the local one.
  ArmaturenModellSpan list = getArmaturenModellAsList(record, false);
  if (list.empty()) list = getArmaturenModellAsList(record, true);
  if (list.empty() || list.front()->bIsEmpty()) return {};
  return list;
}

namespace {

void resetForGlobalSearch(ARMATUR& record) {
  record.modellId = 0;
  record.einstellung = -1;
}

}  // namespace

bool HzArmaturContainer::findGlobalDiffdruckregler(double kv, double dp, ARMATUR& record, bool keepDim) const {
  resetForGlobalSearch(record);
  return findDiffdruckreglerEx(getGlobalList(), kv, dp, record, keepDim);
}

bool HzArmaturContainer::findLocalDiffdruckregler(double kv, double dp, ARMATUR& record, bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  return !list.empty() && findDiffdruckreglerEx(list, kv, dp, record, keepDim);
}

bool HzArmaturContainer::findGlobalDiffdruckreglerDFR(double kv, double dp, double flow, ARMATUR& record,
                                                      bool keepDim) const {
  resetForGlobalSearch(record);
  record.einstellung2 = -1;
  return findDiffdruckreglerDFREx(getGlobalList(), kv, dp, flow, record, keepDim);
}

bool HzArmaturContainer::findLocalDiffdruckreglerDFR(double kv, double dp, double flow, ARMATUR& record,
                                                     bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  return !list.empty() && findDiffdruckreglerDFREx(list, kv, dp, flow, record, keepDim);
}

bool HzArmaturContainer::findGlobalDurchflussregler(double flow, ARMATUR& record, bool keepDim) const {
  resetForGlobalSearch(record);
  return findDurchflussreglerEx(getGlobalList(), flow, record, keepDim);
}

bool HzArmaturContainer::findLocalDurchflussregler(double flow, ARMATUR& record, bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  return !list.empty() && findDurchflussreglerEx(list, flow, record, keepDim);
}

bool HzArmaturContainer::findGlobalTHKVDurchflussregler(double flow, ARMATUR& record, bool keepDim) const {
  resetForGlobalSearch(record);
  return findTHKVDurchflussreglerEx(getGlobalList(), flow, record, keepDim);
}

bool HzArmaturContainer::findLocalTHKVDurchflussregler(double flow, ARMATUR& record, bool keepDim) const {
  const ArmaturenModellSpan list = localSearchList(record);
  return !list.empty() && findTHKVDurchflussreglerEx(list, flow, record, keepDim);
}

bool HzArmaturContainer::findGlobalEinrohrVerschraubung(double share, double kvHK, ARMATUR& record) const {
  resetForGlobalSearch(record);
  return findEinrohrVerschraubungEx(getGlobalList(), share, kvHK, record);
}

bool HzArmaturContainer::findLocalEinrohrVerschraubung(double share, double kvHK, ARMATUR& record) const {
  const ArmaturenModellSpan list = localSearchList(record);
  return !list.empty() && findEinrohrVerschraubungEx(list, share, kvHK, record);
}

}  // namespace armakon
