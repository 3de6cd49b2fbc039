// The sectioned text form of the attribute tree (syntax described in ProNode.h).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "armakon/components/ProNode.h"

namespace armakon {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kClosingPrefix = "ENDE_";
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool needsNameEscape(char c) {
  return c == '%' || c == ':' || c == '=' || c == '[' || c == ']' || c == '\r' || c == '\n';
}

void appendEscapedByte(std::string& out, char c) {
  const auto byte = static_cast<unsigned char>(c);
  out += '%';
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
}

void appendEscapedName(std::string& out, std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    // A name starting with "ENDE_" gets its first letter escaped, so "[ENDE_x]" is always a
    // closing line.
    if (needsNameEscape(name[i]) || (i == 0 && name.starts_with(kClosingPrefix))) {
      appendEscapedByte(out, name[i]);
    } else {
      out += name[i];
    }
  }
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Decodes a written name; false when it holds a raw reserved byte or a broken %XX.
bool decodeName(std::string_view text, std::string& name) {
  name.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%') {
      if (text.size() - i < 3) return false;
      const int high = hexValue(text[i + 1]);
      const int low = hexValue(text[i + 2]);
      if (high < 0 || low < 0) return false;
      name += static_cast<char>((high << 4) | low);
      i += 2;
    } else if (needsNameEscape(c)) {
      return false;
    } else {
      name += c;
    }
  }
  return true;
}

enum class LineKind { Opening, Closing, Attribute, EncodedAttribute, Continuation };

struct Line {
  LineKind kind = LineKind::Continuation;
  std::string name;
  std::string_view rest;  // the value part of an attribute line
};

// Sorts one line (without its CR LF) into the kinds of ProNode.h.
Line classify(std::string_view text) {
  Line line;
  if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
    std::string_view inner = text.substr(1, text.size() - 2);
    const bool closing = inner.starts_with(kClosingPrefix);
    if (closing) inner.remove_prefix(kClosingPrefix.size());
    if (decodeName(inner, line.name)) {
      line.kind = closing ? LineKind::Closing : LineKind::Opening;
      return line;
    }
  }
  const std::size_t separator = text.find_first_of(":=");
  if (separator != std::string_view::npos && decodeName(text.substr(0, separator), line.name)) {
    line.kind = text[separator] == ':' ? LineKind::Attribute : LineKind::EncodedAttribute;
    line.rest = text.substr(separator + 1);
    return line;
  }
  line.kind = LineKind::Continuation;
  line.name.clear();
  return line;
}

// A value may be written verbatim when every CR LF separated line after its first one reads
// back as a continuation line.
bool canStayVerbatim(std::string_view value) {
  std::size_t breakAt = value.find(kLineBreak);
  while (breakAt != std::string_view::npos) {
    const std::size_t start = breakAt + kLineBreak.size();
    breakAt = value.find(kLineBreak, start);
    const std::size_t end = breakAt == std::string_view::npos ? value.size() : breakAt;
    if (classify(value.substr(start, end - start)).kind != LineKind::Continuation) return false;
  }
  return true;
}

void appendEncodedValue(std::string& out, std::string_view value) {
  for (const char c : value) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
}

bool decodeValue(std::string_view text, std::string& value) {
  value.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      value += text[i];
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case '\\': value += '\\'; break;
      case 'r': value += '\r'; break;
      case 'n': value += '\n'; break;
      default: return false;
    }
  }
  return true;
}

void appendOpening(std::string& out, const CProNodeBase& node) {
  out += '[';
  appendEscapedName(out, node.getName());
  out += ']';
  out += kLineBreak;
  for (std::size_t i = 0; i < node.getAttrCount(); ++i) {
    const CProAttBase& attribute = *node.getAttr(i);
    appendEscapedName(out, attribute.getName());
    if (canStayVerbatim(attribute.getValue())) {
      out += ':';
      out += attribute.getValue();
    } else {
      out += '=';
      appendEncodedValue(out, attribute.getValue());
    }
    out += kLineBreak;
  }
}

void appendClosing(std::string& out, const CProNodeBase& node) {
  out += '[';
  out += kClosingPrefix;
  appendEscapedName(out, node.getName());
  out += ']';
  out += kLineBreak;
}

}  // namespace

bool CProNodeBase::WriteToString(std::string& buffer, bool append, bool finalLineBreak) const {
  std::string text;
  // Each open node with the index of its next child to write.
  std::vector<std::pair<const CProNodeBase*, std::size_t>> open;
  appendOpening(text, *this);
  open.emplace_back(this, 0);
  while (!open.empty()) {
    auto& [node, next] = open.back();
    if (next < node->children_.size()) {
      const CProNodeBase* child = node->children_[next++].get();
      appendOpening(text, *child);
      open.emplace_back(child, 0);
    } else {
      appendClosing(text, *node);
      open.pop_back();
    }
  }
  if (!finalLineBreak) text.resize(text.size() - kLineBreak.size());
  if (append) {
    buffer += text;
  } else {
    buffer = std::move(text);
  }
  return true;
}

std::unique_ptr<CProNodeBase> CProNodeBase::ReadFromString(std::string_view text, int startOffset,
                                                           bool allowTrailing) {
  if (startOffset < 0 || static_cast<std::size_t>(startOffset) > text.size()) return nullptr;
  std::size_t position = static_cast<std::size_t>(startOffset);

  std::unique_ptr<CProNodeBase> root;
  std::vector<CProNodeBase*> open;
  CProAttBase* continuing = nullptr;  // verbatim attribute that the next lines may continue
  bool finished = false;
  std::string decoded;

  while (position < text.size()) {
    const std::size_t breakAt = text.find(kLineBreak, position);
    const std::size_t end = breakAt == std::string_view::npos ? text.size() : breakAt;
    const std::string_view lineText = text.substr(position, end - position);
    position = breakAt == std::string_view::npos ? text.size() : breakAt + kLineBreak.size();

    if (finished) {
      if (allowTrailing) break;
      return nullptr;
    }
    Line line = classify(lineText);
    switch (line.kind) {
      case LineKind::Opening:
        if (root == nullptr) {
          root = std::make_unique<CProNodeBase>(std::move(line.name));
          open.push_back(root.get());
        } else {
          open.push_back(open.back()->AddChild(std::move(line.name)));
        }
        continuing = nullptr;
        break;
      case LineKind::Closing:
        if (open.empty() || open.back()->name_ != line.name) return nullptr;
        open.pop_back();
        finished = open.empty();
        continuing = nullptr;
        break;
      case LineKind::Attribute:
        if (open.empty()) return nullptr;
        continuing = open.back()->AddAttr(std::move(line.name), std::string(line.rest));
        break;
      case LineKind::EncodedAttribute:
        if (open.empty() || !decodeValue(line.rest, decoded)) return nullptr;
        open.back()->AddAttr(std::move(line.name), decoded);
        continuing = nullptr;
        break;
      case LineKind::Continuation:
        if (continuing == nullptr) return nullptr;
        continuing->value_ += kLineBreak;
        continuing->value_ += lineText;
        break;
    }
  }
  if (!finished) return nullptr;
  return root;
}

}  // namespace armakon
