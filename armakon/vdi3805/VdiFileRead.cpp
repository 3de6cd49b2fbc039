#include "armakon/vdi3805/VdiFileRead.h"

#include <cstdio>
#include <filesystem>
#include <mutex>
#include <system_error>

#include "armakon/components/CodePageUtf8.h"
#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/components/VdixEncoding.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"

namespace armakon {

namespace {

constexpr int kReadErrorCode = 10;
constexpr int kOldGuidelineDate = 1098;

bool fileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(std::filesystem::path(path), error);
}

// The string-list reader's mode: the encoded form for *.vdix, plain text otherwise.
int readModeFor(std::string_view path) { return VdiFileExtension(path) == "vdix" ? 1 : 0; }

std::string withPath(std::string_view format, const std::string& path) {
  return FormatText(Translate(format), path);
}

}  // namespace

std::string_view VdiFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string VdiFileExtension(std::string_view path) {
  const std::string_view name = VdiFileName(path);
  const std::size_t point = name.rfind('.');
  if (point == std::string_view::npos) return {};
  std::string extension(name.substr(point + 1));
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension;
}

void FileLoadError(int code, std::string_view title, std::string_view detail, bool lock) {
  std::unique_lock<std::mutex> guard(CMiniReportUtil::loadLock(), std::defer_lock);
  if (lock) guard.lock();
  CMiniReportUtil::instance().addError(code, title, detail);
}

std::optional<std::string> PeekVdiRecordType(const std::string& path) {
  // A header line is far shorter; what reaches no field end within this is no header.
  constexpr std::size_t kStartSize = 4096;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string start(kStartSize, '\0');
  start.resize(std::fread(start.data(), 1, start.size(), file));
  std::fclose(file);

  std::string_view text = start;
  if (readModeFor(path) == 1 && vdix::isEncoded(text)) return std::nullopt;
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  const std::size_t end = text.find_first_of(";\r\n");
  if (text.empty() || (end == std::string_view::npos && start.size() == kStartSize)) return std::nullopt;
  // The record type is digits and blanks, which every code page writes alike: the raw bytes
  // tell the same as the decoded line.
  return std::string(text.substr(0, end));
}

bool ReadVdiFile(StringList& lines, const std::string& path, bool lock) {
  lines.clear();
  if (!fileExists(path)) {
    FileLoadError(kReadErrorCode, Translate("Datei konnte nicht gefunden werden."),
                  "\n" + withPath("Bitte prüfen ob die VDI-Datei vorhanden ist.\nDateipfad:\n%s", path), lock);
    return false;
  }
  const std::string wrongFormat =
      "\n" + withPath("Bitte prüfen ob die VDI-Datei das richtige Format hat.\nDateipfad:\n%s", path);
  if (!hydStrUtil::readStringlistFromFile(lines, std::filesystem::path(path), kCodePage1252, readModeFor(path))) {
    lines.clear();
    FileLoadError(kReadErrorCode, Translate("Datei konnte nicht gelesen werden."), wrongFormat, lock);
    return false;
  }
  if (lines.empty()) {
    FileLoadError(kReadErrorCode, Translate("Fehler beim lesen einer Datei: Datei hat keinen Inhalt."), wrongFormat,
                  lock);
    return false;
  }
  return true;
}

VdiFileCheck InspectVdiFile(const std::string& path, int expectedSheet) {
  VdiFileCheck check;
  if (expectedSheet == 0) {
    check.accepted = true;
    return check;
  }
  if (!fileExists(path)) {
    check.title = Translate("Datei konnte nicht gefunden werden.");
    check.text = withPath("Bitte prüfen ob die VDI-Datei vorhanden ist.\nDateipfad:\n%s", path);
    return check;
  }
  StringList lines;
  if (!hydStrUtil::readStringlistFromFile(lines, std::filesystem::path(path), kCodePage1252, readModeFor(path)) ||
      lines.empty()) {
    check.title = Translate("Datei konnte nicht gelesen werden.");
    check.text = withPath("Bitte prüfen ob die VDI-Datei das richtige Format hat.\nDateipfad:\n%s", path);
    return check;
  }
  const std::string extension = VdiFileExtension(path);
  const std::string_view first = hydStrUtil::TrimView(lines.front());
  const int field2 = toInt(hydStrUtil::TrimView(hydStrUtil::GetSubStrView(first, 2)));
  if (extension == "tga") {
    if (field2 == kOldGuidelineDate && expectedSheet == 2) {
      check.accepted = true;
    } else {
      check.title = Translate("TGA-Datei hat das falsche Datum.");
      check.text = withPath(
          "Dieses Ausgabedatum und somit der Datenstandard wird derzeit nicht unterstützt oder ist nicht "
          "erlaubt.\nDateipfad:\n%s",
          path);
    }
    return check;
  }
  if (extension != "vdi" && extension != "vdix") {
    check.title = Translate("Datei hat eine falsche Dateiendung.");
    check.text = withPath("Diese Dateiendung ist nicht erlaubt.\nDateipfad:\n%s", path);
    return check;
  }
  if (field2 != expectedSheet) {
    check.title = Translate("VDI-Datei hat die falsche Blattnummer.");
    check.text = FormatText(
        Translate("Erwartete Blattnummer: %d, in der Datei gefundene Blattnummer: %d.\nDateipfad:\n%s"),
        expectedSheet, field2, path);
    return check;
  }
  check.accepted = true;
  return check;
}

bool CheckVdiFile(const std::string& path, int expectedSheet) {
  const VdiFileCheck check = InspectVdiFile(path, expectedSheet);
  if (!check.accepted) platform().showError(check.text, check.title);
  return check.accepted;
}

}  // namespace armakon
