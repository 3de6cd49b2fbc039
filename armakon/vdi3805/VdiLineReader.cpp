#include "armakon/vdi3805/VdiLineReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/ByteSearch.h"
#include "armakon/components/CodePage1252.h"
#include "armakon/components/CodePageUtf8.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/HugePageBlock.h"
#include "armakon/vdi3805/RecordStore.h"
#include "armakon/vdi3805/VdiFileRead.h"

namespace armakon {

namespace {

// A piece of a large file; smaller files are read in one piece of their size.
constexpr std::size_t kPieceSize = std::size_t{1} << 20;
// Never less, so that a file growing while it is read is not read a byte at a time.
constexpr std::size_t kMinPieceSize = 256;

// Where the line at the start of text ends (its first '\r' or '\n', or the end of text), and
// whether a byte before that lies outside ASCII. Lines are some hundred bytes long, so they
// are scanned eight bytes at a time.
std::size_t scanLine(const char* text, std::size_t size, bool& ascii) {
  std::uint64_t seen = 0;  // every byte before the break, or-ed together
  std::size_t pos = 0;
  for (; pos + 8 <= size; pos += 8) {
    const std::uint64_t word = bytesearch::eightBytesAt(text + pos);
    if ((bytesearch::bytesEqualTo(word, '\n') | bytesearch::bytesEqualTo(word, '\r')) != 0) break;
    seen |= word;
  }
  for (; pos < size && text[pos] != '\n' && text[pos] != '\r'; ++pos) seen |= static_cast<unsigned char>(text[pos]);
  ascii = (seen & bytesearch::kHighBits) == 0;
  return pos;
}

// The UTF-8 forms of the code page 1252 bytes 0x80..0xFF (two or three bytes each).
struct HighByteForm {
  std::array<char, 3> bytes;
  std::size_t size;
};

const std::array<HighByteForm, 128>& highByteForms() {
  static const std::array<HighByteForm, 128> forms = [] {
    std::array<HighByteForm, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
      std::string form;
      appendUtf8(form, codePointFrom1252(static_cast<unsigned char>(0x80 + i)));
      std::copy(form.begin(), form.end(), table[i].bytes.begin());
      table[i].size = form.size();
    }
    return table;
  }();
  return forms;
}

std::size_t decodedSize(const char* text, std::size_t size) {
  const auto& forms = highByteForms();
  std::size_t total = size;
  for (std::size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80U) total += forms[byte - 0x80U].size - 1;
  }
  return total;
}

// Decodes the code page 1252 bytes into [out, out + decoded), from the back, so that out may
// be text itself: every byte becomes at least one, so a byte is always read before its place
// is written.
void decodeFromBack(const char* text, std::size_t size, char* out, std::size_t decoded) {
  const auto& forms = highByteForms();
  std::size_t to = decoded;
  for (std::size_t from = size; from-- > 0;) {
    const auto byte = static_cast<unsigned char>(text[from]);
    if (byte < 0x80U) {
      out[--to] = static_cast<char>(byte);
      continue;
    }
    const HighByteForm& form = forms[byte - 0x80U];
    to -= form.size;
    std::memcpy(out + to, form.bytes.data(), form.size);
  }
}

std::size_t fileSizeOf(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(std::filesystem::path(path), error);
  return error ? 0 : static_cast<std::size_t>(size);
}

}  // namespace

VdiLineReader::VdiLineReader(const std::string& path)
    : m_file(std::fopen(path.c_str(), "rb")), m_fileSize(fileSizeOf(path)) {}

VdiLineReader::~VdiLineReader() {
  if (m_file != nullptr) std::fclose(m_file);
}

void VdiLineReader::makeRoom() {
  const std::size_t kept = m_end - m_position;
  // One byte more than the file has left, so that the read that takes its last byte also
  // meets its end; in a store the whole rest of the file, so that a second block is needed
  // only when the file grows while it is read. A line longer than that doubles the room.
  const std::size_t left = m_fileSize > m_bytesRead ? m_fileSize - m_bytesRead : 0;
  const std::size_t fresh = std::clamp(left + 1, kMinPieceSize, m_store != nullptr ? kMaxFileSize + 1 : kPieceSize);
  const std::size_t size = kept + std::max(fresh, kept);
  const char* begun = m_data + m_position;
  if (m_store != nullptr) {
    // A new block: the lines handed out stay where they are.
    char* block = static_cast<char*>(m_store->Allocate(size, 1));
    if (kept > 0) std::memcpy(block, begun, kept);
    m_data = block;
    m_capacity = size;
  } else if (kept + kMinPieceSize > m_capacity) {
    auto buffer = std::make_unique_for_overwrite<char[]>(size);
    if (kept > 0) std::memcpy(buffer.get(), begun, kept);
    m_own = std::move(buffer);
    m_data = m_own.get();
    m_capacity = size;
  } else if (kept > 0) {
    std::memmove(m_data, begun, kept);
  }
  m_position = 0;
  m_end = kept;
}

bool VdiLineReader::readPiece() {
  if (m_file == nullptr || m_atEnd) return false;
  if (m_end == m_capacity) makeRoom();
  // A piece at a time, so that the lines are split while their bytes are still cached.
  const std::size_t wanted = std::min(m_capacity - m_end, kPieceSize);
  const std::size_t got = std::fread(m_data + m_end, 1, wanted, m_file);
  m_bytesRead += got;
  m_end += got;
  if (got < wanted) {
    m_atEnd = true;
    m_failed = std::ferror(m_file) != 0;
  }
  return got > 0;
}

bool VdiLineReader::Next(VdiRawLine& line) {
  for (;;) {
    char* rest = m_data + m_position;
    const std::size_t size = m_end - m_position;
    bool ascii = true;
    const std::size_t end = scanLine(rest, size, ascii);
    // A '\r' at the end of the piece may be the first half of "\r\n": read on first.
    if (end < size && (rest[end] == '\n' || end + 1 < size || m_atEnd)) {
      const std::size_t breakSize = rest[end] == '\r' && end + 1 < size && rest[end + 1] == '\n' ? 2 : 1;
      line = {rest, end, breakSize, ascii};
      m_position += end + breakSize;
      return true;
    }
    if (m_atEnd) {
      if (m_failed || size == 0) return false;
      line = {rest, size, 0, ascii};
      m_position = m_end;
      return true;
    }
    readPiece();
  }
}

VdiFileLines::VdiFileLines(const std::string& path, RecordStore& store) : m_path(path), m_reader(path) {
  m_failed = VdiFileExtension(path) == "vdix" || !m_reader.IsOpen() || m_reader.FileSize() > kMaxFileSize;
  if (m_reader.FileSize() >= kHugePageSize) m_reader.ReadInto(store);
}

bool VdiFileLines::fail() {
  m_failed = true;
  return false;
}

void VdiFileLines::settleCodePage(const VdiRawLine& line) {
  const std::string_view text(line.text, line.size);
  std::size_t first = 0;
  while (static_cast<unsigned char>(text[first]) < 0x80U) ++first;
  char32_t codePoint = 0;
  std::size_t length = 0;
  m_codePage = CodePage::Windows1252;
  if (!decodeUtf8At(text, first, codePoint, length)) return;
  // The lines read so far are ASCII, and line breaks are no part of a UTF-8 sequence: the
  // file is UTF-8 exactly when each of its lines is.
  VdiLineReader whole(m_path);
  VdiRawLine other;
  while (whole.Next(other)) {
    if (!other.ascii && !isValidUtf8(std::string_view(other.text, other.size))) return;
  }
  if (whole.Failed() || !whole.IsOpen()) {
    fail();
    return;
  }
  m_codePage = CodePage::Utf8;
}

bool VdiFileLines::Next(std::string_view& line) {
  if (m_failed) return false;
  VdiRawLine raw;
  const bool more = m_reader.Next(raw);
  if (m_reader.Failed() || m_reader.BytesRead() > kMaxFileSize) return fail();
  if (!more) return false;
  if (++m_count > kMaxStringListLines) return fail();
  if (m_count == 1 && std::string_view(raw.text, raw.size).starts_with(kUtf8Bom)) return fail();
  m_inStore = m_reader.IntoStore();
  if (!raw.ascii && m_codePage == CodePage::Unsettled) settleCodePage(raw);
  if (m_failed) return false;
  if (raw.ascii || m_codePage == CodePage::Utf8) {
    line = std::string_view(raw.text, raw.size);
    return true;
  }
  const std::size_t decoded = decodedSize(raw.text, raw.size);
  if (decoded <= raw.size + raw.room) {
    decodeFromBack(raw.text, raw.size, raw.text, decoded);
    line = std::string_view(raw.text, decoded);
    return true;
  }
  m_inStore = false;
  m_spare.resize(decoded);
  decodeFromBack(raw.text, raw.size, m_spare.data(), decoded);
  line = m_spare;
  return true;
}

}  // namespace armakon
