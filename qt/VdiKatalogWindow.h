#pragma once
// The valve catalog dialog on screen (CVdiKatalogDlg): manufacturer, valve kind and type in
// drop-downs, the models in a list with the model's picture below, the variant grid and the
// variant and accessory filter, the loading progress, and the buttons "Reports..." (its icon
// shows whether the report list holds errors or hints), "Prüfung...", "Info/Testen...",
// export, "Übernehmen" and "Abbrechen".

#include <string>
#include <utility>

#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "qt/DialogWindow.h"

class QLabel;
class QLayout;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace armakon::qt {

class DropDownList;
class PropertyFilterGrid;
class VariantGrid;

class VdiKatalogWindow : public DialogWindow {
 public:
  VdiKatalogWindow(CVdiKatalogDlg& dialog, QWidget* parent);
  ~VdiKatalogWindow() override;

  void refresh() override;

 protected:
  // A click on the chosen model deselects it; the list itself would keep it.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The manufacturer list the dialog holds open drops open once the window is on screen.
  void showEvent(QShowEvent* event) override;

 private:
  QLayout* choiceRows();
  QWidget* modelColumn();
  QWidget* gridColumn();
  QLayout* buttonRow();
  QPushButton* addButton(const ButtonState& state, const std::function<void()>& action);
  void showLists();
  void showButtons();
  void showPicture();

  CVdiKatalogDlg& dialog_;
  DropDownList* manufacturers_;
  DropDownList* kinds_;
  DropDownList* types_;
  QListWidget* models_;
  QLabel* picture_;
  // The document and picture name shown: a refresh follows every action, the picture's
  // folder is searched and its file read only when the model's picture changes.
  std::pair<const CVDIDoc*, std::string> shownPicture_;
  VariantGrid* variants_;
  PropertyFilterGrid* filter_;
  QProgressBar* progress_;
  QLabel* status_;
  QPushButton* addFile_;
  QPushButton* reports_;
  QPushButton* check_;
  QPushButton* info_;
  QPushButton* export_;
};

}  // namespace armakon::qt
