#pragma once
// CArmakonDllApp: the library's application object, started when the library is loaded.
//
// Start-up (the constructor):
//   1. the file that holds the library is kept (moduleFile); its sibling libraries are
//      looked for beside it;
//   2. the library's translation module is registered with the translation manager under
//      that file name and kept: every text the library shows passes through the manager;
//   3. the user-interface library becomes the dialog road's loader (UserInterfaceLibrary.h);
//   4. the library's dialogs are plugged into the dialog slots and the report list
//      (LibraryDialogs.h).
// The process locale is left as the host set it: the library reads and writes numbers
// independently of it.
//
// The application holds the two object factories, the VDI record factory and the valve
// factory; each fills itself on its first lookup under its own lock, from any thread.
//
// Program-wide objects and their life:
//   - this object: constructed when the library is loaded (in a static build when the
//     program starts, once anything of the entry is linked in);
//   - the dialog slots and the report list: created during start-up (step 4), destroyed
//     after this object; what they hold are plain functions, which stay valid;
//   - the entry object (getArmakonInstance), the heating and drinking-water containers, the
//     catalog data, the catalog loader and the factories: created on first use, destroyed when the library is unloaded, in reverse order of
//     creation, so all of them before this object, which came first;
//   - the pump catalog: created on first use, released by the host with
//     hydPumpenManager::removeInstance.
// Shut-down (the destructor) unregisters the loader and uninstalls a platform loaded from
// the user-interface library, so nothing destroyed afterwards calls into a torn-down library.
//
// One process has one application object, also when a second library of ours (armakon_qt)
// is loaded beside it: that library links libarmakon.so and binds to the same object.

#include <filesystem>

#include "armakon/components/ObjectFactory.h"
#include "armakon/components/Translation.h"
#include "armakon/model/CObjectFactory.h"
#include "armakon/vdi3805/CVDIBase.h"

namespace armakon {

class CArmakonDllApp {
 public:
  static CArmakonDllApp& instance();

  CArmakonDllApp(const CArmakonDllApp&) = delete;
  CArmakonDllApp& operator=(const CArmakonDllApp&) = delete;

  const std::filesystem::path& moduleFile() const { return moduleFile_; }
  CTranslationModule& translationModule() const { return *translationModule_; }
  const CObjectFactory<CVDIBase>& recordFactory() const;
  const hydVDIArmaturen::CObjectFactory& valveFactory() const;

 private:
  CArmakonDllApp();
  ~CArmakonDllApp();

  std::filesystem::path moduleFile_;
  CTranslationModule* translationModule_ = nullptr;
};

}  // namespace armakon
