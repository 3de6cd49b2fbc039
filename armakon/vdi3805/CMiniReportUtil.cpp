#include "armakon/vdi3805/CMiniReportUtil.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VDIRecords.h"

namespace armakon {

namespace {

constexpr int kLastErrorCode = 1000;

int clampCode(int code) { return std::clamp(code, 1, kLastErrorCode); }

// A field of the file header with its pilcrows ("¶", a line break inside a field) as
// line breaks.
std::string headerField(const CVDIBase* header, int n) {
  return hydStrUtil::Replace(GetFieldView(header, n), "\xC2\xB6", "\n");
}

// The manufacturer's contact from the header record (010) of the record's document.
void appendManufacturerInfo(std::string& detail, const CVDIBase* record) {
  const CVDIBase* document = DocumentRootOf(record);
  if (document == nullptr) return;
  const CVDIBase* header = nullptr;
  for (const auto& child : document->GetChildren()) {
    if (child->IsKindOf(VDIStruct_010::GetThisClass())) {
      header = child.get();
      break;
    }
  }
  if (header == nullptr) return;
  detail += "\n\n";
  detail += FormatText(Translate("Bei Fragen zu diesen Produktdaten wenden Sie sich bitte an den Hersteller (%s)."),
                       headerField(header, 4));
  const std::string webPage = headerField(header, 6);
  if (!webPage.empty()) {
    detail += '\n';
    detail += Translate("Webseite des Herstellers: ");
    detail += webPage;
  }
  const std::string comment = headerField(header, 7);
  if (!comment.empty()) {
    detail += '\n';
    detail += Translate("Kommentar des Herstellers in dieser VDI-Datei: ");
    detail += comment;
  }
}

}  // namespace

CMiniReportUtil& CMiniReportUtil::instance() {
  static CMiniReportUtil list;
  return list;
}

std::mutex& CMiniReportUtil::loadLock() {
  static std::mutex lock;
  return lock;
}

std::string CMiniReportUtil::buildDetail(std::string_view title, std::string_view detail,
                                         const CVDIBase* record) const {
  bool documentInfo = false;
  bool recordContext = false;
  {
    std::lock_guard<std::mutex> guard(lock_);
    documentInfo = includeDocumentInfo_;
    recordContext = includeRecordContext_;
  }
  std::string text(hydStrUtil::TrimView(detail));
  if (record != nullptr) {
    if (documentInfo) appendManufacturerInfo(text, record);
    if (recordContext) text = RecordPath(record) + "\n\n" + text;
  }
  if (text.empty()) return {};
  text = hydStrUtil::Replace(hydStrUtil::Replace(text, "\n", "\r\n"), "\r\r", "\r");
  std::string stored(hydStrUtil::TrimView(title));
  stored += ":\r\n\r\n";
  stored += text;
  return stored;
}

void CMiniReportUtil::insert(int code, std::string_view title, std::string_view detail,
                             const CVDIBase* record) {
  auto entry = std::make_unique<report>();
  entry->title = std::string(hydStrUtil::TrimView(title));
  entry->detail = buildDetail(title, detail, record);
  entry->code = code;
  std::lock_guard<std::mutex> guard(lock_);
  entries_.push_back(std::move(entry));
  seen_ = false;
}

void CMiniReportUtil::addError(int code, std::string_view title, std::string_view detail,
                               const CVDIBase* record) {
  insert(clampCode(code), title, detail, record);
}

void CMiniReportUtil::addHint(int code, std::string_view title, std::string_view detail,
                              const CVDIBase* record) {
  insert(clampCode(code) + kLastErrorCode, title, detail, record);
}

int CMiniReportUtil::state() const {
  std::lock_guard<std::mutex> guard(lock_);
  if (entries_.empty()) return kStateEmpty;
  const bool anyError = std::any_of(entries_.begin(), entries_.end(),
                                    [](const auto& e) { return e->code <= kLastErrorCode; });
  return anyError ? kStateErrors : kStateHintsOnly;
}

int CMiniReportUtil::errorCount() const {
  std::lock_guard<std::mutex> guard(lock_);
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                        [](const auto& e) { return e->code <= kLastErrorCode; }));
}

std::size_t CMiniReportUtil::size() const {
  std::lock_guard<std::mutex> guard(lock_);
  return entries_.size();
}

const CMiniReportUtil::report& CMiniReportUtil::entry(std::size_t index) const {
  std::lock_guard<std::mutex> guard(lock_);
  if (index >= entries_.size()) throw std::invalid_argument("CMiniReportUtil::entry: index out of range");
  return *entries_[index];
}

std::vector<CMiniReportUtil::report> CMiniReportUtil::entries() const {
  std::lock_guard<std::mutex> guard(lock_);
  std::vector<report> copy;
  copy.reserve(entries_.size());
  for (const auto& e : entries_) copy.push_back(*e);
  return copy;
}

void CMiniReportUtil::clear() {
  std::vector<std::unique_ptr<report>> old;
  {
    std::lock_guard<std::mutex> guard(lock_);
    old.swap(entries_);
    seen_ = true;
  }
}

void CMiniReportUtil::sort() {
  std::lock_guard<std::mutex> guard(lock_);
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const auto& a, const auto& b) { return a->code < b->code; });
}

void CMiniReportUtil::show(std::string_view name) {
  sort();
  std::string caption = Translate("Reportliste");
  if (!name.empty()) {
    caption += " - ";
    caption += name;
  }
  Viewer viewer;
  {
    std::lock_guard<std::mutex> guard(lock_);
    viewer = viewer_;
  }
  if (viewer) {
    viewer(*this, caption);
  } else {
    std::string text;
    for (const report& e : entries()) {
      if (!text.empty()) text += '\n';
      text += hydStrUtil::Replace(e.title, "\r\n", "");
    }
    platform().showInformation(text, caption);
  }
  setSeen(true);
}

void CMiniReportUtil::setViewer(Viewer viewer) {
  std::lock_guard<std::mutex> guard(lock_);
  viewer_ = std::move(viewer);
}

bool CMiniReportUtil::seen() const {
  std::lock_guard<std::mutex> guard(lock_);
  return seen_;
}

void CMiniReportUtil::setSeen(bool seen) {
  std::lock_guard<std::mutex> guard(lock_);
  seen_ = seen;
}

bool CMiniReportUtil::includeDocumentInfo() const {
  std::lock_guard<std::mutex> guard(lock_);
  return includeDocumentInfo_;
}

void CMiniReportUtil::setIncludeDocumentInfo(bool include) {
  std::lock_guard<std::mutex> guard(lock_);
  includeDocumentInfo_ = include;
}

bool CMiniReportUtil::includeRecordContext() const {
  std::lock_guard<std::mutex> guard(lock_);
  return includeRecordContext_;
}

void CMiniReportUtil::setIncludeRecordContext(bool include) {
  std::lock_guard<std::mutex> guard(lock_);
  includeRecordContext_ = include;
}

}  // namespace armakon
