// The files of a batch check and the names of their reports.

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "armakon/vdi3805/VdiFileRead.h"
#include "tools/armakon/BatchCheck.h"

namespace armakon::tool {

namespace fs = std::filesystem;

namespace {

bool isProductDataFile(const fs::path& path) {
  const std::string extension = VdiFileExtension(path.string());
  return extension == "vdi" || extension == "vdix" || extension == "tga";
}

void addFolder(const fs::path& folder, std::vector<std::string>& files) {
  std::vector<std::string> found;
  std::error_code error;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  for (const fs::recursive_directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code kind;
    if (it->is_regular_file(kind) && isProductDataFile(it->path())) found.push_back(it->path().string());
  }
  std::sort(found.begin(), found.end());
  files.insert(files.end(), found.begin(), found.end());
}

std::string lowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::vector<std::string> CollectCheckFiles(const std::vector<std::string>& paths, std::vector<std::string>& missing) {
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) {
      addFolder(path, files);
    } else if (fs::exists(status)) {
      files.push_back(path);
    } else {
      missing.push_back(path);
    }
  }
  return files;
}

std::vector<std::string> ReportFileNames(const std::vector<std::string>& files) {
  std::vector<std::string> names;
  names.reserve(files.size());
  std::map<std::string, int> taken;  // lower-cased name -> times met
  for (const std::string& file : files) {
    const std::string base(VdiFileName(file));
    std::string name = base + ".txt";
    // A numbered name may itself be some file's plain name: count on until it is free.
    for (int n = ++taken[lowerAscii(name)]; n > 1; n = ++taken[lowerAscii(name)]) {
      name = base + " (" + std::to_string(n) + ").txt";
    }
    names.push_back(name);
  }
  return names;
}

}  // namespace armakon::tool
