#include "armakon/components/TreeLeaf.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "armakon/components/ByteSearch.h"
#include "armakon/components/NumberText.h"

namespace armakon {

using bytesearch::countOf;
using bytesearch::findFrom;

namespace {

// Separator SetFirstValue uses when it is given none; set by InitSetValues, per thread.
thread_local char setSeparator = ':';

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

// "%f" of a value whose exact binary value times 10^6 fits 64 bits, as every float of a curve
// and every ordinary measure does: the digits come from integer arithmetic on that exact
// value, rounded half to even as printf rounds. False (nothing written) for any other value.
bool writeSixDecimals(double value, char* out, std::size_t& length) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  if (biased == 0x7FF) return false;  // infinity or NaN
  // value = mantissa * 2^exponent, the mantissa without trailing zero bits.
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  if (mantissa == 0) {
    exponent = 0;
  } else {
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= zeros;
    exponent += zeros;
  }
  constexpr std::uint64_t kMillion = 1000000;
  constexpr std::uint64_t kMaxScaled = std::numeric_limits<std::uint64_t>::max() / kMillion;
  std::uint64_t scaled = 0;  // the value in millionths
  if (exponent >= 0) {
    if (exponent > 63 || mantissa > (kMaxScaled >> exponent)) return false;
    scaled = (mantissa << exponent) * kMillion;
  } else {
    const int shift = -exponent;
    if (shift > 63 || mantissa > kMaxScaled) return false;
    const std::uint64_t product = mantissa * kMillion;
    scaled = product >> shift;
    const std::uint64_t rest = product & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (scaled & 1) != 0)) ++scaled;
  }
  char* p = out;
  if ((bits >> 63) != 0) *p++ = '-';  // printf keeps the sign of a negative zero too
  p = std::to_chars(p, p + 20, scaled / kMillion).ptr;
  *p++ = '.';
  // The six digits in two groups of three, each digit from its own division: no digit waits
  // for the one after it.
  const auto fraction = static_cast<std::uint32_t>(scaled % kMillion);
  const std::uint32_t groups[2] = {fraction / 1000, fraction % 1000};
  for (int g = 0; g < 2; ++g) {
    p[3 * g] = static_cast<char>('0' + groups[g] / 100);
    p[3 * g + 1] = static_cast<char>('0' + groups[g] / 10 % 10);
    p[3 * g + 2] = static_cast<char>('0' + groups[g] % 10);
  }
  length = static_cast<std::size_t>(p + 6 - out);
  return true;
}

// The number as the format writes it, handed to add together with whether it is plain.
// "%i" and "%f", the formats nearly every number of the files is written with, are written
// without printf and give the same bytes ("%f": the exact decimal rounded to six places,
// halves to even) at a fraction of the cost; those plain numbers hold digits, a point and a
// minus sign only. Returns whether the format was usable.
template <class Add>
bool formatInt(int value, const char* format, Add add) {
  const bool plain = format != nullptr && std::strcmp(format, "%i") == 0;
  const bool usable = plain || isSingleConversion(format, kIntLetters);
  if (plain || !usable) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    add(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)), true);
  } else {
    add(formatC(format, value), false);
  }
  return usable;
}

template <class Add>
bool formatDouble(double value, const char* format, Add add) {
  const bool plain = format != nullptr && std::strcmp(format, "%f") == 0;
  const bool usable = plain || isSingleConversion(format, kDoubleLetters);
  if ((plain || !usable) && std::isfinite(value)) {
    char digits[330];  // the largest double has 309 integer digits
    std::size_t length = 0;
    if (!writeSixDecimals(value, digits, length)) {
      length = static_cast<std::size_t>(
          std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6).ptr - digits);
    }
    add(std::string_view(digits, length), true);
  } else {
    add(formatC(usable ? format : "%f", value), false);
  }
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

float toFloat(std::string_view text) {
  const double d = toDouble(text);
  constexpr double kMax = std::numeric_limits<float>::max();
  if (d > kMax) return std::numeric_limits<float>::infinity();
  if (d < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(d);
}

bool toBool(std::string_view text) {
  const std::string_view word = withoutBlanks(text);
  if (equalsNoCase(word, "true")) return true;
  if (equalsNoCase(word, "false")) return false;
  return toDouble(word) != 0.0;
}

unsigned char toByte(std::string_view text) {
  const int v = toInt(text);
  return v >= 0 && v <= 255 ? static_cast<unsigned char>(v) : 0;
}

}  // namespace

CLeaf::CLeaf(std::string name, std::string_view text, bool splitText) : CTreeItem(std::move(name), false) {
  if (splitText) {
    SetText(text, ':');
  } else if (!text.empty()) {
    AddValue(text);
  }
}

CLeaf::CLeaf(std::string name, int value) : CTreeItem(std::move(name), false) { SetNextValue(value); }

int CLeaf::GetValueCount() const {
  return count_ > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                           : static_cast<int>(count_);
}

void CLeaf::startValues(char sep) {
  text_.clear();
  ends_.clear();
  count_ = 0;
  separator_ = sep;
  restartReading();
}

void CLeaf::SetValues(const std::vector<std::string>& values, char sep) {
  startValues(sep);
  for (const std::string& value : values) AddValue(value);
}

// From now on the value ends are listed: the values can no longer be told apart by the
// separator alone.
void CLeaf::listValueEnds() {
  std::vector<std::size_t> ends;
  ends.reserve(count_ + 1);
  ValueWalk walk = Values();
  for (std::string_view value; walk.next(value);) {
    ends.push_back(static_cast<std::size_t>(value.data() - text_.data()) + value.size());
  }
  ends_ = std::move(ends);
}

void CLeaf::AddValue(std::string_view value) { addValue(value, findFrom(value, 0, separator_) != value.size()); }

// A number as "%i" and "%f" write it holds digits, a point and a minus sign only: the
// separator only when that is a point or a minus sign, so no search is needed otherwise.
void CLeaf::addNumber(std::string_view number, bool plain) {
  addValue(number, (!plain || ValueWalk::partOfNumbers(separator_)) && findFrom(number, 0, separator_) != number.size());
}

void CLeaf::addValue(std::string_view value, bool holdsSeparator) {
  if (holdsSeparator && ends_.empty()) listValueEnds();
  if (count_ > 0) text_ += separator_;
  text_.append(value);
  if (holdsSeparator || !ends_.empty()) ends_.push_back(text_.size());
  ++count_;
}

void CLeaf::ClearValues() { startValues(separator_); }

bool CLeaf::HasSameValues(const CLeaf& other) const {
  if (count_ != other.count_) return false;
  ValueWalk mine = Values();
  ValueWalk theirs = other.Values();
  std::string_view a;
  std::string_view b;
  while (mine.next(a) && theirs.next(b)) {
    if (a != b) return false;
  }
  return true;
}

std::unique_ptr<CLeaf> CLeaf::Clone() const {
  auto copy = std::make_unique<CLeaf>(GetName());
  copy->text_ = text_;
  copy->ends_ = ends_;
  copy->count_ = count_;
  copy->separator_ = separator_;
  return copy;
}

std::string CLeaf::GetText(char sep) const {
  if (sep == separator_) return text_;
  std::string text;
  text.reserve(text_.size());
  ValueWalk walk = Values();
  for (std::string_view value; walk.next(value);) {
    text.append(value);
    if (walk.remaining() > 0) text += sep;
  }
  return text;
}

void CLeaf::SetText(std::string_view text, char sep) {
  startValues(sep);
  text_.assign(text);
  count_ = text.empty() ? 0 : 1 + countOf(text, sep);
}

void CLeaf::InitSetValues(char sep) { setSeparator = sep == 0 ? ':' : sep; }
void CLeaf::ExitSetValues() { setSeparator = ':'; }

void CLeaf::SetFirstValue(const std::string& value, char sep) {
  startValues(sep == 0 ? setSeparator : sep);
  AddValue(value);
}

bool CLeaf::SetFirstValue(int value, const char* format, char sep) {
  startValues(sep == 0 ? setSeparator : sep);
  return SetNextValue(value, format);
}

bool CLeaf::SetFirstValue(double value, const char* format, char sep) {
  startValues(sep == 0 ? setSeparator : sep);
  return SetNextValue(value, format);
}

void CLeaf::SetNextValue(const std::string& value) { AddValue(value); }

bool CLeaf::SetNextValue(int value, const char* format) {
  return formatInt(value, format, [this](std::string_view text, bool plain) { addNumber(text, plain); });
}

bool CLeaf::SetNextValue(double value, const char* format) {
  return formatDouble(value, format, [this](std::string_view text, bool plain) { addNumber(text, plain); });
}

void CLeaf::restartReading() const { reading_ = Values(); }

bool CLeaf::InitGetValues(char sep) const {
  reading_ = ValueWalk(this, sep != separator_ && count_ > 0 ? sep : 0);
  return reading_.remaining() > 0;
}

bool CLeaf::takeNext(std::string_view& value, bool& more) const {
  const bool taken = reading_.next(value);
  more = reading_.remaining() > 0;
  return taken;
}

bool CLeaf::HasNextValue() const { return reading_.remaining() > 0; }

bool CLeaf::GetNextValue(std::string& value, bool) const {
  bool more = false;
  if (std::string_view text; takeNext(text, more)) value.assign(text);
  return more;
}

bool CLeaf::GetNextValue(int& value, bool) const {
  bool more = false;
  if (std::string_view text; takeNext(text, more)) value = toInt(text);
  return more;
}

bool CLeaf::GetNextValue(double& value, bool) const {
  bool more = false;
  if (std::string_view text; takeNext(text, more)) value = toDouble(text);
  return more;
}

bool CLeaf::GetNextValue(float& value, bool) const {
  bool more = false;
  if (std::string_view text; takeNext(text, more)) value = toFloat(text);
  return more;
}

bool CLeaf::GetNextValue(bool& value, bool) const {
  bool more = false;
  if (std::string_view text; takeNext(text, more)) value = toBool(text);
  return more;
}

bool CLeaf::GetNextValue(unsigned char& value, bool) const {
  bool more = false;
  if (std::string_view text; takeNext(text, more)) value = toByte(text);
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
