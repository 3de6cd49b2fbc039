// Parses arbitrary bytes as a catalog info file ("desktop.info") and checks what the rest
// of the library relies on: well-formed UTF-8 texts, registered paths that stay inside the
// catalog folder, sheet folders listed once, and an organisation node that mirrors the
// organisation lines.

#include "armakon/components/CatalogInfoFile.h"
#include "armakon/components/CodePageUtf8.h"
#include "armakon/components/TreeNode.h"
#include "armakon/components/hydCatalogInfo.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {
void check(bool condition) {
  if (!condition) std::abort();
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

void checkText(std::string_view text) {
  check(armakon::isValidUtf8(text));
  check(!hasLineBreak(text));
}

std::string lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  armakon::CatalogInfoText info;
  if (!armakon::parseCatalogInfoText(bytes, info)) {
    check(info.id.empty() && info.entries.empty() && info.sheetFolders.empty() && info.orgInfo.empty());
    return 0;
  }
  checkText(info.id);
  checkText(info.displayName);
  checkText(info.logoFileName);
  std::unordered_set<std::string> folders;
  for (const std::string& folder : info.sheetFolders) {
    checkText(folder);
    check(!folder.empty());
    check(folders.insert(lowered(folder)).second);
  }
  for (const auto& entry : info.entries) {
    checkText(entry.relativePath);
    check(armakon::isSafeRelativeCatalogPath(entry.relativePath));
    check(entry.relativePath.find('\\') == std::string::npos);
    check(folders.count(lowered(entry.sheetFolder)) == 1);
  }
  for (const auto& leaf : info.orgInfo) {
    checkText(leaf.name);
    checkText(leaf.value);
    check(!leaf.name.empty());
  }

  const bool hasOrgSection = info.hasOrgSection;
  const std::size_t orgLeaves = info.orgInfo.size();
  const armakon::hydCatalogInfo catalog(std::move(info), "catalog", "catalog/desktop.info");
  check(catalog.getStrRootPath() == "catalog/");
  const armakon::CNode* org = catalog.getOrgInfoRootNode();
  check((org != nullptr) == hasOrgSection);
  if (org != nullptr) {
    check(static_cast<std::size_t>(org->GetLeafCount()) == orgLeaves);
    for (const auto& leaf : catalog.getOrgInfoLeaves()) {
      const armakon::CLeaf* found = org->FindLeaf(leaf.name);
      check(found != nullptr);
    }
  }
  return 0;
}
