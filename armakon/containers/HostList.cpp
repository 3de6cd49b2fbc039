#include "armakon/containers/HostList.h"

#include <stdexcept>

namespace armakon {

void SimpleHostList::resetContent() {
  m_Items.clear();
  m_CurSel = -1;
}

int SimpleHostList::addItem(const std::string& text, std::int64_t data) {
  m_Items.push_back(Item{text, data});
  return getCount() - 1;
}

void SimpleHostList::setCurSel(int index) {
  if (index < -1 || index >= getCount()) throw std::invalid_argument("SimpleHostList::setCurSel: index out of range");
  m_CurSel = index;
}

int SimpleHostList::getCount() const { return static_cast<int>(m_Items.size()); }

const SimpleHostList::Item& SimpleHostList::getAt(int index) const {
  if (index < 0 || index >= getCount()) throw std::invalid_argument("SimpleHostList::getAt: index out of range");
  return m_Items[static_cast<std::size_t>(index)];
}

}  // namespace armakon
