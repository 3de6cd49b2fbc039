#include "qt/ZubehoerAuswahlWindow.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "armakon/components/Translation.h"
#include "qt/QtText.h"

namespace armakon::qt {

ZubehoerAuswahlWindow::ZubehoerAuswahlWindow(CZubehoerAuswahlDlg& dialog, QWidget* parent)
    : DialogWindow(dialog, parent), dialog_(dialog), list_(new QListWidget) {
  for (std::size_t i = 0; i < dialog.size(); ++i) {
    auto* item = new QListWidgetItem(toQt(dialog.text(i)), list_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  }
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    const auto index = static_cast<std::size_t>(list_->row(item));
    const bool chosen = item->checkState() == Qt::Checked;
    act([this, index, chosen] { dialog_.setChosen(index, chosen); });
  });

  auto* buttons = new QDialogButtonBox;
  auto* ok = buttons->addButton(toQt(Translate("OK")), QDialogButtonBox::AcceptRole);
  auto* cancel = buttons->addButton(toQt(Translate("Abbrechen")), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { act([this] { dialog_.ok(); }); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(420, 200);
}

void ZubehoerAuswahlWindow::refresh() {
  const QSignalBlocker quiet(list_);
  for (int row = 0; row < list_->count(); ++row) {
    list_->item(row)->setCheckState(dialog_.isChosen(static_cast<std::size_t>(row)) ? Qt::Checked : Qt::Unchecked);
  }
}

}  // namespace armakon::qt
