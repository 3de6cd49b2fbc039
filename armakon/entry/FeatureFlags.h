#pragma once
// FeatureFlags: the program features the host switches on for the library's dialogs.
//
// The host may set any bits; the library itself reads three:
//   1  the valve catalog dialog shows its check button ("Prüfung...")
//   2  sheet 2 offers and loads the old-edition files (*.TGA, guideline 08.1996) besides *.VDI
//   4  the valve catalog dialog shows its export button
// The valve selections of the containers switch bits on; nothing in the library switches a
// bit off again, so bits accumulate unless the host clears them.

#include <cstdint>

namespace armakon {

inline constexpr std::uint32_t kFeatureCheckButton = 1;
inline constexpr std::uint32_t kFeatureOldEditionFiles = 2;
inline constexpr std::uint32_t kFeatureExportButton = 4;

class FeatureFlags {
 public:
  // bits = (bits | on) & ~off: a bit named in both ends up cleared.
  void enableFeatures(std::uint32_t on, std::uint32_t off) { bits_ = (bits_ | on) & ~off; }
  // True when any of the given bits is set.
  bool isFeatureEnabled(std::uint32_t bits) const { return (bits_ & bits) != 0; }
  std::uint32_t bits() const { return bits_; }

 private:
  std::uint32_t bits_ = 0;
};

}  // namespace armakon
