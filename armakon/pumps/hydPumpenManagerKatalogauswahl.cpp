// hydPumpenManager::katalogauswahl: the pump choice as the host opens it.

#include <utility>

#include "armakon/pumps/CPumpenDlg.h"
#include "armakon/pumps/hydPumpenManager.h"

namespace armakon {

namespace {

// Shows the choice on the program-wide catalog; pumpe receives the selected pump when the
// user confirmed in choice mode.
int runKatalogauswahl(void* parentWindow, CPumpenDlg::Optionen optionen, hydPumpe*& pumpe) {
  pumpe = nullptr;
  CPumpenDlg dialog(*hydPumpenManager::instance(), std::move(optionen));
  dialog.setParentWindow(parentWindow);
  const int result = showModal(dialog);
  if (result == CPumpenDlg::kOK && dialog.getOptionen().auswahl) pumpe = dialog.getAktPumpe();
  return result;
}

}  // namespace

hydPumpe* hydPumpenManager::katalogauswahl(void* parentWindow, bool auswahl, bool zuruecksetzen, hydPumpe* startPumpe,
                                           const Netzpunkt& netzpunkt1, const Netzpunkt& netzpunkt2, bool debug,
                                           enEinsatzBereich filter) const {
  hydPumpe* pumpe = nullptr;
  runKatalogauswahl(parentWindow, {auswahl, zuruecksetzen, debug, filter, startPumpe, netzpunkt1, netzpunkt2}, pumpe);
  return pumpe;
}

int hydPumpenManager::katalogauswahl(void* parentWindow, bool auswahl, bool zuruecksetzen, hydPumpe* startPumpe,
                                     const Netzpunkt& netzpunkt1, const Netzpunkt& netzpunkt2, hydPumpe*& pumpe,
                                     bool debug) const {
  return runKatalogauswahl(parentWindow, {auswahl, zuruecksetzen, debug, EB_ALLE, startPumpe, netzpunkt1, netzpunkt2},
                           pumpe);
}

}  // namespace armakon
