#pragma once
// The factory of VDI record classes and the choice of a record's class by its type.
//
// Class choice for a trimmed type text t with code c (100 x its value):
//  - t of 3 characters: for c below 20000 or from 56001 up (except 760): "VDIStruct_" + t;
//    in between by c mod 10000: 0 -> VDIStruct_VZ_00, 5000 -> VDIStruct_VZ_50,
//    6000 -> VDIStruct_VZ_60 (and 760 too), anything else no class;
//  - any other length (a sub-type): 160.01 ... 560.01 (c mod 1000 = 1) and 760.01 ->
//    VDIStruct_VZ_01, otherwise "VDIStruct_" + the first three characters + "_" + the two
//    characters after the point (710.01 -> VDIStruct_710_01);
//  - a name the registry does not know (710.1, 255.01, 970.05, 210) -> VDIStruct_Err.
//
// The parser meets the same few type texts again and again; it keeps the answers in a
// TypeClassCache, so a line costs no number parsing, class-name building or registry lookup.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "armakon/components/ObjectFactory.h"
#include "armakon/vdi3805/CVDIBase.h"

namespace armakon {

// The library's factory of VDI record classes (filled on first lookup).
const CObjectFactory<CVDIBase>& VdiRecordFactory();
// Adds every VDI record class to a registry (the factory's registration function).
void RegisterVdiRecordClasses(ClassRegistry& registry);

// The class name the type text asks for; empty when it asks for none.
std::string RecordClassName(std::string_view typeText, int code);

namespace record_detail {

// A record class with its place in the acceptance table.
struct RecordClass {
  const CRuntimeClassRecord* record = nullptr;
  int ordinal = -1;             // bit of the class in acceptance masks (-1: none)
  std::uint64_t accepts = 0;    // bits of the classes it accepts as children
  // Building a record of the class in given memory of the size and alignment (null for a
  // class that cannot be built that way).
  std::size_t size = 0;
  std::size_t alignment = 0;
  CVDIBase* (*constructAt)(void* memory) = nullptr;
};

// The class chosen for a type text (never null: VDIStruct_Err when nothing else).
const RecordClass& ClassForType(std::string_view typeText, int code);
// The entry of a registered class; null for a class outside the factory (the document).
const RecordClass* FindRecordClass(const CRuntimeClassRecord* record) noexcept;
// Bits of the registered classes that the record accepts as children.
std::uint64_t AcceptMaskOf(const CVDIBase& record);
// A new record of the class; null when it cannot be created.
std::unique_ptr<CVDIBase> CreateOfClass(const RecordClass& recordClass) noexcept;
const RecordClass& ErrClass();

// What a type text tells: its record class, its code and its number.
struct RecordType {
  const RecordClass* recordClass = nullptr;  // never null
  int code = 0;                              // RecordCodeOf the text
  double value = 0.0;                        // the text read as a number (0 for none)
};

// Remembers what the type texts met so far tell (a few dozen in a real file).
class TypeClassCache {
 public:
  RecordType lookup(std::string_view typeText);

 private:
  static constexpr std::size_t kMaxEntries = 128;
  std::vector<std::pair<std::string, RecordType>> entries_;
  std::size_t last_ = 0;
};

}  // namespace record_detail
}  // namespace armakon
