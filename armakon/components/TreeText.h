#pragma once
// The text syntax of tree files (described in TreeFile.h): rendering and parsing.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace armakon {

class CNode;

// Separators usable in the syntax: ASCII punctuation other than the backslash.
bool isTreeSeparator(char sep);

struct TreeTextLayout {
  bool crlf = false;
  bool indent = true;
  bool finalLineBreak = true;
  int firstLevel = 0;
  char separator = ':';
};

// Appends the text of node and its subtree to out; false (out unchanged) for an unusable
// separator.
bool renderTreeText(const CNode& node, const TreeTextLayout& layout, std::string& out);

// Parses a text holding one node; null when it is malformed or sep is unusable.
//
// takeRootChild, when given, sees each child node of the root as soon as its closing line is
// read, for readers that take a large file one part at a time. Returning true takes the child:
// it is then dropped from the root, and its items are reused for the children that follow. A
// reader that took children must still drop what it made of them when the result is null: a
// malformed line may come after them.
std::unique_ptr<CNode> parseTreeText(std::string_view text, char sep,
                                     const std::function<bool(const CNode&)>& takeRootChild = {});

}  // namespace armakon
