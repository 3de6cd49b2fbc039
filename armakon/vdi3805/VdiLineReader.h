#pragma once
// Reading a VDI 3805 file line by line, a piece of the file at a time.
//
// ReadVdiFile holds a file three times over while it reads (its bytes, its decoded text and
// the list of lines); a large catalog file then costs several times its size before its
// record tree is even built. For the common file, plain Windows-1252 (or ASCII) text, the
// same lines come out of reading the file in pieces and decoding each line on its own: the
// code page maps byte to character, and line breaks are the same bytes before and after
// decoding. PlanLineByLineRead says whether a file is such a file, before anything is built
// from it; VdiLineReader then hands out its lines.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace armakon {

// The lines of a file as ReadVdiFile splits them (at "\r\n", "\n" or "\r"; no line after a
// final break), undecoded.
class VdiLineReader {
 public:
  explicit VdiLineReader(const std::string& path);
  VdiLineReader(const VdiLineReader&) = delete;
  VdiLineReader& operator=(const VdiLineReader&) = delete;
  ~VdiLineReader();

  bool IsOpen() const noexcept { return m_file != nullptr; }
  // The next line without its break, valid until the next call; false at the end of the
  // file or when reading failed (Failed).
  bool Next(std::string_view& line);
  bool Failed() const noexcept { return m_failed; }
  std::size_t BytesRead() const noexcept { return m_bytesRead; }

 private:
  // Appends the next piece of the file; false at its end or on a read error.
  bool readPiece();

  std::FILE* m_file = nullptr;
  std::string m_buffer;
  std::size_t m_position = 0;  // start of the lines not yet handed out
  std::size_t m_end = 0;       // end of the bytes read into the buffer
  bool m_atEnd = false;
  bool m_failed = false;
  std::size_t m_bytesRead = 0;
};

// Whether ReadVdiFile would read the file at path without a problem as plain Windows-1252
// text (no byte order mark, no UTF-8 text, no encoded *.vdix form, within the size and line
// limits, at least one line); then firstLine is its first line, decoded. Files nothing.
bool PlanLineByLineRead(const std::string& path, std::string& firstLine);

// A line of such a file decoded as ReadVdiFile decodes it; an ASCII line is returned as it
// stands, any other is decoded into buffer.
std::string_view DecodeVdiLine(std::string_view raw, std::string& buffer);

}  // namespace armakon
