// The check report of every sample file against its reviewed expected report
// (tests/vdi3805/golden/, named after the sample's path below data/samples with "/" as "_"),
// and `armakon check` on good, faulty, refused, old-layout and encoded files.
//
// An expected report is the check file written for 1.2.2024, 9:05 (its first line). After a
// deliberate change of a message, write it anew and review the difference line by line:
//   f=vdi/conversion/HZ_EINROHR.VDI; g=tests/vdi3805/golden/$(echo $f | tr / _).txt
//   build/armakon check data/samples/$f | sed '1s/.*/Erstelldatum dieses Dokumentes: 1.2.2024, 9h5LT/' > $g

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "DocumentFixtures.h"
#include "armakon/components/AtomicFile.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReportFile.h"

namespace armakon {
namespace {

namespace fs = std::filesystem;

const fs::path kSamples = fs::path(ARMAKON_SOURCE_DIR) / "data" / "samples";
const fs::path kGolden = fs::path(ARMAKON_SOURCE_DIR) / "tests" / "vdi3805" / "golden";

// The time the expected reports were written for.
std::tm goldenTime() {
  std::tm time{};
  time.tm_mday = 1;
  time.tm_mon = 1;
  time.tm_year = 124;
  time.tm_hour = 9;
  time.tm_min = 5;
  return time;
}

std::string goldenName(const fs::path& sample) {
  std::string name = fs::relative(sample, kSamples).generic_string();
  std::replace(name.begin(), name.end(), '/', '_');
  return name + ".txt";
}

// Every product-data file below data/samples (VDI, vdix, TGA), sorted.
std::vector<fs::path> sampleFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(kSamples)) {
    if (!entry.is_regular_file()) continue;
    const std::string extension = hydStrUtil::ToLower(entry.path().extension().string());
    if (extension == ".vdi" || extension == ".vdix" || extension == ".tga") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string readText(const fs::path& path) {
  std::string text;
  EXPECT_TRUE(readWholeFile(path, text)) << path;
  return text;
}

// The text without its first line (the creation date).
std::string afterFirstLine(const std::string& text) {
  const std::size_t end = text.find('\n');
  return end == std::string::npos ? std::string() : text.substr(end + 1);
}

class CheckReportSamples : public doctest::VdiFileTest {
 protected:
  void TearDown() override {
    CMiniReportUtil::instance().setIncludeDocumentInfo(true);
    CMiniReportUtil::instance().setIncludeRecordContext(false);
    VdiFileTest::TearDown();
  }
};

TEST_F(CheckReportSamples, EverySampleFileGivesItsReviewedReport) {
  std::set<std::string> used;
  int compared = 0;
  for (const fs::path& sample : sampleFiles()) {
    SCOPED_TRACE(sample.string());
    CMiniReportUtil::instance().clear();
    CVDIDoc document;
    if (!document.Load(sample.string(), false, 0) || !document.IsParsed()) {
      EXPECT_EQ(sample.parent_path().filename(), "refused") << "a sample file that does not load";
      continue;
    }
    StringList lines;
    const CheckReportCounts counts = BuildCheckFile(lines, document, goldenTime());
    if (document.GetSheet() != 2 && document.GetSheet() != 17) {
      EXPECT_EQ(counts, CheckReportCounts{});
      EXPECT_EQ(lines.size(), 2 + ManufacturerInformation(document).size()) << "header only";
      continue;
    }
    const std::string name = goldenName(sample);
    used.insert(name);
    ASSERT_TRUE(fs::exists(kGolden / name)) << "no expected report " << name;
    EXPECT_EQ(CheckFileText(lines), readText(kGolden / name)) << name;
    EXPECT_EQ(counts.typeBlocks, document.GetSheet() == 2 ? 12 : 9);
    ++compared;
  }
  EXPECT_GE(compared, 17);
  for (const auto& entry : fs::directory_iterator(kGolden)) {
    EXPECT_TRUE(used.count(entry.path().filename().string())) << "expected report without sample: " << entry.path();
  }
}

// ---- armakon check ----------------------------------------------------------------------

// The tool lies at the top of the build tree, the folder above this test program's folder
// (build/tests/armakon_vdi3805_tests, build/armakon); empty when it is not built.
fs::path toolPath() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const fs::path tool = self.parent_path().parent_path() / "armakon";
  return fs::is_regular_file(tool, error) ? tool : fs::path();
}

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

ToolRun runTool(const std::vector<std::string>& arguments, const doctest::TempFolder& temp) {
  std::string command = "'" + toolPath().string() + "'";
  for (const std::string& argument : arguments) command += " '" + argument + "'";
  command += " >'" + temp.path("out.txt") + "' 2>'" + temp.path("err.txt") + "' </dev/null";
  ToolRun run;
  const int status = std::system(command.c_str());
  if (status != -1 && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  readWholeFile(temp.path("out.txt"), run.out);
  readWholeFile(temp.path("err.txt"), run.err);
  return run;
}

TEST(CheckCommand, ExitStatusTellsCleanFaultyAndUnreadableFiles) {
  if (toolPath().empty()) GTEST_SKIP() << "the armakon tool is not built";
  doctest::TempFolder temp;
  struct Case {
    const char* sample;  // below data/samples; the report is compared with its expected one
    int status;
  };
  const Case cases[] = {
      {"catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI", 0},
      {"catalogs/Aqualis/VDI_17/AQ_TRINKWASSER.VDI", 0},
      {"catalogs/ThermaNord/VDI_2/TN_HEIZUNG.TGA", 0},
      {"vdi/AQ_HEIZUNG.vdix", 0},
      {"vdi/conversion/HZ_THERMOSTAT.VDI", 1},
      {"vdi/conversion/TW_ZAEHLER.VDI", 1},
      {"vdi/refused/EMPTY.VDI", 2},
      {"vdi/refused/NO_HEADER.VDI", 2},
      {"vdi/refused/DATE_0998.TGA", 2},
      {"vdi/conversion/BLATT_03.VDI", 2},  // neither sheet 2 nor 17
      {"vdi/FEHLT.VDI", 2},
  };
  const std::regex dateLine(R"(Erstelldatum dieses Dokumentes: \d{1,2}\.\d{1,2}\.\d{4}, \d{1,2}h\d{1,2}LT)");
  for (const Case& c : cases) {
    const fs::path sample = kSamples / c.sample;
    const ToolRun run = runTool({"check", sample.string()}, temp);
    EXPECT_EQ(run.status, c.status) << c.sample << "\n" << run.err;
    if (c.status == 2) {
      EXPECT_EQ(run.out, "") << c.sample;
      EXPECT_NE(run.err, "") << c.sample;
      continue;
    }
    EXPECT_TRUE(std::regex_match(run.out.substr(0, run.out.find('\n')), dateLine)) << run.out.substr(0, 80);
    EXPECT_EQ(afterFirstLine(run.out), afterFirstLine(readText(kGolden / goldenName(sample)))) << c.sample;
  }
}

TEST(CheckCommand, WritesTheReportToTheGivenFile) {
  if (toolPath().empty()) GTEST_SKIP() << "the armakon tool is not built";
  doctest::TempFolder temp;
  const fs::path sample = kSamples / "vdi/conversion/HZ_EINROHR.VDI";
  const std::string report = temp.path("Bericht.txt");
  const ToolRun written = runTool({"check", sample.string(), "-o", report}, temp);
  EXPECT_EQ(written.status, 1) << written.err;
  EXPECT_EQ(written.out, "");
  EXPECT_EQ(afterFirstLine(readText(report)), afterFirstLine(readText(kGolden / goldenName(sample))));

  const ToolRun unwritable = runTool({"check", sample.string(), "-o", temp.path("fehlt/Bericht.txt")}, temp);
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_FALSE(fs::exists(temp.path("fehlt")));
}

// A batch: files of the same name in two folders get reports that stay apart, the reports
// are those of the single check, the summary lines follow the file order whatever worker
// ends first, and no progress bar is drawn into a file.
TEST(CheckCommand, BatchWritesOneReportPerFileAndSummarises) {
  if (toolPath().empty()) GTEST_SKIP() << "the armakon tool is not built";
  doctest::TempFolder temp;
  const fs::path clean = kSamples / "catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI";
  const fs::path faulty = kSamples / "vdi/conversion/HZ_THERMOSTAT.VDI";
  ASSERT_GT(fs::file_size(clean), fs::file_size(faulty));
  const fs::path in = temp.path("in");
  fs::create_directories(in / "a");
  fs::create_directories(in / "b");
  // The second file is the larger and is checked first: reports and summary lines must
  // still follow the order of the files.
  fs::copy_file(faulty, in / "a" / "aq_heizung.vdi");
  fs::copy_file(clean, in / "b" / "AQ_HEIZUNG.VDI");
  const ToolRun run = runTool({"check", in.string(), "-o", temp.path("reports"), "--jobs", "2"}, temp);
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(afterFirstLine(readText(temp.path("reports/aq_heizung.vdi.txt"))),
            afterFirstLine(readText(kGolden / goldenName(faulty))));
  EXPECT_EQ(afterFirstLine(readText(temp.path("reports/AQ_HEIZUNG.VDI (2).txt"))),
            afterFirstLine(readText(kGolden / goldenName(clean))));
  const std::regex summary(
      ".*a/aq_heizung.vdi: [1-9]\\d* errors?, \\d+ hints?, \\d+ products?\n"
      ".*b/AQ_HEIZUNG.VDI: 0 errors, \\d+ hints?, \\d+ products?\n"
      "total: 2 files, 1 with errors, 0 not checked; [1-9]\\d* errors?, \\d+ hints?, \\d+ products?\n");
  EXPECT_TRUE(std::regex_match(run.out, summary)) << run.out;

  EXPECT_EQ(runTool({"check", in.string(), temp.path("fehlt")}, temp).status, 2);
}

}  // namespace
}  // namespace armakon
