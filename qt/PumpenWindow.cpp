#include "qt/PumpenWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "armakon/components/Translation.h"
#include "qt/ListShow.h"
#include "qt/PumpChartWidget.h"
#include "qt/QtText.h"

namespace armakon::qt {

namespace {

constexpr QSize kBildSize(160, 120);

}  // namespace

PumpenWindow::PumpenWindow(CPumpenDlg& dialog, QWidget* parent) : DialogWindow(dialog, parent), dialog_(dialog) {
  auto* listen = new QVBoxLayout;
  hersteller_ = addList(listen, CPumpenDlg::kHerstellerLabel, &CPumpenDlg::selectHersteller);
  serien_ = addList(listen, CPumpenDlg::kSerieLabel, &CPumpenDlg::selectSerie);
  pumpen_ = addList(listen, CPumpenDlg::kPumpeLabel, &CPumpenDlg::selectPumpe);
  chart_ = new PumpChartWidget;
  auto* oben = new QHBoxLayout;
  oben->addLayout(listen, 0);
  oben->addWidget(chart_, 1);

  bild_ = new QLabel;
  bild_->setFixedSize(kBildSize);
  bild_->setAlignment(Qt::AlignCenter);
  bild_->setFrameShape(QFrame::StyledPanel);
  technischeDaten_ = new QLabel;
  technischeDaten_->setWordWrap(true);
  technischeDaten_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  technischeDaten_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  datenblatt_ = new QPushButton(toQt(Translate(CPumpenDlg::kDatenblattText)));
  connect(datenblatt_, &QPushButton::clicked, this, [this] { act([this] { dialog_.onDatenblatt(); }); });
  auto* produkt = new QHBoxLayout;
  produkt->addWidget(bild_, 0, Qt::AlignTop);
  produkt->addWidget(technischeDaten_, 1);
  produkt->addWidget(datenblatt_, 0, Qt::AlignTop);

  const auto button = [this](const std::string& text, void (CPumpenDlg::*action)()) {
    auto* b = new QPushButton(toQt(text));
    connect(b, &QPushButton::clicked, this, [this, action] { act([this, action] { (dialog_.*action)(); }); });
    return b;
  };
  debugEdit_ = button(CPumpenDlg::kDebugEditText, &CPumpenDlg::onDebugEdit);
  debugTest_ = button(CPumpenDlg::kDebugTestText, &CPumpenDlg::onDebugTest);
  zuruecksetzen_ = button(Translate(CPumpenDlg::kZuruecksetzenText), &CPumpenDlg::onZuruecksetzen);
  ok_ = button(dialog.getOkText(), &CPumpenDlg::onOK);
  ok_->setDefault(true);
  auto* abbrechen = new QPushButton(toQt(Translate(CPumpenDlg::kAbbrechenText)));
  connect(abbrechen, &QPushButton::clicked, this, &PumpenWindow::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(debugEdit_);
  buttons->addWidget(debugTest_);
  buttons->addStretch();
  buttons->addWidget(zuruecksetzen_);
  buttons->addWidget(ok_);
  buttons->addWidget(abbrechen);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben, 1);
  layout->addLayout(produkt);
  layout->addLayout(buttons);
  resize(1100, 720);
}

QListWidget* PumpenWindow::addList(QVBoxLayout* column, const char* heading, void (CPumpenDlg::*select)(int)) {
  auto* list = new QListWidget;
  list->setMinimumWidth(260);
  auto* label = new QLabel(toQt(Translate(heading)));
  label->setBuddy(list);
  column->addWidget(label);
  column->addWidget(list);
  connect(list, &QListWidget::currentRowChanged, this, [this, select](int row) {
    if (row >= 0) act([this, select, row] { (dialog_.*select)(row); });
  });
  return list;
}

void PumpenWindow::refresh() {
  setWindowTitle(toQt(dialog_.title()));
  showList(hersteller_, dialog_.getHerstellerListe(), dialog_.getHerstellerAuswahl());
  showList(serien_, dialog_.getSerienListe(), dialog_.getSerienAuswahl());
  showList(pumpen_, dialog_.getPumpenListe(), dialog_.getPumpenAuswahl());

  const QPixmap bild(toQt(dialog_.getProduktbild()));
  // Without a picture the technical data take the room.
  bild_->setVisible(!bild.isNull());
  bild_->setPixmap(bild.isNull() ? QPixmap() : bild.scaled(kBildSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  technischeDaten_->setText(toQt(dialog_.getTechnischeDaten()));
  datenblatt_->setEnabled(dialog_.isDatenblattEnabled());
  chart_->setChart(dialog_.getChart());

  ok_->setText(toQt(dialog_.getOkText()));
  ok_->setEnabled(dialog_.isOkEnabled());
  zuruecksetzen_->setVisible(dialog_.isZuruecksetzenVisible());
  debugEdit_->setVisible(dialog_.isDebugVisible());
  debugTest_->setVisible(dialog_.isDebugVisible());
}

}  // namespace armakon::qt
