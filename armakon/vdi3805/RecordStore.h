#pragma once
// RecordStore: the records of a parsed document and the texts of their lines, packed into a
// few large blocks.
//
// A catalog holds hundreds of thousands of records. Each record and each line in an
// allocation of its own costs the allocator's header and rounding twice per line (often a
// third of the line itself) and two allocations and releases per record. The document
// builds its records and keeps their lines here instead. Records are placed from the front
// of a block and texts from its back, so neither pays for the other's alignment. Everything
// lives until Clear or the store's end, so a store belongs to the root of the tree whose
// records use it, and is cleared only after those records are destroyed.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "armakon/vdi3805/HugePageBlock.h"

namespace armakon {

class RecordStore {
 public:
  RecordStore() = default;
  RecordStore(const RecordStore&) = delete;
  RecordStore& operator=(const RecordStore&) = delete;

  // Room for an object of the size and alignment (at most the allocator's alignment);
  // throws std::bad_alloc.
  void* Allocate(std::size_t size, std::size_t alignment);
  // A copy of the text in the store (null for empty text); throws std::bad_alloc.
  const char* Keep(std::string_view text);
  // Gives every block back; whatever was placed so far becomes invalid.
  void Clear() noexcept;

 private:
  // A catalog file of a few hundred KB leaves, on average, half a block unused at its end;
  // small blocks keep that a small share, while the allocator's header and the piece left
  // at the end of each block (half a line on average) still cost only about 2%.
  static constexpr std::size_t kBlockSize = 4 * 1024 - 32;
  // Anything larger gets a block of its own, so the current one stays in use.
  static constexpr std::size_t kLargePiece = kBlockSize / 4;
  // Blocks of kHugePageSize and more are offered huge pages (HugePageBlock.h): the text of
  // a large file read into the store, and the blocks of a document whose records have
  // filled this much already. A small document (a catalog holds hundreds) stays in small
  // blocks, so that its last block wastes little.
  static constexpr std::size_t kLargeDocument = std::size_t{2} << 20;

  char* newBlock(std::size_t size);
  void startBlock();
  std::size_t freeBytes() const noexcept { return static_cast<std::size_t>(m_back - m_front); }

  std::vector<std::unique_ptr<char[]>> m_blocks;
  std::vector<HugePageBlock> m_hugeBlocks;  // the blocks of kHugePageSize and more
  std::size_t m_recordBytes = 0;            // size of the blocks started for records
  char* m_front = nullptr;  // the free middle of the current block: [m_front, m_back)
  char* m_back = nullptr;
};

}  // namespace armakon
