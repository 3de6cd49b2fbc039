// armakon project: a small project file holding the valve containers' entries, so that the
// sizing searches can be tried from a shell (see ProjectFile.h for the file).
//
//   armakon project add PROJECT --kind KIND [--global|--local] [--group NAME] MODEL.vam
//   armakon project list PROJECT

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/ProjectFile.h"

namespace armakon::tool {

namespace {

struct AddOptions {
  std::string project;
  std::string kind;
  bool global = false;
  bool local = false;
  std::string group;
  std::string model;
};

void fail(const std::string& message) { std::fputs(("armakon project: " + message + "\n").c_str(), stderr); }

// One line without line breaks (execution texts may hold them).
std::string oneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

int runAdd(const AddOptions& options) {
  enArmaturenTyp kind = ARMATURENTYP_KEIN;
  if (!parseKind(options.kind, kind)) {
    fail("unknown kind '" + options.kind + "' (see 'armakon project add --help')");
    return 2;
  }
  ArmaturenModell entry;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(options.model, ec) || !entry.getModell().loadVAMFile(options.model)) {
    fail(options.model + ": not a readable valve-model file");
    return 2;
  }
  if (entry.bIsEmpty()) {
    fail(options.model + ": the valve model has no variants");
    return 2;
  }
  std::string error;
  if (!loadProject(options.project, true, error)) {
    fail(error);
    return 2;
  }
  entry.setTyp(kind);
  entry.setGlobal(options.local ? 0 : 1);
  entry.setGruppe(options.group);
  RnArmaturContainer* container = containerForKind(kind);
  if (container == nullptr || container->append(entry) < 0) {
    fail("the container has no id left for a new entry");
    return 2;
  }
  if (!saveProject(options.project, error)) {
    fail(error);
    return 2;
  }
  const std::string line = "entry " + std::to_string(entry.getId()) + " added to the " +
                           (options.local ? "local" : "global") + " list: " + getVentilName(kind) + ", " +
                           entry.getModell().getManufacturer() + " " + entry.getModell().getModelType() + "\n";
  std::fputs(line.c_str(), stdout);
  return 0;
}

void printList(const ArmaturenModellListe& list, const char* listName) {
  for (const auto& entry : list) {
    const hydVDIArmaturen::hydArmaturenModell& model = entry->getModell();
    const std::string line = std::to_string(entry->getId()) + "\t" + listName + "\t" +
                             std::to_string(static_cast<int>(entry->getTyp())) + " " +
                             getVentilName(entry->getTyp()) + "\t" + oneLine(entry->getGruppe()) + "\t" +
                             oneLine(model.getManufacturer()) + "\t" + oneLine(model.getModelType()) + "\t" +
                             oneLine(model.getAusfuehrung(", ")) + "\n";
    std::fputs(line.c_str(), stdout);
  }
}

int runList(const std::string& project) {
  std::string error;
  if (!loadProject(project, false, error)) {
    fail(error);
    return 2;
  }
  std::puts("id\tlist\tkind\tgroup\tmanufacturer\tmodel\tdesign variants");
  for (const RnArmaturContainer* container :
       {static_cast<const RnArmaturContainer*>(&HzArmaturContainer::instance()),
        static_cast<const RnArmaturContainer*>(&TwArmaturContainer::instance())}) {
    printList(container->getGlobalList(), "global");
    printList(container->getLocalList(), "local");
  }
  return 0;
}

}  // namespace

void addProjectCommand(CLI::App& app, Action& action) {
  CLI::App* command = app.add_subcommand(
      "project", "Keep valve models for sizing in a small project file (the containers' persisted lists).");
  command->require_subcommand(1);

  auto add = std::make_shared<AddOptions>();
  CLI::App* addCommand = command->add_subcommand(
      "add", "Add a valve model (*.vam) to the project's global list (or local list) as an entry of a kind;\n"
             "the project file is created when missing and replaced atomically.");
  addCommand->add_option("PROJECT", add->project, "The project file")->required();
  addCommand->add_option("--kind", add->kind, "The valve kind, by number or short name (see below)")->required();
  CLI::Option* global = addCommand->add_flag("--global", add->global, "Add to the global list (the default)");
  CLI::Option* local = addCommand->add_flag("--local", add->local, "Add to the local list");
  global->excludes(local);
  addCommand->add_option("--group", add->group, "Group name of the entry (general valves)");
  addCommand->add_option("MODEL", add->model, "The valve-model file")->required();
  addCommand->footer("Kinds:\n" + kindHelpText() +
                     "Exit status: 0 after adding, 2 on an unknown kind or an unreadable model or project.\n"
                     "Example: armakon project add p.armakon --kind thkv data/samples/models/thermostatic.vam");
  addCommand->callback([&action, add] { action = [add] { return runAdd(*add); }; });

  auto project = std::make_shared<std::string>();
  CLI::App* listCommand = command->add_subcommand(
      "list", "List a project's entries: id, list, kind, group, manufacturer, model and design variants,\n"
              "tab-separated, heating entries first.");
  listCommand->add_option("PROJECT", *project, "The project file")->required();
  listCommand->footer("Exit status: 0 after listing, 2 when the project cannot be read.");
  listCommand->callback([&action, project] { action = [project] { return runList(*project); }; });
}

}  // namespace armakon::tool
