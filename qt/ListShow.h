#pragma once
// Shows a dialog's list (entry texts and the selected entry, -1 for none) in a list widget.
// The entries are only replaced when they changed, so the list keeps its scroll position;
// what the window shows is no user action, so the widget's signals stay quiet meanwhile.

#include <QListWidget>
#include <QSignalBlocker>
#include <string>
#include <vector>

#include "qt/QtText.h"

namespace armakon::qt {

inline void showList(QListWidget* list, const std::vector<std::string>& entries, int selected) {
  const QSignalBlocker quiet(list);
  QStringList texts;
  for (const std::string& entry : entries) texts << toQt(entry);
  bool same = list->count() == texts.size();
  for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == texts[i];
  if (!same) {
    list->clear();
    list->addItems(texts);
  }
  list->setCurrentRow(selected);
  if (selected < 0) list->clearSelection();
}

}  // namespace armakon::qt
