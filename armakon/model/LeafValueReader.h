#pragma once
// LeafValueReader: reads the value list of a tree leaf in order, as the valve classes store
// their fields. Missing values leave the target untouched; numbers are read like a data field
// (leading number, else 0) and never convert out of range.

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

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
// an infinity of the same sign, NaN stays NaN. (Inline: curves narrow every value they read.)
inline float narrowToFloat(double value) noexcept {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

// Reads the next count values of a curve's value walk, which holds that many, into the field
// of nodes[0] to nodes[count - 1] as the curve stores them: read as numbers like a data field
// and narrowed to float.
template <class Node, class FieldOwner>
void readCurveValues(::armakon::CLeaf::ValueWalk& values, Node* nodes, std::size_t count, float FieldOwner::*field) {
  values.takeNumbers(count, [&nodes, field](double value) { (nodes++)->*field = narrowToFloat(value); });
}

// Copies the next count values of a curve's label walk, which holds that many, into the labels
// of nodes[0] to nodes[count - 1], each straight into place.
template <class Node>
void readCurveLabels(::armakon::CLeaf::ValueWalk& values, Node* nodes, std::size_t count) {
  values.takeValues(count, [&nodes](std::string_view text) { (nodes++)->text.assign(text); });
}

}  // namespace armakon::hydVDIArmaturen
