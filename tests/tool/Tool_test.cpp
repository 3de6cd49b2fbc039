// The armakon tool as a user runs it: the built executable, its exit status and the key lines
// of what it prints (stdout and stderr together), one row per case.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "armakon/components/AtomicFile.h"

namespace armakon {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status = -1;
  std::string output;
};

// Runs the tool in the source folder, so that the rows name the sample data as the README does.
ToolRun runTool(const std::vector<std::string>& args) {
  const std::string tool = ARMAKON_TOOL_PATH;
  std::vector<char*> argv{const_cast<char*>(tool.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  int out[2];
  if (::pipe(out) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(out[1], STDERR_FILENO);
    ::close(out[0]);
    if (::chdir(ARMAKON_SOURCE_DIR) == 0) ::execv(tool.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ToolRun run;
  char buffer[4096];
  for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) > 0;) {
    run.output.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(out[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string contentOf(const fs::path& path) {
  std::string text;
  readWholeFile(path, text);
  return text;
}

// A project that holds, besides the tool's entries, what another host wrote into it.
const std::string kForeignEntry = "[Armature]\r\nHeader:andererHost;1;1;1;5558;fremd\r\n[ENDE_Armature]\r\n";
const std::string kForeignSection = "[Notizen]\r\nText:nicht vom Werkzeug\r\n[ENDE_Notizen]\r\n";

class Tool : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::is_regular_file(ARMAKON_TOOL_PATH)) << "the tool is not built: '" << ARMAKON_TOOL_PATH << "'";
    fs::remove_all(scratch_);
    fs::create_directories(scratch_ / "folder");
    fs::copy_file(fs::path(ARMAKON_SOURCE_DIR) / "data/samples/projects/water.armakon", scratch_ / "water.armakon");
    std::string project = contentOf(fs::path(ARMAKON_SOURCE_DIR) / "data/samples/projects/heating.armakon");
    project.insert(project.find("[ENDE_GlobalArmatures]"), kForeignEntry);
    project.insert(project.rfind("[ENDE_ArmakonProjekt]"), kForeignSection);
    ASSERT_TRUE(writeFileAtomically(scratch_ / "mixed.armakon", project));
    fs::permissions(scratch_ / "mixed.armakon", fs::perms::owner_read | fs::perms::owner_write);
  }
  void TearDown() override { fs::remove_all(scratch_); }

  const fs::path scratch_ = fs::temp_directory_path() / ("armakon_tool_test_" + std::to_string(::getpid()));
};

struct Row {
  const char* what;
  std::vector<std::string> args;  // "@" stands for the scratch folder
  int status;
  std::vector<std::string> shown;     // each must appear in the output
  std::vector<std::string> notShown;  // none may appear
};

TEST_F(Tool, CommandsExitAndPrintAsDocumented) {
  const std::string thermostatic = "data/samples/vdi/conversion/HZ_THERMOSTAT.VDI";
  const std::string water = "@/water.armakon";
  const std::string pumps = "data/samples/catalogs/Aqualis/Pumpen.PMP";
  const Row rows[] = {
      // The commands at work on the sample data.
      {"list", {"list", "data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI"}, 0, {"sheet           2", "11 models, 18 products"}, {}},
      {"load", {"load", "data/samples/catalogs"}, 0, {"documents 3, loaded 3,"}, {}},
      {"convert", {"convert", "data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI", "--model", "6", "-o", "@/sr.vam"}, 0,
       {"variants created", "written: "}, {"question:"}},
      {"size", {"size", "data/samples/projects/heating.armakon", "--kind", "4452", "--flow", "0.04"}, 0, {"model id\t"}, {}},
      {"project list", {"project", "list", water}, 0, {"8\tglobal\t5563 "}, {}},
      {"pumps list", {"pumps", "list", pumps}, 0, {"Aquaflux E 25-60"}, {}},
      {"help example is one line", {"pumps", "curve", "--help"}, 0,
       {"  armakon pumps curve " + pumps + " --pump 'Aquaflux E 25-60' --setpoint 40000 --mode 1\n"}, {}},
      {"help example runs",
       {"pumps", "curve", pumps, "--pump", "Aquaflux E 25-60", "--setpoint", "40000", "--mode", "1"}, 0, {"H mbar"}, {}},

      // Questions of the conversion are answered visibly, by default or by option.
      {"default answer is said", {"convert", thermostatic, "--model", "7"}, 2,
       {"question: Dieses Ventil", "answer: cancel (by default; --answer yes|no|cancel"}, {}},
      {"given answer is used", {"convert", thermostatic, "--model", "7", "--answer", "yes"}, 0,
       {"answer: yes (given with --answer)", "variants created"}, {}},
      {"xp in range asks nothing", {"convert", thermostatic, "--model", "7", "--xp", "2"}, 0, {"variants created"},
       {"question:"}},

      // Sizing says when nothing suitable was chosen.
      {"pre-filled record of another kind", {"size", water, "--kind", "rohrtrenner", "--flow", "2", "--dn", "20", "--local", "8"},
       1, {"nothing suitable"}, {"model id"}},
      {"separator above the limit", {"size", water, "--kind", "rohrtrenner", "--flow", "2", "--dn", "20", "--local", "6",
       "--pressure", "0.1"}, 1, {"nothing suitable"}, {"model id"}},
      {"separator within the limit", {"size", water, "--kind", "rohrtrenner", "--flow", "2", "--dn", "20", "--local", "6"},
       0, {"model id\t6"}, {}},
      {"missing entry", {"size", water, "--kind", "rfv", "--flow", "2", "--local", "99"}, 2, {"no entry 99"}, {}},
      {"fixed resistance needs no kv", {"size", "data/samples/projects/heating.armakon", "--kind", "4445", "--dn", "18"}, 1,
       {"nothing suitable"}, {"needs --kv"}},
      {"non-finite kv", {"size", water, "--kind", "tw-srv", "--kv", "inf"}, 2, {"armakon: --kv needs a finite number"}, {}},
      {"non-finite xp", {"convert", thermostatic, "--model", "7", "--xp", "nan"}, 2, {"armakon: --xp needs a number"}, {}},
      {"non-finite setpoint", {"pumps", "curve", pumps, "--pump", "Aquaflux E 25-60", "--setpoint", "inf"}, 2,
       {"armakon: --setpoint needs a number"}, {}},

      // Files of other sheets.
      {"load skips another sheet", {"load", "--sheet", "2", "data/samples/catalogs/Aqualis/VDI_17/AQ_TRINKWASSER.VDI"}, 1,
       {"skipped: the file holds sheet 17, not sheet 2", "loaded 0, skipped for another sheet 1"}, {}},
      {"list refuses a non-valve sheet", {"list", "data/samples/vdi/conversion/BLATT_03.VDI"}, 2,
       {"holds sheet 3, not a valve sheet"}, {"kind "}},

      // Commands, paths and writes that go wrong say why.
      {"unknown command", {"frobnicate"}, 2, {"armakon: unknown command 'frobnicate'", "commands are: check, catalogs"}, {}},
      {"check comes first in the help", {"--help"}, 0, {"ubcommands:\n  check"}, {}},
      {"catalogs without a folder", {"catalogs", "@/nowhere"}, 2, {"no such folder"}, {}},
      {"folder given as a file", {"list", "@/folder"}, 2, {"armakon: ", "is a folder, not a file"}, {}},
      {"check of a folder without VDI files", {"check", "@/folder"}, 2, {"armakon: no VDI 3805 files found"}, {}},
      // More files than workers: each worker takes file after file, the lines keep the files' order.
      {"batch check with two workers",
       {"check", "data/samples/catalogs", "data/samples/vdi/refused/EMPTY.VDI", "-o", "@/reports", "--jobs", "2"}, 2,
       {"Aqualis/VDI_17/AQ_TRINKWASSER.VDI: 0 errors, 1 hint, 12 products\n"
        "data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI: 0 errors, 0 hints, 18 products\n"
        "data/samples/catalogs/RN_USER/VDI_2/HB_STRANGVENTIL.VDI: 0 errors, 0 hints, 1 product\n"
        "data/samples/catalogs/ThermaNord/VDI_2/TN_HEIZUNG.TGA: 0 errors, 0 hints, 3 products\n"
        "data/samples/vdi/refused/EMPTY.VDI: not checked, cannot be read as a VDI 3805 file\n"
        "total: 5 files, 0 with errors, 1 not checked; 0 errors, 1 hint, 34 products"},
       {}},
      {"write into a folder", {"pumps", "chart", pumps, "--pump", "Aquaflux E 25-60", "-o", "@/folder"}, 2,
       {"cannot write", ": is a folder"}, {}},
      {"write into a missing folder", {"pumps", "chart", pumps, "--pump", "Aquaflux E 25-60", "-o", "@/nowhere/c.svg"}, 2,
       {"cannot write", ": no such file or directory"}, {}},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args = row.args;
    for (std::string& arg : args) {
      if (arg.starts_with('@')) arg = scratch_.string() + arg.substr(1);
    }
    const ToolRun run = runTool(args);
    EXPECT_EQ(run.status, row.status) << row.what << "\n" << run.output;
    for (const std::string& text : row.shown) {
      EXPECT_NE(run.output.find(text), std::string::npos) << row.what << ": '" << text << "' missing in\n" << run.output;
    }
    for (const std::string& text : row.notShown) {
      EXPECT_EQ(run.output.find(text), std::string::npos) << row.what << ": '" << text << "' shown in\n" << run.output;
    }
  }
}

TEST_F(Tool, ProjectAddKeepsWhatItDoesNotUnderstandAndThePermissions) {
  const fs::path project = scratch_ / "mixed.armakon";
  const ToolRun run = runTool({"project", "add", project.string(), "--kind", "thkv", "data/samples/models/thermostatic.vam"});
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string text = contentOf(project);
  EXPECT_NE(text.find(kForeignEntry), std::string::npos) << text;
  EXPECT_NE(text.find(kForeignSection), std::string::npos) << text;
  EXPECT_EQ(fs::status(project).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  const ToolRun listed = runTool({"project", "list", project.string()});
  EXPECT_NE(listed.output.find("4446 "), std::string::npos) << listed.output;
}

}  // namespace
}  // namespace armakon
