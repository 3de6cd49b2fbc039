#pragma once
// HostList: the small list control interface through which the containers fill a host's
// list or combo box (for example the nominal sizes of a valve model): items of a text and an
// integer item datum, and one selected item or none.
//
// SimpleHostList keeps the items in memory; hosts without a window system and the tools use
// it directly.

#include <cstdint>
#include <string>
#include <vector>

namespace armakon {

class HostList {
 public:
  virtual ~HostList() = default;
  // Removes every item and the selection.
  virtual void resetContent() = 0;
  // Appends an item and returns its index.
  virtual int addItem(const std::string& text, std::int64_t data) = 0;
  // Selects the item at index; -1 selects none. An index outside the items throws
  // std::invalid_argument.
  virtual void setCurSel(int index) = 0;
};

class SimpleHostList : public HostList {
 public:
  struct Item {
    std::string text;
    std::int64_t data = 0;
  };

  void resetContent() override;
  int addItem(const std::string& text, std::int64_t data) override;
  void setCurSel(int index) override;

  int getCount() const;
  // Index errors throw std::invalid_argument.
  const Item& getAt(int index) const;
  const std::vector<Item>& items() const { return m_Items; }
  // The selected index, -1 for none.
  int getCurSel() const { return m_CurSel; }

 private:
  std::vector<Item> m_Items;
  int m_CurSel = -1;
};

}  // namespace armakon
