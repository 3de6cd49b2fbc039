// The assignment dialog's copy of the file into the catalog and its registration in the
// catalog's info file.

#include <algorithm>
#include <filesystem>

#include "armakon/components/Translation.h"
#include "armakon/components/hydCatalogManager.h"
#include "armakon/dialogs/CPathSpecDlg.h"
#include "armakon/platform/CurrentPlatform.h"

namespace armakon {

namespace fs = std::filesystem;

namespace {

bool pathExists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

bool contains(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

}  // namespace

bool CPathSpecDlg::copyInto(const std::string& directory, std::string& target, bool& overwritten) {
  std::string name = fs::path(vdiPath).filename().string();
  if (verschluesseln) name += "x";
  fs::path path = fs::path(directory) / name;
  overwritten = false;
  if (pathExists(path)) {
    const Answer answer = platform().askYesNoCancel(
        Translate("Dateiname bereits vorhanden!\nDiese Datei überschreiben?\n\"Nein\" vergibt einen anderen Dateinamen."),
        title());
    if (answer == Answer::Cancel) return false;
    overwritten = answer == Answer::Yes;
    if (!overwritten) {
      const fs::path named(name);
      for (int n = 1; pathExists(path); ++n) {
        path = fs::path(directory) / (named.stem().string() + "_" + std::to_string(n) + named.extension().string());
      }
    }
  }

  bool copied = false;
  if (verschluesseln) {
    StringList lines;
    if (!ReadProductDataLines(vdiPath, lines)) {
      platform().showInformation(Translate("Datei konnte nicht geladen werden."));
      return false;
    }
    copied = hydStrUtil::writeStringlistToFile(lines, path, kCodePageUtf8, true);
  } else {
    std::error_code error;
    copied = fs::copy_file(vdiPath, path,
                           overwritten ? fs::copy_options::overwrite_existing : fs::copy_options::none, error);
  }
  if (!copied) {
    platform().showError(Translate("Datei konnte nicht kopiert werden."));
    return false;
  }
  target = path.string();
  return true;
}

bool RegisterInInfoLines(StringList& lines, const std::string& folder, const std::string& fileName, bool removeOld) {
  if (lines.empty()) return false;
  bool changed = false;
  for (std::string& line : lines) {
    if (contains(line, "Content") || contains(line, "content") || contains(line, "CONTENT")) {
      if (!contains(line, folder)) {
        line += ":" + folder;
        changed = true;
      }
      break;
    }
  }
  const std::string entry = "\t" + folder + ":" + folder + "\\" + fileName;
  if (removeOld) {
    // The file replaced one of the same name: its line goes, whether it names the file
    // directly ("VDI_2:NAME") or, as the entries written here do, inside its folder.
    const std::string direct = folder + ":" + fileName;
    const std::string inFolder = entry.substr(1);
    for (auto it = lines.begin(); it != lines.end(); ++it) {
      if (contains(*it, direct) || contains(*it, inFolder)) {
        lines.erase(it);
        changed = true;
        break;
      }
    }
    if (lines.empty()) return changed;
  }
  auto end = std::find_if(lines.begin(), lines.end(), [](const std::string& line) { return contains(line, "ENDE"); });
  if (end == lines.end()) end = lines.end() - 1;
  lines.insert(end, entry);
  return true;
}

void CPathSpecDlg::registerFile(const std::string& infoFile, const std::string& folder, const std::string& fileName,
                                bool overwritten) {
  StringList lines;
  if (!hydStrUtil::readStringlistFromFile(lines, infoFile, kCodePage1252)) return;
  if (!RegisterInInfoLines(lines, folder, fileName, overwritten)) return;
  if (!hydStrUtil::writeStringlistToFile(lines, infoFile, kCodePageUtf8)) return;
  manager_.init(manager_.getRootFolders(), kDefaultCatalogInfoFileName, "");
}

}  // namespace armakon
