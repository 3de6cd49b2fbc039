#include "armakon/pumps/hydPumpe.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "armakon/components/Translation.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/pumps/hydPumpenHersteller.h"
#include "armakon/pumps/hydPumpenSerie.h"

namespace armakon {

namespace {

// Control-type texts are plain ASCII keys, so an ASCII comparison ignoring case suffices.
bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char p, char q) {
           return std::toupper(static_cast<unsigned char>(p)) == std::toupper(static_cast<unsigned char>(q));
         });
}

}  // namespace

hydPumpe::hydPumpe(hydPumpenSerie* serie) : m_Serie(serie) {}

hydPumpe::~hydPumpe() { removeAll(); }

std::string hydPumpe::getRegelungTypIntern() const {
  switch (m_RegelungTyp) {
    case 0: return m_Dezentral ? "KENNLINIE|DEZENTRAL" : "KENNLINIE";
    case 1: return "KONSTDRUCK";
    case 2: return "PROPDRUCK";
    case 3: return "KONSTPROPDRUCK";
    default: return {};
  }
}

void hydPumpe::setRegelungTypIntern(const std::string& text) {
  if (equalsIgnoringCase(text, "KENNLINIE")) {
    m_RegelungTyp = 0;  // the decentral marker stays as it was
  } else if (equalsIgnoringCase(text, "KENNLINIE|DEZENTRAL")) {
    m_RegelungTyp = 0;
    m_Dezentral = true;
  } else if (equalsIgnoringCase(text, "KONSTDRUCK")) {
    m_RegelungTyp = 1;
  } else if (equalsIgnoringCase(text, "PROPDRUCK")) {
    m_RegelungTyp = 2;
  } else if (equalsIgnoringCase(text, "KONSTPROPDRUCK")) {
    m_RegelungTyp = 3;
  } else {
    m_RegelungTyp = -1;
  }
}

std::string hydPumpe::getRegelungTyp() const {
  switch (m_RegelungTyp) {
    case 0: return Translate("Statische Kennlinie");
    case 1: return Translate("Konstant-Druckregelung");
    case 2: return Translate("Proportional-Druckregelung");
    case 3: return Translate("Konstant-/Prop.-Druckregelung");
    default: return {};
  }
}

std::string hydPumpe::getManufacturerName() const {
  return m_Serie != nullptr && m_Serie->getHersteller() != nullptr ? m_Serie->getHersteller()->getName() : std::string();
}

std::string hydPumpe::getManufacturerID() const {
  return m_Serie != nullptr && m_Serie->getHersteller() != nullptr ? m_Serie->getHersteller()->getID() : std::string();
}

std::string hydPumpe::getSerialName() const { return m_Serie != nullptr ? m_Serie->getName() : std::string(); }

int hydPumpe::getEinsatzBereich() const { return m_Serie != nullptr ? m_Serie->getEinsatzBereich() : 0; }

int hydPumpe::getAnzKennlinien() const { return hydVDIArmaturen::sizeAsInt(m_Kennlinien.size()); }

hydPumpenKennlinie* hydPumpe::addKennlinie() {
  m_Kennlinien.push_back(std::make_unique<hydPumpenKennlinie>(this));
  return m_Kennlinien.back().get();
}

hydPumpenKennlinie* hydPumpe::appendKennlinie(std::unique_ptr<hydPumpenKennlinie> kennlinie) {
  if (!kennlinie) return nullptr;
  kennlinie->setPumpe(this);
  m_Kennlinien.push_back(std::move(kennlinie));
  return m_Kennlinien.back().get();
}

void hydPumpe::reverseArray() { std::reverse(m_Kennlinien.begin(), m_Kennlinien.end()); }

void hydPumpe::removeAll() { m_Kennlinien.clear(); }

bool hydPumpe::bCheckKennlinien() const {
  for (const auto& kennlinie : m_Kennlinien) {
    if (kennlinie->getAnzWertePaare() < 1 || !kennlinie->bIsKennlinieOk()) return false;
  }
  return true;
}

bool hydPumpe::bKennlinienSequenceOK() const {
  double previous = 0.0;
  for (const auto& kennlinie : m_Kennlinien) {
    const double head = kennlinie->getNullForderHoehe();
    // Written as "not at least" so that a NaN head counts as out of order.
    if (!(head >= previous)) return false;
    previous = head;
  }
  return true;
}

bool hydPumpe::bCheckPumpe() const {
  if (m_Kennlinien.empty()) return false;
  return bKennlinienSequenceOK() && bCheckKennlinien();
}

}  // namespace armakon
