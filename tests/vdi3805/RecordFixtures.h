#pragma once
// Helpers of the record reader tests: a stand-in document root (the reader needs nothing
// of a document but its root flag, its layout and its tree rule) and line builders.

#include <memory>
#include <string>
#include <vector>

#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VDIRecords.h"

namespace armakon::testing_vdi {

class StandInDocument : public CVDIBase {
 public:
  explicit StandInDocument(bool oldFormat = false) : oldFormat_(oldFormat) { SetLine("CVDIDoc"); }
  bool IsDocumentRoot() const noexcept override { return true; }
  bool IsOldFormat() const noexcept override { return oldFormat_; }
  bool AcceptsChild(const CVDIBase& record) const override {
    return record.IsKindOf(VDIStruct_010::GetThisClass()) || record.IsKindOf(VDIStruct_Err::GetThisClass());
  }

 private:
  bool oldFormat_;
};

inline std::unique_ptr<StandInDocument> parseDocument(std::vector<std::string> lines, bool oldFormat = false) {
  auto document = std::make_unique<StandInDocument>(oldFormat);
  document->ParseLines(lines, false, oldFormat);
  return document;
}

// Class name of a record.
inline std::string classOf(const CVDIBase* record) {
  return record == nullptr ? std::string("(null)") : std::string(record->GetRuntimeClass()->className());
}

// Records in pre-order (the document excluded).
inline std::vector<const CVDIBase*> allRecords(const CVDIBase& root) {
  std::vector<const CVDIBase*> out;
  std::vector<const CVDIBase*> pending;
  for (auto it = root.GetChildren().rbegin(); it != root.GetChildren().rend(); ++it) pending.push_back(it->get());
  while (!pending.empty()) {
    const CVDIBase* record = pending.back();
    pending.pop_back();
    out.push_back(record);
    for (auto it = record->GetChildren().rbegin(); it != record->GetChildren().rend(); ++it) pending.push_back(it->get());
  }
  return out;
}

}  // namespace armakon::testing_vdi
