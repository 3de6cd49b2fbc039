#include "armakon/pumps/hydPumpenHersteller.h"

#include "armakon/model/IndexCheck.h"

namespace armakon {

hydPumpenHersteller::hydPumpenHersteller(hydPumpenManager* manager) : m_Manager(manager) {}

hydPumpenHersteller::~hydPumpenHersteller() { removeAll(); }

hydPumpenSerie* hydPumpenHersteller::contains(const std::string& name) const {
  for (const auto& serie : m_Serien) {
    if (serie->getName() == name) return serie.get();
  }
  return nullptr;
}

int hydPumpenHersteller::getSize() const { return hydVDIArmaturen::sizeAsInt(m_Serien.size()); }

hydPumpenSerie* hydPumpenHersteller::getAt(int i) const {
  return m_Serien[hydVDIArmaturen::checkedIndex(i, m_Serien.size(), "hydPumpenHersteller: series index out of range")]
      .get();
}

hydPumpenSerie* hydPumpenHersteller::addSerie(const std::string& name) {
  m_Serien.push_back(std::make_unique<hydPumpenSerie>(this));
  m_Serien.back()->setName(name);
  return m_Serien.back().get();
}

void hydPumpenHersteller::removeAll() { m_Serien.clear(); }

}  // namespace armakon
