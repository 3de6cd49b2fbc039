#include "armakon/components/hydCatalogManager.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <unordered_set>

namespace armakon {

namespace fs = std::filesystem;

namespace {

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string asciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::vector<std::string> collectRoots(std::string_view rootFolders, const std::vector<std::string>& folders) {
  std::vector<std::string> roots;
  while (!rootFolders.empty()) {
    const std::size_t semicolon = rootFolders.find(';');
    const std::string_view root = trimBlanks(rootFolders.substr(0, semicolon));
    if (!root.empty()) roots.emplace_back(root);
    if (semicolon == std::string_view::npos) break;
    rootFolders.remove_prefix(semicolon + 1);
  }
  for (const std::string& folder : folders) {
    const std::string_view root = trimBlanks(folder);
    if (!root.empty()) roots.emplace_back(root);
  }
  return roots;
}

// The direct sub-folders of a root, in name order; nothing for a root that is no folder.
std::vector<fs::path> subFoldersOf(const std::string& root) {
  std::vector<fs::path> folders;
  std::error_code error;
  for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) folders.push_back(it->path());
  }
  std::sort(folders.begin(), folders.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return folders;
}

std::string withTrailingSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

bool isFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

}  // namespace

hydCatalogManager& hydCatalogManager::getInstance() {
  static hydCatalogManager instance;
  return instance;
}

hydCatalogManager::hydCatalogManager() = default;
hydCatalogManager::~hydCatalogManager() = default;

std::size_t hydCatalogManager::init(std::string_view rootFolders, std::string_view infoFileName,
                                    std::string_view userFolder, const std::vector<std::string>& folders) {
  std::vector<std::string> roots = collectRoots(rootFolders, folders);
  const std::string infoName(infoFileName.empty() ? kDefaultCatalogInfoFileName : infoFileName);

  // The scan runs without the lock; only the exchange of the results excludes readers.
  std::vector<std::unique_ptr<hydCatalogInfo>> found;
  std::unordered_set<std::string> ids;
  for (const std::string& root : roots) {
    for (const fs::path& folder : subFoldersOf(root)) {
      std::unique_ptr<hydCatalogInfo> catalog = hydCatalogInfo::readFromFolder(folder.string(), infoName);
      if (catalog && ids.insert(asciiLower(catalog->getStrID())).second) found.push_back(std::move(catalog));
    }
  }
  if (ids.count(asciiLower(kUserCatalogId)) == 0) {
    std::string userRoot(userFolder);
    if (userRoot.empty()) {
      userRoot = (roots.empty() ? std::string() : withTrailingSlash(roots.front())) + std::string(kUserCatalogId);
    }
    userRoot = withTrailingSlash(std::move(userRoot));
    CatalogInfoText text;
    text.id = std::string(kUserCatalogId);
    found.push_back(std::make_unique<hydCatalogInfo>(std::move(text), userRoot, userRoot + infoName));
  }

  const std::size_t count = found.size();
  {
    std::unique_lock lock(mutex_);
    catalogs_.swap(found);
    rootFolders_ = std::move(roots);
    infoFileName_ = infoName;
  }
  return count;  // the catalogs of the previous scan die here, outside the lock
}

void hydCatalogManager::getCatalogList(std::vector<const hydCatalogInfo*>& list,
                                       const std::vector<std::string>* names, std::string_view orgInfoKey,
                                       std::string_view sheetFolder) const {
  list.clear();
  std::shared_lock lock(mutex_);
  for (const auto& catalog : catalogs_) {
    if (names != nullptr && !names->empty() &&
        std::none_of(names->begin(), names->end(),
                     [&](const std::string& name) { return equalsIgnoringAsciiCase(name, catalog->getStrID()); })) {
      continue;
    }
    if (!orgInfoKey.empty() && !catalog->hasOrgInfoLeaf(orgInfoKey)) continue;
    if (!sheetFolder.empty() && !passesSheetFilter(*catalog, sheetFolder)) continue;
    list.push_back(catalog.get());
  }
}

void hydCatalogManager::getFilteredCatalogList(std::vector<const hydCatalogInfo*>& list,
                                               std::string_view sheetFolder) const {
  getCatalogList(list, nullptr, {}, sheetFolder);
}

const hydCatalogInfo* hydCatalogManager::findCatalogInfo(std::string_view id) const {
  std::shared_lock lock(mutex_);
  for (const auto& catalog : catalogs_) {
    if (equalsIgnoringAsciiCase(catalog->getStrID(), id)) return catalog.get();
  }
  return nullptr;
}

std::string hydCatalogManager::ensureMMDLoaded(const hydCatalogInfo* catalog, std::string_view name) const {
  std::shared_lock lock(mutex_);
  if (name.empty() || !holds(catalog)) return {};
  for (const CatalogOrgLeaf& leaf : catalog->getOrgInfoLeaves()) {
    if (leaf.name != name) continue;
    if (leaf.value.empty()) break;
    std::string file = leaf.value;
    std::replace(file.begin(), file.end(), '\\', '/');
    return catalog->getStrRootPath() + file;
  }
  if (!isSafeRelativeCatalogPath(name)) return {};
  const std::string folder = withTrailingSlash(catalog->getStrRootPath() + std::string(name));
  if (catalog->hasSheetFolder(name) || isFolder(folder)) return folder;
  return {};
}

CNode* hydCatalogManager::getOrgInfoRootNode(const hydCatalogInfo* catalog) const {
  std::shared_lock lock(mutex_);
  return holds(catalog) ? catalog->getOrgInfoRootNode() : nullptr;
}

std::string hydCatalogManager::getRootFolders() const {
  std::shared_lock lock(mutex_);
  std::string joined;
  for (const std::string& root : rootFolders_) {
    if (!joined.empty()) joined += ';';
    joined += root;
  }
  return joined;
}

std::string hydCatalogManager::getInfoFileName() const {
  std::shared_lock lock(mutex_);
  return infoFileName_;
}

std::size_t hydCatalogManager::getCatalogCount() const {
  std::shared_lock lock(mutex_);
  return catalogs_.size();
}

bool hydCatalogManager::holds(const hydCatalogInfo* catalog) const {
  return catalog != nullptr && std::any_of(catalogs_.begin(), catalogs_.end(),
                                           [&](const auto& owned) { return owned.get() == catalog; });
}

bool hydCatalogManager::passesSheetFilter(const hydCatalogInfo& catalog, std::string_view sheetFolder) const {
  if (catalog.hasSheetFolder(sheetFolder)) return true;
  return catalog.isUserCatalog() && isSafeRelativeCatalogPath(sheetFolder) &&
         isFolder(catalog.getStrRootPath() + std::string(sheetFolder));
}

}  // namespace armakon
