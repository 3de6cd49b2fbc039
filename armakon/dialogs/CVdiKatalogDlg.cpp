#include "armakon/dialogs/CVdiKatalogDlg.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "armakon/components/FormatText.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/components/Translation.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/AccessoryReferences.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

CVdiKatalogDlg::CVdiKatalogDlg(Inputs inputs) : inputs_(std::move(inputs)) {
  if (inputs_.data == nullptr) throw std::invalid_argument("CVdiKatalogDlg: no catalog data");
}

CVdiKatalogDlg::~CVdiKatalogDlg() {
  if (timer_) timer_->stop();
  if (worker_.joinable()) worker_.join();
}

std::string CVdiKatalogDlg::title() const { return Translate("Armaturenreihe wählen"); }

void CVdiKatalogDlg::onOpen() {
  CVDIData& data = *inputs_.data;
  if (data.GetCount() > 0 && !allLoaded()) {
    startLoading();
  } else {
    finishLoading();
  }
}

// ---- Loading ----------------------------------------------------------------------------

bool CVdiKatalogDlg::allLoaded() const {
  return static_cast<std::size_t>(inputs_.data->GetLoadedCount()) == inputs_.data->GetCount();
}

void CVdiKatalogDlg::startLoading() {
  percent_ = 0;
  progressVisible_ = true;
  busy_ = true;
  workerDone_ = false;
  CVDIData* data = inputs_.data;
  const int sheet = inputs_.sheet;
  try {
    worker_ = std::thread([this, data, sheet] {
      data->LoadAll(false, sheet);
      workerDone_ = true;
    });
  } catch (const std::system_error&) {
    // No thread to be had: load here, the dialog simply appears once everything is loaded.
    data->LoadAll(false, sheet);
    finishLoading();
    return;
  }
  timer_ = platform().startTimer(kLoadTimerPeriod, [this] { onTimer(); });
}

void CVdiKatalogDlg::onTimer() {
  if (!busy_) return;
  const std::size_t count = inputs_.data->GetCount();
  const int loaded = inputs_.data->GetLoadedCount();
  percent_ = count == 0 ? 100 : static_cast<int>(static_cast<std::size_t>(loaded) * 100 / count);
  statusText_ = FormatText(Translate("Dateien laden: %i%%"), percent_);
  if (manufacturer_ < 0 && !manufacturerListOpen_) {
    if (manufacturerTexts_.size() != static_cast<std::size_t>(loaded)) fillManufacturers();
    if (loaded >= 1) manufacturerListOpen_ = true;
  }
  if (workerDone_) finishLoading();
  if (loadTicked) loadTicked();
}

void CVdiKatalogDlg::finishLoading() {
  if (timer_) timer_->stop();
  if (worker_.joinable()) worker_.join();
  busy_ = false;
  progressVisible_ = false;
  statusText_.clear();
  refreshReportState();
  fillManufacturers();
  // A manufacturer chosen while loading now shows its kinds.
  if (manufacturer_ >= 0) fillKinds();
  if (!manufacturerTexts_.empty() && manufacturer_ < 0 && !manufacturerListOpen_) manufacturerListOpen_ = true;
}

void CVdiKatalogDlg::refreshReportState() { reportState_ = CMiniReportUtil::instance().state(); }

// ---- Buttons ----------------------------------------------------------------------------

ButtonState CVdiKatalogDlg::okButton() const { return {Translate("Übernehmen"), true}; }
ButtonState CVdiKatalogDlg::infoButton() const { return {Translate("Info/Testen..."), true}; }
ButtonState CVdiKatalogDlg::checkButton() const {
  return {Translate("Prüfung..."), (inputs_.features & kFeatureCheckFile) != 0};
}
ButtonState CVdiKatalogDlg::exportButton() const {
  return {Translate("Export..."), (inputs_.features & kFeatureExport) != 0};
}
ButtonState CVdiKatalogDlg::addFileButton() const { return {Translate("+ .vdi"), inputs_.mayAddFiles}; }

// ---- Manufacturer, kind, type, model ------------------------------------------------------

void CVdiKatalogDlg::fillManufacturers() {
  const CVDIDoc* chosen = chosenDocument();
  manufacturerDocs_.clear();
  manufacturerTexts_.clear();
  const CVDIData& data = *inputs_.data;
  for (std::size_t i = 0; i < data.GetCount(); ++i) {
    const CVDIDoc* document = data.GetDocumentAt(i);
    if (!OffersDocument(*document, inputs_.sheet)) continue;
    manufacturerDocs_.push_back(document);
    manufacturerTexts_.push_back(ManufacturerText(*document));
  }
  manufacturer_ = -1;
  for (std::size_t i = 0; i < manufacturerDocs_.size(); ++i) {
    if (manufacturerDocs_[i] == chosen) manufacturer_ = static_cast<int>(i);
  }
  // The preselected document is chosen once everything is loaded (its records are read).
  if (manufacturer_ < 0 && !busy_ && !inputs_.preselectedDocument.empty()) {
    const CVDIDoc* wanted = data.FindDocument(inputs_.preselectedDocument);
    for (std::size_t i = 0; i < manufacturerDocs_.size(); ++i) {
      if (manufacturerDocs_[i] == wanted) {
        chooseManufacturer(static_cast<int>(i));
        return;
      }
    }
  }
  if (manufacturer_ < 0 || chosenDocument() != chosen) fillKinds();
}

const CVDIDoc* CVdiKatalogDlg::chosenDocument() const {
  return manufacturer_ < 0 ? nullptr : manufacturerDocs_[static_cast<std::size_t>(manufacturer_)];
}

void CVdiKatalogDlg::chooseManufacturer(int index) {
  if (index < -1 || index >= static_cast<int>(manufacturerDocs_.size())) {
    throw std::invalid_argument("CVdiKatalogDlg::chooseManufacturer: index out of range");
  }
  manufacturer_ = index;
  manufacturerListOpen_ = false;
  fillKinds();
}

void CVdiKatalogDlg::fillKinds() {
  const CVDIDoc* document = busy_ ? nullptr : chosenDocument();
  kinds_ = KindEntries(document, document != nullptr ? document->GetSheet() : inputs_.sheet, inputs_.typeFilter);
  kind_ = 0;
  fillTypes();
}

void CVdiKatalogDlg::chooseKind(int index) {
  if (index < 0 || index >= static_cast<int>(kinds_.size())) {
    throw std::invalid_argument("CVdiKatalogDlg::chooseKind: index out of range");
  }
  kind_ = index;
  fillTypes();
}

void CVdiKatalogDlg::fillTypes() {
  const CVDIDoc* document = busy_ ? nullptr : chosenDocument();
  types_ = TypeEntries(document, kinds_[static_cast<std::size_t>(kind_)].kind, inputs_.typeFilter);
  type_ = 0;
  fillModels();
}

void CVdiKatalogDlg::chooseType(int index) {
  if (index < 0 || index >= static_cast<int>(types_.size())) {
    throw std::invalid_argument("CVdiKatalogDlg::chooseType: index out of range");
  }
  type_ = index;
  fillModels();
}

void CVdiKatalogDlg::fillModels() {
  const CVDIDoc* document = busy_ ? nullptr : chosenDocument();
  models_.clear();
  if (document != nullptr && !NoMatchingKinds(kinds_)) {
    models_ = MatchingModels(*document, kinds_[static_cast<std::size_t>(kind_)].kind,
                             types_[static_cast<std::size_t>(type_)].type, inputs_.typeFilter);
  }
  model_ = -1;
  collectVariants();
}

std::vector<std::string> CVdiKatalogDlg::modelTexts() const {
  std::vector<std::string> texts;
  texts.reserve(models_.size());
  for (const CVDIBase* model : models_) texts.push_back(GetField(model, 4));
  return texts;
}

void CVdiKatalogDlg::clickModel(int index) {
  if (index < -1 || index >= static_cast<int>(models_.size())) {
    throw std::invalid_argument("CVdiKatalogDlg::clickModel: index out of range");
  }
  model_ = index == model_ ? -1 : index;
  CMiniReportUtil::instance().clear();
  collectVariants();
}

std::string CVdiKatalogDlg::pictureName() const {
  return model_ < 0 ? std::string() : GetField(models_[static_cast<std::size_t>(model_)], 6);
}

std::string CVdiKatalogDlg::picturePath() const {
  const std::string name = pictureName();
  const CVDIDoc* document = chosenDocument();
  if (name.empty() || document == nullptr) return {};
  std::error_code error;
  const auto folder = std::filesystem::path(document->GetPath()).parent_path();
  for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    if (hydStrUtil::EqualsNoCase(it->path().filename().string(), name) && it->is_regular_file(error)) return it->path().string();
  }
  return {};
}

// ---- Variants -----------------------------------------------------------------------------

void CVdiKatalogDlg::collectVariants() {
  rows_.clear();
  std::vector<const CVDIBase*> candidates;
  if (model_ >= 0) {
    CollectRecords(models_[static_cast<std::size_t>(model_)], vdifield::code::kProduct, candidates);
  } else {
    for (const CVDIBase* model : models_) CollectRecords(model, vdifield::code::kProduct, candidates);
  }
  filter_.build(candidates);
  if (model_ < 0) return;
  const int sheet = gridSheet();
  const int type = gridType();
  for (const CVDIBase* product : candidates) {
    VariantRow row;
    row.product = product;
    row.xpText = InitialXpText(product, sheet, type);
    rows_.push_back(std::move(row));
  }
}

int CVdiKatalogDlg::gridSheet() const {
  const CVDIDoc* document = chosenDocument();
  return document != nullptr ? document->GetSheet() : inputs_.sheet;
}

int CVdiKatalogDlg::gridType() const {
  return model_ < 0 ? 0 : ModelTypeNumber(models_[static_cast<std::size_t>(model_)]);
}

VariantColumnHeader CVdiKatalogDlg::columnHeader(int column) const {
  if (column < 0 || column >= kVariantColumnCount) throw std::invalid_argument("CVdiKatalogDlg: column out of range");
  return variantColumnHeader(static_cast<VariantColumn>(column), gridType());
}

bool CVdiKatalogDlg::columnVisible(int column) const {
  if (column < 0 || column >= kVariantColumnCount) throw std::invalid_argument("CVdiKatalogDlg: column out of range");
  return variantColumnVisible(static_cast<VariantColumn>(column), gridSheet(), gridType());
}

std::vector<int> CVdiKatalogDlg::shownRows() const {
  std::vector<int> shown;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (filter_.passes(rows_[i].product)) shown.push_back(static_cast<int>(i));
  }
  return shown;
}

void CVdiKatalogDlg::checkRow(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) throw std::invalid_argument("CVdiKatalogDlg: row out of range");
}

VariantCells CVdiKatalogDlg::cells(int row) const {
  checkRow(row);
  const VariantRow& variant = rows_[static_cast<std::size_t>(row)];
  std::vector<std::string> accessories;
  for (std::size_t i = 0; i < variant.accessories.size(); ++i) {
    if (variant.accessoryChosen[i]) accessories.push_back(variant.accessories[i].getText1());
  }
  VariantCells result = BuildVariantCells(variant.product, gridSheet(), gridType(), accessories);
  result[static_cast<int>(VariantColumn::Xp)].text = variant.xpText;
  return result;
}

void CVdiKatalogDlg::setSelected(int row, bool selected) {
  checkRow(row);
  rows_[static_cast<std::size_t>(row)].selected = selected;
}

bool CVdiKatalogDlg::xpEditable() const { return variantXpEditable(gridSheet(), gridType()); }

void CVdiKatalogDlg::setXpText(int row, const std::string& text) {
  checkRow(row);
  if (xpEditable()) rows_[static_cast<std::size_t>(row)].xpText = text;
}

void CVdiKatalogDlg::resolveAccessories(VariantRow& row) {
  if (row.accessoriesResolved) return;
  hydVDIArmaturen::hydArmatur source;
  GatherAccessories(row.product, source);
  row.accessories = source.getZubehoer();
  row.accessoryChosen.assign(row.accessories.size(), true);
  row.accessoriesResolved = true;
}

void CVdiKatalogDlg::chooseAccessories(int row) {
  checkRow(row);
  VariantRow& variant = rows_[static_cast<std::size_t>(row)];
  resolveAccessories(variant);
  CZubehoerAuswahlDlg choice(GetField(variant.product, 4), variant.accessories, variant.accessoryChosen);
  if (showModal(choice) == kDialogOk) variant.accessoryChosen = choice.chosen();
}

void CVdiKatalogDlg::chooseFilterValue(int row, int value) {
  if (row < 0) throw std::invalid_argument("CVdiKatalogDlg::chooseFilterValue: row out of range");
  filter_.choose(static_cast<std::size_t>(row), value);
}

void CVdiKatalogDlg::showReports() {
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  if (!reports.empty()) reports.show();
  refreshReportState();
}

}  // namespace armakon
