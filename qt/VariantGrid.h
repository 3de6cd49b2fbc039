#pragma once
// The variant grid of the valve catalog dialog: one row per variant the property filter lets
// through, the columns with their two header lines and visibility as the dialog gives them,
// the check box "Auswahl", the XP cell the user may edit, and the "..." button of the
// accessory choice. Every cell's longer text is its tooltip.

#include <QTableWidget>
#include <functional>
#include <vector>

#include "armakon/dialogs/CVdiKatalogDlg.h"

namespace armakon::qt {

class VariantGrid : public QTableWidget {
 public:
  // act runs a user action of the dialog and shows its outcome (DialogWindow::act).
  using Act = std::function<void(const std::function<void()>&)>;

  VariantGrid(CVdiKatalogDlg& dialog, Act act);

  void refresh();

 private:
  QTableWidgetItem* cellItem(int row, int column);
  void showRow(int row);
  void fitColumns();
  void itemEdited(QTableWidgetItem* item);

  CVdiKatalogDlg& dialog_;
  Act act_;
  std::vector<int> rows_;  // the dialog's row of each grid row
};

}  // namespace armakon::qt
