#pragma once
// What the files of the sizing rows share: result lines, number texts, missing inputs.

#include <initializer_list>
#include <string>
#include <utility>

#include "armakon/components/NumberText.h"
#include "armakon/containers/SizeSearch.h"

namespace armakon {

inline void addLine(SizeLines& lines, const char* key, std::string value) { lines.push_back({key, std::move(value)}); }

// The number as %g, with the unit after a space when one is given.
inline std::string sizeNumber(double value, const char* unit = "") {
  std::string text = formatC("%g", value);
  if (*unit != '\0') text += std::string(" ") + unit;
  return text;
}

// The names of the inputs not given, joined by ", ".
inline std::string joinMissing(std::initializer_list<std::pair<bool, const char*>> inputs) {
  std::string missing;
  for (const auto& [given, name] : inputs) {
    if (given) continue;
    if (!missing.empty()) missing += ", ";
    missing += name;
  }
  return missing;
}

inline std::string flowMissing(const SizeRequest& r) { return joinMissing({{r.flow.has_value(), "--flow"}}); }

}  // namespace armakon
