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

namespace armakon::doctest {

namespace fs = std::filesystem;

// A folder of its own below the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "armakon_vdi_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
  }
  ~TempFolder() {
    std::error_code error;
    fs::remove_all(root_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string path(std::string_view relative = {}) const {
    return relative.empty() ? root_.string() : (root_ / relative).string();
  }
  // Writes the bytes (folders created as needed) and returns the file's path.
  std::string write(std::string_view relative, std::string_view bytes) const {
    const fs::path file = root_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }

 private:
  fs::path root_;
};

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
