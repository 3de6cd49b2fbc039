// Which columns of the variant grid show for each sheet and valve type that changes them.

#include <gtest/gtest.h>

#include <string>

#include "armakon/dialogs/VariantGridColumns.h"

namespace armakon {
namespace {

TEST(VariantColumnsTest, VisibilityPerSheetAndType) {
  // Columns: Auswahl Bezeichnung Bestellnummer XP DN p(min,FL) Q Δp kvs kv(min) kv(max)
  //          T(max) p(max) Δp(max) Einst. Zubehör
  struct Case {
    int sheet;
    int type;
    const char* visible;
  };
  const Case cases[] = {
      {2, 1, "1111100001111111"},   // thermostatic body: XP editable, kv range instead of kvs
      {2, 12, "1111100010011111"},  // XP shown, kvs
      {2, 4, "1110100010011111"},
      {17, 1, "1110100010011111"},
      {17, 4, "1110111000011011"},  // draw-off fitting: flow pressure and Q, no kvs, no Δp(max)
      {17, 5, "1110111000011011"},
      {17, 9, "1110101100011111"},  // meter: Q(n) and Δp instead of kvs
      {2, 9, "1110100010011111"},   // type 9 of sheet 2 is no meter
  };
  for (const Case& c : cases) {
    std::string visible;
    for (bool shown : variantColumnVisibility(c.sheet, c.type)) visible += shown ? '1' : '0';
    EXPECT_EQ(visible, c.visible) << "sheet " << c.sheet << " type " << c.type;
    EXPECT_EQ(variantXpEditable(c.sheet, c.type), c.sheet == 2 && c.type == 1);
  }
}

TEST(VariantColumnsTest, HeadersWithUnitsAndWidths) {
  EXPECT_EQ(variantColumnHeader(VariantColumn::DeltaPMax, 1).title, "\xCE\x94p(max)");
  EXPECT_EQ(variantColumnHeader(VariantColumn::DeltaPMax, 1).unit, "mbar");
  EXPECT_EQ(variantColumnHeader(VariantColumn::Flow, 4).title, "Q");
  EXPECT_EQ(variantColumnHeader(VariantColumn::Flow, 4).unit, "l/s");
  EXPECT_EQ(variantColumnHeader(VariantColumn::Flow, 9).title, "Q(n)");
  EXPECT_EQ(variantColumnHeader(VariantColumn::Flow, 9).unit, "m³/h");
  EXPECT_EQ(variantColumnHeader(VariantColumn::FlowPressure, 4).title, "p(min,FL)");
  int width = 0;
  for (int column = 0; column < kVariantColumnCount; ++column) {
    width += variantColumnHeader(static_cast<VariantColumn>(column), 1).width;
  }
  EXPECT_EQ(width, 35 + 80 + 60 + 25 + 18 + 25 + 30 + 30 + 30 + 30 + 30 + 26 + 30 + 30 + 30 + 30);
}

}  // namespace
}  // namespace armakon
