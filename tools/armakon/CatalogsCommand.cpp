// armakon catalogs: lists the manufacturer catalogs found below catalog root folders.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "armakon/components/hydCatalogManager.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

struct CatalogsOptions {
  std::string roots;
  std::string infoFileName{kDefaultCatalogInfoFileName};
  std::string sheetFolder;
  std::string orgInfoKey;
};

bool isFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

// The sheet folders to show: the declared ones; for the user catalog, whose files are not
// registered, also the usual ones that exist on disk.
std::vector<std::string> shownSheetFolders(const hydCatalogInfo& catalog) {
  std::vector<std::string> folders = catalog.getSheetFolders();
  if (catalog.isUserCatalog()) {
    for (const char* usual : {"VDI_2", "VDI_17"}) {
      if (!catalog.hasSheetFolder(usual) && isFolder(catalog.getStrRootPath() + usual)) folders.emplace_back(usual);
    }
  }
  return folders;
}

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string describe(const hydCatalogInfo& catalog) {
  std::string out = catalog.getStrID();
  if (!catalog.getStrDisplayName().empty()) out += "  \"" + catalog.getStrDisplayName() + "\"";
  out += "\n  " + padded("root", 9) + catalog.getStrRootPath() + "\n";
  if (!catalog.getStrDisplayLogoFileName().empty()) {
    out += "  " + padded("logo", 9) + catalog.getStrDisplayLogoFileName() + "\n";
  }
  for (const std::string& folder : shownSheetFolders(catalog)) {
    const std::vector<std::string> files = catalog.getContentFilePathNames(folder);
    out += "  " + padded(folder, 9);
    out += files.empty() ? std::string("no files") : std::to_string(files.size()) + (files.size() == 1 ? " file" : " files");
    out += "\n";
    for (const std::string& file : files) out += "  " + padded("", 9) + file + "\n";
  }
  for (const CatalogOrgLeaf& leaf : catalog.getOrgInfoLeaves()) out += "  " + leaf.name + " = " + leaf.value + "\n";
  return out;
}

int listCatalogs(const CatalogsOptions& options) {
  hydCatalogManager& manager = hydCatalogManager::getInstance();
  manager.init(options.roots, options.infoFileName);

  bool anyFolder = false;
  std::string roots = manager.getRootFolders();
  for (std::size_t start = 0; start <= roots.size();) {
    const std::size_t end = std::min(roots.find(';', start), roots.size());
    const std::string root = roots.substr(start, end - start);
    if (isFolder(root)) {
      anyFolder = true;
    } else {
      std::error_code error;
      fail(root + (std::filesystem::exists(root, error) ? ": not a folder" : ": no such folder"));
    }
    start = end + 1;
  }
  if (!anyFolder) return 2;

  std::vector<const hydCatalogInfo*> catalogs;
  manager.getCatalogList(catalogs, nullptr, options.orgInfoKey, options.sheetFolder);
  std::string out;
  for (const hydCatalogInfo* catalog : catalogs) out += describe(*catalog) + "\n";
  out += std::to_string(catalogs.size()) + (catalogs.size() == 1 ? " catalog\n" : " catalogs\n");
  std::fputs(out.c_str(), stdout);
  return 0;
}

}  // namespace

void addCatalogsCommand(CLI::App& app, Action& action) {
  auto options = std::make_shared<CatalogsOptions>();
  CLI::App* command = app.add_subcommand(
      "catalogs",
      "List the manufacturer catalogs below catalog root folders: identifier, display name,\n"
      "folder, logo, sheet folders with their registered product-data files, and the\n"
      "organisation entries (such as the pump file).");
  command->add_option("ROOTS", options->roots,
                      "Catalog root folders, separated by ';'. Every direct sub-folder\n"
                      "holding an info file is one catalog.")
      ->required();
  command->add_option("--info-file", options->infoFileName, "Name of the catalogs' info file")
      ->capture_default_str();
  command->add_option("--sheet", options->sheetFolder,
                      "Only catalogs holding data of this sheet folder: VDI_2 (heating\n"
                      "valves) or VDI_17 (drinking-water valves)");
  command->add_option("--key", options->orgInfoKey,
                      "Only catalogs whose organisation section has an entry of this\n"
                      "name, e.g. PUMPEN");
  command->footer(
      "The user catalog RN_USER always exists: when no folder declares it, it stands for the\n"
      "folder RN_USER below the first root, and lists the product-data files lying in its\n"
      "sheet folders. Exit status: 0 after listing, 2 when no root is a folder or on wrong\n"
      "arguments.\n"
      "Example: armakon catalogs data/samples/catalogs --sheet VDI_2");
  command->callback([&action, options] { action = [options] { return listCatalogs(*options); }; });
}

}  // namespace armakon::tool
