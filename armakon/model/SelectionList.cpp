#include "armakon/model/SelectionList.h"

#include "armakon/model/IndexCheck.h"

namespace armakon::hydVDIArmaturen {

int SelectionList::addString(const std::string& text, const hydArmatur* itemData) {
  m_entries.push_back(Entry{text, itemData});
  return getCount() - 1;
}

int SelectionList::getCount() const { return sizeAsInt(m_entries.size()); }

const SelectionList::Entry& SelectionList::getAt(int index) const {
  return m_entries[checkedIndex(index, m_entries.size(), "SelectionList::getAt: index out of range")];
}

}  // namespace armakon::hydVDIArmaturen
