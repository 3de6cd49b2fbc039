#pragma once
// The text syntax of tree files (described in TreeFile.h): rendering and parsing.

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
std::unique_ptr<CNode> parseTreeText(std::string_view text, char sep);

}  // namespace armakon
