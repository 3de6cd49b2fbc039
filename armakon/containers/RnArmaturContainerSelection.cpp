#include <utility>

#include "armakon/containers/CRnArmaturAuswahlDlg.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/entry/ArmakonWrapper.h"

namespace armakon {

bool RnArmaturContainer::selectLocalArmatur(WindowHandle parent, enArmaturenTyp kind, ARMATUR& record, bool extended,
                                            const AddedCallback& added, const HostCallback& hostCallback) {
  ArmaturenModell entry;
  entry.setGlobal(0);
  entry.setTyp(kind);
  en700ArmaturTypListe filter;
  entry.getFilter_VDI3805(filter, extended ? 1 : 0);
  mapTo_VDI3805(kind, filter, extended ? 1 : 0);

  ArmakonWrapper& wrapper = getArmakonInstance();
  wrapper.enableFeatures(kFeatureOldEditionFiles, 0);
  const int result = wrapper.selectValveModel(parent, filter, &entry.getModell(), false, getBlatt(), hostCallback);
  if (result == kDialogOk && !entry.bIsEmpty() && !findEqualType(entry, false)) {
    if (append(entry) >= 0 && added) added();
  }
  if (entry.getId() <= 0) return false;
  record.modellId = entry.getId();
  record.einstellung = -1;
  record.auswahl = 1;
  return true;
}

int RnArmaturContainer::armaturenAuswahlDialog(WindowHandle parent, const std::string& iconName,
                                               const AssignCallback& assign, const GroupNameCallback& groupName,
                                               const EntryTextCallback& text, const HostCallback& hostCallback,
                                               int offerOnePipe, int singleList, int allowVdiFiles, int featureOne,
                                               int featureEight, int& extended) {
  if (singleList != 0) extended = 0;
  CRnArmaturAuswahlDlg::Inputs inputs;
  inputs.iconName = iconName;
  inputs.assign = assign;
  inputs.groupName = groupName;
  inputs.text = text;
  inputs.hostCallback = hostCallback;
  inputs.offerOnePipe = offerOnePipe != 0;
  inputs.singleList = singleList != 0;
  inputs.allowVdiFiles = allowVdiFiles != 0;
  inputs.featureOne = featureOne != 0;
  inputs.featureEight = featureEight != 0;
  inputs.extended = extended != 0;
  CRnArmaturAuswahlDlg dialog(*this, std::move(inputs));
  dialog.setParentWindow(parent);
  const int result = showModal(dialog);
  if (result == kDialogOk) extended = dialog.extended() ? 1 : 0;
  return result;
}

}  // namespace armakon
