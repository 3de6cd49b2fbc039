#pragma once
// The manufacturer catalogs of the host: every direct sub-folder of the configured catalog
// root folders that holds an info file ("desktop.info", see hydCatalogInfo.h) is one catalog.
//
// The user catalog "RN_USER" always exists. When no folder declares it, it is the folder
// "RN_USER" below the first root folder (or the folder given to init); it is not created
// here: whoever first copies a file into it creates its sheet folder. Without any root
// folder it is "RN_USER/" relative to the working folder.
//
// Threads: the process-wide instance is created on first use, safely from any thread.
// Queries may run in parallel; init excludes them. init replaces every hydCatalogInfo, so
// pointers handed out before it are invalid after it; ensureMMDLoaded and
// getOrgInfoRootNode(catalog) check that their catalog is still one of the manager's.

#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/hydCatalogInfo.h"

namespace armakon {

inline constexpr std::string_view kDefaultCatalogInfoFileName = "desktop.info";

class hydCatalogManager {
 public:
  // The process-wide catalog manager (empty until init).
  static hydCatalogManager& getInstance();

  // A separate manager, for tools and tests; the library uses getInstance.
  hydCatalogManager();
  ~hydCatalogManager();
  hydCatalogManager(const hydCatalogManager&) = delete;
  hydCatalogManager& operator=(const hydCatalogManager&) = delete;

  // Scans the root folders: those of the ';'-separated text, then those of the list (empty
  // entries are skipped). In root order, the direct sub-folders of each root are taken in
  // name order; a sub-folder becomes a catalog when its info file is readable and holds at
  // least one recognised line. Of catalogs with the same identifier (case ignored) the first
  // is kept. userFolder names the user catalog's folder when no catalog declares "RN_USER"
  // (empty: "RN_USER" below the first root). Returns the number of catalogs, user catalog
  // included. Missing or unreadable roots and folders are skipped silently.
  std::size_t init(std::string_view rootFolders,
                   std::string_view infoFileName = kDefaultCatalogInfoFileName,
                   std::string_view userFolder = {}, const std::vector<std::string>& folders = {});

  // Fills list (emptied first) with the catalogs in manager order that pass every given
  // filter: names (null or empty: no filter) lists identifiers, case ignored;
  // orgInfoKey keeps catalogs whose organisation section has a leaf of that name (exact);
  // sheetFolder keeps catalogs as getFilteredCatalogList does.
  void getCatalogList(std::vector<const hydCatalogInfo*>& list,
                      const std::vector<std::string>* names = nullptr,
                      std::string_view orgInfoKey = {}, std::string_view sheetFolder = {}) const;

  // The catalogs that hold data of a sheet folder ("VDI_2", "VDI_17"): those declaring it in
  // their info file, and the user catalog when that folder exists in it.
  void getFilteredCatalogList(std::vector<const hydCatalogInfo*>& list,
                              std::string_view sheetFolder) const;

  // The catalog of that identifier (case ignored), or null.
  const hydCatalogInfo* findCatalogInfo(std::string_view id) const;

  // Makes sure the catalog belongs to the current scan and tells where its data of that
  // name lie: for an organisation leaf of that name, the full path of the file it names
  // (root path + value); otherwise, for a declared sheet folder or a folder that exists in
  // the catalog, the folder's path ending in '/'. Empty when the catalog is null or stale
  // or has nothing of that name.
  std::string ensureMMDLoaded(const hydCatalogInfo* catalog, std::string_view name) const;

  // The catalog's organisation node, or null (also for a stale catalog).
  CNode* getOrgInfoRootNode(const hydCatalogInfo* catalog) const;

  // What the last init used: the root folders joined by ';', and the info file name.
  std::string getRootFolders() const;
  std::string getInfoFileName() const;
  std::size_t getCatalogCount() const;

 private:
  bool holds(const hydCatalogInfo* catalog) const;  // caller holds the lock
  bool passesSheetFilter(const hydCatalogInfo& catalog, std::string_view sheetFolder) const;

  mutable std::shared_mutex mutex_;
  std::vector<std::unique_ptr<hydCatalogInfo>> catalogs_;
  std::vector<std::string> rootFolders_;
  std::string infoFileName_{kDefaultCatalogInfoFileName};
};

}  // namespace armakon
