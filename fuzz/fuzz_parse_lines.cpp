// Reads arbitrary bytes as the lines of a VDI 3805 file into a record tree and resolves the
// TGA numbers of every product record, then checks the tree's invariants: every line is in
// the tree once and in file order, every record knows its parent and document, and every
// reference points into the same tree.
//
// The first byte chooses the parse options and the report-list flags; the rest is the file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VDIRecords.h"

namespace {
using namespace armakon;

void check(bool condition) {
  if (!condition) std::abort();
}

// The document root as the record reader sees it (the document class adds file handling
// only), with the layout chosen by the input.
class FuzzDocument : public CVDIBase {
 public:
  explicit FuzzDocument(bool oldFormat) : oldFormat_(oldFormat) { SetLine("CVDIDoc"); }
  bool IsDocumentRoot() const noexcept override { return true; }
  bool IsOldFormat() const noexcept override { return oldFormat_; }
  bool AcceptsChild(const CVDIBase& record) const override {
    return record.IsKindOf(VDIStruct_010::GetThisClass()) || record.IsKindOf(VDIStruct_Err::GetThisClass());
  }

 private:
  bool oldFormat_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  const bool skipDetail = (options & 1) != 0;
  const bool oldFormat = (options & 2) != 0;
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.clear();
  reports.setIncludeDocumentInfo((options & 4) == 0);
  reports.setIncludeRecordContext((options & 8) != 0);

  StringList lines;
  if (!hydStrUtil::readStringlistFromString(lines, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1),
                                            kCodePage1252)) {
    return 0;
  }
  const std::size_t lineCount = lines.size();
  const StringList original = lines;

  FuzzDocument document(oldFormat);
  check(document.ParseLines(lines, skipDetail, oldFormat));
  check(lines.empty());

  // Every record in pre-order is a kept line of the file, in file order.
  StringList written;
  document.AppendLines(written);
  check(!written.empty() && written.front() == "CVDIDoc");
  check(written.size() <= lineCount + 1);
  std::size_t next = 0;
  for (std::size_t i = 1; i < written.size(); ++i) {
    while (next < original.size() && hydStrUtil::TrimView(original[next]) != written[i]) ++next;
    check(next < original.size());
    ++next;
  }

  std::vector<const CVDIBase*> products;
  CollectRecords(static_cast<const CVDIBase*>(&document), 80000, products);
  for (const CVDIBase* product : products) {
    check(DocumentRootOf(product) == &document);
    check(product->GetParent() != nullptr);
    std::vector<const CVDIBase*> references;
    GetReferencedRecords(product, 0, references);
    for (const CVDIBase* reference : references) check(DocumentRootOf(reference) == &document);
    const CVDIBase* technical = GetTechnicalData(product);
    check(technical == nullptr || technical->GetCode() == 70000);
    (void)RecordPath(product);
  }
  if (!products.empty()) {
    const CVDIBase* last = products.back();
    check(FindRecord(&document, 80000, 0, -1) == products.front());
    check(FindAncestorOfKind(last, last->GetRuntimeClass() != nullptr ? *last->GetRuntimeClass()
                                                                        : CVDIBase::GetThisClass()) == last);
  }
  for (std::size_t i = 0; i < reports.size(); ++i) {
    const auto& entry = reports.entry(i);
    check(entry.code >= 1 && entry.code <= 2000);
    check(entry.detail.empty() || entry.detail.rfind(entry.title + ":\r\n\r\n", 0) == 0);
  }
  reports.clear();
  return 0;
}
