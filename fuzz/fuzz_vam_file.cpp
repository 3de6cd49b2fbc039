// Reads arbitrary bytes as the tree text of a valve-model file into a valve model, works the
// model over (copy, queries, texts) and checks that a model that was read writes a tree that
// reads back into the same tree again. The bytes loaded as a file, variant by variant, must give
// the model read from the whole tree, or fail when it fails.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/hydArmaturenModell.h"

namespace {

using armakon::CNode;
using armakon::hydVDIArmaturen::hydArmatur;
using armakon::hydVDIArmaturen::hydArmaturenModell;
using armakon::hydVDIArmaturen::SelectionList;

void check(bool condition) {
  if (!condition) std::abort();
}

std::string treeText(const hydArmaturenModell& model) {
  CNode root("");
  check(model.write(&root));
  std::string text;
  check(root.WriteToString(text));
  return text;
}

void exercise(const hydArmaturenModell& model) {
  hydArmaturenModell copy;
  copy = model;
  check(copy.getSize() <= model.getSize());
  SelectionList list;
  model.getDimensionList(list);
  check(list.getCount() == model.getSize());
  (void)model.getAusfuehrung(", ");
  (void)model.getHydArmTypeStr();
  for (int i = 0; i < model.getSize(); ++i) {
    const hydArmatur* variant = model.getArmaturAt(i);
    check(variant != nullptr && variant->getParent() == &model);
    (void)variant->getKvmin();
    (void)variant->getKvmax();
    (void)variant->getKurve().getCount();
    (void)variant->getHinweisText();
  }
}

// The file the bytes are loaded from: one per process, removed when it ends.
struct ScratchFile {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("fuzz_vam_file_" + std::to_string(::getpid()) + ".vam")).string();
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CNode root("");
  hydArmaturenModell model;
  const bool read = root.ReadFromString(text, ':') && model.read(&root);

  // Loaded as a file, variant by variant: the same model where the root is a model's.
  static const ScratchFile scratch;
  check(armakon::writeFileAtomically(scratch.path, text, armakon::FileSync::Deferred));
  hydArmaturenModell loaded;
  const bool isModel = read && root.GetName() == "Modell";
  check(loaded.loadVAMFile(scratch.path) == isModel);
  if (isModel) check(treeText(loaded) == treeText(model));
  if (!read) return 0;
  exercise(model);

  // Reading normalises (numbers go through their fields' types); from the first written tree
  // on, writing and reading must be stable.
  const std::string first = treeText(model);
  CNode reread("");
  check(reread.ReadFromString(first, ':'));
  hydArmaturenModell second;
  check(second.read(&reread));
  const std::string secondText = treeText(second);
  CNode rereadAgain("");
  check(rereadAgain.ReadFromString(secondText, ':'));
  hydArmaturenModell third;
  check(third.read(&rereadAgain));
  check(treeText(third) == secondText);
  return 0;
}
