#pragma once
// The sizing panel: a valve kind, the inputs of its search and the button "Dimensionieren";
// below, what the search chose (model, size, setting, setting text, kv and the values the
// kind's search adds). It runs the library's sizing rows (armakon/containers/SizeSearch.h)
// on the project's containers, as the tool's `size` does.

#include <QGroupBox>
#include <QString>
#include <vector>

#include "armakon/containers/SizeSearch.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace armakon::gui {

class SizingPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SizingPanel(QWidget* parent = nullptr);

  // The input named by its option ("--flow", without the dashes also): false for a name the
  // panel does not know.
  bool setInput(const QString& option, const QString& text);
  // Chooses the kind in the list; false when it cannot be sized.
  bool selectKind(enArmaturenTyp kind);
  // Runs the search with the inputs shown (the button's action); true when a valve was chosen.
  bool size();
  // Empties the result (a new project).
  void clearResult();

 private:
  struct Input {
    const char* option;
    const char* label;  // German, translated when shown
    QLineEdit* edit;
  };
  bool readRequest(SizeRequest& request, ARMATUR& record, QString& problem) const;
  QString missingLabels(const std::string& missing) const;
  void showLines(const SizeLines& lines);
  void showProblem(const QString& text);

  QComboBox* kind_;
  std::vector<Input> inputs_;
  QCheckBox* fromOpen_;
  QCheckBox* keepDim_;
  QPushButton* sizeButton_;
  QLabel* status_;
  QTableWidget* result_;
};

}  // namespace armakon::gui
