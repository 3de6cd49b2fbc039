#include "armakon/dialogs/CZubehoerAuswahlDlg.h"

#include <stdexcept>
#include <utility>

#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"

namespace armakon {

CZubehoerAuswahlDlg::CZubehoerAuswahlDlg(std::string variantName,
                                         std::vector<hydVDIArmaturen::hydArmaturZubehoer> accessories,
                                         std::vector<bool> chosen)
    : variantName_(std::move(variantName)), accessories_(std::move(accessories)), chosen_(std::move(chosen)) {
  chosen_.resize(accessories_.size(), true);
}

std::string CZubehoerAuswahlDlg::title() const { return Translate("Zubehörauswahl") + " - " + variantName_; }

std::string CZubehoerAuswahlDlg::text(std::size_t index) const {
  if (index >= accessories_.size()) throw std::invalid_argument("CZubehoerAuswahlDlg: index out of range");
  const auto& accessory = accessories_[index];
  std::string line;
  if (accessory.getMenge() != 1.0f) line = formatC("%g", static_cast<double>(accessory.getMenge())) + " x ";
  line += accessory.getText1();
  if (!accessory.getText2().empty()) line += " (" + accessory.getText2() + ")";
  return line;
}

bool CZubehoerAuswahlDlg::isChosen(std::size_t index) const {
  if (index >= chosen_.size()) throw std::invalid_argument("CZubehoerAuswahlDlg: index out of range");
  return chosen_[index];
}

void CZubehoerAuswahlDlg::setChosen(std::size_t index, bool chosen) {
  if (index >= chosen_.size()) throw std::invalid_argument("CZubehoerAuswahlDlg: index out of range");
  chosen_[index] = chosen;
}

}  // namespace armakon
