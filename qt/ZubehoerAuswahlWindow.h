#pragma once
// The accessory choice of one variant on screen (CZubehoerAuswahlDlg): the accessories with
// their check boxes, "OK" and "Abbrechen".

#include "armakon/dialogs/CZubehoerAuswahlDlg.h"
#include "qt/DialogWindow.h"

class QListWidget;

namespace armakon::qt {

class ZubehoerAuswahlWindow : public DialogWindow {
 public:
  ZubehoerAuswahlWindow(CZubehoerAuswahlDlg& dialog, QWidget* parent);

  void refresh() override;

 private:
  CZubehoerAuswahlDlg& dialog_;
  QListWidget* list_;
};

}  // namespace armakon::qt
