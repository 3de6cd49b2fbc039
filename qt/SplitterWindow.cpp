#include "qt/SplitterWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "armakon/components/Translation.h"
#include "qt/QtText.h"

namespace armakon::qt {

SplitterWindow::SplitterWindow(CSplitterDlg& dialog, QWidget* parent) : DialogWindow(dialog, parent) {
  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  buttons->addButton(toQt(Translate("Abbrechen")), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, [this, &dialog] { act([&dialog] { dialog.ok(); }); });
  connect(buttons, &QDialogButtonBox::rejected, this, &SplitterWindow::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buttons);
  setMinimumWidth(300);
}

}  // namespace armakon::qt
