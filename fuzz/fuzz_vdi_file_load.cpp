// Fuzz target: a VDI 3805 file loaded from disk, which reads plain files one line at a time,
// against the same bytes loaded from the whole list of lines. Both must give the same
// document: flags, sheet, date, kept lines, records and report entries. The first byte
// chooses the file kind and the load options.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CVDITemplate.h"
#include "armakon/vdi3805/VdiFileRead.h"

namespace {

using namespace armakon;

struct Loaded {
  bool result = false;
  bool parsed = false;
  bool oldFormat = false;
  int sheet = 0;
  std::string date;
  StringList rawLines;
  StringList records;
  std::vector<std::string> entries;

  bool operator==(const Loaded&) const = default;
};

Loaded describe(const CVDIDoc& document, bool result) {
  Loaded loaded{result, document.IsParsed(), document.IsOldFormat(), document.GetSheet(), document.GetDate(),
                document.GetRawLines(), {}, {}};
  document.AppendAllLines(loaded.records);
  for (const CMiniReportUtil::report& entry : CMiniReportUtil::instance().entries()) {
    loaded.entries.push_back(entry.title + "\n" + entry.detail);
  }
  CMiniReportUtil::instance().clear();
  return loaded;
}

// A folder of this process for the one file under test, removed when the process ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "armakon_fuzz_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) ::abort();
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

const std::filesystem::path& folder() {
  static const ScratchFolder scratch;
  return scratch.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const bool once = [] {
    CVDITemplate::SetFolder("/nonexistent-armakon-fuzz");
    return true;
  }();
  (void)once;
  static const char* const kNames[] = {"fuzz.VDI", "fuzz.vdix", "fuzz.TGA", "fuzz.txt"};
  static const int kSheets[] = {0, 2, 17, 0};
  const std::uint8_t options = data[0];
  const std::string path = (folder() / kNames[options & 3]).string();
  const bool skipDetail = (options & 4) != 0;
  const int expectedSheet = kSheets[(options >> 3) & 3];
  if (!writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1))) ::abort();

  CMiniReportUtil::instance().clear();
  CVDIDoc fromFile;
  const bool fileResult = fromFile.Load(path, skipDetail, expectedSheet);
  const Loaded byLine = describe(fromFile, fileResult);

  // The whole list of lines, as the loader reads a file that does not pass its checks.
  Loaded whole;
  StringList lines;
  CVDIDoc fromLines;
  if (ReadVdiFile(lines, path, false)) {
    const bool linesResult = fromLines.LoadLines(lines, path, skipDetail, expectedSheet);
    whole = describe(fromLines, linesResult);
    // A first line that is no header is refused before the file is read as a whole.
    if (fromFile.IsParsed() || whole.parsed) {
      if (!(whole == byLine)) ::abort();
    }
  }
  CMiniReportUtil::instance().clear();
  return 0;
}
