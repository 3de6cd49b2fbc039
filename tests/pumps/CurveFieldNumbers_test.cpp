// The numbers of a pump curve's fields are read as the C library's string-to-double
// conversion reads them in the "C" locale: hexadecimal, overflow to infinity, any leading
// white space, the leading number of a field; whatever locale the host runs under.

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/pumps/hydPumpenKennlinie.h"

namespace armakon {
namespace {

TEST(CurveFieldNumbers, ReadAsTheStandardConversionReadsThem) {
  const struct {
    const char* field;
    double value;
  } cases[] = {
      {"0x10", 16.0},
      {"1e999", std::numeric_limits<double>::infinity()},
      {"\v5", 5.0},
      {"\f7", 7.0},
      {" 2.5 l/h", 2.5},
      {"-0x1p3", -8.0},
  };
  // Read under a locale with a decimal comma, compared afterwards.
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 is missing";
  std::vector<double> flows;
  for (const auto& c : cases) {
    double flow = 0.0;
    double head = 0.0;
    hydPumpenKennlinie::getWertePaarEx(1, std::string("0;") + c.field + ";", "1;1;", flow, head);
    flows.push_back(flow);
  }
  hydPumpenKennlinie curve(nullptr);
  const bool read = curve.readFromString("0x10;", "1;");
  std::setlocale(LC_ALL, previous.c_str());

  for (std::size_t i = 0; i < flows.size(); ++i) EXPECT_EQ(flows[i], cases[i].value) << cases[i].field;
  ASSERT_TRUE(read);
  CHydrixInterpolation table;
  ASSERT_TRUE(curve.getFunktion(table));
  EXPECT_DOUBLE_EQ(table.GetAtXArray(0), 16.0 * 2.7777777777e-7);
}

}  // namespace
}  // namespace armakon
