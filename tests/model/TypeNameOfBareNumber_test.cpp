// The valve type name of a code: every number below 100, 0 included, is a bare type number of
// the sheet and is turned into sheet x 100 + number before the look-up.

#include <gtest/gtest.h>

#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmaturenModell.h"

namespace armakon::hydVDIArmaturen {
namespace {

TEST(TypeNameOfBareNumber, EveryNumberBelowOneHundredBelongsToTheSheet) {
  const struct {
    int type;
    int sheet;
    const char* name;
  } cases[] = {
      {0, 2, "Nicht unterstützter Ventiltyp"},   // 200
      {0, 17, "Nicht unterstützter Ventiltyp"},  // 1700
      {0, 0, "Undefinierter Armaturtyp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(getHydArmTypeStr(c.type, c.sheet), c.name) << c.type << " sheet " << c.sheet;
  }
  // A new model has type 0 and names it for sheet 2.
  EXPECT_EQ(hydArmaturenModell().getHydArmTypeStr(), "Nicht unterstützter Ventiltyp");
}

}  // namespace
}  // namespace armakon::hydVDIArmaturen
