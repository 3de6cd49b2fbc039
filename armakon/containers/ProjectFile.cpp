#include "armakon/containers/ProjectFile.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/FormatText.h"
#include "armakon/components/ProNode.h"
#include "armakon/components/Translation.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/TwArmaturContainer.h"

namespace armakon {

namespace {

constexpr const char* kRootName = "ArmakonProjekt";
constexpr const char* kListName = "GlobalArmatures";
constexpr const char* kLastIdName = "LastArmaturesId";

struct ContainerSlot {
  const char* nodeName;
  RnArmaturContainer& container;
};

std::vector<ContainerSlot> slots() {
  return {{"Heizung", HzArmaturContainer::instance()}, {"Trinkwasser", TwArmaturContainer::instance()}};
}

// A copy of a subtree through its text form: exact, and without recursion however deep.
std::unique_ptr<CProNodeBase> copyOf(const CProNodeBase& node) {
  std::string text;
  node.WriteToString(text);
  return CProNodeBase::ReadFromString(text);
}

void copyAttributes(const CProNodeBase& from, CProNodeBase& to, std::string_view skipped = {}) {
  for (std::size_t i = 0; i < from.getAttrCount(); ++i) {
    const CProAttBase* attribute = from.getAttr(i);
    if (attribute->getName() != skipped) to.AddAttr(attribute->getName(), attribute->getValue());
  }
}

// The container's list as the file holds it: the kept list's attributes and the sections the
// container did not take, then the container's id counter and its entries, global and local
// (the container itself persists only its global list; its reader files every section into
// the list that the entry's own flag names). Null when there is nothing to write.
std::unique_ptr<CProNodeBase> listOf(const RnArmaturContainer& container, const CProNodeBase* kept) {
  const std::unique_ptr<CProNodeBase> own = container.writeArmaturesToProNode(kProjectKey);
  const bool hasEntries = own != nullptr || !container.getLocalList().empty();
  if (kept == nullptr && !hasEntries) return nullptr;

  auto list = std::make_unique<CProNodeBase>(kListName);
  if (kept != nullptr) {
    copyAttributes(*kept, *list, kLastIdName);
    for (std::size_t i = 0; i < kept->getChildCount(); ++i) {
      const CProNodeBase& section = *kept->getChild(i);
      if (!RnArmaturContainer::readArmatureSection(section, kProjectKey)) list->AddChild(copyOf(section));
    }
  }
  CProAttBase* lastId = list->AddAttr(kLastIdName, "");
  CProAttBase::setSubStringReset();
  CProAttBase::setSubString(container.getLastId());
  CProAttBase::setSubStringFlush(lastId);
  if (own != nullptr) {
    for (std::size_t i = 0; i < own->getChildCount(); ++i) list->AddChild(copyOf(*own->getChild(i)));
  }
  std::string text;
  for (const auto& entry : container.getLocalList()) {
    if (entry->writeToString(text, kProjectKey)) list->AddChild("Armature")->AddAttr("Header", text);
  }
  return list;
}

// The wrapper of a container with its list; the kept wrapper's other content comes along.
std::unique_ptr<CProNodeBase> wrapperOf(const ContainerSlot& slot, const CProNodeBase* kept) {
  const CProNodeBase* keptList = kept != nullptr ? kept->findChild(kListName) : nullptr;
  std::unique_ptr<CProNodeBase> list = listOf(slot.container, keptList);
  if (kept == nullptr && list == nullptr) return nullptr;
  auto wrapper = std::make_unique<CProNodeBase>(slot.nodeName);
  if (kept != nullptr) {
    copyAttributes(*kept, *wrapper);
    for (std::size_t i = 0; i < kept->getChildCount(); ++i) {
      const CProNodeBase* child = kept->getChild(i);
      wrapper->AddChild(child == keptList ? std::move(list) : copyOf(*child));
    }
  }
  if (list != nullptr) wrapper->AddChild(std::move(list));
  return wrapper;
}

}  // namespace

bool loadProject(const std::string& path, bool mayBeMissing, ProjectTree& read, std::string& error) {
  for (const ContainerSlot& slot : slots()) slot.container.readArmaturesFromProNode(nullptr, kProjectKey);
  read.root.reset();

  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) {
    if (mayBeMissing) return true;
    error = FormatText(Translate("Die Projektdatei %s gibt es nicht."), {path});
    return false;
  }
  if (status.type() == std::filesystem::file_type::directory) {
    error = FormatText(Translate("%s ist ein Ordner, keine Projektdatei."), {path});
    return false;
  }
  std::string text;
  if (!readWholeFile(path, text)) {
    error = FormatText(Translate("Die Projektdatei %s kann nicht gelesen werden."), {path});
    return false;
  }
  read.root = CProNodeBase::ReadFromString(text, 0, false);
  if (read.root == nullptr || read.root->getName() != kRootName) {
    read.root.reset();
    error = FormatText(Translate("%s ist keine Armakon-Projektdatei."), {path});
    return false;
  }
  for (const ContainerSlot& slot : slots()) {
    const CProNodeBase* wrapper = read.root->findChild(slot.nodeName);
    const CProNodeBase* list = wrapper != nullptr ? wrapper->findChild(kListName) : nullptr;
    slot.container.readArmaturesFromProNode(list, kProjectKey);
  }
  return true;
}

bool saveProject(const std::string& path, const ProjectTree& read, std::string& error) {
  CProNodeBase root(kRootName);
  const std::vector<ContainerSlot> all = slots();
  std::vector<bool> written(all.size(), false);
  if (read.root != nullptr) {
    copyAttributes(*read.root, root);
    for (std::size_t i = 0; i < read.root->getChildCount(); ++i) {
      const CProNodeBase* child = read.root->getChild(i);
      // The first wrapper of a container is the one its entries were read from.
      std::size_t slot = 0;
      while (slot < all.size() && read.root->findChild(all[slot].nodeName) != child) ++slot;
      if (slot == all.size()) {
        root.AddChild(copyOf(*child));
      } else {
        root.AddChild(wrapperOf(all[slot], child));
        written[slot] = true;
      }
    }
  }
  for (std::size_t slot = 0; slot < all.size(); ++slot) {
    if (written[slot]) continue;
    if (std::unique_ptr<CProNodeBase> wrapper = wrapperOf(all[slot], nullptr)) root.AddChild(std::move(wrapper));
  }
  std::string text;
  root.WriteToString(text, false, true);
  if (!writeFileAtomically(path, text)) {
    error = FormatText(Translate("Die Projektdatei %s kann nicht geschrieben werden."), {path});
    return false;
  }
  return true;
}

RnArmaturContainer* containerForKind(enArmaturenTyp kind) {
  if (isHeizungsTyp(kind)) return &HzArmaturContainer::instance();
  if (isTrinkwasserTyp(kind)) return &TwArmaturContainer::instance();
  return nullptr;
}

}  // namespace armakon
