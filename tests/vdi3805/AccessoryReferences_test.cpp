// Accessories gathered from the vectors a product references, the hints for references to
// missing records, and the refusal of other sheets.

#include <gtest/gtest.h>

#include "ConversionFixtures.h"
#include "armakon/vdi3805/AccessoryReferences.h"

namespace armakon::convtest {
namespace {

using hydVDIArmaturen::hydArmaturZubehoer;

struct Accessory {
  std::string name, article;
  int refNr, satzart, satzIndex;
  float amount;
  bool operator==(const Accessory&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Accessory& a) {
  return out << "{" << a.name << ", " << a.article << ", " << a.refNr << ", " << a.satzart << ", " << a.satzIndex
             << ", " << a.amount << "}";
}

std::vector<Accessory> accessoriesOf(const hydArmatur& variant) {
  std::vector<Accessory> out;
  for (const hydArmaturZubehoer& z : variant.getZubehoer()) {
    out.push_back({z.getText1(), z.getText2(), z.getRefNr(), z.getSatzart(), z.getSatzIndex(), z.getMenge()});
  }
  return out;
}

std::vector<std::string> accessoryLines(int sheet) {
  return {
      formatC("010;%d;201103;Testwerk GmbH;;;", sheet),
      "100;2;;Zweirohr",
      "110;1;;Modell Z;",
      "300;1;;Zubehör;Set",
      "300.01;1;600;1;1",
      "300.01;2;600;9;1",
      "300.01;3;350;7;1",
      "300.01;4;350;1;",
      "350;1;;Zubehör;Fühler",
      "350.01;1;600;2;3",
      "350.01;2;300;1;1",
      "600;1;;Kopf;K-1;10",
      "600;2;;Fühler;F-2;20",
      "700;1;;2;15;1.0;;;;;;;0;",
      "800;1;" + tga(2, 1, 1, {{300, "001"}}) + ";Z DN 15;",
      "110;2;;Modell Y;",
      "300;2;;Zubehör;Kopf",
      "300.01;5;600;1;2",
      "600;1;;Kopf Y;K-Y;12",
      "700;2;;2;15;1.0;;;;;;;0;",
      "800;2;" + tga(2, 2, 2, {{300, "002"}}) + ";Y DN 15;",
  };
}

TEST_F(ConversionTest, AccessoriesFollowVectorsAndReportMissingRecords) {
  auto document = makeDocument(accessoryLines(2));
  const AccessoryResolver resolver(document.get());
  const auto products = productsOf(document.get(), 1);
  ASSERT_EQ(products.size(), 1u);
  hydArmatur source;
  EXPECT_EQ(resolver.Gather(products[0], source), 2);
  EXPECT_EQ(accessoriesOf(source), (std::vector<Accessory>{{"Kopf", "K-1", 1, 30001, 1, 1.0f},
                                                           {"Fühler", "F-2", 2, 35001, 1, 3.0f}}));
  const std::string folge = "\nFolge: Ein Zubehörelement kann nicht ermittelt bzw. angezeigt werden.";
  EXPECT_EQ(entries(),
            (std::vector<Entry>{
                {1800, "Hinweis zu einem Zubehör-Verweis in Armaturmodell Modell Z, Satzart 300 mit Index 1)",
                 "In Satzart 300.01, Index 2 wird auf ein nicht vorhandenes Zubehörelement der Satzart 600 mit Index "
                 "9 verwiesen!" + folge},
                {1800, "Hinweis zu einem Zubehör-Verweis in Armaturmodell Modell Z",
                 "In Satzart 300.01, Index 3 wird auf einen nicht vorhandenen Zubehörvektor der Satzart 350.00, "
                 "Index 7 verwiesen!" + folge},
            }));
}

TEST_F(ConversionTest, AccessoryElementsOfTheOwnModelComeFirst) {
  auto document = makeDocument(accessoryLines(2));
  const auto products = productsOf(document.get(), 2);
  ASSERT_EQ(products.size(), 1u);
  hydArmatur source;
  EXPECT_EQ(GatherAccessories(products[0], source), 1);
  EXPECT_EQ(accessoriesOf(source), (std::vector<Accessory>{{"Kopf Y", "K-Y", 1, 30001, 5, 2.0f}}));
  EXPECT_TRUE(entries().empty());
}

TEST_F(ConversionTest, AccessoriesOfOtherSheetsAreRefused) {
  auto document = makeDocument(accessoryLines(3));
  ASSERT_EQ(document->GetSheet(), 3);
  hydArmatur source;
  EXPECT_EQ(GatherAccessories(productsOf(document.get(), 1)[0], source), -1);
  EXPECT_TRUE(source.getZubehoer().empty());
  EXPECT_EQ(entries(), (std::vector<Entry>{{1800, "Hinweis zu Zubehör-Verweis in Armaturmodell Modell Z",
                                            "Die Blatt-Nr 3 wird bei der Ermittlung von Zubehör-Verweisen nicht "
                                            "unterstützt."}}));
}

}  // namespace
}  // namespace armakon::convtest
