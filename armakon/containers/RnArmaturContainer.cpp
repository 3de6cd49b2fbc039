#include "armakon/containers/RnArmaturContainer.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "armakon/components/NumberText.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;

RnArmaturContainer::RnArmaturContainer(int blatt) : m_Blatt(blatt) {}

RnArmaturContainer::~RnArmaturContainer() { removeAll(); }

// ---------------------------------------------------------------------------------------
// Filling

int RnArmaturContainer::storeCopy(ArmaturenModellListe& list, std::size_t position,
                                  ArmaturenModell& entry) {
  if (entry.getId() == 0) {
    // Ids are never handed out twice; when the counter has none left, nothing is stored.
    if (m_LastId == std::numeric_limits<int>::max()) return -1;
    entry.setId(++m_LastId);
  }
  position = std::min(position, list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(position),
              std::make_unique<ArmaturenModell>(entry));
  return static_cast<int>(position);
}

int RnArmaturContainer::append(ArmaturenModell& entry) {
  ArmaturenModellListe& list = entry.bIsGlobal() ? m_Global : m_Local;
  return storeCopy(list, list.size(), entry);
}

int RnArmaturContainer::insertAt(int index, ArmaturenModell& entry) {
  ArmaturenModellListe& list = entry.bIsGlobal() ? m_Global : m_Local;
  // An index on the last entry appends rather than inserting before it; callers rely on it.
  const long long count = static_cast<long long>(list.size());
  if (index >= 0 && index < count - 1) return storeCopy(list, static_cast<std::size_t>(index), entry);
  return storeCopy(list, list.size(), entry);
}

void RnArmaturContainer::removeAll() {
  for (ArmaturenModellListe* list : {&m_Global, &m_Local}) {
    while (!list->empty()) list->pop_back();
  }
}

bool RnArmaturContainer::swapEntries(bool local, int first, int second) {
  ArmaturenModellListe& list = local ? m_Local : m_Global;
  const auto inList = [&list](int index) { return index >= 0 && static_cast<std::size_t>(index) < list.size(); };
  if (!inList(first) || !inList(second)) return false;
  std::swap(list[static_cast<std::size_t>(first)], list[static_cast<std::size_t>(second)]);
  return true;
}

bool RnArmaturContainer::removeEntry(bool local, int index) {
  ArmaturenModellListe& list = local ? m_Local : m_Global;
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return false;
  list.erase(list.begin() + index);
  return true;
}

bool RnArmaturContainer::hasEqualTypes(const ArmaturenModell& entry, bool shallow) const {
  const ArmaturenModellListe& list = entry.bIsGlobal() ? m_Global : m_Local;
  return std::any_of(list.begin(), list.end(), [&](const std::unique_ptr<ArmaturenModell>& stored) {
    return stored->getTyp() == entry.getTyp() && stored->isEqualTo(entry, shallow);
  });
}

bool RnArmaturContainer::findEqualType(ArmaturenModell& entry, bool shallow) const {
  const ArmaturenModellListe& list = entry.bIsGlobal() ? m_Global : m_Local;
  for (const std::unique_ptr<ArmaturenModell>& stored : list) {
    if (stored->getTyp() == entry.getTyp() && stored->isEqualTo(entry, shallow)) {
      entry.setId(stored->getId());
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------------------------------
// Resolving a record

const ArmaturenModell* RnArmaturContainer::findById(const ArmaturenModellListe& list, int id) const {
  // Newest entries first.
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    if ((*it)->getId() == id) return it->get();
  }
  return nullptr;
}

const ArmaturenModell& RnArmaturContainer::getArmaturenModell(const ARMATUR& record) const {
  if (record.modellId < 1) return m_Empty;
  if (const ArmaturenModell* entry = findById(m_Global, record.modellId)) return *entry;
  if (const ArmaturenModell* entry = findById(m_Local, record.modellId)) return *entry;
  return m_Empty;
}

const ArmaturenModell& RnArmaturContainer::getArmaturenModell(const ARMATUR& record, bool local) const {
  if (record.modellId < 1) return m_Empty;
  const ArmaturenModell* entry = findById(local ? m_Local : m_Global, record.modellId);
  return entry != nullptr ? *entry : m_Empty;
}

ArmaturenModellSpan RnArmaturContainer::getArmaturenModellAsList(const ARMATUR& record, bool local) const {
  if (record.modellId < 1) return {};
  const ArmaturenModellListe& list = local ? m_Local : m_Global;
  for (std::size_t i = list.size(); i-- > 0;) {
    if (list[i]->getId() == record.modellId) return ArmaturenModellSpan(list).subspan(i, 1);
  }
  return {};
}

const hydArmatur* RnArmaturContainer::getArmatur(const ARMATUR& record) const {
  const ArmaturenModell& entry = getArmaturenModell(record);
  return entry.bIsEmpty() ? nullptr : entry.findNearestArmatur(record.dimension);
}

const hydArmatur* RnArmaturContainer::getArmatur(const ARMATUR& record, bool local) const {
  const ArmaturenModell& entry = getArmaturenModell(record, local);
  return entry.bIsEmpty() ? nullptr : entry.findNearestArmatur(record.dimension);
}

std::string RnArmaturContainer::getManufacturer(const ARMATUR& record) const {
  const ArmaturenModell& entry = getArmaturenModell(record);
  return entry.bIsEmpty() ? std::string() : entry.getModell().getManufacturer();
}

std::string RnArmaturContainer::getModelType(const ARMATUR& record) const {
  const ArmaturenModell& entry = getArmaturenModell(record);
  return entry.bIsEmpty() ? std::string() : entry.getModell().getModelType();
}

std::string RnArmaturContainer::getAusfuehrung(const ARMATUR& record) const {
  const hydArmatur* variant = getArmatur(record);
  return variant != nullptr ? variant->getAusfuehrung(", ") : std::string();
}

std::string RnArmaturContainer::getArtikelNr(const ARMATUR& record) const {
  const hydArmatur* variant = getArmatur(record);
  return variant != nullptr ? variant->getArtikelNr() : std::string();
}

// ---------------------------------------------------------------------------------------
// Questions about the lists

int RnArmaturContainer::getCountOf(enArmaturenTyp kind, bool local) const {
  const ArmaturenModellListe& list = local ? m_Local : m_Global;
  return static_cast<int>(std::count_if(list.begin(), list.end(), [kind](const auto& entry) {
    return entry->getTyp() == kind;
  }));
}

bool RnArmaturContainer::bHasGlobalArmaturenmodell(enArmaturenTyp kind) const {
  return getCountOf(kind, false) > 0;
}

bool RnArmaturContainer::bHasGlobalTHKVType(const CRuntimeClassRecord& variantClass) const {
  return std::any_of(m_Global.begin(), m_Global.end(), [&](const auto& entry) {
    if (entry->getTyp() != HZ_THERMOSTATVENTIL || entry->bIsEmpty()) return false;
    const hydArmatur* first = entry->getModell().getArmaturAt(0);
    return first != nullptr && first->isDerivedFrom(variantClass);
  });
}

// ---------------------------------------------------------------------------------------
// Helpers of the search families

int RnArmaturContainer::findParentModellId(ArmaturenModellSpan list, const hydArmatur* variant) {
  if (variant == nullptr) return 0;
  const hydVDIArmaturen::hydArmaturObject* parent = variant->getParent();
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    if (*it != nullptr && &(*it)->getModell() == parent) return (*it)->getId();
  }
  return 0;
}

void RnArmaturContainer::sortOut(int minDim, int maxDim, int wanted, ArmaturArray& candidates) {
  std::erase(candidates, nullptr);
  if (wanted >= maxDim) return;
  // std::erase_if keeps the order of the candidates that stay.
  if (wanted >= minDim) {
    std::erase_if(candidates, [wanted](const hydArmatur* v) { return v->getDimension() > wanted; });
  } else {
    std::erase_if(candidates, [minDim](const hydArmatur* v) { return v->getDimension() != minDim; });
  }
}

void RnArmaturContainer::fillNennweiteCombo(HostList& combo, const ARMATUR& record) const {
  combo.resetContent();
  const ArmaturenModell& entry = getArmaturenModell(record);
  int selection = -1;
  for (const std::unique_ptr<hydArmatur>& variant : entry.getModell().getArmaturen()) {
    const int dimension = variant->getDimension();
    const int index = combo.addItem(formatC("%d", dimension), dimension);
    if (selection < 0 && dimension >= record.dimension) selection = index;
  }
  if (selection >= 0) combo.setCurSel(selection);
}

std::string RnArmaturContainer::getVentilName(enArmaturenTyp kind) { return armakon::getVentilName(kind); }

}  // namespace armakon
