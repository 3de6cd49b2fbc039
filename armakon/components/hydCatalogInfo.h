#pragma once
// One manufacturer catalog: a folder with an info file "desktop.info", sheet folders
// ("VDI_2" heating valves, "VDI_17" drinking-water valves) holding the product-data files,
// and optional further files (a pump file, logos below "BMP/").
//
// The info file is plain text, one statement a line, UTF-8 (a file that is not valid UTF-8
// is read as Windows-1252, as older tools wrote it). Example:
//
//   Content:VDI_2:VDI_17
//   	VDI_2:VDI_2\AQ_HEIZUNG.VDI
//   	VDI_17:VDI_17\AQ_TRINKWASSER.VDI
//   ENDE
//   ID=AQUALIS
//   Name=Aqualis Armaturen
//   Logo=aqualis.png
//   [OrgInfo]
//   PUMPEN=Pumpen.PMP
//
// Line rules (blanks around a line and around keys and values do not count):
// - "Content:A:B..."  the sheet folders of the catalog, ':'-separated. Keep it the first line:
//                     the catalog folder dialog appends a new folder to the first line that
//                     holds the word "Content" and inserts entries before the first line
//                     holding "ENDE", so no line above these may hold those words.
// - "FOLDER:PATH"     (usually indented by a tab) registers a product-data file of the sheet
//                     folder FOLDER; PATH is relative to the catalog folder, '\' and '/' both
//                     separate folders. Absolute paths and ".." components are ignored.
// - "ENDE"            closes the list of entries.
// - "ID=", "Name=", "Logo="  identifier, display name and logo file name (the logo lies in
//                     the catalog's "BMP/" folder). Keys ignore case; the first line of a key
//                     counts. Without an ID the folder's name is the identifier.
// - "[OrgInfo]"       starts the organisation section: each following "KEY=VALUE" line is a
//                     leaf KEY holding the one value VALUE (e.g. the pump file's name under
//                     the key the host uses for pump files). Another "[...]" line ends it.
// - Empty lines and lines starting with '#' or ';' are comments. A line that fits no rule,
//   or holds a control character other than tab, is skipped; a file without any line that
//   fits a rule is not an info file and its folder is no catalog.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/CatalogInfoFile.h"

namespace armakon {

class CNode;

// Identifier of the user catalog, the folder for files assigned to no manufacturer.
inline constexpr std::string_view kUserCatalogId = "RN_USER";

class hydCatalogInfo {
 public:
  // A catalog described by parsed info text. rootPath is the catalog folder (a '/' is
  // appended when missing); infoFilePathName the info file's full path.
  hydCatalogInfo(CatalogInfoText text, std::string rootPath, std::string infoFilePathName);
  ~hydCatalogInfo();
  hydCatalogInfo(const hydCatalogInfo&) = delete;
  hydCatalogInfo& operator=(const hydCatalogInfo&) = delete;

  // Reads folder/infoFileName; null when it cannot be read or is no info file. The
  // folder's name stands in for a missing identifier.
  static std::unique_ptr<hydCatalogInfo> readFromFolder(const std::string& folder,
                                                        std::string_view infoFileName);

  const std::string& getStrID() const { return text_.id; }
  const std::string& getStrDisplayName() const { return text_.displayName; }
  // The catalog folder, always ending with '/'.
  const std::string& getStrRootPath() const { return rootPath_; }
  const std::string& getStrDisplayLogoFileName() const { return text_.logoFileName; }
  const std::string& getInfoFilePathName() const { return infoFilePathName_; }

  // The sheet folders the catalog declares (content line, then folders named by entries).
  const std::vector<std::string>& getSheetFolders() const { return text_.sheetFolders; }
  // Whether the catalog declares the sheet folder (case ignored).
  bool hasSheetFolder(std::string_view sheetFolder) const;
  const std::vector<CatalogContentEntry>& getContentEntries() const { return text_.entries; }

  // Full paths of the files registered for the sheet folder (case ignored), in entry order.
  // Paths are not checked for existence; when the registered name is missing on disk but a
  // file of the same name in another letter case exists, that file's path is given. The user
  // catalog also lists the product-data files (*.VDI, *.vdix, *.TGA, case ignored) lying in
  // its sheet folder, since files copied there are not registered: sorted by name, after the
  // registered ones, each path once.
  std::vector<std::string> getContentFilePathNames(std::string_view sheetFolder) const;

  // The organisation section as a tree node (name "OrgInfo") whose leaves are its lines,
  // each holding its one value; null when the info file has no such section. Reading a
  // leaf's values moves the leaf's read position, so threads that read in parallel use
  // getOrgInfoLeaves instead.
  CNode* getOrgInfoRootNode() const { return orgInfo_.get(); }
  // The organisation leaves as read, in file order.
  const std::vector<CatalogOrgLeaf>& getOrgInfoLeaves() const { return text_.orgInfo; }
  // Whether an organisation leaf of that name (exact) exists.
  bool hasOrgInfoLeaf(std::string_view name) const;

  bool isUserCatalog() const;

 private:
  CatalogInfoText text_;
  std::string rootPath_;
  std::string infoFilePathName_;
  std::unique_ptr<CNode> orgInfo_;
};

}  // namespace armakon
