#include "qt/VdiKatalogWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "armakon/components/Translation.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "qt/DropDownList.h"
#include "qt/PropertyFilterGrid.h"
#include "qt/VariantGrid.h"
#include "qt/WidgetTexts.h"

namespace armakon::qt {

namespace {

QLabel* caption(const char* text, QWidget* buddy) {
  auto* label = new QLabel(toQt(Translate(text)));
  label->setBuddy(buddy);
  return label;
}

void showState(QPushButton* button, const ButtonState& state) {
  button->setText(toQt(state.text));
  button->setEnabled(state.enabled);
}

// "Reports..." wears the icon of the worst entry in the report list.
QIcon reportIcon(int state) {
  switch (state) {
    case CMiniReportUtil::kStateErrors: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    case CMiniReportUtil::kStateHintsOnly: return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    default: return {};
  }
}

}  // namespace

VdiKatalogWindow::VdiKatalogWindow(CVdiKatalogDlg& dialog, QWidget* parent)
    : DialogWindow(dialog, parent),
      dialog_(dialog),
      manufacturers_(new DropDownList),
      kinds_(new DropDownList),
      types_(new DropDownList),
      models_(new QListWidget),
      picture_(new QLabel),
      variants_(new VariantGrid(dialog, [this](const std::function<void()>& action) { act(action); })),
      filter_(new PropertyFilterGrid(dialog, [this](const std::function<void()>& action) { act(action); })),
      progress_(new QProgressBar),
      status_(new QLabel) {
  const auto forward = [this](DropDownList* list, std::function<void(int)> choose) {
    connect(list, &QComboBox::activated, this, [this, choose](int index) { act([choose, index] { choose(index); }); });
  };
  forward(manufacturers_, [this](int index) { dialog_.chooseManufacturer(index); });
  forward(kinds_, [this](int index) { dialog_.chooseKind(index); });
  forward(types_, [this](int index) { dialog_.chooseType(index); });
  manufacturers_->closed = [this] {
    if (dialog_.manufacturerListOpen()) act([this] { dialog_.setManufacturerListOpen(false); });
  };
  manufacturers_->setMinimumContentsLength(40);
  // Names for the tests and the screenshots that drive the window.
  manufacturers_->setObjectName("manufacturers");
  kinds_->setObjectName("kinds");
  types_->setObjectName("types");
  models_->setObjectName("models");
  variants_->setObjectName("variants");
  filter_->setObjectName("filter");
  connect(models_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row != dialog_.chosenModel()) act([this, row] { dialog_.clickModel(row); });
  });
  models_->viewport()->installEventFilter(this);

  picture_->setFrameShape(QFrame::StyledPanel);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setMinimumHeight(160);
  progress_->setRange(0, 100);
  dialog_.loadTicked = [this] { refresh(); };

  auto* middle = new QSplitter(Qt::Horizontal);
  middle->addWidget(modelColumn());
  middle->addWidget(gridColumn());
  middle->setStretchFactor(1, 1);
  middle->setSizes({330, 850});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choiceRows());
  layout->addWidget(middle, 1);
  layout->addLayout(buttonRow());
  resize(1240, 720);
  manufacturers_->setFocus();
}

VdiKatalogWindow::~VdiKatalogWindow() { dialog_.loadTicked = nullptr; }

QLayout* VdiKatalogWindow::choiceRows() {
  auto* choice = new QGridLayout;
  choice->addWidget(caption("Hersteller", manufacturers_), 0, 0);
  choice->addWidget(manufacturers_, 0, 1, 1, 3);
  addFile_ = addButton(dialog_.addFileButton(), [this] { dialog_.addVdiFile(); });
  choice->addWidget(addFile_, 0, 4);
  choice->addWidget(caption("Armaturenart", kinds_), 1, 0);
  choice->addWidget(kinds_, 1, 1);
  choice->addWidget(caption("Armaturentyp", types_), 1, 2);
  choice->addWidget(types_, 1, 3, 1, 2);
  choice->setColumnStretch(1, 1);
  choice->setColumnStretch(3, 1);
  return choice;
}

QWidget* VdiKatalogWindow::modelColumn() {
  auto* side = new QWidget;
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(caption("Modelle/ Bezeichnung", models_));
  column->addWidget(models_, 1);
  column->addWidget(picture_);
  return side;
}

QWidget* VdiKatalogWindow::gridColumn() {
  auto* filterBox = new QWidget;
  auto* filterColumn = new QVBoxLayout(filterBox);
  filterColumn->setContentsMargins(0, 0, 0, 0);
  filterColumn->addWidget(caption("Varianten- und Zubehörfilter", filter_));
  filterColumn->addWidget(filter_);
  auto* side = new QSplitter(Qt::Vertical);
  side->addWidget(variants_);
  side->addWidget(filterBox);
  side->setSizes({380, 240});
  return side;
}

QLayout* VdiKatalogWindow::buttonRow() {
  auto* row = new QHBoxLayout;
  row->addWidget(progress_);
  row->addWidget(status_, 1);
  reports_ = addButton({Translate("Reports..."), true}, [this] { dialog_.showReports(); });
  check_ = addButton(dialog_.checkButton(), [this] { dialog_.checkFile(); });
  info_ = addButton(dialog_.infoButton(), [this] { dialog_.info(); });
  export_ = addButton(dialog_.exportButton(), [this] { dialog_.exportModel(); });
  for (QPushButton* button : {reports_, check_, info_, export_}) row->addWidget(button);
  row->addSpacing(16);
  row->addWidget(addButton(dialog_.okButton(), [this] { dialog_.ok(); }));
  row->addWidget(addButton({Translate("Abbrechen"), true}, [this] { reject(); }));
  return row;
}

QPushButton* VdiKatalogWindow::addButton(const ButtonState& state, const std::function<void()>& action) {
  auto* button = new QPushButton;
  showState(button, state);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, action] { act(action); });
  return button;
}

bool VdiKatalogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == models_->viewport() && event->type() == QEvent::MouseButtonPress) {
    const int row = models_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).row();
    if (row >= 0 && row == dialog_.chosenModel()) {
      act([this, row] { dialog_.clickModel(row); });
      return true;
    }
  }
  return DialogWindow::eventFilter(watched, event);
}

void VdiKatalogWindow::showEvent(QShowEvent* event) {
  DialogWindow::showEvent(event);
  QTimer::singleShot(0, this, [this] { refresh(); });
}

// The picture scaled into its box; without a picture file its name stands in for it.
void VdiKatalogWindow::showPicture() {
  std::pair<const CVDIDoc*, std::string> shown(dialog_.chosenDocument(), dialog_.pictureName());
  if (shown == shownPicture_) return;
  shownPicture_ = std::move(shown);
  const std::string& name = shownPicture_.second;
  const QPixmap picture(toQt(dialog_.picturePath()));
  if (picture.isNull()) {
    picture_->setPixmap({});
    picture_->setText(toQt(name));
  } else {
    picture_->setPixmap(picture.scaled(picture_->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  picture_->setToolTip(toQt(name));
}

void VdiKatalogWindow::refresh() {
  showLists();
  variants_->refresh();
  filter_->refresh();
  showPicture();
  progress_->setVisible(dialog_.progressVisible());
  progress_->setValue(dialog_.progressPercent());
  status_->setText(toQt(dialog_.statusText()));
  showButtons();
  if (dialog_.isBusy()) {
    setCursor(Qt::BusyCursor);
  } else {
    unsetCursor();
  }
}

void VdiKatalogWindow::showLists() {
  const QSignalBlocker quietModels(models_);
  setTexts(manufacturers_, toQt(dialog_.manufacturerTexts()));
  manufacturers_->setCurrentIndex(dialog_.chosenManufacturer());
  QStringList kindTexts;
  for (const KindEntry& kind : dialog_.kinds()) kindTexts << toQt(kind.text);
  setTexts(kinds_, kindTexts);
  kinds_->setCurrentIndex(dialog_.chosenKind());
  QStringList typeTexts;
  for (const TypeEntry& type : dialog_.types()) typeTexts << toQt(type.text);
  setTexts(types_, typeTexts);
  types_->setCurrentIndex(dialog_.chosenType());
  types_->setEnabled(dialog_.typeListEnabled());
  setTexts(models_, toQt(dialog_.modelTexts()));
  models_->setCurrentRow(dialog_.chosenModel());
  if (dialog_.chosenModel() < 0) models_->clearSelection();
  if (dialog_.manufacturerListOpen() && !manufacturers_->view()->isVisible() && isVisible()) {
    manufacturers_->showPopup();
  }
}

void VdiKatalogWindow::showButtons() {
  showState(addFile_, dialog_.addFileButton());
  showState(check_, dialog_.checkButton());
  showState(info_, dialog_.infoButton());
  showState(export_, dialog_.exportButton());
  reports_->setIcon(reportIcon(dialog_.reportState()));
}

}  // namespace armakon::qt
