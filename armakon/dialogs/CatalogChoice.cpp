#include "armakon/dialogs/CatalogChoice.h"

#include <algorithm>
#include <set>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReport.h"
#include "armakon/vdi3805/ConversionContext.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

namespace {

// "201103" -> "03.2011", "20240315" -> "15.03.2024"; other texts as they are.
std::string displayDate(const std::string& date) {
  const bool digits = std::all_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) return date;
  if (date.size() == 6) return date.substr(4, 2) + "." + date.substr(0, 4);
  if (date.size() == 8) return date.substr(6, 2) + "." + date.substr(4, 2) + "." + date.substr(0, 4);
  return date;
}

int indexOf(const CVDIBase* record) { return toInt(GetFieldView(record, 2), 0); }

bool passes(const TypeFilter& filter, int sheet, int kind, const CVDIBase* technicalData) {
  if (filter.empty()) return true;
  const int code = ValveTypeCode(sheet, kind, toInt(GetFieldView(technicalData, vdifield::r700::kTypeNumber), 0));
  return std::find(filter.begin(), filter.end(), code) != filter.end();
}

std::vector<const CVDIBase*> technicalDataOf(const CVDIBase* model) {
  std::vector<const CVDIBase*> records;
  CollectRecords(model, vdifield::code::kTechnicalData, records);
  return records;
}

// The model passes kind-independent checks: a technical-data record of the type (0: any)
// that passes the filter.
bool modelMatches(const CVDIBase* model, int sheet, int kind, int type, const TypeFilter& filter) {
  for (const CVDIBase* technicalData : technicalDataOf(model)) {
    const int number = toInt(GetFieldView(technicalData, vdifield::r700::kTypeNumber), 0);
    if ((type == 0 || number == type) && passes(filter, sheet, kind, technicalData)) return true;
  }
  return false;
}

std::vector<const CVDIBase*> modelsOf(const CVDIBase* kindRecord) {
  std::vector<const CVDIBase*> models;
  CollectRecords(kindRecord, vdifield::code::kModel, models);
  return models;
}

std::vector<const CVDIBase*> kindsOf(const CVDIDoc& document) {
  std::vector<const CVDIBase*> kinds;
  for (const auto& header : document.GetChildren()) {
    for (const auto& child : header->GetChildren()) {
      if (child->GetCode() == vdifield::code::kKind) kinds.push_back(child.get());
    }
  }
  return kinds;
}

std::string kindText(int kind, const std::string& name) { return std::to_string(kind) + ": " + name; }

}  // namespace

const CVDIBase* FileHeaderOf(const CVDIDoc& document) {
  for (const auto& child : document.GetChildren()) {
    if (child->IsKindOf(VDIStruct_010::GetThisClass())) return child.get();
  }
  return nullptr;
}

bool OffersDocument(const CVDIDoc& document, int sheet) {
  if (!document.IsLoaded() || !document.IsParsed() || document.GetChildCount() == 0) return false;
  return sheet == 0 || document.GetSheet() == sheet;
}

std::string ManufacturerText(const CVDIDoc& document) {
  const CVDIBase* header = FileHeaderOf(document);
  const std::string manufacturer = GetField(header, vdifield::r010::kManufacturer);
  const std::string revision = GetField(header, 5);
  if (document.IsOldFormat()) return manufacturer + ", " + revision;
  return FormatText(Translate("%s (RLD %s), %s"), manufacturer, displayDate(document.GetDate()), displayDate(revision));
}

std::vector<KindEntry> KindEntries(const CVDIDoc* document, int sheet, const TypeFilter& filter) {
  std::vector<KindEntry> kinds{{Translate("- keine Armaturenart gewählt -"), 0, sheet}};
  if (document == nullptr) {
    for (int listed : {2, 17}) {
      if (sheet != 0 && sheet != listed) continue;
      const int last = listed == 2 ? 5 : 7;
      for (int kind = 1; kind <= last; ++kind) kinds.push_back({kindText(kind, KindName(kind, listed)), kind, listed});
    }
  } else {
    const int documentSheet = document->GetSheet();
    for (const CVDIBase* record : kindsOf(*document)) {
      const int kind = indexOf(record);
      const auto models = modelsOf(record);
      if (!filter.empty() && std::none_of(models.begin(), models.end(), [&](const CVDIBase* model) {
            return modelMatches(model, documentSheet, kind, 0, filter);
          })) {
        continue;
      }
      const std::string name = GetField(record, 4);
      kinds.push_back(
          {kindText(kind, name.empty() ? KindName(kind, documentSheet) : Translate(name)), kind, documentSheet});
    }
  }
  if (kinds.size() == 1) kinds.front().text = Translate("- keine passenden Armaturen gefunden -");
  return kinds;
}

bool NoMatchingKinds(const std::vector<KindEntry>& kinds) {
  return kinds.size() == 1 && kinds.front().text == Translate("- keine passenden Armaturen gefunden -");
}

std::vector<TypeEntry> TypeEntries(const CVDIDoc* document, int kind, const TypeFilter& filter) {
  std::vector<TypeEntry> types{{Translate("- beliebiger Typ -"), 0}};
  if (document == nullptr || kind == 0) return types;
  const int sheet = document->GetSheet();
  std::set<int> numbers;
  for (const CVDIBase* record : kindsOf(*document)) {
    if (indexOf(record) != kind) continue;
    for (const CVDIBase* model : modelsOf(record)) {
      for (const CVDIBase* technicalData : technicalDataOf(model)) {
        if (passes(filter, sheet, kind, technicalData)) {
          numbers.insert(toInt(GetFieldView(technicalData, vdifield::r700::kTypeNumber), 0));
        }
      }
    }
  }
  for (int number : numbers) types.push_back({std::to_string(number) + ": " + TypeName(number, sheet), number});
  return types;
}

std::vector<const CVDIBase*> MatchingModels(const CVDIDoc& document, int kind, int type, const TypeFilter& filter) {
  std::vector<const CVDIBase*> models;
  const int sheet = document.GetSheet();
  for (const CVDIBase* record : kindsOf(document)) {
    const int recordKind = indexOf(record);
    if (kind != 0 && recordKind != kind) continue;
    for (const CVDIBase* model : modelsOf(record)) {
      if (modelMatches(model, sheet, recordKind, type, filter)) models.push_back(model);
    }
  }
  return models;
}

int ModelTypeNumber(const CVDIBase* model) {
  std::vector<const CVDIBase*> products;
  CollectRecords(model, vdifield::code::kProduct, products);
  const CVDIBase* technicalData = products.empty() ? nullptr : GetTechnicalData(products.front());
  if (technicalData == nullptr) {
    const auto records = technicalDataOf(model);
    if (!records.empty()) technicalData = records.front();
  }
  return technicalData == nullptr ? 0 : toInt(GetFieldView(technicalData, vdifield::r700::kTypeNumber), 0);
}

}  // namespace armakon
