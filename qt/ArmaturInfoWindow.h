#pragma once
// The valve information dialog on screen (CArmaturInfoDlg): the model's header, the table of
// its variants, the curve of the chosen variant as a chart and "OK".

#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "qt/DialogWindow.h"

class QLabel;
class QTableWidget;

namespace armakon::qt {

class CurveChart;

class ArmaturInfoWindow : public DialogWindow {
 public:
  ArmaturInfoWindow(CArmaturInfoDlg& dialog, QWidget* parent);

  void refresh() override;

 private:
  CArmaturInfoDlg& dialog_;
  QTableWidget* variants_;
  QLabel* curveCaption_;
  CurveChart* chart_;
  bool refreshing_ = false;  // selection changes made by refresh are no user actions
};

}  // namespace armakon::qt
