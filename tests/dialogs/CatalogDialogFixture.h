#pragma once
// The valve catalog dialog opened on catalog data of the test's own, with helpers that wait
// for the background load and choose kind, type and model as a user would.

#include <algorithm>
#include <memory>
#include <string>

#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/vdi3805/CVDIData.h"
#include "tests/dialogs/DialogFixtures.h"

namespace armakon::dialogtest {

class CatalogDialogTest : public ScriptedTest {
 protected:
  std::unique_ptr<CVdiKatalogDlg> open(int sheet, unsigned features = 0, bool mayAddFiles = false) {
    CVdiKatalogDlg::Inputs inputs;
    inputs.data = &data;
    inputs.target = &target;
    inputs.sheet = sheet;
    inputs.features = features;
    inputs.mayAddFiles = mayAddFiles;
    auto dialog = std::make_unique<CVdiKatalogDlg>(inputs);
    dialog->onOpen();
    return dialog;
  }

  // Lets time pass until the worker has loaded everything and the timer has seen it.
  void waitForLoad(CVdiKatalogDlg& dialog) {
    for (int i = 0; i < 5000 && dialog.isBusy(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      script.tickTimers();
    }
    ASSERT_FALSE(dialog.isBusy());
  }

  // Chooses the kind and the type by their numbers and the model by its name.
  void choose(CVdiKatalogDlg& dialog, int kind, int type, const std::string& model) {
    const auto& kinds = dialog.kinds();
    const auto k = std::find_if(kinds.begin(), kinds.end(), [&](const KindEntry& e) { return e.kind == kind; });
    ASSERT_NE(k, kinds.end());
    dialog.chooseKind(static_cast<int>(k - kinds.begin()));
    const auto& types = dialog.types();
    const auto t = std::find_if(types.begin(), types.end(), [&](const TypeEntry& e) { return e.type == type; });
    ASSERT_NE(t, types.end());
    dialog.chooseType(static_cast<int>(t - types.begin()));
    const auto models = dialog.modelTexts();
    const auto m = std::find(models.begin(), models.end(), model);
    ASSERT_NE(m, models.end());
    dialog.clickModel(static_cast<int>(m - models.begin()));
  }

  CVDIData data;
  hydArmaturenModell target;
};

}  // namespace armakon::dialogtest
