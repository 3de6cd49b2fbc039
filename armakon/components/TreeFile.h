#pragma once
// Tree files: named nodes holding named leaves and child nodes, each leaf a list of values,
// stored as a line-oriented UTF-8 text. Valve-model files, the container text of a valve
// model and pump files are such trees.
//
// Syntax
// ------
//   Modell {
//     VER = 3
//     X = 201:0:Muster GmbH:C\:\\Daten\\a.vam::20240101
//     Y =
//     ARM {
//       AD = Gewinde; Messing
//     }
//   }
//
// * A text holds exactly one node: the root. Blank lines may stand anywhere.
// * `name {` opens a node, `}` alone on its line closes the innermost open one. Every item
//   line of a node stands between these two lines, in the node's item order.
// * `name = values` is a leaf; its values are separated by the separator (':' in every file
//   of this library). Nothing after '=' means a leaf without values; `\e` stands for one
//   empty value where nothing else would be written.
// * Blanks and tabs at the start and end of a line, around '=' and before '{' are layout.
//   Lines end with "\n" or "\r\n"; a UTF-8 byte order mark at the start is skipped.
// * Escapes, allowed in names and values:
//     \\  backslash        \n  line feed     \r  carriage return   \t  tab
//     \s  blank            \e  nothing       \xHH  the byte HH (two hex digits)
//     \ followed by any other ASCII punctuation character: that character.
//   A backslash before anything else (letters, digits, blanks, end of line) is an error.
//   Writing escapes the backslash, control characters, '=', '{' and '}' in names, a leading
//   '[' of a name, the first byte of a byte order mark that starts a name, the separator in
//   values, and blanks at the start or end of a name or of a leaf's value text. Every other byte, UTF-8 included, is written as it is, so any name
//   and any value reads back exactly.
// * Malformed text is refused as a whole: a line that is neither of the three kinds, a bad
//   escape, text after '{', an item outside the root, a second root, an unmatched '}' or a
//   node left open at the end.
//
// Reading never recurses and builds nothing larger than a constant times the input.

#include <filesystem>
#include <memory>
#include <string>

#include "armakon/components/TreeItem.h"
#include "armakon/components/TreeLeaf.h"
#include "armakon/components/TreeNode.h"

namespace armakon {

// Reading entry points in the form the callers know; they return 1 on success, 0 otherwise.
// The mode arguments are accepted for the callers' sake and have no effect.
class TreeItems {
 public:
  // Reads a tree file into a new root.
  static int ReadFromFile(const std::filesystem::path& path, std::unique_ptr<CNode>& root,
                          int mode = 1, char sep = ':');
  // Reads a tree file into the given node (name and items replaced; unchanged on failure).
  static int ReadFromFile(const std::filesystem::path& path, CNode* into, int mode = 1, char sep = ':');
  // Parses a text into the given node (name and items replaced; unchanged on failure).
  static int ReadFromString(const std::string& text, CNode* into, int mode = 0, char sep = ':');
  // Parses a text into a new root.
  static int ReadFromString(const std::string& text, std::unique_ptr<CNode>& root, int mode = 0,
                            char sep = ':');
};

}  // namespace armakon
