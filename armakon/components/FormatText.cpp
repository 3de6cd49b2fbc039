#include "armakon/components/FormatText.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "armakon/components/NumberText.h"

namespace armakon {

namespace {

constexpr long long kSignedMax = std::numeric_limits<long long>::max();
constexpr long long kSignedMin = std::numeric_limits<long long>::min();
constexpr unsigned long kReplacementCharacter = 0xFFFD;

long long truncated(double v) {
  if (std::isnan(v)) return 0;
  // 2^63 is exactly representable; anything at or above it does not fit.
  if (v >= 9223372036854775808.0) return kSignedMax;
  if (v < -9223372036854775808.0) return kSignedMin;
  return static_cast<long long>(v);
}

long long textAsSigned(std::string_view text) {
  long long whole = 0;
  if (parseInt64(text, whole)) return whole;
  return truncated(toDouble(text, 0.0));
}

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if (!isContinuationByte(c)) ++count;
  }
  return count;
}

// The first `limit` characters of text (never cutting a multi-byte sequence).
std::string_view firstCharacters(std::string_view text, std::size_t limit) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isContinuationByte(text[i])) continue;
    if (seen == limit) return text.substr(0, i);
    ++seen;
  }
  return text;
}

void appendUtf8(std::string& out, unsigned long cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementCharacter;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

template <class T>
std::string integerText(T v) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, result.ptr);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One validated printf conversion.
struct Conversion {
  bool left = false, plus = false, space = false, zero = false, alternate = false;
  int width = -1;
  int precision = -1;
  char type = 0;
  std::size_t length = 0;  // bytes from '%' to the conversion letter, inclusive
};

// Reads digits at pos into value; false when the number exceeds kMaxFieldWidth.
bool readFieldNumber(std::string_view s, std::size_t& pos, int& value) {
  value = 0;
  while (pos < s.size() && isDigit(s[pos])) {
    value = value * 10 + (s[pos] - '0');
    if (value > kMaxFieldWidth) return false;
    ++pos;
  }
  return true;
}

void skipLengthModifier(std::string_view s, std::size_t& pos) {
  if (pos >= s.size()) return;
  const char c = s[pos];
  if ((c == 'h' || c == 'l') && pos + 1 < s.size() && s[pos + 1] == c) {
    pos += 2;
  } else if (c == 'h' || c == 'l' || c == 'L' || c == 'q' || c == 'j' || c == 'z' || c == 't' || c == 'w') {
    ++pos;
  }
}

constexpr std::string_view kConversionLetters = "diuoxXfFeEgGaAcsS";

// Parses the conversion starting with the '%' at start; nothing when it is malformed.
std::optional<Conversion> parseConversion(std::string_view s, std::size_t start) {
  Conversion c;
  std::size_t pos = start + 1;
  if (pos < s.size() && s[pos] == '%') {
    c.type = '%';
    c.length = 2;
    return c;
  }
  for (; pos < s.size(); ++pos) {
    const char f = s[pos];
    if (f == '-') c.left = true;
    else if (f == '+') c.plus = true;
    else if (f == ' ') c.space = true;
    else if (f == '0') c.zero = true;
    else if (f == '#') c.alternate = true;
    else break;
  }
  if (pos < s.size() && isDigit(s[pos]) && !readFieldNumber(s, pos, c.width)) return std::nullopt;
  if (pos < s.size() && s[pos] == '.') {
    ++pos;
    if (!readFieldNumber(s, pos, c.precision)) return std::nullopt;
  }
  skipLengthModifier(s, pos);
  if (pos >= s.size() || kConversionLetters.find(s[pos]) == std::string_view::npos) return std::nullopt;
  c.type = s[pos] == 'S' ? 's' : s[pos];
  c.length = pos + 1 - start;
  return c;
}

// The conversion rebuilt for formatC from its validated parts only.
std::string cFormat(const Conversion& c, std::string_view lengthModifier) {
  const bool numericAlternate = c.type != 'd' && c.type != 'i' && c.type != 'u';
  std::string f = "%";
  if (c.left) f += '-';
  if (c.plus) f += '+';
  if (c.space) f += ' ';
  if (c.zero) f += '0';
  if (c.alternate && numericAlternate) f += '#';
  if (c.width >= 0) f += integerText(c.width);
  if (c.precision >= 0) f += '.' + integerText(c.precision);
  f += lengthModifier;
  f += c.type;
  return f;
}

std::string padded(std::string text, const Conversion& c) {
  const std::size_t count = characterCount(text);
  if (c.width < 0 || count >= static_cast<std::size_t>(c.width)) return text;
  const std::string fill(static_cast<std::size_t>(c.width) - count, ' ');
  return c.left ? text + fill : fill + text;
}

std::string render(const Conversion& c, const FormatArg* arg) {
  if (c.type == '%') return "%";
  if (arg == nullptr) return {};
  switch (c.type) {
    case 'd':
    case 'i':
      return formatC(cFormat(c, "ll").c_str(), arg->asSigned());
    case 'u':
    case 'o':
    case 'x':
    case 'X':
      return formatC(cFormat(c, "ll").c_str(), arg->asUnsigned());
    case 's': {
      const std::string text = arg->asText();
      if (c.precision < 0) return padded(text, c);
      return padded(std::string(firstCharacters(text, static_cast<std::size_t>(c.precision))), c);
    }
    case 'c': {
      std::string text;
      if (arg->kind() == FormatArg::Kind::Text) {
        text = firstCharacters(arg->asText(), 1);
      } else if (const unsigned long cp = arg->asCodePoint(); cp != 0) {
        appendUtf8(text, cp);
      }
      return padded(text, c);
    }
    default:  // the floating-point conversions
      return formatC(cFormat(c, "").c_str(), arg->asReal());
  }
}

const FormatArg* argumentAt(std::span<const FormatArg> args, std::size_t number) {
  if (number == 0 || number > args.size()) return nullptr;
  return &args[number - 1];
}

}  // namespace

long long FormatArg::asSigned() const {
  switch (kind_) {
    case Kind::Signed:
    case Kind::Character:
      return signed_;
    case Kind::Unsigned:
      return unsigned_ > static_cast<unsigned long long>(kSignedMax) ? kSignedMax : static_cast<long long>(unsigned_);
    case Kind::Real:
      return truncated(real_);
    case Kind::Text:
      return textAsSigned(text_);
  }
  return 0;
}

unsigned long long FormatArg::asUnsigned() const {
  // Negative values read as their two's complement: 32 bits for an int, as printf's %x shows
  // it, 64 bits for anything wider, as %llx would.
  if (kind_ == Kind::Unsigned) return unsigned_;
  if (intSized_) return static_cast<unsigned int>(signed_);
  return static_cast<unsigned long long>(asSigned());
}

double FormatArg::asReal() const {
  switch (kind_) {
    case Kind::Signed:
    case Kind::Character:
      return static_cast<double>(signed_);
    case Kind::Unsigned:
      return static_cast<double>(unsigned_);
    case Kind::Real:
      return real_;
    case Kind::Text:
      return toDouble(text_, 0.0);
  }
  return 0.0;
}

std::string FormatArg::asText() const {
  switch (kind_) {
    case Kind::Signed:
      return integerText(signed_);
    case Kind::Unsigned:
      return integerText(unsigned_);
    case Kind::Real:
      return formatC("%g", real_);
    case Kind::Text:
      return std::string(text_);
    case Kind::Character: {
      // A single char holds one byte; above ASCII it can only be a Latin-1 letter.
      std::string out;
      if (signed_ != 0) appendUtf8(out, static_cast<unsigned long>(signed_));
      return out;
    }
  }
  return {};
}

unsigned long FormatArg::asCodePoint() const {
  const long long v = asSigned();
  if (v < 0 || v > 0x10FFFF) return kReplacementCharacter;
  return static_cast<unsigned long>(v);
}

std::string FormatText(std::string_view format, std::span<const FormatArg> args) {
  std::string out;
  out.reserve(format.size() + 16 * args.size());
  std::size_t nextPlain = 1;
  std::size_t pos = 0;
  while (pos < format.size()) {
    const char c = format[pos];
    if (c == '%') {
      const std::optional<Conversion> conversion = parseConversion(format, pos);
      if (!conversion) {
        out += '%';
        ++pos;
        continue;
      }
      const bool takesArgument = conversion->type != '%';
      out += render(*conversion, takesArgument ? argumentAt(args, nextPlain) : nullptr);
      if (takesArgument) ++nextPlain;
      pos += conversion->length;
      continue;
    }
    if (isDigit(c)) {
      // A whole run of digits: either the number of a placeholder "n!%..." or plain text.
      std::size_t end = pos;
      std::size_t number = 0;
      while (end < format.size() && isDigit(format[end])) {
        if (number <= args.size()) number = number * 10 + static_cast<std::size_t>(format[end] - '0');
        ++end;
      }
      if (end + 1 < format.size() && format[end] == '!' && format[end + 1] == '%') {
        const std::optional<Conversion> conversion = parseConversion(format, end + 1);
        if (conversion && conversion->type != '%') {
          out += render(*conversion, argumentAt(args, number));
          pos = end + 1 + conversion->length;
          continue;
        }
      }
      out.append(format.substr(pos, end - pos));
      pos = end;
      continue;
    }
    out += c;
    ++pos;
  }
  return out;
}

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
  return FormatText(format, std::span<const FormatArg>(args.begin(), args.size()));
}

}  // namespace armakon
