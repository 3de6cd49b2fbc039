// The variant grid: which columns show for each sheet and valve type that changes them, and
// what the cells of sample products show.

#include <gtest/gtest.h>

#include <string>

#include "armakon/dialogs/VariantCells.h"
#include "armakon/dialogs/VariantGridColumns.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "tests/dialogs/DialogFixtures.h"

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

TEST(VariantColumnsTest, HeadersWithUnits) {
  EXPECT_EQ(variantColumnHeader(VariantColumn::DeltaPMax, 1).title, "\xCE\x94p(max)");
  EXPECT_EQ(variantColumnHeader(VariantColumn::Flow, 4).unit, "l/s");
  EXPECT_EQ(variantColumnHeader(VariantColumn::Flow, 9).title, "Q(n)");
}

TEST(VariantCellsTest, ValuesAndInformationInTheColumnsUnits) {
  struct Case {
    const char* file;
    int product;  // 800 index
    int sheet;
    int type;
    VariantColumn column;
    const char* text;
    const char* info;
  };
  const Case cases[] = {
      {"Aqualis/VDI_17/AQ_TRINKWASSER.VDI", 6, 17, 4, VariantColumn::FlowPressure, "1.0",
       "Fließdruck Kaltwasser: 1.0 bar\nFließdruck Warmwasser: 1.0 bar\nFließdruck: 1.0 bar"},
      {"Aqualis/VDI_17/AQ_TRINKWASSER.VDI", 6, 17, 4, VariantColumn::Flow, "0.070",
       "Entnahmearmaturendurchfluss Kaltwasser: 0.070 l/s\nEntnahmearmaturendurchfluss Warmwasser: 0.070 l/s"},
      {"Aqualis/VDI_17/AQ_TRINKWASSER.VDI", 12, 17, 9, VariantColumn::Flow, "4.00", "Qn = 4.00 m³/h"},
      {"Aqualis/VDI_17/AQ_TRINKWASSER.VDI", 12, 17, 9, VariantColumn::PressureDrop, "600",
       "dp(Qn) = 600 mbar (Druckverlust bei Qn)\nkvs(Qn) = 5.16 m³/h"},
      {"Aqualis/VDI_17/AQ_TRINKWASSER.VDI", 3, 17, 1, VariantColumn::Dn, "25", "DN 25 (Rp 1)"},
      {"Aqualis/VDI_2/AQ_HEIZUNG.VDI", 3, 2, 1, VariantColumn::KvMin, "0.05", ""},
      {"Aqualis/VDI_2/AQ_HEIZUNG.VDI", 3, 2, 1, VariantColumn::KvMax, "0.48", ""},
      {"Aqualis/VDI_2/AQ_HEIZUNG.VDI", 3, 2, 1, VariantColumn::DeltaPMax, "600",
       "maximal zulässiger Differenzdruck über dem Ventil"},
      {"Aqualis/VDI_2/AQ_HEIZUNG.VDI", 3, 2, 1, VariantColumn::Einstellung, "Ja",
       "Voreinstellbar: Ja\nN, 6, 5, 4, 3, 2, 1"},
      {"Aqualis/VDI_2/AQ_HEIZUNG.VDI", 3, 2, 1, VariantColumn::Bestellnummer, "AQ-TVS-10E", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " product " + std::to_string(c.product));
    CVDIDoc document;
    ASSERT_TRUE(document.Load(dialogtest::sampleCatalog(c.file), false, 0));
    std::vector<const CVDIBase*> products;
    CollectRecords(&document, 80000, products);
    const auto product = std::find_if(products.begin(), products.end(),
                                      [&](const CVDIBase* p) { return GetField(p, 2) == std::to_string(c.product); });
    ASSERT_NE(product, products.end());
    const VariantCell cell = BuildVariantCells(*product, c.sheet, c.type, {})[static_cast<int>(c.column)];
    EXPECT_EQ(cell.text, c.text);
    EXPECT_EQ(cell.info, c.info);
  }
  EXPECT_EQ(CMiniReportUtil::instance().errorCount(), 0);
  CMiniReportUtil::instance().clear();
}

}  // namespace
}  // namespace armakon
