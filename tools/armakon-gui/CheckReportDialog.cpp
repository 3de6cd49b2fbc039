#include "tools/armakon-gui/CheckReportDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "armakon/components/FormatText.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "tools/armakon-gui/GuiText.h"

namespace armakon::gui {

CheckReportDialog::CheckReportDialog(const QString& fileName, StringList lines, QWidget* parent)
    : QDialog(parent), lines_(std::move(lines)) {
  setWindowTitle(uiText("Prüfbericht %1").arg(fileName));
  auto* text = new QPlainTextEdit(toQt(CheckFileText(lines_)));
  text->setObjectName("report");
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* buttons = new QDialogButtonBox;
  QPushButton* save = buttons->addButton(uiText("Speichern..."), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton(uiText("Schließen"), QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(buttons);
  connect(save, &QPushButton::clicked, this, [this] { this->save(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  resize(900, 650);
}

void CheckReportDialog::save() {
  FileDialogRequest request;
  request.title = fromQt(uiText("Prüfbericht speichern"));
  request.filter = fromQt(uiText("Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*|"));
  request.defaultExtension = "txt";
  if (const std::optional<std::string> path = platform().chooseFileToSave(request)) saveTo(toQt(*path));
}

bool CheckReportDialog::saveTo(const QString& path) {
  if (WriteCheckFile(lines_, fromQt(path))) return true;
  const std::string text =
      FormatText(Translate("Der Prüfbericht kann nicht nach %s geschrieben werden."), {fromQt(path)});
  platform().showMessage(MessageKind::Error, text, Translate("Prüfbericht"));
  return false;
}

}  // namespace armakon::gui
