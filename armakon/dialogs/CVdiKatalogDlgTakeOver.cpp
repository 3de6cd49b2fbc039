// The valve catalog dialog's conversions: taking the choice over (OK), "Info/Testen..." and
// the export of all rows.

#include <algorithm>
#include <memory>
#include <optional>

#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/components/TreeNode.h"
#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/ValveConversion.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturenModell;

namespace {

// The model's content as its tree text, to tell whether two models are the same.
std::string treeText(const hydArmaturenModell& model) {
  CNode node;
  std::string text;
  if (!model.write(&node) || !node.WriteToString(text)) return {};
  return text;
}

}  // namespace

int CVdiKatalogDlg::convertSelection(hydArmaturenModell& model, bool allRows) {
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  const CVDIDoc* document = chosenDocument();
  model.destroyAll();
  if (document != nullptr) model.setFilename(document->GetFileName());
  reports.clear();

  if (model_ < 0 || document == nullptr) {
    platform().showError(Translate("Fehler: keine Armatur/Modell gewählt."));
    return -1;
  }
  if (rows_.empty()) {
    platform().showError(Translate("Fehler: Modell enthält keine Ausführungen (Satz 800)."));
    return -1;
  }
  std::vector<const CVDIBase*> products;
  std::vector<double> wantedXp;
  std::vector<std::unique_ptr<hydArmatur>> sources;
  std::vector<const hydArmatur*> accessorySources;
  for (int index : shownRows()) {
    VariantRow& row = rows_[static_cast<std::size_t>(index)];
    if (!allRows && !row.selected) continue;
    resolveAccessories(row);
    auto source = std::make_unique<hydArmatur>();
    for (std::size_t i = 0; i < row.accessories.size(); ++i) {
      if (row.accessoryChosen[i]) source->addZubehoer(row.accessories[i]);
    }
    products.push_back(row.product);
    wantedXp.push_back(toDouble(row.xpText, 0.0));
    accessorySources.push_back(source.get());
    sources.push_back(std::move(source));
  }
  if (products.empty()) {
    platform().showError(Translate("Fehler: keine Armaturausführungen ausgewählt."));
    return 0;
  }
  return BuildModel(model, products, wantedXp, accessorySources);
}

void CVdiKatalogDlg::ok() {
  if (busy_ || !allLoaded()) return;
  if (inputs_.target == nullptr) {
    platform().showError(Translate("Internal Error"));
    return;
  }
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  hydArmaturenModell& target = *inputs_.target;
  const bool seen = reports.seen();
  const std::string kept = treeText(target);

  const int created = convertSelection(target, false);
  refreshReportState();
  if (created < 0) return;
  if (created < 1) {
    const bool noneSelected = std::none_of(rows_.begin(), rows_.end(), [](const VariantRow& r) { return r.selected; });
    platform().showError(Translate(noneSelected ? "Es wurden keine Armaturen ausgewählt."
                                                : "Aufgrund von Fehlern konnte keine Armatur erstellt werden.\nNähere "
                                                  "Informationen erhalten sie in den Reports."));
    return;
  }
  if (reports.state() == CMiniReportUtil::kStateErrors) {
    platform().showError(
        Translate("Es sind fehlerhafte Daten erkannt worden. Eine Übernahme ist nicht möglich.\n\nBitte Report beachten."));
    return;
  }
  if (reports.state() == CMiniReportUtil::kStateHintsOnly && (!seen || treeText(target) != kept)) {
    const Answer answer = platform().askYesNo(
        Translate("Es sind Hinweise zu dem Datensatz aufgetreten.\n\nMöchten Sie sich die Reports ansehen?"), title());
    if (answer == Answer::Yes) {
      reports.show();
      refreshReportState();
      return;
    }
  }
  reports.clear();
  refreshReportState();
  inputs_.preselectedDocument = chosenDocument()->GetFileName();
  endDialog(kDialogOk);
}

void CVdiKatalogDlg::info() {
  if (busy_ || !allLoaded() || manufacturerDocs_.empty()) {
    platform().showInformation(
        Translate("Es sind keine Hersteller geladen, oder der Ladevorgang ist nicht abgeschlossen. Bitte warten oder "
                  "laden sie mind. eine VDI-Datei."));
    return;
  }
  hydArmaturenModell model;
  const int created = convertSelection(model, false);
  refreshReportState();
  if (created > 0) {
    if (showModelInfo) showModelInfo(model);
  } else if (created == 0) {
    platform().showError(Translate(
        "Die gewählte Armatur konnte nicht erzeugt werden.\nFür nähere Informationen, beachten sie bitte die Reports."));
  }
}

void CVdiKatalogDlg::exportModel() {
  if (busy_ || !allLoaded()) return;
  hydArmaturenModell model;
  const int created = convertSelection(model, true);
  refreshReportState();
  if (created < 0) return;
  if (created == 0) {
    platform().showError(Translate("Fehler. Keine Armaturausführungen erzeugt."));
    return;
  }
  FileDialogRequest request;
  request.filter = Translate("Text Dateien (*.txt)|*.txt|Alle Dateien|*.*|");
  request.defaultExtension = "txt";
  request.initialName = model.getModelType() + ".txt";
  const std::optional<std::string> path = platform().chooseFileToSave(request);
  if (!path) return;
  if (!model.appendDataToFile(*path)) {
    platform().showError(Translate("Fehler. Falscher Armaturtyp? Datei schreibgeschützt?"));
  }
}

}  // namespace armakon
