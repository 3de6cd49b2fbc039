#pragma once
// ArmakonWrapper: the one entry object through which the host opens the library's dialogs
// (getArmakonInstance). The containers and the pump catalog are reached directly; this
// object offers the interactive operations and keeps the host's feature bits.
//
// The operations are virtual, in this order of their slots: selectValveModel,
// showModelInfo, showSplitterDialog, loadPendingCatalogs, createValveObject, addVdiFiles,
// selectPump. A null parent window means the host's main window. Dialogs reach the screen
// through the dialog road (armakon/platform/ModalDialog.h).
//
// Threads: the host's user-interface thread, except loadPendingCatalogs, which may run on
// any thread (typically a background thread at start-up).

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "armakon/entry/DialogSlots.h"
#include "armakon/entry/FeatureFlags.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmaturObject.h"
#include "armakon/platform/ModalDialog.h"
#include "armakon/pumps/Netzpunkt.h"

namespace armakon {

namespace hydVDIArmaturen {
class hydArmaturenModell;
}
class hydPumpe;

// selectValveModel's result when the catalogs of the sheet could not be prepared.
inline constexpr int kCatalogsNotReady = 2;

class ArmakonWrapper {
 public:
  // How long selectValveModel waits for a busy catalog loader: polls, time between polls.
  static constexpr int kCatalogPolls = 200;
  static constexpr std::chrono::milliseconds kCatalogPollInterval{100};
  using Sleep = std::function<void(std::chrono::milliseconds)>;

  ArmakonWrapper() = default;
  ArmakonWrapper(const ArmakonWrapper&) = delete;
  ArmakonWrapper& operator=(const ArmakonWrapper&) = delete;
  virtual ~ArmakonWrapper() = default;

  // Slot 0. Prepares the sheet's catalogs (waiting for a busy catalog loader: kCatalogPolls
  // polls, kCatalogPollInterval apart, then kCatalogsNotReady without showing anything),
  // then shows the valve catalog dialog with the offered types, the model to fill, the
  // flag, the sheet, the last document and the host callback. The document the dialog
  // reports back becomes the last document. The dialog's result: 1 when the user took a
  // model over.
  virtual int selectValveModel(WindowHandle parent, const std::vector<hydVDIArmaturen::en700ArmaturTyp>& types,
                               hydVDIArmaturen::hydArmaturenModell* model, bool mayAddFiles, int sheet,
                               HostCallback hostCallback);
  // Slot 1. The valve information dialog for a copy of the model; the three values are
  // handed to the dialog. The dialog's result.
  virtual int showModelInfo(WindowHandle parent, const hydVDIArmaturen::hydArmaturenModell& model, int selection,
                            double firstValue, double secondValue);
  // Slot 2. The splitter dialog's result.
  virtual int showSplitterDialog(WindowHandle parent);
  // Slot 3. Runs the catalog jobs the host queued (CatalogLoader).
  virtual void loadPendingCatalogs();
  // Slot 4. A new valve object of the class of that name (e.g. "hydArmaturTHKV"), or null
  // for a name the valve factory does not know.
  virtual std::unique_ptr<hydVDIArmaturen::hydArmaturObject> createValveObject(const std::string& className);
  // Slot 5. Lets the user choose VDI 3805 files for the sheet's catalog (filters by feature
  // bit 2 for sheet 2) and runs the catalog folder dialog for each file that passes the file
  // check. True when at least one file was taken into a catalog.
  virtual bool addVdiFiles(WindowHandle parent, int sheet);
  // Slot 6. The pump choice of the program-wide pump catalog (hydPumpenManager::katalogauswahl,
  // the form with the chosen pump): the chosen pump (null first) and the dialog's result.
  virtual int selectPump(WindowHandle parent, bool auswahl, bool zuruecksetzen, hydPumpe* startPumpe,
                         Netzpunkt& netzpunkt1, Netzpunkt& netzpunkt2, hydPumpe*& chosen, bool debug);

  void enableFeatures(std::uint32_t on, std::uint32_t off) { features_.enableFeatures(on, off); }
  bool isFeatureEnabled(std::uint32_t bits) const { return features_.isFeatureEnabled(bits); }
  const FeatureFlags& features() const { return features_; }
  const std::string& lastDocument() const { return lastDocument_; }

  // How selectValveModel waits between polls (default: sleeping on the calling thread).
  void setPollSleep(Sleep sleep);

 private:
  std::string lastDocument_;
  FeatureFlags features_;
  Sleep sleep_;
};

// The program-wide entry object; it starts the application object first (CArmakonDllApp).
ArmakonWrapper& getArmakonInstance();

}  // namespace armakon
