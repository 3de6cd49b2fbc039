#pragma once
// A leaf of a tree file: a name and an ordered list of text values.
//
// The values are a list, never merely one joined text, so a value that contains the
// separator, a line break or nothing at all reads back exactly. The separator is the join
// character of the leaf's text form (GetText, GetStrLeafValue) and of the file syntax.
//
// Writing values: SetFirstValue empties the list and stores the first value, SetNextValue
// appends the next one; "%i" and "%f" numbers are written without printf, any other format
// by printf under the C locale, with the same bytes either way. The values go straight into
// this leaf. InitSetValues/ExitSetValues bracket a writing sequence as the callers are used
// to; the only state they keep is the separator that SetFirstValue uses when it is passed
// none, and that state is per thread.
//
// Reading values: Values() walks them in place. GetFirstValue (or InitGetValues +
// GetNextValue) starts at the first value, GetNextValue continues. Each call stores the value
// it reads and returns true while another value follows, false with the last one (the last
// value is still stored). Past the end, or on a leaf without values, nothing is stored and
// the result is false. The read position is kept in the leaf itself (one walk per leaf at a
// time; not for concurrent readers). Numbers are read like a data field: leading blanks
// skipped, the leading number counts, no number gives 0. A bool is true for a nonzero number
// or "true" (any case). Reading with another separator than the leaf was filled with splits
// the joined text anew. The trailing bool "flag" of the reading calls is accepted for the
// callers' sake and has no effect: values always read back exactly as they were set.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/ByteSearch.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/TreeItem.h"

namespace armakon {

class CLeaf : public CTreeItem {
 public:
  // A walk over the values in order that copies none of them. The views it gives stay valid
  // while the leaf is not changed; values appended meanwhile are walked too.
  class ValueWalk {
   public:
    ValueWalk() = default;  // walks nothing
    // Stores the next value and returns true; false (value untouched) past the last one.
    // Inline: curves read thousands of values one call each.
    bool next(std::string_view& value) {
      if (remaining() == 0) return false;
      const std::string& text = leaf_->text_;
      std::size_t end = 0;
      if (foreign_ != 0) {
        end = index_ + 1 == foreignCount_ ? foreignEnd_ : bytesearch::findFrom(text, offset_, foreign_);
      } else if (!leaf_->ends_.empty()) {
        end = leaf_->ends_[index_];
      } else {
        end = index_ + 1 == leaf_->count_ ? text.size() : bytesearch::findFrom(text, offset_, leaf_->separator_);
      }
      value = std::string_view(text.data() + offset_, end - offset_);
      offset_ = end + 1;
      ++index_;
      return true;
    }
    // Reads the next value as a number, as toDouble does (0 for a value that holds none);
    // false, value untouched, past the last one.
    bool nextNumber(double& value) {
      if (remaining() == 0) return false;
      takeNumbers(1, [&value](double number) { value = number; });
      return true;
    }
    // Reads the next count values (fewer when fewer remain) as nextNumber does and hands each
    // to take(double), in order. A number as "%f" writes it is read where it stands, without a
    // search for the value's end first, and a whole list read at once keeps its place in
    // registers: curves read thousands of numbers. Should take throw, the walk's place is
    // left unspecified.
    template <class Take>
    void takeNumbers(std::size_t count, Take take) {
      count = std::min(count, remaining());
      if (count > 0 && foreign_ == 0 && leaf_->ends_.empty() && !partOfNumbers(leaf_->separator_)) {
        const char* const text = leaf_->text_.data();
        const std::size_t size = leaf_->text_.size();
        const char separator = leaf_->separator_;
        std::size_t offset = offset_;
        std::size_t taken = 0;
        for (; taken < count; ++taken) {
          double value = 0.0;
          const std::size_t stop = offset + readPlainDecimal({text + offset, size - offset}, value);
          if (stop == offset || (stop != size && text[stop] != separator)) break;
          take(value);
          offset = stop + 1;
        }
        offset_ = offset;
        index_ += taken;
        count -= taken;
      }
      // From a value on that is no plain decimal: found by its end, read by toDouble.
      for (; count > 0; --count) {
        std::string_view text;
        next(text);
        take(toDouble(text, 0.0));
      }
    }
    // Hands the next count values (fewer when fewer remain) to take(std::string_view), in
    // order, as next would give them; a list of short values is searched for its separators
    // once, not value by value. Should take throw, the walk's place is left unspecified.
    template <class Take>
    void takeValues(std::size_t count, Take take) {
      count = std::min(count, remaining());
      if (count > 0 && foreign_ == 0 && leaf_->ends_.empty()) {
        const std::string_view text = leaf_->text_;
        const auto takeSpan = [&](std::size_t start, std::size_t end) { take(text.substr(start, end - start)); };
        offset_ = bytesearch::forEachValue(text, offset_, leaf_->separator_, count, takeSpan);
        index_ += count;
        return;
      }
      for (std::string_view value; count > 0 && next(value); --count) take(value);
    }
    std::size_t remaining() const {
      if (leaf_ == nullptr) return 0;
      const std::size_t count = foreign_ != 0 ? foreignCount_ : leaf_->count_;
      return index_ < count ? count - index_ : 0;
    }

   private:
    friend class CLeaf;
    ValueWalk(const CLeaf* leaf, char foreignSeparator);
    // A separator that a plain decimal may hold cuts it into several values.
    static bool partOfNumbers(char sep) { return sep == '.' || sep == '-'; }

    const CLeaf* leaf_ = nullptr;
    // Reading with a separator other than the leaf's own cuts its joined text at that one,
    // as the text stood when the walk began; 0 walks the leaf's own values.
    char foreign_ = 0;
    std::size_t foreignCount_ = 0;
    std::size_t foreignEnd_ = 0;
    std::size_t index_ = 0;   // of the next value
    std::size_t offset_ = 0;  // where the next value starts in the joined text
  };

  // A leaf with the given text: no value for an empty text; otherwise the text as one value,
  // or, with splitText, the text cut at every ':' into several values.
  explicit CLeaf(std::string name = "", std::string_view text = {}, bool splitText = false);
  // A leaf holding one integer, written with "%i".
  CLeaf(std::string name, int value);

  // The value list itself.
  int GetValueCount() const;
  ValueWalk Values() const { return ValueWalk(this, 0); }
  void SetValues(const std::vector<std::string>& values, char sep = ':');
  void AddValue(std::string_view value);
  void ClearValues();
  // Same values in the same order (the separators may differ).
  bool HasSameValues(const CLeaf& other) const;
  // A free-standing copy: name, values and separator.
  std::unique_ptr<CLeaf> Clone() const;
  // The separator the values were set or read with (':' unless another was given).
  char GetSeparator() const { return separator_; }
  // The values joined by sep (no escaping: a value holding sep is then ambiguous).
  std::string GetText(char sep = ':') const;
  // The joined text when cutting it at every sep gives back exactly the values; null when it
  // does not (another separator, or a value that holds sep). Read in place, never copied.
  const std::string* TextCutAt(char sep) const { return sep == separator_ && ends_.empty() ? &text_ : nullptr; }
  // Replaces the values by the text cut at every sep; an empty text gives no value.
  void SetText(std::string_view text, char sep = ':');

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
  void startValues(char sep);
  void listValueEnds();
  void addValue(std::string_view value, bool holdsSeparator);
  // A number as a format wrote it; plain when "%i" or "%f" wrote it.
  void addNumber(std::string_view number, bool plain);
  bool takeNext(std::string_view& value, bool& more) const;
  void restartReading() const;

  // The values joined by the separator: one block per leaf however many values it holds, read
  // in place and written out as it stands. The values are that text cut at every separator,
  // unless one of them holds the separator itself: then ends_ lists where each value ends.
  std::string text_;
  std::vector<std::size_t> ends_;
  std::size_t count_ = 0;
  char separator_ = ':';
  mutable ValueWalk reading_;
};

// Inline: every read of a leaf starts a walk.
inline CLeaf::ValueWalk::ValueWalk(const CLeaf* leaf, char foreignSeparator)
    : leaf_(leaf), foreign_(foreignSeparator) {
  if (foreign_ == 0) return;
  const std::string& text = leaf_->text_;
  foreignCount_ = text.empty() ? 0 : 1 + bytesearch::countOf(text, foreign_);
  foreignEnd_ = text.size();
}

}  // namespace armakon
