#include "armakon/components/TreeLeaf.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "armakon/components/NumberText.h"

namespace armakon {

namespace {

// Separator SetFirstValue uses when it is given none; set by InitSetValues, per thread.
thread_local char setSeparator = ':';

std::vector<std::string> splitAt(const std::string& text, char sep) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(sep, start);
    if (end == std::string::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

// A printf format is taken only when it holds exactly one conversion, of one of the given
// letters, without length modifier or '*' and with at most two digits of width and of
// precision: a caller's slip then cannot read a wrong argument or print megabytes.
bool isSingleConversion(const char* format, const char* letters) {
  if (format == nullptr) return false;
  int conversions = 0;
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr) ++p;
    for (int digits = 0; *p >= '0' && *p <= '9'; ++p) {
      if (++digits > 2) return false;
    }
    if (*p == '.') {
      ++p;
      for (int digits = 0; *p >= '0' && *p <= '9'; ++p) {
        if (++digits > 2) return false;
      }
    }
    if (*p == '\0' || std::strchr(letters, *p) == nullptr) return false;
    ++conversions;
  }
  return conversions == 1;
}

const char* const kIntLetters = "dioxXuc";
const char* const kDoubleLetters = "fFeEgGaA";

bool formatInt(int value, const char* format, std::string& out) {
  const bool usable = isSingleConversion(format, kIntLetters);
  out = formatC(usable ? format : "%i", value);
  return usable;
}

bool formatDouble(double value, const char* format, std::string& out) {
  const bool usable = isSingleConversion(format, kDoubleLetters);
  out = formatC(usable ? format : "%f", value);
  return usable;
}

bool equalsNoCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

std::string_view withoutBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

float toFloat(const std::string& text) {
  const double d = toDouble(text);
  constexpr double kMax = std::numeric_limits<float>::max();
  if (d > kMax) return std::numeric_limits<float>::infinity();
  if (d < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(d);
}

bool toBool(const std::string& text) {
  const std::string_view word = withoutBlanks(text);
  if (equalsNoCase(word, "true")) return true;
  if (equalsNoCase(word, "false")) return false;
  return toDouble(word) != 0.0;
}

unsigned char toByte(const std::string& text) {
  const int v = toInt(text);
  return v >= 0 && v <= 255 ? static_cast<unsigned char>(v) : 0;
}

}  // namespace

CLeaf::CLeaf(std::string name, const std::string& text, bool splitText) : CTreeItem(std::move(name)) {
  if (splitText) {
    values_ = splitAt(text, ':');
  } else if (!text.empty()) {
    values_.push_back(text);
  }
}

CLeaf::CLeaf(std::string name, int value) : CTreeItem(std::move(name)) {
  values_.push_back(formatC("%i", value));
}

int CLeaf::GetValueCount() const {
  return values_.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())
             ? std::numeric_limits<int>::max()
             : static_cast<int>(values_.size());
}

const std::string& CLeaf::GetValue(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= values_.size()) {
    throw std::invalid_argument("CLeaf::GetValue: index outside the value list");
  }
  return values_[static_cast<std::size_t>(index)];
}

void CLeaf::SetValues(std::vector<std::string> values, char sep) {
  values_ = std::move(values);
  separator_ = sep;
  restartReading();
}

void CLeaf::AddValue(std::string value) {
  values_.push_back(std::move(value));
}

void CLeaf::ClearValues() {
  values_.clear();
  restartReading();
}

std::string CLeaf::GetText(char sep) const {
  std::string text;
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (i > 0) text += sep;
    text += values_[i];
  }
  return text;
}

void CLeaf::SetText(const std::string& text, char sep) {
  SetValues(splitAt(text, sep), sep);
}

void CLeaf::InitSetValues(char sep) { setSeparator = sep == 0 ? ':' : sep; }
void CLeaf::ExitSetValues() { setSeparator = ':'; }

void CLeaf::SetFirstValue(const std::string& value, char sep) {
  SetValues({value}, sep == 0 ? setSeparator : sep);
}

bool CLeaf::SetFirstValue(int value, const char* format, char sep) {
  std::string text;
  const bool usable = formatInt(value, format, text);
  SetFirstValue(text, sep);
  return usable;
}

bool CLeaf::SetFirstValue(double value, const char* format, char sep) {
  std::string text;
  const bool usable = formatDouble(value, format, text);
  SetFirstValue(text, sep);
  return usable;
}

void CLeaf::SetNextValue(const std::string& value) { values_.push_back(value); }

bool CLeaf::SetNextValue(int value, const char* format) {
  std::string text;
  const bool usable = formatInt(value, format, text);
  values_.push_back(std::move(text));
  return usable;
}

bool CLeaf::SetNextValue(double value, const char* format) {
  std::string text;
  const bool usable = formatDouble(value, format, text);
  values_.push_back(std::move(text));
  return usable;
}

void CLeaf::restartReading() const {
  readPosition_ = 0;
  readResplit_ = false;
  resplit_.clear();
}

bool CLeaf::InitGetValues(char sep) const {
  restartReading();
  if (sep != separator_ && !values_.empty()) {
    resplit_ = splitAt(GetText(separator_), sep);
    readResplit_ = true;
  }
  return readResplit_ ? !resplit_.empty() : !values_.empty();
}

const std::string* CLeaf::takeNext(bool& more) const {
  const std::vector<std::string>& list = readResplit_ ? resplit_ : values_;
  if (readPosition_ >= list.size()) {
    more = false;
    return nullptr;
  }
  const std::string* value = &list[readPosition_++];
  more = readPosition_ < list.size();
  return value;
}

bool CLeaf::HasNextValue() const {
  const std::vector<std::string>& list = readResplit_ ? resplit_ : values_;
  return readPosition_ < list.size();
}

bool CLeaf::GetNextValue(std::string& value, bool) const {
  bool more = false;
  if (const std::string* text = takeNext(more)) value = *text;
  return more;
}

bool CLeaf::GetNextValue(int& value, bool) const {
  bool more = false;
  if (const std::string* text = takeNext(more)) value = toInt(*text);
  return more;
}

bool CLeaf::GetNextValue(double& value, bool) const {
  bool more = false;
  if (const std::string* text = takeNext(more)) value = toDouble(*text);
  return more;
}

bool CLeaf::GetNextValue(float& value, bool) const {
  bool more = false;
  if (const std::string* text = takeNext(more)) value = toFloat(*text);
  return more;
}

bool CLeaf::GetNextValue(bool& value, bool) const {
  bool more = false;
  if (const std::string* text = takeNext(more)) value = toBool(*text);
  return more;
}

bool CLeaf::GetNextValue(unsigned char& value, bool) const {
  bool more = false;
  if (const std::string* text = takeNext(more)) value = toByte(*text);
  return more;
}

bool CLeaf::GetFirstValue(std::string& value, char sep, bool flag) const {
  InitGetValues(sep);
  return GetNextValue(value, flag);
}
bool CLeaf::GetFirstValue(int& value, char sep, bool flag) const {
  InitGetValues(sep);
  return GetNextValue(value, flag);
}
bool CLeaf::GetFirstValue(double& value, char sep, bool flag) const {
  InitGetValues(sep);
  return GetNextValue(value, flag);
}
bool CLeaf::GetFirstValue(float& value, char sep, bool flag) const {
  InitGetValues(sep);
  return GetNextValue(value, flag);
}
bool CLeaf::GetFirstValue(bool& value, char sep, bool flag) const {
  InitGetValues(sep);
  return GetNextValue(value, flag);
}
bool CLeaf::GetFirstValue(unsigned char& value, char sep, bool flag) const {
  InitGetValues(sep);
  return GetNextValue(value, flag);
}

std::string CLeaf::GetOnlyValue(char sep) const {
  std::string value;
  GetFirstValue(value, sep);
  return value;
}

int CLeaf::GetOnlyValueI(char sep, bool flag) const {
  int value = 0;
  GetFirstValue(value, sep, flag);
  return value;
}

double CLeaf::GetOnlyValueD(char sep, bool flag) const {
  double value = 0.0;
  GetFirstValue(value, sep, flag);
  return value;
}

}  // namespace armakon
