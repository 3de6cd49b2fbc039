#include "armakon/pumps/CPumpenDlg.h"

#include <filesystem>
#include <stdexcept>
#include <utility>

#include "armakon/components/Translation.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/pumps/CPumpEditDlg.h"
#include "armakon/pumps/PumpTechnischeDaten.h"
#include "armakon/pumps/hydPumpenManager.h"

namespace armakon {

namespace {

bool fileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// The first entry of that text, case ignored, as a list box finds it; -1 when none.
template <class Liste>
int find(const Liste& liste, const std::string& text) {
  for (std::size_t i = 0; i < liste.size(); ++i) {
    if (hydStrUtil::EqualsNoCase(liste[i].text, text)) return static_cast<int>(i);
  }
  return -1;
}

template <class Liste>
void checkIndex(const Liste& liste, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= liste.size()) {
    throw std::invalid_argument("CPumpenDlg: list index out of range");
  }
}

}  // namespace

template <class T>
std::vector<std::string> CPumpenDlg::texts(const std::vector<Eintrag<T>>& liste) {
  std::vector<std::string> out;
  out.reserve(liste.size());
  for (const Eintrag<T>& eintrag : liste) out.push_back(eintrag.text);
  return out;
}

std::vector<std::string> CPumpenDlg::getHerstellerListe() const { return texts(hersteller_); }

std::vector<std::string> CPumpenDlg::getSerienListe() const { return texts(serien_); }

std::vector<std::string> CPumpenDlg::getPumpenListe() const { return texts(pumpen_); }

CPumpenDlg::CPumpenDlg(hydPumpenManager& katalog, Optionen optionen, const PumpMediaResolver& resolver)
    : katalog_(katalog), optionen_(std::move(optionen)), resolver_(resolver) {
  for (const auto& hersteller : katalog_.getHersteller()) {
    hersteller_.push_back({hersteller->getName(), hersteller.get()});
  }
  if (!hersteller_.empty()) chooseHersteller(0);
  if (optionen_.startPumpe != nullptr) openAt(*optionen_.startPumpe);
  refresh();
}

void CPumpenDlg::selectHersteller(int index) {
  checkIndex(hersteller_, index);
  chooseHersteller(index);
  refresh();
}

void CPumpenDlg::selectSerie(int index) {
  checkIndex(serien_, index);
  chooseSerie(index);
  refresh();
}

void CPumpenDlg::selectPumpe(int index) {
  checkIndex(pumpen_, index);
  choosePumpe(index);
  refresh();
}

void CPumpenDlg::chooseHersteller(int index) {
  herstellerAuswahl_ = index;
  aktHersteller_ = hersteller_[static_cast<std::size_t>(index)].item;
  fillSerien();
}

void CPumpenDlg::chooseSerie(int index) {
  serienAuswahl_ = index;
  aktSerie_ = serien_[static_cast<std::size_t>(index)].item;
  fillPumpen();
}

void CPumpenDlg::choosePumpe(int index) {
  pumpenAuswahl_ = index;
  aktPumpe_ = pumpen_[static_cast<std::size_t>(index)].item;
}

void CPumpenDlg::fillSerien() {
  serien_.clear();
  serienAuswahl_ = -1;
  aktSerie_ = nullptr;
  if (aktHersteller_ != nullptr) {
    for (const auto& serie : aktHersteller_->getSerien()) {
      if (serie->getEinsatzBereich() == 0 || serie->bIsForEinsatzbereich(optionen_.einsatzFilter)) {
        serien_.push_back({serie->getName(), serie.get()});
      }
    }
  }
  if (!serien_.empty()) {
    chooseSerie(0);
  } else {
    fillPumpen();
  }
}

void CPumpenDlg::fillPumpen() {
  pumpen_.clear();
  pumpenAuswahl_ = -1;
  aktPumpe_ = nullptr;
  if (aktSerie_ != nullptr) {
    for (const auto& pumpe : aktSerie_->getPumpen()) pumpen_.push_back({pumpe->getName(), pumpe.get()});
  }
  if (!pumpen_.empty()) choosePumpe(0);
}

void CPumpenDlg::openAt(hydPumpe& startPumpe) {
  hydPumpenSerie* serie = startPumpe.getSerie();
  if (serie == nullptr || serie->getHersteller() == nullptr) return;
  hydPumpenHersteller* hersteller = serie->getHersteller();

  if (const int h = find(hersteller_, hersteller->getName()); h >= 0) {
    chooseHersteller(h);
    if (const int s = find(serien_, serie->getName()); s >= 0) {
      chooseSerie(s);
      if (const int p = find(pumpen_, startPumpe.getName()); p >= 0) {
        choosePumpe(p);
        return;
      }
    }
  }
  // Not listed: the host's own pump is shown with its own manufacturer and series, after
  // whatever the lists hold.
  hersteller_.push_back({hersteller->getName(), hersteller});
  serien_.push_back({serie->getName(), serie});
  pumpen_.push_back({startPumpe.getName(), &startPumpe});
  herstellerAuswahl_ = static_cast<int>(hersteller_.size()) - 1;
  serienAuswahl_ = static_cast<int>(serien_.size()) - 1;
  pumpenAuswahl_ = static_cast<int>(pumpen_.size()) - 1;
  aktHersteller_ = hersteller;
  aktSerie_ = serie;
  aktPumpe_ = &startPumpe;
}

void CPumpenDlg::refresh() {
  produktbild_ = findProduktbild();
  technischeDaten_ = aktPumpe_ != nullptr ? buildTechnischeDaten(*aktPumpe_) : std::string();
  chart_ = aktPumpe_ != nullptr ? buildPumpChart(*aktPumpe_, {optionen_.netzpunkt1, optionen_.netzpunkt2})
                                 : PumpChart();
}

std::string CPumpenDlg::findProduktbild() const {
  if (aktPumpe_ == nullptr || aktHersteller_ == nullptr) return {};
  const std::string& id = aktHersteller_->getID();
  const std::string& image = aktPumpe_->getBmpFile();
  std::string path = resolver_.imagePath(id, image, 0);
  if (!fileExists(path)) {
    path = resolver_.imagePath(id, image, resolver_.articleImageNumber(aktPumpe_->getArticleNumber()));
  }
  return fileExists(path) ? path : std::string();
}

std::string CPumpenDlg::title() const {
  return Translate(optionen_.auswahl ? "Pumpenauswahl" : "Pumpenkatalog");
}

std::string CPumpenDlg::getOkText() const { return optionen_.auswahl ? Translate("Zuweisen") : std::string("OK"); }

bool CPumpenDlg::isOkEnabled() const { return !optionen_.auswahl || aktPumpe_ != nullptr; }

bool CPumpenDlg::isDatenblattEnabled() const { return aktPumpe_ != nullptr && !aktPumpe_->getPdfFile().empty(); }

void CPumpenDlg::onOK() {
  if (!isOkEnabled()) return;
  if (aktPumpe_ != nullptr && !aktPumpe_->bCheckPumpe()) {
    platform().showInformation(Translate("Pumpe hat fehlerhafte Daten, bitte überprüfen."));
    return;
  }
  endDialog(kOK);
}

void CPumpenDlg::onZuruecksetzen() {
  if (optionen_.zuruecksetzen) endDialog(kZuruecksetzen);
}

void CPumpenDlg::onDatenblatt() {
  if (aktHersteller_ == nullptr || !isDatenblattEnabled()) return;
  const std::string& name = aktPumpe_->getPdfFile();
  const std::string path = resolver_.filePath(aktHersteller_->getID(), name, "PDF");
  if (fileExists(path)) {
    platform().openWithSystem(path);
  } else {
    platform().showWarning(Translate("Angegebene Datei nicht gefunden: ") + name);
  }
}

void CPumpenDlg::onDebugTest() {
  if (!optionen_.debug) return;
  std::vector<std::string> findings;
  if (katalog_.checkAllPumpData(findings)) {
    platform().showInformation("Alle Pumpen aller geladenen Hersteller ohne erkennbare Fehler!");
    return;
  }
  std::string text = "Folgende Pumpen sind fehlerhaft:\n";
  for (const std::string& finding : findings) text += "\n" + finding;
  platform().showWarning(text);
}

void CPumpenDlg::onDebugEdit() {
  if (!optionen_.debug || aktHersteller_ == nullptr || aktPumpe_ == nullptr) return;
  CPumpEditDlg editor(*aktPumpe_);
  editor.setParentWindow(parentWindow());
  if (showModal(editor) == CPumpEditDlg::kSpeichern) katalog_.writeToFile(aktHersteller_, false);
  refresh();
}

}  // namespace armakon
