// armakon convert: builds the valve model of one 110 record of a VDI 3805 file, prints every
// report-list entry and writes the model as a valve-model file (*.vam).

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/vdi3805/AccessoryReferences.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/ValveConversion.h"
#include "tools/armakon/AnsweringPlatform.h"
#include "tools/armakon/Commands.h"
#include "tools/armakon/LoadCommand.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

namespace {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturenModell;

constexpr int kModelCode = 11000;    // record 110
constexpr int kProductCode = 80000;  // record 800

struct ConvertOptions {
  std::string path;
  std::string model;  // 110 index or name
  std::vector<int> products;
  std::string xp;
  std::string answer;
  std::string output;
  std::string descriptions;
};

// The 110 record named by its index or, failing that, by its name (field 4).
const CVDIBase* findModel(const CVDIDoc& document, const std::string& wanted) {
  std::vector<const CVDIBase*> models;
  CollectRecords(&document, kModelCode, models);
  int index = 0;
  if (parseInt(wanted, index)) {
    for (const CVDIBase* model : models) {
      if (toInt(GetFieldView(model, 2)) == index) return model;
    }
  }
  for (const CVDIBase* model : models) {
    if (GetField(model, 4) == wanted) return model;
  }
  return nullptr;
}

int failShowing(const std::string& text) {
  const int status = fail(text);
  printShownMessages(stderr);
  return status;
}

int convert(const ConvertOptions& options) {
  double xp = 0.0;
  if (!options.xp.empty() && !parseFiniteNumber(options.xp, xp)) {
    return fail("--xp needs a number in K, not '" + options.xp + "'");
  }
  const std::optional<Answer> answer = parseAnswer(options.answer);
  if (!options.answer.empty() && !answer) {
    return fail("--answer needs yes, no or cancel, not '" + options.answer + "'");
  }
  if (const std::string problem = inputProblem(options.path); !problem.empty()) {
    return fail(options.path + ": " + problem);
  }
  AnsweringPlatform answering(answer, "--answer yes|no|cancel, or --xp within the valve's range,");
  const ScopedPlatform installed(answering);

  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.clear();
  if (!options.descriptions.empty()) CVDITemplate::SetFolder(options.descriptions);

  CVDIDoc document;
  if (!document.Load(options.path, false, 0) || !document.IsParsed()) {
    printReportEntries(stderr);
    return failShowing(options.path + " cannot be read as a VDI 3805 file");
  }
  const CVDIBase* group = findModel(document, options.model);
  if (group == nullptr) return failShowing("no model (110 record) with index or name '" + options.model + "'");

  std::vector<const CVDIBase*> all;
  CollectRecords(group, kProductCode, all);
  std::vector<const CVDIBase*> products;
  if (options.products.empty()) {
    products = all;
  } else {
    for (int wanted : options.products) {
      const CVDIBase* found = nullptr;
      for (const CVDIBase* product : all) {
        if (toInt(GetFieldView(product, 2)) == wanted) found = product;
      }
      if (found == nullptr) {
        return failShowing("the model has no product (800 record) with index " + std::to_string(wanted));
      }
      products.push_back(found);
    }
  }
  if (products.empty()) return failShowing("the model has no products");

  // Accessories as the catalog dialog hands them over: gathered per product from the file.
  const AccessorySources accessories(AccessoryResolver(&document), products);

  hydArmaturenModell model;
  const int created = BuildModel(model, products, std::vector<double>(products.size(), xp), accessories.pointers());
  std::printf("%s: model %s '%s', %d of %zu variants created\n", options.path.c_str(), GetField(group, 2).c_str(),
              model.getModelType().c_str(), created, products.size());
  for (const auto& variant : model.getArmaturen()) {
    std::printf("    DN%d  kvs %s  %s  %s\n", variant->getDimension(), formatC("%g", variant->getKvs()).c_str(),
                variant->getArtikelNr().c_str(), std::string(variant->GetRuntimeClass()->className()).c_str());
  }
  const int errors = reports.errorCount();
  std::printf("report list: %zu entries, %d errors, %zu hints\n", reports.size(), errors,
              reports.size() - static_cast<std::size_t>(errors));
  if (!reports.empty()) {
    std::printf("\n");
    printReportEntries(stdout);
  }
  std::fflush(stdout);
  printShownMessages(stderr);

  if (created <= 0) return fail("no variant could be created; nothing is written");
  if (!options.output.empty()) {
    if (!model.saveVAMFile(options.output)) return fail("cannot write " + options.output + ": " + systemReason());
    std::printf("\nwritten: %s\n", options.output.c_str());
  }
  return errors > 0 ? 1 : 0;
}

}  // namespace

void addConvertCommand(CLI::App& app, Action& action) {
  auto options = std::make_shared<ConvertOptions>();
  CLI::App* command = app.add_subcommand(
      "convert",
      "Convert the products of one valve model (a 110 record) of a VDI 3805 file into a valve\n"
      "model, print every error and hint of the report list, and write the model as a\n"
      "valve-model file when at least one variant was created.");
  command->add_option("FILE", options->path, "The VDI 3805 file (*.VDI, *.vdix, *.TGA)")->required();
  command->add_option("--model,-m", options->model, "The model: index or name of its 110 record")->required();
  command->add_option("--products,-p", options->products, "Only these products (indices of 800 records)")
      ->delimiter(',');
  command->add_option("--xp", options->xp,
                      "Design proportional band XP in K for thermostatic valves; a value outside a\n"
                      "valve's range makes the conversion ask which end of the range to take");
  command->add_option("--answer", options->answer,
                      "The answer to the conversion's questions: yes, no or cancel (for the XP\n"
                      "question: the lower end, the upper end, or skip the variant); default: cancel");
  command->add_option("-o,--output", options->output, "The valve-model file to write (*.vam)");
  command->add_option("--descriptions", options->descriptions,
                      "Folder of the record-type descriptions; default: the current folder");
  command->footer(
      "Exit status: 0 when the model was built without errors, 1 when errors were filed (the\n"
      "variants that could be built are written), 2 when the file cannot be read, the model or\n"
      "a product is missing, or no variant could be built. Every question the conversion asks\n"
      "is printed on stderr with the answer it got.\n"
      "Example: armakon convert data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI --model 6 -o sr.vam");
  command->callback([&action, options] { action = [options] { return convert(*options); }; });
}

}  // namespace armakon::tool
