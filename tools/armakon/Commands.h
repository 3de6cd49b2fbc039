#pragma once
// The armakon tool's sub-commands. Each lives in its own file and adds itself to the
// application; the tool only parses arguments and calls the library.

#include <CLI/CLI.hpp>

#include <functional>

namespace armakon::tool {

// A sub-command's action returns the process exit status.
using Action = std::function<int()>;

// Adds one sub-command to the app; the returned action runs when it is chosen.

void addCatalogsCommand(CLI::App& app, Action& action);
void addShowCommand(CLI::App& app, Action& action);
void addExportCommand(CLI::App& app, Action& action);
void addPumpsCommand(CLI::App& app, Action& action);
void addListCommand(CLI::App& app, Action& action);
void addLoadCommand(CLI::App& app, Action& action);
void addProjectCommand(CLI::App& app, Action& action);
void addConvertCommand(CLI::App& app, Action& action);
void addSizeCommand(CLI::App& app, Action& action);
void addCheckCommand(CLI::App& app, Action& action);
// (sub-commands are declared here as they are added)

}  // namespace armakon::tool
