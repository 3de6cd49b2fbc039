#pragma once
// Filling lists and drop-downs with the texts of a dialog. The entries are replaced only
// when the texts have changed, so that an open list, its scroll position and what the user
// is pointing at survive a refresh that changed nothing in them.

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <string>
#include <vector>

#include "qt/QtText.h"

namespace armakon::qt {

inline QStringList toQt(const std::vector<std::string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string& text : texts) list << toQt(text);
  return list;
}

inline void setTexts(QComboBox* box, const QStringList& texts) {
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
  if (shown == texts) return;
  box->clear();
  box->addItems(texts);
}

inline void setTexts(QListWidget* list, const QStringList& texts) {
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
  if (shown == texts) return;
  list->clear();
  list->addItems(texts);
}

}  // namespace armakon::qt
