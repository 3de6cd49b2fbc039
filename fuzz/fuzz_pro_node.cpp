// Attribute-tree text: any bytes must be rejected or read; a tree that reads must write back
// to a text that reads as the same tree and writes identically again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "armakon/components/ProNode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto node = armakon::CProNodeBase::ReadFromString(text, 0, false);
  // Reading with trailing text allowed must accept at least what strict reading accepts.
  const auto lenient = armakon::CProNodeBase::ReadFromString(text, 0, true);
  if (node == nullptr) return 0;
  if (lenient == nullptr || !lenient->isEqualTo(*node)) std::abort();

  std::string written;
  node->WriteToString(written, false, false);
  const auto reread = armakon::CProNodeBase::ReadFromString(written, 0, false);
  if (reread == nullptr || !reread->isEqualTo(*node)) std::abort();
  std::string rewritten;
  reread->WriteToString(rewritten, false, false);
  if (rewritten != written) std::abort();

  // Every attribute's value as an int list: reading must end without trouble.
  for (const armakon::CProAttBase* attribute = node->findAttr("LastArmaturesId"); attribute;
       attribute = node->findAttr("LastArmaturesId", attribute)) {
    armakon::CProAttBase::getSubStringReset(attribute->getValue());
    int value = 0;
    while (armakon::CProAttBase::getSubString(value, true)) {
    }
  }
  return 0;
}
