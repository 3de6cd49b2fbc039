#pragma once
// LeafValueReader: reads the value list of a tree leaf in order, as the valve classes store
// their fields. Missing values leave the target untouched; numbers are read like a data field
// (leading number, else 0) and never convert out of range.

#include <cstddef>
#include <string>

#include "armakon/components/TreeLeaf.h"

namespace armakon::hydVDIArmaturen {

class LeafValueReader {
 public:
  // A null leaf reads as a leaf without values.
  explicit LeafValueReader(const ::armakon::CLeaf* leaf)
      : m_values(leaf != nullptr ? leaf->Values() : ::armakon::CLeaf::ValueWalk()) {}

  bool hasNext() const;
  std::size_t remaining() const;
  // Each stores the next value and returns true; false (target untouched) when none is left.
  bool next(std::string& value);
  bool next(int& value);
  bool next(double& value);
  bool next(float& value);
  // 0..255; any other number reads as 0.
  bool next(unsigned char& value);

 private:
  ::armakon::CLeaf::ValueWalk m_values;
};

// A double narrowed to float without undefined behaviour: beyond the float range it becomes
// an infinity of the same sign, NaN stays NaN.
float narrowToFloat(double value) noexcept;

}  // namespace armakon::hydVDIArmaturen
