#pragma once
// CVdiKatalogDlg: the valve catalog dialog ("Armaturenreihe wählen"), where the user picks one
// valve series (a 110 record) of one manufacturer's VDI 3805 file, ticks the variants (800
// records) wanted, sets their XP and accessories, and takes them over as one valve model.
//
// The dialog converts nothing itself: it collects the choice and hands it to BuildModel,
// which fills the target model and files its findings in the report list.
//
// Loading: when the catalog data hold files that are not all loaded, onOpen() starts one
// worker thread running CVDIData::LoadAll for the sheet and a 100 ms timer (kLoadTimerId)
// through the platform layer. Each tick shows "Dateien laden: %i%%" and lets the
// manufacturers arrive in the dropped-open list; when the worker has ended the timer stops
// and the lists are filled. While busy, OK, "Info/Testen...", the export and the check file
// do nothing. The timer reads only the data's counters and documents whose load has ended;
// the timer's tick is meant to run on the thread that drives the dialog (the host's event
// loop; the scripted platform's tickTimers).
//
// Choices made here (the rest follows the dialog's description):
//  - "Info/Testen..." and the export convert into a model of their own, so that testing
//    never changes the host's target model; only OK fills it.
//  - The rows taken over are the selected rows the property filter lets through; the export
//    takes every row the filter lets through.
//  - A row's accessories are all the accessories its product references, until the user
//    narrows them in the accessory choice.
//  - The check file leaves the report list empty again, so that "Reports..." shows no
//    findings that belong to the file check rather than to the selection.

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "armakon/dialogs/CZubehoerAuswahlDlg.h"
#include "armakon/dialogs/CatalogChoice.h"
#include "armakon/platform/ModalDialog.h"
#include "armakon/dialogs/PropertyFilter.h"
#include "armakon/dialogs/VariantCells.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/PeriodicTimer.h"

namespace armakon {

class CVDIBase;
class CVDIData;
class CVDIDoc;

// The host's feature bits the dialog reads.
inline constexpr unsigned kFeatureCheckFile = 1;  // "Prüfung..."
inline constexpr unsigned kFeatureOldFiles = 2;   // *.TGA files for sheet 2
inline constexpr unsigned kFeatureExport = 4;     // the export button

struct ButtonState {
  std::string text;
  bool enabled = false;
};

class CVdiKatalogDlg : public ModalDialog {
 public:
  static constexpr int kLoadTimerId = 1337;
  static constexpr std::chrono::milliseconds kLoadTimerPeriod{100};

  struct Inputs {
    CVDIData* data = nullptr;                           // the catalog data (not null)
    hydVDIArmaturen::hydArmaturenModell* target = nullptr;  // may be null: nothing can be taken over
    TypeFilter typeFilter;                              // empty: every type
    int sheet = 0;                                      // 0 any, 2 heating, 17 drinking water
    bool mayAddFiles = false;
    std::string preselectedDocument;                    // path or file name, may be empty
    unsigned features = 0;                              // kFeature... bits
  };

  // One row of the variant grid.
  struct VariantRow {
    const CVDIBase* product = nullptr;
    bool selected = false;
    std::string xpText;
    bool accessoriesResolved = false;
    std::vector<hydVDIArmaturen::hydArmaturZubehoer> accessories;
    std::vector<bool> accessoryChosen;
  };

  explicit CVdiKatalogDlg(Inputs inputs);
  // Stops the timer and waits for the worker.
  ~CVdiKatalogDlg() override;

  // Hook: the valve information dialog for a converted model ("Info/Testen..."); without
  // one the model is converted and nothing is shown.
  std::function<void(const hydVDIArmaturen::hydArmaturenModell&)> showModelInfo;
  // Hook: called after every tick of the load timer, so that the dialog on screen shows the
  // progress and the manufacturers as they arrive.
  std::function<void()> loadTicked;

  std::string title() const override;
  void onOpen() override;

  // ---- Loading ---------------------------------------------------------------------------
  void onTimer();
  bool isBusy() const { return busy_; }
  bool progressVisible() const { return progressVisible_; }
  int progressPercent() const { return percent_; }
  const std::string& statusText() const { return statusText_; }

  // ---- Buttons -------------------------------------------------------------------------
  ButtonState okButton() const;         // "Übernehmen"
  ButtonState infoButton() const;       // "Info/Testen..."
  ButtonState checkButton() const;      // "Prüfung..."
  ButtonState exportButton() const;
  ButtonState addFileButton() const;    // "+ .vdi"
  // The look of "Reports...": CMiniReportUtil::kStateEmpty / kStateErrors / kStateHintsOnly,
  // as last refreshed.
  int reportState() const { return reportState_; }

  // ---- Manufacturer, kind, type, model -------------------------------------------------
  const std::vector<std::string>& manufacturerTexts() const { return manufacturerTexts_; }
  int chosenManufacturer() const { return manufacturer_; }  // -1: none
  bool manufacturerListOpen() const { return manufacturerListOpen_; }
  void setManufacturerListOpen(bool open) { manufacturerListOpen_ = open; }
  // Index into manufacturerTexts (-1: none); closes the list.
  void chooseManufacturer(int index);
  const CVDIDoc* chosenDocument() const;

  const std::vector<KindEntry>& kinds() const { return kinds_; }
  int chosenKind() const { return kind_; }
  void chooseKind(int index);
  const std::vector<TypeEntry>& types() const { return types_; }
  bool typeListEnabled() const { return !NoMatchingKinds(kinds_); }
  int chosenType() const { return type_; }
  void chooseType(int index);

  std::vector<std::string> modelTexts() const;
  int chosenModel() const { return model_; }  // -1: none
  // A click on a model; a click on the chosen one deselects it.
  void clickModel(int index);
  // The chosen model's product picture (110 field 6), empty without.
  std::string pictureName() const;
  // The picture's file: manufacturers deliver their pictures beside the data file, the name
  // matched without regard to case (the catalogs come from Windows). Empty when there is
  // no picture or no such file.
  std::string picturePath() const;

  // ---- Variant grid --------------------------------------------------------------------
  // Sheet and valve type number that decide the columns (those of the chosen model).
  int gridSheet() const;
  int gridType() const;
  VariantColumnHeader columnHeader(int column) const;
  bool columnVisible(int column) const;
  // The rows the property filter lets through, as indices into variantRows().
  std::vector<int> shownRows() const;
  const std::vector<VariantRow>& variantRows() const { return rows_; }
  VariantCells cells(int row) const;
  void setSelected(int row, bool selected);
  bool xpEditable() const;
  // Ignored when the XP cell cannot be edited.
  void setXpText(int row, const std::string& text);
  // "Zubehörauswahl" of a row through showModal; OK keeps the ticks.
  void chooseAccessories(int row);

  // ---- Filter grid ---------------------------------------------------------------------
  const PropertyFilter& filter() const { return filter_; }
  void chooseFilterValue(int row, int value);

  // ---- Actions -------------------------------------------------------------------------
  void ok();
  void info();
  void exportModel();
  void checkFile();
  void addVdiFile();
  void showReports();

  // After OK: the chosen document's file name (the host's next preselection).
  const std::string& documentName() const { return inputs_.preselectedDocument; }

 private:
  // Steps 3 to 5 of a take-over into model: collect the rows (all shown rows or the selected
  // ones), convert; -1, 0 or the number of variants created.
  int convertSelection(hydVDIArmaturen::hydArmaturenModell& model, bool allRows);
  bool allLoaded() const;
  void startLoading();
  void finishLoading();
  void fillManufacturers();
  void fillKinds();
  void fillTypes();
  void fillModels();
  void collectVariants();
  void resolveAccessories(VariantRow& row);
  void refreshReportState();
  void checkRow(int row) const;

  Inputs inputs_;
  bool busy_ = false;
  bool progressVisible_ = false;
  int percent_ = 0;
  std::string statusText_;
  int reportState_ = 0;

  std::vector<const CVDIDoc*> manufacturerDocs_;
  std::vector<std::string> manufacturerTexts_;
  int manufacturer_ = -1;
  bool manufacturerListOpen_ = false;
  std::vector<KindEntry> kinds_;
  int kind_ = 0;
  std::vector<TypeEntry> types_;
  int type_ = 0;
  std::vector<const CVDIBase*> models_;
  int model_ = -1;
  std::vector<VariantRow> rows_;
  PropertyFilter filter_;

  std::unique_ptr<PeriodicTimer> timer_;
  std::thread worker_;
  std::atomic<bool> workerDone_{false};
};

}  // namespace armakon
