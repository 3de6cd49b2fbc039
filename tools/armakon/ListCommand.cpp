// armakon list: the file header of one VDI 3805 file and its valve kinds with their models.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/LoadCommand.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

constexpr int kKindCode = 10000;   // record 100
constexpr int kModelCode = 11000;  // record 110
constexpr int kProductCode = 80000;

struct ListOptions {
  std::string path;
  std::string descriptions;
};

std::string padded(std::string text, std::size_t width) {
  const std::size_t length = hydStrUtil::CharCount(text);
  if (length < width) text.append(width - length, ' ');
  return text;
}

std::string orDash(std::string text) { return text.empty() ? std::string("-") : text; }

std::string describe(const CVDIDoc& document) {
  const CVDIBase* header = nullptr;
  for (const auto& child : document.GetChildren()) {
    if (child->IsKindOf(VDIStruct_010::GetThisClass())) {
      header = child.get();
      break;
    }
  }
  std::string out;
  out += padded("file", 16) + document.GetPath() + "\n";
  out += padded("sheet", 16) + std::to_string(document.GetSheet()) + (document.IsOldFormat() ? " (TGA, 1996 layout)\n" : "\n");
  out += padded("guideline date", 16) + orDash(document.GetDate()) + "\n";
  out += padded("manufacturer", 16) + orDash(GetField(header, 4)) + "\n";
  out += padded("web page", 16) + orDash(GetField(header, 6)) + "\n";
  if (header == nullptr) return out;

  std::size_t models = 0;
  std::size_t products = 0;
  for (const auto& kind : header->GetChildren()) {
    if (kind->GetCode() != kKindCode) continue;
    out += "\nkind " + GetField(kind.get(), 2) + ": " + GetField(kind.get(), 4) + "\n";
    out += "    110  " + padded("model", 48) + "products\n";
    for (const auto& model : kind->GetChildren()) {
      if (model->GetCode() != kModelCode) continue;
      std::vector<const CVDIBase*> found;
      CollectRecords(model.get(), kProductCode, found);
      std::string index = GetField(model.get(), 2);
      if (index.size() < 7) index.insert(0, 7 - index.size(), ' ');
      std::string count = std::to_string(found.size());
      if (count.size() < 8) count.insert(0, 8 - count.size(), ' ');
      out += index + "  " + padded(GetField(model.get(), 4), 48) + count + "\n";
      ++models;
      products += found.size();
    }
  }
  out += "\n" + std::to_string(models) + (models == 1 ? " model, " : " models, ") + std::to_string(products) +
         (products == 1 ? " product\n" : " products\n");
  return out;
}

int list(const ListOptions& options) {
  if (const std::string problem = inputProblem(options.path); !problem.empty()) {
    return fail(options.path + ": " + problem);
  }
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.clear();
  if (!options.descriptions.empty()) CVDITemplate::SetFolder(options.descriptions);
  CVDIDoc document;
  const bool loaded = document.Load(options.path, false, 0);
  if (!loaded || !document.IsParsed()) {
    fail(options.path + " cannot be read as a VDI 3805 file");
    printReportEntries(stderr);
    printShownMessages(stderr);
    return 2;
  }
  if (document.GetSheet() != 2 && document.GetSheet() != 17) {
    printShownMessages(stderr);
    return fail(options.path + " holds sheet " + std::to_string(document.GetSheet()) +
                ", not a valve sheet (2 heating or 17 drinking-water valves)");
  }
  std::fputs(describe(document).c_str(), stdout);
  std::fflush(stdout);
  printShownMessages(stderr);
  return 0;
}

}  // namespace

void addListCommand(CLI::App& app, Action& action) {
  auto options = std::make_shared<ListOptions>();
  CLI::App* command = app.add_subcommand(
      "list",
      "Print the file header of a VDI 3805 file (sheet, guideline date, manufacturer, web\n"
      "page), then its valve kinds with their models: 110 index, name, number of products.");
  command->add_option("FILE", options->path, "The VDI 3805 file (*.VDI, *.vdix, *.TGA)")->required();
  command->add_option("--descriptions", options->descriptions,
                      "Folder of the record-type descriptions; default: the current folder");
  command->footer(
      "Exit status: 0 after listing, 2 when the file cannot be read, is refused or holds\n"
      "another sheet than 2 or 17 (the reasons are printed on stderr).\n"
      "Example: armakon list data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI");
  command->callback([&action, options] { action = [options] { return list(*options); }; });
}

}  // namespace armakon::tool
