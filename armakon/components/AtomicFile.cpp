#include "armakon/components/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <fcntl.h>
#include <sys/stat.h>
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

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMaxLinkDepth = 40;

fs::path temporarySibling(const fs::path& path) {
  static std::atomic<unsigned> counter{0};
  fs::path temp = path;
  temp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  return temp;
}

bool writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The file a path names once every symbolic link on its last part is followed (a link may
// point to a file that does not exist yet); the path itself when it is no link. False with
// errno set for a loop of links or a link that cannot be read.
bool followLinks(const fs::path& path, fs::path& target) {
  target = path;
  for (int depth = 0;; ++depth) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec))) return true;
    if (depth == kMaxLinkDepth) {
      errno = ELOOP;
      return false;
    }
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) {
      errno = ec.value();
      return false;
    }
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
}

// Holds the file a write replaces open until the replacement stands. A rename that replaces
// a file deletes the old one inside the rename, while the folder is locked, unless the file
// is still open somewhere; on a disk that discards freed blocks, that deletion waits for the
// disk, and nobody else can create or rename a file in the folder meanwhile. Held open, the
// old file is deleted when it is let go, after the folder is unlocked: batch workers writing
// reports into one folder then do not queue behind each other's deletions.
class ReplacedFileHold {
 public:
  // Holds nothing when nothing is replaced.
  ReplacedFileHold(bool replaces, const fs::path& path)
      : fd_(replaces ? ::open(path.c_str(), O_PATH | O_CLOEXEC) : -1) {}
  ~ReplacedFileHold() {
    const int reason = errno;
    if (fd_ >= 0) ::close(fd_);
    errno = reason;
  }
  ReplacedFileHold(const ReplacedFileHold&) = delete;
  ReplacedFileHold& operator=(const ReplacedFileHold&) = delete;

 private:
  int fd_;
};

// Removes the temporary file without losing the errno of the step that failed.
bool discard(const fs::path& temp) {
  const int reason = errno;
  ::unlink(temp.c_str());
  errno = reason;
  return false;
}

}  // namespace

bool writeFileAtomically(const fs::path& path, std::string_view content, FileSync sync) {
  fs::path target;
  if (!followLinks(path, target)) return false;
  struct stat existing {};
  const bool replaces = ::stat(target.c_str(), &existing) == 0;
  if (replaces && S_ISDIR(existing.st_mode)) {
    errno = EISDIR;
    return false;
  }

  // The replacement gets the permissions of the file it replaces before any byte is written;
  // a new file gets 0644 less the process's umask.
  const fs::path temp = temporarySibling(target);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replaces ? 0600 : 0644);
  if (fd < 0) return false;
  const bool written = (!replaces || ::fchmod(fd, existing.st_mode & 07777) == 0) && writeAll(fd, content) &&
                       (sync == FileSync::Deferred || ::fsync(fd) == 0);
  if (!written) {
    const int reason = errno;
    ::close(fd);
    errno = reason;
    return discard(temp);
  }
  if (::close(fd) != 0) return discard(temp);
  const ReplacedFileHold replaced(replaces, target);
  if (::rename(temp.c_str(), target.c_str()) != 0) return discard(temp);
  return true;
}

bool syncFileSystem(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::syncfs(fd) == 0;
  const int reason = errno;
  ::close(fd);
  errno = reason;
  return synced;
}

}  // namespace armakon
