#include "armakon/components/TreeText.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "armakon/components/ByteSearch.h"
#include "armakon/components/TreeItemSpares.h"
#include "armakon/components/TreeNode.h"

namespace armakon {

namespace {

// Indentation is layout only; beyond this depth lines stay at the same column, so writing a
// very deep tree stays linear in its size.
constexpr std::size_t kMaxIndentLevels = 32;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isAsciiPunct(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') || (c >= '{' && c <= '~');
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Writes a byte as an escape: \n, \r, \t or \xHH.
void appendControl(std::string& out, unsigned char c) {
  switch (c) {
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: {
      static const char digits[] = "0123456789ABCDEF";
      out += "\\x";
      out += digits[c >> 4];
      out += digits[c & 0x0F];
    }
  }
}

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void appendName(std::string& out, std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool atEdge = i == 0 || i + 1 == name.size();
    if (i == 0 && name.starts_with(kByteOrderMark)) {
      // Written raw, a name's leading byte order mark would be skipped as the text's own
      // when the name opens the text.
      appendControl(out, static_cast<unsigned char>(c));
    } else if (c == ' ' && atEdge) {
      out += "\\s";
    } else if (c == '\\' || c == '=' || c == '{' || c == '}' || (c == '[' && i == 0)) {
      out += '\\';
      out += c;
    } else if (isControl(static_cast<unsigned char>(c))) {
      appendControl(out, static_cast<unsigned char>(c));
    } else {
      out += c;
    }
  }
}

// The bytes a value cannot hold as they are: the backslash, the control characters and, within
// one value, the separator. Values make up most of a file: they are looked at eight bytes at a
// time, and byte by byte only where an escape is near.
class ValueEscapes {
 public:
  ValueEscapes(char sep, bool withinValue) : sep_(sep), withinValue_(withinValue) {
    for (int c = 0; c < 256; ++c) escaped_[c] = isControl(static_cast<unsigned char>(c));
    escaped_[static_cast<unsigned char>('\\')] = true;
    if (withinValue) escaped_[static_cast<unsigned char>(sep)] = true;
  }
  bool operator()(char c) const { return escaped_[static_cast<unsigned char>(c)]; }
  bool anyIn(std::uint64_t eightBytes) const {
    std::uint64_t marked = bytesearch::bytesBelow(eightBytes, 0x20) | bytesearch::bytesEqualTo(eightBytes, '\x7F') |
                           bytesearch::bytesEqualTo(eightBytes, '\\');
    if (withinValue_) marked |= bytesearch::bytesEqualTo(eightBytes, sep_);
    return marked != 0;
  }

 private:
  char sep_;
  bool withinValue_;
  bool escaped_[256];
};

// Writes one value; values mostly need no escape and are copied in runs between escapes. A
// blank is escaped only at the very start or end of the leaf's value text.
void appendValue(std::string& out, std::string_view value, char sep, const ValueEscapes& escaped, bool first,
                 bool last) {
  if (first && value.starts_with(' ')) {
    out += "\\s";
    value.remove_prefix(1);
  }
  const bool blankAtEnd = last && value.ends_with(' ');
  if (blankAtEnd) value.remove_suffix(1);
  std::size_t run = 0;
  for (std::size_t i = 0; i < value.size();) {
    if (i + 8 <= value.size() && !escaped.anyIn(bytesearch::eightBytesAt(value.data() + i))) {
      i += 8;
      continue;
    }
    const char c = value[i++];
    if (!escaped(c)) continue;
    out.append(value.substr(run, i - 1 - run));
    run = i;
    if (c == '\\' || c == sep) {
      out += '\\';
      out += c;
    } else {
      appendControl(out, static_cast<unsigned char>(c));
    }
  }
  out.append(value.substr(run));
  if (blankAtEnd) out += "\\s";
}

struct ValueEscaping {
  explicit ValueEscaping(char sep) : withinValue(sep, true), acrossValues(sep, false) {}
  ValueEscapes withinValue;
  ValueEscapes acrossValues;  // for a joined text whose separators all cut values
};

void appendValues(std::string& out, const CLeaf& leaf, char sep, const ValueEscaping& escaping) {
  // Mostly the leaf's joined text holds the values cut at the file's separator: it is written
  // in one piece, its separators as they stand.
  if (const std::string* joined = leaf.TextCutAt(sep)) {
    if (joined->empty()) {
      out += "\\e";  // the one empty value
    } else {
      appendValue(out, *joined, sep, escaping.acrossValues, true, true);
    }
    return;
  }
  CLeaf::ValueWalk values = leaf.Values();
  std::string_view value;
  for (bool first = true; values.next(value); first = false) {
    const bool last = values.remaining() == 0;
    if (first && last && value.empty()) {
      out += "\\e";
      return;
    }
    if (!first) out += sep;
    appendValue(out, value, sep, escaping.withinValue, first, last);
  }
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Replaces out by the text with its escapes resolved; false for a bad escape. A blank cannot
// be escaped by a backslash, so trimming raw blanks off a token before this never eats an
// escaped one.
bool unescape(std::string_view text, std::string& out) {
  out.clear();
  // Most names and values hold no escape: they are copied in runs between backslashes.
  for (std::size_t start = 0;;) {
    const std::size_t slash = text.find('\\', start);
    out.append(text.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start));
    if (slash == std::string_view::npos) return true;
    std::size_t i = slash + 1;
    if (i >= text.size()) return false;
    const char e = text[i];
    switch (e) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 's': out += ' '; break;
      case 'e': break;
      case 'x': {
        if (i + 2 >= text.size()) return false;
        const int high = hexDigit(text[i + 1]);
        const int low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default:
        if (!isAsciiPunct(e)) return false;
        out += e;
    }
    start = i + 1;
  }
}

// Position of the first unescaped character among the given ones at or after from, or npos.
std::size_t findUnescaped(std::string_view text, std::size_t from, char a, char b) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == a || text[i] == b) {
      return i;
    }
  }
  return std::string_view::npos;
}

// True when the character at pos is escaped: an odd run of backslashes stands right before it
// (each backslash escapes the next character, so a pair is one escaped backslash).
bool isEscapedAt(std::string_view text, std::size_t from, std::size_t pos) {
  std::size_t slashes = 0;
  while (pos > from + slashes && text[pos - slashes - 1] == '\\') ++slashes;
  return slashes % 2 == 1;
}

// Fills the leaf with the values of the text, cut at every unescaped separator. A text
// without any backslash, by far the most common, holds neither escapes nor escaped
// separators: it is the leaf's joined text as it stands.
bool fillValues(std::string_view text, char sep, bool hasEscapes, std::string& value, CLeaf& leaf) {
  if (!hasEscapes) {
    leaf.SetText(text, sep);
    return true;
  }
  leaf.SetText({}, sep);
  if (text.empty()) return true;
  for (std::size_t start = 0;;) {
    std::size_t end = text.find(sep, start);
    while (end != std::string_view::npos && isEscapedAt(text, start, end)) end = text.find(sep, end + 1);
    if (!unescape(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start), value)) {
      return false;
    }
    leaf.AddValue(value);
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

}  // namespace

bool isTreeSeparator(char sep) { return sep != '\\' && isAsciiPunct(sep); }

bool renderTreeText(const CNode& node, const TreeTextLayout& layout, std::string& out) {
  if (!isTreeSeparator(layout.separator)) return false;
  const char* const lineEnd = layout.crlf ? "\r\n" : "\n";
  const ValueEscaping escaping(layout.separator);
  const std::size_t firstLevel = layout.firstLevel > 0 ? static_cast<std::size_t>(layout.firstLevel) : 0;
  auto indent = [&](std::size_t level) {
    if (layout.indent) out.append(2 * std::min(level, kMaxIndentLevels), ' ');
  };
  auto openNode = [&](const CNode& n, std::size_t level) {
    indent(level);
    appendName(out, n.GetName());
    out += n.GetName().empty() ? "{" : " {";
    out += lineEnd;
  };

  struct Frame {
    const CNode* node;
    int next;
  };
  std::vector<Frame> open{{&node, 0}};
  openNode(node, firstLevel);
  while (!open.empty()) {
    Frame& frame = open.back();
    const std::size_t level = firstLevel + open.size();
    if (frame.next >= frame.node->GetItemCount()) {
      open.pop_back();
      indent(level - 1);
      out += '}';
      if (!open.empty() || layout.finalLineBreak) out += lineEnd;
      continue;
    }
    const CTreeItem* item = frame.node->GetItemAt(frame.next++);
    if (const CNode* child = item->AsNode()) {
      openNode(*child, level);
      open.push_back({child, 0});
      continue;
    }
    const CLeaf* leaf = item->AsLeaf();
    indent(level);
    appendName(out, leaf->GetName());
    out += leaf->GetName().empty() ? "=" : " =";
    if (leaf->GetValueCount() > 0) {
      out += ' ';
      appendValues(out, *leaf, layout.separator, escaping);
    }
    out += lineEnd;
  }
  return true;
}

std::unique_ptr<CNode> parseTreeText(std::string_view text, char sep,
                                     const std::function<bool(const CNode&)>& takeRootChild) {
  if (!isTreeSeparator(sep)) return nullptr;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

  std::unique_ptr<CNode> root;
  std::vector<CNode*> open;
  TreeItemSpares spares;  // the items of the root's children already taken
  std::string name;
  std::string value;
  std::size_t lineStart = 0;
  while (lineStart < text.size()) {
    std::size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string_view::npos) lineEnd = text.size();
    std::string_view line = text.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = trimBlanks(line);
    if (line.empty()) continue;

    if (line == "}") {
      if (open.empty()) return nullptr;
      CNode* closed = open.back();
      open.pop_back();
      if (open.size() == 1 && takeRootChild && takeRootChild(*closed)) {
        spares.keep(root->DetachItem(closed));
      }
      continue;
    }
    if (root != nullptr && open.empty()) return nullptr;  // something after the root

    const bool hasEscapes = line.find('\\') != std::string_view::npos;
    const std::size_t mark = findUnescaped(line, 0, '=', '{');
    if (mark == std::string_view::npos) return nullptr;
    const std::string_view rawName = trimBlanks(line.substr(0, mark));
    if (!hasEscapes) {
      name.assign(rawName);
    } else if (!unescape(rawName, name)) {
      return nullptr;
    }
    const std::string_view rest = trimBlanks(line.substr(mark + 1));

    if (line[mark] == '{') {
      if (!rest.empty()) return nullptr;
      if (root == nullptr) {
        root = std::make_unique<CNode>(std::move(name));
        open.push_back(root.get());
      } else {
        open.push_back(open.back()->AddChild(spares.node(name)));
      }
      continue;
    }
    if (open.empty()) return nullptr;  // a leaf outside the root
    std::unique_ptr<CLeaf> leaf = spares.leaf(name);
    if (!fillValues(rest, sep, hasEscapes, value, *leaf)) return nullptr;
    open.back()->AddLeaf(std::move(leaf));
  }
  if (root == nullptr || !open.empty()) return nullptr;
  return root;
}

}  // namespace armakon
