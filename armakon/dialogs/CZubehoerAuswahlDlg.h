#pragma once
// CZubehoerAuswahlDlg: the accessory choice ("Zubehörauswahl") of one variant row of the
// valve catalog dialog: the variant's accessories, each with a check box. OK keeps the
// ticks; cancel leaves the choice the dialog was opened with.

#include <string>
#include <vector>

#include "armakon/platform/ModalDialog.h"
#include "armakon/model/hydArmaturZubehoer.h"

namespace armakon {

class CZubehoerAuswahlDlg : public ModalDialog {
 public:
  // The variant's name (for the title), its accessories and which of them are chosen
  // (one flag per accessory; missing flags count as chosen).
  CZubehoerAuswahlDlg(std::string variantName, std::vector<hydVDIArmaturen::hydArmaturZubehoer> accessories,
                      std::vector<bool> chosen);

  // "Zubehörauswahl - " and the variant's name.
  std::string title() const override;
  void onOpen() override {}

  std::size_t size() const { return accessories_.size(); }
  // The line of an accessory: its name, its article number in parentheses when it has one,
  // and the amount when it is not 1 ("2 x ...").
  std::string text(std::size_t index) const;
  bool isChosen(std::size_t index) const;
  // std::invalid_argument for an index past the list.
  void setChosen(std::size_t index, bool chosen);

  void ok() { endDialog(kDialogOk); }
  const std::vector<bool>& chosen() const { return chosen_; }

 private:
  std::string variantName_;
  std::vector<hydVDIArmaturen::hydArmaturZubehoer> accessories_;
  std::vector<bool> chosen_;
};

}  // namespace armakon
