// armakon: the command-line face of the library.

#include "tools/armakon/Commands.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
  CLI::App app{
      "armakon - valve product data (VDI 3805 sheets 2 and 17), valve sizing and pump catalogs\n"
      "for building-services design."};
  app.set_version_flag("--version", std::string("armakon ") + ARMAKON_VERSION);
  app.require_subcommand(1);
  app.footer("Run 'armakon COMMAND --help' for the options of one command.");

  armakon::tool::Action action;
  armakon::tool::addCatalogsCommand(app, action);
  armakon::tool::addShowCommand(app, action);
  armakon::tool::addExportCommand(app, action);
  armakon::tool::addPumpsCommand(app, action);
  armakon::tool::addListCommand(app, action);
  armakon::tool::addLoadCommand(app, action);
  armakon::tool::addProjectCommand(app, action);
  armakon::tool::addConvertCommand(app, action);
  armakon::tool::addSizeCommand(app, action);
  armakon::tool::addCheckCommand(app, action);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }
  try {
    return action ? action() : 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "armakon: %s\n", e.what());
    return 2;
  }
}
