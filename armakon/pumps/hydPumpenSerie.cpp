#include "armakon/pumps/hydPumpenSerie.h"

#include "armakon/model/IndexCheck.h"

namespace armakon {

hydPumpenSerie::hydPumpenSerie(hydPumpenHersteller* hersteller) : m_Hersteller(hersteller) {}

hydPumpenSerie::~hydPumpenSerie() { removeAll(); }

bool hydPumpenSerie::bIsForEinsatzbereich(int bereich) const { return (m_EinsatzBereich & bereich) == bereich; }

int hydPumpenSerie::getSize() const { return hydVDIArmaturen::sizeAsInt(m_Pumpen.size()); }

hydPumpe* hydPumpenSerie::getAt(int i) const {
  return m_Pumpen[hydVDIArmaturen::checkedIndex(i, m_Pumpen.size(), "hydPumpenSerie: pump index out of range")].get();
}

hydPumpe* hydPumpenSerie::addPumpe() {
  m_Pumpen.push_back(std::make_unique<hydPumpe>(this));
  return m_Pumpen.back().get();
}

void hydPumpenSerie::removeAll() {
  m_Pumpen.clear();
  m_EinsatzBereich = 0;
  m_Name.clear();
}

}  // namespace armakon
