#include "armakon/components/NumberText.h"

#include <charconv>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace armakon {

namespace detail {
namespace {
locale_t cLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}
}  // namespace

CLocaleScope::CLocaleScope() : previous_(uselocale(cLocale())) {}
CLocaleScope::~CLocaleScope() { uselocale(static_cast<locale_t>(previous_)); }
}  // namespace detail

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// from_chars rejects a leading '+', which data files do write.
std::string_view withoutPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

template <class T>
bool parseWhole(std::string_view text, T& value) {
  text = withoutPlus(trimmed(text));
  if (text.empty()) return false;
  T parsed{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

// Reads a plain decimal such as "-12.345000" (digits, a point, digits, then no exponent)
// whose digits fit a double exactly, as the files written with "%f" hold them; false for any
// other text. Both the digits and the power of ten are exact doubles then, so their quotient
// is the correctly rounded value, the one from_chars gives too.
bool parsePlainDecimal(std::string_view text, double& value) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  constexpr std::size_t kMaxDigits = 15;  // any 15 digits stay below 2^53
  const char* p = text.data();
  const char* const end = p + text.size();
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
  if (p == integerStart || p == end || *p != '.') return false;
  const char* const fractionStart = ++p;
  readDigits();
  const std::size_t fractionDigits = static_cast<std::size_t>(p - fractionStart);
  const std::size_t count = static_cast<std::size_t>(p - integerStart) - 1;
  if (fractionDigits == 0 || count > kMaxDigits) return false;
  if (p != end && (*p == 'e' || *p == 'E')) return false;
  const double magnitude = static_cast<double>(digits) / kPowersOfTen[fractionDigits];
  value = negative ? -magnitude : magnitude;
  return true;
}

template <class T>
T parsePrefix(std::string_view text, T fallback) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  text = withoutPlus(text);
  if constexpr (std::is_same_v<T, double>) {
    if (double plain = 0.0; parsePlainDecimal(text, plain)) return plain;
  }
  T parsed{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec == std::errc()) return parsed;
  if (ec == std::errc::result_out_of_range && end != text.data()) {
    if constexpr (std::is_integral_v<T>) {
      return text.front() == '-' ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
    }
  }
  return fallback;
}
}  // namespace

bool parseDouble(std::string_view text, double& value) { return parseWhole(text, value); }
bool parseInt(std::string_view text, int& value) { return parseWhole(text, value); }
bool parseInt64(std::string_view text, long long& value) { return parseWhole(text, value); }

double toDouble(std::string_view text, double fallback) { return parsePrefix(text, fallback); }

double strtodC(std::string_view text) {
  const std::string terminated(text);
  const detail::CLocaleScope scope;
  return std::strtod(terminated.c_str(), nullptr);
}
int toInt(std::string_view text, int fallback) { return parsePrefix(text, fallback); }

}  // namespace armakon
