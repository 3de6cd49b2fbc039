#include "qt/PathSpecWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "armakon/components/Translation.h"
#include "qt/WidgetTexts.h"

namespace armakon::qt {

PathSpecWindow::PathSpecWindow(CPathSpecDlg& dialog, QWidget* parent)
    : DialogWindow(dialog, parent),
      dialog_(dialog),
      information_(new QLabel),
      libraries_(new QListWidget),
      encoded_(new QCheckBox) {
  information_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  information_->setWordWrap(true);
  connect(libraries_, &QListWidget::currentRowChanged, this,
          [this](int row) { act([this, row] { dialog_.selectLibrary(row); }); });
  connect(encoded_, &QCheckBox::toggled, this,
          [this](bool checked) { act([this, checked] { dialog_.verschluesseln = checked; }); });

  auto* buttons = new QDialogButtonBox;
  auto* ok = buttons->addButton(toQt(Translate("Übernehmen")), QDialogButtonBox::AcceptRole);
  auto* cancel = buttons->addButton(toQt(Translate("Abbrechen")), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { act([this] { dialog_.ok(); }); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(information_);
  layout->addWidget(libraries_, 1);
  layout->addWidget(encoded_);
  layout->addWidget(buttons);
  resize(560, 400);
}

void PathSpecWindow::refresh() {
  const QSignalBlocker quietList(libraries_);
  const QSignalBlocker quietBox(encoded_);
  information_->setText(toQt(dialog_.informationText()));
  QStringList names;
  for (const CPathSpecDlg::Library& library : dialog_.libraries()) names << toQt(library.displayName);
  setTexts(libraries_, names);
  libraries_->setCurrentRow(dialog_.selectedLibrary());
  encoded_->setText(toQt(dialog_.checkBoxText()));
  encoded_->setVisible(dialog_.checkBoxVisible());
  encoded_->setChecked(dialog_.verschluesseln);
}

}  // namespace armakon::qt
