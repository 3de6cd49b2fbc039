#pragma once
// Reading a VDI 3805 file line by line, a piece of the file at a time, in one pass.
//
// ReadVdiFile holds a file three times over while it reads (its bytes, its decoded text and
// the list of lines); a large catalog file then costs several times its size before its
// record tree is even built. For the common file, plain Windows-1252 (or ASCII) text, the
// same lines come out of reading the file in pieces and decoding each line on its own: the
// code page maps byte to character, and line breaks are the same bytes before and after
// decoding.
//
// The document keeps every line of its records. VdiFileLines reads a large file (a huge
// page or more) straight into the document's record store, where the lines then stay: no
// line is copied after the read, and the text lies in huge pages (HugePageBlock.h). A small
// file is read into a buffer and its trimmed lines are copied into the store, packed more
// densely than the file (no line breaks, no blanks): a catalog holds hundreds of them. A
// line outside ASCII is decoded where it lies when its line break leaves room for the
// longer text (one umlaut more per break byte), else into a spare buffer.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace armakon {

class RecordStore;

// One line as read, without its break.
struct VdiRawLine {
  char* text = nullptr;
  std::size_t size = 0;
  std::size_t room = 0;  // bytes after the line that were its break, free to overwrite
  bool ascii = true;     // no byte outside ASCII
};

// The lines of a file as ReadVdiFile splits them (at "\r\n", "\n" or "\r"; no line after a
// final break), undecoded.
class VdiLineReader {
 public:
  // Reads into a buffer of its own: a line is valid until the next call.
  explicit VdiLineReader(const std::string& path);
  VdiLineReader(const VdiLineReader&) = delete;
  VdiLineReader& operator=(const VdiLineReader&) = delete;
  ~VdiLineReader();

  // Reads into blocks of the store from now on (before the first line): a line stays valid
  // as long as the store keeps its blocks.
  void ReadInto(RecordStore& store) noexcept { m_store = &store; }
  bool IntoStore() const noexcept { return m_store != nullptr; }

  bool IsOpen() const noexcept { return m_file != nullptr; }
  // The file's size when it was opened (0 when unknown); it only sizes the pieces read.
  std::size_t FileSize() const noexcept { return m_fileSize; }
  // The next line; false at the end of the file or when reading failed (Failed).
  bool Next(VdiRawLine& line);
  bool Failed() const noexcept { return m_failed; }
  std::size_t BytesRead() const noexcept { return m_bytesRead; }

 private:
  // Reads the next piece of the file behind the line begun; false at its end or on a read
  // error.
  bool readPiece();
  // Room for the next piece, with the line begun moved to its front.
  void makeRoom();

  std::FILE* m_file = nullptr;
  RecordStore* m_store = nullptr;
  std::unique_ptr<char[]> m_own;  // the buffer when there is no store
  std::size_t m_fileSize = 0;
  char* m_data = nullptr;  // the current piece: [m_data, m_data + m_capacity)
  std::size_t m_capacity = 0;
  std::size_t m_position = 0;  // start of the lines not yet handed out
  std::size_t m_end = 0;       // end of the bytes read into the piece
  bool m_atEnd = false;
  bool m_failed = false;
  std::size_t m_bytesRead = 0;
};

// The lines of a plain product-data file, decoded as ReadVdiFile decodes them, a large
// file's read straight into a record store. The code page is settled by the first byte
// outside ASCII, as for the whole file: one that starts no UTF-8 sequence makes it
// Windows-1252 text; one that does makes the rest of the file decide (all of it well-formed
// UTF-8: taken as it stands).
class VdiFileLines {
 public:
  VdiFileLines(const std::string& path, RecordStore& store);

  // The next line, valid as long as the store (or, when it is not InStore, until the next
  // call); false at the end of the file, or when the file cannot be read this way (Failed).
  bool Next(std::string_view& line);
  // Whether the line handed out last lies in the store (else the caller keeps a copy).
  bool InStore() const noexcept { return m_inStore; }
  // The file cannot be read line by line as ReadVdiFile would read it (an encoded *.vdix
  // file, a byte order mark, no file, a read error, or beyond the size and line limits):
  // what was handed out must be dropped and the file read as a whole.
  bool Failed() const noexcept { return m_failed; }

 private:
  enum class CodePage { Unsettled, Windows1252, Utf8 };
  bool fail();
  void settleCodePage(const VdiRawLine& line);

  std::string m_path;
  VdiLineReader m_reader;
  CodePage m_codePage = CodePage::Unsettled;
  std::string m_spare;
  std::size_t m_count = 0;
  bool m_inStore = true;
  bool m_failed = false;
};

}  // namespace armakon
