#include "armakon/vdi3805/VdiLineReader.h"

#include <algorithm>
#include <cstring>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/CodePage1252.h"
#include "armakon/components/CodePageUtf8.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/VdiFileRead.h"

namespace armakon {

namespace {

constexpr std::size_t kPieceSize = std::size_t{1} << 20;

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

std::size_t firstNonAscii(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80U) return i;
  }
  return std::string_view::npos;
}

}  // namespace

VdiLineReader::VdiLineReader(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {}

VdiLineReader::~VdiLineReader() {
  if (m_file != nullptr) std::fclose(m_file);
}

bool VdiLineReader::readPiece() {
  if (m_file == nullptr || m_atEnd) return false;
  // The part of a line not yet handed out moves to the front; the buffer grows only for a
  // line longer than itself.
  const std::size_t kept = m_end - m_position;
  if (kept > 0) std::memmove(m_buffer.data(), m_buffer.data() + m_position, kept);
  m_position = 0;
  m_end = kept;
  if (m_buffer.size() == kept) m_buffer.resize(std::max(kPieceSize, 2 * kept));
  const std::size_t got = std::fread(m_buffer.data() + kept, 1, m_buffer.size() - kept, m_file);
  m_bytesRead += got;
  m_end += got;
  if (got == 0) {
    m_atEnd = true;
    m_failed = std::ferror(m_file) != 0;
    return false;
  }
  return true;
}

bool VdiLineReader::Next(std::string_view& line) {
  for (;;) {
    const std::string_view rest(m_buffer.data() + m_position, m_end - m_position);
    std::size_t end = 0;
    while (end < rest.size() && !isLineBreak(rest[end])) ++end;
    // A '\r' at the end of the piece may be the first half of "\r\n": read on first.
    const bool complete = end < rest.size() && (rest[end] == '\n' || end + 1 < rest.size() || m_atEnd);
    if (complete) {
      line = rest.substr(0, end);
      m_position += end + (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n' ? 2 : 1);
      return true;
    }
    if (m_atEnd) {
      if (m_failed || rest.empty()) return false;
      line = rest;
      m_position = m_end;
      return true;
    }
    readPiece();
  }
}

bool PlanLineByLineRead(const std::string& path, std::string& firstLine) {
  if (VdiFileExtension(path) == "vdix") return false;
  VdiLineReader reader(path);
  if (!reader.IsOpen()) return false;
  std::string first;
  std::size_t count = 0;
  bool codePageSettled = false;  // a byte that is no UTF-8 has been met: Windows-1252 it is
  std::string_view line;
  while (reader.Next(line)) {
    if (++count > kMaxStringListLines || reader.BytesRead() > kMaxFileSize) return false;
    if (count == 1) {
      if (line.starts_with(kUtf8Bom)) return false;
      first = line;
    }
    if (codePageSettled) continue;
    // The first byte outside ASCII decides: UTF-8 text (or not yet known to be none) is
    // left to ReadVdiFile, which judges the file as a whole.
    const std::size_t pos = firstNonAscii(line);
    if (pos == std::string_view::npos) continue;
    char32_t codePoint = 0;
    std::size_t length = 0;
    if (decodeUtf8At(line, pos, codePoint, length)) return false;
    codePageSettled = true;
  }
  if (reader.Failed() || count == 0 || reader.BytesRead() > kMaxFileSize) return false;
  std::string buffer;
  firstLine = std::string(DecodeVdiLine(first, buffer));
  return true;
}

std::string_view DecodeVdiLine(std::string_view raw, std::string& buffer) {
  if (firstNonAscii(raw) == std::string_view::npos) return raw;
  buffer = decode1252(raw);
  return buffer;
}

}  // namespace armakon
