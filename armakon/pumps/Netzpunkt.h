#pragma once
// Netzpunkt: an operating point of the host's network handed to the pump choice: the static
// head of the system curve and the operating flow and head.

#include <string>

namespace armakon {

struct Netzpunkt {
  std::string name;
  double staticHead = 0.0;     // Pa
  double flow = 0.0;           // m³/s
  double operatingHead = 0.0;  // Pa
};

}  // namespace armakon
