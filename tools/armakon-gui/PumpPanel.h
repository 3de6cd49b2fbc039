#pragma once
// The pump panel: one or two operating points of the network (flow and head) and "Pumpe
// wählen...", which opens the pump choice of the program-wide pump catalog through the entry
// (selectPump); the chosen pump is shown below.

#include <QGroupBox>

class QLabel;
class QLineEdit;

namespace armakon {
class hydPumpe;
}

namespace armakon::gui {

class PumpPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit PumpPanel(QWidget* parent = nullptr);

  // The button's action: the pump choice for the operating points typed in.
  void choosePump();
  hydPumpe* chosenPump() const { return chosen_; }
  // Forgets the chosen pump: the pump catalog is read anew and the pump is gone with it.
  void forgetPump();

 private:
  QLineEdit* flow_[2];
  QLineEdit* head_[2];
  QLabel* chosenLabel_;
  hydPumpe* chosen_ = nullptr;  // belongs to the pump catalog
};

}  // namespace armakon::gui
