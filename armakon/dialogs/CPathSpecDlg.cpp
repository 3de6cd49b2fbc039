#include "armakon/dialogs/CPathSpecDlg.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "armakon/components/hydCatalogManager.h"
#include "armakon/platform/CurrentPlatform.h"

namespace armakon {

namespace fs = std::filesystem;

namespace {

bool isOldFile(const std::string& path) {
  return hydStrUtil::EqualsNoCase(fs::path(path).extension().string(), ".tga");
}

// A header field with its pilcrows ("¶", line breaks inside a field) as ", " and a line break.
std::string headerValue(const std::string& line, int field) {
  return hydStrUtil::Replace(hydStrUtil::Trim(hydStrUtil::GetSubStrView(line, field)), "\xC2\xB6", ", \n");
}

bool readableFile(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  return in.good();
}

}  // namespace

bool ReadProductDataLines(const std::string& path, StringList& lines) {
  const bool encoded = hydStrUtil::EqualsNoCase(fs::path(path).extension().string(), ".vdix");
  return hydStrUtil::readStringlistFromFile(lines, path, kCodePage1252, encoded ? 1 : 0);
}

CPathSpecDlg::CPathSpecDlg(hydCatalogManager& manager) : manager_(manager) {}
CPathSpecDlg::CPathSpecDlg() : CPathSpecDlg(hydCatalogManager::getInstance()) {}

std::string CPathSpecDlg::title() const { return Translate("Zuordnung"); }

std::string CPathSpecDlg::checkBoxText() const {
  return Translate("Beim kopieren als \".vdix\" verschlüsselt speichern");
}

std::string CPathSpecDlg::sheetFolderName(int sheet) {
  if (sheet == 2) return "VDI_2";
  if (sheet == 17) return "VDI_17";
  return {};
}

void CPathSpecDlg::onOpen() {
  checkBoxVisible_ = true;
  StringList lines;
  if (!ReadProductDataLines(vdiPath, lines) || lines.empty()) {
    platform().showInformation(Translate("Datei konnte nicht geladen werden."));
    endDialog(kDialogCancel);
    return;
  }
  const std::string first = hydStrUtil::Trim(lines.front());
  const bool old = isOldFile(vdiPath);
  header_ = {
      {Translate("Blattnummer:"), old ? "-" : headerValue(first, 2)},
      {Translate("Richtliniendatum:"), headerValue(first, old ? 2 : 3)},
      {Translate("Hersteller:"), headerValue(first, old ? 3 : 4)},
      {Translate("Revisionsdatum:"), headerValue(first, old ? 4 : 5)},
      {Translate("Internetadresse:"), old ? Translate("nicht verfügbar") : headerValue(first, 6)},
      {Translate("Kommentar:"), headerValue(first, old ? 5 : 7)},
  };
  information_ = Translate("VDI-Datei:") + " \"" + fs::path(vdiPath).filename().string() + "\"\n";
  for (const HeaderRow& row : header_) information_ += row.label + " " + row.value + "\n";
  information_ += "\n" + Translate("Zu welcher Herstellerbibliothek soll diese Datei hinzugefügt werden?");

  libraries_ = {{"- " + Translate("Keinem spezifischen Hersteller zuordnen. (User-Ordner)"), std::string(kUserCatalogId)}};
  std::vector<const hydCatalogInfo*> catalogs;
  manager_.getCatalogList(catalogs);
  std::vector<Library> named;
  for (const hydCatalogInfo* catalog : catalogs) {
    if (catalog->getStrID() == kUserCatalogId || catalog->getStrDisplayName().empty()) continue;
    named.push_back({catalog->getStrDisplayName(), catalog->getStrID()});
  }
  std::stable_sort(named.begin(), named.end(), [](const Library& a, const Library& b) {
    return hydStrUtil::CompareNoCase(a.displayName, b.displayName) < 0;
  });
  libraries_.insert(libraries_.end(), named.begin(), named.end());
  selected_ = 0;
}

void CPathSpecDlg::selectLibrary(int index) {
  if (index < -1 || index >= static_cast<int>(libraries_.size())) {
    throw std::invalid_argument("CPathSpecDlg::selectLibrary: index out of range");
  }
  selected_ = index;
}

void CPathSpecDlg::ok() {
  if (selected_ < 0) return;
  const hydCatalogInfo* catalog = manager_.findCatalogInfo(libraries_[static_cast<std::size_t>(selected_)].id);
  if (catalog == nullptr) {
    endDialog(kDialogOk);
    return;
  }
  const std::string folder = sheetFolderName(blatt);
  const std::string root = catalog->getStrRootPath();
  catalogId = catalog->getStrID();
  mmdText = manager_.ensureMMDLoaded(catalog, folder);

  logoPath.clear();
  if (!catalog->getStrDisplayLogoFileName().empty()) logoPath = root + "BMP/" + catalog->getStrDisplayLogoFileName();
  if (logoPath.empty() || !readableFile(logoPath)) {
    logoPath = root + "bmp/default.bmp";
    for (const char* fallback : {"bmp/default.jpg", "bmp/default.png"}) {
      if (readableFile(root + fallback)) {
        logoPath = root + fallback;
        break;
      }
    }
  }

  const std::string directory = root + (folder.empty() ? std::string("VDI_2") : folder);
  std::error_code error;
  fs::create_directories(directory, error);
  if (!fs::is_directory(directory, error)) {
    platform().showError(FormatText(
        Translate("Verzeichnis konnte nicht angelegt werden! Bitte prüfen sie Ihre Schreibrechte und Benutzerrechte "
                  "in 1!%s."),
        root));
    endDialog(kDialogOk);
    return;
  }

  std::string target;
  bool overwritten = false;
  if (!copyInto(directory, target, overwritten)) return;
  if (!catalog->isUserCatalog()) {
    std::string fileName = fs::path(vdiPath).filename().string();
    if (verschluesseln) fileName += "x";
    const std::string infoFile = catalog->getInfoFilePathName();
    registerFile(infoFile, folder, fileName, overwritten);
  }
  vdiPath = target;
  endDialog(kDialogOk);
}

}  // namespace armakon
