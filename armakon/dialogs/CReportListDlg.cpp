#include "armakon/dialogs/CReportListDlg.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "armakon/components/Translation.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CheckReportFile.h"

namespace armakon {

CReportListDlg::CReportListDlg(std::vector<CMiniReportUtil::report> entries, std::string caption)
    : entries_(std::move(entries)), caption_(std::move(caption)) {
  children_.reserve(entries_.size());
  for (const auto& entry : entries_) children_.push_back(hydStrUtil::Replace(entry.title, "\r\n", ""));
}

void CReportListDlg::onOpen() {
  rootExpanded_ = true;
  selected_ = children_.empty() ? -1 : 0;
}

std::string CReportListDlg::rootText() const { return Translate("Reportliste"); }

void CReportListDlg::selectChild(int index) {
  if (index < -1 || index >= static_cast<int>(children_.size())) {
    throw std::invalid_argument("CReportListDlg::selectChild: index out of range");
  }
  selected_ = index;
}

std::string CReportListDlg::detailText() const {
  return selected_ < 0 ? std::string() : entries_[static_cast<std::size_t>(selected_)].detail;
}

void CReportListDlg::zeigen() {
  if (selected_ < 0) return;
  const auto& entry = entries_[static_cast<std::size_t>(selected_)];
  platform().showInformation(hydStrUtil::Replace(entry.detail, "\r\n", "\n"), children_[static_cast<std::size_t>(selected_)]);
}

std::vector<std::string> CReportListDlg::textFileLines() const {
  std::vector<std::string> lines;
  for (const auto& entry : entries_) {
    const bool error = entry.code <= 1000;
    lines.push_back(Translate(error ? "Fehler" : "Hinweis") + " " + std::to_string(entry.code));
    StringList detail;
    hydStrUtil::SplitLines(entry.detail.empty() ? entry.title : entry.detail, detail);
    lines.insert(lines.end(), detail.begin(), detail.end());
    lines.emplace_back();
  }
  return lines;
}

bool CReportListDlg::textdatei() {
  const std::optional<std::string> path = ChooseReportFile(Translate("Reportliste"));
  if (!path) return false;
  if (!hydStrUtil::writeStringlistToFile(textFileLines(), *path, kCodePageUtf8)) {
    platform().showError(Translate("Datei lässt sich nicht beschreiben."));
    return false;
  }
  return true;
}

void ShowReportList(CMiniReportUtil& list, const std::string& caption) {
  CReportListDlg viewer(list.entries(), caption);
  showModal(viewer);
}

void InstallReportViewer() { CMiniReportUtil::instance().setViewer(&ShowReportList); }

}  // namespace armakon
