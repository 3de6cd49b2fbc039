#pragma once
// CVDIDoc: one VDI 3805 file, the root of its record tree.
//
// Load reads the file (ReadVdiFile), checks its first record, takes the sheet number and
// the guideline date from it, reads the record-type descriptions for that date and builds
// the record tree (CVDIBase::ParseLines):
//  - *.VDI / *.vdix, the current layout: the first line must be a 010 record, its date
//    (field 3) six characters from the year 2001 on and its sheet field (field 2) shorter
//    than three characters. A file of another sheet than the expected one (expectedSheet
//    >= 1) is loaded without records: callers pick documents by sheet.
//  - *.TGA, the 1996 layout: the first line must be a 010 record dated 1098 (field 2);
//    sheet 2; fields are read through the old-layout mapping (IsOldFormat).
//  - any other extension is taken as it is, without checks.
// Refusals are filed as errors in the report list (code 20; codes 10 from ReadVdiFile),
// each under the process-wide load lock (which the caller must not hold), so Load may run
// on several workers at once (one document per worker). Nothing is thrown.
//
// Every Load ends with the loaded flag set; the parsed flag tells whether the tree was
// built. Both flags may be read by other threads while a load runs (progress display).
// The report texts name the file by the path as given.

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "armakon/vdi3805/RecordStore.h"

namespace armakon {

class CVDIDoc : public CVDIBase {
  ARMAKON_RUNTIME_CLASS(CVDIDoc, CVDIBase)

 public:
  CVDIDoc();
  // An unloaded document of a catalog file (what CVDIData::AddFile creates). The sheet is
  // the one the file was added for; a file in the current or the old layout replaces it
  // with its own when it loads.
  CVDIDoc(std::string path, std::string catalogId, std::string catalogText, std::string note, int sheet = 0);
  ~CVDIDoc() override;

  // Reads and checks the file at path and builds its record tree. skipDetail leaves out the
  // records the valve choice never reads (970.02 and above; in TGA files also 720.xx).
  // expectedSheet 0 accepts every sheet. The result is the parse result, true without a tree
  // for another sheet, false for a refused file.
  virtual bool Load(const std::string& path, bool skipDetail, int expectedSheet);
  // Appends the lines of the record tree in file order (the document's own line is none).
  virtual void AppendAllLines(StringList& list) const;

  // Load for lines that are already read (path gives the layout by its extension and names
  // the file in report texts). The lines are consumed.
  bool LoadLines(StringList lines, const std::string& path, bool skipDetail, int expectedSheet);

  // The document accepts the file header (010) and lines of unknown types.
  bool AcceptsChild(const CVDIBase& record) const override;
  const CVDIDoc* AsDocument() const noexcept override { return this; }
  bool IsOldFormat() const noexcept override { return m_oldFormat; }
  RecordStore* GetRecordStore() noexcept override { return &m_records; }

  // 2 heating valves, 17 drinking-water valves.
  int GetSheet() const noexcept { return m_sheet; }
  // "201601" (current layout), "1098" (old layout).
  const std::string& GetDate() const noexcept { return m_date; }
  const std::string& GetPath() const noexcept { return m_path; }
  // The path without its folders.
  std::string GetFileName() const;

  const std::string& GetCatalogId() const noexcept { return m_catalogId; }
  const std::string& GetCatalogText() const noexcept { return m_catalogText; }
  const std::string& GetNote() const noexcept { return m_note; }
  void SetCatalogInfo(std::string catalogId, std::string catalogText, std::string note);

  // Record-type descriptions for the document's guideline date.
  const CVDITemplate& GetTemplate() const noexcept { return *m_template; }
  std::string GetDescription(int code) const { return m_template->GetDescription(code); }

  // A load was attempted and has ended.
  bool IsLoaded() const noexcept { return m_loaded.load(std::memory_order_acquire); }
  // The record tree was built.
  bool IsParsed() const noexcept { return m_parsed.load(std::memory_order_acquire); }

  // The file's lines as read. Parsing consumes them (lines are left only where a parse stopped
  // early); a document refused by its first line or left unparsed for another sheet keeps
  // them all.
  const StringList& GetRawLines() const noexcept { return m_lines; }

 private:
  void begin(const std::string& path);
  bool build(StringList& lines, bool skipDetail, int expectedSheet);
  // Load for a plain file whose first line passes the checks, reading and parsing it one
  // line at a time in one pass (VdiLineReader.h); none, with whatever it built dropped, for
  // any other file.
  std::optional<bool> loadLineByLine(bool skipDetail, int expectedSheet);
  bool finish(bool parsed, bool result);
  bool checkCurrentFile(std::string_view type, std::string_view sheet, std::string_view date) const;
  bool checkOldFile(std::string_view type, std::string_view date) const;
  void loadDescriptions();

  std::string m_path;
  std::string m_catalogId;
  std::string m_catalogText;
  std::string m_note;
  std::string m_date;
  int m_sheet = 0;
  bool m_oldFormat = false;
  // Never null. The documents of a catalog read the same descriptions, so documents whose
  // descriptions are equal share one copy.
  std::shared_ptr<const CVDITemplate> m_template;
  StringList m_lines;
  // The records below and their lines; cleared only after the records are destroyed.
  RecordStore m_records;
  std::atomic<bool> m_loaded{false};
  std::atomic<bool> m_parsed{false};
};

}  // namespace armakon
