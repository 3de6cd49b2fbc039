#include "armakon/pumps/hydPumpenManager.h"

#include "armakon/model/IndexCheck.h"

namespace armakon {

hydPumpenManager* g_PumpenManager = nullptr;

namespace {

// Owns the program-wide catalog; g_PumpenManager mirrors it for hosts that read the pointer.
// Held in a function-local static so that a catalog the host never removed is still freed
// when the library goes away.
std::unique_ptr<hydPumpenManager>& singletonOwner() {
  static std::unique_ptr<hydPumpenManager> owner;
  return owner;
}

// A copy of a pump's data and curves into an empty pump.
void copyPumpe(const hydPumpe& from, hydPumpe& to) {
  to.setName(from.getName());
  to.setArticleNumber(from.getArticleNumber());
  to.setBmpFile(from.getBmpFile());
  to.setPdfFile(from.getPdfFile());
  to.setDN(from.getDN());
  to.setDpMin(from.getDpMin());
  to.setDpMax(from.getDpMax());
  to.setRegelungTypCode(from.getRegelungTypCode());
  to.setDezentral(from.bIsDezentral());
  to.setPN(from.getPN());
  to.setVoltage(from.getVoltage());
  to.setTMin(from.getTMin());
  to.setTMax(from.getTMax());
  to.setTMaxShort(from.getTMaxShort());
  for (const auto& kennlinie : from.getKennlinien()) {
    hydPumpenKennlinie* copy = to.addKennlinie();
    copy->setNummer(kennlinie->getNummer());
    copy->setDrehzahl(kennlinie->getDrehzahl());
    copy->setTable(kennlinie->getTable());
  }
}

}  // namespace

hydPumpenManager* hydPumpenManager::instance() {
  auto& owner = singletonOwner();
  if (!owner) owner = std::make_unique<hydPumpenManager>();
  g_PumpenManager = owner.get();
  return g_PumpenManager;
}

void hydPumpenManager::removeInstance() {
  singletonOwner().reset();
  g_PumpenManager = nullptr;
}

hydPumpenManager::hydPumpenManager() = default;

hydPumpenManager::~hydPumpenManager() { removeAll(); }

void hydPumpenManager::removeAll() { m_Hersteller.clear(); }

hydPumpenHersteller* hydPumpenManager::contains(const std::string& name) const {
  for (const auto& hersteller : m_Hersteller) {
    if (hersteller->getName() == name) return hersteller.get();
  }
  return nullptr;
}

hydPumpe* hydPumpenManager::hasPumpe() const {
  if (m_Hersteller.empty()) return nullptr;
  const hydPumpenHersteller& hersteller = *m_Hersteller.front();
  if (hersteller.getSerien().empty()) return nullptr;
  const hydPumpenSerie& serie = *hersteller.getSerien().front();
  if (serie.getPumpen().empty()) return nullptr;
  hydPumpe* pumpe = serie.getPumpen().front().get();
  return pumpe->getAnzKennlinien() > 0 ? pumpe : nullptr;
}

void hydPumpenManager::operator=(const hydPumpe* pumpe) {
  // The copy is built aside first: the pump may belong to this very catalog (assigning
  // hasPumpe() to its own catalog), and removeAll would delete it before it was read.
  std::vector<std::unique_ptr<hydPumpenHersteller>> copy;
  if (pumpe != nullptr && pumpe->getAnzKennlinien() > 0) {
    auto hersteller = std::make_unique<hydPumpenHersteller>(this);
    hersteller->setName(pumpe->getManufacturerName());
    hersteller->setID(pumpe->getManufacturerID());
    const hydPumpenSerie* serie = pumpe->getSerie();
    if (serie != nullptr && serie->getHersteller() != nullptr) {
      hersteller->setFilePath(serie->getHersteller()->getFilePath());
    }
    hydPumpenSerie* neueSerie = hersteller->addSerie(pumpe->getSerialName());
    neueSerie->setEinsatzBereich(pumpe->getEinsatzBereich());
    copyPumpe(*pumpe, *neueSerie->addPumpe());
    copy.push_back(std::move(hersteller));
  }
  removeAll();
  m_Hersteller = std::move(copy);
}

bool hydPumpenManager::checkAllPumpData(std::vector<std::string>& messages) const {
  // The texts are maintenance findings for the data supplier and stay untranslated.
  messages.clear();
  for (const auto& hersteller : m_Hersteller) {
    if (hersteller->getSerien().empty()) {
      messages.push_back("Pumpenhersteller ohne Pumpen gefunden: " + hersteller->getName());
    }
    for (const auto& serie : hersteller->getSerien()) {
      if (serie->getPumpen().empty()) {
        messages.push_back("Pumpenserie ohne Pumpen gefunden: " + serie->getName());
      }
      for (const auto& pumpe : serie->getPumpen()) {
        if (pumpe->getAnzKennlinien() == 0) {
          messages.push_back("Pumpe ohne Kennlinien gefunden: " + pumpe->getName());
        }
        if (!pumpe->bKennlinienSequenceOK()) {
          messages.push_back("Reihenfolge/ Anordnung der Pumpenkennlinien ist nicht korrekt: " + pumpe->getName());
        }
        if (!pumpe->bCheckKennlinien()) {
          messages.push_back("Pumpenkennlinie mit fehlerhaften Angaben: " + hersteller->getName() + ", " +
                             serie->getName() + ", " + pumpe->getName());
        }
      }
    }
  }
  return messages.empty();
}

int hydPumpenManager::getSize() const { return hydVDIArmaturen::sizeAsInt(m_Hersteller.size()); }

hydPumpenHersteller* hydPumpenManager::getAt(int i) const {
  return m_Hersteller[hydVDIArmaturen::checkedIndex(i, m_Hersteller.size(), "hydPumpenManager: manufacturer index out of range")]
      .get();
}

hydPumpenHersteller* hydPumpenManager::addHersteller(const std::string& name) {
  m_Hersteller.push_back(std::make_unique<hydPumpenHersteller>(this));
  m_Hersteller.back()->setName(name);
  return m_Hersteller.back().get();
}

}  // namespace armakon
