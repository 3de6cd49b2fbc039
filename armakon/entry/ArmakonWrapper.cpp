#include "armakon/entry/ArmakonWrapper.h"

#include <thread>
#include <utility>

#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "armakon/entry/CArmakonDllApp.h"
#include "armakon/entry/CSplitterDlg.h"
#include "armakon/entry/CatalogLoader.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/pumps/hydPumpenManager.h"
#include "armakon/vdi3805/VdiFileRead.h"

namespace armakon {

namespace {

constexpr const char* kCurrentEditionFilter =
    "VDI 3805 Dateien ab 11.2001 (*.VDI)|*.VDI|Alle Dateien (*.*)|*.*||";
constexpr const char* kBothEditionsFilter =
    "VDI 3805 Dateien (*.VDI;*.TGA)|*.VDI;*.TGA|nur VDI 3805 Dateien ab 11.2001 (*.VDI)|*.VDI|"
    "nur VDI 3805 Dateien ab 08.1996 (*.TGA)|*.TGA|Alle Dateien (*.*)|*.*||";

}  // namespace

ArmakonWrapper& getArmakonInstance() {
  CArmakonDllApp::instance();
  static ArmakonWrapper wrapper;
  return wrapper;
}

void ArmakonWrapper::setPollSleep(Sleep sleep) { sleep_ = std::move(sleep); }

int ArmakonWrapper::selectValveModel(WindowHandle parent, const std::vector<hydVDIArmaturen::en700ArmaturTyp>& types,
                                     hydVDIArmaturen::hydArmaturenModell* model, bool mayAddFiles, int sheet,
                                     HostCallback hostCallback) {
  const bool oldEdition = sheet == 2 && isFeatureEnabled(kFeatureOldEditionFiles);
  CatalogLoader& loader = CatalogLoader::instance();
  for (int polls = 0; !loader.prepareSheet(sheet, oldEdition); ++polls) {
    if (polls == kCatalogPolls) return kCatalogsNotReady;
    if (sleep_) {
      sleep_(kCatalogPollInterval);
    } else {
      std::this_thread::sleep_for(kCatalogPollInterval);
    }
  }
  ValveCatalogRequest request;
  request.parent = parent;
  request.types = types;
  request.model = model;
  request.mayAddFiles = mayAddFiles;
  request.sheet = sheet;
  request.features = features_.bits();
  request.lastDocument = lastDocument_;
  request.hostCallback = std::move(hostCallback);
  const int result = valveCatalogDialog().run(request);
  lastDocument_ = std::move(request.lastDocument);
  return result;
}

int ArmakonWrapper::showModelInfo(WindowHandle parent, const hydVDIArmaturen::hydArmaturenModell& model,
                                  int selection, double firstValue, double secondValue) {
  CArmaturInfoDlg dialog(model, selection, firstValue, secondValue);
  dialog.setParentWindow(parent);
  return showModal(dialog);
}

int ArmakonWrapper::showSplitterDialog(WindowHandle parent) {
  CSplitterDlg dialog;
  dialog.setParentWindow(parent);
  return showModal(dialog);
}

void ArmakonWrapper::loadPendingCatalogs() { CatalogLoader::instance().loadPending(); }

std::unique_ptr<hydVDIArmaturen::hydArmaturObject> ArmakonWrapper::createValveObject(const std::string& className) {
  return CArmakonDllApp::instance().valveFactory().createObject(className);
}

bool ArmakonWrapper::addVdiFiles(WindowHandle parent, int sheet) {
  FileDialogRequest choice;
  choice.filter = sheet == 2 && isFeatureEnabled(kFeatureOldEditionFiles) ? kBothEditionsFilter : kCurrentEditionFilter;
  choice.defaultExtension = "VDI";
  choice.multiSelect = true;
  bool added = false;
  for (const std::string& file : platform().chooseFilesToOpen(choice)) {
    if (!CheckVdiFile(file, sheet)) continue;
    CatalogFolderRequest request;
    request.parent = parent;
    request.vdiPath = file;
    request.sheet = sheet;
    if (catalogFolderDialog().run(request) == kDialogOk) added = true;
  }
  return added;
}

int ArmakonWrapper::selectPump(WindowHandle parent, bool auswahl, bool zuruecksetzen, hydPumpe* startPumpe,
                               Netzpunkt& netzpunkt1, Netzpunkt& netzpunkt2, hydPumpe*& chosen, bool debug) {
  return hydPumpenManager::instance()->katalogauswahl(parent, auswahl, zuruecksetzen, startPumpe, netzpunkt1,
                                                      netzpunkt2, chosen, debug);
}

}  // namespace armakon
