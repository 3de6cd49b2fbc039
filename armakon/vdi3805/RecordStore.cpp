#include "armakon/vdi3805/RecordStore.h"

#include <cstdint>
#include <cstring>

namespace armakon {

namespace {

std::size_t paddingFor(const char* at, std::size_t alignment) {
  return static_cast<std::size_t>(-reinterpret_cast<std::uintptr_t>(at)) & (alignment - 1);
}

}  // namespace

char* RecordStore::newBlock(std::size_t size) {
  if (size >= kHugePageSize) {
    m_hugeBlocks.push_back(AllocateHugePageBlock(size));
    return m_hugeBlocks.back().get();
  }
  std::unique_ptr<char[]> block = std::make_unique_for_overwrite<char[]>(size);
  char* start = block.get();
  m_blocks.push_back(std::move(block));  // on failure the block is given back here
  return start;
}

void RecordStore::startBlock() {
  const std::size_t size = m_recordBytes >= kLargeDocument ? kHugePageSize : kBlockSize;
  m_front = newBlock(size);
  m_back = m_front + size;
  m_recordBytes += size;
}

void* RecordStore::Allocate(std::size_t size, std::size_t alignment) {
  if (size > kLargePiece) return newBlock(size);
  // A fresh block starts aligned for any object, so the padding always fits there.
  if (paddingFor(m_front, alignment) + size > freeBytes()) startBlock();
  char* placed = m_front + paddingFor(m_front, alignment);
  m_front = placed + size;
  return placed;
}

const char* RecordStore::Keep(std::string_view text) {
  if (text.empty()) return nullptr;
  char* kept = nullptr;
  if (text.size() > kLargePiece) {
    kept = newBlock(text.size());
  } else {
    if (text.size() > freeBytes()) startBlock();
    m_back -= text.size();
    kept = m_back;
  }
  std::memcpy(kept, text.data(), text.size());
  return kept;
}

void RecordStore::Clear() noexcept {
  std::vector<std::unique_ptr<char[]>>().swap(m_blocks);
  std::vector<HugePageBlock>().swap(m_hugeBlocks);
  m_recordBytes = 0;
  m_front = nullptr;
  m_back = nullptr;
}

}  // namespace armakon
