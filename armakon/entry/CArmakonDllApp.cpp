#include "armakon/entry/CArmakonDllApp.h"

#include "armakon/entry/LibraryDialogs.h"
#include "armakon/entry/SiblingLibrary.h"
#include "armakon/entry/UserInterfaceLibrary.h"
#include "armakon/platform/ModalDialog.h"
#include "armakon/vdi3805/RecordFactory.h"

namespace armakon {

CArmakonDllApp& CArmakonDllApp::instance() {
  static CArmakonDllApp application;
  return application;
}

namespace {
// The application starts when the library is loaded, as a host expects of a loaded library.
[[maybe_unused]] const CArmakonDllApp& startedAtLoad = CArmakonDllApp::instance();
}  // namespace

CArmakonDllApp::CArmakonDllApp()
    : moduleFile_(ownModuleFile()),
      translationModule_(CTranslationManager::GetInstance().AddModule(moduleFile_.string())) {
  setUserInterfaceLoader(&loadUserInterfaceLibrary);
  plugLibraryDialogs();
}

CArmakonDllApp::~CArmakonDllApp() {
  setUserInterfaceLoader(nullptr);
  releaseUserInterfaceLibrary();
}

const CObjectFactory<CVDIBase>& CArmakonDllApp::recordFactory() const { return VdiRecordFactory(); }

const hydVDIArmaturen::CObjectFactory& CArmakonDllApp::valveFactory() const {
  return hydVDIArmaturen::CObjectFactory::instance();
}

}  // namespace armakon
