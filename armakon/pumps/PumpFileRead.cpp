// Reading pump files into the catalog: one file or its text form at a time (read), or the
// pump file of every catalog folder (readAllPumpData).
//
// Reading adds to what the catalog holds: a manufacturer already present (same name) takes
// the file's series, a series already present (same name) takes the file's pumps, and pumps
// are always appended, never merged. Incomplete parts are skipped silently: a series without
// a name, a pump without a control type, a curve without its data, flows or heads.

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "armakon/components/TreeFile.h"
#include "armakon/components/hydCatalogManager.h"
#include "armakon/pumps/PumpFile.h"
#include "armakon/pumps/hydPumpenManager.h"

namespace armakon {

namespace pumpfile {

namespace {

// A text leaf's content. Values are joined back, so a hand-written name holding the separator
// unescaped still reads as the whole name.
std::string textOf(const CLeaf& leaf) { return leaf.GetText(kSeparator); }

// Reads the leading values of a leaf into the targets in order; a target without a value
// keeps what it holds.
template <class First, class... Rest>
void readValues(const CLeaf& leaf, First& first, Rest&... rest) {
  [[maybe_unused]] bool more = leaf.GetFirstValue(first, kSeparator, false);
  ((more = more && leaf.GetNextValue(rest, false)), ...);
}

void readPump(hydPumpe& pumpe, const CNode& node) {
  if (const CLeaf* leaf = node.FindLeaf("BEZ")) pumpe.setName(textOf(*leaf));
  if (const CLeaf* leaf = node.FindLeaf("ART")) pumpe.setArticleNumber(textOf(*leaf));
  if (const CLeaf* leaf = node.FindLeaf("BMP")) pumpe.setBmpFile(textOf(*leaf));
  if (const CLeaf* leaf = node.FindLeaf("PDF")) pumpe.setPdfFile(textOf(*leaf));
  if (const CLeaf* leaf = node.FindLeaf("REG")) pumpe.setRegelungTypIntern(textOf(*leaf));
  if (const CLeaf* leaf = node.FindLeaf("DN")) {
    int dn = pumpe.getDN();
    readValues(*leaf, dn);
    pumpe.setDN(dn);
  }
  if (const CLeaf* leaf = node.FindLeaf("DPZUL")) {
    double low = pumpe.getDpMin();
    double high = pumpe.getDpMax();
    readValues(*leaf, low, high);
    pumpe.setDpMin(low);
    pumpe.setDpMax(high);
  }
  if (const CLeaf* leaf = node.FindLeaf("TZUL")) {
    double low = pumpe.getTMin();
    double high = pumpe.getTMax();
    double shortHigh = pumpe.getTMaxShort();
    readValues(*leaf, low, high, shortHigh);
    pumpe.setTMin(low);
    pumpe.setTMax(high);
    pumpe.setTMaxShort(shortHigh);
  }
  if (const CLeaf* leaf = node.FindLeaf("DAT")) {
    double pn = pumpe.getPN();
    std::string voltage = pumpe.getVoltage();
    readValues(*leaf, pn, voltage);
    pumpe.setPN(pn);
    pumpe.setVoltage(voltage);
  }

  for (const CNode* curve = node.FindChild(kCurveNode); curve != nullptr;
       curve = node.FindChild(kCurveNode, curve)) {
    const CLeaf* data = curve->FindLeaf("DAT");
    const CLeaf* flows = curve->FindLeaf("VOL");
    const CLeaf* heads = curve->FindLeaf("DPP");
    if (data == nullptr || flows == nullptr || heads == nullptr) continue;
    hydPumpenKennlinie& kennlinie = *pumpe.addKennlinie();
    int nummer = kennlinie.getNummer();
    double unused1 = 0.0;
    double unused2 = 0.0;
    int drehzahl = kennlinie.getDrehzahl();
    readValues(*data, nummer, unused1, unused2, drehzahl);
    kennlinie.setNummer(nummer);
    kennlinie.setDrehzahl(drehzahl);
    // A curve without a usable pair stays, empty: the catalog check reports it.
    kennlinie.readFromString(textOf(*flows), textOf(*heads));
  }
}

// The manufacturer's series by name, the first of each name, as hydPumpenHersteller::contains
// finds them; kept up to date while reading so that a file of many series reads in linear time.
using SeriesIndex = std::unordered_map<std::string, hydPumpenSerie*>;

void readSeries(hydPumpenHersteller& hersteller, SeriesIndex& index, const CNode& node) {
  const CLeaf* name = node.FindLeaf("BEZ");
  if (name == nullptr) return;
  const std::string seriesName = textOf(*name);
  hydPumpenSerie*& serie = index[seriesName];
  if (serie == nullptr) serie = hersteller.addSerie(seriesName);
  if (const CLeaf* bereich = node.FindLeaf("EB")) serie->setEinsatzBereich(bereich->GetOnlyValueI(kSeparator, true));

  for (const CNode* pump = node.FindChild(kPumpNode); pump != nullptr; pump = node.FindChild(kPumpNode, pump)) {
    if (pump->FindLeaf("REG") == nullptr) continue;
    readPump(*serie->addPumpe(), *pump);
  }
}

}  // namespace

bool mergeTree(hydPumpenManager& catalog, const CNode& root, const std::string& path) {
  if (root.GetName() != kRootName) return false;
  const CLeaf* manufacturer = root.FindLeaf("HERSTELLER");
  const CLeaf* id = root.FindLeaf("MMD");
  // The version is required but not interpreted: every file so far says "1".
  if (root.FindLeaf("VERSION") == nullptr || manufacturer == nullptr || id == nullptr) return false;

  const std::string name = textOf(*manufacturer);
  hydPumpenHersteller* hersteller = catalog.contains(name);
  if (hersteller == nullptr) {
    hersteller = catalog.addHersteller(name);
    hersteller->setID(textOf(*id));
    hersteller->setFilePath(path);
  }
  SeriesIndex index;
  for (const auto& serie : hersteller->getSerien()) index.emplace(serie->getName(), serie.get());
  for (const CNode* series = root.FindChild(kSeriesNode); series != nullptr;
       series = root.FindChild(kSeriesNode, series)) {
    readSeries(*hersteller, index, *series);
  }
  return true;
}

}  // namespace pumpfile

bool hydPumpenManager::read(const std::string& path, const std::string& text) {
  std::unique_ptr<CNode> root;
  if (!path.empty()) {
    if (TreeItems::ReadFromFile(path, root, 1, pumpfile::kSeparator) == 0 || root == nullptr) return false;
  } else if (!text.empty()) {
    root = std::make_unique<CNode>(std::string());
    if (!root->ReadFromString(text, pumpfile::kSeparator)) return false;
  } else {
    return false;
  }
  return pumpfile::mergeTree(*this, *root, path);
}

void hydPumpenManager::readAllPumpData(const std::string& key) {
  // A graphical host shows its wait cursor around this call; the library has none to show.
  removeAll();
  hydCatalogManager& catalogs = hydCatalogManager::getInstance();
  std::vector<const hydCatalogInfo*> list;
  catalogs.getCatalogList(list, nullptr, key);
  for (const hydCatalogInfo* catalog : list) {
    catalogs.ensureMMDLoaded(catalog, key);
    const CNode* orgInfo = catalogs.getOrgInfoRootNode(catalog);
    if (orgInfo == nullptr) continue;
    const CLeaf* leaf = orgInfo->FindLeaf(key);
    if (leaf == nullptr) continue;
    std::string fileName = leaf->GetOnlyValue(pumpfile::kSeparator);
    // Catalog folders are shared with Windows hosts, whose info files may name a sub-folder
    // with a backslash.
    std::replace(fileName.begin(), fileName.end(), '\\', '/');
    // A file that cannot be read is skipped; the host sees what arrived in the catalog.
    read(catalog->getStrRootPath() + fileName, std::string());
  }
}

}  // namespace armakon
