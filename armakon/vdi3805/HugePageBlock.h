#pragma once
// Large blocks of a document's memory, offered to the system for transparent huge pages.
//
// Building the record tree of a large file writes tens of megabytes of fresh memory, and
// every 4 KiB page of it costs a page fault when it is first written: on a virtual machine
// a fault takes microseconds, more than parsing the lines that fill the page. A block of
// 2 MiB or more is therefore aligned to 2 MiB and the system is asked (madvise
// MADV_HUGEPAGE) to back its whole 2 MiB parts with huge pages, one fault for 512 small
// ones. The block comes from the allocator, so that memory given back is used again without
// faults by the next document of a long-running host. The request covers these blocks only:
// the allocator's settings and the host's other memory stay as the host set them, and a
// system without huge pages (or with them switched off) backs the block with small pages.

#include <cstddef>
#include <memory>

namespace armakon {

inline constexpr std::size_t kHugePageSize = std::size_t{2} << 20;

struct HugePageBlockRelease {
  void operator()(char* block) const noexcept;
};
using HugePageBlock = std::unique_ptr<char[], HugePageBlockRelease>;

// A block of size bytes (at least kHugePageSize), starting at a 2 MiB boundary; throws
// std::bad_alloc when the system has no room for it.
HugePageBlock AllocateHugePageBlock(std::size_t size);

}  // namespace armakon
