#pragma once
// CVDIBase: one record of a VDI 3805 file, a node of the record tree.
//
// A VDI 3805 file holds one record per line, fields separated by ';'. Field 1 is the record
// type ("Satzart": 010, 700, or a sub-type such as 710.01), field 2 the record's index. The
// record code is the integer nearest to 100 x the type (700 -> 70000, 710.01 -> 71001); every
// comparison of record types uses it. The lines of a file become a tree: the document
// (CVDIDoc) is the root, every record class says which kinds of records may hang below it
// (AcceptsChild), and a record that no ancestor accepts hangs below the record before it.
//
// Ownership: a record owns its children (in file order); the parent link is a plain pointer.
// Trees can be as deep as a file makes them (a file can chain every record below the one
// before), so destruction and every walk here are iterative, never recursive. Records built
// by the parser in a document's record store must only ever be attached by the parser.
//
// Document hooks (how this layer knows the document without depending on it): the
// document class CVDIDoc derives from CVDIBase, records its runtime class as
// ARMAKON_RUNTIME_CLASS(CVDIDoc, CVDIBase), and overrides
//   const CVDIDoc* AsDocument() const noexcept  -> this
//   bool IsOldFormat() const noexcept           -> its old-layout (1996, *.TGA) flag
// Every other record answers null / false. GetDocument and the old-layout field mapping of
// GetField rely on these two, so they must not depend on anything but the document itself.
//
// AcceptsChild must depend only on the classes of the two records (never on their lines or
// positions): the parser caches the answers per pair of classes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/RuntimeClass.h"
#include "armakon/components/hydStrUtil.h"

namespace armakon {

class CVDIBase;
class CVDIDoc;
class RecordStore;

// Takes a record down: a record built in a document's record store is only destroyed (the
// store gives its memory back as a whole), any other is deleted. Plain owners of records
// convert to it.
struct RecordDeleter {
  RecordDeleter() noexcept = default;
  template <class T>
  RecordDeleter(std::default_delete<T>) noexcept {}
  void operator()(CVDIBase* record) const noexcept;
};
using RecordPtr = std::unique_ptr<CVDIBase, RecordDeleter>;

// One entry of a record's list of children: the child, which the record owns. Reads like the
// owning pointer it stands for (child->GetLine(), child.get()).
struct ChildLink {
  CVDIBase* record;
  CVDIBase* get() const noexcept { return record; }
  CVDIBase* operator->() const noexcept { return record; }
  CVDIBase& operator*() const noexcept { return *record; }
};

class CVDIBase : public CRuntimeObject {
  ARMAKON_RUNTIME_CLASS(CVDIBase, CRuntimeObject)

 public:
  // The children in file order, indexed; valid until a child is added or removed.
  using Children = std::span<const ChildLink>;

  CVDIBase() = default;
  CVDIBase(const CVDIBase&) = delete;
  CVDIBase& operator=(const CVDIBase&) = delete;
  // Destroys the subtree without recursion.
  ~CVDIBase() override;

  // ---- Virtual slots ----------------------------------------------------------------------

  // Field number n of the current layout in the old (1996) layout, or -1 when the old
  // layout has no such field. Default: n unchanged.
  virtual int MapFieldNumber(int n) const;

  // Builds the tree below this record from the lines (the list is consumed): each non-empty
  // line becomes a record placed by CreateRecord, starting at this record. skipDetail leaves
  // out 970.02 and every type above it, and with oldFormat also 720 and its sub-types.
  // False only when a record could not be created (the lines read so far stay in the tree).
  virtual bool ParseLines(StringList& lines, bool skipDetail, bool oldFormat);

  // Appends this record's line, then the lines of the subtree in file order (pre-order).
  virtual void AppendLines(StringList& list) const;

  // Whether a record of the given kind may hang directly below this one. Default: false.
  virtual bool AcceptsChild(const CVDIBase& record) const;

  // Document hooks (see the file comment). IsDocumentRoot follows AsDocument; only a
  // stand-in root without the document class (tests) overrides it.
  virtual const CVDIDoc* AsDocument() const noexcept { return nullptr; }
  virtual bool IsOldFormat() const noexcept { return false; }
  virtual bool IsDocumentRoot() const noexcept { return AsDocument() != nullptr; }
  // Where the parser builds the records below this record, and keeps their lines, when this
  // is the root of their tree; null (the default): each record and line on its own.
  virtual RecordStore* GetRecordStore() noexcept { return nullptr; }

  // ---- Line, code and tree ------------------------------------------------------------

  // The whole trimmed line ("CVDIDoc" for the document). Valid until the line is set again
  // or the record dies.
  std::string_view GetLine() const noexcept { return {text(), m_lineSize & kLineSizeMask}; }
  // Sets the line and the code taken from its field 1. Lines longer than kMaxLineSize
  // bytes are cut there (no VDI line comes near it). False, with the line left as it was,
  // when no memory was left for it.
  bool SetLine(std::string_view line);
  static constexpr std::size_t kMaxLineSize = 0x1FFFFFFFu;
  // 100 x record type, rounded (0 for a field 1 that is no number).
  int GetCode() const noexcept { return m_code; }

  CVDIBase* GetParent() const noexcept { return m_parent; }
  // The document root above the record (itself when it is one), or null. The parent's list
  // of children names it, so asking costs no walk up the tree.
  const CVDIBase* GetDocumentRoot() const noexcept {
    if (IsDocumentRoot()) return this;
    return m_parent != nullptr ? m_parent->m_body.children->documentRoot : nullptr;
  }
  std::size_t GetChildCount() const noexcept { return hasChildList() ? m_body.children->count : 0; }
  // std::invalid_argument when index >= GetChildCount().
  CVDIBase* GetChild(std::size_t index) const;
  Children GetChildren() const noexcept {
    return hasChildList() ? Children(m_body.children->links(), m_body.children->count) : Children();
  }

  // Appends the record (not null) as the last child and sets its parent; returns it.
  CVDIBase* AppendChild(RecordPtr child);
  // Destroys every record below this one (iteratively).
  void RemoveAllChildren() noexcept;

 private:
  friend class RecordTreeBuilder;
  friend struct RecordDeleter;

  // The list of children: this header, then the links. While children may still be added it
  // lies on its own on the heap with room to grow (capacity links). The parser moves it,
  // exactly sized, into the record store once the record can get no more children
  // (capacity 0: the store's, not ours); adding a child later moves it back to the heap.
  // A child's document root is the one its parent's list names, and the list keeps its
  // owner's line, so the record itself needs a field for neither.
  struct ChildList {
    std::uint32_t count;
    std::uint32_t capacity;
    const CVDIBase* documentRoot;  // of the record owning the list (itself for a root)
    const char* text;              // the owner's line
    static constexpr std::size_t bytesFor(std::size_t links) noexcept {
      return sizeof(ChildList) + links * sizeof(ChildLink);
    }
    ChildLink* links() noexcept { return reinterpret_cast<ChildLink*>(this + 1); }
    const ChildLink* links() const noexcept { return reinterpret_cast<const ChildLink*>(this + 1); }
  };

  // Line and code together (the parser has computed the code already).
  bool SetLineWithCode(std::string_view line, int code) noexcept;
  // Line (kept in the record store of the tree's root, not owned) and code.
  void SetStoredLine(const char* text, std::size_t size, int code) noexcept;
  void releaseLine() noexcept;
  // Adds the link to the list of children, growing it (on the heap) when it is full.
  void appendLink(CVDIBase* child);
  // Moves a list that still lies on the heap into the store; when the store has no room left
  // the list stays where it is, whole.
  void moveChildrenInto(RecordStore& store) noexcept;
  void releaseChildren() noexcept;

  bool hasChildList() const noexcept { return (m_lineSize & kHasChildList) != 0; }
  const char* text() const noexcept { return hasChildList() ? m_body.children->text : m_body.text; }
  const char*& textSlot() noexcept { return hasChildList() ? m_body.children->text : m_body.text; }

  // A catalog holds hundreds of thousands of records, so a record is kept small: the line
  // is an exact-size buffer rather than a std::string, and the list of children exists only
  // for a record that has some (most records have none); the record points either to its
  // line or to its list, which points to the line. The object is 32 bytes. The records of a
  // parsed document, their lines and their lists of children lie in the document's record
  // store.
  // Flags kept in m_lineSize next to the size.
  static constexpr std::uint32_t kOwnsLine = 0x80000000u;      // the line is ours
  static constexpr std::uint32_t kInStore = 0x40000000u;       // the object lies in a record store
  static constexpr std::uint32_t kHasChildList = 0x20000000u;  // m_body holds the list of children
  static constexpr std::uint32_t kLineSizeMask = 0x1FFFFFFFu;
  union Body {
    const char* text;
    ChildList* children;
  };
  CVDIBase* m_parent = nullptr;
  Body m_body{nullptr};
  std::uint32_t m_lineSize = 0;  // size and flags
  int m_code = 0;
};

// ---- Codes and fields -------------------------------------------------------------------

// The record code of a type text: the integer nearest to 100 x its value (the numeric
// prefix; 0 for no number); saturated at the int range.
int RecordCodeOf(std::string_view typeText) noexcept;

// Field n (1-based) of the record's line, trimmed; empty for n < 1, for an empty line, for a
// line with fewer than n-1 separators, and for a null record. Unless raw is set, n goes
// through the record's MapFieldNumber first when its document is of the old layout; a
// mapped number below 1 gives empty text. The view points into the record's line.
std::string_view GetFieldView(const CVDIBase* record, int n, bool raw = false);
std::string GetField(const CVDIBase* record, int n, bool raw = false);
// As GetFieldView with the layout given by the caller (oldLayout: map through
// MapFieldNumber), which spares the walk to the document when reading many records of one
// document.
std::string_view GetFieldViewInLayout(const CVDIBase* record, int n, bool oldLayout);
// The document root of the record (the record whose IsDocumentRoot() is true), or null.
const CVDIBase* DocumentRootOf(const CVDIBase* record) noexcept;
// Whether the record belongs to a document of the old (1996) layout.
bool InOldLayout(const CVDIBase* record) noexcept;

// ---- Tree queries (all iterative) -------------------------------------------------------

// The nearest ancestor-or-self that is the document; null when there is none.
const CVDIDoc* GetDocument(const CVDIBase* record) noexcept;
CVDIDoc* GetDocument(CVDIBase* record) noexcept;

// The nearest ancestor-or-self whose class is exactly the given one; null when none.
const CVDIBase* FindAncestorOfKind(const CVDIBase* record, const CRuntimeClassRecord& kind) noexcept;
CVDIBase* FindAncestorOfKind(CVDIBase* record, const CRuntimeClassRecord& kind) noexcept;
template <class T>
const T* FindAncestorOfKind(const CVDIBase* record) noexcept {
  return static_cast<const T*>(FindAncestorOfKind(record, T::GetThisClass()));
}
template <class T>
T* FindAncestorOfKind(CVDIBase* record) noexcept {
  return static_cast<T*>(FindAncestorOfKind(record, T::GetThisClass()));
}

// Depth-first pre-order search from start (itself first) for a record with the given code
// (100 x type: 70000 for 700) and, for an index other than 0, field 2 read as an integer
// equal to index. depth -1: unlimited; otherwise start is level 0 and the search goes down
// to level `depth`. Null when none.
const CVDIBase* FindRecord(const CVDIBase* start, int code, int index = 0, int depth = -1);
CVDIBase* FindRecord(CVDIBase* start, int code, int index = 0, int depth = -1);

// Appends every record below start (start itself excluded) with the given code, pre-order.
void CollectRecords(const CVDIBase* start, int code, std::vector<const CVDIBase*>& out);
void CollectRecords(CVDIBase* start, int code, std::vector<CVDIBase*>& out);

// "[Satzart;Index;]" followed by " -> type;index;" for each record from the topmost one
// below the document down to the record itself. Real files nest some seven levels; a path
// of more than kMaxRecordPathLevels records (only a damaged file chains that deep) keeps
// the nearest ones and shows " -> ..." for the rest, so a message stays readable and small.
inline constexpr int kMaxRecordPathLevels = 32;
std::string RecordPath(const CVDIBase* record);

// ---- Building --------------------------------------------------------------------------

// Creates the record for a trimmed type text (class chosen by the type, VDIStruct_Err for a
// type without a class of its own), places it below the nearest ancestor-or-self of
// `previous` that accepts it (below `previous` when none does), and returns it. Its line is
// the type text until the caller sets the whole line. Null when previous is null.
CVDIBase* CreateRecord(CVDIBase* previous, std::string_view typeText);

// ---- References of product records (type 800) --------------------------------------------

// The records that a product record's TGA number references (resolved on the first call;
// problems are filed in the report list), filtered: for a type of 160, 200, 250, 260, 300,
// 350, 360, 400, 450, 460, 500, 550, 560, 700 or 760 (or that type x 100) the records of
// that type, for 0 all of them, for anything else none. Nothing for a record that is no
// product record. Appends to out in the order of resolution.
void GetReferencedRecords(const CVDIBase* product, int type, std::vector<const CVDIBase*>& out);

// The technical data (700) of a record: for a product record the first 700 it references,
// for a 700 the record itself, otherwise null.
const CVDIBase* GetTechnicalData(const CVDIBase* record);

}  // namespace armakon
