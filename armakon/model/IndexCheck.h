#pragma once
// Index helpers of the valve classes: counts reported as int, and index checks that raise
// the one error an index outside an array gives (std::invalid_argument).

#include <climits>
#include <cstddef>
#include <stdexcept>

namespace armakon::hydVDIArmaturen {

// The size as int; a size beyond INT_MAX (never reached by real data) reports INT_MAX.
inline int sizeAsInt(std::size_t size) noexcept {
  return size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

// The index as a position in an array of the given size; throws std::invalid_argument when
// it lies outside 0 .. size - 1.
inline std::size_t checkedIndex(int index, std::size_t size, const char* what) {
  if (index < 0 || static_cast<std::size_t>(index) >= size) throw std::invalid_argument(what);
  return static_cast<std::size_t>(index);
}

}  // namespace armakon::hydVDIArmaturen
