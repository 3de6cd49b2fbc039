#pragma once
// hydPumpenManager: the pump catalog, manufacturers → series → pumps → curves.
//
// One program-wide catalog (instance/removeInstance, also reachable as g_PumpenManager) holds
// the pump files of all catalog folders. Any other object of this class can hold a single pump
// apart from it: assigning a pump builds a one-manufacturer, one-series, one-pump copy, which
// the text form of the pump file turns into a string and back.
//
// Threads: the catalog belongs to the host's user-interface thread; instance() and
// removeInstance() are not synchronised.

#include <memory>
#include <string>
#include <vector>

#include "armakon/pumps/Netzpunkt.h"
#include "armakon/pumps/enEinsatzBereich.h"
#include "armakon/pumps/hydPumpenHersteller.h"

namespace armakon {

class hydPumpenManager {
 public:
  // The program-wide catalog, created empty on the first call.
  static hydPumpenManager* instance();
  // Destroys the program-wide catalog with all its content; nothing happens without one.
  static void removeInstance();

  hydPumpenManager();
  hydPumpenManager(const hydPumpenManager&) = delete;
  hydPumpenManager& operator=(const hydPumpenManager&) = delete;
  ~hydPumpenManager();

  // Deletes every manufacturer and all below.
  void removeAll();

  // The first manufacturer of exactly that name (case-sensitive), else null.
  hydPumpenHersteller* contains(const std::string& name) const;
  // The first pump of the first series of the first manufacturer when it has a curve, else
  // null: tells whether a catalog filled by assignment holds a usable pump.
  hydPumpe* hasPumpe() const;

  // Replaces the content by a copy of the pump with its series' name and Einsatzbereich and
  // its manufacturer's name, id and path. A null pump or one without curves leaves the
  // catalog empty.
  void operator=(const hydPumpe* pumpe);

  // Consistency check of all manufacturers, series, pumps and curves. messages is emptied and
  // receives one German text per finding; true when there is none.
  bool checkAllPumpData(std::vector<std::string>& messages) const;

  int getSize() const;
  // Manufacturer i; an index outside the array throws std::invalid_argument.
  hydPumpenHersteller* getAt(int i) const;
  const std::vector<std::unique_ptr<hydPumpenHersteller>>& getHersteller() const { return m_Hersteller; }
  // Appends a new manufacturer of that name owned by this catalog and returns it.
  hydPumpenHersteller* addHersteller(const std::string& name);

  // --- pump file (defined with the pump file) ---
  // Adds one pump file (path not empty) or its text form (path empty, text not empty):
  // manufacturers merge by name, series by name, pumps are always appended. False for an
  // unreadable source or a tree that is not a pump file; the catalog is then unchanged.
  bool read(const std::string& path, const std::string& text);
  // Empties the catalog and reads the pump file named by the leaf `key` of every catalog
  // folder's organisation info.
  void readAllPumpData(const std::string& key);
  // toString: the text form of the first manufacturer ("" for an empty catalog); otherwise
  // one save dialog per manufacturer and "".
  std::string write(bool toString) const;
  // toString: the text form of that manufacturer; otherwise a save dialog ("*.PMP") and the
  // file written atomically to the chosen path; returns "" then.
  std::string writeToFile(hydPumpenHersteller* hersteller, bool toString) const;

  // --- pump choice (the dialog is CPumpenDlg) ---
  // Both forms show the program-wide catalog, whichever catalog they are called on, in the
  // choice dialog, modally over parentWindow (null: the application's main window).
  // auswahl: the host wants a pump back; zuruecksetzen: offer "Zurücksetzen"; startPumpe
  // (may be null) is selected on opening; the Netzpunkte are drawn into the chart; debug
  // offers the maintenance buttons. The pump handed back belongs to the catalog, or is the
  // host's own start pump.
  //
  // Lists only series for the filter; returns the selected pump when the user confirmed in
  // choice mode, else null (cancel and "Zurücksetzen" alike).
  hydPumpe* katalogauswahl(void* parentWindow, bool auswahl, bool zuruecksetzen, hydPumpe* startPumpe,
                           const Netzpunkt& netzpunkt1, const Netzpunkt& netzpunkt2, bool debug,
                           enEinsatzBereich filter) const;
  // Lists every series; pumpe is set to null, then to the selected pump when the user
  // confirmed in choice mode. Returns the dialog's result code: 1 OK, 2 cancel, 1255
  // "Zurücksetzen".
  int katalogauswahl(void* parentWindow, bool auswahl, bool zuruecksetzen, hydPumpe* startPumpe,
                     const Netzpunkt& netzpunkt1, const Netzpunkt& netzpunkt2, hydPumpe*& pumpe, bool debug) const;

 private:
  std::vector<std::unique_ptr<hydPumpenHersteller>> m_Hersteller;
};

// The program-wide catalog, null until the first hydPumpenManager::instance() call and again
// after removeInstance().
extern hydPumpenManager* g_PumpenManager;

}  // namespace armakon
