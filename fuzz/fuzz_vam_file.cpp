// Reads arbitrary bytes as the tree text of a valve-model file into a valve model, works the
// model over (copy, queries, texts) and checks that a model that was read writes a tree that
// reads back into the same tree again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CNode root("");
  if (!root.ReadFromString(text, ':')) return 0;

  hydArmaturenModell model;
  if (!model.read(&root)) return 0;
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
