#include "armakon/vdi3805/AccessoryReferences.h"

#include <set>
#include <utility>
#include <vector>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/ConversionContext.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

namespace {

namespace entry = vdifield::vectorEntry;

// Every record may be referenced as an accessory element except the bulk of a file that never
// is one: technical data with their type-specific records (700 ... 739.99) and products with
// their order data (800 ... 819.99). A reference to one of those counts as missing.
bool isIndexed(int code) { return !(code >= 70000 && code < 74000) && !(code >= 80000 && code < 82000); }

void hintMissing(std::string_view title, std::string_view text, std::initializer_list<FormatArg> args,
                 const CVDIBase* record) {
  CMiniReportUtil::instance().addHint(
      800, title,
      ComposeMessage({text, "\n", "Folge: Ein Zubehörelement kann nicht ermittelt bzw. angezeigt werden."}, args),
      record);
}

}  // namespace

bool IsVectorCode(int code) {
  if (code == 16000 || code == 76000) return true;
  if (code < 20000 || code > 56000) return false;
  const int rest = code % 10000;
  return rest == 0 || rest == 5000 || rest == 6000;
}

AccessoryResolver::AccessoryResolver(const CVDIBase* documentOrRecord) : m_root(DocumentRootOf(documentOrRecord)) {
  if (m_root == nullptr) return;
  if (const CVDIDoc* document = m_root->AsDocument()) m_sheet = document->GetSheet();
  // Pre-order walk with an explicit stack (record trees can be as deep as a file makes
  // them), carrying the model (110) each record lies below.
  std::vector<std::pair<const CVDIBase*, const CVDIBase*>> stack{{m_root, nullptr}};
  while (!stack.empty()) {
    const auto [record, model] = stack.back();
    stack.pop_back();
    const CVDIBase* below = model;
    if (record->IsKindOf(VDIStruct_110::GetThisClass())) below = record;
    if (isIndexed(record->GetCode())) {
      const int index = toInt(GetFieldView(record, vdifield::vector::kIndex));
      if (index > 0) {
        m_records.emplace(std::make_tuple(static_cast<const CVDIBase*>(nullptr), record->GetCode(), index), record);
        if (model != nullptr) m_records.emplace(std::make_tuple(model, record->GetCode(), index), record);
      }
    }
    const auto& children = record->GetChildren();
    for (auto it = children.rbegin(); it != children.rend(); ++it) stack.emplace_back(it->get(), below);
  }
}

const CVDIBase* AccessoryResolver::find(const CVDIBase* model, int code, int index) const {
  if (index < 1 || !isIndexed(code)) return nullptr;
  if (model != nullptr) {
    const auto found = m_records.find(std::make_tuple(model, code, index));
    if (found != m_records.end()) return found->second;
  }
  const auto found = m_records.find(std::make_tuple(static_cast<const CVDIBase*>(nullptr), code, index));
  return found != m_records.end() ? found->second : nullptr;
}

int AccessoryResolver::Gather(const CVDIBase* product, hydVDIArmaturen::hydArmatur& source) const {
  if (product == nullptr || m_root == nullptr || DocumentRootOf(product) != m_root) return -1;
  const CVDIBase* model = FindAncestorOfKind<VDIStruct_110>(product);
  const std::string modelName = GetField(model, vdifield::r110::kName);
  if (m_sheet != 2 && m_sheet != 17) {
    CMiniReportUtil::instance().addHint(
        800, FormatText(Translate("Hinweis zu Zubehör-Verweis in Armaturmodell 1!%s"), {modelName}),
        FormatText(Translate("Die Blatt-Nr %i wird bei der Ermittlung von Zubehör-Verweisen nicht unterstützt."),
                   {m_sheet}),
        product);
    return -1;
  }

  std::vector<const CVDIBase*> references;
  GetReferencedRecords(product, 0, references);
  std::vector<const CVDIBase*> vectors;
  std::set<const CVDIBase*> seen;
  for (const CVDIBase* record : references) {
    if (IsVectorCode(record->GetCode()) && seen.insert(record).second) vectors.push_back(record);
  }

  int added = 0;
  for (std::size_t v = 0; v < vectors.size(); ++v) {
    const CVDIBase* vector = vectors[v];
    for (const auto& child : vector->GetChildren()) {
      const CVDIBase* item = child.get();
      const std::string_view typeText = GetFieldView(item, entry::kReferencedType);
      if (typeText.empty()) continue;  // a property, no reference
      const int code = RecordCodeOf(typeText);
      const int index = toInt(GetFieldView(item, entry::kReferencedIndex));
      const CVDIBase* target = find(model, code, index);
      if (IsVectorCode(code)) {
        if (target == nullptr) {
          hintMissing(FormatText(Translate("Hinweis zu einem Zubehör-Verweis in Armaturmodell 1!%s"), {modelName}),
                      "In Satzart 1!%s, Index 2!%s wird auf einen nicht vorhandenen Zubehörvektor der Satzart 3!%.2f, "
                      "Index 4!%i verwiesen!",
                      {GetFieldView(item, 1), GetFieldView(item, 2), code / 100.0, index}, item);
        } else if (seen.insert(target).second) {
          vectors.push_back(target);
        }
        continue;
      }
      if (target == nullptr) {
        hintMissing(FormatText(Translate("Hinweis zu einem Zubehör-Verweis in Armaturmodell 1!%s, Satzart 2!%s mit "
                                         "Index 3!%s)"),
                               {modelName, GetFieldView(vector, 1), GetFieldView(vector, 2)}),
                    "In Satzart 1!%s, Index 2!%s wird auf ein nicht vorhandenes Zubehörelement der Satzart 3!%i mit "
                    "Index 4!%i verwiesen!",
                    {GetFieldView(item, 1), GetFieldView(item, 2), code / 100, index}, item);
        continue;
      }
      hydVDIArmaturen::hydArmaturZubehoer accessory;
      accessory.setRefNr(index);
      accessory.setSatzart(item->GetCode());
      accessory.setSatzIndex(toInt(GetFieldView(item, entry::kIndex)));
      accessory.setText1(GetField(target, vdifield::r600::kName));
      accessory.setText2(GetField(target, vdifield::r600::kArticleNumber));
      const std::string_view amount = GetFieldView(item, entry::kAmount);
      accessory.setMenge(amount.empty() ? 1.0f : ToCurveValue(toDouble(amount, 1.0)));
      source.addZubehoer(accessory);
      ++added;
    }
  }
  return added;
}

AccessorySources::AccessorySources(const AccessoryResolver& resolver, const std::vector<const CVDIBase*>& products) {
  for (const CVDIBase* product : products) {
    m_sources.push_back(std::make_unique<hydVDIArmaturen::hydArmatur>());
    resolver.Gather(product, *m_sources.back());
    m_pointers.push_back(m_sources.back().get());
  }
}

int GatherAccessories(const CVDIBase* product, hydVDIArmaturen::hydArmatur& source) {
  return AccessoryResolver(product).Gather(product, source);
}

}  // namespace armakon
