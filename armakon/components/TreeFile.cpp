#include "armakon/components/TreeFile.h"

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeText.h"

namespace armakon {

namespace {
std::unique_ptr<CNode> parseFile(const std::filesystem::path& path, char sep) {
  std::string text;
  if (path.empty() || !readWholeFile(path, text)) return nullptr;
  return parseTreeText(text, sep);
}
}  // namespace

bool CNode::WriteToString(std::string& text, bool crlf, bool indent, bool finalLineBreak, int firstLevel,
                          char sep) const {
  std::string rendered;
  if (!renderTreeText(*this, {crlf, indent, finalLineBreak, firstLevel, sep}, rendered)) return false;
  text = std::move(rendered);
  return true;
}

bool CNode::WriteToFile(const std::filesystem::path& path, bool crlf, bool indent, bool finalLineBreak,
                        int firstLevel, char sep) const {
  std::string text;
  if (path.empty() || !WriteToString(text, crlf, indent, finalLineBreak, firstLevel, sep)) return false;
  return writeFileAtomically(path, text);
}

bool CNode::ReadFromString(const std::string& text, char sep) {
  std::unique_ptr<CNode> parsed = parseTreeText(text, sep);
  if (parsed == nullptr) return false;
  SetName(parsed->GetName());
  adoptItemsOf(*parsed);
  return true;
}

std::unique_ptr<CNode> CNode::ReadFromFile(const std::filesystem::path& path, bool, char sep, bool* ok, int) {
  std::unique_ptr<CNode> root = parseFile(path, sep);
  if (ok != nullptr) *ok = root != nullptr;
  return root;
}

int TreeItems::ReadFromFile(const std::filesystem::path& path, std::unique_ptr<CNode>& root, int, char sep) {
  std::unique_ptr<CNode> parsed = parseFile(path, sep);
  if (parsed == nullptr) return 0;
  root = std::move(parsed);
  return 1;
}

int TreeItems::ReadFromFile(const std::filesystem::path& path, CNode* into, int, char sep) {
  if (into == nullptr) return 0;
  std::string text;
  if (path.empty() || !readWholeFile(path, text)) return 0;
  return into->ReadFromString(text, sep) ? 1 : 0;
}

int TreeItems::ReadFromString(const std::string& text, CNode* into, int, char sep) {
  return into != nullptr && into->ReadFromString(text, sep) ? 1 : 0;
}

int TreeItems::ReadFromString(const std::string& text, std::unique_ptr<CNode>& root, int, char sep) {
  std::unique_ptr<CNode> parsed = parseTreeText(text, sep);
  if (parsed == nullptr) return 0;
  root = std::move(parsed);
  return 1;
}

}  // namespace armakon
