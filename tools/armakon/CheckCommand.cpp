// armakon check: the check report of one VDI 3805 file, as the valve catalog dialog's
// "Prüfung..." writes it (creation date, manufacturer information, then the report); given
// several files or folders, the batch check (BatchCheck.h).

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "tools/armakon/BatchCheck.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/LoadCommand.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

struct CheckOptions {
  std::vector<std::string> paths;
  std::string output;
  std::string descriptions;
  unsigned jobs = 0;
};

// One file whose report goes to stdout or to a file is checked here; several files, a folder
// or a report folder make a batch.
bool isBatch(const CheckOptions& options) {
  std::error_code error;
  return options.paths.size() > 1 || std::filesystem::is_directory(options.paths.front(), error) ||
         (!options.output.empty() && std::filesystem::is_directory(options.output, error));
}

int failShowing(const std::string& text) {
  const int status = fail(text);
  printShownMessages(stderr);
  return status;
}

int check(const CheckOptions& options) {
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.clear();
  if (!options.descriptions.empty()) CVDITemplate::SetFolder(options.descriptions);
  if (isBatch(options)) return RunBatchCheck({options.paths, options.output, options.jobs});

  const std::string& path = options.paths.front();
  if (const std::string problem = inputProblem(path); !problem.empty()) return fail(path + ": " + problem);
  CVDIDoc document;
  if (!document.Load(path, false, 0) || !document.IsParsed()) {
    printReportEntries(stderr);
    return failShowing(path + " cannot be read as a VDI 3805 file");
  }
  if (document.GetSheet() != 2 && document.GetSheet() != 17) {
    return failShowing(path + " holds sheet " + std::to_string(document.GetSheet()) +
                "; only sheets 2 and 17 are checked");
  }

  StringList lines;
  const CheckReportCounts counts = BuildCheckFile(lines, document, LocalNow());
  reports.clear();
  if (options.output.empty()) {
    const std::string text = CheckFileText(lines);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
  } else if (!WriteCheckFile(lines, options.output)) {
    return failShowing("cannot write " + options.output + ": " + systemReason());
  }
  printShownMessages(stderr);
  return counts.errors > 0 ? 1 : 0;
}

}  // namespace

void addCheckCommand(CLI::App& app, Action& action) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App* command = app.add_subcommand(
      "check",
      "Write the check report of one VDI 3805 file: every product converted valve type by valve\n"
      "type, each error and hint with the record it concerns, and the counts per type and in\n"
      "total; headed by the creation date and the manufacturer's contact. Given several files\n"
      "or folders, check them all in parallel: one summary line per file and a total.");
  command->add_option("PATH", options->paths,
                      "The VDI 3805 file (*.VDI, *.vdix, *.TGA), or several files and folders\n"
                      "(searched for such files)")
      ->required();
  command->add_option("-o,--output", options->output,
                      "Write the report to this file (UTF-8) instead of stdout; for several files\n"
                      "a folder that receives one report per file (named after the file)");
  command->add_option("--jobs", options->jobs, "Worker processes of a batch (0: one per processor)")
      ->capture_default_str();
  command->add_option("--descriptions", options->descriptions,
                      "Folder of the record-type descriptions; default: the current folder");
  command->footer(
      "A batch shows a progress bar while stdout is a terminal. Exit status: 0 when no report\n"
      "holds an error, 1 when one does, 2 when a file could not be loaded (or a report could\n"
      "not be written, or a path does not exist).\n"
      "Example: armakon check data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI -o report.txt\n"
      "         armakon check data/samples/catalogs -o reports --jobs 2");
  command->callback([&action, options] { action = [options] { return check(*options); }; });
}

}  // namespace armakon::tool
