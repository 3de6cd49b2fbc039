// armakon check over many files: worker processes, summary lines and the progress bar.

#include "tools/armakon/BatchCheck.h"
#include "tools/armakon/ToolMessages.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "tools/armakon/LoadCommand.h"

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
  if (!reportPath.empty() && !WriteCheckFile(lines, reportPath)) {
    result.problem = "cannot write " + reportPath;
    return result;
  }
  result.status = counts.errors > 0 ? 1 : 0;
  result.errors = counts.errors;
  result.hints = counts.hints;
  result.products = counts.products;
  return result;
}

// The result travels through a pipe as one line of numbers and the problem text.
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

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string readAll(int fd) {
  std::string text;
  char buffer[512];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return text;
    text.append(buffer, static_cast<std::size_t>(n));
  }
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

class Workers {
 public:
  Workers(const std::vector<std::string>& files, const std::vector<std::string>& reports, unsigned jobs)
      : files_(files), reports_(reports), jobs_(jobs) {}

  // Runs every file; calls finished(index, result) in the parent as each worker ends.
  template <class Finished>
  void run(Finished&& finished) {
    std::size_t next = 0;
    while (next < files_.size() || !running_.empty()) {
      while (next < files_.size() && running_.size() < jobs_) {
        if (!start(next)) finished(next, FileResult{2, 0, 0, 0, "no worker process could be started"});
        ++next;
      }
      if (running_.empty()) continue;
      int status = 0;
      const pid_t pid = ::waitpid(-1, &status, 0);
      if (pid < 0) {
        if (errno == EINTR) continue;
        break;  // no children left: nothing more will end
      }
      const auto it = running_.find(pid);
      if (it == running_.end()) continue;
      const auto [index, fd] = it->second;
      running_.erase(it);
      FileResult result = decode(readAll(fd));
      ::close(fd);
      if (!WIFEXITED(status)) result = FileResult{2, 0, 0, 0, "the check ended abnormally"};
      finished(index, result);
    }
  }

 private:
  bool start(std::size_t index) {
    int channel[2];
    if (::pipe(channel) != 0) return false;
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = ::fork();
    if (pid < 0) {
      ::close(channel[0]);
      ::close(channel[1]);
      return false;
    }
    if (pid == 0) {
      ::close(channel[0]);
      // The result fits into the pipe's buffer, so the write never waits for the parent.
      const FileResult result = checkFile(files_[index], reports_[index]);
      printShownMessages(stderr);
      std::fflush(stderr);
      ::_exit(writeAll(channel[1], encode(result)) ? result.status : 2);
    }
    ::close(channel[1]);
    running_[pid] = {index, channel[0]};
    return true;
  }

  const std::vector<std::string>& files_;
  const std::vector<std::string>& reports_;
  unsigned jobs_;
  std::map<pid_t, std::pair<std::size_t, int>> running_;  // worker -> file index, pipe
};

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
  Workers(files, reports, jobs).run([&](std::size_t index, const FileResult& result) {
    results[index] = result;
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
  if (!missing.empty() || unchecked > 0) return 2;
  return withErrors > 0 ? 1 : 0;
}

}  // namespace armakon::tool
