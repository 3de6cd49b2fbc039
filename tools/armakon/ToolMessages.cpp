#include "tools/armakon/ToolMessages.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "armakon/components/NumberText.h"

namespace armakon::tool {

int fail(const std::string& text, int status) {
  std::fflush(stdout);  // the error follows whatever the command printed before it
  std::fprintf(stderr, "armakon: %s\n", text.c_str());
  return status;
}

std::string inputProblem(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return "no such file";
  if (status.type() == std::filesystem::file_type::directory) return "is a folder, not a file";
  return "";
}

std::string systemReason() {
  if (errno == EISDIR) return "is a folder";
  std::string text = std::strerror(errno);
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

bool parseFiniteNumber(std::string_view text, double& value) {
  double number = 0.0;
  if (!parseDouble(text, number) || !std::isfinite(number)) return false;
  value = number;
  return true;
}

}  // namespace armakon::tool
