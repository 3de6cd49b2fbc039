#include "qt/ArmaturInfoWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/CurveChart.h"
#include "qt/QtText.h"

namespace armakon::qt {

ArmaturInfoWindow::ArmaturInfoWindow(CArmaturInfoDlg& dialog, QWidget* parent)
    : DialogWindow(dialog, parent), dialog_(dialog), variants_(new QTableWidget), curveCaption_(new QLabel),
      chart_(new CurveChart) {
  auto* header = new QFormLayout;
  for (const auto& line : dialog.headerLines()) {
    auto* value = new QLabel(toQt(line.value));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    header->addRow(toQt(line.label), value);
  }

  variants_->setColumnCount(CArmaturInfoDlg::kVariantColumnCount);
  variants_->setRowCount(dialog.variantCount());
  for (int column = 0; column < CArmaturInfoDlg::kVariantColumnCount; ++column) {
    variants_->setHorizontalHeaderItem(column, new QTableWidgetItem(toQt(dialog.variantColumnTitle(column))));
    for (int row = 0; row < dialog.variantCount(); ++row) {
      variants_->setItem(row, column, new QTableWidgetItem(toQt(dialog.variantCell(row, column))));
    }
  }
  variants_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  variants_->setSelectionBehavior(QAbstractItemView::SelectRows);
  variants_->setSelectionMode(QAbstractItemView::SingleSelection);
  variants_->verticalHeader()->hide();
  variants_->resizeColumnsToContents();
  variants_->horizontalHeader()->setStretchLastSection(true);
  // Up to six variants show without scrolling; the chart takes the room that is left.
  const int shownRows = std::min(std::max(dialog.variantCount(), 1), 6);
  variants_->setFixedHeight(variants_->horizontalHeader()->sizeHint().height() +
                            shownRows * variants_->verticalHeader()->defaultSectionSize() +
                            2 * variants_->frameWidth());

  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { act([this] { dialog_.ok(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(header);
  layout->addWidget(variants_);
  layout->addWidget(curveCaption_);
  layout->addWidget(chart_, 1);
  layout->addLayout(buttons);
  resize(640, 600);

  connect(variants_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (!refreshing_) act([this, row] { dialog_.chooseVariant(row); });
  });
}

void ArmaturInfoWindow::refresh() {
  refreshing_ = true;
  const int chosen = dialog_.chosenVariant();
  if (chosen >= 0) variants_->setCurrentCell(chosen, 0);
  curveCaption_->setText(toQt(dialog_.curveCaption()));
  std::vector<CurveChart::Point> points;
  for (const auto& point : dialog_.curvePoints()) points.emplace_back(toQt(point.setting), point.value);
  chart_->setCurve(std::move(points), toQt(dialog_.curveUnitX()), toQt(dialog_.curveUnitY()));
  refreshing_ = false;
}

}  // namespace armakon::qt
