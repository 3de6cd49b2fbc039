#pragma once
// The assignment of a VDI 3805 file to a catalog folder on screen (CPathSpecDlg): the file's
// header data, the list of manufacturer libraries, the check box for the encoded copy,
// "Übernehmen" and "Abbrechen".

#include "armakon/dialogs/CPathSpecDlg.h"
#include "qt/DialogWindow.h"

class QCheckBox;
class QLabel;
class QListWidget;

namespace armakon::qt {

class PathSpecWindow : public DialogWindow {
 public:
  PathSpecWindow(CPathSpecDlg& dialog, QWidget* parent);

  void refresh() override;

 private:
  CPathSpecDlg& dialog_;
  QLabel* information_;
  QListWidget* libraries_;
  QCheckBox* encoded_;
};

}  // namespace armakon::qt
