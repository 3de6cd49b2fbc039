// The valve information dialog's header, variant table and chart of the chosen variant.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "armakon/dialogs/CArmaturInfoDlg.h"

namespace armakon {
namespace {

using hydVDIArmaturen::hydArmaturenModell;

std::vector<std::pair<std::string, double>> chart(const CArmaturInfoDlg& dialog) {
  std::vector<std::pair<std::string, double>> points;
  for (const auto& point : dialog.curvePoints()) points.emplace_back(point.setting, point.value);
  return points;
}

TEST(ArmaturInfoDialog, ShowsHeaderVariantsAndTheChosenVariantsCurveFromClosedToOpen) {
  hydArmaturenModell model;
  ASSERT_TRUE(model.loadVAMFile(std::string(ARMAKON_SOURCE_DIR) + "/data/samples/models/thermostatic.vam"));
  CArmaturInfoDlg dialog(model, 0, 0.0, 0.0);

  const auto header = dialog.headerLines();
  ASSERT_EQ(header.size(), 5u);
  EXPECT_EQ(header[0].label, "Hersteller:");
  EXPECT_EQ(header[0].value, "Nordwerk Armaturen");
  EXPECT_EQ(header[1].value, "Thermostatventil TV-Pro");
  EXPECT_EQ(header[4].value, "3");
  EXPECT_EQ(dialog.variantCount(), 3);
  EXPECT_EQ(dialog.variantCell(1, 0), "2");
  EXPECT_EQ(dialog.variantCell(1, 1), "TV-15-E");
  EXPECT_EQ(dialog.variantCell(1, 2), "15");
  EXPECT_EQ(dialog.variantCell(1, 3), "Eckform, vernickelt");
  EXPECT_THROW(dialog.variantCell(3, 0), std::invalid_argument);
  EXPECT_THROW(dialog.variantCell(0, CArmaturInfoDlg::kVariantColumnCount), std::invalid_argument);

  // The stored curve starts with the open setting "N"; the chart ends with it.
  EXPECT_EQ(dialog.chosenVariant(), 0);
  EXPECT_EQ(dialog.curveCaption(), "Kennlinie (x: Stufe, y: m³/h)");
  const std::vector<std::pair<std::string, double>> first = {
      {"1", 0.09375}, {"2", 0.15625}, {"3", 0.21875}, {"4", 0.28125}, {"5", 0.34375}, {"6", 0.40625}, {"N", 0.5}};
  EXPECT_EQ(chart(dialog), first);

  dialog.chooseVariant(2);
  dialog.chooseVariant(3);  // no such row: ignored
  EXPECT_EQ(dialog.chosenVariant(), 2);
  EXPECT_EQ(chart(dialog).front(), (std::pair<std::string, double>{"1", 0.21875}));

  CArmaturInfoDlg empty(hydArmaturenModell{}, 0, 0.0, 0.0);
  EXPECT_EQ(empty.chosenVariant(), -1);
  EXPECT_EQ(empty.curveCaption(), "keine Kennlinie");
  EXPECT_TRUE(empty.curvePoints().empty());
}

}  // namespace
}  // namespace armakon
