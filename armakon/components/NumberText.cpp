#include "armakon/components/NumberText.h"

#include <charconv>
#include <clocale>
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

template <class T>
T parsePrefix(std::string_view text, T fallback) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  text = withoutPlus(text);
  if constexpr (std::is_same_v<T, double>) {
    if (double plain = 0.0; readPlainDecimal(text, plain) != 0) return plain;
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
