// Searches in the record tree: document, ancestors, records by code and index, paths.
// All walks are iterative; their stacks live on the heap, so a tree as deep as its file
// (a million records, each below the one before) is searched like a flat one.

#include <algorithm>

#include "armakon/components/NumberText.h"
#include "armakon/vdi3805/CVDIBase.h"

namespace armakon {

const CVDIDoc* GetDocument(const CVDIBase* record) noexcept {
  const CVDIBase* root = DocumentRootOf(record);
  return root != nullptr ? root->AsDocument() : nullptr;
}

CVDIDoc* GetDocument(CVDIBase* record) noexcept {
  return const_cast<CVDIDoc*>(GetDocument(static_cast<const CVDIBase*>(record)));
}

const CVDIBase* FindAncestorOfKind(const CVDIBase* record, const CRuntimeClassRecord& kind) noexcept {
  for (; record != nullptr; record = record->GetParent()) {
    const CRuntimeClassRecord* own = record->GetRuntimeClass();
    if (own != nullptr && own->className() == kind.className() && record->IsKindOf(kind)) return record;
  }
  return nullptr;
}

CVDIBase* FindAncestorOfKind(CVDIBase* record, const CRuntimeClassRecord& kind) noexcept {
  return const_cast<CVDIBase*>(FindAncestorOfKind(static_cast<const CVDIBase*>(record), kind));
}

namespace {

// Pre-order walk below start (start excluded) down to maxLevel (start is level 0; a
// negative maxLevel is unlimited). visit(record) returns true to stop the walk; the walk
// returns the record it stopped at, or null.
template <class Visit>
const CVDIBase* walkBelow(const CVDIBase* start, int maxLevel, Visit visit) {
  struct Frame {
    const CVDIBase* record;
    std::size_t next;
  };
  if (start == nullptr || maxLevel == 0) return nullptr;
  std::vector<Frame> frames{{start, 0}};
  while (!frames.empty()) {
    Frame& frame = frames.back();
    const CVDIBase::Children& children = frame.record->GetChildren();
    if (frame.next >= children.size()) {
      frames.pop_back();
      continue;
    }
    const CVDIBase* child = children[frame.next++].get();
    if (visit(child)) return child;
    // The child is on level frames.size(); its children would be one deeper.
    const bool deeperAllowed = maxLevel < 0 || frames.size() < static_cast<std::size_t>(maxLevel);
    if (child->GetChildCount() > 0 && deeperAllowed) frames.push_back({child, 0});
  }
  return nullptr;
}

}  // namespace

const CVDIBase* FindRecord(const CVDIBase* start, int code, int index, int depth) {
  if (start == nullptr) return nullptr;
  const bool oldLayout = InOldLayout(start);
  const auto matches = [&](const CVDIBase* record) {
    if (record->GetCode() != code) return false;
    return index == 0 || toInt(GetFieldViewInLayout(record, 2, oldLayout)) == index;
  };
  if (matches(start)) return start;
  return walkBelow(start, depth, matches);
}

CVDIBase* FindRecord(CVDIBase* start, int code, int index, int depth) {
  return const_cast<CVDIBase*>(FindRecord(static_cast<const CVDIBase*>(start), code, index, depth));
}

void CollectRecords(const CVDIBase* start, int code, std::vector<const CVDIBase*>& out) {
  walkBelow(start, -1, [&](const CVDIBase* record) {
    if (record->GetCode() == code) out.push_back(record);
    return false;
  });
}

void CollectRecords(CVDIBase* start, int code, std::vector<CVDIBase*>& out) {
  walkBelow(start, -1, [&](const CVDIBase* record) {
    if (record->GetCode() == code) out.push_back(const_cast<CVDIBase*>(record));
    return false;
  });
}

std::string RecordPath(const CVDIBase* record) {
  const bool oldLayout = InOldLayout(record);
  std::vector<const CVDIBase*> upwards;
  for (; record != nullptr && !record->IsDocumentRoot(); record = record->GetParent()) {
    if (upwards.size() == static_cast<std::size_t>(kMaxRecordPathLevels)) break;
    upwards.push_back(record);
  }
  std::string path = "[Satzart;Index;]";
  if (record != nullptr && !record->IsDocumentRoot()) path += " -> ...";
  for (auto it = upwards.rbegin(); it != upwards.rend(); ++it) {
    path += " -> ";
    path += GetFieldViewInLayout(*it, 1, oldLayout);
    path += ';';
    path += GetFieldViewInLayout(*it, 2, oldLayout);
    path += ';';
  }
  return path;
}

}  // namespace armakon
