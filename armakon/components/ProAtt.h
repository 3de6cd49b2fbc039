#pragma once
// One named text attribute of an attribute tree (see ProNode.h for the tree and its text).
//
// Besides plain text, an attribute can hold a list of ints ("sub-values"), as the valve
// containers keep their last handed-out id. The list is stored in the value as decimal
// numbers joined by ';' ("7", "-3;0;2147483647"; an empty list is the empty text).
//
// Writing a list:  setSubStringReset(); setSubString(a); setSubString(b); setSubStringFlush(att);
// Reading a list:  getSubStringReset(att.getValue()); while (getSubString(v, true)) { ... }
//
// The four calls are static and keep their list in per-thread state, so they may be called
// as CProAttBase::setSubString(5) or through any attribute pointer; a list being built or read
// on one thread never disturbs another thread's.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace armakon {

class CProNodeBase;

class CProAttBase {
 public:
  CProAttBase(std::string name, std::string value);
  CProAttBase(const CProAttBase&) = delete;
  CProAttBase& operator=(const CProAttBase&) = delete;

  const std::string& getName() const { return name_; }
  const std::string& getValue() const { return value_; }
  void setValue(std::string value) { value_ = std::move(value); }

  // The node that owns this attribute; null while it stands alone.
  CProNodeBase* getOwner() const { return owner_; }

  // Starts a new list on this thread, discarding whatever was collected before.
  static void setSubStringReset();
  // Appends one value to the list being collected.
  static void setSubString(int value);
  // Stores the collected list as the attribute's value (replacing it) and starts a new,
  // empty list. False, and the list kept, for a null attribute.
  static bool setSubStringFlush(CProAttBase* attribute);
  static bool setSubStringFlush(CProAttBase& attribute);

  // Starts reading the list held in text (usually an attribute's value; the text is copied).
  static void getSubStringReset(std::string_view text);
  // Reads the next value of the list. True when a value was read and stored in value;
  // false at the end of the list, value untouched. A field that is not an int (blanks
  // around the digits are allowed; out-of-range numbers are not ints) is passed over when
  // skipInvalid is true; when it is false such a field ends the reading (false, and every
  // later call returns false too).
  static bool getSubString(int& value, bool skipInvalid = true);

 private:
  friend class CProNodeBase;

  std::string name_;
  std::string value_;
  CProNodeBase* owner_ = nullptr;
  std::size_t index_ = 0;  // position in the owner's attribute list
};

}  // namespace armakon
