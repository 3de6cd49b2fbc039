// armakon project: a small project file holding the valve containers' entries, so that the
// sizing searches can be tried from a shell (see armakon/containers/ProjectFile.h for the file).
//
//   armakon project add PROJECT --kind KIND [--global|--local] [--group NAME] MODEL.vam
//   armakon project list PROJECT

#include <cstdio>
#include <memory>
#include <string>

#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/ProjectFile.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/KindNames.h"
#include "tools/armakon/ToolMessages.h"

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

// One line without line breaks (execution texts may hold them).
std::string oneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

int runAdd(const AddOptions& options) {
  enArmaturenTyp kind = ARMATURENTYP_KEIN;
  if (!parseKind(options.kind, kind)) return fail("unknown kind '" + options.kind + "' (see 'armakon project add --help')");
  ArmaturenModell entry;
  std::string reason = inputProblem(options.model);
  if (reason.empty() && !entry.getModell().loadVAMFile(options.model)) reason = "not a readable valve-model file";
  if (!reason.empty()) return fail(options.model + ": " + reason);
  if (entry.bIsEmpty()) return fail(options.model + ": the valve model has no variants");
  std::string error;
  ProjectTree read;
  if (!loadProject(options.project, true, read, error)) return fail(error);
  entry.setTyp(kind);
  entry.setGlobal(options.local ? 0 : 1);
  entry.setGruppe(options.group);
  RnArmaturContainer* container = containerForKind(kind);
  if (container == nullptr || container->append(entry) < 0) return fail("the container has no id left for a new entry");
  if (!saveProject(options.project, read, error)) return fail(error);
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
  ProjectTree read;
  if (!loadProject(project, false, read, error)) return fail(error);
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
             "the project file is created when missing and replaced atomically, keeping whatever else\n"
             "it holds (entries of other hosts, sections the tool does not know) unchanged.");
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
