#include "qt/VariantGrid.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "qt/QtText.h"

namespace armakon::qt {

namespace {

constexpr int kAuswahl = static_cast<int>(VariantColumn::Auswahl);
constexpr int kXp = static_cast<int>(VariantColumn::Xp);
constexpr int kZubehoer = static_cast<int>(VariantColumn::Zubehoer);

}  // namespace

VariantGrid::VariantGrid(CVdiKatalogDlg& dialog, Act act)
    : QTableWidget(0, kVariantColumnCount), dialog_(dialog), act_(std::move(act)) {
  verticalHeader()->hide();
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setStretchLastSection(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) { itemEdited(item); });
}

QTableWidgetItem* VariantGrid::cellItem(int row, int column) {
  QTableWidgetItem* cell = item(row, column);
  if (cell == nullptr) {
    cell = new QTableWidgetItem;
    setItem(row, column, cell);
  }
  return cell;
}

void VariantGrid::refresh() {
  const QSignalBlocker quiet(this);  // what refresh writes are no user edits
  for (int column = 0; column < kVariantColumnCount; ++column) {
    const VariantColumnHeader header = dialog_.columnHeader(column);
    const std::string text = header.unit.empty() ? header.title : header.title + "\n" + header.unit;
    if (horizontalHeaderItem(column) == nullptr) setHorizontalHeaderItem(column, new QTableWidgetItem);
    horizontalHeaderItem(column)->setText(toQt(text));
    setColumnHidden(column, !dialog_.columnVisible(column));
  }
  rows_ = dialog_.shownRows();
  setRowCount(static_cast<int>(rows_.size()));
  for (int row = 0; row < rowCount(); ++row) showRow(row);
  fitColumns();
}

void VariantGrid::showRow(int row) {
  const int variant = rows_[static_cast<std::size_t>(row)];
  const VariantCells cells = dialog_.cells(variant);
  const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  for (int column = 0; column < kVariantColumnCount; ++column) {
    QTableWidgetItem* cell = cellItem(row, column);
    const VariantCell& content = cells[static_cast<std::size_t>(column)];
    cell->setToolTip(toQt(content.info));
    if (column == kAuswahl) {
      cell->setFlags(shown | Qt::ItemIsUserCheckable);
      cell->setCheckState(dialog_.variantRows()[static_cast<std::size_t>(variant)].selected ? Qt::Checked
                                                                                            : Qt::Unchecked);
      continue;
    }
    cell->setFlags(column == kXp && dialog_.xpEditable() ? shown | Qt::ItemIsEditable : shown);
    cell->setTextAlignment(column <= static_cast<int>(VariantColumn::Bestellnummer) ? Qt::AlignLeft | Qt::AlignVCenter
                                                                                      : Qt::AlignCenter);
    if (column != kZubehoer) {
      cell->setText(toQt(content.text));
    } else if (cellWidget(row, column) == nullptr) {
      auto* button = new QPushButton(toQt(content.text));
      connect(button, &QPushButton::clicked, this, [this, row] {
        const int chosen = rows_[static_cast<std::size_t>(row)];
        act_([this, chosen] { dialog_.chooseAccessories(chosen); });
      });
      setCellWidget(row, column, button);
    }
    if (QWidget* button = cellWidget(row, column)) button->setToolTip(toQt(content.info));
  }
}

// The dialog's widths are dialog units (a quarter of the font's average character width);
// a column is never narrower than its header or its widest cell.
void VariantGrid::fitColumns() {
  const int quarterCharacter = fontMetrics().averageCharWidth();
  for (int column = 0; column < kVariantColumnCount; ++column) {
    const int designed = dialog_.columnHeader(column).width * quarterCharacter / 4;
    const int needed = std::max(horizontalHeader()->sectionSizeHint(column), sizeHintForColumn(column));
    setColumnWidth(column, std::max(designed, needed));
  }
}

void VariantGrid::itemEdited(QTableWidgetItem* cell) {
  const int variant = rows_[static_cast<std::size_t>(cell->row())];
  if (cell->column() == kAuswahl) {
    const bool selected = cell->checkState() == Qt::Checked;
    act_([this, variant, selected] { dialog_.setSelected(variant, selected); });
  } else if (cell->column() == kXp) {
    const std::string text = fromQt(cell->text());
    act_([this, variant, text] { dialog_.setXpText(variant, text); });
  }
}

}  // namespace armakon::qt
