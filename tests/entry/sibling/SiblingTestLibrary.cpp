// A second shared library of ours, loaded by the entry tests through the sibling loader. It
// reports where it finds the program-wide objects, so the tests can see that the process
// holds each of them once.

#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/entry/CArmakonDllApp.h"
#include "armakon/model/CObjectFactory.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/RecordFactory.h"

extern "C" void armakonSiblingStatics(const void** out) {
  using namespace armakon;
  out[0] = &CArmakonDllApp::instance();
  out[1] = &getArmakonInstance();
  out[2] = &HzArmaturContainer::instance();
  out[3] = &CMiniReportUtil::instance();
  out[4] = &CVDIData::instance();
  out[5] = hydPumpenManager::instance();
  out[6] = &hydVDIArmaturen::CObjectFactory::instance();
  out[7] = &VdiRecordFactory();
  out[8] = &platform();
}
