// Tree-file text on arbitrary bytes. Whatever parses must write back and parse again to the
// same tree, in every layout; parsed taking the root's children one at a time, it must give the
// same children and leave the same rest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "armakon/components/TreeFile.h"
#include "armakon/components/TreeText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const unsigned char knobs = size > 0 ? data[0] : 0;
  const char sep = (knobs & 0x80) != 0 ? ';' : ':';

  armakon::CNode node("before");
  if (armakon::TreeItems::ReadFromString(text, &node, 0, sep) == 0) {
    if (node.GetName() != "before" || node.GetItemCount() != 0) std::abort();
    return 0;
  }
  // Walk the value lists the way the readers do, with the leaf's separator and with another.
  for (const armakon::CLeaf* leaf = node.GetFirstLeaf(); leaf != nullptr; leaf = node.GetNextLeaf()) {
    for (const char readSep : {sep, sep == ':' ? ';' : ':'}) {
      std::string value;
      bool more = leaf->GetFirstValue(value, readSep, false);
      while (more) more = leaf->GetNextValue(value, false);
    }
  }

  // Every child the knobs pick is taken while parsing; the rest stays in the root.
  std::vector<std::unique_ptr<armakon::CNode>> taken;
  unsigned seen = 0;
  std::unique_ptr<armakon::CNode> rest = armakon::parseTreeText(text, sep, [&](const armakon::CNode& child) {
    if (((knobs >> (seen++ % 8)) & 1) == 0) return false;
    taken.push_back(child.Clone());
    return true;
  });
  if (rest == nullptr) std::abort();
  std::unique_ptr<armakon::CNode> whole = node.Clone();
  std::size_t next = 0;
  seen = 0;
  for (armakon::CNode* child = whole->GetNextChild(nullptr); child != nullptr;) {
    armakon::CNode* following = whole->GetNextChild(child);
    if (((knobs >> (seen++ % 8)) & 1) != 0) {
      if (next == taken.size() || !taken[next++]->IsEqualTo(*child)) std::abort();
      whole->RemoveItem(child);
    }
    child = following;
  }
  if (next != taken.size() || !rest->IsEqualTo(*whole)) std::abort();

  std::string written;
  if (!node.WriteToString(written, (knobs & 1) != 0, (knobs & 2) != 0, (knobs & 4) != 0, knobs & 0x18, sep)) {
    std::abort();
  }
  armakon::CNode again;
  if (!again.ReadFromString(written, sep) || !again.IsEqualTo(node)) std::abort();
  std::string rewritten;
  if (!again.WriteToString(rewritten, (knobs & 1) != 0, (knobs & 2) != 0, (knobs & 4) != 0, knobs & 0x18, sep) ||
      rewritten != written) {
    std::abort();
  }
  return 0;
}
