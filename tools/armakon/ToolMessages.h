#pragma once
// How the tool speaks for itself. Its own lines (help, errors, summaries) are English; what
// the library says (report-list entries, messages, questions) is passed on in its own German
// words. An error is one line on stderr: "armakon: " and a lower-case sentence.

#include <string>
#include <string_view>

namespace armakon::tool {

// Prints "armakon: text" on stderr and returns status, so that a command can end with it.
int fail(const std::string& text, int status = 2);

// Why path cannot be read as a file: "no such file" or "is a folder, not a file"; "" when
// something else stands there (reading it will tell).
std::string inputProblem(const std::string& path);

// Why reading or writing a file has just failed: the system's error text of errno, starting
// lower-case ("is a folder" for a folder).
std::string systemReason();

// The text of a number option as a finite number; false for anything else, inf and nan
// included.
bool parseFiniteNumber(std::string_view text, double& value);

}  // namespace armakon::tool
