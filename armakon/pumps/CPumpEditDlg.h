#pragma once
// CPumpEditDlg: the pump editor "Pumpe editieren" as presentation logic (no toolkit).
//
// It edits one pump of the catalog in place: its technical data in text fields, its control
// type in a list, and the value pairs of one curve at a time in the grid "PUMPEDIT". Changes
// take effect in the pump at once; cancelling does not undo them, and only the choice dialog
// writes the manufacturer's file after the editor closed with its save button.
//
// The fields hold what the user typed. Every list or field action (choosing a curve or a
// control type, leaving a field, saving) first takes all fields over into the pump and the
// selected curve: a number field whose text is not a number keeps the pump's value, and all
// fields then show the pump's values again. Qmin and Qmax are read-only and show the selected
// curve's first and last flow in l/h.
//
// The save button checks every curve (bIsKennlinieOk); a faulty one is selected and the
// editor stays open. When some curve has no pairs yet the user is asked whether to look at
// it; yes selects the last empty curve and keeps the editor open.

#include <array>
#include <string>
#include <vector>

#include "armakon/platform/ModalDialog.h"
#include "armakon/pumps/PumpEditGrid.h"

namespace armakon {

class hydPumpe;
class hydPumpenKennlinie;

class CPumpEditDlg : public ModalDialog {
 public:
  static constexpr int kSpeichern = kDialogOk;
  static constexpr int kAbbrechen = kDialogCancel;

  static constexpr const char* kTitle = "Pumpe editieren";
  static constexpr const char* kRegelungTypLabel = "Pumpen-Typ";
  static constexpr const char* kKennlinieLabel = "Auswahl Kennlinie:";
  static constexpr const char* kSpeichernText = "Speichern";
  static constexpr const char* kAbbrechenText = "Abbrechen";

  enum class Feld {
    Bezeichnung,
    ArtikelNr,
    Nennweite,
    PN,
    Spannung,
    TMin,
    TMax,
    TMaxKurz,
    DpMin,
    DpMax,
    Produktbild,
    Datenblatt,
    KennlinieNr,
    Drehzahl,
    Qmin,
    Qmax,
  };
  static constexpr int kFelder = static_cast<int>(Feld::Qmax) + 1;

  static const char* getLabel(Feld feld);
  static bool isReadOnly(Feld feld);
  // The control types by code 0 … 3.
  static std::vector<std::string> getRegelungTypListe();

  explicit CPumpEditDlg(hydPumpe& pumpe);

  std::string title() const override;

  hydPumpe& getPumpe() const { return pumpe_; }

  // --- fields ---
  std::string getText(Feld feld) const;
  // What the user types; read-only fields ignore it.
  void setText(Feld feld, std::string text);
  // The user leaves a field: the fields are taken over (the curve list shows a changed
  // curve number afterwards).
  void leaveField(Feld feld);

  // --- control type: index = code, -1 when the pump's code is none of the list ---
  int getRegelungTypAuswahl() const;
  void selectRegelungTyp(int index);

  // --- curves: "Nr. %d" per curve, in the pump's order ---
  std::vector<std::string> getKennlinienListe() const;
  int getKennlinieAuswahl() const;
  hydPumpenKennlinie* getAktKennlinie() const { return aktKennlinie_; }
  void selectKennlinie(int index);

  // The pairs of the selected curve.
  PumpEditGrid& getGrid() { return grid_; }
  const PumpEditGrid& getGrid() const { return grid_; }

  // --- buttons ---
  void onSpeichern();

 private:
  void takeOverFields();
  void showFields();
  // Shows that curve in the grid; null shows the first curve (none without curves).
  void setAktKennlinie(hydPumpenKennlinie* kennlinie);

  hydPumpe& pumpe_;
  hydPumpenKennlinie* aktKennlinie_ = nullptr;
  std::array<std::string, kFelder> texts_;
  PumpEditGrid grid_;
};

}  // namespace armakon
