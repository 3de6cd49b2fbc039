#pragma once
// Numbers as text, independent of the process locale.
//
// A host may run under any locale (a German one prints "0,5"); the library's files and
// texts always use a point. Parsing goes through std::from_chars; printf-style formatting
// runs under a per-thread "C" locale (uselocale), so no global locale is ever touched.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

#include "armakon/components/ByteSearch.h"

namespace armakon {

namespace detail {
// Switches the calling thread to the "C" locale for its lifetime.
class CLocaleScope {
 public:
  CLocaleScope();
  ~CLocaleScope();
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  void* previous_;
};
}  // namespace detail

// printf formatting under the "C" locale. The format is the library's own (never data read
// from a file); each argument must match its conversion.
template <class... Args>
std::string formatC(const char* format, Args... args) {
  static_assert(((std::is_arithmetic_v<Args> || std::is_same_v<Args, const char*>) && ...),
                "formatC takes numbers and C strings only");
  detail::CLocaleScope scope;
  char small[128];
  const int needed = std::snprintf(small, sizeof small, format, args...);
  if (needed < 0) return {};
  if (static_cast<size_t>(needed) < sizeof small) return std::string(small, static_cast<size_t>(needed));
  std::string out(static_cast<size_t>(needed) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, args...);
  out.resize(static_cast<size_t>(needed));
  return out;
}

// Parses the whole text (surrounding blanks allowed) as a number; false when it is not one.
bool parseDouble(std::string_view text, double& value);
bool parseInt(std::string_view text, int& value);
bool parseInt64(std::string_view text, long long& value);

// Like parseDouble/parseInt, but returns the fallback when the text is no number
// (the behaviour of atof/atoi on a field of a data file, without their locale dependence:
// leading blanks are skipped and the longest numeric prefix is taken).
double toDouble(std::string_view text, double fallback = 0.0);
int toInt(std::string_view text, int fallback = 0);

namespace detail {
// The number that eight digits spell, from their eight bytes less '0' each, the first digit
// the most significant (little-endian: the first digit is the lowest byte). Three
// multiplications instead of eight steps of a loop.
inline std::uint64_t eightDigitsValue(std::uint64_t digits) noexcept {
  constexpr std::uint64_t kPairs = 0x000000FF000000FFULL;
  constexpr std::uint64_t kHigh = 100 + (1000000ULL << 32);
  constexpr std::uint64_t kLow = 1 + (10000ULL << 32);
  digits = digits * 10 + (digits >> 8);
  return ((digits & kPairs) * kHigh + ((digits >> 16) & kPairs) * kLow) >> 32;
}
}  // namespace detail

// Reads a plain decimal such as "-12.345000" (digits, a point, digits, then no exponent) at
// the start of text, as the files written with "%f" hold their numbers, and returns how many
// characters it took; 0, value untouched, when text starts otherwise or with more digits than
// a double holds exactly. Both the digits and the power of ten are exact doubles then, so
// their quotient is the correctly rounded value, the one toDouble gives for the same text.
// Inline: value lists of curves read thousands of numbers.
inline std::size_t readPlainDecimal(std::string_view text, double& value) noexcept {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  constexpr std::size_t kMaxDigits = 15;  // any 15 digits stay below 2^53
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  std::uint64_t digits = 0;
  auto readDigits = [&] {
    for (; p != end && static_cast<unsigned char>(*p - '0') <= 9; ++p) {
      digits = digits * 10 + static_cast<unsigned>(*p - '0');
    }
  };
  const char* const integerStart = p;
  readDigits();
  if (p == integerStart || p == end || *p != '.') return 0;
  const char* const fractionStart = ++p;
  // The fraction, mostly the six digits of "%f", taken eight bytes at a time when the text
  // holds eight more bytes and the digits end within them.
  std::size_t inWord = 8;
  if (std::endian::native == std::endian::little && end - p >= 8) {
    const std::uint64_t word = bytesearch::eightBytesAt(p) - 0x3030303030303030ULL;
    // A byte past '9' or below '0' gets its high bit here; a carry only reaches later bytes.
    const std::uint64_t notDigit = ((word + 0x7676767676767676ULL) | word) & 0x8080808080808080ULL;
    if (notDigit != 0) inWord = bytesearch::firstMarked(notDigit);
    if (inWord > 0 && inWord < 8) {
      static constexpr std::uint64_t kWholePowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
      // Shifted up, the bytes past the digits fall out and zeros lead.
      digits = digits * kWholePowers[inWord] + detail::eightDigitsValue(word << (8 * (8 - inWord)));
      p += inWord;
    }
  }
  if (inWord == 0 || inWord == 8) readDigits();
  const std::size_t fractionDigits = static_cast<std::size_t>(p - fractionStart);
  const std::size_t count = static_cast<std::size_t>(p - integerStart) - 1;
  if (fractionDigits == 0 || count > kMaxDigits) return 0;
  if (p != end && (*p == 'e' || *p == 'E')) return 0;
  const double magnitude = static_cast<double>(digits) / kPowersOfTen[fractionDigits];
  value = negative ? -magnitude : magnitude;
  return static_cast<std::size_t>(p - begin);
}

// The leading number of the text as the C library's strtod reads it in the "C" locale: any
// leading white space (form feed and vertical tab too), hexadecimal numbers, "inf" and "nan",
// overflow to infinity; 0 when the text starts with no number.
double strtodC(std::string_view text);

}  // namespace armakon
