#pragma once
// Helpers of the conversion tests: documents built from VDI lines, TGA numbers, the products
// of a model, and report entries read back without the list's decoration.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/ValveConversion.h"

namespace armakon::convtest {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturenModell;

// A document of the given lines; the path's extension selects the layout (".TGA": 1996).
inline std::unique_ptr<CVDIDoc> makeDocument(std::vector<std::string> lines, const std::string& path = "test.VDI") {
  auto document = std::make_unique<CVDIDoc>();
  document->LoadLines(std::move(lines), path, false, 0);
  return document;
}

// A current-layout TGA number (53 characters): the 100 and 110 above, the referenced
// vectors by type (160, 200, 250, ... 560), the 700 and a 760 below it.
inline std::string tga(int kind, int model, int technical, const std::map<int, std::string>& vectors = {},
                       int execution = 0) {
  const auto three = [](int value) { return formatC("%03d", value); };
  std::string text = three(kind) + three(model);
  for (int type : {160, 200, 250, 260, 300, 350, 360, 400, 450, 460, 500, 550, 560}) {
    const auto found = vectors.find(type);
    text += found == vectors.end() ? "000" : found->second;
  }
  return text + (technical < 0 ? std::string("?????") : formatC("%05d", technical)) + three(execution);
}

// The product records (800) of the model with the given 110 index, in file order.
inline std::vector<const CVDIBase*> productsOf(const CVDIBase* document, int modelIndex) {
  std::vector<const CVDIBase*> products;
  if (const CVDIBase* model = FindRecord(document, 11000, modelIndex)) CollectRecords(model, 80000, products);
  return products;
}

// BuildModel over products without XP and accessory sources.
inline int build(hydArmaturenModell& model, const std::vector<const CVDIBase*>& products) {
  return BuildModel(model, products, std::vector<double>(products.size(), 0.0),
                    std::vector<const hydArmatur*>(products.size(), nullptr));
}

// An entry as the tests compare it: code, title and the detail as filed ("\n" line breaks,
// without the repeated title in front).
struct Entry {
  int code = 0;
  std::string title;
  std::string text;
  bool operator==(const Entry&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Entry& entry) {
  return out << "{" << entry.code << ", \"" << entry.title << "\", \"" << entry.text << "\"}";
}

inline std::vector<Entry> entries() {
  std::vector<Entry> out;
  for (const CMiniReportUtil::report& report : CMiniReportUtil::instance().entries()) {
    std::string text = hydStrUtil::Replace(report.detail, "\r\n", "\n");
    const std::string head = report.title + ":\n\n";
    if (text.compare(0, head.size(), head) == 0) text.erase(0, head.size());
    out.push_back({report.code, report.title, text});
  }
  return out;
}

// Every test starts with an empty report list that adds no manufacturer contact, so the
// entries hold exactly the texts the conversion filed.
class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CMiniReportUtil::instance().clear();
    CMiniReportUtil::instance().setIncludeDocumentInfo(false);
  }
  void TearDown() override {
    CMiniReportUtil::instance().clear();
    CMiniReportUtil::instance().setIncludeDocumentInfo(true);
  }
};

// Nodes of a curve as (x, text, y) for comparisons.
struct Node {
  float x;
  std::string text;
  float y;
  bool operator==(const Node& other) const {
    return std::abs(x - other.x) < 1e-4f && text == other.text && std::abs(y - other.y) < 1e-4f;
  }
};

inline std::ostream& operator<<(std::ostream& out, const Node& node) {
  return out << "(" << node.x << ", '" << node.text << "', " << node.y << ")";
}

inline std::vector<Node> nodesOf(const hydVDIArmaturen::CKurve& curve) {
  std::vector<Node> out;
  for (const auto& node : curve.nodes()) out.push_back({node.x, node.text, node.y});
  return out;
}

inline std::string samplePath(std::string_view relative) {
  return std::string(ARMAKON_SOURCE_DIR) + "/data/samples/" + std::string(relative);
}

}  // namespace armakon::convtest
