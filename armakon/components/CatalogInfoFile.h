#pragma once
// The text of a catalog's info file, "desktop.info", taken apart line by line.
//
// The layout of the file is described at the top of hydCatalogInfo.h. This part knows
// nothing of folders: it turns the bytes of one info file into the fields below, so that
// the rules can be tested (and fuzzed) without touching the disk.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace armakon {

// One registered product-data file: "\tVDI_2:VDI_2\\FILE.VDI" gives the sheet folder
// "VDI_2" and the path "VDI_2/FILE.VDI" (relative to the catalog folder, '/' separated).
struct CatalogContentEntry {
  std::string sheetFolder;
  std::string relativePath;
};

// One line "NAME=VALUE" of the organisation section.
struct CatalogOrgLeaf {
  std::string name;
  std::string value;
};

struct CatalogInfoText {
  std::string id;
  std::string displayName;
  std::string logoFileName;
  // The sheet folders of the "Content" line, then those named only by entries; each once.
  std::vector<std::string> sheetFolders;
  std::vector<CatalogContentEntry> entries;
  std::vector<CatalogOrgLeaf> orgInfo;
  bool hasOrgSection = false;
};

// Largest info file that is read; a bigger one is not an info file of ours.
inline constexpr std::size_t kMaxCatalogInfoFileSize = std::size_t{4} * 1024 * 1024;

// Turns the raw bytes of an info file into UTF-8: bytes that already form valid UTF-8 are
// kept (a leading byte-order mark is dropped), anything else is read as Windows-1252, the
// encoding older catalog tools wrote.
std::string decodeCatalogInfoBytes(std::string_view bytes);

// Parses the bytes of an info file. Lines that fit no rule are skipped. Returns false (and
// leaves info empty) when not a single line was recognised: such a file is no info file.
bool parseCatalogInfoText(std::string_view bytes, CatalogInfoText& info);

// A registered path is used only when it stays inside the catalog folder: relative, with no
// ".." component. Backslashes are already turned into '/'.
bool isSafeRelativeCatalogPath(std::string_view path);

// ASCII-only case-insensitive equality, for identifiers, keys and folder names.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace armakon
