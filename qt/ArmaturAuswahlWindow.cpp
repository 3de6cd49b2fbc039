#include "qt/ArmaturAuswahlWindow.h"

#include <QCheckBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

#include "armakon/components/Translation.h"
#include "qt/QtText.h"

namespace armakon::qt {

ArmaturAuswahlWindow::ArmaturAuswahlWindow(CRnArmaturAuswahlDlg& dialog, QWidget* parent)
    : DialogWindow(dialog, parent), dialog_(dialog), tabs_(new QTabBar), rows_(new QTableWidget),
      extended_(new QCheckBox(toQt(Translate("Erweiterte Typauswahl")))) {
  if (!dialog.iconName().empty()) setWindowIcon(QIcon::fromTheme(toQt(dialog.iconName())));
  tabs_->addTab(toQt(dialog.tabText(CRnArmaturAuswahlDlg::kGlobalTab)));
  tabs_->addTab(toQt(dialog.tabText(CRnArmaturAuswahlDlg::kLocalTab)));
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);

  rows_->setColumnCount(CRnArmaturAuswahlDlg::kColumnCount);
  rows_->horizontalHeader()->hide();
  rows_->verticalHeader()->hide();
  rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
  rows_->setSelectionMode(QAbstractItemView::SingleSelection);
  rows_->setAlternatingRowColors(true);
  rows_->setWordWrap(false);
  // The kind name with the host's text takes the room left; the other cells keep their width.
  rows_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  rows_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  rows_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

  auto* side = new QVBoxLayout;
  const auto addButton = [&](const char* text, std::function<void()> action) {
    auto* button = new QPushButton(toQt(Translate(text)));
    side->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, action] { act(action); });
    return button;
  };
  add_ = new QPushButton(toQt(Translate("Hinzufügen...")));
  side->addWidget(add_);
  connect(add_, &QPushButton::clicked, this, &ArmaturAuswahlWindow::showOffers);
  moveUp_ = addButton("Nach oben", [this] { dialog_.moveUp(); });
  moveDown_ = addButton("Nach unten", [this] { dialog_.moveDown(); });
  delete_ = addButton("Löschen", [this] { dialog_.deleteSelected(); });
  info_ = addButton("Informationen...", [this] { dialog_.showInformation(); });
  assign_ = addButton("In Zeichnung zuordnen", [this] { dialog_.assignInDrawing(); });
  side->addStretch();
  addFiles_ = addButton("VDI 3805 Dateien...", [this] { dialog_.addVdiFiles(); });

  auto* list = new QHBoxLayout;
  list->addWidget(rows_, 1);
  list->addLayout(side);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(extended_);
  bottom->addStretch();
  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(toQt(Translate("Abbrechen")));
  bottom->addWidget(ok);
  bottom->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(list, 1);
  layout->addLayout(bottom);
  resize(760, 480);

  connect(ok, &QPushButton::clicked, this, [this] { act([this] { dialog_.ok(); }); });
  connect(cancel, &QPushButton::clicked, this, &ArmaturAuswahlWindow::reject);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
    if (!refreshing_) act([this, tab] { dialog_.chooseTab(tab); });
  });
  connect(rows_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (!refreshing_) act([this, row] { dialog_.selectRow(row); });
  });
  connect(extended_, &QCheckBox::clicked, this, [this](bool checked) {
    act([this, checked] { dialog_.setExtended(checked); });
  });
}

void ArmaturAuswahlWindow::showOffers() {
  QMenu menu(this);
  for (const auto& offer : dialog_.offers()) {
    if (offer.isSeparator()) {
      menu.addSeparator();
    } else {
      menu.addAction(toQt(offer.text))->setData(static_cast<int>(offer.kind));
    }
  }
  if (menu.isEmpty()) return;
  const QPoint pointer = QCursor::pos();
  const bool overButton = add_->rect().contains(add_->mapFromGlobal(pointer));
  QAction* chosen = menu.exec(overButton ? pointer : add_->mapToGlobal(add_->rect().center()));
  if (chosen == nullptr) return;
  const auto kind = static_cast<enArmaturenTyp>(chosen->data().toInt());
  act([this, kind] { dialog_.add(kind); });
}

void ArmaturAuswahlWindow::fillRows() {
  rows_->clearContents();
  rows_->setRowCount(dialog_.rowCount());
  for (int row = 0; row < dialog_.rowCount(); ++row) {
    for (int column = 0; column < CRnArmaturAuswahlDlg::kColumnCount; ++column) {
      auto* item = new QTableWidgetItem(toQt(dialog_.cell(row, column)));
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
      rows_->setItem(row, column, item);
    }
  }
}

void ArmaturAuswahlWindow::refresh() {
  refreshing_ = true;
  tabs_->setVisible(dialog_.tabSwitchVisible());
  tabs_->setCurrentIndex(dialog_.tab());
  fillRows();
  const int selected = dialog_.selectedRow();
  if (selected < 0) {
    rows_->setCurrentCell(-1, -1);
    rows_->clearSelection();
  } else {
    rows_->setCurrentCell(selected, 0);
  }
  extended_->setVisible(dialog_.extendedVisible());
  extended_->setChecked(dialog_.extended());
  moveUp_->setEnabled(dialog_.moveUpEnabled());
  moveDown_->setEnabled(dialog_.moveDownEnabled());
  delete_->setEnabled(dialog_.deleteEnabled());
  info_->setEnabled(dialog_.infoEnabled());
  assign_->setVisible(dialog_.assignVisible());
  assign_->setEnabled(dialog_.assignEnabled());
  addFiles_->setEnabled(dialog_.addVdiFilesEnabled());
  refreshing_ = false;
}

}  // namespace armakon::qt
