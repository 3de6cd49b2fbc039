#pragma once
// CatalogLoader: gets the program-wide catalog data ready before a dialog needs them.
//
// Two kinds of work run through it:
//  - prepareSheet adds the product-data files of one sheet's catalogs to the catalog data
//    (CVDIData::CollectCatalogFiles: every catalog of the catalog manager, the user catalog
//    "RN_USER" among them; *.VDI files, and *.TGA files for sheet 2 when the old edition is
//    included). The valve selection of the entry runs it before the valve catalog dialog.
//  - pending jobs: preparation the host queues (addJob), for example loading the catalog data
//    or reading the pump catalog ahead of time, and runs with loadPending, typically on a
//    background thread at start-up. The jobs of one run go in parallel, so they must not
//    share data; each reports its own failures (report list, messages).
// While jobs run the loader is busy and prepareSheet refuses; its caller polls.
//
// Threads: every member may be called from any thread.

#include <functional>
#include <mutex>
#include <vector>

namespace armakon {

class CatalogLoader {
 public:
  using Job = std::function<void()>;

  // The program-wide loader.
  static CatalogLoader& instance();

  CatalogLoader() = default;
  CatalogLoader(const CatalogLoader&) = delete;
  CatalogLoader& operator=(const CatalogLoader&) = delete;

  void addJob(Job job);
  // Marks the loader busy, runs the pending jobs on as many worker threads as there are
  // processors (at most one per job) while the calling thread takes jobs too, empties the
  // list and clears the busy mark. Jobs queued meanwhile wait for the next call.
  void loadPending();
  bool isBusy() const;
  // Adds the catalog files of the sheet (see above) unless the loader is busy; false when
  // it is.
  bool prepareSheet(int sheet, bool includeOldEdition);

 private:
  mutable std::mutex lock_;
  std::vector<Job> jobs_;
  int runs_ = 0;  // loadPending calls under way
};

}  // namespace armakon
