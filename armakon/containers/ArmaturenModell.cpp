#include "armakon/containers/ArmaturenModell.h"

#include <string_view>

#include "armakon/components/NumberText.h"
#include "armakon/components/TreeFile.h"
#include "armakon/components/TreeNode.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/containers/RnArmaturContainer.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;

namespace {

constexpr char kHeaderSeparator = ';';

template <class Variants, class Access>
const hydArmatur* nearestIn(const Variants& variants, int dimension, Access access) {
  if (variants.empty()) return nullptr;
  for (const auto& variant : variants) {
    const hydArmatur* v = access(variant);
    if (v != nullptr && v->getDimension() >= dimension) return v;
  }
  return access(variants.back());
}

}  // namespace

ArmaturenModell::ArmaturenModell() = default;

// The valve model is assigned with its own assignment, which leaves its version out.
ArmaturenModell::ArmaturenModell(const ArmaturenModell&) = default;
ArmaturenModell& ArmaturenModell::operator=(const ArmaturenModell&) = default;

ArmaturenModell::~ArmaturenModell() = default;

bool ArmaturenModell::bIsEmpty() const { return m_Modell.getSize() == 0; }

const hydArmatur* ArmaturenModell::findNearestArmatur(const int& dimension) const {
  return findNearestArmaturEx(m_Modell.getArmaturen(), dimension);
}

const hydArmatur* ArmaturenModell::findNearestArmaturEx(std::span<const hydArmatur* const> variants,
                                                        const int& dimension) {
  return nearestIn(variants, dimension, [](const hydArmatur* v) { return v; });
}

const hydArmatur* ArmaturenModell::findNearestArmaturEx(
    const std::vector<std::unique_ptr<hydArmatur>>& variants, const int& dimension) {
  return nearestIn(variants, dimension, [](const std::unique_ptr<hydArmatur>& v) { return v.get(); });
}

void ArmaturenModell::getFilter_VDI3805(en700ArmaturTypListe& list, int extended) const {
  RnArmaturContainer::mapTo_VDI3805(m_Typ, list, extended);
}

bool ArmaturenModell::isEqualTo(const ArmaturenModell& other, bool shallow) const {
  if (m_Typ != other.m_Typ) return false;
  if (m_Modell.getManufacturer() != other.m_Modell.getManufacturer()) return false;
  if (m_Modell.getModelType() != other.m_Modell.getModelType()) return false;
  if (m_Modell.getAusfuehrung(", ") != other.m_Modell.getAusfuehrung(", ")) return false;
  if (shallow) return true;

  std::string mine;
  std::string theirs;
  if (!writeToStringEx(mine) || !other.writeToStringEx(theirs)) return false;
  return mine == theirs;
}

bool ArmaturenModell::writeToString(std::string& out, const std::string& key) const {
  // Key and group are written as they are: whether a text reads back (a key holding the
  // separator, a group holding a line break) is for the reader to decide.
  out = key;
  for (int value : {m_Reserved, m_Global, m_Id, static_cast<int>(m_Typ)}) {
    out += kHeaderSeparator;
    out += std::to_string(value);
  }
  out += kHeaderSeparator;
  out += m_Gruppe;
  out += '\n';
  return writeToStringEx(out);
}

bool ArmaturenModell::writeToStringEx(std::string& out) const {
  CNode root(std::string{});
  if (!m_Modell.write(&root)) return false;
  std::string text;
  const bool rendered = root.WriteToString(text, false, false, true, 0, ':');
  out += hydStrUtil::TrimView(text);
  return rendered;
}

bool ArmaturenModell::readFromString(const std::string& text, const std::string& key) {
  // The header is the first line; its fields are cut from that line only, so the model text
  // behind it (which holds ';' as an ordinary character) never leaks into them.
  const std::size_t lineFeed = text.find('\n');
  const std::string_view header = std::string_view(text).substr(0, lineFeed);
  if (hydStrUtil::GetSubStrView(header, 1, kHeaderSeparator) != key) return false;

  m_Reserved = toInt(hydStrUtil::GetSubStrView(header, 2, kHeaderSeparator));
  m_Global = toInt(hydStrUtil::GetSubStrView(header, 3, kHeaderSeparator));
  m_Id = toInt(hydStrUtil::GetSubStrView(header, 4, kHeaderSeparator));
  m_Typ = static_cast<enArmaturenTyp>(toInt(hydStrUtil::GetSubStrView(header, 5, kHeaderSeparator)));
  // The group is the last field: everything behind the fifth separator, so that a group name
  // holding ';' reads back whole.
  m_Gruppe.clear();
  std::size_t start = 0;
  int separators = 0;
  for (std::size_t i = 0; i < header.size() && separators < 5; ++i) {
    if (header[i] == kHeaderSeparator) {
      ++separators;
      start = i + 1;
    }
  }
  if (separators == 5) m_Gruppe = std::string(header.substr(start));

  if (lineFeed == std::string::npos) return false;
  const std::string_view body = hydStrUtil::TrimView(std::string_view(text).substr(lineFeed));
  if (body.empty()) return false;

  CNode root(std::string{});
  if (TreeItems::ReadFromString(std::string(body), &root, 0) == 0) return false;
  m_Modell = hydVDIArmaturen::hydArmaturenModell();
  return m_Modell.read(&root);
}

}  // namespace armakon
