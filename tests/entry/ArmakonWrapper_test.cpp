// The entry object: locale, creation by class name, feature bits, the valve selection's wait
// for the catalog loader, and what its dialogs get and give back.

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cstring>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/entry/CatalogLoader.h"
#include "armakon/entry/LibraryDialogs.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"

namespace armakon {
namespace {

using hydVDIArmaturen::hydArmaturenModell;

const std::string kSampleVdi = std::string(ARMAKON_SOURCE_DIR) + "/data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI";

TEST(ArmakonWrapper, NumbersKeepTheirPointUnderAGermanHostLocaleAndTheLocaleStaysTheHosts) {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  getArmakonInstance();
  EXPECT_EQ(formatC("%g", 0.5), "0.5");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "de_DE.UTF-8");
  std::setlocale(LC_ALL, "C");
}

TEST(ArmakonWrapper, CreatesValveObjectsByClassNameOnly) {
  ArmakonWrapper& wrapper = getArmakonInstance();
  const std::unique_ptr<hydVDIArmaturen::hydArmaturObject> created = wrapper.createValveObject("hydArmaturTHKV");
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->GetRuntimeClass()->className(), "hydArmaturTHKV");
  const auto* variant = dynamic_cast<const hydVDIArmaturen::hydArmatur*>(created.get());
  ASSERT_NE(variant, nullptr);
  EXPECT_TRUE(variant->getArtikelNr().empty());
  EXPECT_TRUE(variant->getKurve().bIsEmpty());
  for (const char* name : {"", "hydarmaturthkv", "hydArmaturTHKV ", "CKurve", "Unbekannt"}) {
    EXPECT_EQ(wrapper.createValveObject(name), nullptr) << '"' << name << '"';
  }
}

TEST(ArmakonWrapper, EnableFeaturesSwitchesOnThenOff) {
  struct Case {
    std::uint32_t before, on, off, after;
  };
  const Case cases[] = {
      {0, 2, 0, 2},       // on
      {0, 2, 2, 0},       // the same bit in both ends up cleared
      {7, 8, 2, 13},      // others stay
      {5, 0, 0, 5},       // nothing asked: nothing changes
  };
  for (const Case& c : cases) {
    ArmakonWrapper wrapper;
    wrapper.enableFeatures(c.before, 0);
    wrapper.enableFeatures(c.on, c.off);
    EXPECT_EQ(wrapper.features().bits(), c.after) << c.before << " +" << c.on << " -" << c.off;
  }
  ArmakonWrapper wrapper;
  wrapper.enableFeatures(kFeatureExportButton, 0);
  EXPECT_TRUE(wrapper.isFeatureEnabled(kFeatureCheckButton | kFeatureExportButton));
  EXPECT_FALSE(wrapper.isFeatureEnabled(kFeatureCheckButton | kFeatureOldEditionFiles));
}

TEST(ArmakonWrapper, ValveSelectionGivesUpAfter200PollsOfABusyLoaderWithoutShowingAnything) {
  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  ArmakonWrapper wrapper;
  std::vector<std::chrono::milliseconds> sleeps;
  wrapper.setPollSleep([&sleeps](std::chrono::milliseconds interval) { sleeps.push_back(interval); });
  int dialogs = 0;
  valveCatalogDialog().setRunner([&dialogs](ValveCatalogRequest&) { return ++dialogs, kDialogOk; });

  CatalogLoader& loader = CatalogLoader::instance();
  std::promise<void> started;
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  loader.addJob([&started, released] {
    started.set_value();
    released.wait();
  });
  std::thread run([&loader] { loader.loadPending(); });
  started.get_future().wait();
  const int busyResult = wrapper.selectValveModel(nullptr, {}, nullptr, false, 2, {});
  release.set_value();
  run.join();

  EXPECT_EQ(busyResult, kCatalogsNotReady);
  EXPECT_EQ(sleeps, std::vector<std::chrono::milliseconds>(200, std::chrono::milliseconds(100)));
  EXPECT_EQ(dialogs, 0);
  EXPECT_TRUE(scripted.calls().empty());
  EXPECT_FALSE(loader.isBusy());
  EXPECT_EQ(wrapper.selectValveModel(nullptr, {}, nullptr, false, 2, {}), kDialogOk);
  EXPECT_EQ(dialogs, 1);
  plugLibraryDialogs();
}

TEST(ArmakonWrapper, ValveCatalogDialogGetsTheRequestAndHandsTheChosenDocumentBack) {
  ArmakonWrapper wrapper;
  wrapper.enableFeatures(kFeatureOldEditionFiles | kFeatureCheckButton, 0);
  hydArmaturenModell model;
  std::vector<ValveCatalogRequest> seen;
  valveCatalogDialog().setRunner([&seen](ValveCatalogRequest& request) {
    seen.push_back(request);
    request.lastDocument = "AQ_HEIZUNG.VDI";
    return request.hostCallback("Armatur", "gewählt") ? kDialogOk : kDialogCancel;
  });
  const auto accept = [](const std::string&, const std::string& second) { return second == "gewählt"; };
  const std::vector<hydVDIArmaturen::en700ArmaturTyp> types = {hydVDIArmaturen::ARMTYP_THERMOSTATVENTIL,
                                                               hydVDIArmaturen::ARMTYP_THERMOSTATVENTIL_DFR};

  EXPECT_EQ(wrapper.selectValveModel(nullptr, types, &model, true, 2, accept), kDialogOk);
  EXPECT_EQ(wrapper.selectValveModel(nullptr, {}, nullptr, false, 17, accept), kDialogOk);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].types, types);
  EXPECT_EQ(seen[0].model, &model);
  EXPECT_TRUE(seen[0].mayAddFiles);
  EXPECT_EQ(seen[0].sheet, 2);
  EXPECT_EQ(seen[0].features, kFeatureOldEditionFiles | kFeatureCheckButton);
  EXPECT_EQ(seen[0].lastDocument, "");
  EXPECT_EQ(seen[1].lastDocument, "AQ_HEIZUNG.VDI");
  EXPECT_EQ(seen[1].sheet, 17);

  // No dialog registered: cancel, and the last document stays.
  valveCatalogDialog().setRunner(nullptr);
  EXPECT_EQ(wrapper.selectValveModel(nullptr, {}, &model, false, 2, accept), kDialogCancel);
  EXPECT_EQ(wrapper.lastDocument(), "AQ_HEIZUNG.VDI");
  plugLibraryDialogs();
}

TEST(ArmakonWrapper, AddVdiFilesOffersTheEditionsOfTheFeatureBitsAndRunsTheFolderDialogPerAcceptedFile) {
  const std::string current = "VDI 3805 Dateien ab 11.2001 (*.VDI)|*.VDI|Alle Dateien (*.*)|*.*||";
  const std::string both =
      "VDI 3805 Dateien (*.VDI;*.TGA)|*.VDI;*.TGA|nur VDI 3805 Dateien ab 11.2001 (*.VDI)|*.VDI|"
      "nur VDI 3805 Dateien ab 08.1996 (*.TGA)|*.TGA|Alle Dateien (*.*)|*.*||";
  struct Case {
    int sheet;
    std::uint32_t features;
    const std::string& filter;
  };
  for (const Case& c : {Case{2, 0, current}, Case{2, kFeatureOldEditionFiles, both},
                        Case{17, kFeatureOldEditionFiles, current}}) {
    ScriptedPlatform scripted;
    ScopedPlatform installed(scripted);
    ArmakonWrapper wrapper;
    wrapper.enableFeatures(c.features, 0);
    EXPECT_FALSE(wrapper.addVdiFiles(nullptr, c.sheet));  // the user cancels the chooser
    ASSERT_EQ(scripted.calls().size(), 1u);
    EXPECT_EQ(scripted.calls()[0].request.filter, c.filter) << c.sheet << " " << c.features;
    EXPECT_TRUE(scripted.calls()[0].request.multiSelect);
  }

  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  std::vector<CatalogFolderRequest> folderDialogs;
  catalogFolderDialog().setRunner([&folderDialogs](CatalogFolderRequest& request) {
    folderDialogs.push_back(request);
    return kDialogOk;
  });
  scripted.queueFilesToOpen({"/nirgends/FEHLT.VDI", kSampleVdi});
  EXPECT_TRUE(getArmakonInstance().addVdiFiles(nullptr, 2));
  ASSERT_EQ(folderDialogs.size(), 1u);  // the missing file fails the file check
  EXPECT_EQ(folderDialogs[0].vdiPath, kSampleVdi);
  EXPECT_EQ(folderDialogs[0].sheet, 2);
  const std::vector<PlatformCall> calls = scripted.calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].caption, "Datei konnte nicht gefunden werden.");
  plugLibraryDialogs();
}

TEST(ArmakonWrapper, ModelInfoShowsACopyOfTheModelAsText) {
  hydArmaturenModell model;
  model.setManufacturerModel("Aqualis", "TV-Reihe");
  model.setHydArmType(201);
  model.setCatID("AQ");
  auto* variant = dynamic_cast<hydVDIArmaturen::hydArmaturTHKV*>(model.Add(201));
  ASSERT_NE(variant, nullptr);
  variant->setArmType(201);
  variant->setArtikelNr("TV-15");
  variant->setDimension(15);
  variant->addAusfDetail("Messing");
  hydVDIArmaturen::CKurve curve;
  curve.setEinheitx("Einstellung");
  curve.setEinheity("kv");
  curve.addCurveNode(1.0f, "", 0.9f);
  curve.addCurveNode(-9999.0f, "offen", 2.5f);
  variant->addKvKurve(curve);
  const std::string typeName = model.getHydArmTypeStr();

  ScriptedPlatform scripted;
  ScopedPlatform installed(scripted);
  std::string shown;
  int selection = 0;
  scripted.queueDialog([&](ModalDialog& dialog) {
    auto& info = dynamic_cast<CArmaturInfoDlg&>(dialog);
    model.destroyAll();  // the host's model changes while the dialog is open
    shown = info.text();
    selection = info.selection();
    info.ok();
  });
  EXPECT_EQ(getArmakonInstance().showModelInfo(nullptr, model, 3, 0.5, 1.5), kDialogOk);
  EXPECT_EQ(scripted.calls().at(0).text, "Informationen zu dieser Armatur");
  EXPECT_EQ(selection, 3);
  EXPECT_EQ(shown, "Hersteller: Aqualis\nModell: TV-Reihe\nArmaturentyp: " + typeName +
                       "\nKatalog: AQ\nVarianten: 1\n\n1: TV-15, DN 15, Messing\n"
                       "  Kennlinie (x: Einstellung, y: kv)\n    1\t0.9\n    offen\t2.5\n");
}

}  // namespace
}  // namespace armakon
