#pragma once
// Driving dialog windows like a user: wait for the next modal window or message box, find
// buttons by their text, click tree items. The waits poll every 10 ms and give up after two
// seconds, so a window that never came cannot be answered in a later test with this one's
// variables gone.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QListWidget>
#include <QTimer>
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

// Runs `user` on the next modal window opened above `below` (a dialog a window opens).
inline void whenOpenAbove(QWidget* below, const std::function<void(QWidget*)>& user, int polls = kPolls) {
  QTimer::singleShot(10, [below, user, polls] {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || window == below) {
      if (polls > 0) whenOpenAbove(below, user, polls - 1);
      return;
    }
    user(window);
  });
}

// Runs `user` on the next pop-up menu once it is open.
inline void whenMenuOpen(const std::function<void(QMenu*)>& user, int polls = kPolls) {
  QTimer::singleShot(10, [user, polls] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
      if (polls > 0) whenMenuOpen(user, polls - 1);
      return;
    }
    user(menu);
  });
}

// The texts of a menu's entries, "-" for a separator.
inline QStringList menuTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts;
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

inline void clickCell(QTableWidget* table, int row, int column) {
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(row, column)).center());
}

// Moves through the menu with the arrow keys to the entry with the text and presses Return;
// false (the menu left open) when no entry has it.
inline bool chooseByKeys(QMenu* menu, const QString& text) {
  for (int i = 0; i <= menu->actions().size(); ++i) {
    QTest::keyClick(menu, Qt::Key_Down);
    if (menu->activeAction() != nullptr && menu->activeAction()->text() == text) {
      QTest::keyClick(menu, Qt::Key_Return);
      return true;
    }
  }
  return false;
}

inline void clickEntry(QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions()) {
    if (action->text() == text) {
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
      return;
    }
  }
}

}  // namespace armakon::qttest
