#pragma once
// A leaf of a tree file: a name and an ordered list of text values.
//
// The values are kept as a list, never as one joined text, so a value that contains the
// separator, a line break or nothing at all reads back exactly. The separator is only the
// join character of the leaf's text form (GetText, GetStrLeafValue) and of the file syntax.
//
// Writing values: SetFirstValue empties the list and stores the first value, SetNextValue
// appends the next one, each number formatted with a printf conversion under the C locale.
// The values go straight into this leaf. InitSetValues/ExitSetValues bracket a writing
// sequence as the callers are used to; the only state they keep is the separator that
// SetFirstValue uses when it is passed none, and that state is per thread.
//
// Reading values: GetFirstValue (or InitGetValues + GetNextValue) starts at the first value,
// GetNextValue continues. Each call stores the value it reads and returns true while another
// value follows, false with the last one (the last value is still stored). Past the end, or
// on a leaf without values, nothing is stored and the result is false. The read position is
// kept in the leaf itself (one walk per leaf at a time; not for concurrent readers).
// Numbers are read like a data field: leading blanks skipped, the leading number counts,
// no number gives 0. A bool is true for a nonzero number or "true" (any case).
// Reading with another separator than the leaf was filled with splits the joined text anew.
// The trailing bool "flag" of the reading calls is accepted for the callers' sake and has no
// effect: values always read back exactly as they were set.

#include <string>
#include <vector>

#include "armakon/components/TreeItem.h"

namespace armakon {

class CLeaf : public CTreeItem {
 public:
  // A leaf with the given text: no value for an empty text; otherwise the text as one value,
  // or, with splitText, the text cut at every ':' into several values.
  explicit CLeaf(std::string name = "", const std::string& text = "", bool splitText = false);
  // A leaf holding one integer, written with "%i".
  CLeaf(std::string name, int value);
  bool IsNode() const override { return false; }

  // The value list itself. GetValue throws std::invalid_argument for an index outside it.
  int GetValueCount() const;
  const std::string& GetValue(int index) const;
  const std::vector<std::string>& GetValues() const { return values_; }
  void SetValues(std::vector<std::string> values, char sep = ':');
  void AddValue(std::string value);
  void ClearValues();
  // The separator the values were set or read with (':' unless another was given).
  char GetSeparator() const { return separator_; }
  // The values joined by sep (no escaping: a value holding sep is then ambiguous).
  std::string GetText(char sep = ':') const;
  // Replaces the values by the text cut at every sep; an empty text gives no value.
  void SetText(const std::string& text, char sep = ':');

  // Writing. A format must hold exactly one conversion that fits the type (d i o u x X c for
  // an int; f F e E g G a A for a double) besides "%%"; for any other format the default
  // ("%i" / "%f") is used and the call returns false.
  static void InitSetValues(char sep = ':');
  static void ExitSetValues();
  void SetFirstValue(const std::string& value, char sep = 0);
  bool SetFirstValue(int value, const char* format = "%i", char sep = 0);
  bool SetFirstValue(double value, const char* format = "%f", char sep = 0);
  void SetNextValue(const std::string& value);
  bool SetNextValue(int value, const char* format = "%i");
  bool SetNextValue(double value, const char* format = "%f");

  // Reading. InitGetValues returns true when the leaf holds a value.
  bool InitGetValues(char sep = ':') const;
  bool GetFirstValue(std::string& value, char sep = ':', bool flag = false) const;
  bool GetFirstValue(int& value, char sep = ':', bool flag = false) const;
  bool GetFirstValue(double& value, char sep = ':', bool flag = false) const;
  bool GetFirstValue(float& value, char sep = ':', bool flag = false) const;
  bool GetFirstValue(bool& value, char sep = ':', bool flag = false) const;
  bool GetFirstValue(unsigned char& value, char sep = ':', bool flag = false) const;
  bool GetNextValue(std::string& value, bool flag = false) const;
  bool GetNextValue(int& value, bool flag = false) const;
  bool GetNextValue(double& value, bool flag = false) const;
  bool GetNextValue(float& value, bool flag = false) const;
  bool GetNextValue(bool& value, bool flag = false) const;
  // A byte outside 0..255 reads as 0.
  bool GetNextValue(unsigned char& value, bool flag = false) const;
  // True when GetNextValue has a value left to read.
  bool HasNextValue() const;
  // The first value (of the list split by sep): as text ("" without value) or as number.
  std::string GetOnlyValue(char sep = ':') const;
  int GetOnlyValueI(char sep = ':', bool flag = false) const;
  double GetOnlyValueD(char sep = ':', bool flag = false) const;

 private:
  const std::string* takeNext(bool& more) const;
  void restartReading() const;

  std::vector<std::string> values_;
  char separator_ = ':';
  // Read walk: position, and the list split anew when read with a foreign separator.
  mutable std::size_t readPosition_ = 0;
  mutable bool readResplit_ = false;
  mutable std::vector<std::string> resplit_;
};

}  // namespace armakon
