#include "armakon/containers/CRnArmaturAuswahlDlg.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "armakon/components/Translation.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/platform/CurrentPlatform.h"

namespace armakon {

namespace {

constexpr enArmaturenTyp kOldGeneralDrinkingWaterKind = static_cast<enArmaturenTyp>(5555);
// A host feature that the host asks the dialog to switch on for drinking water; nothing in
// the library reads it.
constexpr std::uint32_t kHostFeatureEight = 8;

bool isGeneralKind(enArmaturenTyp kind) { return kind == HZ_ALLGEMEINE_ARMATUREN || kind == TW_ALLGEMEINE_ARMATUREN; }

}  // namespace

CRnArmaturAuswahlDlg::CRnArmaturAuswahlDlg(RnArmaturContainer& container, Inputs inputs)
    : container_(container), inputs_(std::move(inputs)) {
  if (inputs_.singleList) inputs_.extended = false;
}

std::string CRnArmaturAuswahlDlg::title() const { return Translate("Armaturenauswahl"); }

std::string CRnArmaturAuswahlDlg::tabText(int tab) const {
  return Translate(tab == kLocalTab ? "Lokale Zuweisung" : "Globale Vorauswahl");
}

const ArmaturenModellListe& CRnArmaturAuswahlDlg::shownList() const {
  return localShown() ? container_.getLocalList() : container_.getGlobalList();
}

std::string CRnArmaturAuswahlDlg::cell(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount) {
    throw std::invalid_argument("CRnArmaturAuswahlDlg::cell: no such cell");
  }
  const ArmaturenModell& entry = *shownList()[static_cast<std::size_t>(row)];
  switch (column) {
    case 0:
      return std::to_string(entry.getGlobal());
    case 1: {
      const hydVDIArmaturen::hydArmaturenModell& model = entry.getModell();
      return model.getManufacturer() + "\r\n" + model.getModelType() + "\r\n" + model.getAusfuehrung("\r\n");
    }
    case 2:
      return getVentilName(entry.getTyp()) + (inputs_.text ? inputs_.text(entry) : std::string());
    default:
      return "-";
  }
}

std::vector<CRnArmaturAuswahlDlg::Offer> CRnArmaturAuswahlDlg::offers() const {
  std::vector<Offer> offers;
  const auto offer = [&offers](enArmaturenTyp kind) { offers.push_back({kind, getVentilName(kind)}); };
  const auto separator = [&offers] { offers.push_back({}); };
  // The general valves form named groups; on the global tab the user assigns them in the
  // drawing, which their offer says.
  const auto offerGeneral = [&](enArmaturenTyp kind) {
    offer(kind);
    if (!localShown()) offers.back().text += " (" + Translate("in Zeichnung zuordnen") + ")";
  };
  if (container_.getBlatt() == 17) {
    offer(TW_STRANGREGULIERVENTIL);
    offer(TW_THERMOSTATISCHES_STRANGREGULIERVENTIL);
    separator();
    offer(TW_RUECKFLUSSVERHINDERER);
    offer(TW_ROHRTRENNER);
    if (localShown() && !inputs_.singleList) {
      separator();
      offer(TW_ENTNAHMEARMATUR);
    }
    separator();
    offer(TW_DRUCKREGLER);
    separator();
    offer(TW_WASSERZAEHLER);
    separator();
    offerGeneral(TW_ALLGEMEINE_ARMATUREN);
  } else if (container_.getBlatt() == 2) {
    offer(HZ_THERMOSTATVENTIL);
    offer(HZ_RUECKLAUFVERSCHRAUBUNG);
    if (inputs_.offerOnePipe) offer(HZ_EINROHRVERSCHRAUBUNG);
    separator();
    offer(HZ_STRANGREGULIERVENTIL_DROSSEL);
    offer(HZ_STRANGREGULIERVENTIL_ABSPERRUNG);
    separator();
    offer(HZ_DIFFERENZDRUCKREGLER);
    if (!inputs_.singleList) offer(HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER);
    offer(HZ_DIFFERENZDRUCKGEBER);
    separator();
    offer(HZ_DURCHFLUSSREGLER);
    if (localShown()) {
      separator();
      offer(HZ_DREIWEGE_MISCHARMATUR);
      offer(HZ_DREIWEGE_VERTEILARMATUR);
      offer(HZ_ZWEIWEGE_REGELARMATUR);
    }
    separator();
    offerGeneral(HZ_ALLGEMEINE_ARMATUREN);
  }
  return offers;
}

void CRnArmaturAuswahlDlg::chooseTab(int tab) {
  if (inputs_.singleList || (tab != kGlobalTab && tab != kLocalTab)) return;
  tab_ = tab;
  selected_ = -1;
}

void CRnArmaturAuswahlDlg::setExtended(bool extended) {
  if (extendedVisible()) inputs_.extended = extended;
}

void CRnArmaturAuswahlDlg::selectRow(int row) {
  if (row >= -1 && row < rowCount()) selected_ = row;
}

void CRnArmaturAuswahlDlg::add(enArmaturenTyp kind) {
  std::string group;
  if (!localShown() && isGeneralKind(kind)) {
    if (inputs_.groupName) group = inputs_.groupName(window());
    if (group.empty()) return;
  }
  const int sheet = container_.getBlatt();
  if (sheet == 17 && kind == kOldGeneralDrinkingWaterKind) kind = TW_ALLGEMEINE_ARMATUREN;

  ArmaturenModell entry;
  entry.setGlobal(localShown() ? 0 : 1);
  entry.setTyp(kind);
  entry.setGruppe(group);
  en700ArmaturTypListe filter;
  entry.getFilter_VDI3805(filter, inputs_.extended ? 1 : 0);

  ArmakonWrapper& wrapper = getArmakonInstance();
  std::uint32_t features = kFeatureOldEditionFiles;
  if (inputs_.featureOne) features |= kFeatureCheckButton;
  if (inputs_.featureEight && sheet != 2) features |= kHostFeatureEight;
  wrapper.enableFeatures(features, 0);
  const int result = wrapper.selectValveModel(window(), filter, &entry.getModell(), inputs_.allowVdiFiles, sheet,
                                              inputs_.hostCallback);
  if (result != kDialogOk || entry.bIsEmpty() || !userAgreesToAdd(entry)) return;
  const int position = container_.insertAt(selected_, entry);
  if (position >= 0) selected_ = position;
}

bool CRnArmaturAuswahlDlg::userAgreesToAdd(const ArmaturenModell& entry) const {
  if (!container_.hasEqualTypes(entry, true)) return true;
  const char* question =
      container_.hasEqualTypes(entry, false)
          ? "Es ist bereits eine identische Armaturenreihe vorhanden.\nSoll die Armaturengruppe hinzugefügt werden?"
          : "Es ist bereits eine ähnliche Armaturenreihe vorhanden.\nSoll die Armaturengruppe hinzugefügt werden?";
  return platform().askYesNoCancel(Translate(question), title()) == Answer::Yes;
}

void CRnArmaturAuswahlDlg::moveSelected(int step) {
  if (container_.swapEntries(localShown(), selected_, selected_ + step)) selected_ += step;
}

void CRnArmaturAuswahlDlg::moveUp() {
  if (moveUpEnabled()) moveSelected(-1);
}

void CRnArmaturAuswahlDlg::moveDown() {
  if (moveDownEnabled()) moveSelected(1);
}

void CRnArmaturAuswahlDlg::deleteSelected() {
  if (!deleteEnabled() || !container_.removeEntry(localShown(), selected_)) return;
  if (selected_ >= rowCount()) selected_ = rowCount() - 1;
}

void CRnArmaturAuswahlDlg::showInformation() {
  if (!infoEnabled()) return;
  const ArmaturenModell& entry = *shownList()[static_cast<std::size_t>(selected_)];
  getArmakonInstance().showModelInfo(window(), entry.getModell(), 0, 0.0, 0.0);
}

void CRnArmaturAuswahlDlg::assignInDrawing() {
  if (!assignEnabled() || !inputs_.assign) return;
  inputs_.assign(window(), *shownList()[static_cast<std::size_t>(selected_)]);
}

void CRnArmaturAuswahlDlg::addVdiFiles() {
  if (!addVdiFilesEnabled()) return;
  const int sheet = container_.getBlatt();
  ArmakonWrapper& wrapper = getArmakonInstance();
  if (sheet == 2) wrapper.enableFeatures(kFeatureOldEditionFiles, 0);
  wrapper.addVdiFiles(window(), sheet);
}

}  // namespace armakon
