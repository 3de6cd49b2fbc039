#pragma once
// A drop-down list that tells when its list closes, for dialogs that keep track of whether
// their list is open (the valve catalog drops the manufacturer list open while loading).

#include <QComboBox>
#include <functional>

namespace armakon::qt {

class DropDownList : public QComboBox {
 public:
  using QComboBox::QComboBox;

  // Called after the list has closed, by the user or by choosing an entry.
  std::function<void()> closed;

  void hidePopup() override {
    QComboBox::hidePopup();
    if (closed) closed();
  }
};

}  // namespace armakon::qt
