#pragma once
// Shared helpers of the document and catalog-data tests: a fresh temporary folder, file
// writing, the sample data folder, and a clean report list per test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "tests/TempFolder.h"

namespace armakon::doctest {

namespace fs = std::filesystem;

using testsupport::TempFolder;

// Lines joined with "\r\n", as VDI files end them.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

inline std::string samplePath(std::string_view relative) {
  return std::string(ARMAKON_SOURCE_DIR) + "/data/samples/" + std::string(relative);
}

// The detail the report list stores for a title and a text filed without a record.
inline std::string storedDetail(std::string_view title, std::string_view text) {
  std::string body(hydStrUtil::TrimView(text));
  body = hydStrUtil::Replace(body, "\n", "\r\n");
  return std::string(title) + ":\r\n\r\n" + body;
}

// Every test starts and ends with an empty report list and no descriptions folder.
class VdiFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CMiniReportUtil::instance().clear();
    CVDITemplate::SetFolder(temp.path());
  }
  void TearDown() override {
    CMiniReportUtil::instance().clear();
    CVDITemplate::SetFolder({});
  }
  CMiniReportUtil& reports() { return CMiniReportUtil::instance(); }

  TempFolder temp;
};

}  // namespace armakon::doctest
