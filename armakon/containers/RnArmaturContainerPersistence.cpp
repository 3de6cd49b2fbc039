// Persistence of a container's global list in the host's project.
//
// The list is an attribute tree "GlobalArmatures": one child section per global entry, whose
// attribute "Header" holds the entry's text (ArmaturenModell::writeToString), and the
// attribute "LastArmaturesId" with the id counter. In text form a section reads
//   [Armature]
//   Header:<header line><LF><tree text of the valve model>
//   [ENDE_Armature]
// The attribute tree keeps an entry text whole, whatever its key or group name holds.
// Older projects named the sections "HzTHKV" or "HzRLV"; they are read alike.

#include <algorithm>
#include <string_view>

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

// Reading takes the sections of all three names, not only the "Armature" ones it writes: a
// project saved under one of the older names keeps its preselection.
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
    // Whether its key reads back is the reader's affair; only a model that cannot be rendered
    // at all leaves its entry out.
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

  // Each entry is stored as it is met: one persisted without an id gets the next one.
  int largestId = 0;
  for (std::size_t i = 0; i < node->getChildCount(); ++i) {
    // Sections of other hosts (another key) and unreadable ones are skipped silently.
    std::optional<ArmaturenModell> entry = readArmatureSection(*node->getChild(i), key);
    if (!entry) continue;
    append(*entry);
    largestId = std::max(largestId, entry->getId());
  }

  // The stored counter holds as it is, even behind the ids read; only a list stored without
  // one (or with one that is no number) continues behind the largest id it holds.
  int counter = 0;
  bool stored = false;
  if (const CProAttBase* lastId = node->findAttr(kLastIdAttr)) {
    CProAttBase::getSubStringReset(lastId->getValue());
    stored = CProAttBase::getSubString(counter, true);
  }
  m_LastId = stored ? counter : std::max(m_LastId, largestId);
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
