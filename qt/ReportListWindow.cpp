#include "qt/ReportListWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

#include "armakon/components/Translation.h"
#include "qt/QtText.h"

namespace armakon::qt {

ReportListWindow::ReportListWindow(CReportListDlg& dialog, QWidget* parent)
    : DialogWindow(dialog, parent), dialog_(dialog), tree_(new QTreeWidget), detail_(new QPlainTextEdit) {
  tree_->setHeaderHidden(true);
  auto* root = new QTreeWidgetItem(tree_, {toQt(dialog.rootText())});
  for (const std::string& child : dialog.childTexts()) new QTreeWidgetItem(root, {toQt(child)});
  detail_->setReadOnly(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  const auto addButton = [&](const char* text, std::function<void()> action) {
    auto* button = new QPushButton(toQt(Translate(text)));
    buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, action] { act(action); });
    return button;
  };
  addButton("Zeigen", [this] { dialog_.zeigen(); });
  addButton("Textdatei...", [this] { dialog_.textdatei(); });
  addButton("Zurück", [this] { dialog_.zurueck(); })->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_, 3);
  layout->addWidget(new QLabel(toQt(Translate("Detaillierte Reportbeschreibung"))));
  layout->addWidget(detail_, 2);
  layout->addLayout(buttons);
  resize(640, 480);

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!refreshing_) selectItem(item);
  });
}

void ReportListWindow::selectItem(QTreeWidgetItem* item) {
  QTreeWidgetItem* root = tree_->topLevelItem(0);
  const int index = item == nullptr || item == root ? -1 : root->indexOfChild(item);
  act([this, index] { dialog_.selectChild(index); });
}

void ReportListWindow::refresh() {
  refreshing_ = true;
  QTreeWidgetItem* root = tree_->topLevelItem(0);
  root->setExpanded(dialog_.rootExpanded());
  const int selected = dialog_.selectedChild();
  tree_->setCurrentItem(selected < 0 ? root : root->child(selected));
  detail_->setPlainText(toQt(dialog_.detailText()));
  refreshing_ = false;
}

}  // namespace armakon::qt
