#pragma once
// Text utilities: fields of a separated line, white space, case, and string lists read from
// and written to text files in a code page.
//
// Texts are UTF-8. Character-based calls (case, CharCount, LeftChars ...) step over a byte
// that is not well-formed UTF-8 as one character of its own and leave it unchanged.
//
// String list files
// -----------------
// A string list is a file read as lines. Supported code pages: 1252 (Windows Western
// European, the code page of VDI 3805 files) and 65001 (UTF-8).
//  - Reading, 65001: a leading byte order mark is skipped; a byte that is not part of a
//    well-formed UTF-8 sequence is read as its code page 1252 character (files that claim
//    UTF-8 but were saved by an older program stay readable).
//  - Reading, 1252: a file that starts with the UTF-8 byte order mark, or that is entirely
//    well-formed UTF-8 with at least one non-ASCII character, is read as UTF-8 (65001 above);
//    every other file byte by byte in code page 1252. Real 1252 text practically never forms
//    valid multi-byte UTF-8 ("Ã¤" would have to stand where "ä" was meant), while this keeps
//    files readable that the library itself wrote as UTF-8 and reads back as 1252 (catalog
//    info files), and VDI files that a manufacturer saved as UTF-8.
//  - Lines end at "\r\n", at "\n" or at a lone "\r" (files from any platform read alike). A
//    final line without a line break counts; after a final line break no further empty line
//    is added. Empty lines inside the file are kept.
//  - Writing terminates every line with "\r\n", so a written list reads back as the same
//    lines, empty last lines included; an empty list writes an empty file. 65001 writes no
//    byte order mark, except when the first line itself starts with U+FEFF: then one mark
//    precedes it, so that the reader's skipping keeps the line intact. 1252 writes '?' for a
//    character that the code page lacks. Lines should not contain line breaks (they would
//    come back as several lines).
//  - Encoded form (mode 1 on reading, `encoded` on writing): the written bytes are wrapped
//    in the .vdix encoding (VdixEncoding.h), which records the code page used. Reading in
//    mode 1 decodes a file that carries the encoding header, in the code page its header
//    names, and rejects it (false) when it is damaged; a file without the header is read
//    plainly in the requested code page, so a plain VDI file named *.vdix still loads. Mode 0
//    reads every file plainly.
//  - Limits: files above kMaxFileSize and lists of more than kMaxStringListLines lines are
//    refused (false), so hostile files cannot exhaust memory.

#include "armakon/components/AtomicFile.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace armakon {

using StringList = std::vector<std::string>;

inline constexpr int kCodePage1252 = 1252;
inline constexpr int kCodePageUtf8 = 65001;

// More lines than any product-data file holds (VDI 3805 files have some 100 000).
inline constexpr std::size_t kMaxStringListLines = 4'000'000;

namespace hydStrUtil {

// ---- Fields -------------------------------------------------------------------------------

// Field n (counted from 1) of a text split at every separator, untrimmed; empty for n < 1
// and past the last field. "a;;c" has the fields "a", "" and "c"; "a;" has "a" and "".
// The view points into text.
std::string_view GetSubStrView(std::string_view text, int n, char separator = ';');
std::string GetSubStr(std::string_view text, int n, char separator = ';');

// Number of fields: separators + 1, and 0 for an empty text.
std::size_t GetSubStrCount(std::string_view text, char separator = ';');

// All fields of a text in one pass (replaces the content of fields); views point into text.
// An empty text gives no field.
void SplitFields(std::string_view text, char separator, std::vector<std::string_view>& fields);

// ---- White space (blank, tab, line feed, carriage return, vertical tab, form feed) -------

std::string_view TrimView(std::string_view text);
std::string_view TrimLeftView(std::string_view text);
std::string_view TrimRightView(std::string_view text);
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// ---- Case --------------------------------------------------------------------------------
// Case pairs: ASCII letters and every letter pair that code page 1252 holds: the umlauts
// Ä/ä, Ö/ö, Ü/ü, the accented letters U+00C0..U+00DE / U+00E0..U+00FE (without the signs ×
// and ÷), Š/š, Œ/œ, Ž/ž and Ÿ/ÿ. ß has no capital here and stays as it is.

char32_t ToUpperChar(char32_t codePoint);
char32_t ToLowerChar(char32_t codePoint);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

// Compares by code point after lower-casing both texts: negative, zero or positive.
// "Müller" equals "MÜLLER"; "Straße" equals "STRAßE" but not "STRASSE".
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);

// ---- Characters --------------------------------------------------------------------------

// Number of characters (code points), not bytes.
std::size_t CharCount(std::string_view text);
// The first / last count characters (the whole text when it is shorter).
std::string LeftChars(std::string_view text, std::size_t count);
std::string RightChars(std::string_view text, std::size_t count);

// Every occurrence of from replaced by to, left to right, without rescanning the
// replacement; an empty from leaves the text unchanged.
std::string Replace(std::string_view text, std::string_view from, std::string_view to);

// ---- String lists ------------------------------------------------------------------------

// Splits a decoded text into lines as the list reader does (replaces the content of lines).
void SplitLines(std::string_view text, StringList& lines);

// Reads a string list (see the top of this file). The list is replaced; on false it is
// empty. codePage: 1252 or 65001 (others give false); mode: 0 plain, 1 encoded .vdix form
// (others give false).
bool readStringlistFromFile(StringList& list, const std::filesystem::path& path, int codePage,
                            int mode = 0);
bool readStringlistFromString(StringList& list, std::string_view bytes, int codePage,
                              int mode = 0);

// Writes a string list; the file is replaced atomically. False for an unknown code page or
// when the file cannot be written (an existing file then stays as it was).
bool writeStringlistToFile(const StringList& list, const std::filesystem::path& path,
                           int codePage, bool encoded = false);
bool writeStringlistToString(const StringList& list, std::string& bytes, int codePage,
                             bool encoded = false);

}  // namespace hydStrUtil
}  // namespace armakon
