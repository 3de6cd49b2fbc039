#pragma once
// The .vdix encoding: a VDI 3805 file stored so that it is not plain text.
//
// Catalog folders may hold product data that the manufacturer does not want to be read or
// edited casually with a text editor. The encoding is an obfuscation, not a protection: it
// keeps a file's content from view, detects any damage, and gives back the exact bytes.
//
// Format (all ASCII, lines end with "\r\n"; a reader also accepts "\n"):
//
//   ARMAKON-VDIX 1 <code page> <size> <crc>
//   <base64 line>
//   <base64 line>
//   ...
//
//  - Header line: the word "ARMAKON-VDIX", the format version "1", the code page of the
//    payload (1252 or 65001), the payload's size in bytes (decimal), and its CRC-32
//    (IEEE 802.3, as zlib computes it) as eight lower-case hex digits; single blanks between.
//  - Payload: the bytes of the plain file (for a string list: its lines, each ended with
//    "\r\n", in the code page named in the header).
//  - Body: the payload XORed byte by byte with a key stream, then base64 (standard alphabet
//    A-Z a-z 0-9 + /, '=' padding) in lines of at most 76 characters.
//  - Key stream: a 32-bit state s starts at 0x56444958 ("VDIX"); for every payload byte
//    s ^= s << 13; s ^= s >> 17; s ^= s << 5 (xorshift32, modulo 2^32), and the byte is
//    XORed with the top 8 bits of s (s >> 24).
//
// Decoding refuses (false) any header that is not exactly of this form, an unknown version or
// code page, characters outside the alphabet (blanks, tabs and line breaks between base64
// characters are skipped), misplaced padding, non-zero padding bits, a size that differs
// from the decoded size, and a CRC that differs. A payload above kMaxFileSize is refused.

#include <cstdint>
#include <string>
#include <string_view>

namespace armakon::vdix {

inline constexpr std::string_view kMagic = "ARMAKON-VDIX";
inline constexpr int kVersion = 1;

// Whether the bytes start with the encoding's header word (then they are meant to be
// encoded; whether they decode is decode's business).
bool isEncoded(std::string_view bytes);

// Encodes a payload written in the given code page (1252 or 65001).
std::string encode(std::string_view payload, int codePage);

// Decodes an encoded file; false (payload empty) when it is damaged or not of this format.
bool decode(std::string_view encoded, std::string& payload, int& codePage);

// CRC-32 as used in the header.
std::uint32_t crc32(std::string_view bytes);

}  // namespace armakon::vdix
