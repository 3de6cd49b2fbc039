#pragma once
// Reading a VDI 3805 file into lines, and the check a file must pass before the host takes
// it into a catalog folder.
//
// Product-data files are Windows-1252 text with one record per line; "*.vdix" files hold
// the same lines in the encoded form of the string-list reader (hydStrUtil.h, mode 1).
// Extensions are compared without regard to case ("AQ.VDI", "aq.vdi").
//
// ReadVdiFile files what goes wrong as an error (code 10) in the program-wide report list.
// Catalog workers read files in parallel; they pass lock = true so that each entry is
// filed under the process-wide load lock (CMiniReportUtil::loadLock). A caller that already
// holds that lock must pass false (the lock is not recursive).
//
// CheckVdiFile does not log: it shows its finding to the user as a message whose caption is
// the finding's title. InspectVdiFile gives the same finding without showing anything.

#include <optional>
#include <string>
#include <string_view>

#include "armakon/components/hydStrUtil.h"

namespace armakon {

// The extension of a path without the point, lower-cased ("vdi", "vdix", "tga"); empty when
// the file name has none.
std::string VdiFileExtension(std::string_view path);

// The file name of a path: everything after the last '/' or '\'.
std::string_view VdiFileName(std::string_view path);

// Reads the file into lines (cleared first). False, with an error entry, when no file exists
// at the path ("Datei konnte nicht gefunden werden."), when it cannot be read ("Datei konnte
// nicht gelesen werden.") or when it holds no line ("Fehler beim lesen einer Datei: Datei
// hat keinen Inhalt."). With lock set, the load lock is held around each entry.
bool ReadVdiFile(StringList& lines, const std::string& path, bool lock);

// The first field of the file's first line, the record type of its header, read from the
// start of the file alone, so that a large file of something else can be refused before it
// is read and decoded in full. Nothing when the start cannot tell: no such file, an empty
// one, an encoded *.vdix file, or a first field running past the start.
std::optional<std::string> PeekVdiRecordType(const std::string& path);

// Files an error in the program-wide report list, under the load lock when lock is set.
void FileLoadError(int code, std::string_view title, std::string_view detail, bool lock);

// The outcome of the file check: accepted, or refused with a title and a text for the user.
struct VdiFileCheck {
  bool accepted = false;
  std::string title;
  std::string text;
};

// The check the host runs before it accepts a file into a catalog of the expected sheet
// (0: accept anything). Files named *.vdix are checked like *.VDI files: they are the
// encoded form the catalog folder dialog itself writes.
VdiFileCheck InspectVdiFile(const std::string& path, int expectedSheet);

// InspectVdiFile, with a refusal shown to the user as an error message; true when accepted.
bool CheckVdiFile(const std::string& path, int expectedSheet);

}  // namespace armakon
