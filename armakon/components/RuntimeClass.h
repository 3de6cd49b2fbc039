#pragma once
// Runtime class records: creation by class name and kind-of tests.
//
// Valve objects are read back from files by their class name, and VDI records are created
// from the record type of a line, so both object trees need a record per class that knows
// the class name, how to make a default-constructed instance and which class it counts as
// derived from. That "recorded base" is part of the domain data and is not always the
// direct C++ base: a differential-pressure regulator derives from the plain valve variant
// in C++ but is recorded below the object root, so a kind-of test for "plain variant" says
// no. Kind-of tests therefore follow the recorded links, never dynamic_cast.
//
// A class joins with one line in its body, naming its recorded base explicitly:
//
//   class hydArmaturDDR : public hydArmatur {
//     ARMAKON_RUNTIME_CLASS(hydArmaturDDR, hydArmaturObject)
//    public:
//     ...
//   };
//
// The macro declares GetThisClass() and desc() (both return the class's record) and
// overrides GetRuntimeClass(); it leaves the access at public. The recorded base must be a
// C++ base of the class (checked at compile time), so an object found to be of a recorded
// kind can always be converted to that class. A class that is abstract or has no public
// default constructor gets a record without a creation function.

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string_view>
#include <type_traits>

namespace armakon {

class CRuntimeObject;

class CRuntimeClassRecord {
 public:
  using Creator = std::unique_ptr<CRuntimeObject> (*)();

  constexpr CRuntimeClassRecord(std::string_view className, Creator creator,
                                const CRuntimeClassRecord* recordedBase) noexcept
      : className_(className), creator_(creator), recordedBase_(recordedBase) {}

  // A record stands for its class by its address; copies would break kind-of tests.
  CRuntimeClassRecord(const CRuntimeClassRecord&) = delete;
  CRuntimeClassRecord& operator=(const CRuntimeClassRecord&) = delete;

  std::string_view className() const noexcept { return className_; }
  const CRuntimeClassRecord* recordedBase() const noexcept { return recordedBase_; }
  bool canCreate() const noexcept { return creator_ != nullptr; }

  // A new default-constructed object of this class; null when the class cannot be created
  // (abstract, no default constructor) or the construction failed.
  std::unique_ptr<CRuntimeObject> createObject() const noexcept;

  // True when `other` is this record or is reached by following the recorded base links.
  bool isDerivedFrom(const CRuntimeClassRecord& other) const noexcept;
  bool isDerivedFrom(const CRuntimeClassRecord* other) const noexcept {
    return other != nullptr && isDerivedFrom(*other);
  }

 private:
  std::string_view className_;
  Creator creator_;
  const CRuntimeClassRecord* recordedBase_;
};

// The root of every dynamically creatable object. Besides the runtime class it carries the
// three operations every framework object has (serialisation, validity check, diagnostic
// dump); the object trees persist and check themselves through their own operations, so
// here they do nothing.
class CRuntimeObject {
 public:
  CRuntimeObject() = default;
  CRuntimeObject(const CRuntimeObject&) = default;
  CRuntimeObject& operator=(const CRuntimeObject&) = default;

  static const CRuntimeClassRecord& GetThisClass() noexcept;
  static const CRuntimeClassRecord& desc() noexcept { return GetThisClass(); }

  virtual const CRuntimeClassRecord* GetRuntimeClass() const noexcept;
  virtual ~CRuntimeObject() = default;
  virtual void Serialize(std::ostream& archive) const;
  virtual void AssertValid() const;
  virtual void Dump(std::ostream& context) const;

  // Kind-of test by the recorded links: true for the object's own class and every class
  // recorded above it; false for an object without a runtime class.
  // (Inline for the usual answer, the object's own class: the sizing searches test every
  // variant they walk.)
  bool IsKindOf(const CRuntimeClassRecord& record) const noexcept {
    const CRuntimeClassRecord* own = GetRuntimeClass();
    return own == &record || (own != nullptr && own->isDerivedFrom(record));
  }
};

namespace runtime_detail {

template <class T>
std::unique_ptr<CRuntimeObject> createDefault() noexcept {
  try {
    return std::make_unique<T>();
  } catch (...) {
    return nullptr;
  }
}

template <class T>
constexpr CRuntimeClassRecord::Creator creatorFor() noexcept {
  if constexpr (std::is_abstract_v<T> || !std::is_default_constructible_v<T>) {
    return nullptr;
  } else {
    return &createDefault<T>;
  }
}

}  // namespace runtime_detail
}  // namespace armakon

// One line in a class body gives the class its runtime class record (see the file comment).
#define ARMAKON_RUNTIME_CLASS(ClassName, RecordedBase)                                    \
 public:                                                                                  \
  static const ::armakon::CRuntimeClassRecord& GetThisClass() noexcept {                  \
    static_assert(::std::is_base_of_v<RecordedBase, ClassName>,                           \
                  "the recorded base of " #ClassName " must be one of its C++ bases");    \
    static_assert(!::std::is_same_v<RecordedBase, ClassName>,                             \
                  #ClassName " cannot be recorded as its own base");                      \
    static const ::armakon::CRuntimeClassRecord record(                                   \
        #ClassName, ::armakon::runtime_detail::creatorFor<ClassName>(),                   \
        &RecordedBase::GetThisClass());                                                   \
    return record;                                                                        \
  }                                                                                       \
  static const ::armakon::CRuntimeClassRecord& desc() noexcept { return GetThisClass(); } \
  const ::armakon::CRuntimeClassRecord* GetRuntimeClass() const noexcept override {       \
    return &GetThisClass();                                                               \
  }
