#pragma once
// Shared helpers of the dialog tests: the scripted platform installed for the test, the
// sample catalogs, a temporary folder, and the valve model a conversion of chosen products
// gives when done the way the tool's convert command does it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/TreeNode.h"
#include "armakon/platform/ModalDialog.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ScriptedPlatform.h"
#include "armakon/vdi3805/AccessoryReferences.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/ValveConversion.h"
#include "tests/TempFolder.h"

namespace armakon::dialogtest {

namespace fs = std::filesystem;
using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturenModell;

// The bytes of a file; empty when it cannot be read.
inline std::string fileBytes(const std::string& path) {
  std::string bytes;
  readWholeFile(path, bytes);
  return bytes;
}

inline std::string sampleCatalog(const std::string& relative) {
  return std::string(ARMAKON_SOURCE_DIR) + "/data/samples/catalogs/" + relative;
}

using testsupport::TempFolder;

// The model as its tree text, to compare two models as a whole.
inline std::string treeText(const hydArmaturenModell& model) {
  CNode node;
  std::string text;
  model.write(&node);
  node.WriteToString(text);
  return text;
}

// The model of the products (800 indices) of one model (110 index) of a file, with every
// accessory the products reference and the same XP for each, as `armakon convert` builds it.
inline std::string convertedModel(const std::string& path, int modelIndex, const std::vector<int>& productIndices,
                                  double xp) {
  CVDIDoc document;
  if (!document.Load(path, false, 0)) return "load failed";
  std::vector<const CVDIBase*> models;
  CollectRecords(&document, 11000, models);
  std::vector<const CVDIBase*> all;
  for (const CVDIBase* model : models) {
    if (toInt(GetFieldView(model, 2)) == modelIndex) CollectRecords(model, 80000, all);
  }
  std::vector<const CVDIBase*> products;
  for (int wanted : productIndices) {
    for (const CVDIBase* product : all) {
      if (toInt(GetFieldView(product, 2)) == wanted) products.push_back(product);
    }
  }
  const AccessorySources accessories(AccessoryResolver(&document), products);
  hydArmaturenModell model;
  BuildModel(model, products, std::vector<double>(products.size(), xp), accessories.pointers());
  return treeText(model);
}

// The scripted platform installed for the test; the report list empty and without viewer,
// and no modal runner, before and after.
class ScriptedTest : public ::testing::Test {
 protected:
  ScriptedTest() : scoped_(script) { reset(); }
  ~ScriptedTest() override { reset(); }

  std::vector<PlatformCall> callsOf(PlatformCallKind kind) const {
    std::vector<PlatformCall> found;
    for (const PlatformCall& call : script.calls()) {
      if (call.kind == kind) found.push_back(call);
    }
    return found;
  }

  ScriptedPlatform script;

 private:
  static void reset() {
    CMiniReportUtil::instance().clear();
    CMiniReportUtil::instance().setViewer(nullptr);
  }
  ScopedPlatform scoped_;
};

}  // namespace armakon::dialogtest
