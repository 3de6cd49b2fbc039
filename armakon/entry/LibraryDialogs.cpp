#include "armakon/entry/LibraryDialogs.h"

#include <utility>

#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "armakon/dialogs/CPathSpecDlg.h"
#include "armakon/dialogs/CReportListDlg.h"
#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/entry/DialogSlots.h"
#include "armakon/vdi3805/CVDIData.h"

namespace armakon {

namespace {

int runValveCatalog(ValveCatalogRequest& request) {
  CVdiKatalogDlg::Inputs inputs;
  inputs.data = &CVDIData::instance();
  inputs.target = request.model;
  for (const hydVDIArmaturen::en700ArmaturTyp type : request.types) inputs.typeFilter.push_back(static_cast<int>(type));
  inputs.sheet = request.sheet;
  inputs.mayAddFiles = request.mayAddFiles;
  inputs.preselectedDocument = request.lastDocument;
  inputs.features = request.features;
  CVdiKatalogDlg dialog(std::move(inputs));
  dialog.setParentWindow(request.parent);
  dialog.showModelInfo = [&dialog](const hydVDIArmaturen::hydArmaturenModell& model) {
    // The information dialog has no selection or values to show for a model under test.
    CArmaturInfoDlg info(model, 0, 0.0, 0.0);
    info.setParentWindow(dialog.parentWindow());
    showModal(info);
  };
  const int result = showModal(dialog);
  request.lastDocument = dialog.documentName();
  return result;
}

int runCatalogFolder(CatalogFolderRequest& request) {
  CPathSpecDlg dialog;
  dialog.setParentWindow(request.parent);
  dialog.vdiPath = request.vdiPath;
  dialog.blatt = request.sheet;
  const int result = showModal(dialog);
  if (result == kDialogOk) {
    request.vdiPath = dialog.vdiPath;
    request.catalogId = dialog.catalogId;
    request.mmdText = dialog.mmdText;
    request.logoPath = dialog.logoPath;
  }
  return result;
}

}  // namespace

void plugLibraryDialogs() {
  valveCatalogDialog().setRunner(&runValveCatalog);
  catalogFolderDialog().setRunner(&runCatalogFolder);
  InstallReportViewer();
}

}  // namespace armakon
