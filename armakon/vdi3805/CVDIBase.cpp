#include "armakon/vdi3805/CVDIBase.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "armakon/components/NumberText.h"
#include "armakon/vdi3805/RecordStore.h"

namespace armakon {

namespace {

// A double rounded or truncated into the int range (NaN gives 0).
int clampToInt(double value) noexcept {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

std::string_view typeTextOf(std::string_view line) {
  return hydStrUtil::TrimView(line.substr(0, line.find(';')));
}

}  // namespace

int RecordCodeOf(std::string_view typeText) noexcept {
  return clampToInt(std::round(toDouble(typeText, 0.0) * 100.0));
}

CVDIBase::~CVDIBase() {
  RemoveAllChildren();
  releaseLine();
}

void CVDIBase::releaseLine() noexcept {
  const char*& text = textSlot();
  if ((m_lineSize & kOwnsLine) != 0) delete[] text;
  text = nullptr;
  m_lineSize &= kInStore | kHasChildList;
}

void RecordDeleter::operator()(CVDIBase* record) const noexcept {
  if ((record->m_lineSize & CVDIBase::kInStore) != 0) {
    record->~CVDIBase();
  } else {
    delete record;
  }
}

void CVDIBase::RemoveAllChildren() noexcept {
  // Post-order through the parent links: go down to a leaf, destroy it (a leaf has nothing
  // below it, so its destructor does no work of this kind), go back up. The depth of the
  // tree costs neither stack nor extra memory.
  CVDIBase* record = this;
  for (;;) {
    if (record->GetChildCount() > 0) {
      record = record->m_body.children->links()[record->m_body.children->count - 1].record;
      continue;
    }
    if (record == this) break;
    CVDIBase* parent = record->m_parent;
    --parent->m_body.children->count;
    RecordDeleter()(record);
    record = parent;
  }
  releaseChildren();
}

void CVDIBase::releaseChildren() noexcept {
  if (!hasChildList()) return;
  ChildList* list = m_body.children;
  m_body.text = list->text;
  m_lineSize &= ~kHasChildList;
  if (list->capacity != 0) ::operator delete(list);
}

bool CVDIBase::SetLine(std::string_view line) { return SetLineWithCode(line, RecordCodeOf(typeTextOf(line))); }

bool CVDIBase::SetLineWithCode(std::string_view line, int code) noexcept {
  line = line.substr(0, kMaxLineSize);
  char* text = nullptr;
  if (!line.empty()) {
    text = new (std::nothrow) char[line.size()];
    if (text == nullptr) return false;
    line.copy(text, line.size());
  }
  releaseLine();
  textSlot() = text;
  m_lineSize |= static_cast<std::uint32_t>(line.size()) | (text != nullptr ? kOwnsLine : 0u);
  m_code = code;
  return true;
}

void CVDIBase::SetStoredLine(const char* text, std::size_t size, int code) noexcept {
  releaseLine();
  textSlot() = text;
  m_lineSize |= static_cast<std::uint32_t>(size);
  m_code = code;
}

CVDIBase* CVDIBase::GetChild(std::size_t index) const {
  if (index >= GetChildCount()) throw std::invalid_argument("CVDIBase::GetChild: index out of range");
  return m_body.children->links()[index].record;
}

void CVDIBase::appendLink(CVDIBase* child) {
  ChildList* list = hasChildList() ? m_body.children : nullptr;
  if (list == nullptr || list->count >= list->capacity) {  // none yet, full, or the store's
    const std::uint32_t count = list != nullptr ? list->count : 0;
    if (count > std::numeric_limits<std::uint32_t>::max() / 2) throw std::bad_alloc();
    const std::uint32_t capacity = std::max<std::uint32_t>(4, 2 * count);
    auto* grown = static_cast<ChildList*>(::operator new(ChildList::bytesFor(capacity)));
    new (grown) ChildList{count, capacity, list != nullptr ? list->documentRoot : GetDocumentRoot(), text()};
    if (count > 0) std::memcpy(static_cast<void*>(grown->links()), list->links(), count * sizeof(ChildLink));
    releaseChildren();
    m_body.children = list = grown;
    m_lineSize |= kHasChildList;
  }
  new (list->links() + list->count) ChildLink{child};
  ++list->count;
}

void CVDIBase::moveChildrenInto(RecordStore& store) noexcept {
  if (!hasChildList() || m_body.children->capacity == 0) return;
  ChildList* list = m_body.children;
  void* room = nullptr;
  try {
    room = store.Allocate(ChildList::bytesFor(list->count), alignof(ChildList));
  } catch (const std::bad_alloc&) {
    return;
  }
  auto* placed = new (room) ChildList{list->count, 0, list->documentRoot, list->text};
  std::memcpy(static_cast<void*>(placed->links()), list->links(), list->count * sizeof(ChildLink));
  ::operator delete(list);
  m_body.children = placed;
}

CVDIBase* CVDIBase::AppendChild(RecordPtr child) {
  if (child == nullptr) return nullptr;
  if (child->GetChildCount() > 0 && !child->IsDocumentRoot()) {
    // A subtree built elsewhere now belongs to this record's document (a nested document
    // keeps its own records): the lists below name the new root.
    const CVDIBase* root = GetDocumentRoot();
    std::vector<CVDIBase*> pending{child.get()};
    while (!pending.empty()) {
      CVDIBase* record = pending.back();
      pending.pop_back();
      if (!record->hasChildList()) continue;
      record->m_body.children->documentRoot = root;
      for (const ChildLink& below : record->GetChildren()) {
        if (!below->IsDocumentRoot()) pending.push_back(below.get());
      }
    }
  }
  appendLink(child.get());
  CVDIBase* record = child.release();
  record->m_parent = this;
  return record;
}

int CVDIBase::MapFieldNumber(int n) const { return n; }

bool CVDIBase::AcceptsChild(const CVDIBase&) const { return false; }

void CVDIBase::AppendLines(StringList& list) const {
  // Pre-order over the subtree with an explicit stack (children pushed last to first).
  std::vector<const CVDIBase*> pending{this};
  while (!pending.empty()) {
    const CVDIBase* record = pending.back();
    pending.pop_back();
    list.emplace_back(record->GetLine());
    const Children children = record->GetChildren();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
      pending.push_back(child->get());
    }
  }
}

// ---- Fields -------------------------------------------------------------------------------

const CVDIBase* DocumentRootOf(const CVDIBase* record) noexcept {
  return record != nullptr ? record->GetDocumentRoot() : nullptr;
}

bool InOldLayout(const CVDIBase* record) noexcept {
  const CVDIBase* document = DocumentRootOf(record);
  return document != nullptr && document->IsOldFormat();
}

std::string_view GetFieldViewInLayout(const CVDIBase* record, int n, bool oldLayout) {
  if (record == nullptr || n < 1) return {};
  if (oldLayout) {
    n = record->MapFieldNumber(n);
    if (n < 1) return {};
  }
  return hydStrUtil::TrimView(hydStrUtil::GetSubStrView(record->GetLine(), n));
}

std::string_view GetFieldView(const CVDIBase* record, int n, bool raw) {
  if (record == nullptr || n < 1) return {};
  return GetFieldViewInLayout(record, n, !raw && InOldLayout(record));
}

std::string GetField(const CVDIBase* record, int n, bool raw) {
  return std::string(GetFieldView(record, n, raw));
}

}  // namespace armakon
