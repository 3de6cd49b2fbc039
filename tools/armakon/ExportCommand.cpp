// armakon export: appends the text export of a thermostatic valve model to a text file.

#include <cstdio>
#include <memory>
#include <string>

#include "armakon/model/hydArmaturenModell.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

using namespace armakon::hydVDIArmaturen;

struct ExportOptions {
  std::string model;
  std::string output;
};

int exportModel(const ExportOptions& options) {
  hydArmaturenModell model;
  std::string reason = inputProblem(options.model);
  if (reason.empty() && !model.loadVAMFile(options.model)) reason = "not a readable valve-model file";
  if (!reason.empty()) return fail(options.model + ": " + reason);
  if (model.getHydArmType() != ARMTYP_THERMOSTATVENTIL) {
    return fail(options.model + ": the model is of type " + std::to_string(model.getHydArmType()) + " (" +
                    model.getHydArmTypeStr() + "); the text export lists thermostatic valve bodies (type 201) only",
                1);
  }
  if (!model.appendDataToFile(options.output)) return fail("cannot write " + options.output + ": " + systemReason());
  std::fputs(("appended " + std::to_string(model.getSize()) + (model.getSize() == 1 ? " variant" : " variants") +
              " to " + options.output + "\n")
                 .c_str(),
             stdout);
  return 0;
}

}  // namespace

void addExportCommand(CLI::App& app, Action& action) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* command = app.add_subcommand(
      "export",
      "Append the settings and kv values of a thermostatic valve model (type 201) to a text\n"
      "file: two heading lines, then one line per variant.");
  command->add_option("MODEL", options->model, "The valve-model file (*.vam)")->required();
  command->add_option("-o,--output", options->output, "The text file; created when missing, else appended to")
      ->required();
  command->footer(
      "Exit status: 0 after writing, 1 when the model is not of type 201, 2 when a file\n"
      "cannot be read or written.\n"
      "Example: armakon export data/samples/models/thermostatic.vam -o thermostatic.txt");
  command->callback([&action, options] { action = [options] { return exportModel(*options); }; });
}

}  // namespace armakon::tool
