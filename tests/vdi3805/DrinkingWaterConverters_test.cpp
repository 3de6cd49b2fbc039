// The converters of drinking-water fittings (sheet 17) on the faulty models of the sample
// files in data/samples/vdi/conversion/: how many variants each keeps and the codes of its
// findings in order. The texts are in the reviewed check reports of these files, the
// converted good models in data/samples/models/converted (ValveConversion_test).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConversionFixtures.h"

namespace armakon::convtest {
namespace {

TEST_F(ConversionTest, DrinkingWaterFaultsKeepOnlyUsableVariants) {
  constexpr const char* kDrawOff = "TW_ENTNAHME.VDI";
  constexpr const char* kSafety = "TW_SICHERUNG.VDI";
  constexpr const char* kReducer = "TW_DRUCKMINDERER.VDI";
  constexpr const char* kMeter = "TW_ZAEHLER.VDI";
  const struct {
    const char* file;
    int modelIndex;
    int variants;
    std::vector<int> codes;
  } cases[] = {
      {kDrawOff, 4, 0, {10}},
      {kDrawOff, 5, 0, {10}},
      {kDrawOff, 6, 0, {10}},
      {kDrawOff, 7, 0, {10, 10}},
      {kSafety, 3, 0, {10}},
      {kSafety, 4, 1, {1030}},
      {kSafety, 5, 1, {1030}},
      {kSafety, 6, 0, {15}},
      {kSafety, 7, 1, {1030}},  // last point at 0.002 kg/h: the opening pressure stays unknown ...
      {kSafety, 8, 1, {}},      // ... at 0.001 kg/h it counts as zero flow
      {kSafety, 9, 1, {1030}},
      {kSafety, 10, 1, {1045}},
      {kSafety, 11, 0, {10}},
      {kSafety, 12, 0, {1030, 1030, 10}},  // both points skipped, then no curve at all
      {kReducer, 2, 1, {1009}},
      {kReducer, 3, 1, {1010}},
      {kReducer, 4, 0, {1009, 10}},
      {kReducer, 5, 0, {10}},
      {kReducer, 6, 0, {20}},
      {kReducer, 7, 1, {1050}},
      {kMeter, 2, 1, {}},  // without Qmax the flows are not checked against it
      {kMeter, 3, 0, {21}},
      {kMeter, 4, 0, {21}},
      {kMeter, 5, 0, {20}},
      {kMeter, 6, 0, {10}},
      {kMeter, 7, 0, {21}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.file << " model " << c.modelIndex);
    CVDIDoc document;
    ASSERT_TRUE(document.Load(samplePath(std::string("vdi/conversion/") + c.file), false, 17));
    CMiniReportUtil::instance().clear();
    hydArmaturenModell model;
    EXPECT_EQ(build(model, productsOf(&document, c.modelIndex)), c.variants);
    EXPECT_EQ(model.getSize(), c.variants);
    std::vector<int> codes;
    for (const Entry& entry : entries()) codes.push_back(entry.code);
    EXPECT_EQ(codes, c.codes);
  }
}

}  // namespace
}  // namespace armakon::convtest
