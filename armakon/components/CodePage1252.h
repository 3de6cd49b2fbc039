#pragma once
// Windows code page 1252 (Western European), the code page of VDI 3805 files.
//
// Bytes 0x00..0x7F are ASCII and 0xA0..0xFF are U+00A0..U+00FF. Of 0x80..0x9F, 27 bytes hold
// typographic characters (0x80 is the euro sign, 0x84 the low double quote, 0x96 the en dash
// ...); the five bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined in the code page and are
// mapped to the control characters U+0081, U+008D, U+008F, U+0090 and U+009D, as Windows does.
// So decoding takes every byte string, and encoding the result gives back the same bytes.

#include <string>
#include <string_view>

namespace armakon {

// The code point of one code page 1252 byte (every byte has one).
char32_t codePointFrom1252(unsigned char byte);

// The code page 1252 byte of a code point, or -1 when the code page has none.
int byteFrom1252CodePoint(char32_t codePoint);

// Code page 1252 bytes to UTF-8.
std::string decode1252(std::string_view bytes);

// UTF-8 to code page 1252 bytes. A character without a 1252 byte becomes '?', and so does
// every byte that is not part of a well-formed UTF-8 sequence.
std::string encode1252(std::string_view utf8);

// Text that should be UTF-8 but may be damaged or partly 1252 (a file saved by another
// program): well-formed UTF-8 sequences are taken as they stand and every other byte is
// decoded as its code page 1252 character. The result is always well-formed UTF-8.
std::string decodeUtf8Or1252(std::string_view bytes);

}  // namespace armakon
