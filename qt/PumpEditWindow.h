#pragma once
// The pump editor on screen (CPumpEditDlg): the pump's fields, its control type, the list of
// its curves with the selected curve's fields, and the grid "PUMPEDIT" of that curve's pairs.
//
// The grid shows one empty row below the pairs: typing into it appends a pair. The Delete
// key deletes the current row; Ctrl+C copies the selected rows as text and Ctrl+V writes
// copied rows from the current row on, so rows move between curves.

#include <array>

#include "armakon/pumps/CPumpEditDlg.h"
#include "qt/DialogWindow.h"

class QComboBox;
class QFormLayout;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QTableWidgetItem;

namespace armakon::qt {

class PumpEditWindow : public DialogWindow {
 public:
  PumpEditWindow(CPumpEditDlg& dialog, QWidget* parent);

  void refresh() override;

 private:
  using Feld = CPumpEditDlg::Feld;

  void addField(QFormLayout* form, Feld feld);
  void showGrid();
  void editCell(QTableWidgetItem* item);
  void deleteCurrentRow();
  void copyRows();
  void pasteRows();

  CPumpEditDlg& dialog_;
  std::array<QLineEdit*, CPumpEditDlg::kFelder> fields_{};
  QComboBox* regelungTyp_ = nullptr;
  QListWidget* kennlinien_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

}  // namespace armakon::qt
