#pragma once
// Driving dialog windows like a user: wait for the next modal window or message box, find
// buttons by their text, click tree items. The waits poll every 10 ms and give up after two
// seconds, so a window that never came cannot be answered in a later test with this one's
// variables gone.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
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

// Polls for the widget `find` gives, then runs `user` on it.
template <class Widget>
void whenFound(std::function<Widget*()> find, std::function<void(Widget*)> user, int polls = kPolls) {
  QTimer::singleShot(10, [find, user, polls] {
    Widget* widget = find();
    if (widget == nullptr) {
      if (polls > 0) whenFound<Widget>(find, user, polls - 1);
      return;
    }
    user(widget);
  });
}

// Waits for the next message box and presses its button, noting what it showed.
inline void pressInNextBox(QMessageBox::StandardButton button, SeenBox* seen) {
  whenFound<QMessageBox>([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                         [button, seen](QMessageBox* box) {
                           *seen = {box->text(), box->windowTitle(), box->icon()};
                           box->button(button)->click();
                         });
}

// Runs `user` on the dialog window once it is open.
inline void whenOpen(const std::function<void(QWidget*)>& user) {
  whenFound<QWidget>([] { return QApplication::activeModalWidget(); }, user);
}

// Runs `user` on the next modal window opened above `below` (a dialog a window opens).
inline void whenOpenAbove(QWidget* below, const std::function<void(QWidget*)>& user) {
  whenFound<QWidget>(
      [below] {
        QWidget* window = QApplication::activeModalWidget();
        return window == below ? nullptr : window;
      },
      user);
}

// Runs `user` once a modal window of that class is open, also above another modal window.
template <class Window>
void whenOpenAs(const std::function<void(Window*)>& user) {
  whenFound<Window>([] { return dynamic_cast<Window*>(QApplication::activeModalWidget()); }, user);
}

// Runs `user` on the next pop-up menu once it is open.
inline void whenMenuOpen(const std::function<void(QMenu*)>& user) {
  whenFound<QMenu>([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, user);
}

// The texts of a menu's entries, "-" for a separator.
inline QStringList menuTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts;
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
