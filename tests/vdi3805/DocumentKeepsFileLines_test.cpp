// A document keeps the lines of its file as soon as they are read, also when the file turns
// out to be of another sheet or to have an unsupported guideline date and no tree is built.

#include <gtest/gtest.h>

#include "ConversionFixtures.h"

namespace armakon::convtest {
namespace {

TEST_F(ConversionTest, LinesAreKeptBeforeTheFileIsChecked) {
  const struct {
    const char* name;
    std::vector<std::string> lines;
    int expectedSheet;
    bool loaded;
  } cases[] = {
      {"file of another sheet", {"010;17;201103;Testwerk GmbH;;;", "100;2;;Drossel"}, 2, true},
      {"unsupported guideline date", {"010;2;199611;Testwerk GmbH;;;", "100;2;;Zweirohr"}, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CVDIDoc document;
    EXPECT_EQ(document.LoadLines(c.lines, "test.VDI", false, c.expectedSheet), c.loaded);
    EXPECT_TRUE(document.GetChildren().empty());
    EXPECT_EQ(document.GetRawLines(), c.lines);
  }
}

}  // namespace
}  // namespace armakon::convtest
