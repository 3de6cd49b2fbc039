#pragma once
// CMiniReportUtil: the program-wide report list of errors and hints.
//
// Whatever goes wrong while VDI 3805 data are read, converted or checked is filed here as an
// entry with a title, a detail text and a code. Codes 1..1000 are errors ("Fehler"), codes
// 1001..2000 hints ("Hinweis"); within each class a lower code is shown first. The dialogs
// ask the list whether a take-over is possible (state, error count) and show it.
//
// Filing an entry (addError / addHint):
//  - title and detail are trimmed;
//  - with a record given and include-document-info set (the default), the manufacturer's
//    contact from the record's document (record 010: name, web page, comment) is appended;
//  - with a record given and include-record-context set, the record's position
//    (RecordPath, e.g. "[Satzart;Index;] -> 010;1; -> 100;2; -> 110;5;") and two line
//    breaks are put in front of the detail;
//  - a non-empty detail is stored as "title:\r\n\r\ndetail" with every line break as "\r\n";
//    an empty one is stored empty.
//
// Threads: catalog workers file entries while documents load in parallel. Every operation
// on the entries takes the list's own lock, so an entry always arrives whole. Besides that
// the list hands out the one process-wide load lock (loadLock) that the parallel catalog
// load holds around its shared cursor and around the entries it files; the list never
// takes that lock itself, so holding it while filing cannot deadlock. Reading entries by
// reference (entry(i)) is meant for the user-interface thread once loading has ended.

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace armakon {

class CVDIBase;

class CMiniReportUtil {
 public:
  struct report {
    std::string title;   // trimmed title
    std::string detail;  // "title:\r\n\r\ndetail", or empty
    int code = 0;        // 1..1000 error, 1001..2000 hint
  };

  // Overall state of the list (state()).
  static constexpr int kStateEmpty = 0;
  static constexpr int kStateErrors = 1;
  static constexpr int kStateHintsOnly = 2;

  // The program-wide list.
  static CMiniReportUtil& instance();
  // The process-wide lock of the parallel catalog load (cursor and entries filed while
  // loading). See the file comment.
  static std::mutex& loadLock();

  CMiniReportUtil() = default;
  CMiniReportUtil(const CMiniReportUtil&) = delete;
  CMiniReportUtil& operator=(const CMiniReportUtil&) = delete;
  ~CMiniReportUtil() = default;

  // Code clamped to 1..1000.
  void addError(int code, std::string_view title, std::string_view detail,
                const CVDIBase* record = nullptr);
  // Code clamped to 1..1000, then 1000 added.
  void addHint(int code, std::string_view title, std::string_view detail,
               const CVDIBase* record = nullptr);

  // kStateEmpty, kStateErrors (at least one error) or kStateHintsOnly.
  int state() const;
  // Entries whose code is below 1001.
  int errorCount() const;
  std::size_t size() const;
  bool empty() const { return size() == 0; }

  // The entry at the index (list order); std::invalid_argument when out of range.
  const report& entry(std::size_t index) const;
  // A copy of all entries in list order (safe while others still file).
  std::vector<report> entries() const;

  // Deletes every entry and sets seen.
  void clear();
  // Orders the entries by code, ascending; equal codes keep their order.
  void sort();
  // Sorts, then opens the report viewer titled "Reportliste" or "Reportliste - name"; sets
  // seen afterwards. Without a viewer installed the entries' titles are shown through the
  // platform layer as an information message, one line per entry.
  void show(std::string_view name = {});

  // The report viewer show opens (the list and the caption); null: the plain message. The
  // viewer runs on the calling thread without any lock of the list held.
  using Viewer = std::function<void(CMiniReportUtil& list, const std::string& caption)>;
  void setViewer(Viewer viewer);

  // Seen: set by clear() and show(), cleared by every new entry.
  bool seen() const;
  void setSeen(bool seen);

  bool includeDocumentInfo() const;
  void setIncludeDocumentInfo(bool include);
  bool includeRecordContext() const;
  void setIncludeRecordContext(bool include);

  // The detail as the list stores it for the given inputs (steps 1 to 3 of filing, with the
  // list's current flags); what addError/addHint put into the entry.
  std::string buildDetail(std::string_view title, std::string_view detail,
                          const CVDIBase* record) const;

 private:
  void insert(int code, std::string_view title, std::string_view detail, const CVDIBase* record);

  mutable std::mutex lock_;
  bool includeDocumentInfo_ = true;
  bool includeRecordContext_ = false;
  std::vector<std::unique_ptr<report>> entries_;
  bool seen_ = false;
  Viewer viewer_;
};

}  // namespace armakon
