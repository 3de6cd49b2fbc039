#include "armakon/model/hydArmaturZaehler.h"

#include <algorithm>
#include <iterator>

#include "armakon/components/Translation.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/model/LeafValueReader.h"

namespace armakon::hydVDIArmaturen {

namespace {

struct CodeText {
  int code;
  const char* text;
};

// The translated text of a code, or an empty text for a code not in the table.
template <std::size_t N>
std::string textOf(const CodeText (&table)[N], int code) {
  for (const CodeText& entry : table) {
    if (entry.code == code) return Translate(entry.text);
  }
  return {};
}

constexpr CodeText kEinsatzbereich[] = {{1, "Kaltwasser"}, {2, "Warmwasser"}};
constexpr CodeText kEinbaulage[] = {
    {1, "@Zähler Einbaulage@beliebig"},        {2, "@Zähler Einbaulage@waagerecht"},
    {3, "@Zähler Einbaulage@senkrecht"},       {4, "@Zähler Einbaulage@Fallrohr"},
    {5, "@Zähler Einbaulage@Steigrohr"},       {6, "@Zähler Einbaulage@schräg"},
    {7, "@Zähler Einbaulage@waagerecht oder senkrecht"}, {999, "sonstige"},
};
constexpr CodeText kGeraetetyp[] = {
    {1, "@Zähler Gerätetyp@Komplett"}, {2, "@Zähler Gerätetyp@Split"}, {999, "Sonstige"}};
constexpr CodeText kGehaeuseart[] = {
    {1, "@Zähler Gehäuseart@frei verlegt"}, {2, "@Zähler Gehäuseart@Wandeinbau (unter Putz)"}};

}  // namespace

hydArmaturZaehler::hydArmaturZaehler() { removeData(); }

hydArmaturZaehler::hydArmaturZaehler(const hydArmaturZaehler& other)
    : hydArmatur(other),
      m_Einsatzbereich(other.m_Einsatzbereich),
      m_Einbaulage(other.m_Einbaulage),
      m_Gerätetyp(other.m_Gerätetyp),
      m_Gehäuseart(other.m_Gehäuseart) {
  std::copy(std::begin(other.m_Werte), std::end(other.m_Werte), std::begin(m_Werte));
  std::copy(std::begin(other.m_Texte), std::end(other.m_Texte), std::begin(m_Texte));
}

hydArmaturZaehler& hydArmaturZaehler::operator=(const hydArmaturZaehler& other) {
  if (this != &other) {
    hydArmatur::operator=(other);
    std::copy(std::begin(other.m_Werte), std::end(other.m_Werte), std::begin(m_Werte));
    std::copy(std::begin(other.m_Texte), std::end(other.m_Texte), std::begin(m_Texte));
    m_Einsatzbereich = other.m_Einsatzbereich;
    m_Einbaulage = other.m_Einbaulage;
    m_Gerätetyp = other.m_Gerätetyp;
    m_Gehäuseart = other.m_Gehäuseart;
  }
  return *this;
}

void hydArmaturZaehler::assignTyped(const hydArmatur& source) {
  if (const auto* typed = dynamic_cast<const hydArmaturZaehler*>(&source)) {
    hydArmaturZaehler::operator=(*typed);
  } else {
    hydArmatur::assignTyped(source);
  }
}

void hydArmaturZaehler::removeData() {
  for (double& value : m_Werte) value = 0.0;
  for (std::string& text : m_Texte) text.clear();
  m_Einsatzbereich = 1;
  m_Einbaulage = 1;
  m_Gerätetyp = 1;
  m_Gehäuseart = 1;
}

double hydArmaturZaehler::getWert(int index) const {
  return m_Werte[checkedIndex(index, kWertCount, "hydArmaturZaehler::getWert: index outside the values")];
}

void hydArmaturZaehler::setWert(int index, double value) {
  m_Werte[checkedIndex(index, kWertCount, "hydArmaturZaehler::setWert: index outside the values")] = value;
}

const std::string& hydArmaturZaehler::getText(int index) const {
  return m_Texte[checkedIndex(index, kTextCount, "hydArmaturZaehler::getText: index outside the texts")];
}

void hydArmaturZaehler::setText(int index, const std::string& text) {
  m_Texte[checkedIndex(index, kTextCount, "hydArmaturZaehler::setText: index outside the texts")] = text;
}

std::string hydArmaturZaehler::getEinsatzbereichText() const { return textOf(kEinsatzbereich, m_Einsatzbereich); }
std::string hydArmaturZaehler::getEinbaulageText() const { return textOf(kEinbaulage, m_Einbaulage); }
std::string hydArmaturZaehler::getGerätetypText() const { return textOf(kGeraetetyp, m_Gerätetyp); }
std::string hydArmaturZaehler::getGehäuseartText() const { return textOf(kGehaeuseart, m_Gehäuseart); }

bool hydArmaturZaehler::write(CNode* node) const {
  if (node == nullptr) return false;
  node->SetName("Zaehler");
  if (!hydArmatur::write(node)) return false;
  CLeaf* y = node->AddLeaf("Y", std::string());
  y->SetFirstValue(m_Werte[0], "%f");
  for (int i = 1; i < 6; ++i) y->SetNextValue(m_Werte[i], "%f");
  y->SetNextValue(m_Texte[0]);
  y->SetNextValue(m_Einsatzbereich, "%i");
  y->SetNextValue(m_Einbaulage, "%i");
  y->SetNextValue(m_Gerätetyp, "%i");
  y->SetNextValue(m_Gehäuseart, "%i");
  y->SetNextValue(m_Texte[1]);
  for (int i = 6; i < kWertCount; ++i) y->SetNextValue(m_Werte[i], "%f");
  y->SetNextValue(m_Texte[2]);
  return true;
}

bool hydArmaturZaehler::read(const CNode* node) {
  if (!hydArmatur::read(node)) return false;
  const CLeaf* y = node->FindLeaf("Y");
  if (y == nullptr) return false;
  LeafValueReader values(y);
  for (int i = 0; i < 6; ++i) values.next(m_Werte[i]);
  values.next(m_Texte[0]);
  values.next(m_Einsatzbereich);
  values.next(m_Einbaulage);
  values.next(m_Gerätetyp);
  values.next(m_Gehäuseart);
  values.next(m_Texte[1]);
  for (int i = 6; i < kWertCount; ++i) values.next(m_Werte[i]);
  values.next(m_Texte[2]);
  return true;
}

}  // namespace armakon::hydVDIArmaturen
