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

inline QPushButton* buttonNamed(QWidget* window, const QString& text) {
  for (auto* button : window->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

inline void clickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

inline void clickItem(QListWidget* list, QListWidgetItem* item) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

}  // namespace armakon::qttest
