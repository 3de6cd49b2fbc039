#pragma once
// HostDoubleList: the list control interface through which the drinking-water container fills
// a host's setting choice (TwArmaturContainer::fillEinstellungsCombo): items of a text and a
// number the list owns (a kv or a regulator temperature), and one selected item or none.
//
// The list takes each item's number over when the item is added and frees it when the item
// goes (resetContent, destruction); the container never keeps a pointer to it. A host whose
// combo box stores raw item pointers adapts this interface and frees them when it empties the
// box.
//
// SimpleHostDoubleList keeps the items in memory; hosts without a window system and the tools
// use it directly.

#include <memory>
#include <string>
#include <vector>

namespace armakon {

class HostDoubleList {
 public:
  virtual ~HostDoubleList() = default;
  // Removes every item (freeing its number) and the selection.
  virtual void resetContent() = 0;
  // Appends an item that owns `data` (which may be null) and returns its index.
  virtual int addItem(const std::string& text, std::unique_ptr<double> data) = 0;
  // Selects the item at index; -1 selects none. An index outside the items throws
  // std::invalid_argument.
  virtual void setCurSel(int index) = 0;
};

class SimpleHostDoubleList : public HostDoubleList {
 public:
  struct Item {
    std::string text;
    std::unique_ptr<double> data;
  };

  void resetContent() override;
  int addItem(const std::string& text, std::unique_ptr<double> data) override;
  void setCurSel(int index) override;

  int getCount() const;
  // Index errors throw std::invalid_argument.
  const std::string& getText(int index) const;
  // The item's number; null for an item added without one.
  const double* getItemData(int index) const;
  // The selected index, -1 for none.
  int getCurSel() const { return m_CurSel; }

 private:
  const Item& itemAt(int index) const;

  std::vector<Item> m_Items;
  int m_CurSel = -1;
};

}  // namespace armakon
