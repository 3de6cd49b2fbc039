// Persisted container lists: any bytes, read as an attribute tree, as a tree file and as one
// entry text, must be rejected or read. A list that reads must write back to a list that reads
// as the same entries, in both persisted forms.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "armakon/components/ProNode.h"
#include "armakon/components/TreeFile.h"
#include "armakon/components/TreeNode.h"
#include "armakon/containers/RnArmaturContainer.h"

namespace {

const std::string kKey = "HYDRIX";

class FuzzContainer : public armakon::RnArmaturContainer {};

void expectSameGlobalList(const armakon::RnArmaturContainer& a, const armakon::RnArmaturContainer& b) {
  if (a.getGlobalList().size() != b.getGlobalList().size()) std::abort();
  for (std::size_t i = 0; i < a.getGlobalList().size(); ++i) {
    const armakon::ArmaturenModell& x = *a.getGlobalList()[i];
    const armakon::ArmaturenModell& y = *b.getGlobalList()[i];
    if (x.getId() != y.getId() || x.getTyp() != y.getTyp() || !x.isEqualTo(y, false)) std::abort();
  }
}

void checkRoundTrips(const FuzzContainer& read) {
  const std::unique_ptr<armakon::CProNodeBase> pro = read.writeArmaturesToProNode(kKey);
  if ((pro == nullptr) != read.getGlobalList().empty()) std::abort();
  if (pro == nullptr) return;
  std::string text;
  pro->WriteToString(text, false, false);
  const auto parsed = armakon::CProNodeBase::ReadFromString(text, 0, false);
  FuzzContainer viaPro;
  if (parsed == nullptr || !viaPro.readArmaturesFromProNode(parsed.get(), kKey)) std::abort();
  expectSameGlobalList(viaPro, read);
  if (viaPro.getLastId() != read.getLastId()) std::abort();

  const std::unique_ptr<armakon::CNode> tree = read.writeArmaturesToNode(kKey);
  FuzzContainer viaTree;
  if (tree == nullptr || !viaTree.readArmaturesFromNode(tree.get(), kKey)) std::abort();
  expectSameGlobalList(viaTree, read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  if (const auto node = armakon::CProNodeBase::ReadFromString(text, 0, false)) {
    FuzzContainer container;
    if (!container.readArmaturesFromProNode(node.get(), kKey)) std::abort();
    checkRoundTrips(container);
  }

  std::unique_ptr<armakon::CNode> tree;
  if (armakon::TreeItems::ReadFromString(text, tree) != 0 && tree != nullptr) {
    FuzzContainer container;
    if (!container.readArmaturesFromNode(tree.get(), kKey)) std::abort();
    checkRoundTrips(container);
  }

  armakon::ArmaturenModell entry;
  if (entry.readFromString(text, kKey)) {
    std::string written;
    armakon::ArmaturenModell again;
    if (!entry.writeToString(written, kKey) || !again.readFromString(written, kKey) || !again.isEqualTo(entry, false)) {
      std::abort();
    }
    FuzzContainer container;
    container.append(entry);
  }
  return 0;
}
