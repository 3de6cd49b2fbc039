#include "armakon/model/hydArmaturenModell.h"

#include <algorithm>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/model/ValveClassTable.h"

namespace armakon::hydVDIArmaturen {

namespace {

std::string replaceAll(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::string result;
  std::size_t start = 0;
  for (std::size_t hit = text.find(from); hit != std::string::npos; hit = text.find(from, start)) {
    result.append(text, start, hit - start);
    result += to;
    start = hit + from.size();
  }
  result.append(text, start, std::string::npos);
  return result;
}

}  // namespace

hydArmaturenModell::hydArmaturenModell(const hydArmaturenModell& other) : hydArmaturObject(other) {
  *this = other;
}

hydArmaturenModell::~hydArmaturenModell() { destroyAll(); }

hydArmaturenModell& hydArmaturenModell::operator=(const hydArmaturenModell& other) {
  if (this == &other) return *this;
  destroyAll();
  for (const std::unique_ptr<hydArmatur>& source : other.m_Armaturen) {
    // The copy gets the class of the source's type code; its typed assignment then copies
    // the source's data. A source whose code has no class cannot be rebuilt and is skipped.
    hydArmatur* copy = Add(source->getArmType());
    if (copy == nullptr) continue;
    copy->assignTyped(*source);
    copy->setParent(this);
  }
  m_Filename = other.m_Filename;
  m_Model = other.m_Model;
  m_Manufacturer = other.m_Manufacturer;
  m_Type = other.m_Type;
  m_CatID = other.m_CatID;
  m_Idx = other.m_Idx;
  m_RLDatum = other.m_RLDatum;
  return *this;
}

void hydArmaturenModell::destroyAll() {
  m_Armaturen.clear();
  m_Filename.clear();
  m_Model.clear();
  m_Manufacturer.clear();
  m_CatID.clear();
  m_Idx = 0;
  m_RLDatum = 0;
}

// ---------------------------------------------------------------------------------------------
// Variants

hydArmatur* hydArmaturenModell::Add(int type) { return appendArmatur(createArmaturForType(type)); }

hydArmatur* hydArmaturenModell::appendArmatur(std::unique_ptr<hydArmatur> variant) {
  if (variant == nullptr) return nullptr;
  variant->setParent(this);
  m_Armaturen.push_back(std::move(variant));
  return m_Armaturen.back().get();
}

bool hydArmaturenModell::removeArmatur(const hydArmatur* variant) {
  const auto found = std::find_if(m_Armaturen.begin(), m_Armaturen.end(),
                                  [variant](const std::unique_ptr<hydArmatur>& own) { return own.get() == variant; });
  if (variant == nullptr || found == m_Armaturen.end()) return false;
  m_Armaturen.erase(found);
  return true;
}

void hydArmaturenModell::sortArmaturen(const std::function<bool(const hydArmatur&, const hydArmatur&)>& less) {
  if (!less) return;
  std::stable_sort(m_Armaturen.begin(), m_Armaturen.end(),
                   [&less](const std::unique_ptr<hydArmatur>& a, const std::unique_ptr<hydArmatur>& b) {
                     return less(*a, *b);
                   });
}

int hydArmaturenModell::getSize() const { return sizeAsInt(m_Armaturen.size()); }

const hydArmatur* hydArmaturenModell::getArmaturAt(int index) const {
  if (index < 0) throw std::invalid_argument("hydArmaturenModell::getArmaturAt: negative index");
  if (static_cast<std::size_t>(index) >= m_Armaturen.size()) return nullptr;
  return m_Armaturen[static_cast<std::size_t>(index)].get();
}

hydArmatur* hydArmaturenModell::getArmaturAt(int index) {
  return const_cast<hydArmatur*>(static_cast<const hydArmaturenModell&>(*this).getArmaturAt(index));
}

std::string hydArmaturenModell::getArtikelNrAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_Armaturen.size()) return std::string();
  return m_Armaturen[static_cast<std::size_t>(index)]->getArtikelNr();
}

void hydArmaturenModell::getDimensionList(SelectionList& list) const {
  list.clear();
  for (const std::unique_ptr<hydArmatur>& variant : m_Armaturen) {
    list.addString(formatC("%d", variant->getDimension()), variant.get());
  }
}

// ---------------------------------------------------------------------------------------------
// Texts

std::string hydArmaturenModell::getHydArmTypeStr() const {
  return ::armakon::hydVDIArmaturen::getHydArmTypeStr(m_Type, 2);
}

std::string hydArmaturenModell::getAusfuehrung(const std::string& separator) const {
  if (m_Armaturen.empty()) return Translate("Fehler: Dieses Modell enthält keine Ausführungen!");

  const std::string reference = m_Armaturen.front()->getAusfuehrung(separator);
  for (std::size_t i = 1; i < m_Armaturen.size(); ++i) {
    if (m_Armaturen[i]->getAusfuehrung(separator) != reference) {
      return Translate("Das Modell enthält verschiedene Ausführungs-Varianten.") + "\n" +
             Translate("Bitte prüfen Sie, ob dies beabsichtigt war.");
    }
  }
  if (reference.empty()) return Translate("Es sind keine Ausführungsdetails in diesem Modell enthalten.");

  // Rebuild the shared text as a variant's execution text (first item, then the items that
  // differ from it) from the ";"-list it came from.
  hydArmatur list;
  list.addAusfDetail(replaceAll(reference, separator, ";"));
  return list.getAusfuehrung(separator);
}

}  // namespace armakon::hydVDIArmaturen
