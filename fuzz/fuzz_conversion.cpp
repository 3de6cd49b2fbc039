// Fuzz target: valve models built from arbitrary VDI 3805 data. The bytes are read as a file
// (the first byte chooses the current or the 1996 layout and the wanted XP), then every model
// (110 record) is converted with the accessories its products reference, and each model that
// got variants is written as a valve-model tree.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/TreeNode.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/vdi3805/AccessoryReferences.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "armakon/vdi3805/ValveConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace armakon;
  using hydVDIArmaturen::hydArmatur;
  if (size == 0) return 0;
  static const bool once = [] {
    CVDITemplate::SetFolder("/nonexistent-armakon-fuzz");  // no descriptions file: no disk access
    return true;
  }();
  (void)once;
  const std::uint8_t options = data[0];
  const std::string path = (options & 1) != 0 ? "fuzz.TGA" : "fuzz.VDI";
  const double wantedXp = static_cast<double>((options >> 1) & 7) * 0.5;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  StringList lines;
  if (!hydStrUtil::readStringlistFromString(lines, bytes, kCodePage1252, 0)) return 0;
  CVDIDoc document;
  document.LoadLines(std::move(lines), path, false, 0);
  if (document.IsParsed()) {
    const AccessoryResolver resolver(&document);
    std::vector<const CVDIBase*> models;
    CollectRecords(&document, 11000, models);
    for (const CVDIBase* group : models) {
      std::vector<const CVDIBase*> products;
      CollectRecords(group, 80000, products);
      std::vector<hydArmatur> sources(products.size());
      std::vector<const hydArmatur*> pointers;
      for (std::size_t i = 0; i < products.size(); ++i) {
        resolver.Gather(products[i], sources[i]);
        pointers.push_back(&sources[i]);
      }
      hydVDIArmaturen::hydArmaturenModell model;
      if (BuildModel(model, products, std::vector<double>(products.size(), wantedXp), pointers) > 0) {
        CNode root;
        model.write(&root);
      }
      CMiniReportUtil::instance().clear();
    }
  }
  CMiniReportUtil::instance().clear();
  return 0;
}
