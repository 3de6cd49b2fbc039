#include "armakon/entry/CatalogLoader.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>

#include "armakon/vdi3805/CVDIData.h"

namespace armakon {

CatalogLoader& CatalogLoader::instance() {
  static CatalogLoader loader;
  return loader;
}

void CatalogLoader::addJob(Job job) {
  std::lock_guard<std::mutex> guard(lock_);
  jobs_.push_back(std::move(job));
}

bool CatalogLoader::isBusy() const {
  std::lock_guard<std::mutex> guard(lock_);
  return runs_ > 0;
}

bool CatalogLoader::prepareSheet(int sheet, bool includeOldEdition) {
  // Held while collecting, so that no run of jobs starts on the catalog data meanwhile.
  std::lock_guard<std::mutex> guard(lock_);
  if (runs_ > 0) return false;
  CVDIData::instance().CollectCatalogFiles(sheet, includeOldEdition);
  return true;
}

void CatalogLoader::loadPending() {
  std::vector<Job> jobs;
  {
    std::lock_guard<std::mutex> guard(lock_);
    ++runs_;
    jobs.swap(jobs_);
  }
  std::atomic<std::size_t> next{0};
  auto work = [&jobs, &next] {
    for (std::size_t index = next++; index < jobs.size(); index = next++) {
      try {
        if (jobs[index]) jobs[index]();
      } catch (...) {
        // A job reports its own failures; one that throws must not end the process.
      }
    }
  };
  const std::size_t processors = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::jthread> workers;
  try {
    for (std::size_t i = 0; i < std::min(processors, jobs.size()); ++i) workers.emplace_back(work);
  } catch (...) {
    // No further thread could be started: the ones running and the calling thread do the rest.
  }
  work();
  workers.clear();  // joins
  std::lock_guard<std::mutex> guard(lock_);
  --runs_;
}

}  // namespace armakon
