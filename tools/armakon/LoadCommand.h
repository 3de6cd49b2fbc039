#pragma once
// Helpers of the VDI 3805 commands (list, load): printing the report list and the messages
// the library showed on the headless platform.

#include <cstdio>

namespace armakon::tool {

// Every entry of the program-wide report list: "Fehler <code>: title" or "Hinweis
// <code>: title", then the entry's detail indented, line by line.
void printReportEntries(std::FILE* out);

// The messages the library showed while no user could see them (the headless platform
// keeps them), one "Meldung: ..." line each; the log is emptied.
void printShownMessages(std::FILE* out);

}  // namespace armakon::tool
