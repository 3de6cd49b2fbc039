#include "tools/armakon-gui/PumpPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "armakon/components/NumberText.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/pumps/hydPumpe.h"
#include "tools/armakon-gui/GuiText.h"

namespace armakon::gui {

namespace {

// The catalog keeps flows in m³/s and heads in Pa; the panel takes m³/h and mbar.
constexpr double kSecondsPerHour = 3600.0;
constexpr double kPascalPerMillibar = 100.0;

// A typed number (a decimal comma allowed); nothing for an empty or unreadable field.
std::optional<double> numberIn(const QLineEdit* edit) {
  double value = 0.0;
  if (!parseDouble(fromQt(edit->text().trimmed().replace(',', '.')), value) || value <= 0.0) return std::nullopt;
  return value;
}

}  // namespace

PumpPanel::PumpPanel(QWidget* parent) : QGroupBox(uiText("Pumpe"), parent) {
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(uiText("Volumenstrom [m³/h]")), 0, 1);
  grid->addWidget(new QLabel(uiText("Förderdruck [mbar]")), 0, 2);
  for (int point = 0; point < 2; ++point) {
    flow_[point] = new QLineEdit;
    head_[point] = new QLineEdit;
    flow_[point]->setObjectName(QString("pumpFlow%1").arg(point + 1));
    head_[point]->setObjectName(QString("pumpHead%1").arg(point + 1));
    grid->addWidget(new QLabel(uiText("Betriebspunkt %1").arg(point + 1)), point + 1, 0);
    grid->addWidget(flow_[point], point + 1, 1);
    grid->addWidget(head_[point], point + 1, 2);
  }
  auto* choose = new QPushButton(uiText("Pumpe wählen..."));
  chosenLabel_ = new QLabel(uiText("Keine Pumpe gewählt"));
  chosenLabel_->setObjectName("chosenPump");
  chosenLabel_->setWordWrap(true);
  grid->addWidget(chosenLabel_, 3, 0, 1, 2);
  grid->addWidget(choose, 3, 2);
  connect(choose, &QPushButton::clicked, this, [this] { choosePump(); });
}

void PumpPanel::choosePump() {
  Netzpunkt points[2];
  for (int point = 0; point < 2; ++point) {
    const std::optional<double> flow = numberIn(flow_[point]);
    const std::optional<double> head = numberIn(head_[point]);
    if (!flow || !head) continue;  // the second point is optional; an incomplete one is left out
    points[point].name = fromQt(uiText("Betriebspunkt %1").arg(point + 1));
    points[point].flow = *flow / kSecondsPerHour;
    points[point].head = *head * kPascalPerMillibar;
  }
  hydPumpe* chosen = nullptr;
  getArmakonInstance().selectPump(nullptr, true, false, chosen_, points[0], points[1], chosen, false);
  if (chosen == nullptr) return;
  chosen_ = chosen;
  chosenLabel_->setText(toQt(chosen->getManufacturerName() + " " + chosen->getSerialName() + " " + chosen->getName()));
}

void PumpPanel::forgetPump() {
  chosen_ = nullptr;
  chosenLabel_->setText(uiText("Keine Pumpe gewählt"));
}

}  // namespace armakon::gui
