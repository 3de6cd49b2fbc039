// gen_catalog: writes synthetic VDI 3805 data for measurements, and encodes sample files.
//
//   gen_catalog file PATH BYTES             one sheet-2 file of about BYTES bytes
//   gen_catalog catalog ROOT FILES BYTES    a catalog root with FILES files of about BYTES each
//   gen_catalog encode SOURCE TARGET        SOURCE (code page 1252 lines) as an encoded *.vdix
//
// The encoded sample data/samples/vdi/AQ_HEIZUNG.vdix is made with the third form from
// data/samples/catalogs/Aqualis/VDI_2/AQ_HEIZUNG.VDI.

#include <cstdio>
#include <string>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/hydStrUtil.h"
#include "bench/CatalogGenerator.h"

namespace {

int usage() {
  std::fputs("usage: gen_catalog file PATH BYTES | catalog ROOT FILES BYTES | encode SOURCE TARGET\n", stderr);
  return 2;
}

bool positive(const char* text, long long& value) { return armakon::parseInt64(text, value) && value > 0; }

}  // namespace

int main(int argc, char** argv) {
  using namespace armakon;
  if (argc < 2) return usage();
  const std::string command = argv[1];
  long long count = 0;
  long long bytes = 0;
  if (command == "file" && argc == 4 && positive(argv[3], bytes)) {
    if (!writeFileAtomically(argv[2], bench::GenerateVdiText(static_cast<std::size_t>(bytes), {}))) {
      std::fprintf(stderr, "gen_catalog: cannot write %s\n", argv[2]);
      return 1;
    }
    return 0;
  }
  if (command == "catalog" && argc == 5 && positive(argv[3], count) && count <= 100000 && positive(argv[4], bytes)) {
    const auto paths = bench::WriteCatalog(argv[2], static_cast<int>(count), static_cast<std::size_t>(bytes));
    if (paths.empty()) {
      std::fprintf(stderr, "gen_catalog: cannot write below %s\n", argv[2]);
      return 1;
    }
    std::printf("%zu files below %s\n", paths.size(), argv[2]);
    return 0;
  }
  if (command == "encode" && argc == 4) {
    StringList lines;
    if (!hydStrUtil::readStringlistFromFile(lines, argv[2], kCodePage1252) ||
        !hydStrUtil::writeStringlistToFile(lines, argv[3], kCodePage1252, true)) {
      std::fprintf(stderr, "gen_catalog: cannot encode %s into %s\n", argv[2], argv[3]);
      return 1;
    }
    return 0;
  }
  return usage();
}
