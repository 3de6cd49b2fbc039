#pragma once
// SelectionList: the (text, variant) pairs a host shows in a list or combo box, for example
// the nominal sizes of a valve model. The variants are not owned.

#include <string>
#include <vector>

namespace armakon::hydVDIArmaturen {

class hydArmatur;

class SelectionList {
 public:
  struct Entry {
    std::string text;
    const hydArmatur* itemData = nullptr;
  };

  void clear() { m_entries.clear(); }
  // Appends an entry and returns its index.
  int addString(const std::string& text, const hydArmatur* itemData);
  int getCount() const;
  // Index errors throw std::invalid_argument.
  const Entry& getAt(int index) const;
  const std::vector<Entry>& entries() const { return m_entries; }

 private:
  std::vector<Entry> m_entries;
};

}  // namespace armakon::hydVDIArmaturen
