#pragma once
// RecordTreeBuilder: turns lines of a VDI 3805 file, one at a time, into records placed in
// the tree below a start record, by the rules of CVDIBase::ParseLines (which runs on it). A
// loader that reads a file piece by piece hands each line over as soon as it stands, so the
// file never has to be held as a whole list of lines next to its tree. The records are
// built, and their lines kept, in the record store of the root above the start record when
// it has one.

#include <cstdint>
#include <string_view>
#include <vector>

#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/RecordFactory.h"

namespace armakon {

class RecordTreeBuilder {
 public:
  // The first record goes below start or the nearest of its ancestors that accepts it.
  RecordTreeBuilder(CVDIBase& start, bool skipDetail, bool oldFormat);
  RecordTreeBuilder(const RecordTreeBuilder&) = delete;
  RecordTreeBuilder& operator=(const RecordTreeBuilder&) = delete;
  ~RecordTreeBuilder();

  // Adds the record of one line (trimmed here; an empty line, one without a type and a
  // detail line that is skipped add nothing). kept: the line lies in the record store already
  // (the file was read into it), so the record takes it where it is. False when the record
  // could not be created; throws std::bad_alloc when memory runs out while placing it.
  bool Add(std::string_view line, bool kept = false);

 private:
  struct ChainEntry {
    CVDIBase* record;
    std::uint64_t accepts;     // classes this record accepts
    std::uint64_t anyAccepts;  // classes this record or one above it accepts
  };

  bool m_skipDetail;
  bool m_oldFormat;
  // The records from the root down to the one added last.
  std::vector<ChainEntry> m_chain;
  // Drops the chain from entry `first` on: those records get no more children, so their
  // lists of children move, exactly sized, into the store.
  void leaveChain(std::size_t first) noexcept;
  // A new record of the class, in the store when there is one; null when it cannot be created.
  RecordPtr create(const record_detail::RecordClass& recordClass);

  // The record store of the tree's root (null: records and lines on their own).
  RecordStore* m_store = nullptr;
  record_detail::TypeClassCache m_classes;
};

}  // namespace armakon
