#include "armakon/platform/FileFilter.h"

namespace armakon {

namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Cuts the next "|"-terminated part off the front; false when nothing is left.
bool nextPart(std::string_view& rest, std::string_view& part) {
  if (rest.empty()) return false;
  const auto bar = rest.find('|');
  part = rest.substr(0, bar);
  rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
  return true;
}

}  // namespace

std::vector<FileFilterEntry> splitFileFilter(std::string_view filter) {
  std::vector<FileFilterEntry> entries;
  std::string_view rest = filter;
  std::string_view description;
  std::string_view patterns;
  while (nextPart(rest, description) && !description.empty() && nextPart(rest, patterns)) {
    FileFilterEntry entry;
    entry.description = std::string(description);
    while (!patterns.empty()) {
      const auto semicolon = patterns.find(';');
      const std::string_view pattern = trimmed(patterns.substr(0, semicolon));
      if (!pattern.empty()) entry.patterns.emplace_back(pattern);
      patterns =
          semicolon == std::string_view::npos ? std::string_view{} : patterns.substr(semicolon + 1);
    }
    if (!entry.patterns.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace armakon
