#pragma once
// The report viewer on screen (CReportListDlg): the tree of entries, the detail of the
// selected one, and the buttons "Zeigen", "Textdatei..." and "Zurück".

#include "armakon/dialogs/CReportListDlg.h"
#include "qt/DialogWindow.h"

class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace armakon::qt {

class ReportListWindow : public DialogWindow {
 public:
  ReportListWindow(CReportListDlg& dialog, QWidget* parent);

  void refresh() override;

 private:
  void selectItem(QTreeWidgetItem* item);

  CReportListDlg& dialog_;
  QTreeWidget* tree_;
  QPlainTextEdit* detail_;
  bool refreshing_ = false;  // selection changes made by refresh are no user actions
};

}  // namespace armakon::qt
