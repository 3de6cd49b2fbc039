// CVDIBase::ParseLines: the lines of a file become the record tree.
//
// Placing a record means walking up from the record before it to the first ancestor that
// accepts it. Done literally, a file whose records no ancestor accepts (each then hangs
// below the one before) costs a walk over the whole chain per line. The parser therefore
// keeps the chain from the root to the previous record as a stack, each entry with the set
// of classes that it or any record above it accepts: whether anyone accepts the new record
// is one bit test, and a walk that does find an acceptor removes the records it passes
// from the stack for good, so the whole parse stays linear in the number of lines.

#include <cmath>
#include <cstdint>
#include <limits>
#include <new>

#include "armakon/components/NumberText.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/RecordFactory.h"
#include "armakon/vdi3805/RecordStore.h"
#include "armakon/vdi3805/RecordTreeBuilder.h"

namespace armakon {

namespace {

// The detail filter's code: the integer part of (value x 100 + 0.1).
long long detailCode(double typeValue) {
  const double value = std::trunc(typeValue * 100.0 + 0.1);
  if (std::isnan(value)) return 0;
  if (value <= -9.0e18) return std::numeric_limits<long long>::min();
  if (value >= 9.0e18) return std::numeric_limits<long long>::max();
  return static_cast<long long>(value);
}

bool skippedAsDetail(double typeValue, bool oldFormat) {
  const long long code = detailCode(typeValue);
  if (code > 97001) return true;                     // 970.02 and everything above
  return oldFormat && code >= 72000 && code < 72999;  // 720 and its sub-types
}

void trimInPlace(std::string& line) {
  const std::string_view trimmed = hydStrUtil::TrimView(line);
  if (trimmed.size() == line.size()) return;
  const std::size_t start = static_cast<std::size_t>(trimmed.data() - line.data());
  line.erase(start + trimmed.size());
  line.erase(0, start);
}

}  // namespace

RecordTreeBuilder::RecordTreeBuilder(CVDIBase& start, bool skipDetail, bool oldFormat)
    : m_skipDetail(skipDetail), m_oldFormat(oldFormat) {
  std::vector<CVDIBase*> upwards;
  for (CVDIBase* record = &start; record != nullptr; record = record->GetParent()) upwards.push_back(record);
  std::uint64_t above = 0;
  for (auto it = upwards.rbegin(); it != upwards.rend(); ++it) {
    const std::uint64_t accepts = record_detail::AcceptMaskOf(**it);
    above |= accepts;
    m_chain.push_back({*it, accepts, above});
  }
  m_store = upwards.back()->GetRecordStore();
}

RecordTreeBuilder::~RecordTreeBuilder() { leaveChain(0); }

void RecordTreeBuilder::leaveChain(std::size_t first) noexcept {
  if (m_store != nullptr) {
    for (std::size_t i = first; i < m_chain.size(); ++i) m_chain[i].record->moveChildrenInto(*m_store);
  }
  m_chain.resize(first);
}

RecordPtr RecordTreeBuilder::create(const record_detail::RecordClass& recordClass) {
  if (m_store == nullptr || recordClass.constructAt == nullptr) return record_detail::CreateOfClass(recordClass);
  CVDIBase* record = recordClass.constructAt(m_store->Allocate(recordClass.size, recordClass.alignment));
  record->m_lineSize |= CVDIBase::kInStore;
  return RecordPtr(record);
}

bool RecordTreeBuilder::Add(std::string_view line, bool kept) {
  using record_detail::RecordClass;

  line = hydStrUtil::TrimView(line);
  if (line.empty()) return true;
  const std::string_view typeText = hydStrUtil::TrimView(line.substr(0, line.find(';')));
  if (typeText.empty()) return true;
  const record_detail::RecordType type = m_classes.lookup(typeText);
  if (m_skipDetail && skippedAsDetail(type.value, m_oldFormat)) return true;

  const int code = type.code;
  const RecordClass* chosen = type.recordClass;
  RecordPtr record = create(*chosen);
  if (record == nullptr) {
    chosen = &record_detail::ErrClass();
    record = create(*chosen);
  }
  if (record == nullptr) return false;

  // Find the parent: the nearest record of the chain that accepts the new one, or the
  // previous record when none does.
  std::size_t parent = m_chain.size() - 1;
  if (chosen->ordinal >= 0) {
    const std::uint64_t bit = std::uint64_t{1} << chosen->ordinal;
    if ((m_chain.back().anyAccepts & bit) != 0) {
      while ((m_chain[parent].accepts & bit) == 0) --parent;
      leaveChain(parent + 1);
    }
  } else {
    // A class beyond the table's 64 bits: ask each record, as the rule reads.
    for (std::size_t i = m_chain.size(); i-- > 0;) {
      if (m_chain[i].record->AcceptsChild(*record)) {
        leaveChain(i + 1);
        parent = i;
        break;
      }
    }
  }

  if (m_store != nullptr) {
    line = line.substr(0, CVDIBase::kMaxLineSize);
    record->SetStoredLine(kept ? line.data() : m_store->Keep(line), line.size(), code);
  } else if (!record->SetLineWithCode(line, code)) {
    return false;
  }
  CVDIBase* placed = m_chain[parent].record->AppendChild(std::move(record));
  const std::uint64_t accepts = chosen->accepts;
  m_chain.push_back({placed, accepts, m_chain.back().anyAccepts | accepts});
  return true;
}

bool CVDIBase::ParseLines(StringList& lines, bool skipDetail, bool oldFormat) {
  RecordTreeBuilder builder(*this, skipDetail, oldFormat);
  std::size_t consumed = 0;
  bool ok = true;
  try {
    for (; consumed < lines.size(); ++consumed) {
      std::string& line = lines[consumed];
      trimInPlace(line);  // a line left over after a failure stays trimmed
      if (!builder.Add(line)) {
        ok = false;
        break;
      }
      std::string().swap(line);  // the record holds the text now; free the list's copy at once
    }
  } catch (const std::bad_alloc&) {
    // Out of memory: the records read so far stay in the tree, the rest is refused.
    ok = false;
  }

  if (ok) {
    StringList().swap(lines);  // consumed: give its memory back too
  } else {
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(consumed));
  }
  return ok;
}

}  // namespace armakon
