#include "qt/ArmaturInfoWindow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/QtText.h"

namespace armakon::qt {

ArmaturInfoWindow::ArmaturInfoWindow(CArmaturInfoDlg& dialog, QWidget* parent) : DialogWindow(dialog, parent) {
  auto* text = new QPlainTextEdit(toQt(dialog.text()));
  text->setReadOnly(true);
  // Curve nodes are columns of numbers; a fixed-width font keeps them aligned.
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this, &dialog] { act([&dialog] { dialog.ok(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(buttons);
  resize(600, 500);
}

}  // namespace armakon::qt
