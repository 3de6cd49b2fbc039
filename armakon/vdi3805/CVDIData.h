#pragma once
// CVDIData: the program-wide catalog data, one document per VDI 3805 file of the catalogs.
//
// Files are added unloaded (AddFile, CollectCatalogFiles) and loaded together by LoadAll on
// worker threads: min(processors, documents, 64) workers take the next document under the
// process-wide load lock (CMiniReportUtil::loadLock, which also guards the report entries
// filed while loading) and load it; each document is loaded by exactly one worker.
//
// Threads: LoadAll may run on a background thread while the user-interface thread polls
// GetCount and GetLoadedCount (a progress display). Everything else, and reading the
// documents, belongs to one thread at a time and not to the time while LoadAll runs; the
// array is not changed during a load. LoadAll must not be called while the caller holds the
// load lock.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/RuntimeClass.h"
#include "armakon/vdi3805/CVDIDoc.h"

namespace armakon {

class hydCatalogManager;

class CVDIData : public CRuntimeObject {
  ARMAKON_RUNTIME_CLASS(CVDIData, CRuntimeObject)

 public:
  static constexpr unsigned kMaxWorkers = 64;

  // The program-wide catalog data.
  static CVDIData& instance();

  CVDIData();
  ~CVDIData() override;
  CVDIData(const CVDIData&) = delete;
  CVDIData& operator=(const CVDIData&) = delete;

  // Adds an unloaded document for the file. False when no file exists at the path, or when
  // a document of the same path (exact text), or whose file name equals the path, is held
  // already and replaceExisting is not set; with it set the new document takes the old
  // one's place in the array.
  bool AddFile(int sheet, const std::string& path, const std::string& catalogId, const std::string& catalogText,
               const std::string& note, bool replaceExisting);

  // Loads every document not loaded yet, in parallel; returns the number of documents whose
  // loaded flag is set. workers: how many to run (0, the default: one per processor); never
  // more than the documents or kMaxWorkers. The calling thread is one of them.
  int LoadAll(bool skipDetail, int expectedSheet);
  int LoadAll(bool skipDetail, int expectedSheet, unsigned workers);

  // Adds the product-data files of the sheet from every catalog of the catalog manager:
  // the files lying in the catalog's sheet folder ("VDI_2", "VDI_17", and for sheet 17 also
  // "VDI_17_2016") with the extensions VDI and vdix (and TGA for sheet 2 when old files are
  // included), and the files the catalog's info file registers for the sheet folder. Files
  // are taken in catalog order; within a catalog the registered ones first, in the info
  // file's order, then the others by name; each file once. A document carries its catalog's
  // identifier and the catalog manager's text for the sheet folder.
  // Returns the number of documents held afterwards.
  int CollectCatalogFiles(int sheet, bool includeOldFiles = false);
  int CollectCatalogFiles(int sheet, bool includeOldFiles, const hydCatalogManager& manager);

  std::size_t GetCount() const noexcept { return m_documents.size(); }
  // Documents whose loaded flag is set; safe while LoadAll runs.
  int GetLoadedCount() const noexcept;
  // std::invalid_argument when index >= GetCount().
  CVDIDoc* GetDocumentAt(std::size_t index) const;
  // The document of that path (exact text), or whose file name equals the text; null if none.
  CVDIDoc* FindDocument(std::string_view pathOrName) const;
  // Destroys every document.
  void RemoveAll() noexcept;

  // The number of workers LoadAll runs for so many documents (workers as in LoadAll).
  static unsigned WorkerCount(std::size_t documents, unsigned workers);

 private:
  void work();
  std::ptrdiff_t findIndex(std::string_view pathOrName) const;

  std::vector<std::unique_ptr<CVDIDoc>> m_documents;
  // The next document a worker takes, minus one; guarded by the load lock.
  std::ptrdiff_t m_cursor = -1;
  bool m_skipDetail = false;
  int m_expectedSheet = 0;
};

}  // namespace armakon
