#pragma once
// The file-type filters of the file choosers, in the Windows form the dialogs pass them:
// description and pattern list alternate, each followed by "|", and the whole may end with
// an extra "|" ("Text Dateien (*.txt)|*.txt|Alle Dateien|*.*||"). A pattern list holds
// one or more patterns separated by ";" ("*.VDI;*.TGA"). Platforms with other choosers
// split the text here rather than making every caller spell the filter twice.

#include <string>
#include <string_view>
#include <vector>

namespace armakon {

struct FileFilterEntry {
  std::string description;
  std::vector<std::string> patterns;  // blanks around each pattern removed, empty ones left out

  bool operator==(const FileFilterEntry&) const = default;
};

// The entries in order. The list ends at the first empty description (the closing "||");
// a description without a pattern list after it is left out.
std::vector<FileFilterEntry> splitFileFilter(std::string_view filter);

}  // namespace armakon
