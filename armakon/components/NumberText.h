#pragma once
// Numbers as text, independent of the process locale.
//
// A host may run under any locale (a German one prints "0,5"); the library's files and
// texts always use a point. Parsing goes through std::from_chars; printf-style formatting
// runs under a per-thread "C" locale (uselocale), so no global locale is ever touched.

#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

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

// The leading number of the text as the C library's strtod reads it in the "C" locale: any
// leading white space (form feed and vertical tab too), hexadecimal numbers, "inf" and "nan",
// overflow to infinity; 0 when the text starts with no number.
double strtodC(std::string_view text);

}  // namespace armakon
