#pragma once
// CPathSpecDlg: the assignment dialog ("Zuordnung") that adds one VDI 3805 file (*.VDI,
// *.TGA, or an encoded *.vdix) to a manufacturer catalog or to the user folder.
//
// The caller sets the file and the sheet (2 heating, 17 drinking water, 0 unknown), shows the
// dialog, and on OK reads vdiPath (the copy), catalogId, mmdText and logoPath.
//
// Opening reads the file's first line and shows its header fields, the information text
// and the list of libraries: the user folder first, then the catalogs of the catalog manager
// by display name (case ignored). OK copies the file into the library's sheet folder ("VDI_2",
// "VDI_17"; sheet 0 copies into "VDI_2") - encoded as *.vdix when the check box is set,
// under "_1", "_2" ... when the user keeps an existing file - and registers it in the info
// file of a manufacturer catalog (never in the user folder's), after which the catalog
// manager is initialised again for the root folders it was last given.
//
// Paths are written with '/'; the info file's entry keeps the catalog's own notation
// ("\tVDI_2:VDI_2\\NAME.VDI"), which the catalog manager reads with either separator.

#include <string>
#include <utility>
#include <vector>

#include "armakon/components/hydStrUtil.h"
#include "armakon/platform/ModalDialog.h"

namespace armakon {

class hydCatalogManager;

class CPathSpecDlg : public ModalDialog {
 public:
  struct HeaderRow {
    std::string label;  // "Blattnummer:" ...
    std::string value;
  };
  struct Library {
    std::string displayName;  // as the list shows it
    std::string id;           // "RN_USER" for the user folder
  };

  // The catalog manager whose catalogs are offered (the program-wide one by default).
  explicit CPathSpecDlg(hydCatalogManager& manager);
  CPathSpecDlg();

  // In: the file; out after OK: the copy.
  std::string vdiPath;
  // In: the sheet number.
  int blatt = 0;
  // Out after OK.
  std::string catalogId;
  std::string mmdText;
  std::string logoPath;
  // The check box "Beim kopieren als ".vdix" verschlüsselt speichern".
  bool verschluesseln = false;

  std::string title() const override;
  void onOpen() override;
  // OK ("Übernehmen"): copies and registers; the dialog stays open when the user cancels the
  // overwrite question or the source cannot be read for encoding.
  void ok();

  bool checkBoxVisible() const { return checkBoxVisible_; }
  std::string checkBoxText() const;
  const std::vector<HeaderRow>& headerRows() const { return header_; }
  const std::string& informationText() const { return information_; }
  const std::vector<Library>& libraries() const { return libraries_; }
  int selectedLibrary() const { return selected_; }  // -1: none
  // std::invalid_argument for an index past the list (-1 clears the selection).
  void selectLibrary(int index);

  // "VDI_2", "VDI_17" or empty for another sheet.
  static std::string sheetFolderName(int sheet);

 private:
  bool copyInto(const std::string& directory, std::string& target, bool& overwritten);
  void registerFile(const std::string& infoFile, const std::string& folder, const std::string& fileName,
                    bool overwritten);

  hydCatalogManager& manager_;
  bool checkBoxVisible_ = false;
  std::vector<HeaderRow> header_;
  std::string information_;
  std::vector<Library> libraries_;
  int selected_ = -1;
};

// Reads the product-data file as lines in code page 1252; an encoded *.vdix file is decoded.
bool ReadProductDataLines(const std::string& path, StringList& lines);

// The changes the registration makes to an info file's lines (see CPathSpecDlg); true when
// anything changed. removeOld: the file replaced an existing one, so the line that named it
// ("FOLDER:" followed by the file name) goes first.
bool RegisterInInfoLines(StringList& lines, const std::string& folder, const std::string& fileName, bool removeOld);

}  // namespace armakon
