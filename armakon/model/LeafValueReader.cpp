#include "armakon/model/LeafValueReader.h"

#include "armakon/components/NumberText.h"

namespace armakon::hydVDIArmaturen {

bool LeafValueReader::hasNext() const { return remaining() > 0; }

std::size_t LeafValueReader::remaining() const { return m_values.remaining(); }

bool LeafValueReader::next(std::string& value) {
  std::string_view text;
  if (!m_values.next(text)) return false;
  value.assign(text);
  return true;
}

bool LeafValueReader::next(int& value) {
  std::string_view text;
  if (!m_values.next(text)) return false;
  value = toInt(text, 0);
  return true;
}

bool LeafValueReader::next(double& value) { return m_values.nextNumber(value); }

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

}  // namespace armakon::hydVDIArmaturen
