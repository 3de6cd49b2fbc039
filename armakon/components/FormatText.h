#pragma once
// printf-style message formatting with typed arguments and numbered placeholders.
//
// Message texts come in two styles, often after passing through the translation catalog:
//   plain:     "Qn (%.2f m³/h) ist kleiner als Qmin (%.2f m³/h)"
//   numbered:  "Satzart 100, Idx 1!%i stimmt nicht mit Idx 2!%i überein"
// A numbered placeholder is a run of decimal digits, then "!", then a complete printf
// conversion. The digits name the argument (counted from 1), so one argument may appear twice
// and translations may reorder them. Text like "1!" or "Achtung 3! " is plain text because no
// valid conversion follows the "!"; the whole digit run in front of "!%" is the number, so a
// placeholder must not be glued to other digits of the text.
// Plain conversions take the arguments 1, 2, 3, ... in the order they appear, counting only
// plain conversions (numbered placeholders do not move that count).
//
// Conversions: flags "-+ 0#", a width, a precision ("." alone means 0), length modifiers
// (h hh l ll L q j z t w, accepted and ignored: integers are printed with their full value;
// %u %o %x %X show a negative int argument as printf does, as the unsigned int of its bits),
// and d i u o x X f F e E g G a A c s S (%ls and %S are %s: texts are UTF-8 throughout), "%%".
// "*" widths, %n, %p and widths or precisions above kMaxFieldWidth are malformed. A malformed
// conversion is copied to the output literally. An argument that is missing (number 0 or past
// the end) renders as nothing.
//
// Mismatched argument types are converted: an integer for %f prints as a double, a double
// for %d is truncated (NaN gives 0, out-of-range values saturate), a text for a number
// conversion is read as a number (its numeric prefix, else 0), a number for %s prints as with
// %d or %g, an integer for %c is a Unicode code point written as UTF-8. For %s and %c, width
// and precision count characters, not bytes.
//
// Numbers never depend on the process locale: each conversion is rebuilt from its validated
// parts and printed through formatC (per-thread "C" locale); a data text never becomes a format.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace armakon {

// Widest field and highest precision a conversion may ask for.
inline constexpr int kMaxFieldWidth = 512;

// One argument of FormatText. Holds a view of text arguments: it lives only for the call.
class FormatArg {
 public:
  enum class Kind { Signed, Unsigned, Real, Text, Character };

  FormatArg(int v) : kind_(Kind::Signed), signed_(v), intSized_(true) {}
  FormatArg(long v) : kind_(Kind::Signed), signed_(v) {}
  FormatArg(long long v) : kind_(Kind::Signed), signed_(v) {}
  FormatArg(short v) : kind_(Kind::Signed), signed_(v), intSized_(true) {}
  FormatArg(unsigned v) : kind_(Kind::Unsigned), unsigned_(v) {}
  FormatArg(unsigned long v) : kind_(Kind::Unsigned), unsigned_(v) {}
  FormatArg(unsigned long long v) : kind_(Kind::Unsigned), unsigned_(v) {}
  FormatArg(bool v) : kind_(Kind::Signed), signed_(v ? 1 : 0), intSized_(true) {}
  FormatArg(double v) : kind_(Kind::Real), real_(v) {}
  FormatArg(float v) : kind_(Kind::Real), real_(v) {}
  FormatArg(char v) : kind_(Kind::Character), signed_(static_cast<unsigned char>(v)) {}
  FormatArg(const char* v) : kind_(Kind::Text), text_(v ? std::string_view(v) : std::string_view()) {}
  FormatArg(std::string_view v) : kind_(Kind::Text), text_(v) {}
  FormatArg(const std::string& v) : kind_(Kind::Text), text_(v) {}

  Kind kind() const { return kind_; }
  long long asSigned() const;
  unsigned long long asUnsigned() const;
  double asReal() const;
  // The argument as text for %s (numbers as %d / %g would print them).
  std::string asText() const;
  // The code point for %c.
  unsigned long asCodePoint() const;

 private:
  Kind kind_;
  long long signed_ = 0;
  unsigned long long unsigned_ = 0;
  double real_ = 0.0;
  std::string_view text_;
  // An int (or a narrower type printf promotes to int): %u %o %x %X show it as unsigned int.
  bool intSized_ = false;
};

std::string FormatText(std::string_view format, std::span<const FormatArg> args);
std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args);
inline std::string FormatText(std::string_view format) { return FormatText(format, std::span<const FormatArg>()); }

template <class... Args>
  requires(sizeof...(Args) > 0 && (std::is_constructible_v<FormatArg, const Args&> && ...))
std::string FormatText(std::string_view format, const Args&... args) {
  const FormatArg list[] = {FormatArg(args)...};
  return FormatText(format, std::span<const FormatArg>(list));
}

}  // namespace armakon
