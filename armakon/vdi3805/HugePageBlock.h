#pragma once
// Large blocks of a document's memory, mapped on their own and offered to the system for
// transparent huge pages.
//
// Building the record tree of a large file writes tens of megabytes of fresh memory, and
// every 4 KiB page of it costs a page fault when it is first written: on a virtual machine
// a fault takes microseconds, more than parsing the lines that fill the page. A block of
// 2 MiB or more is therefore mapped at a 2 MiB boundary and the system is asked (madvise
// MADV_HUGEPAGE) to back it with 2 MiB pages, one fault for 512 small ones. The request
// covers these blocks only: the host's allocator and its other memory stay as it set them,
// and a system without huge pages (or with them switched off) backs the block with small
// pages, as any memory.

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
