#include "armakon/pumps/PumpMediaResolver.h"

#include <atomic>
#include <filesystem>
#include <limits>

#include "armakon/components/hydCatalogManager.h"

namespace armakon {

namespace {

const PumpMediaResolver& defaultResolver() {
  static const CatalogFolderMediaResolver resolver(hydCatalogManager::getInstance());
  return resolver;
}

std::atomic<const PumpMediaResolver*> installed{nullptr};

}  // namespace

CatalogFolderMediaResolver::CatalogFolderMediaResolver(const hydCatalogManager& catalogs) : catalogs_(catalogs) {}

std::string CatalogFolderMediaResolver::filePath(const std::string& manufacturerId, const std::string& fileName,
                                                 const std::string& subfolder) const {
  if (fileName.empty()) return {};
  const hydCatalogInfo* catalog = catalogs_.findCatalogInfo(manufacturerId);
  if (catalog == nullptr) return {};
  return catalog->getStrRootPath() + subfolder + "/" + fileName;
}

std::string CatalogFolderMediaResolver::imagePath(const std::string& manufacturerId, const std::string& imageName,
                                                  long long number) const {
  if (number == 0) return filePath(manufacturerId, imageName, "BMP");
  return filePath(manufacturerId, std::to_string(number) + std::filesystem::path(imageName).extension().string(),
                  "BMP");
}

long long CatalogFolderMediaResolver::articleImageNumber(const std::string& articleNumber) const {
  long long number = 0;
  for (const char c : articleNumber) {
    if (c < '0' || c > '9') continue;
    // An article number with more digits than fit names no image.
    if (number > (std::numeric_limits<long long>::max() - 9) / 10) return 0;
    number = number * 10 + (c - '0');
  }
  return number;
}

const PumpMediaResolver& pumpMediaResolver() {
  const PumpMediaResolver* resolver = installed.load();
  return resolver != nullptr ? *resolver : defaultResolver();
}

const PumpMediaResolver& setPumpMediaResolver(const PumpMediaResolver* resolver) {
  const PumpMediaResolver* previous = installed.exchange(resolver);
  return previous != nullptr ? *previous : defaultResolver();
}

}  // namespace armakon
