#pragma once
// The pump choice on screen (CPumpenDlg): the lists of manufacturers, series and pumps, the
// product image with the technical data, the data-sheet button, the chart of the selected
// pump with the network's operating points, and the buttons.

#include "armakon/pumps/CPumpenDlg.h"
#include "qt/DialogWindow.h"

class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace armakon::qt {

class PumpChartWidget;

class PumpenWindow : public DialogWindow {
 public:
  PumpenWindow(CPumpenDlg& dialog, QWidget* parent);

  void refresh() override;

 private:
  QListWidget* addList(QVBoxLayout* column, const char* heading, void (CPumpenDlg::*select)(int));

  CPumpenDlg& dialog_;
  QListWidget* hersteller_ = nullptr;
  QListWidget* serien_ = nullptr;
  QListWidget* pumpen_ = nullptr;
  QLabel* bild_ = nullptr;
  QLabel* technischeDaten_ = nullptr;
  QPushButton* datenblatt_ = nullptr;
  PumpChartWidget* chart_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* zuruecksetzen_ = nullptr;
  QPushButton* debugEdit_ = nullptr;
  QPushButton* debugTest_ = nullptr;
};

}  // namespace armakon::qt
