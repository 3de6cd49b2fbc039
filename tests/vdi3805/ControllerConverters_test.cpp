// The effective pressure of flow regulators (207). The converted regulators of the sample
// files are compared in ValveConversion_test, their messages in the reviewed check reports.

#include <gtest/gtest.h>

#include "ConversionFixtures.h"
#include "armakon/model/hydArmaturDFR.h"

namespace armakon::convtest {
namespace {

using hydVDIArmaturen::hydArmaturDFR;

// The effective pressure of a flow regulator from 710.04 records built here: the smallest
// stated one that is not zero, and it must be positive.
TEST_F(ConversionTest, EffectivePressureIsTheSmallestNonZeroOne) {
  struct Case {
    std::vector<std::string> pressures;
    float expected;  // 0: refused
  } cases[] = {
      {{"150", "0", "120", "180"}, 120.0f},
      {{"", "90", "0"}, 90.0f},
      {{"0.00001", "100"}, 0.00001f},
      {{"0", ""}, 0.0f},
      {{"-20", "100"}, 0.0f},
      {{"0.000001", "100"}, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pressures.front() + ", " + c.pressures.back());
    CMiniReportUtil::instance().clear();
    std::vector<std::string> lines = {"010;2;201103;Testwerk GmbH;;;", "100;4;;Regelarmaturen", "110;1;;Regler R;",
                                      "700;1;;7;15;1.0;110;16;2.0;;;;1;Stufe;;;Stufe"};
    for (std::size_t i = 0; i < c.pressures.size(); ++i) {
      lines.push_back(formatC("710.04;%zu;%zu;%zu;;%.1f;", i + 1, i + 1, i + 1, 0.1 * static_cast<double>(i + 1)) +
                      c.pressures[i]);
    }
    lines.push_back("800;1;" + tga(4, 1, 1) + ";R DN 15;");
    lines.push_back("810;1;R-15;;;");
    auto document = makeDocument(lines);
    hydArmaturenModell model;
    const int created = build(model, productsOf(document.get(), 1));
    if (c.expected == 0.0f) {
      EXPECT_EQ(created, 0);
      ASSERT_EQ(entries().size(), 1u);
      EXPECT_EQ(entries().front().code, 30);
    } else {
      ASSERT_EQ(created, 1);
      EXPECT_FLOAT_EQ(static_cast<const hydArmaturDFR*>(model.getArmaturAt(0))->getWirkdruck(), c.expected);
    }
  }
}

}  // namespace
}  // namespace armakon::convtest
