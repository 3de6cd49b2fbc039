#include "armakon/vdi3805/HugePageBlock.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace armakon {

void HugePageBlockRelease::operator()(char* block) const noexcept { std::free(block); }

HugePageBlock AllocateHugePageBlock(std::size_t size) {
  void* block = nullptr;
  if (::posix_memalign(&block, kHugePageSize, size) != 0) throw std::bad_alloc();
  // Only a hint, for the whole huge pages of the block: the rest (and any block on a system
  // without huge pages) is memory of ordinary pages.
  ::madvise(block, size / kHugePageSize * kHugePageSize, MADV_HUGEPAGE);
  return HugePageBlock(static_cast<char*>(block));
}

}  // namespace armakon
