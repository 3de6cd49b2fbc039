#include "qt/PropertyFilterGrid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>

#include "armakon/components/Translation.h"
#include "qt/WidgetTexts.h"

namespace armakon::qt {

namespace {

constexpr int kBezeichnung = 2;

bool sameRows(const std::vector<PropertyFilterRow>& a, const std::vector<PropertyFilterRow>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.code == y.code && x.eigenschaft == y.eigenschaft && x.values == y.values;
  });
}

}  // namespace

PropertyFilterGrid::PropertyFilterGrid(CVdiKatalogDlg& dialog, Act act)
    : QTableWidget(0, 3), dialog_(dialog), act_(std::move(act)) {
  const std::pair<const char*, const char*> columns[] = {
      {"Satz-Nr.", "die VDI 3805 Satzart-Nummer"},
      {"Eigenschaft", "die Beschreibung, um welche Produkteigenschaft es sich handelt"},
      {"Bezeichnung", "die Bezeichnung der aktuellen Auswahl der jeweiligen Produkteigenschaft"},
  };
  for (int column = 0; column < 3; ++column) {
    auto* header = new QTableWidgetItem(toQt(Translate(columns[column].first)));
    header->setToolTip(toQt(Translate(columns[column].second)));
    setHorizontalHeaderItem(column, header);
  }
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  horizontalHeader()->setStretchLastSection(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
}

void PropertyFilterGrid::rebuild() {
  shown_ = dialog_.filter().rows();
  setRowCount(0);
  setRowCount(static_cast<int>(shown_.size()));
  for (int row = 0; row < rowCount(); ++row) {
    const PropertyFilterRow& property = shown_[static_cast<std::size_t>(row)];
    setItem(row, 0, new QTableWidgetItem(toQt(property.satzNr)));
    setItem(row, 1, new QTableWidgetItem(toQt(property.eigenschaft)));
    auto* values = new QComboBox;
    values->addItem(QString());  // every value passes
    values->addItems(toQt(property.values));
    connect(values, &QComboBox::activated, this,
            [this, row](int index) { act_([this, row, index] { dialog_.chooseFilterValue(row, index - 1); }); });
    setCellWidget(row, kBezeichnung, values);
  }
}

void PropertyFilterGrid::refresh() {
  if (!sameRows(shown_, dialog_.filter().rows())) rebuild();
  for (int row = 0; row < rowCount(); ++row) {
    auto* values = static_cast<QComboBox*>(cellWidget(row, kBezeichnung));
    const QSignalBlocker quiet(values);
    values->setCurrentIndex(dialog_.filter().rows()[static_cast<std::size_t>(row)].chosen + 1);
  }
}

}  // namespace armakon::qt
