#pragma once
// hydArmAnschluss: one connection of a valve variant (a plain record, copied by value).

#include <string>

namespace armakon::hydVDIArmaturen {

struct hydArmAnschluss {
  // Sides as the import stores them: "E" inlet, "A" outlet, "U" unknown.
  static constexpr int kEingang = 0;
  static constexpr int kAusgang = 1;
  static constexpr int kUnbekannt = -1;

  std::string key;
  int side = 0;
  std::string text;

  bool operator==(const hydArmAnschluss&) const = default;
};

}  // namespace armakon::hydVDIArmaturen
