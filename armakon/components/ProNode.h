#pragma once
// Attribute tree: named nodes holding named text attributes and child nodes, and its
// sectioned text form. The valve containers keep their global list in it: one child
// "Armature" per entry, whose attribute "Header" holds the entry's whole text.
//
// Text form
// ---------
// Lines end with CR LF. Only the pair CR LF ends a line; a bare CR or a bare LF is an ordinary
// character of a value (an entry text joins its header line and its model text with a bare LF
// and so stays on one line). A node is written as
//
//   [Name]                 opening line
//   Attr:value             one line per attribute, in insertion order
//   ...                    the children, each written the same way, in insertion order
//   [ENDE_Name]            closing line, naming the node it closes
//
// Attributes are written before the children; the two lists each keep their order.
//
// Names. Any byte string is a name. In the text the bytes % : = [ ] CR LF are written as %XX
// (two upper-case hex digits), and so is the first letter of a name that begins with
// "ENDE_", so that an opening line never reads as a closing one. Reading accepts %XX in either
// case and rejects a '%' without two hex digits.
//
// Values. "Attr:value" keeps the value verbatim. The value runs to the end of the line and
// goes on over the following lines up to the next item line; the line breaks between them
// belong to the value. Item lines are:
//   - "[x]" and "[ENDE_x]" where x is a well-formed name as above;
//   - "x:..." and "x=..." where x, the text before the first ':' or '=', is a well-formed name.
// Every other line (an empty one, "- see above", "[a[b]", "a\nb:c" with a bare LF) continues
// the value. Hence a section built by hand as "[Armature]\r\nHeader:" + text +
// "\r\n[ENDE_Armature]" reads with text unchanged whenever none of its CR LF separated lines
// after the first is an item line; an entry text holds CR LF only where its key or group
// name does.
//
// A value with such a line (say "a\r\n[X]\r\nb") cannot stay verbatim; it is written on one
// line as "Attr=encoded", where \ is written as \\, CR as \r and LF as \n. An encoded value
// never continues on the next line.
//
// Reading is strict: the text must start with an opening line and end with the matching
// closing line of that node (one CR LF may follow); every closing line must name the node it
// closes; a line that is no item line and follows no verbatim attribute, a malformed name or
// a bad escape in an encoded value reject the whole text. Reading and writing are iterative,
// so any depth is fine, and the tree read grows only in proportion to the text.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "armakon/components/ProAtt.h"

namespace armakon {

class CProNodeBase {
 public:
  explicit CProNodeBase(std::string name);
  // Deletes the subtree without recursion, so trees of any depth may be destroyed.
  ~CProNodeBase();
  CProNodeBase(const CProNodeBase&) = delete;
  CProNodeBase& operator=(const CProNodeBase&) = delete;

  const std::string& getName() const { return name_; }
  CProNodeBase* getParent() const { return parent_; }

  // Appends a new child with the given name and returns it; the node owns it.
  CProNodeBase* AddChild(std::string name);
  // Takes over a node (as parsed by ReadFromString) as the last child and returns it. A null
  // node, or one that holds this node itself, is refused: the result is null and child keeps
  // its node. The check walks up to the root, so it costs the depth of this node.
  CProNodeBase* AddChild(std::unique_ptr<CProNodeBase>&& child);
  // Appends a new attribute and returns it; the node owns it. Names may repeat.
  CProAttBase* AddAttr(std::string name, std::string value);

  // The first child of that name after the child after (null: from the first child), or null.
  // Passing each result back as after walks all children of that name; a node that is not a
  // child of this one gives null.
  CProNodeBase* findChild(std::string_view name, const CProNodeBase* after = nullptr);
  const CProNodeBase* findChild(std::string_view name, const CProNodeBase* after = nullptr) const;
  // The same walk over the attributes.
  CProAttBase* findAttr(std::string_view name, const CProAttBase* after = nullptr);
  const CProAttBase* findAttr(std::string_view name, const CProAttBase* after = nullptr) const;

  // Indexed access in insertion order; an index outside the list throws std::invalid_argument.
  std::size_t getChildCount() const { return children_.size(); }
  CProNodeBase* getChild(std::size_t index);
  const CProNodeBase* getChild(std::size_t index) const;
  std::size_t getAttrCount() const { return attributes_.size(); }
  CProAttBase* getAttr(std::size_t index);
  const CProAttBase* getAttr(std::size_t index) const;

  // Same names, attributes (names and values, in order) and children, all the way down.
  bool isEqualTo(const CProNodeBase& other) const;

  // Writes the subtree in the text form above. append false replaces the buffer's content,
  // true appends to it; finalLineBreak true ends the closing line with CR LF too, false leaves
  // it without one (the form in which the containers build their sections by hand). Always
  // true.
  bool WriteToString(std::string& buffer, bool append = false, bool finalLineBreak = false) const;

  // Reads one node from text, starting at byte startOffset. The node must end the text
  // (one CR LF may follow) unless allowTrailing is true, in which case whatever follows its
  // closing line is ignored. Null on malformed text or an offset outside the text.
  static std::unique_ptr<CProNodeBase> ReadFromString(std::string_view text, int startOffset = 0,
                                                      bool allowTrailing = false);

 private:
  std::string name_;
  CProNodeBase* parent_ = nullptr;
  std::size_t index_ = 0;  // position in the parent's child list
  std::vector<std::unique_ptr<CProNodeBase>> children_;
  std::vector<std::unique_ptr<CProAttBase>> attributes_;
};

}  // namespace armakon
