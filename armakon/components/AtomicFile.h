#pragma once
// Whole-file reading and crash-safe writing.
//
// Every file the library writes (valve models, pump files, reports, catalog info) goes to a
// temporary file in the target's folder first and is renamed over the target only when it
// was written completely, so a crash or a full disk never leaves half a file behind.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace armakon {

// Largest file the library reads into memory; a bigger one is refused as not ours.
inline constexpr std::size_t kMaxFileSize = std::size_t{256} * 1024 * 1024;

// Reads the whole file into content; false when it cannot be opened or read, or when it is
// larger than maxSize.
bool readWholeFile(const std::filesystem::path& path, std::string& content,
                   std::size_t maxSize = kMaxFileSize);

// When the written bytes must be on the disk. Now: before the new file takes the old one's
// place, so a valve model or a project saved a moment before a power cut is there afterwards.
// Deferred: the file is complete for every reader at once, and the caller brings many files
// to the disk together with syncFileSystem; a batch that waits for the disk after every one
// of its files spends most of its time waiting, and its workers wait in turn for the same disk.
enum class FileSync { Now, Deferred };

// Writes content to path through a temporary sibling and a rename; false (and the old file
// untouched) when any step fails, with errno telling why. A path that is a symbolic link
// writes the file the link points to (the link stays); a file that is replaced keeps its
// permissions, a new one gets 0644 less the umask.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                         FileSync sync = FileSync::Now);

// Waits until everything written to the file system that holds the path is on the disk;
// false, with errno telling why, when it cannot be opened or synced.
bool syncFileSystem(const std::filesystem::path& path);

}  // namespace armakon
