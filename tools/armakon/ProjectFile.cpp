#include "tools/armakon/ProjectFile.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/ProNode.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "tools/armakon/ToolMessages.h"

namespace armakon::tool {

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
    error = path + ": no such project file";
    return false;
  }
  if (status.type() == std::filesystem::file_type::directory) {
    error = path + ": is a folder, not a project file";
    return false;
  }
  std::string text;
  if (!readWholeFile(path, text)) {
    error = path + ": cannot be read: " + systemReason();
    return false;
  }
  read.root = CProNodeBase::ReadFromString(text, 0, false);
  if (read.root == nullptr || read.root->getName() != kRootName) {
    read.root.reset();
    error = path + ": not an armakon project file";
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
    error = "cannot write " + path + ": " + systemReason();
    return false;
  }
  return true;
}

RnArmaturContainer* containerForKind(enArmaturenTyp kind) {
  if (isHeizungsTyp(kind)) return &HzArmaturContainer::instance();
  if (isTrinkwasserTyp(kind)) return &TwArmaturContainer::instance();
  return nullptr;
}

const std::vector<std::pair<enArmaturenTyp, const char*>>& kindShortNames() {
  static const std::vector<std::pair<enArmaturenTyp, const char*>> names = {
      {HZ_ALLGEMEINE_ARMATUREN, "hz-allgemein"},
      {HZ_THERMOSTATVENTIL, "thkv"},
      {HZ_RUECKLAUFVERSCHRAUBUNG, "rlv"},
      {HZ_STRANGREGULIERVENTIL_DROSSEL, "srv-drossel"},
      {HZ_STRANGREGULIERVENTIL_ABSPERRUNG, "srv-absperrung"},
      {HZ_DIFFERENZDRUCKREGLER, "ddr"},
      {HZ_DIFFERENZDRUCKGEBER, "ddr-geber"},
      {HZ_DURCHFLUSSREGLER, "dfr"},
      {HZ_DREIWEGE_MISCHARMATUR, "mischer"},
      {HZ_DIFFERENZDRUCK_DURCHFLUSSREGLER, "ddr-dfr"},
      {HZ_DREIWEGE_VERTEILARMATUR, "verteiler"},
      {HZ_ZWEIWEGE_REGELARMATUR, "regelarmatur"},
      {HZ_EINROHRVERSCHRAUBUNG, "einrohr"},
      {TW_ALLGEMEINE_ARMATUREN, "tw-allgemein"},
      {TW_STRANGREGULIERVENTIL, "tw-srv"},
      {TW_THERMOSTATISCHES_STRANGREGULIERVENTIL, "tw-thermo-srv"},
      {TW_RUECKFLUSSVERHINDERER, "rfv"},
      {TW_ENTNAHMEARMATUR, "entnahme"},
      {TW_ENTNAHMEARMATUR_RFV, "entnahme-rfv"},
      {TW_ROHRTRENNER, "rohrtrenner"},
      {TW_DRUCKREGLER, "druckregler"},
      {TW_WASSERZAEHLER, "zaehler"},
  };
  return names;
}

bool parseKind(const std::string& text, enArmaturenTyp& kind) {
  int number = 0;
  for (const auto& [value, name] : kindShortNames()) {
    if (hydStrUtil::EqualsNoCase(text, name) || (parseInt(text, number) && number == value)) {
      kind = value;
      return true;
    }
  }
  return false;
}

std::string kindShortName(enArmaturenTyp kind) {
  for (const auto& [value, name] : kindShortNames()) {
    if (value == kind) return name;
  }
  return "";
}

std::string kindHelpText() {
  std::string text;
  for (const auto& [value, name] : kindShortNames()) {
    text += "  " + std::to_string(value) + " " + name + " (" + getVentilName(value) + ")\n";
  }
  return text;
}

}  // namespace armakon::tool
