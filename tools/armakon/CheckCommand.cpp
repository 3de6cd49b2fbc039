// armakon check: the check report of one VDI 3805 file, as the valve catalog dialog's
// "Prüfung..." writes it (creation date, manufacturer information, then the report).

#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/LoadCommand.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

struct CheckOptions {
  std::string path;
  std::string output;
  std::string descriptions;
};

int failShowing(const std::string& text) {
  const int status = fail(text);
  printShownMessages(stderr);
  return status;
}

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr) local = std::tm{};
  return local;
}

int check(const CheckOptions& options) {
  if (const std::string problem = inputProblem(options.path); !problem.empty()) {
    return fail(options.path + ": " + problem);
  }
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.clear();
  if (!options.descriptions.empty()) CVDITemplate::SetFolder(options.descriptions);

  CVDIDoc document;
  if (!document.Load(options.path, false, 0) || !document.IsParsed()) {
    printReportEntries(stderr);
    return failShowing(options.path + " cannot be read as a VDI 3805 file");
  }
  if (document.GetSheet() != 2 && document.GetSheet() != 17) {
    return failShowing(options.path + " holds sheet " + std::to_string(document.GetSheet()) +
                "; only sheets 2 and 17 are checked");
  }

  StringList lines;
  const CheckReportCounts counts = BuildCheckFile(lines, document, localNow());
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
      "total; headed by the creation date and the manufacturer's contact.");
  command->add_option("FILE", options->path, "The VDI 3805 file (*.VDI, *.vdix, *.TGA)")->required();
  command->add_option("-o,--output", options->output, "Write the report to this file (UTF-8) instead of stdout");
  command->add_option("--descriptions", options->descriptions,
                      "Folder of the record-type descriptions; default: the current folder");
  command->footer(
      "Exit status: 0 when the report holds no error, 1 when it holds errors, 2 when the file\n"
      "could not be loaded (or the report could not be written).\n"
      "Example: armakon check data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI -o report.txt");
  command->callback([&action, options] { action = [options] { return check(*options); }; });
}

}  // namespace armakon::tool
