#include "armakon/dialogs/PropertyFilter.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "armakon/components/NumberText.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

namespace {

constexpr int kPropertyCodes[] = {16000, 20000, 25000, 26000, 30000, 35000, 36000,
                                  40000, 45000, 46000, 50000, 55000, 56000};

bool isPropertyCode(int code) { return std::find(std::begin(kPropertyCodes), std::end(kPropertyCodes), code) != std::end(kPropertyCodes); }

using Property = std::pair<std::string, std::string>;  // name, value

// The properties a property record describes: itself and its plain entries.
std::vector<Property> propertiesOf(const CVDIBase* record) {
  std::vector<Property> properties;
  auto take = [&](const CVDIBase* r) {
    std::string name = GetField(r, vdifield::vector::kName);
    std::string value = GetField(r, vdifield::vector::kValue);
    if (!name.empty() && !value.empty()) properties.emplace_back(std::move(name), std::move(value));
  };
  take(record);
  for (const auto& entry : record->GetChildren()) {
    if (GetFieldView(entry.get(), vdifield::vectorEntry::kReferencedType).empty()) take(entry.get());
  }
  return properties;
}

std::vector<const CVDIBase*> propertyRecordsOf(const CVDIBase* product) {
  std::vector<const CVDIBase*> all;
  GetReferencedRecords(product, 0, all);
  std::vector<const CVDIBase*> records;
  for (const CVDIBase* record : all) {
    if (isPropertyCode(record->GetCode())) records.push_back(record);
  }
  return records;
}

}  // namespace

void PropertyFilter::build(const std::vector<const CVDIBase*>& products) {
  rows_.clear();
  for (const CVDIBase* product : products) {
    for (const CVDIBase* record : propertyRecordsOf(product)) {
      for (const auto& [name, value] : propertiesOf(record)) {
        auto row = std::find_if(rows_.begin(), rows_.end(), [&, &name = name](const PropertyFilterRow& r) {
          return r.code == record->GetCode() && r.eigenschaft == name;
        });
        if (row == rows_.end()) {
          rows_.push_back({record->GetCode(), std::to_string(record->GetCode() / 100), name, {}, -1});
          row = rows_.end() - 1;
        }
        if (std::find(row->values.begin(), row->values.end(), value) == row->values.end()) row->values.push_back(value);
      }
    }
  }
  std::stable_sort(rows_.begin(), rows_.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
}

void PropertyFilter::choose(std::size_t row, int value) {
  if (row >= rows_.size()) throw std::invalid_argument("PropertyFilter::choose: row out of range");
  PropertyFilterRow& target = rows_[row];
  if (value < -1 || value >= static_cast<int>(target.values.size())) {
    throw std::invalid_argument("PropertyFilter::choose: value out of range");
  }
  target.chosen = value;
}

bool PropertyFilter::passes(const CVDIBase* product) const {
  if (std::none_of(rows_.begin(), rows_.end(), [](const auto& row) { return row.chosen >= 0; })) return true;
  const auto records = propertyRecordsOf(product);
  for (const PropertyFilterRow& row : rows_) {
    if (row.chosen < 0) continue;
    const Property wanted{row.eigenschaft, row.bezeichnung()};
    const bool found = std::any_of(records.begin(), records.end(), [&](const CVDIBase* record) {
      if (record->GetCode() != row.code) return false;
      const auto properties = propertiesOf(record);
      return std::find(properties.begin(), properties.end(), wanted) != properties.end();
    });
    if (!found) return false;
  }
  return true;
}

}  // namespace armakon
