#include "armakon/model/hydArmatur.h"

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "armakon/components/TreeNode.h"
#include "armakon/model/IndexCheck.h"
#include "armakon/model/LeafValueReader.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::hydVDIArmaturen {

namespace {

const hydArmaturenModell* parentModel(const hydArmaturObject* parent) {
  return dynamic_cast<const hydArmaturenModell*>(parent);
}

// The execution items of a ";"-list up to the first empty one, the first item followed by
// every later item that differs from it, joined by the separator.
std::string joinDistinctFromFirst(const std::string& list, const std::string& separator) {
  std::string result;
  std::string first;
  std::size_t start = 0;
  bool isFirst = true;
  while (start <= list.size()) {
    const std::size_t end = list.find(';', start);
    const std::size_t stop = end == std::string::npos ? list.size() : end;
    const std::string item = list.substr(start, stop - start);
    if (item.empty()) break;
    if (isFirst) {
      first = item;
      result = item;
      isFirst = false;
    } else if (item != first) {
      result += separator;
      result += item;
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return result;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Copying

hydArmatur::hydArmatur(const hydArmatur& other) = default;

hydArmatur& hydArmatur::operator=(const hydArmatur& other) {
  if (this == &other) return *this;
  destroyAll();
  m_ausfDetails = other.m_ausfDetails;
  m_ArtikelNr = other.m_ArtikelNr;
  m_DATANORMNr = other.m_DATANORMNr;
  m_StLBNr = other.m_StLBNr;
  m_EANNr = other.m_EANNr;
  m_Dimension = other.m_Dimension;
  m_MaxTemperatur = other.m_MaxTemperatur;
  m_MaxBetriebsdruck = other.m_MaxBetriebsdruck;
  m_MaxDiffdruck = other.m_MaxDiffdruck;
  m_Kvs = other.m_Kvs;
  m_groupType = other.m_groupType;
  m_armType = other.m_armType;
  m_recordIndex = other.m_recordIndex;
  m_dnText = other.m_dnText;
  m_Zeta = other.m_Zeta;
  m_Schliessdruck_hPa = other.m_Schliessdruck_hPa;
  m_Anschluesse = other.m_Anschluesse;
  m_Zubehoer = other.m_Zubehoer;
  return *this;
}

void hydArmatur::assignTyped(const hydArmatur& source) { hydArmatur::operator=(source); }

void hydArmatur::destroyAll() {
  m_ArtikelNr.clear();
  m_Dimension = 0;
  m_MaxTemperatur = kKeineTemperatur;
  m_MaxBetriebsdruck = 0.0;
  m_MaxDiffdruck = 0.0;
  m_Kvs = 0.0;
  m_groupType = 0;
  m_armType = 0;
  m_recordIndex = 0;
  m_Zubehoer.clear();
}

// ---------------------------------------------------------------------------------------------
// Queries

double hydArmatur::getKvmin() const { return -1.0; }

double hydArmatur::getKvmax() const { return -1.0; }

const CKurve& hydArmatur::getKurve() const { return m_Kurve; }

std::string hydArmatur::getManufacturer() const {
  const hydArmaturenModell* model = parentModel(getParent());
  return model != nullptr ? model->getManufacturer() : std::string();
}

std::string hydArmatur::getModelType() const {
  const hydArmaturenModell* model = parentModel(getParent());
  return model != nullptr ? model->getModelType() : std::string();
}

std::string hydArmatur::getHydCatID() const {
  const hydArmaturenModell* model = parentModel(getParent());
  return model != nullptr ? model->getHydCatID() : std::string();
}

// ---------------------------------------------------------------------------------------------
// Execution details

void hydArmatur::addAusfDetail(const std::string& detail) {
  if (!m_ausfDetails.empty()) m_ausfDetails += ';';
  m_ausfDetails += detail;
}

std::string hydArmatur::getAusfuehrung(const std::string& separator) const {
  return joinDistinctFromFirst(m_ausfDetails, separator);
}

// ---------------------------------------------------------------------------------------------
// Connections and accessories

const hydArmAnschluss& hydArmatur::getAnschlussKeyAt(int index) const {
  return m_Anschluesse[checkedIndex(index, m_Anschluesse.size(), "hydArmatur: connection index out of range")];
}

int hydArmatur::getSizeAnschlussKeys() const { return sizeAsInt(m_Anschluesse.size()); }

int hydArmatur::addAnschluss(const hydArmAnschluss& connection) {
  m_Anschluesse.push_back(connection);
  return getSizeAnschlussKeys() - 1;
}

const hydArmaturZubehoer& hydArmatur::getZubehoerAt(int index) const {
  return m_Zubehoer[checkedIndex(index, m_Zubehoer.size(), "hydArmatur: accessory index out of range")];
}

int hydArmatur::addZubehoer(const hydArmaturZubehoer& accessory) {
  m_Zubehoer.push_back(accessory);
  return sizeAsInt(m_Zubehoer.size()) - 1;
}

hydArmaturZubehoer& hydArmatur::addZubehoer() {
  m_Zubehoer.emplace_back();
  return m_Zubehoer.back();
}

void hydArmatur::appendZubehoer(const hydArmatur* other) {
  if (other == nullptr) return;
  if (other == this) {
    // Appending a list to itself: copy first so the source does not move under the loop.
    const std::vector<hydArmaturZubehoer> copy = m_Zubehoer;
    m_Zubehoer.insert(m_Zubehoer.end(), copy.begin(), copy.end());
    return;
  }
  m_Zubehoer.insert(m_Zubehoer.end(), other->m_Zubehoer.begin(), other->m_Zubehoer.end());
}

// ---------------------------------------------------------------------------------------------
// Message headlines

std::string hydArmatur::getHinweisText() const {
  return FormatText(Translate("Hinweis zu den VDI-Daten der Armatur '%s', DN%d, Art.-Nr. '%s', Ausführung '%s'"),
                    {getModelType(), m_Dimension, m_ArtikelNr, getAusfuehrung(", ")});
}

std::string hydArmatur::getFehlerText() const {
  return FormatText(Translate("Fehler in den VDI-Daten der Armatur '%s', DN%d, Art.-Nr. '%s', Ausführung '%s'"),
                    {getModelType(), m_Dimension, m_ArtikelNr, getAusfuehrung(", ")});
}

// ---------------------------------------------------------------------------------------------
// Tree node

bool hydArmatur::write(::armakon::CNode* node) const {
  if (node == nullptr) return false;
  if (node->GetName().empty()) node->SetName("ARM");

  ::armakon::CLeaf* x = node->AddLeaf("X", std::string());
  x->SetFirstValue(m_ArtikelNr);
  x->SetNextValue(m_groupType);
  x->SetNextValue(m_armType);
  x->SetNextValue(m_recordIndex);
  x->SetNextValue(m_Dimension);
  x->SetNextValue(m_MaxTemperatur);
  x->SetNextValue(m_MaxBetriebsdruck);
  x->SetNextValue(m_MaxDiffdruck);
  x->SetNextValue(m_Kvs);
  x->SetNextValue(m_DATANORMNr);
  x->SetNextValue(m_StLBNr);
  x->SetNextValue(m_EANNr);
  x->SetNextValue(m_dnText);
  x->SetNextValue(m_Zeta);
  x->SetNextValue(m_Schliessdruck_hPa);

  node->AddLeaf("AD", std::string())->SetFirstValue(m_ausfDetails);

  ::armakon::CLeaf* connections = node->AddLeaf("ANS", std::string());
  for (const hydArmAnschluss& connection : m_Anschluesse) {
    connections->AddValue(connection.key);
    connections->SetNextValue(connection.side);
    connections->SetNextValue(connection.text);
  }

  for (const hydArmaturZubehoer& accessory : m_Zubehoer) {
    accessory.write(node->AddLeaf("Zubehoer", std::string()));
  }
  return true;
}

bool hydArmatur::read(const ::armakon::CNode* node) {
  if (node == nullptr) return false;
  const ::armakon::CLeaf* x = node->FindLeaf("X");
  if (x == nullptr) return false;

  LeafValueReader values(x);
  values.next(m_ArtikelNr);
  values.next(m_groupType);
  values.next(m_armType);
  values.next(m_recordIndex);
  values.next(m_Dimension);
  values.next(m_MaxTemperatur);
  values.next(m_MaxBetriebsdruck);
  values.next(m_MaxDiffdruck);
  values.next(m_Kvs);
  values.next(m_DATANORMNr);
  values.next(m_StLBNr);
  values.next(m_EANNr);
  values.next(m_dnText);
  values.next(m_Zeta);
  values.next(m_Schliessdruck_hPa);

  if (const ::armakon::CLeaf* details = node->FindLeaf("AD")) {
    LeafValueReader detailValues(details);
    if (!detailValues.next(m_ausfDetails)) m_ausfDetails.clear();
  }

  if (const ::armakon::CLeaf* connections = node->FindLeaf("ANS")) {
    // Complete (key, side, text) triples only; a torn last triple is dropped.
    LeafValueReader triples(connections);
    while (triples.remaining() >= 3) {
      hydArmAnschluss connection;
      triples.next(connection.key);
      triples.next(connection.side);
      triples.next(connection.text);
      m_Anschluesse.push_back(std::move(connection));
    }
  }

  for (const ::armakon::CLeaf* leaf = node->FindLeaf("Zubehoer"); leaf != nullptr;
       leaf = node->FindLeaf("Zubehoer", leaf)) {
    hydArmaturZubehoer accessory;
    if (accessory.read(leaf)) m_Zubehoer.push_back(std::move(accessory));
  }
  return true;
}

}  // namespace armakon::hydVDIArmaturen
