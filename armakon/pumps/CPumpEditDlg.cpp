#include "armakon/pumps/CPumpEditDlg.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/pumps/PumpFile.h"
#include "armakon/pumps/hydPumpe.h"

namespace armakon {

namespace {

using Feld = CPumpEditDlg::Feld;

enum class Art { Text, Ganzzahl, Zahl, Anzeige };

struct FeldInfo {
  const char* label;
  Art art;
};

// In the order of CPumpEditDlg::Feld.
constexpr FeldInfo kFeldInfo[CPumpEditDlg::kFelder] = {
    {"Bezeichnung, Typ (Char)", Art::Text},
    {"Artikel-Nr. (Char)", Art::Text},
    {"Nennweite (Integer)", Art::Ganzzahl},
    {"PN (float)", Art::Zahl},
    {"Spannung in V (Char)", Art::Text},
    {"T min in °C (float)", Art::Zahl},
    {"T max in °C (float)", Art::Zahl},
    {"T max, kurzzeitig in °C (float)", Art::Zahl},
    {"Mindest-Förderhöhe in mbar (float)", Art::Zahl},
    {"Maximale Förderhöhe in mbar (float)", Art::Zahl},
    {"Dateiname Produktbild.bmp, Unterordner BMP (Char)", Art::Text},
    {"Dateiname Datenblatt.pdf, Unterordner PDF (Char)", Art::Text},
    {"Kennlinie Nr. (Int)", Art::Ganzzahl},
    {"RPM 1/min (Int)", Art::Ganzzahl},
    {"Qmin l/h (aus Kennlinie)", Art::Anzeige},
    {"Qmax l/h (aus Kennlinie)", Art::Anzeige},
};

const FeldInfo& info(Feld feld) {
  const auto index = static_cast<std::size_t>(feld);
  if (index >= std::size(kFeldInfo)) throw std::invalid_argument("CPumpEditDlg: no such field");
  return kFeldInfo[index];
}

const char* const kRegelungTypen[] = {"Statische Kennlinie(n)", "Konstantdruck-Regelung",
                                      "Proportionaldruck-Regelung", "Konstant- und Proportionaldruck-Regelung"};
constexpr int kRegelungTypAnzahl = static_cast<int>(std::size(kRegelungTypen));

// The shortest text that reads back as the same number, so taking a field over that the
// user did not touch never changes the pump.
std::string numberText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string flowText(double flow) { return FormatText("%g", flow * pumpfile::kFlowWriteFactor); }

std::string valueText(const hydPumpe& p, const hydPumpenKennlinie* k, Feld feld) {
  switch (feld) {
    case Feld::Bezeichnung: return p.getName();
    case Feld::ArtikelNr: return p.getArticleNumber();
    case Feld::Nennweite: return std::to_string(p.getDN());
    case Feld::PN: return numberText(p.getPN());
    case Feld::Spannung: return p.getVoltage();
    case Feld::TMin: return numberText(p.getTMin());
    case Feld::TMax: return numberText(p.getTMax());
    case Feld::TMaxKurz: return numberText(p.getTMaxShort());
    case Feld::DpMin: return numberText(p.getDpMin());
    case Feld::DpMax: return numberText(p.getDpMax());
    case Feld::Produktbild: return p.getBmpFile();
    case Feld::Datenblatt: return p.getPdfFile();
    case Feld::KennlinieNr: return k == nullptr ? std::string() : std::to_string(k->getNummer());
    case Feld::Drehzahl: return k == nullptr ? std::string() : std::to_string(k->getDrehzahl());
    case Feld::Qmin: return k == nullptr ? std::string() : flowText(k->getMinVolumenstrom());
    case Feld::Qmax: return k == nullptr ? std::string() : flowText(k->getMaxVolumenstrom());
  }
  return {};
}

void takeNumber(const std::string& text, hydPumpe& p, void (hydPumpe::*set)(double)) {
  double value = 0.0;
  if (parseDouble(text, value) && std::isfinite(value)) (p.*set)(value);
}

// A number field whose text is no number leaves the pump's value as it is.
void takeValue(hydPumpe& p, hydPumpenKennlinie* k, Feld feld, const std::string& text) {
  switch (feld) {
    case Feld::Bezeichnung: p.setName(text); break;
    case Feld::ArtikelNr: p.setArticleNumber(text); break;
    case Feld::Nennweite:
      if (int value = 0; parseInt(text, value)) p.setDN(value);
      break;
    case Feld::PN: takeNumber(text, p, &hydPumpe::setPN); break;
    case Feld::Spannung: p.setVoltage(text); break;
    case Feld::TMin: takeNumber(text, p, &hydPumpe::setTMin); break;
    case Feld::TMax: takeNumber(text, p, &hydPumpe::setTMax); break;
    case Feld::TMaxKurz: takeNumber(text, p, &hydPumpe::setTMaxShort); break;
    case Feld::DpMin: takeNumber(text, p, &hydPumpe::setDpMin); break;
    case Feld::DpMax: takeNumber(text, p, &hydPumpe::setDpMax); break;
    case Feld::Produktbild: p.setBmpFile(text); break;
    case Feld::Datenblatt: p.setPdfFile(text); break;
    case Feld::KennlinieNr:
      if (int value = 0; k != nullptr && parseInt(text, value)) k->setNummer(value);
      break;
    case Feld::Drehzahl:
      if (int value = 0; k != nullptr && parseInt(text, value)) k->setDrehzahl(value);
      break;
    case Feld::Qmin:
    case Feld::Qmax: break;
  }
}

}  // namespace

const char* CPumpEditDlg::getLabel(Feld feld) { return info(feld).label; }

bool CPumpEditDlg::isReadOnly(Feld feld) { return info(feld).art == Art::Anzeige; }

std::vector<std::string> CPumpEditDlg::getRegelungTypListe() {
  return std::vector<std::string>(std::begin(kRegelungTypen), std::end(kRegelungTypen));
}

CPumpEditDlg::CPumpEditDlg(hydPumpe& pumpe) : pumpe_(pumpe) {
  setAktKennlinie(nullptr);
  showFields();
}

std::string CPumpEditDlg::title() const { return Translate(kTitle); }

std::string CPumpEditDlg::getText(Feld feld) const {
  if (isReadOnly(feld)) return valueText(pumpe_, aktKennlinie_, feld);
  return texts_[static_cast<std::size_t>(feld)];
}

void CPumpEditDlg::setText(Feld feld, std::string text) {
  if (!isReadOnly(feld)) texts_[static_cast<std::size_t>(feld)] = std::move(text);
}

void CPumpEditDlg::leaveField(Feld feld) {
  info(feld);  // an unknown field is an index error like any other
  takeOverFields();
  showFields();
}

int CPumpEditDlg::getRegelungTypAuswahl() const {
  const int code = pumpe_.getRegelungTypCode();
  return code >= 0 && code < kRegelungTypAnzahl ? code : -1;
}

void CPumpEditDlg::selectRegelungTyp(int index) {
  if (index < 0 || index >= kRegelungTypAnzahl) throw std::invalid_argument("CPumpEditDlg: control type out of range");
  takeOverFields();
  pumpe_.setRegelungTypCode(index);
  showFields();
}

std::vector<std::string> CPumpEditDlg::getKennlinienListe() const {
  std::vector<std::string> liste;
  for (const auto& kennlinie : pumpe_.getKennlinien()) liste.push_back(FormatText(Translate("Nr. %d"), kennlinie->getNummer()));
  return liste;
}

int CPumpEditDlg::getKennlinieAuswahl() const {
  const auto& kennlinien = pumpe_.getKennlinien();
  for (std::size_t i = 0; i < kennlinien.size(); ++i) {
    if (kennlinien[i].get() == aktKennlinie_) return static_cast<int>(i);
  }
  return -1;
}

void CPumpEditDlg::selectKennlinie(int index) {
  hydPumpenKennlinie* kennlinie = pumpe_.getStatischeKennlinie(index);
  if (kennlinie == nullptr) throw std::invalid_argument("CPumpEditDlg: curve index out of range");
  takeOverFields();
  setAktKennlinie(kennlinie);
  showFields();
}

void CPumpEditDlg::setAktKennlinie(hydPumpenKennlinie* kennlinie) {
  aktKennlinie_ = kennlinie != nullptr ? kennlinie : pumpe_.getStatischeKennlinie(0);
  grid_.setKennlinie(aktKennlinie_);
}

void CPumpEditDlg::onSpeichern() {
  takeOverFields();
  hydPumpenKennlinie* leer = nullptr;
  for (const auto& kennlinie : pumpe_.getKennlinien()) {
    if (!kennlinie->bIsKennlinieOk()) {
      platform().showWarning(
          Translate("Bitte Kennlinie dieser Pumpe überprüfen.\nVolumenströme müssen z.B. aufsteigend angeordnet werden."));
      setAktKennlinie(kennlinie.get());
      showFields();
      return;
    }
    if (kennlinie->getAnzWertePaare() == 0) leer = kennlinie.get();
  }
  const std::string frage =
      Translate("Ein oder mehrere Kennlinie dieser Pumpe sind noch leer.\nWollen Sie die Kennlinien überprüfen?");
  if (leer != nullptr && platform().askYesNo(frage, std::string()) == Answer::Yes) {
    setAktKennlinie(leer);
    showFields();
    return;
  }
  endDialog(kSpeichern);
}

void CPumpEditDlg::takeOverFields() {
  for (int i = 0; i < kFelder; ++i) {
    const auto feld = static_cast<Feld>(i);
    takeValue(pumpe_, aktKennlinie_, feld, texts_[static_cast<std::size_t>(i)]);
  }
}

void CPumpEditDlg::showFields() {
  for (int i = 0; i < kFelder; ++i) {
    texts_[static_cast<std::size_t>(i)] = valueText(pumpe_, aktKennlinie_, static_cast<Feld>(i));
  }
}

}  // namespace armakon
