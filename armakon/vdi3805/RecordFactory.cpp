#include "armakon/vdi3805/RecordFactory.h"

#include <algorithm>
#include <new>

#include "armakon/components/NumberText.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VDIStruct_800.h"

namespace armakon {

namespace {

// A record class with what a record store needs to build one in place.
struct PlaceableClass {
  const CRuntimeClassRecord& (*record)();
  std::size_t size;
  std::size_t alignment;
  CVDIBase* (*constructAt)(void* memory);
};

template <class T>
constexpr PlaceableClass placeable() {
  static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "a record store block is aligned for new only");
  return {&T::GetThisClass, sizeof(T), alignof(T), [](void* memory) -> CVDIBase* { return new (memory) T(); }};
}

// Every VDI record class.
constexpr PlaceableClass kRecordClasses[] = {
    placeable<VDIStruct_010>(),
    placeable<VDIStruct_100>(),
    placeable<VDIStruct_110>(),
    placeable<VDIStruct_160>(),
    placeable<VDIStruct_VZ_00>(),
    placeable<VDIStruct_VZ_50>(),
    placeable<VDIStruct_VZ_60>(),
    placeable<VDIStruct_VZ_01>(),
    placeable<VDIStruct_600>(),
    placeable<VDIStruct_610>(),
    placeable<VDIStruct_700>(),
    placeable<VDIStruct_710_01>(),
    placeable<VDIStruct_710_02>(),
    placeable<VDIStruct_710_03>(),
    placeable<VDIStruct_710_04>(),
    placeable<VDIStruct_710_05>(),
    placeable<VDIStruct_710_06>(),
    placeable<VDIStruct_710_07>(),
    placeable<VDIStruct_710_51>(),
    placeable<VDIStruct_710_71>(),
    placeable<VDIStruct_720>(),
    placeable<VDIStruct_720_01>(),
    placeable<VDIStruct_720_02>(),
    placeable<VDIStruct_720_03>(),
    placeable<VDIStruct_720_04>(),
    placeable<VDIStruct_730>(),
    placeable<VDIStruct_800>(),
    placeable<VDIStruct_810>(),
    placeable<VDIStruct_850>(),
    placeable<VDIStruct_860>(),
    placeable<VDIStruct_900>(),
    placeable<VDIStruct_920>(),
    placeable<VDIStruct_960>(),
    placeable<VDIStruct_970>(),
    placeable<VDIStruct_970_01>(),
    placeable<VDIStruct_970_02>(),
    placeable<VDIStruct_970_03>(),
    placeable<VDIStruct_970_04>(),
    placeable<VDIStruct_Err>(),
};

const PlaceableClass* findPlaceable(const CRuntimeClassRecord* record) noexcept {
  for (const PlaceableClass& placeable : kRecordClasses) {
    if (&placeable.record() == record) return &placeable;
  }
  return nullptr;
}

}  // namespace

void RegisterVdiRecordClasses(ClassRegistry& registry) {
  for (const PlaceableClass& placeable : kRecordClasses) registry.add(placeable.record());
}

const CObjectFactory<CVDIBase>& VdiRecordFactory() {
  static const CObjectFactory<CVDIBase> factory(
      [](ClassRegistry& registry) { RegisterVdiRecordClasses(registry); });
  return factory;
}

std::string RecordClassName(std::string_view typeText, int code) {
  static constexpr std::string_view kPrefix = "VDIStruct_";
  if (hydStrUtil::CharCount(typeText) != 3) {
    if ((code >= 16001 && code < 56002 && code % 1000 == 1) || code == 76001) {
      return "VDIStruct_VZ_01";
    }
    const std::size_t point = typeText.find('.');
    const std::string_view afterPoint =
        point == std::string_view::npos ? std::string_view() : typeText.substr(point + 1);
    std::string name(kPrefix);
    name += hydStrUtil::LeftChars(typeText, 3);
    name += '_';
    name += hydStrUtil::LeftChars(afterPoint, 2);
    return name;
  }
  if ((code < 20000 || code >= 56001) && code != 76000) {
    std::string name(kPrefix);
    name += typeText;
    return name;
  }
  switch (code % 10000) {
    case 0:
      return "VDIStruct_VZ_00";
    case 5000:
      return "VDIStruct_VZ_50";
    case 6000:
      return "VDIStruct_VZ_60";
    default:
      return {};
  }
}

namespace record_detail {
namespace {

// The registered classes with their acceptance masks, built once from prototypes: which
// class accepts which is a question of classes only, so asking one instance of each pair
// answers it for all records.
class ClassTable {
 public:
  ClassTable() {
    const CObjectFactory<CVDIBase>& factory = VdiRecordFactory();
    for (const std::string& name : factory.classNames()) {
      const CRuntimeClassRecord* record = factory.find(name);
      std::unique_ptr<CVDIBase> prototype = factory.create(name);
      if (record == nullptr || prototype == nullptr) continue;
      RecordClass entry;
      entry.record = record;
      if (const PlaceableClass* placeable = findPlaceable(record)) {
        entry.size = placeable->size;
        entry.alignment = placeable->alignment;
        entry.constructAt = placeable->constructAt;
      }
      if (classes_.size() < 64) entry.ordinal = static_cast<int>(classes_.size());
      classes_.push_back(entry);
      prototypes_.push_back(std::move(prototype));
    }
    for (RecordClass& entry : classes_) {
      const std::size_t self = static_cast<std::size_t>(&entry - classes_.data());
      entry.accepts = maskFor(*prototypes_[self]);
      if (entry.record == &VDIStruct_Err::GetThisClass()) err_ = &entry;
    }
  }

  std::uint64_t maskFor(const CVDIBase& parent) const {
    std::uint64_t mask = 0;
    for (std::size_t i = 0; i < classes_.size(); ++i) {
      const int bit = classes_[i].ordinal;
      if (bit >= 0 && parent.AcceptsChild(*prototypes_[i])) mask |= std::uint64_t{1} << bit;
    }
    return mask;
  }

  const RecordClass* find(const CRuntimeClassRecord* record) const noexcept {
    for (const RecordClass& entry : classes_) {
      if (entry.record == record) return &entry;
    }
    return nullptr;
  }

  const RecordClass& err() const noexcept { return *err_; }

 private:
  std::vector<RecordClass> classes_;
  std::vector<std::unique_ptr<CVDIBase>> prototypes_;
  const RecordClass* err_ = nullptr;
};

const ClassTable& classTable() {
  static const ClassTable table;
  return table;
}

}  // namespace

const RecordClass& ErrClass() { return classTable().err(); }

const RecordClass* FindRecordClass(const CRuntimeClassRecord* record) noexcept {
  return classTable().find(record);
}

std::uint64_t AcceptMaskOf(const CVDIBase& record) {
  const RecordClass* known = FindRecordClass(record.GetRuntimeClass());
  return known != nullptr ? known->accepts : classTable().maskFor(record);
}

const RecordClass& ClassForType(std::string_view typeText, int code) {
  const std::string name = RecordClassName(typeText, code);
  if (!name.empty()) {
    const RecordClass* found = FindRecordClass(VdiRecordFactory().find(name));
    if (found != nullptr) return *found;
  }
  return ErrClass();
}

std::unique_ptr<CVDIBase> CreateOfClass(const RecordClass& recordClass) noexcept {
  // Only classes recorded below CVDIBase enter the factory, and a recorded base is always a
  // C++ base, so the object the record creates is a CVDIBase.
  std::unique_ptr<CRuntimeObject> object = recordClass.record->createObject();
  return std::unique_ptr<CVDIBase>(static_cast<CVDIBase*>(object.release()));
}

RecordType TypeClassCache::lookup(std::string_view typeText) {
  if (last_ < entries_.size() && entries_[last_].first == typeText) return entries_[last_].second;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].first == typeText) {
      last_ = i;
      return entries_[i].second;
    }
  }
  const int code = RecordCodeOf(typeText);
  const RecordType found{&ClassForType(typeText, code), code, toDouble(typeText, 0.0)};
  // A hostile file may bring endless distinct types; past the bound they are looked up
  // each time instead of growing the cache.
  if (entries_.size() < kMaxEntries) {
    entries_.emplace_back(std::string(typeText), found);
    last_ = entries_.size() - 1;
  }
  return found;
}

}  // namespace record_detail

CVDIBase* CreateRecord(CVDIBase* previous, std::string_view typeText) {
  if (previous == nullptr) return nullptr;
  typeText = hydStrUtil::TrimView(typeText);
  const record_detail::RecordClass& chosen =
      record_detail::ClassForType(typeText, RecordCodeOf(typeText));
  std::unique_ptr<CVDIBase> record = record_detail::CreateOfClass(chosen);
  if (record == nullptr) record = record_detail::CreateOfClass(record_detail::ErrClass());
  if (record == nullptr) return nullptr;
  CVDIBase* parent = previous;
  for (CVDIBase* candidate = previous; candidate != nullptr; candidate = candidate->GetParent()) {
    if (candidate->AcceptsChild(*record)) {
      parent = candidate;
      break;
    }
  }
  record->SetLine(typeText);
  return parent->AppendChild(std::move(record));
}

}  // namespace armakon
