#include "qt/PumpEditWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "armakon/components/Translation.h"
#include "qt/ListShow.h"
#include "qt/QtText.h"

namespace armakon::qt {

PumpEditWindow::PumpEditWindow(CPumpEditDlg& dialog, QWidget* parent) : DialogWindow(dialog, parent), dialog_(dialog) {
  auto* pumpe = new QFormLayout;
  for (const Feld feld : {Feld::Bezeichnung, Feld::ArtikelNr, Feld::Nennweite, Feld::PN, Feld::Spannung, Feld::TMin,
                          Feld::TMax, Feld::TMaxKurz, Feld::DpMin, Feld::DpMax, Feld::Produktbild, Feld::Datenblatt}) {
    addField(pumpe, feld);
  }
  regelungTyp_ = new QComboBox;
  for (const std::string& typ : CPumpEditDlg::getRegelungTypListe()) regelungTyp_->addItem(toQt(Translate(typ)));
  connect(regelungTyp_, &QComboBox::activated, this,
          [this](int index) { act([this, index] { dialog_.selectRegelungTyp(index); }); });
  pumpe->addRow(toQt(Translate(CPumpEditDlg::kRegelungTypLabel)), regelungTyp_);

  kennlinien_ = new QListWidget;
  kennlinien_->setMaximumHeight(110);
  connect(kennlinien_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) act([this, row] { dialog_.selectKennlinie(row); });
  });
  auto* kennlinie = new QFormLayout;
  kennlinie->addRow(toQt(Translate(CPumpEditDlg::kKennlinieLabel)), kennlinien_);
  for (const Feld feld : {Feld::KennlinieNr, Feld::Drehzahl, Feld::Qmin, Feld::Qmax}) addField(kennlinie, feld);

  grid_ = new QTableWidget(0, PumpEditGrid::kColumns);
  grid_->setObjectName(PumpEditGrid::kName);
  QStringList titles;
  for (int column = 0; column < PumpEditGrid::kColumns; ++column) {
    titles << toQt(Translate(PumpEditGrid::getColumnTitle(column)));
  }
  grid_->setHorizontalHeaderLabels(titles);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
  connect(grid_, &QTableWidget::itemChanged, this, &PumpEditWindow::editCell);
  const auto shortcut = [this](QKeySequence keys, void (PumpEditWindow::*action)()) {
    auto* s = new QShortcut(keys, grid_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(s, &QShortcut::activated, this, action);
  };
  shortcut(QKeySequence::Delete, &PumpEditWindow::deleteCurrentRow);
  shortcut(QKeySequence::Copy, &PumpEditWindow::copyRows);
  shortcut(QKeySequence::Paste, &PumpEditWindow::pasteRows);

  auto* rechts = new QVBoxLayout;
  rechts->addLayout(kennlinie);
  rechts->addWidget(grid_, 1);
  auto* felder = new QHBoxLayout;
  felder->addLayout(pumpe, 3);
  felder->addLayout(rechts, 2);

  auto* speichern = new QPushButton(toQt(Translate(CPumpEditDlg::kSpeichernText)));
  connect(speichern, &QPushButton::clicked, this, [this] { act([this] { dialog_.onSpeichern(); }); });
  auto* abbrechen = new QPushButton(toQt(Translate(CPumpEditDlg::kAbbrechenText)));
  connect(abbrechen, &QPushButton::clicked, this, &PumpEditWindow::reject);
  // Return only ends the entry in a field or cell; saving takes the button.
  speichern->setAutoDefault(false);
  abbrechen->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(speichern);
  buttons->addWidget(abbrechen);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(felder, 1);
  layout->addLayout(buttons);
  resize(960, 600);
}

void PumpEditWindow::addField(QFormLayout* form, Feld feld) {
  auto* edit = new QLineEdit;
  edit->setReadOnly(CPumpEditDlg::isReadOnly(feld));
  if (edit->isReadOnly()) {
    // Values taken from the curve look like the window, not like something to type into.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
  }
  fields_[static_cast<std::size_t>(feld)] = edit;
  form->addRow(toQt(Translate(CPumpEditDlg::getLabel(feld))), edit);
  if (edit->isReadOnly()) return;
  // Typing only holds the text; leaving the field takes it over into the pump.
  connect(edit, &QLineEdit::textEdited, this,
          [this, feld](const QString& text) { dialog_.setText(feld, fromQt(text)); });
  connect(edit, &QLineEdit::editingFinished, this, [this, feld] { act([this, feld] { dialog_.leaveField(feld); }); });
}

void PumpEditWindow::refresh() {
  for (int i = 0; i < CPumpEditDlg::kFelder; ++i) {
    const QString text = toQt(dialog_.getText(static_cast<Feld>(i)));
    QLineEdit* edit = fields_[static_cast<std::size_t>(i)];
    if (edit->text() != text) edit->setText(text);
  }
  {
    const QSignalBlocker quiet(regelungTyp_);
    regelungTyp_->setCurrentIndex(dialog_.getRegelungTypAuswahl());
  }
  showList(kennlinien_, dialog_.getKennlinienListe(), dialog_.getKennlinieAuswahl());
  showGrid();
}

void PumpEditWindow::showGrid() {
  const QSignalBlocker quiet(grid_);
  const PumpEditGrid& grid = dialog_.getGrid();
  const int rows = grid.getRowCount();
  // Below the pairs one empty row to append to; without a curve there is nothing to edit.
  const bool kurve = grid.getKennlinie() != nullptr;
  grid_->setRowCount(kurve ? rows + 1 : 0);
  QStringList numbers;
  for (int row = 1; row <= rows; ++row) numbers << QString::number(row);
  grid_->setVerticalHeaderLabels(numbers << QStringLiteral("*"));
  for (int row = 0; row < grid_->rowCount(); ++row) {
    for (int column = 0; column < PumpEditGrid::kColumns; ++column) {
      QTableWidgetItem* item = grid_->item(row, column);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->setItem(row, column, item);
      }
      item->setText(row < rows ? toQt(grid.getCellText(row, column)) : QString());
    }
  }
}

void PumpEditWindow::editCell(QTableWidgetItem* item) {
  const int row = item->row();
  const int column = item->column();
  const std::string text = fromQt(item->text().trimmed());
  act([this, row, column, text] {
    PumpEditGrid& grid = dialog_.getGrid();
    if (row == grid.getRowCount()) grid.appendRow();
    grid.setCellText(row, column, text);
  });
}

void PumpEditWindow::deleteCurrentRow() {
  const int row = grid_->currentRow();
  if (row < 0 || row >= dialog_.getGrid().getRowCount()) return;
  act([this, row] { dialog_.getGrid().deleteRow(row); });
}

void PumpEditWindow::copyRows() {
  std::set<int> rows;
  for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
    if (index.row() < dialog_.getGrid().getRowCount()) rows.insert(index.row());
  }
  QStringList lines;
  for (const int row : rows) lines << toQt(dialog_.getGrid().getRowText(row));
  if (!lines.isEmpty()) QApplication::clipboard()->setText(lines.join(u'\n'));
}

void PumpEditWindow::pasteRows() {
  const int first = std::max(0, grid_->currentRow());
  const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
  act([this, first, lines] {
    PumpEditGrid& grid = dialog_.getGrid();
    // Past the last pair each row is appended.
    int row = std::min(first, grid.getRowCount());
    for (const QString& line : lines) grid.setRowText(row++, fromQt(line.trimmed()));
  });
}

}  // namespace armakon::qt
