#include "armakon/vdi3805/CheckReportFile.h"

#include <unistd.h>

#include <system_error>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/VDIRecords.h"

namespace armakon {

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr) local = std::tm{};
  return local;
}

namespace fs = std::filesystem;

StringList ManufacturerInformation(const CVDIDoc& document) {
  const CVDIBase* header = nullptr;
  for (const auto& child : document.GetChildren()) {
    if (child->IsKindOf(VDIStruct_010::GetThisClass())) {
      header = child.get();
      break;
    }
  }
  StringList lines;
  if (header == nullptr) return lines;
  // The report list words the manufacturer's contact for its entries; a list of our own,
  // with document info on and no record context, gives exactly that text for an empty
  // detail: "title:\r\n\r\n" followed by the contact.
  CMiniReportUtil wording;
  wording.setIncludeDocumentInfo(true);
  wording.setIncludeRecordContext(false);
  const std::string stored = wording.buildDetail({}, {}, header);
  std::string_view contact = stored;
  if (!contact.empty() && contact.front() == ':') contact.remove_prefix(1);
  contact = hydStrUtil::TrimView(contact);
  if (!contact.empty()) hydStrUtil::SplitLines(contact, lines);
  return lines;
}

void AppendCheckFileHeader(StringList& lines, const CVDIDoc& document, const std::tm& localTime) {
  lines.push_back(FormatText(Translate("Erstelldatum dieses Dokumentes: 1!%d.2!%d.3!%d, 4!%dh5!%dLT"),
                             {localTime.tm_mday, localTime.tm_mon + 1, localTime.tm_year + 1900, localTime.tm_hour,
                              localTime.tm_min}));
  lines.emplace_back();
  for (std::string& line : ManufacturerInformation(document)) lines.push_back(std::move(line));
}

CheckReportCounts BuildCheckFile(StringList& lines, const CVDIDoc& document, const std::tm& localTime) {
  AppendCheckFileHeader(lines, document, localTime);
  const CheckReportCounts counts = BuildCheckReport(lines, document);
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.setIncludeDocumentInfo(true);
  reports.setIncludeRecordContext(false);
  return counts;
}

std::string CheckFileText(const StringList& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += hydStrUtil::Replace(line, "\r\n", "\n");
    text += '\n';
  }
  return text;
}

bool WriteCheckFile(const StringList& lines, const fs::path& path, FileSync sync) {
  return writeFileAtomically(path, CheckFileText(lines), sync);
}

std::string ReportFileName(std::string_view suggestedName) {
  std::string name = hydStrUtil::Replace(suggestedName, ",", " -");
  name = hydStrUtil::Replace(name, ".", "_");
  name = hydStrUtil::Replace(name, "/", "-");
  return name + ".txt";
}

bool IsWritableReportPath(const fs::path& path) {
  std::error_code error;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (path.filename().empty() || !fs::is_directory(folder, error)) return false;
  // The file is written next to itself first and renamed into place: the folder must take
  // new files.
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
  if (!fs::exists(path, error)) return !error;
  return fs::is_regular_file(path, error) && ::access(path.c_str(), W_OK) == 0;
}

std::optional<std::string> ChooseReportFile(std::string_view suggestedName) {
  FileDialogRequest request;
  request.filter = Translate("Text Dateien (*.txt)|*.txt|Alle Dateien|*.*|");
  request.defaultExtension = "txt";
  request.initialName = ReportFileName(suggestedName);
  request.multiSelect = false;
  PlatformServices& host = platform();
  for (;;) {
    const std::optional<std::string> chosen = host.chooseFileToSave(request);
    if (!chosen) return std::nullopt;
    const fs::path path(*chosen);
    // Shown again, the dialog starts where the user was.
    request.initialName = path.filename().string();
    request.initialFolder = path.parent_path().string();
    std::error_code error;
    if (fs::exists(path, error) &&
        host.askYesNo(Translate("Datei existiert schon. Überschreiben?"), {}) != Answer::Yes) {
      continue;
    }
    if (!IsWritableReportPath(path)) {
      host.showError(Translate("Datei lässt sich nicht beschreiben."));
      continue;
    }
    return chosen;
  }
}

}  // namespace armakon
