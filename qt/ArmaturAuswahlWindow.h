#pragma once
// The container dialog on screen (CRnArmaturAuswahlDlg): the tabs of the global and the local
// list, one row per entry with its multi-line cells, the buttons beside the list, the
// extended-filter check box and "OK"/"Abbrechen". "Hinzufügen..." opens the dialog's offers
// as a pop-up menu at the pointer (at the button's centre when the pointer is elsewhere, as
// after a key press).

#include "armakon/containers/CRnArmaturAuswahlDlg.h"
#include "qt/DialogWindow.h"

class QCheckBox;
class QPushButton;
class QTabBar;
class QTableWidget;

namespace armakon::qt {

class ArmaturAuswahlWindow : public DialogWindow {
 public:
  ArmaturAuswahlWindow(CRnArmaturAuswahlDlg& dialog, QWidget* parent);

  void refresh() override;

 private:
  void showOffers();
  void fillRows();

  CRnArmaturAuswahlDlg& dialog_;
  QTabBar* tabs_;
  QTableWidget* rows_;
  QCheckBox* extended_;
  QPushButton* add_ = nullptr;
  QPushButton* moveUp_ = nullptr;
  QPushButton* moveDown_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* info_ = nullptr;
  QPushButton* assign_ = nullptr;
  QPushButton* addFiles_ = nullptr;
  bool refreshing_ = false;  // changes made by refresh are no user actions
};

}  // namespace armakon::qt
