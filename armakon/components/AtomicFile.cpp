#include "armakon/components/AtomicFile.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <fcntl.h>
#include <unistd.h>

namespace armakon {

bool readWholeFile(const std::filesystem::path& path, std::string& content, std::size_t maxSize) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::string data;
  // Room for the whole file at once: growing step by step would copy a large catalog file
  // several times and briefly hold it twice.
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size <= maxSize) data.reserve(static_cast<std::size_t>(size));
  char buffer[65536];
  bool ok = true;
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
    if (got == 0) {
      ok = std::ferror(file) == 0;
      break;
    }
    if (data.size() + got > maxSize) {
      ok = false;
      break;
    }
    data.append(buffer, got);
  }
  std::fclose(file);
  if (ok) content = std::move(data);
  return ok;
}

namespace {
std::filesystem::path temporarySibling(const std::filesystem::path& path) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temp = path;
  temp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  return temp;
}

bool writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}
}  // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
  const std::filesystem::path temp = temporarySibling(path);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  std::error_code ec;
  if (!written || !closed) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace armakon
