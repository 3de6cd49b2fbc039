#pragma once
// Which window shows which dialog: the dialog's class -> a function that builds the window
// bound to it.

#include <QDialog>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

#include "armakon/platform/ModalDialog.h"
#include "qt/DialogWindow.h"

namespace armakon::qt {

class DialogRegistry {
 public:
  using Builder = std::function<std::unique_ptr<DialogWindow>(ModalDialog&, QWidget* parent)>;

  // Window is a DialogWindow constructed from (Dialog&, QWidget*).
  template <class Dialog, class Window>
  void add() {
    builders_[typeid(Dialog)] = [](ModalDialog& dialog, QWidget* parent) {
      return std::make_unique<Window>(static_cast<Dialog&>(dialog), parent);
    };
  }

  // The window for the dialog's own class (not a base of it); null when none is known.
  std::unique_ptr<DialogWindow> build(ModalDialog& dialog, QWidget* parent) const;

 private:
  std::unordered_map<std::type_index, Builder> builders_;
};

// The windows of the library's dialogs.
void addLibraryDialogs(DialogRegistry& registry);

}  // namespace armakon::qt
