// Persistence of a container's global list in the host's project.
//
// The list is an attribute tree "GlobalArmatures": one child section per global entry, whose
// attribute "Header" holds the entry's text (ArmaturenModell::writeToString), and the
// attribute "LastArmaturesId" with the id counter. In text form a section reads
//   [Armature]
//   Header:<header line><LF><tree text of the valve model>
//   [ENDE_Armature]
// An entry text never holds the pair CR LF, so it always stays verbatim on its "Header:" line.
// Older projects named the sections "HzTHKV" or "HzRLV"; they are read alike.

#include <algorithm>
#include <string_view>
#include <vector>

#include "armakon/components/ProNode.h"
#include "armakon/components/TreeNode.h"
#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/containers/TreeNodeConversion.h"

namespace armakon {

namespace {

constexpr std::string_view kRootName = "GlobalArmatures";
constexpr std::string_view kSectionName = "Armature";
constexpr std::string_view kOldSectionNames[] = {"HzTHKV", "HzRLV"};
constexpr std::string_view kHeaderAttr = "Header";
constexpr std::string_view kLastIdAttr = "LastArmaturesId";

bool isSectionName(std::string_view name) {
  return name == kSectionName || std::find(std::begin(kOldSectionNames), std::end(kOldSectionNames), name) !=
                                     std::end(kOldSectionNames);
}

}  // namespace

std::unique_ptr<CProNodeBase> RnArmaturContainer::writeArmaturesToProNode(const std::string& key) const {
  if (m_Global.empty()) return nullptr;
  auto root = std::make_unique<CProNodeBase>(std::string(kRootName));
  std::string text;
  for (const std::unique_ptr<ArmaturenModell>& entry : m_Global) {
    // The section is built as a node directly; its text form is the one described above.
    // An entry that cannot be written (a key unusable as a header field) is left out, as it
    // could never be read back.
    if (!entry->writeToString(text, key)) continue;
    root->AddChild(std::string(kSectionName))->AddAttr(std::string(kHeaderAttr), text);
  }
  CProAttBase* lastId = root->AddAttr(std::string(kLastIdAttr), std::string());
  CProAttBase::setSubStringReset();
  CProAttBase::setSubString(m_LastId);
  CProAttBase::setSubStringFlush(lastId);
  return root;
}

bool RnArmaturContainer::readArmaturesFromProNode(const CProNodeBase* node, const std::string& key) {
  removeAll();
  m_LastId = 0;
  if (node == nullptr) return false;

  // All sections are read before any is stored, so that entries persisted without an id get
  // theirs only once the counter stands above every id read.
  std::vector<ArmaturenModell> entries;
  int largestId = 0;
  for (std::size_t i = 0; i < node->getChildCount(); ++i) {
    // Sections of other hosts (another key) and unreadable ones are skipped silently.
    std::optional<ArmaturenModell> entry = readArmatureSection(*node->getChild(i), key);
    if (!entry) continue;
    largestId = std::max(largestId, entry->getId());
    entries.push_back(std::move(*entry));
  }

  // The persisted counter, raised to the largest id read: a project saved without the
  // counter (or with one that fell behind) must not lead to ids being handed out twice.
  int counter = 0;
  if (const CProAttBase* lastId = node->findAttr(kLastIdAttr)) {
    CProAttBase::getSubStringReset(lastId->getValue());
    int value = 0;
    if (CProAttBase::getSubString(value, true)) counter = value;
  }
  m_LastId = std::max(counter, largestId);

  for (ArmaturenModell& entry : entries) append(entry);
  return true;
}

std::optional<ArmaturenModell> RnArmaturContainer::readArmatureSection(const CProNodeBase& section,
                                                                       const std::string& key) {
  if (!isSectionName(section.getName())) return std::nullopt;
  const CProAttBase* header = section.findAttr(kHeaderAttr);
  if (header == nullptr) return std::nullopt;
  ArmaturenModell entry;
  if (!entry.readFromString(header->getValue(), key)) return std::nullopt;
  return entry;
}

std::unique_ptr<CNode> RnArmaturContainer::writeArmaturesToNode(const std::string& key) const {
  const std::unique_ptr<CProNodeBase> list = writeArmaturesToProNode(key);
  if (list == nullptr) return nullptr;
  return treeNodeFromProNode(*list);
}

bool RnArmaturContainer::readArmaturesFromNode(const CNode* node, const std::string& key) {
  if (node == nullptr) return readArmaturesFromProNode(nullptr, key);
  const std::unique_ptr<CProNodeBase> list = proNodeFromTreeNode(*node);
  return readArmaturesFromProNode(list.get(), key);
}

}  // namespace armakon
