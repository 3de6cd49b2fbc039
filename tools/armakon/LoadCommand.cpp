// armakon load: loads VDI 3805 files, folders and catalog roots in parallel, as the valve
// catalog dialog does, and prints what was loaded and every report-list entry.

#include "tools/armakon/LoadCommand.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "armakon/components/hydCatalogManager.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VdiFileRead.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace fs = std::filesystem;

void printReportEntries(std::FILE* out) {
  for (const CMiniReportUtil::report& entry : CMiniReportUtil::instance().entries()) {
    const bool error = entry.code <= 1000;
    std::fprintf(out, "%s %d: %s\n", error ? "Fehler" : "Hinweis", entry.code, entry.title.c_str());
    // The stored detail repeats the title ("title:\r\n\r\ndetail"); print the detail only.
    std::string detail = entry.detail;
    const std::string head = entry.title + ":\r\n\r\n";
    if (detail.compare(0, head.size(), head) == 0) detail.erase(0, head.size());
    detail = hydStrUtil::Replace(detail, "\r\n", "\n");
    std::size_t start = 0;
    while (start < detail.size()) {
      const std::size_t end = std::min(detail.find('\n', start), detail.size());
      std::fprintf(out, "    %s\n", detail.substr(start, end - start).c_str());
      start = end + 1;
    }
  }
}

void printShownMessages(std::FILE* out) {
  for (const ShownMessage& message : headlessPlatform().takeMessages()) {
    std::fprintf(out, "message: %s\n", hydStrUtil::Replace(message.text, "\n", " ").c_str());
  }
}

namespace {

struct LoadOptions {
  std::vector<std::string> paths;
  int sheet = 0;
  bool oldFiles = false;
  bool skipDetail = false;
  bool resolve = false;
  unsigned jobs = 0;
  std::string descriptions;
};

bool isFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// A catalog root holds catalogs: folders with an info file.
bool isCatalogRoot(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code kind;
    if (it->is_directory(kind) && fs::exists(it->path() / std::string(kDefaultCatalogInfoFileName), kind)) return true;
  }
  return false;
}

bool isProductDataFile(const std::string& path, bool oldFiles) {
  const std::string extension = VdiFileExtension(path);
  return extension == "vdi" || extension == "vdix" || (oldFiles && extension == "tga");
}

class Collector {
 public:
  Collector(CVDIData& data, const LoadOptions& options) : data_(data), options_(options) {}

  // False when the path does not exist.
  bool add(const std::string& path) {
    if (isFolder(path)) {
      addFolder(path);
      return true;
    }
    std::error_code error;
    if (!fs::exists(path, error)) return false;
    data_.AddFile(options_.sheet, path, "", "", "", false);
    return true;
  }

 private:
  void addCatalogRoot(const std::string& root) {
    hydCatalogManager manager;
    manager.init(root);
    for (int sheet : {2, 17}) {
      if (options_.sheet == 0 || options_.sheet == sheet) data_.CollectCatalogFiles(sheet, options_.oldFiles, manager);
    }
  }

  // A plain folder: its product-data files, and the catalog roots among its sub-folders
  // through the catalog manager, in path order.
  void addFolder(const std::string& folder) {
    if (isCatalogRoot(folder)) {
      addCatalogRoot(folder);
      return;
    }
    std::vector<std::pair<std::string, bool>> found;  // path, is a catalog root
    std::error_code error;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (const fs::recursive_directory_iterator end; !error && it != end; it.increment(error)) {
      std::error_code kind;
      if (it->is_directory(kind)) {
        if (isCatalogRoot(it->path())) {
          found.emplace_back(it->path().string(), true);
          it.disable_recursion_pending();
        }
      } else if (isProductDataFile(it->path().string(), options_.oldFiles && options_.sheet != 17)) {
        found.emplace_back(it->path().string(), false);
      }
    }
    std::sort(found.begin(), found.end());
    for (const auto& [path, root] : found) {
      if (root) {
        addCatalogRoot(path);
      } else {
        data_.AddFile(options_.sheet, path, "", "", "", false);
      }
    }
  }

  CVDIData& data_;
  const LoadOptions& options_;
};

void loadWithProgress(CVDIData& data, const LoadOptions& options) {
  if (!::isatty(STDERR_FILENO)) {
    data.LoadAll(options.skipDetail, options.sheet, options.jobs);
    return;
  }
  std::atomic<bool> done{false};
  std::thread loader([&] {
    data.LoadAll(options.skipDetail, options.sheet, options.jobs);
    done = true;
  });
  const std::size_t total = data.GetCount();
  while (!done) {
    const int percent = static_cast<int>(static_cast<std::size_t>(data.GetLoadedCount()) * 100 / total);
    std::fprintf(stderr, "\rloading files: %i%% ", percent);
    std::fflush(stderr);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  loader.join();
  std::fprintf(stderr, "\r%24s\r", "");
}

const CVDIBase* headerOf(const CVDIDoc& document) {
  for (const auto& child : document.GetChildren()) {
    if (child->IsKindOf(VDIStruct_010::GetThisClass())) return child.get();
  }
  return nullptr;
}

// Whether the document was read but left out because it holds another sheet than the one
// asked for.
bool skippedForSheet(const CVDIDoc& document, const LoadOptions& options) {
  return !document.IsParsed() && document.IsLoaded() && options.sheet != 0 && !document.GetDate().empty() &&
         document.GetSheet() != options.sheet;
}

std::string describe(const CVDIDoc& document, const LoadOptions& options, std::size_t& products) {
  if (skippedForSheet(document, options)) {
    return "skipped: the file holds sheet " + std::to_string(document.GetSheet()) + ", not sheet " +
           std::to_string(options.sheet);
  }
  if (!document.IsParsed()) return "refused";
  std::vector<const CVDIBase*> found;
  CollectRecords(&document, 80000, found);
  products = found.size();
  if (options.resolve) {
    std::vector<const CVDIBase*> references;
    for (const CVDIBase* product : found) GetReferencedRecords(product, 0, references);
  }
  const CVDIBase* header = headerOf(document);
  return "sheet " + std::to_string(document.GetSheet()) + ", guideline date " + document.GetDate() + ", " +
         (header ? GetField(header, 4) : std::string("no file header")) + ": " + std::to_string(products) +
         (products == 1 ? " product" : " products");
}

int load(const LoadOptions& options) {
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.clear();
  if (!options.descriptions.empty()) CVDITemplate::SetFolder(options.descriptions);

  CVDIData data;
  Collector collector(data, options);
  for (const std::string& path : options.paths) {
    if (!collector.add(path)) fail(path + ": no such file or folder");
  }
  if (data.GetCount() == 0) return fail("no VDI 3805 files found");

  loadWithProgress(data, options);

  int parsed = 0;
  int skipped = 0;
  std::size_t products = 0;
  for (std::size_t i = 0; i < data.GetCount(); ++i) {
    const CVDIDoc& document = *data.GetDocumentAt(i);
    std::size_t count = 0;
    const std::string text = describe(document, options, count);
    products += count;
    if (document.IsParsed()) ++parsed;
    if (skippedForSheet(document, options)) ++skipped;
    const std::string catalog = document.GetCatalogId().empty() ? std::string() : document.GetCatalogId() + "  ";
    std::printf("%s%s\n    %s\n", catalog.c_str(), document.GetPath().c_str(), text.c_str());
  }
  std::printf("\ndocuments %zu, loaded %d, skipped for another sheet %d, products %zu\n", data.GetCount(), parsed,
              skipped, products);
  const int errors = reports.errorCount();
  std::printf("report list: %zu entries, %d errors, %zu hints\n", reports.size(), errors,
              reports.size() - static_cast<std::size_t>(errors));
  if (!reports.empty()) {
    std::printf("\n");
    reports.sort();
    printReportEntries(stdout);
  }
  std::fflush(stdout);
  printShownMessages(stderr);
  if (parsed == 0 && skipped == 0) return 2;
  return errors > 0 || skipped > 0 ? 1 : 0;
}

}  // namespace

void addLoadCommand(CLI::App& app, Action& action) {
  auto options = std::make_shared<LoadOptions>();
  CLI::App* command = app.add_subcommand(
      "load",
      "Load VDI 3805 files in parallel as the valve catalog does (one worker per processor)\n"
      "and print each document, the counts, and every entry of the report list.");
  command->add_option("PATH", options->paths,
                      "Files (*.VDI, *.vdix, *.TGA), folders (searched for such files), or\n"
                      "catalog roots (folders of catalogs with a desktop.info, whose sheet\n"
                      "folders VDI_2, VDI_17 and VDI_17_2016 are read)")
      ->required();
  command->add_option("--sheet", options->sheet, "Load for this sheet only: 2 heating or 17 drinking-water valves")
      ->check(CLI::IsMember({2, 17}));
  command->add_flag("--old", options->oldFiles,
                    "Include old files (*.TGA, guideline 08.1996; they hold sheet 2) found in folders");
  command->add_flag("--skip-detail", options->skipDetail,
                    "Leave out the records the valve choice never reads (970.02 and above)");
  command->add_flag("--resolve", options->resolve,
                    "Resolve the TGA numbers of every product, so that their problems are listed");
  command->add_option("--jobs", options->jobs, "Number of load workers (0: one per processor)")
      ->capture_default_str();
  command->add_option("--descriptions", options->descriptions,
                      "Folder of the record-type descriptions (vdi3805-Blatt02-Beschreibungen.txt,\n"
                      "vdi3805-Blatt17-Beschreibungen.txt); default: the current folder");
  command->footer(
      "Progress is shown on stderr when it is a terminal. Exit status: 0 when everything\n"
      "loaded without an error, 1 when the report list holds errors or a file was skipped for\n"
      "holding another sheet than --sheet, 2 when nothing could be read (no file found, or\n"
      "every file refused).\n"
      "Example: armakon load data/samples --old --descriptions data/samples/descriptions");
  command->callback([&action, options] { action = [options] { return load(*options); }; });
}

}  // namespace armakon::tool
