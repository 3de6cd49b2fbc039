#pragma once
// Netzpunkt: an operating point of the host's pipe network, handed to the pump choice.
//
// The host fills it from its network calculation and passes it by reference; the pump choice
// copies it. Units are the catalog's: Pa for heads, m³/s for flows. The system curve is the
// parabola from the static head at zero flow through the operating point.

#include <string>

namespace armakon {

struct Netzpunkt {
  std::string name{};       // names the system curve in the chart
  double staticHead = 0.0;  // static head of the system curve at zero flow, Pa
  double flow = 0.0;        // operating flow, m³/s
  double head = 0.0;        // operating head, Pa
};

}  // namespace armakon
