#pragma once
// CPumpenDlg: the pump choice as presentation logic (no toolkit).
//
// Three cascading lists (manufacturer, series, pump) over a pump catalog, the selected
// pump's product image, technical data and chart with the host's two Netzpunkte, and the
// buttons. In choice mode ("Pumpenauswahl") the host wants a pump back and OK, labelled
// "Zuweisen", needs a selected pump; otherwise ("Pumpenkatalog") the user only browses.
//
// The series list offers the selected manufacturer's series whose Einsatzbereich is 0 or
// holds every bit of the filter. A start pump handed in by the host is looked up by
// manufacturer, series and pump name (case ignored); when one of them is not listed, its own
// manufacturer, series and the pump itself are appended as extra entries and selected, so
// the host's pump is shown even when the catalog does not hold it.
//
// Messages and the data sheet go through the platform layer, the editor is shown with
// showModal (ModalDialog.h); image and data-sheet files through the media resolver. Result
// codes: kOK, kAbbrechen (closing the window), kZuruecksetzen.

#include <string>
#include <vector>

#include "armakon/platform/ModalDialog.h"
#include "armakon/pumps/Netzpunkt.h"
#include "armakon/pumps/PumpChart.h"
#include "armakon/pumps/PumpMediaResolver.h"

namespace armakon {

class hydPumpe;
class hydPumpenHersteller;
class hydPumpenManager;
class hydPumpenSerie;

class CPumpenDlg : public ModalDialog {
 public:
  static constexpr int kOK = kDialogOk;
  static constexpr int kAbbrechen = kDialogCancel;
  static constexpr int kZuruecksetzen = 1255;

  // Labels of the buttons that never change (OK's label depends on the mode: getOkText).
  static constexpr const char* kAbbrechenText = "Abbrechen";
  static constexpr const char* kZuruecksetzenText = "Zurücksetzen";
  static constexpr const char* kDatenblattText = "Datenblatt";
  static constexpr const char* kDebugEditText = "DEBUG: Edit";
  static constexpr const char* kDebugTestText = "DEBUG: Test";
  // Headings of the three lists.
  static constexpr const char* kHerstellerLabel = "Hersteller";
  static constexpr const char* kSerieLabel = "Serie";
  static constexpr const char* kPumpeLabel = "Pumpe";

  struct Optionen {
    bool auswahl = false;        // choice mode: the host wants a pump back
    bool zuruecksetzen = false;  // show "Zurücksetzen"
    bool debug = false;          // show "DEBUG: Edit" and "DEBUG: Test"
    int einsatzFilter = 0;       // series filter, 0 lists every series
    hydPumpe* startPumpe = nullptr;
    Netzpunkt netzpunkt1{};
    Netzpunkt netzpunkt2{};
  };

  // Opens on the catalog: lists filled, the start pump (or the first pump) selected.
  CPumpenDlg(hydPumpenManager& katalog, Optionen optionen, const PumpMediaResolver& resolver = pumpMediaResolver());

  const Optionen& getOptionen() const { return optionen_; }

  // --- the three lists: entry texts and the selected entry (-1: none) ---
  std::vector<std::string> getHerstellerListe() const;
  std::vector<std::string> getSerienListe() const;
  std::vector<std::string> getPumpenListe() const;
  int getHerstellerAuswahl() const { return herstellerAuswahl_; }
  int getSerienAuswahl() const { return serienAuswahl_; }
  int getPumpenAuswahl() const { return pumpenAuswahl_; }
  // The user picks an entry; an index outside the list throws std::invalid_argument.
  void selectHersteller(int index);
  void selectSerie(int index);
  void selectPumpe(int index);

  hydPumpenHersteller* getAktHersteller() const { return aktHersteller_; }
  hydPumpenSerie* getAktSerie() const { return aktSerie_; }
  hydPumpe* getAktPumpe() const { return aktPumpe_; }

  // --- what the window shows ---
  std::string title() const override;
  std::string getOkText() const;
  bool isOkEnabled() const;
  bool isDatenblattEnabled() const;
  bool isZuruecksetzenVisible() const { return optionen_.zuruecksetzen; }
  bool isDebugVisible() const { return optionen_.debug; }
  // The technical data under the image; "" without a selected pump.
  const std::string& getTechnischeDaten() const { return technischeDaten_; }
  // The product image's file; "" shows no image.
  const std::string& getProduktbild() const { return produktbild_; }
  // Empty (no title, no series) without a selected pump.
  const PumpChart& getChart() const { return chart_; }

  // --- buttons ---
  void onOK();
  void onZuruecksetzen();
  void onDatenblatt();
  void onDebugTest();
  void onDebugEdit();

 private:
  template <class T>
  struct Eintrag {
    std::string text;
    T* item = nullptr;
  };
  template <class T>
  static std::vector<std::string> texts(const std::vector<Eintrag<T>>& liste);

  void fillSerien();
  void fillPumpen();
  void chooseHersteller(int index);
  void chooseSerie(int index);
  void choosePumpe(int index);
  void openAt(hydPumpe& startPumpe);
  void refresh();
  std::string findProduktbild() const;

  hydPumpenManager& katalog_;
  Optionen optionen_;
  const PumpMediaResolver& resolver_;

  std::vector<Eintrag<hydPumpenHersteller>> hersteller_;
  std::vector<Eintrag<hydPumpenSerie>> serien_;
  std::vector<Eintrag<hydPumpe>> pumpen_;
  int herstellerAuswahl_ = -1;
  int serienAuswahl_ = -1;
  int pumpenAuswahl_ = -1;
  hydPumpenHersteller* aktHersteller_ = nullptr;
  hydPumpenSerie* aktSerie_ = nullptr;
  hydPumpe* aktPumpe_ = nullptr;

  std::string technischeDaten_;
  std::string produktbild_;
  PumpChart chart_;
};

}  // namespace armakon
