#pragma once
// Driving dialog windows like a user: wait for the next modal window or message box, find
// buttons by their text, click tree items. The waits poll every 10 ms and give up after two
// seconds, so a window that never came cannot be answered in a later test with this one's
// variables gone.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

namespace armakon::qttest {

constexpr int kPolls = 200;

struct SeenBox {
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Waits for the next message box and presses its button, noting what it showed.
inline void pressInNextBox(QMessageBox::StandardButton button, SeenBox* seen, int polls = kPolls) {
  QTimer::singleShot(10, [button, seen, polls] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      if (polls > 0) pressInNextBox(button, seen, polls - 1);
      return;
    }
    *seen = {box->text(), box->windowTitle(), box->icon()};
    box->button(button)->click();
  });
}

// Runs `user` on the dialog window once it is open.
inline void whenOpen(const std::function<void(QWidget*)>& user, int polls = kPolls) {
  QTimer::singleShot(10, [user, polls] {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr) {
      if (polls > 0) whenOpen(user, polls - 1);
      return;
    }
    user(window);
  });
}

// Runs `user` once a modal window of that class is open, also above another modal window.
template <class Window>
void whenOpenAs(const std::function<void(Window*)>& user, int polls = kPolls) {
  QTimer::singleShot(10, [user, polls] {
    auto* window = dynamic_cast<Window*>(QApplication::activeModalWidget());
    if (window == nullptr) {
      if (polls > 0) whenOpenAs<Window>(user, polls - 1);
      return;
    }
    user(window);
  });
}

// The control a label names (the field beside it in a form, the list under a heading).
template <class Control>
Control* labelled(QWidget* window, const QString& text) {
  for (auto* label : window->findChildren<QLabel*>()) {
    if (label->text() == text) return qobject_cast<Control*>(label->buddy());
  }
  return nullptr;
}

inline QPushButton* buttonNamed(QWidget* window, const QString& text) {
  for (auto* button : window->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

inline void clickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

inline void clickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

}  // namespace armakon::qttest
