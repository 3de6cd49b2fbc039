// armakon check over many files: worker processes, summary lines and the progress bar.

#include "tools/armakon/BatchCheck.h"
#include "tools/armakon/ToolMessages.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "tools/armakon/LoadCommand.h"
#include "tools/armakon/WorkerPool.h"

namespace armakon::tool {

namespace fs = std::filesystem;

namespace {

// What a worker reports for its file.
struct FileResult {
  int status = 2;  // 0 no error, 1 errors, 2 not checked
  int errors = 0;
  int hints = 0;
  int products = 0;
  std::string problem;  // why the file was not checked
};

// The check of one file, inside its worker process.
FileResult checkFile(const std::string& path, const std::string& reportPath) {
  FileResult result;
  CMiniReportUtil::instance().clear();
  CVDIDoc document;
  if (!document.Load(path, false, 0) || !document.IsParsed()) {
    result.problem = "cannot be read as a VDI 3805 file";
    return result;
  }
  if (document.GetSheet() != 2 && document.GetSheet() != 17) {
    result.problem = "holds sheet " + std::to_string(document.GetSheet()) + "; only sheets 2 and 17 are checked";
    return result;
  }
  StringList lines;
  const CheckReportCounts counts = BuildCheckFile(lines, document, LocalNow());
  // The parent brings all reports to the disk at once when the batch is through.
  if (!reportPath.empty() && !WriteCheckFile(lines, reportPath, FileSync::Deferred)) {
    result.problem = "cannot write " + reportPath;
    return result;
  }
  result.status = counts.errors > 0 ? 1 : 0;
  result.errors = counts.errors;
  result.hints = counts.hints;
  result.products = counts.products;
  return result;
}

// The result travels from the worker as one line of numbers and the problem text.
std::string encode(const FileResult& r) {
  return std::to_string(r.status) + ' ' + std::to_string(r.errors) + ' ' + std::to_string(r.hints) + ' ' +
         std::to_string(r.products) + ' ' + r.problem;
}

FileResult decode(const std::string& text) {
  FileResult r;
  int consumed = 0;
  if (std::sscanf(text.c_str(), "%d %d %d %d %n", &r.status, &r.errors, &r.hints, &r.products, &consumed) < 4) {
    return FileResult{2, 0, 0, 0, "the check ended abnormally"};
  }
  r.problem = text.substr(static_cast<std::size_t>(consumed));
  return r;
}

FileResult resultOf(const WorkerPool::Outcome& outcome) {
  switch (outcome.kind) {
    case WorkerPool::Outcome::Kind::Done: return decode(outcome.result);
    case WorkerPool::Outcome::Kind::WorkerDied: return FileResult{2, 0, 0, 0, "the check ended abnormally"};
    case WorkerPool::Outcome::Kind::NoWorker: break;
  }
  return FileResult{2, 0, 0, 0, "no worker process could be started"};
}

// "1 error", "2 errors".
std::string counted(long long n, const char* word) {
  return std::to_string(n) + ' ' + word + (n == 1 ? "" : "s");
}

std::string summaryLine(const std::string& file, const FileResult& r) {
  if (r.status == 2) return file + ": not checked, " + r.problem;
  return file + ": " + counted(r.errors, "error") + ", " + counted(r.hints, "hint") + ", " +
         counted(r.products, "product");
}

// A bar of 30 characters and the count, redrawn in place.
void drawProgress(std::size_t done, std::size_t total) {
  constexpr std::size_t width = 30;
  const std::size_t filled = total == 0 ? width : done * width / total;
  std::printf("\r[%s%s] %zu/%zu files", std::string(filled, '#').c_str(), std::string(width - filled, '.').c_str(),
              done, total);
  std::fflush(stdout);
}

void clearProgress() { std::fputs("\r\033[K", stdout); }

// The order the files are checked in: the largest first. A batch that ends with its small
// files has no worker wait long at the end for another's last big file.
std::vector<std::size_t> largestFirst(const std::vector<std::string>& files) {
  std::vector<std::uintmax_t> sizes(files.size(), 0);
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(files[i], error);
    if (!error) sizes[i] = size;
  }
  std::vector<std::size_t> order(files.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return sizes[a] > sizes[b]; });
  return order;
}

}  // namespace

int RunBatchCheck(const BatchCheckOptions& options) {
  std::vector<std::string> missing;
  const std::vector<std::string> files = CollectCheckFiles(options.paths, missing);
  for (const std::string& path : missing) fail("no such file or folder: " + path);
  if (files.empty()) {
    fail("no VDI 3805 files found");
    return 2;
  }
  std::vector<std::string> reports(files.size());
  if (!options.outputFolder.empty()) {
    std::error_code error;
    fs::create_directories(options.outputFolder, error);
    const std::vector<std::string> names = ReportFileNames(files);
    for (std::size_t i = 0; i < files.size(); ++i) reports[i] = (fs::path(options.outputFolder) / names[i]).string();
  }
  const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
  const unsigned jobs =
      static_cast<unsigned>(std::min<std::size_t>(options.jobs == 0 ? processors : options.jobs, files.size()));

  const bool progress = ::isatty(STDOUT_FILENO) != 0;
  std::vector<FileResult> results(files.size());
  std::vector<bool> ended(files.size(), false);
  std::size_t printed = 0;
  std::size_t done = 0;
  if (progress) drawProgress(0, files.size());
  const std::vector<std::size_t> order = largestFirst(files);
  const auto work = [&](std::size_t job) {
    const FileResult result = checkFile(files[order[job]], reports[order[job]]);
    printShownMessages(stderr);
    std::fflush(stderr);
    return encode(result);
  };
  WorkerPool pool(files.size(), jobs, work);  // reaps its workers at the end, after the sync
  pool.run([&](std::size_t job, const WorkerPool::Outcome& outcome) {
    const std::size_t index = order[job];
    results[index] = resultOf(outcome);
    ended[index] = true;
    ++done;
    // Summary lines keep the order of the files, whatever order the workers end in.
    if (progress) clearProgress();
    for (; printed < files.size() && ended[printed]; ++printed) {
      std::printf("%s\n", summaryLine(files[printed], results[printed]).c_str());
    }
    if (progress) drawProgress(done, files.size());
  });
  if (progress) clearProgress();
  bool synced = true;
  if (!options.outputFolder.empty() && !syncFileSystem(options.outputFolder)) {
    fail("cannot bring the reports in " + options.outputFolder + " to the disk: " + systemReason());
    synced = false;
  }

  int errors = 0;
  int hints = 0;
  int products = 0;
  std::size_t withErrors = 0;
  std::size_t unchecked = 0;
  for (const FileResult& r : results) {
    errors += r.errors;
    hints += r.hints;
    products += r.products;
    withErrors += r.status == 1 ? 1 : 0;
    unchecked += r.status == 2 ? 1 : 0;
  }
  std::printf("total: %s, %zu with errors, %zu not checked; %s, %s, %s\n",
              counted(static_cast<long long>(files.size()), "file").c_str(), withErrors, unchecked,
              counted(errors, "error").c_str(), counted(hints, "hint").c_str(), counted(products, "product").c_str());
  std::fflush(stdout);
  if (!missing.empty() || unchecked > 0 || !synced) return 2;
  return withErrors > 0 ? 1 : 0;
}

}  // namespace armakon::tool
