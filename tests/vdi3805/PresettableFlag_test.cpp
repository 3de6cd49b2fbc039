// The presettable flag of a valve against its 710.01 records: the records are counted, not the
// settings they describe, also where one setting spans several records (one per XP value).

#include <gtest/gtest.h>

#include "ConversionFixtures.h"

namespace armakon::convtest {
namespace {

constexpr const char* kTooFew = "Es sind weniger als zwei Datensätze der Satzart 710.01";
constexpr const char* kTooMany = "Es ist mehr als ein Datensatz der Satzart 710.01";

// A one-product model of a thermostatic valve body (201) or an automatic throttle (1703)
// with one setting given in two records, declared presettable or not.
std::unique_ptr<CVDIDoc> oneSettingInTwoRecords(bool throttle, int presettable) {
  std::vector<std::string> lines;
  if (throttle) {
    lines = {"010;17;201103;Testwerk GmbH;;;", "100;2;;Drossel", "110;1;;Zirkulationsregler Z;",
             formatC("700;1;;3;15;1.2;90;10;60;60;1.0;;%d;;;Stufe", presettable), "710.01;1;0;;4;4;;;0.05",
             "710.01;2;6;;4;4;;;1.2"};
  } else {
    lines = {"010;2;201103;Testwerk GmbH;;;", "100;2;;Zweirohr", "110;1;;Thermostatventil T;",
             formatC("700;1;;1;15;0.6;120;10;0.6;;;;%d;Stufe", presettable), "710.01;1;1.0;;;;;;0.3",
             "710.01;2;2.0;;;;;;0.55"};
  }
  lines.push_back("800;1;" + tga(2, 1, 1) + ";DN 15;");
  lines.push_back("810;1;A-15;;;");
  return makeDocument(lines);
}

TEST_F(ConversionTest, PresettableFlagIsCheckedAgainstTheNumberOfRecords) {
  const struct {
    const char* name;
    bool throttle;
    int presettable;
    const char* hint;  // null: no presettable hint
  } cases[] = {
      {"thermostatic body declared not presettable", false, 0, kTooMany},
      {"automatic throttle declared presettable", true, 1, nullptr},
      {"automatic throttle declared not presettable", true, 0, kTooMany},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CMiniReportUtil::instance().clear();
    const auto document = oneSettingInTwoRecords(c.throttle, c.presettable);
    hydArmaturenModell model;
    BuildModel(model, productsOf(document.get(), 1), {1.5}, {nullptr});
    std::vector<std::string> hints;
    for (const Entry& entry : entries()) {
      for (const char* text : {kTooFew, kTooMany}) {
        if (entry.text.starts_with(text)) hints.push_back(text);
      }
    }
    EXPECT_EQ(hints, c.hint ? std::vector<std::string>{c.hint} : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace armakon::convtest
