#include "armakon/vdi3805/CVDIData.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <set>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "armakon/components/hydCatalogManager.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/VdiFileRead.h"

namespace armakon {

namespace fs = std::filesystem;

namespace {

bool isFile(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(fs::path(path), error);
  return !error && fs::exists(status) && !fs::is_directory(status);
}

bool wantedExtension(const std::string& path, bool withOldFiles) {
  const std::string extension = VdiFileExtension(path);
  return extension == "vdi" || extension == "vdix" || (withOldFiles && extension == "tga");
}

// The product-data files lying directly in a folder, by name.
std::vector<std::string> filesInFolder(const std::string& folder, bool withOldFiles) {
  std::vector<std::string> files;
  std::error_code error;
  fs::directory_iterator it(fs::path(folder), error);
  if (error) return files;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    std::error_code kindError;
    if (it->is_directory(kindError)) continue;
    const std::string path = it->path().string();
    if (wantedExtension(path, withOldFiles)) files.push_back(path);
  }
  std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
    return VdiFileName(a) < VdiFileName(b);
  });
  return files;
}

// A spelling of the path that is the same for every way of writing it, to take a file once.
std::string identityOf(const std::string& path) {
  std::error_code error;
  const fs::path canonical = fs::weakly_canonical(fs::path(path), error);
  return error ? fs::path(path).lexically_normal().string() : canonical.string();
}

}  // namespace

CVDIData& CVDIData::instance() {
  static CVDIData data;
  return data;
}

CVDIData::CVDIData() = default;
CVDIData::~CVDIData() = default;

std::ptrdiff_t CVDIData::findIndex(std::string_view pathOrName) const {
  for (std::size_t i = 0; i < m_documents.size(); ++i) {
    const CVDIDoc& document = *m_documents[i];
    if (document.GetPath() == pathOrName || VdiFileName(document.GetPath()) == pathOrName) {
      return static_cast<std::ptrdiff_t>(i);
    }
  }
  return -1;
}

bool CVDIData::AddFile(int sheet, const std::string& path, const std::string& catalogId,
                       const std::string& catalogText, const std::string& note, bool replaceExisting) {
  if (!isFile(path)) return false;
  auto document = std::make_unique<CVDIDoc>(path, catalogId, catalogText, note, sheet);
  const std::ptrdiff_t existing = findIndex(path);
  if (existing >= 0) {
    if (!replaceExisting) return false;
    m_documents[static_cast<std::size_t>(existing)] = std::move(document);
    return true;
  }
  m_documents.push_back(std::move(document));
  return true;
}

unsigned CVDIData::WorkerCount(std::size_t documents, unsigned workers) {
  if (documents == 0) return 0;
  if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
  workers = std::min(workers, kMaxWorkers);
  if (documents < workers) workers = static_cast<unsigned>(documents);
  return workers;
}

int CVDIData::LoadAll(bool skipDetail, int expectedSheet) { return LoadAll(skipDetail, expectedSheet, 0); }

int CVDIData::LoadAll(bool skipDetail, int expectedSheet, unsigned workers) {
  if (m_documents.empty()) return 0;
  // Field values are parsed with NumberText (std::from_chars), which never looks at the
  // process locale, so no numeric locale has to be set for the workers (and none is: a
  // library must not change its host's locale).
  m_skipDetail = skipDetail;
  m_expectedSheet = expectedSheet;
  {
    std::lock_guard<std::mutex> guard(CMiniReportUtil::loadLock());
    m_cursor = -1;
  }

  const unsigned count = WorkerCount(m_documents.size(), workers);
  std::vector<std::thread> helpers;
  helpers.reserve(count > 0 ? count - 1 : 0);
  for (unsigned i = 1; i < count; ++i) {
    try {
      helpers.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the ones running (and this one) share the rest
    }
  }
  work();
  for (std::thread& helper : helpers) helper.join();
  return GetLoadedCount();
}

void CVDIData::work() {
  for (;;) {
    CVDIDoc* document = nullptr;
    {
      std::lock_guard<std::mutex> guard(CMiniReportUtil::loadLock());
      ++m_cursor;
      if (m_cursor < static_cast<std::ptrdiff_t>(m_documents.size())) {
        document = m_documents[static_cast<std::size_t>(m_cursor)].get();
      }
    }
    if (document == nullptr) return;
    if (document->IsLoaded()) continue;
    document->Load(document->GetPath(), m_skipDetail, m_expectedSheet);
  }
}

int CVDIData::GetLoadedCount() const noexcept {
  int loaded = 0;
  for (const auto& document : m_documents) {
    if (document->IsLoaded()) ++loaded;
  }
  return loaded;
}

CVDIDoc* CVDIData::GetDocumentAt(std::size_t index) const {
  if (index >= m_documents.size()) throw std::invalid_argument("CVDIData::GetDocumentAt: index out of range");
  return m_documents[index].get();
}

CVDIDoc* CVDIData::FindDocument(std::string_view pathOrName) const {
  const std::ptrdiff_t index = findIndex(pathOrName);
  return index < 0 ? nullptr : m_documents[static_cast<std::size_t>(index)].get();
}

void CVDIData::RemoveAll() noexcept { m_documents.clear(); }

int CVDIData::CollectCatalogFiles(int sheet, bool includeOldFiles) {
  return CollectCatalogFiles(sheet, includeOldFiles, hydCatalogManager::getInstance());
}

int CVDIData::CollectCatalogFiles(int sheet, bool includeOldFiles, const hydCatalogManager& manager) {
  const std::string sheetFolder = "VDI_" + std::to_string(sheet);
  std::vector<std::string> folders{sheetFolder};
  // Sheet 17 of 2016 changed the records; catalogs keep such files in a folder of their own.
  if (sheet == 17) folders.push_back(sheetFolder + "_2016");
  const bool withOldFiles = includeOldFiles && sheet == 2;

  std::vector<const hydCatalogInfo*> catalogs;
  manager.getCatalogList(catalogs);
  std::set<std::string> taken;
  for (const hydCatalogInfo* catalog : catalogs) {
    const std::string catalogText = manager.ensureMMDLoaded(catalog, sheetFolder);
    std::vector<std::string> files;
    for (const std::string& folder : folders) {
      for (const std::string& path : catalog->getContentFilePathNames(folder)) {
        if (wantedExtension(path, withOldFiles)) files.push_back(path);
      }
    }
    for (const std::string& folder : folders) {
      const std::vector<std::string> lying = filesInFolder(catalog->getStrRootPath() + folder, withOldFiles);
      files.insert(files.end(), lying.begin(), lying.end());
    }
    for (const std::string& path : files) {
      if (!isFile(path) || !taken.insert(identityOf(path)).second) continue;
      AddFile(sheet, path, catalog->getStrID(), catalogText, std::string(), false);
    }
  }
  return static_cast<int>(m_documents.size());
}

}  // namespace armakon
