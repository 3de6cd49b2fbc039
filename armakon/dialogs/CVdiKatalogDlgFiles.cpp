// The valve catalog dialog's file commands: the check file ("Prüfung...") of the chosen
// document and adding a VDI 3805 file to the catalog data ("+ .vdi").

#include <ctime>

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReportFile.h"

namespace armakon {

void CVdiKatalogDlg::checkFile() {
  const CVDIDoc* document = chosenDocument();
  if (busy_ || document == nullptr) return;
  const std::string suggested = FormatText(Translate("Blatt %d - "), document->GetSheet()) +
                                manufacturerTexts_[static_cast<std::size_t>(manufacturer_)];
  const std::optional<std::string> path = ChooseReportFile(suggested);
  if (!path) return;

  StringList lines;
  BuildCheckFile(lines, *document, LocalNow());
  CMiniReportUtil::instance().clear();
  refreshReportState();
  if (!WriteCheckFile(lines, *path)) {
    platform().showError(Translate("Datei lässt sich nicht beschreiben."));
    return;
  }
  if (platform().askYesNo(Translate("Fertig. Datei öffnen?"), title()) == Answer::Yes) platform().openWithSystem(*path);
}

void CVdiKatalogDlg::addVdiFile() {
  if (!inputs_.mayAddFiles || busy_) return;
  CMiniReportUtil::instance().clear();
  refreshReportState();
  const bool oldFiles = (inputs_.features & kFeatureOldFiles) != 0 && inputs_.sheet != 17;
  FileDialogRequest request;
  request.title = Translate("Bitte eine VDI 3805 Datei öffnen");
  request.filter = Translate(oldFiles ? "VDI 3805 Dateien (*.VDI;*.TGA)|*.VDI;*.TGA|nur VDI 3805 Dateien ab 11.2001 "
                                        "(*.VDI)|*.VDI|nur VDI 3805 Dateien ab 08.1996 (*.TGA)|*.TGA|Alle Dateien "
                                        "(*.*)|*.*||"
                                      : "VDI 3805 Dateien ab 11.2001 (*.VDI)|*.VDI|Alle Dateien (*.*)|*.*||");
  request.defaultExtension = "VDI";
  request.multiSelect = false;
  const std::vector<std::string> files = platform().chooseFilesToOpen(request);
  if (files.empty()) return;
  if (!inputs_.data->AddFile(inputs_.sheet, files.front(), "", "", "", false)) return;
  inputs_.preselectedDocument = files.front();
  manufacturer_ = -1;
  manufacturerListOpen_ = false;
  fillManufacturers();
  startLoading();
}

}  // namespace armakon
