#pragma once
// UTF-8 (code page 65001), the form every text takes inside the library.
//
// Well-formed means: no overlong forms, no UTF-16 surrogates (U+D800..U+DFFF), nothing above
// U+10FFFF. The helpers never fail hard: a byte that does not start a well-formed sequence is
// reported as such and counts as one unit, so callers can step over damaged text.

#include <cstddef>
#include <string>
#include <string_view>

namespace armakon {

// Decodes the sequence that starts at text[pos] (pos < text.size()). On success stores the
// code point and the sequence length and returns true; otherwise stores the byte's value as
// codePoint, length 1, and returns false.
bool decodeUtf8At(std::string_view text, std::size_t pos, char32_t& codePoint,
                  std::size_t& length);

// Appends the UTF-8 form of a code point; surrogates and values above U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);

// Whether the whole text is well-formed UTF-8 (pure ASCII is).
bool isValidUtf8(std::string_view text);

// Whether the text is well-formed UTF-8 and holds at least one multi-byte sequence: the
// signature of a UTF-8 file, which a Windows-1252 text practically never shows by chance.
bool looksLikeUtf8(std::string_view text);

// The UTF-8 byte order mark EF BB BF.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace armakon
