#include "armakon/model/LeafValueReader.h"

#include <cmath>
#include <limits>

#include "armakon/components/NumberText.h"
#include "armakon/components/TreeLeaf.h"

namespace armakon::hydVDIArmaturen {

bool LeafValueReader::hasNext() const { return remaining() > 0; }

std::size_t LeafValueReader::remaining() const {
  if (m_leaf == nullptr) return 0;
  const std::size_t count = m_leaf->GetValues().size();
  return m_position < count ? count - m_position : 0;
}

const std::string* LeafValueReader::take() {
  if (!hasNext()) return nullptr;
  return &m_leaf->GetValues()[m_position++];
}

bool LeafValueReader::next(std::string& value) {
  const std::string* text = take();
  if (text == nullptr) return false;
  value = *text;
  return true;
}

bool LeafValueReader::next(int& value) {
  const std::string* text = take();
  if (text == nullptr) return false;
  value = toInt(*text, 0);
  return true;
}

bool LeafValueReader::next(double& value) {
  const std::string* text = take();
  if (text == nullptr) return false;
  value = toDouble(*text, 0.0);
  return true;
}

bool LeafValueReader::next(float& value) {
  double wide = 0.0;
  if (!next(wide)) return false;
  value = narrowToFloat(wide);
  return true;
}

bool LeafValueReader::next(unsigned char& value) {
  int wide = 0;
  if (!next(wide)) return false;
  value = (wide >= 0 && wide <= 255) ? static_cast<unsigned char>(wide) : 0;
  return true;
}

float narrowToFloat(double value) noexcept {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

}  // namespace armakon::hydVDIArmaturen
