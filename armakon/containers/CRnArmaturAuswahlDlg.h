#pragma once
// CRnArmaturAuswahlDlg: the container's management dialog, where the user maintains the
// global list ("Globale Vorauswahl", tab 0) and the local list ("Lokale Zuweisung", tab 1) of
// one valve container.
//
// The dialog works directly on the container's lists: adding, deleting and reordering take
// effect at once, whatever button closes the dialog. Each row shows one entry of the shown
// list, in list order, in four cells: the global flag, the model's texts (manufacturer,
// model type and executions, one per line), the kind name with the host's extra text, "-".
//
// Adding is offered per sheet as a pop-up of valve kinds (offers()); the valve model itself
// comes from the valve selection of the library entry. The dialog stands for its own window
// when it hands a parent to callbacks and to the dialogs it opens (window()).
//
// Choices made here: switching the tab clears the selection; the window title is
// "Armaturenauswahl"; the host's icon name is kept for the window that shows the dialog.

#include <string>
#include <vector>

#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/platform/ModalDialog.h"

namespace armakon {

class CRnArmaturAuswahlDlg : public ModalDialog {
 public:
  struct Inputs {
    std::string iconName;  // empty: no icons
    AssignCallback assign;
    GroupNameCallback groupName;
    EntryTextCallback text;
    HostCallback hostCallback;
    bool offerOnePipe = false;
    bool singleList = false;
    bool allowVdiFiles = false;
    bool featureOne = false;
    bool featureEight = false;
    bool extended = false;
  };

  // One item of the add pop-up: a kind with its text, or a separator (kind ARMATURENTYP_KEIN).
  struct Offer {
    enArmaturenTyp kind = ARMATURENTYP_KEIN;
    std::string text;
    bool isSeparator() const { return kind == ARMATURENTYP_KEIN; }
  };

  static constexpr int kColumnCount = 4;
  static constexpr int kGlobalTab = 0;
  static constexpr int kLocalTab = 1;

  CRnArmaturAuswahlDlg(RnArmaturContainer& container, Inputs inputs);

  std::string title() const override;
  const std::string& iconName() const { return inputs_.iconName; }
  WindowHandle window() { return this; }

  // --- what the controls show ---
  std::string tabText(int tab) const;
  int tab() const { return tab_; }
  bool tabSwitchVisible() const { return !inputs_.singleList; }
  bool extendedVisible() const { return container_.getBlatt() == 2 && !inputs_.singleList; }
  bool extended() const { return inputs_.extended; }
  int rowCount() const { return static_cast<int>(shownList().size()); }
  // Cell text; an index outside the rows or columns throws std::invalid_argument.
  std::string cell(int row, int column) const;
  int selectedRow() const { return selected_; }
  std::vector<Offer> offers() const;
  bool moveUpEnabled() const { return selected_ >= 1; }
  bool moveDownEnabled() const { return selected_ >= 0 && selected_ < rowCount() - 1; }
  bool deleteEnabled() const { return selected_ >= 0; }
  bool infoEnabled() const { return selected_ >= 0; }
  bool assignVisible() const { return tab_ == kLocalTab && !inputs_.singleList; }
  bool assignEnabled() const { return assignVisible() && selected_ >= 0; }
  bool addVdiFilesEnabled() const { return inputs_.allowVdiFiles; }

  // --- the user's actions ---
  // Ignored in singleList mode and for a tab other than 0 and 1.
  void chooseTab(int tab);
  // Ignored where the check box is hidden.
  void setExtended(bool extended);
  // -1 clears the selection; other rows outside the list are ignored.
  void selectRow(int row);
  // Adds an entry of the kind through the valve selection (what the offers lead to).
  void add(enArmaturenTyp kind);
  void moveUp();
  void moveDown();
  void deleteSelected();
  void showInformation();
  void assignInDrawing();
  void addVdiFiles();
  void ok() { endDialog(kDialogOk); }

 private:
  const ArmaturenModellListe& shownList() const;
  bool localShown() const { return tab_ == kLocalTab; }
  bool userAgreesToAdd(const ArmaturenModell& entry) const;
  void moveSelected(int step);

  RnArmaturContainer& container_;
  Inputs inputs_;
  int tab_ = kGlobalTab;
  int selected_ = -1;
};

}  // namespace armakon
