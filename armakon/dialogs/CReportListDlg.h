#pragma once
// CReportListDlg: the report viewer ("Reportliste") over the entries of the report list.
//
// A tree whose root "Reportliste" holds one child per entry, its title without "\r\n", in
// list order; the root is expanded and the first child selected when the viewer opens.
// The read-only field "Detaillierte Reportbeschreibung" shows the stored detail of the
// selected entry (empty while the root or nothing is selected).
// Buttons: "Zeigen" shows the selected entry's detail as a message (the entry's title as
// caption), "Textdatei..." writes the whole list as a UTF-8 text file chosen in a save
// dialog (per entry "Fehler" or "Hinweis" with the code, then its detail line by line, then
// an empty line; the save dialog is the one of the check file, so an existing file is only
// replaced after the user agreed), "Zurück" closes the viewer with OK.
//
// ShowReportList is what CMiniReportUtil::show runs once InstallReportViewer has pointed
// the list at it; the list sets its seen flag afterwards.

#include <string>
#include <vector>

#include "armakon/platform/ModalDialog.h"
#include "armakon/vdi3805/CMiniReportUtil.h"

namespace armakon {

class CReportListDlg : public ModalDialog {
 public:
  // The caption is "Reportliste" or "Reportliste - name" (CMiniReportUtil::show forms it).
  CReportListDlg(std::vector<CMiniReportUtil::report> entries, std::string caption);

  std::string title() const override { return caption_; }
  void onOpen() override;

  // Tree: the root's text, the children's texts (titles without "\r\n").
  std::string rootText() const;
  const std::vector<std::string>& childTexts() const { return children_; }
  bool rootExpanded() const { return rootExpanded_; }
  // The selected child, -1 for the root or nothing.
  int selectedChild() const { return selected_; }
  // Selects a child (-1: the root); std::invalid_argument for an index past the children.
  void selectChild(int index);
  // "Detaillierte Reportbeschreibung": the selected entry's stored detail.
  std::string detailText() const;

  void zeigen();
  // "Textdatei...": false when the user cancels or the file cannot be written (a message
  // tells the latter).
  bool textdatei();
  void zurueck() { endDialog(kDialogOk); }

  // The text file's lines (see the file comment).
  std::vector<std::string> textFileLines() const;

 private:
  std::vector<CMiniReportUtil::report> entries_;
  std::vector<std::string> children_;
  std::string caption_;
  bool rootExpanded_ = false;
  int selected_ = -1;
};

// Shows the viewer for the list's entries (in list order) through showModal.
void ShowReportList(CMiniReportUtil& list, const std::string& caption);

// Points the program-wide report list's show at ShowReportList.
void InstallReportViewer();

}  // namespace armakon
