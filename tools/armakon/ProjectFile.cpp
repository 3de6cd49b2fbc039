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

namespace armakon::tool {

namespace {

constexpr const char* kRootName = "ArmakonProjekt";
constexpr const char* kListName = "GlobalArmatures";

struct ContainerSlot {
  const char* nodeName;
  RnArmaturContainer& container;
};

std::vector<ContainerSlot> slots() {
  return {{"Heizung", HzArmaturContainer::instance()}, {"Trinkwasser", TwArmaturContainer::instance()}};
}

// The container's persisted list with its local entries added as further sections; null when
// the container holds nothing.
std::unique_ptr<CProNodeBase> listOf(const RnArmaturContainer& container) {
  std::unique_ptr<CProNodeBase> list = container.writeArmaturesToProNode(kProjectKey);
  if (container.getLocalList().empty()) return list;
  if (list == nullptr) {
    list = std::make_unique<CProNodeBase>(kListName);
    CProAttBase* lastId = list->AddAttr("LastArmaturesId", "");
    CProAttBase::setSubStringReset();
    CProAttBase::setSubString(container.getLastId());
    CProAttBase::setSubStringFlush(lastId);
  }
  std::string text;
  for (const auto& entry : container.getLocalList()) {
    if (entry->writeToString(text, kProjectKey)) list->AddChild("Armature")->AddAttr("Header", text);
  }
  return list;
}

}  // namespace

bool loadProject(const std::string& path, bool mayBeMissing, std::string& error) {
  for (const ContainerSlot& slot : slots()) slot.container.readArmaturesFromProNode(nullptr, kProjectKey);

  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    if (mayBeMissing) return true;
    error = path + ": no such project file";
    return false;
  }
  std::string text;
  if (!readWholeFile(path, text)) {
    error = path + ": cannot be read";
    return false;
  }
  const std::unique_ptr<CProNodeBase> root = CProNodeBase::ReadFromString(text, 0, false);
  if (root == nullptr || root->getName() != kRootName) {
    error = path + ": not an armakon project file";
    return false;
  }
  for (const ContainerSlot& slot : slots()) {
    const CProNodeBase* wrapper = root->findChild(slot.nodeName);
    const CProNodeBase* list = wrapper != nullptr ? wrapper->findChild(kListName) : nullptr;
    slot.container.readArmaturesFromProNode(list, kProjectKey);
  }
  return true;
}

bool saveProject(const std::string& path, std::string& error) {
  CProNodeBase root(kRootName);
  for (const ContainerSlot& slot : slots()) {
    std::unique_ptr<CProNodeBase> list = listOf(slot.container);
    if (list != nullptr) root.AddChild(slot.nodeName)->AddChild(std::move(list));
  }
  std::string text;
  root.WriteToString(text, false, true);
  if (!writeFileAtomically(path, text)) {
    error = path + ": cannot be written";
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
