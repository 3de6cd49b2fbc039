#include "tools/armakon-gui/SizingPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/containers/ProjectFile.h"
#include "tools/armakon-gui/GuiText.h"

namespace armakon::gui {

namespace {

// The inputs of every search, by the option names the searches report missing inputs under.
constexpr std::pair<const char*, const char*> kInputs[] = {
    {"--kv", "kv-Wert [m³/h]"},
    {"--kv-max", "kv max [m³/h]"},
    {"--dn", "Nennweite DN"},
    {"--flow", "Volumenstrom [m³/h]"},
    {"--dp", "Differenzdruck [mbar]"},
    {"--setpoint", "Sollwert Differenzdruck [mbar]"},
    {"--share", "Anteil Heizkörper (0 bis 1)"},
    {"--kv-radiator", "kv Heizkörper [m³/h]"},
    {"--temperature", "Wassertemperatur [°C]"},
    {"--area", "Einsatzbereich (1 kalt, 2 warm)"},
    {"--pressure", "Druck [bar]"},
    {"--local", "Nur Eintrag Nr."},
    {"--group", "Gruppe"},
};

// What the result lines' keys say to the user.
constexpr std::pair<const char*, const char*> kCaptions[] = {
    {"model id", "Eintrag"},
    {"manufacturer", "Hersteller"},
    {"model", "Armatur"},
    {"DN", "Nennweite DN"},
    {"setting", "Einstellung"},
    {"settings", "Einstellungen"},
    {"flow setting", "Einstellung Durchfluss"},
    {"setting text", "Einstellungstext"},
    {"setting choice", "Gewählte Einstellung"},
    {"kv", "kv-Wert [m³/h]"},
    {"kv max", "kv max [m³/h]"},
    {"kvs", "kvs-Wert"},
    {"kv bypass", "kv Bypass [m³/h]"},
    {"kv radiator branch", "kv Heizkörperzweig [m³/h]"},
    {"radiator share", "Anteil Heizkörper"},
    {"setpoint", "Sollwert"},
    {"p-deviation", "P-Abweichung"},
    {"regulator temperature", "Reglertemperatur"},
    {"Qn", "Nenndurchfluss Qn"},
    {"flow range", "Durchflussbereich"},
    {"area of use", "Einsatzbereich"},
    {"pressure loss", "Druckverlust"},
    {"opening pressure", "Öffnungsdruck"},
    {"separator pressure", "Trenndruck"},
    {"outlet pressure", "Hinterdruck"},
    {"article number", "Artikelnummer"},
};

QString captionOf(const char* key) {
  for (const auto& [known, caption] : kCaptions) {
    if (std::strcmp(known, key) == 0) return uiText(caption);
  }
  return QString::fromUtf8(key);
}

// Whether the text names the option as a whole word ("--kv" is not named by "--kv-max").
bool names(const std::string& text, const std::string& option) {
  for (std::size_t at = text.find(option); at != std::string::npos; at = text.find(option, at + 1)) {
    const std::size_t end = at + option.size();
    if (end == text.size() || (text[end] != '-' && std::isalnum(static_cast<unsigned char>(text[end])) == 0)) {
      return true;
    }
  }
  return false;
}

// Every kind that has a search, once, in table order.
std::vector<enArmaturenTyp> sizeableKinds() {
  std::vector<enArmaturenTyp> kinds;
  for (std::span<const SizeSearch> table : sizeSearchTables()) {
    for (const SizeSearch& search : table) {
      if (std::find(kinds.begin(), kinds.end(), search.kind) == kinds.end()) kinds.push_back(search.kind);
    }
  }
  std::sort(kinds.begin(), kinds.end());
  return kinds;
}

}  // namespace

SizingPanel::SizingPanel(QWidget* parent) : QGroupBox(uiText("Dimensionierung"), parent) {
  auto* form = new QFormLayout;
  kind_ = new QComboBox;
  kind_->setObjectName("kind");
  for (enArmaturenTyp kind : sizeableKinds()) {
    kind_->addItem(toQt(getVentilName(kind)) + QString(" (%1)").arg(static_cast<int>(kind)), static_cast<int>(kind));
  }
  form->addRow(uiText("Armaturenart"), kind_);
  for (const auto& [option, label] : kInputs) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromUtf8(option + 2));
    form->addRow(uiText(label), edit);
    inputs_.push_back({option, label, edit});
  }
  fromOpen_ = new QCheckBox(uiText("Von offen her einstellen"));
  keepDim_ = new QCheckBox(uiText("Nur diese Nennweite"));
  form->addRow(QString(), fromOpen_);
  form->addRow(QString(), keepDim_);

  sizeButton_ = new QPushButton(uiText("Dimensionieren"));
  status_ = new QLabel;
  status_->setObjectName("status");
  status_->setWordWrap(true);
  result_ = new QTableWidget(0, 2);
  result_->setObjectName("result");
  result_->setHorizontalHeaderLabels({uiText("Größe"), uiText("Wert")});
  result_->verticalHeader()->hide();
  result_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  result_->horizontalHeader()->setStretchLastSection(true);
  result_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  // Rows as high as a line of text, and room for the longest report (nine lines and more).
  result_->verticalHeader()->setDefaultSectionSize(result_->fontMetrics().height() + 8);
  result_->setMinimumSize(420, 12 * (result_->fontMetrics().height() + 8));

  auto* inputs = new QVBoxLayout;
  inputs->addLayout(form);
  inputs->addWidget(sizeButton_, 0, Qt::AlignRight);
  inputs->addStretch(1);
  auto* results = new QVBoxLayout;
  results->addWidget(status_);
  results->addWidget(result_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(inputs, 1);
  layout->addLayout(results, 1);
  connect(sizeButton_, &QPushButton::clicked, this, [this] { size(); });
}

bool SizingPanel::setInput(const QString& option, const QString& text) {
  const QString name = option.startsWith("--") ? option : "--" + option;
  for (const Input& input : inputs_) {
    if (name == QString::fromUtf8(input.option)) {
      input.edit->setText(text);
      return true;
    }
  }
  if (name == "--from-open" || name == "--keep-dim") {
    (name == "--from-open" ? fromOpen_ : keepDim_)->setChecked(text.isEmpty() || text == "1");
    return true;
  }
  return false;
}

bool SizingPanel::selectKind(enArmaturenTyp kind) {
  const int index = kind_->findData(static_cast<int>(kind));
  if (index >= 0) kind_->setCurrentIndex(index);
  return index >= 0;
}

bool SizingPanel::readRequest(SizeRequest& request, ARMATUR& record, QString& problem) const {
  std::optional<double> kvMax;
  for (const Input& input : inputs_) {
    const QString text = input.edit->text().trimmed();
    if (text.isEmpty()) continue;
    const std::string option = input.option;
    if (option == "--group") {
      request.group = fromQt(text);
      continue;
    }
    // A decimal comma is what German users type.
    double value = 0.0;
    if (!parseDouble(fromQt(QString(text).replace(',', '.')), value) || !std::isfinite(value) || value < 0.0) {
      problem = uiText("Keine Zahl von mindestens 0 bei „%1“: %2").arg(uiText(input.label)).arg(text);
      return false;
    }
    if (option == "--kv") {
      request.kv = value;
      request.hasKv = true;
    } else if (option == "--kv-max") {
      kvMax = value;
    } else if (option == "--dn") {
      record.dimension = static_cast<int>(value);
    } else if (option == "--local") {
      record.modellId = static_cast<int>(value);
      request.local = record.modellId > 0;
    } else {
      static const std::pair<const char*, std::optional<double> SizeRequest::*> kOptional[] = {
          {"--flow", &SizeRequest::flow},         {"--dp", &SizeRequest::dp},
          {"--setpoint", &SizeRequest::setpoint}, {"--share", &SizeRequest::share},
          {"--kv-radiator", &SizeRequest::kvRadiator}, {"--temperature", &SizeRequest::temperature},
          {"--area", &SizeRequest::area},         {"--pressure", &SizeRequest::pressure}};
      for (const auto& [name, member] : kOptional) {
        if (option == name) request.*member = value;
      }
    }
  }
  request.kvMax = kvMax.value_or(request.kv);
  request.fromOpen = fromOpen_->isChecked();
  request.keepDim = keepDim_->isChecked();
  return true;
}

QString SizingPanel::missingLabels(const std::string& missing) const {
  QStringList labels;
  for (const Input& input : inputs_) {
    if (names(missing, input.option)) labels << uiText(input.label);
  }
  return labels.join(", ");
}

bool SizingPanel::size() {
  clearResult();
  const auto kind = static_cast<enArmaturenTyp>(kind_->currentData().toInt());
  SizeRequest request;
  ARMATUR record;
  QString problem;
  if (!readRequest(request, record, problem)) {
    showProblem(problem);
    return false;
  }
  const SizeSearch* search = findSizeSearch(kind, request);
  RnArmaturContainer* container = containerForKind(kind);
  if (search == nullptr || container == nullptr) return false;
  if (const std::string missing = search->missingInput ? search->missingInput(request) : ""; !missing.empty()) {
    showProblem(uiText("Für diese Suche fehlen Eingaben: %1").arg(missingLabels(missing)));
    return false;
  }
  if (request.local && !search->canLocal) {
    showProblem(uiText("Diese Armaturenart wird nur in der globalen Vorauswahl gesucht."));
    return false;
  }
  if (request.local && !hasSizeEntry(*container, record.modellId)) {
    showProblem(uiText("Das Projekt hat keinen Eintrag Nr. %1.").arg(record.modellId));
    return false;
  }
  const int entry = record.modellId;
  SizeLines lines;
  if (!runSizeSearch(*search, *container, kind, request, record, lines)) {
    showProblem(uiText("Keine passende Armatur gefunden."));
    return false;
  }
  showLines(lines);
  status_->setText(request.local ? uiText("Gewählt aus Eintrag Nr. %1.").arg(entry)
                                 : uiText("Gewählt aus der globalen Vorauswahl des Projekts."));
  return true;
}

void SizingPanel::clearResult() {
  result_->setRowCount(0);
  status_->clear();
}

void SizingPanel::showLines(const SizeLines& lines) {
  result_->setRowCount(static_cast<int>(lines.size()));
  for (int row = 0; row < result_->rowCount(); ++row) {
    const SizeLine& line = lines[static_cast<std::size_t>(row)];
    result_->setItem(row, 0, new QTableWidgetItem(captionOf(line.key)));
    result_->setItem(row, 1, new QTableWidgetItem(line.value.empty() ? QString("-") : toQt(line.value)));
  }
}

void SizingPanel::showProblem(const QString& text) { status_->setText(text); }

}  // namespace armakon::gui
