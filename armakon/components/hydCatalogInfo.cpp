#include "armakon/components/hydCatalogInfo.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unordered_set>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeNode.h"

namespace armakon {

namespace fs = std::filesystem;

namespace {

std::string withTrailingSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

// Catalogs were kept on Windows, where "VDI_2\ABC.VDI" also finds "abc.vdi": when the
// registered name is missing, a file of the same name in another letter case stands in.
std::string resolveLetterCase(const std::string& pathName) {
  std::error_code error;
  const fs::path path(pathName);
  if (fs::exists(path, error)) return pathName;
  const std::string wanted = path.filename().string();
  for (fs::directory_iterator it(path.parent_path(), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (equalsIgnoringAsciiCase(name, wanted)) return (path.parent_path() / name).string();
  }
  return pathName;
}

bool isProductDataFileName(const fs::path& name) {
  const std::string extension = name.extension().string();
  return equalsIgnoringAsciiCase(extension, ".vdi") || equalsIgnoringAsciiCase(extension, ".vdix") ||
         equalsIgnoringAsciiCase(extension, ".tga");
}

// Product-data files lying in a folder, sorted by name.
std::vector<std::string> productDataFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError) && isProductDataFileName(it->path().filename())) {
      names.push_back(it->path().filename().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::unique_ptr<CNode> buildOrgInfoNode(const std::vector<CatalogOrgLeaf>& leaves) {
  auto node = std::make_unique<CNode>("OrgInfo");
  for (const CatalogOrgLeaf& leaf : leaves) node->AddLeaf(leaf.name, leaf.value, false);
  return node;
}

}  // namespace

hydCatalogInfo::hydCatalogInfo(CatalogInfoText text, std::string rootPath, std::string infoFilePathName)
    : text_(std::move(text)),
      rootPath_(withTrailingSlash(std::move(rootPath))),
      infoFilePathName_(std::move(infoFilePathName)) {
  if (text_.hasOrgSection) orgInfo_ = buildOrgInfoNode(text_.orgInfo);
}

hydCatalogInfo::~hydCatalogInfo() = default;

std::unique_ptr<hydCatalogInfo> hydCatalogInfo::readFromFolder(const std::string& folder,
                                                              std::string_view infoFileName) {
  const std::string root = withTrailingSlash(folder);
  const std::string infoPath = root + std::string(infoFileName);
  std::string bytes;
  if (!readWholeFile(infoPath, bytes, kMaxCatalogInfoFileSize)) return nullptr;
  CatalogInfoText text;
  if (!parseCatalogInfoText(bytes, text)) return nullptr;
  if (text.id.empty()) text.id = fs::path(root).parent_path().filename().string();
  return std::make_unique<hydCatalogInfo>(std::move(text), root, infoPath);
}

bool hydCatalogInfo::hasSheetFolder(std::string_view sheetFolder) const {
  return std::any_of(text_.sheetFolders.begin(), text_.sheetFolders.end(),
                     [&](const std::string& folder) { return equalsIgnoringAsciiCase(folder, sheetFolder); });
}

std::vector<std::string> hydCatalogInfo::getContentFilePathNames(std::string_view sheetFolder) const {
  std::vector<std::string> paths;
  std::unordered_set<std::string> listed;
  const auto add = [&](std::string path) {
    if (listed.insert(path).second) paths.push_back(std::move(path));
  };
  for (const CatalogContentEntry& entry : text_.entries) {
    if (equalsIgnoringAsciiCase(entry.sheetFolder, sheetFolder)) add(resolveLetterCase(rootPath_ + entry.relativePath));
  }
  if (isUserCatalog() && isSafeRelativeCatalogPath(sheetFolder)) {
    const std::string folder = withTrailingSlash(rootPath_ + std::string(sheetFolder));
    for (const std::string& name : productDataFilesIn(folder)) add(folder + name);
  }
  return paths;
}

bool hydCatalogInfo::hasOrgInfoLeaf(std::string_view name) const {
  return std::any_of(text_.orgInfo.begin(), text_.orgInfo.end(),
                     [&](const CatalogOrgLeaf& leaf) { return leaf.name == name; });
}

bool hydCatalogInfo::isUserCatalog() const { return equalsIgnoringAsciiCase(text_.id, kUserCatalogId); }

}  // namespace armakon
