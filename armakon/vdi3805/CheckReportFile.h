#pragma once
// The check file of a VDI 3805 file: the check report as the valve catalog dialog's
// "Prüfung..." writes it, and the save dialog that chooses its name.
//
// The file's lines are the creation-date line ("Erstelldatum dieses Dokumentes: d.m.yyyy,
// hhmLT" in local time, numbers without leading zeros), an empty line, the manufacturer
// information of the document (the support hint naming the manufacturer, the web page and
// the comment of the file header, each on a line of its own, as the report list appends them
// to its entries), then the check report (CheckReport.h). The text is UTF-8 with "\n" line
// ends; the "\r\n" line breaks inside report-list details become "\n" as well, so the file
// holds one kind of line end only.

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CheckReport.h"

namespace armakon {

class CVDIDoc;

// The manufacturer information of the document's file header (010), one line per piece;
// empty when the document has no file header.
StringList ManufacturerInformation(const CVDIDoc& document);

// The local time now (the check file's creation date).
std::tm LocalNow();

// Appends the creation-date line for the given local time, an empty line and the
// manufacturer information.
void AppendCheckFileHeader(StringList& lines, const CVDIDoc& document, const std::tm& localTime);

// The whole check file: header and check report. Afterwards the report list's flags are set
// back (document info on, record context off). Returns the report's counts.
CheckReportCounts BuildCheckFile(StringList& lines, const CVDIDoc& document, const std::tm& localTime);

// The lines as the file's text (see the file comment).
std::string CheckFileText(const StringList& lines);

// Writes the lines to the file, atomically; false when it cannot be written. sync as for
// writeFileAtomically: a batch of checks brings its files to the disk together.
bool WriteCheckFile(const StringList& lines, const std::filesystem::path& path, FileSync sync = FileSync::Now);

// The file name proposed for a suggested report name: every "," becomes " -", every "."
// "_", every "/" "-", and ".txt" is appended ("Modell 1/2, DN 15.5" -> "Modell 1-2 - DN
// 15_5.txt").
std::string ReportFileName(std::string_view suggestedName);

// Whether a report file could be written at the path: its folder exists and is writable,
// and an existing path is a writable regular file.
bool IsWritableReportPath(const std::filesystem::path& path);

// The save dialog for the report text file (through the platform layer): proposes
// ReportFileName(suggestedName); an existing file is only taken after "Datei existiert schon.
// Überschreiben?" is answered yes (no shows the dialog again); a path that cannot be written
// shows "Datei lässt sich nicht beschreiben." and the dialog again. Nothing when the user
// cancels. (The host's parent window is the platform's business.)
std::optional<std::string> ChooseReportFile(std::string_view suggestedName);

}  // namespace armakon
