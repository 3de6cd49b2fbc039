#pragma once
// The container dialog tests: a container of a sheet, the scripted platform, and a valve
// catalog dialog on the sample catalogs plugged into the entry's slot, which takes the
// queued picks as the user would (manufacturer, kind, type, model, ticked rows, OK).

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "armakon/containers/RnArmaturContainer.h"
#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/vdi3805/CVDIData.h"
#include "tests/dialogs/DialogFixtures.h"

namespace armakon::containertest {

class SheetContainer : public RnArmaturContainer {
 public:
  explicit SheetContainer(int sheet) : RnArmaturContainer(sheet) {}
};

// One choice in the valve catalog dialog: kind and type numbers, model name, ticked rows.
struct CatalogPick {
  int kind = 0;
  int type = 0;
  std::string model;
  std::vector<int> rows;
};

class ContainerDialogTest : public dialogtest::ScriptedTest {
 protected:
  ContainerDialogTest() {
    getArmakonInstance().enableFeatures(0, ~0u);
    valveCatalogDialog().setRunner([this](ValveCatalogRequest& request) { return runCatalogDialog(request); });
  }
  ~ContainerDialogTest() override {
    valveCatalogDialog().setRunner(nullptr);
    getArmakonInstance().enableFeatures(0, ~0u);
  }

  void loadSample(int sheet, const std::string& file) {
    ASSERT_TRUE(data.AddFile(sheet, dialogtest::sampleCatalog(file), "", "", "", false));
  }

  std::vector<std::string> questions() const {
    std::vector<std::string> texts;
    for (const PlatformCall& call : callsOf(PlatformCallKind::AskYesNoCancel)) texts.push_back(call.text);
    return texts;
  }

  std::deque<CatalogPick> picks;               // without a pick the user cancels
  std::vector<ValveCatalogRequest> requests;   // what the valve selection was asked for
  CVDIData data;

 private:
  int runCatalogDialog(ValveCatalogRequest& request) {
    requests.push_back(request);
    CVdiKatalogDlg::Inputs inputs;
    inputs.data = &data;
    inputs.target = request.model;
    inputs.typeFilter.assign(request.types.begin(), request.types.end());
    inputs.sheet = request.sheet;
    inputs.mayAddFiles = request.mayAddFiles;
    inputs.features = request.features;
    inputs.preselectedDocument = request.lastDocument;
    CVdiKatalogDlg dialog(inputs);
    dialog.setParentWindow(request.parent);
    if (!picks.empty()) {
      script.queueDialog(
          [this, pick = picks.front()](ModalDialog& shown) { pickIn(dynamic_cast<CVdiKatalogDlg&>(shown), pick); });
      picks.pop_front();
    }
    const int result = showModal(dialog);
    request.lastDocument = dialog.documentName();
    return result;
  }

  void pickIn(CVdiKatalogDlg& dialog, const CatalogPick& pick) {
    for (int i = 0; i < 5000 && dialog.isBusy(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      script.tickTimers();
    }
    ASSERT_FALSE(dialog.isBusy());
    dialog.chooseManufacturer(0);
    const auto& kinds = dialog.kinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const KindEntry& e) { return e.kind == pick.kind; });
    ASSERT_NE(kind, kinds.end());
    dialog.chooseKind(static_cast<int>(kind - kinds.begin()));
    const auto& types = dialog.types();
    const auto type = std::find_if(types.begin(), types.end(), [&](const TypeEntry& e) { return e.type == pick.type; });
    ASSERT_NE(type, types.end());
    dialog.chooseType(static_cast<int>(type - types.begin()));
    const auto models = dialog.modelTexts();
    const auto model = std::find(models.begin(), models.end(), pick.model);
    ASSERT_NE(model, models.end());
    dialog.clickModel(static_cast<int>(model - models.begin()));
    for (int row : pick.rows) dialog.setSelected(row, true);
    dialog.ok();
  }
};

}  // namespace armakon::containertest
