// armakon: the command-line face of the library.

#include "tools/armakon/Commands.h"

#include <cctype>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/armakon/ToolMessages.h"

namespace {

// "The file ..." becomes "the file ...", while a name such as "PROJECT" stays as it is.
std::string lowerFirst(std::string text) {
  if (text.size() >= 2 && std::isupper(static_cast<unsigned char>(text[1]))) return text;
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

// "armakon project add" for the sub-command app.
std::string commandPath(const CLI::App* app) {
  std::string path;
  for (; app != nullptr && app->get_parent() != nullptr; app = app->get_parent()) path = " " + app->get_name() + path;
  return "armakon" + path;
}

std::string commandList(const CLI::App& level) {
  std::string list;
  for (const CLI::App* command : level.get_subcommands({})) list += (list.empty() ? "" : ", ") + command->get_name();
  return list;
}

std::vector<CLI::App*> commandsOf(CLI::App& level) {
  return level.get_subcommands([](CLI::App*) { return true; });
}

// Where a command is expected, a word that names none, or no word at all; "" when the
// command line reaches a command (its options are then CLI11's to judge).
std::string commandProblem(CLI::App& app, int argc, char** argv) {
  CLI::App* level = &app;
  for (int i = 1; i < argc && !commandsOf(*level).empty(); ++i) {
    const std::string word = argv[i];
    if (word.starts_with('-')) return "";
    CLI::App* named = nullptr;
    for (CLI::App* command : commandsOf(*level)) {
      if (command->get_name() == word) named = command;
    }
    if (named == nullptr) {
      return "unknown command '" + word + "' for '" + commandPath(level) + "'; the commands are: " + commandList(*level);
    }
    level = named;
  }
  if (commandsOf(*level).empty()) return "";
  return "'" + commandPath(level) + "' needs a command: " + commandList(*level);
}

// The root reports every parse error; the command it concerns is the last one parsed.
std::string parseFailure(const CLI::App* app, const CLI::Error& error) {
  while (!app->get_subcommands().empty()) app = app->get_subcommands().back();
  return "armakon: " + lowerFirst(error.what()) + " (see '" + commandPath(app) + " --help')\n";
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "armakon - valve product data (VDI 3805 sheets 2 and 17), valve sizing and pump catalogs\n"
      "for building-services design."};
  app.set_version_flag("--version", std::string("armakon ") + ARMAKON_VERSION);
  app.require_subcommand(1);
  app.failure_message(parseFailure);  // inherited by the commands added below
  app.footer("Run 'armakon COMMAND --help' for the options of one command.");

  armakon::tool::Action action;
  armakon::tool::addCheckCommand(app, action);
  armakon::tool::addCatalogsCommand(app, action);
  armakon::tool::addShowCommand(app, action);
  armakon::tool::addExportCommand(app, action);
  armakon::tool::addPumpsCommand(app, action);
  armakon::tool::addListCommand(app, action);
  armakon::tool::addLoadCommand(app, action);
  armakon::tool::addProjectCommand(app, action);
  armakon::tool::addConvertCommand(app, action);
  armakon::tool::addSizeCommand(app, action);

  if (const std::string problem = commandProblem(app, argc, argv); !problem.empty()) {
    return armakon::tool::fail(problem);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }
  try {
    return action ? action() : 2;
  } catch (const std::exception& e) {
    return armakon::tool::fail(lowerFirst(e.what()));
  }
}
