#include "armakon/vdi3805/VDIStruct_800.h"

#include <algorithm>
#include <array>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/VDIRecords.h"

namespace armakon {

namespace {

// The reference groups after the two leading index groups, in TGA-number order. A group
// whose search root is another group searches below the record that group found.
struct ReferenceGroup {
  int type;
  int rootGroup;  // index into kGroups, -1: below the product's parent (the 110)
};
constexpr std::array<ReferenceGroup, 15> kGroups{{
    {160, -1}, {200, -1}, {250, 1}, {260, 1}, {300, -1}, {350, 4}, {360, 4}, {400, -1},
    {450, 7},  {460, 7},  {500, -1}, {550, 10}, {560, 10}, {700, -1}, {760, 13},
}};
constexpr std::size_t kTechnicalDataGroup = 13;

struct Layout {
  std::size_t width;          // characters per group
  std::size_t technicalWidth; // characters of the 700 group
  std::size_t minimumLength;
};
constexpr Layout kCurrentLayout{3, 5, 53};
constexpr Layout kOldLayout{2, 4, 36};

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Characters [first, first + count) of the text (characters, not bytes; a TGA number is
// digits, so the byte positions are the character positions nearly always).
std::string_view charSlice(std::string_view text, bool ascii, std::size_t first, std::size_t count) {
  if (ascii) return first < text.size() ? text.substr(first, count) : std::string_view();
  const std::size_t skip = hydStrUtil::LeftChars(text, first).size();
  text.remove_prefix(std::min(skip, text.size()));
  return text.substr(0, hydStrUtil::LeftChars(text, count).size());
}

bool allOf(std::string_view group, char c) {
  return !group.empty() && std::all_of(group.begin(), group.end(), [c](char x) { return x == c; });
}

std::string productTitle(const char* format, const CVDIBase* model) {
  return FormatText(Translate(format), GetField(model, 4), model != nullptr ? model->GetLine() : std::string_view());
}

}  // namespace

bool VDIStruct_800::AcceptsChild(const CVDIBase& record) const {
  return record.IsKindOf(VDIStruct_810::GetThisClass()) || record.IsKindOf(VDIStruct_Err::GetThisClass());
}

int VDIStruct_800::MapFieldNumber(int n) const {
  switch (n) {
    case 2: return -1;
    case 3: return 2;
    case 4: return 6;
    default: return n;
  }
}

VDIStruct_800::Taken& VDIStruct_800::taken() const {
  if (m_taken == nullptr) m_taken = std::make_unique<Taken>(Taken{GetField(this, 3), {}, false});
  return *m_taken;
}

const std::string& VDIStruct_800::GetTgaNumber() const { return taken().tgaNumber; }

const std::vector<const CVDIBase*>& VDIStruct_800::GetReferences() const {
  ResolveReferences();
  return taken().references;
}

bool VDIStruct_800::ResolveReferences() const {
  if (IsResolved()) return true;
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  const bool oldLayout = InOldLayout(this);
  const Layout& layout = oldLayout ? kOldLayout : kCurrentLayout;
  const std::string& tga = GetTgaNumber();
  // The 110 the product belongs to: its parent, as only a 110 accepts products. A product
  // that a damaged file put outside any model has nothing to search below.
  const CVDIBase* model = GetParent();
  if (model != nullptr && !model->IsKindOf(VDIStruct_110::GetThisClass())) model = nullptr;

  const bool ascii = isAscii(tga);
  if ((ascii ? tga.size() : hydStrUtil::CharCount(tga)) < layout.minimumLength) {
    reports.addError(800, productTitle("Fehler in der TGA-Nummer von Produkt:%s\n %s", model),
                     Translate(oldLayout ? "Die TGA-Nummer hat nicht die erwartete Länge von mindestens 36 Stellen "
                                           "(siehe VDI 3805 Blatt 1 August 1996, Kapitel 3.3)."
                                         : "Die TGA-Nummer hat nicht die erwartete Länge von mindestens 53 Stellen "
                                           "(siehe VDI 3805 Blatt 1 November 2001, Kapitel 3.3)."),
                     this);
    return false;
  }

  // Groups 0 and 1 repeat the indices of the 100 and the 110 above; a contradiction is
  // worth a hint but does not stop the resolution.
  const CVDIBase* group = model != nullptr ? model->GetParent() : nullptr;
  const int tgaGroupIndex = toInt(charSlice(tga, ascii, 0, layout.width));
  const int tgaModelIndex = toInt(charSlice(tga, ascii, layout.width, layout.width));
  const int groupIndex = toInt(GetFieldViewInLayout(group, 2, oldLayout));
  const int modelIndex = toInt(GetFieldViewInLayout(model, 2, oldLayout));
  const char* contradictionTitle = "Hinweis zu einem Widerspruch in der TGA-Nummer von Produkt:%s\n %s";
  if (tgaGroupIndex != groupIndex) {
    reports.addHint(800, productTitle(contradictionTitle, model),
                    FormatText(Translate("Der Verweis auf Produkt-Hauptgruppe I (Satzart 100, Idx 1!%i) stimmt nicht "
                                         "mit der hier über liegenden Satzart 100 (Idx 2!%i) überein."),
                               tgaGroupIndex, groupIndex),
                    this);
  }
  if (tgaModelIndex != modelIndex) {
    reports.addHint(800, productTitle(contradictionTitle, model),
                    FormatText(Translate("Der Verweis auf Produkt-Hauptgruppe II (Satzart 110, Idx 1!%i) stimmt nicht "
                                         "mit der hier über liegenden Satzart 110 (Idx 2!%i) überein."),
                               tgaModelIndex, modelIndex),
                    this);
  }

  std::array<const CVDIBase*, kGroups.size()> found{};
  std::vector<const CVDIBase*> references;
  for (std::size_t g = 0; g < kGroups.size(); ++g) {
    std::size_t start = (g + 2) * layout.width;
    std::size_t width = layout.width;
    if (g == kTechnicalDataGroup) {
      width = layout.technicalWidth;
    } else if (g > kTechnicalDataGroup) {
      start = 15 * layout.width + layout.technicalWidth;
    }
    const std::string_view text = charSlice(tga, ascii, start, width);
    const int code = kGroups[g].type * 100;
    const int rootGroup = kGroups[g].rootGroup;
    const CVDIBase* root = model;
    if (rootGroup >= 0 && found[static_cast<std::size_t>(rootGroup)] != nullptr) {
      root = found[static_cast<std::size_t>(rootGroup)];
    }

    if (allOf(text, '?')) {
      CollectRecords(root, code, references);
    } else if (allOf(text, '0')) {
      continue;
    } else if (const CVDIBase* target = FindRecord(root, code, toInt(text), -1)) {
      found[g] = target;
      references.push_back(target);
    } else {
      std::string detail = FormatText(
          Translate("In der TGA-Nr. mit Index %s von Produkt %s wird auf einen nicht vorhandenen Satz %.0f "
                    "(Stelle %i bis %i) verwiesen!"),
          GetField(this, 2), GetField(this, 4), static_cast<double>(kGroups[g].type), static_cast<int>(start + 1),
          static_cast<int>(start + width));
      detail += '\n';
      detail += Translate("Folge: Ein Zubehör kann nicht ermittelt bzw. angezeigt werden.");
      reports.addHint(600, Translate("Hinweis zu TGA-Nr. mit Verweis auf nicht vorhandenen Datensatz"), detail, this);
    }
  }
  Taken& cache = taken();
  cache.references = std::move(references);
  cache.resolved = true;
  return true;
}

// ---- Free functions of the record reader that concern product records ---------------------

namespace {

constexpr std::array<int, 15> kReferencedTypes{160, 200, 250, 260, 300, 350, 360, 400,
                                               450, 460, 500, 550, 560, 700, 760};

// The code asked for: 0 for all, -1 for nothing.
int wantedCode(int type) {
  if (type == 0) return 0;
  for (const int t : kReferencedTypes) {
    if (type == t || type == t * 100) return t * 100;
  }
  return -1;
}

const VDIStruct_800* asProduct(const CVDIBase* record) {
  if (record == nullptr || !record->IsKindOf(VDIStruct_800::GetThisClass())) return nullptr;
  return static_cast<const VDIStruct_800*>(record);
}

}  // namespace

void GetReferencedRecords(const CVDIBase* product, int type, std::vector<const CVDIBase*>& out) {
  const VDIStruct_800* record = asProduct(product);
  const int code = wantedCode(type);
  if (record == nullptr || code < 0) return;
  // The list runs in type order, so a filtered scan ends at the first higher type.
  for (const CVDIBase* reference : record->GetReferences()) {
    if (code == 0 || reference->GetCode() == code) {
      out.push_back(reference);
    } else if (reference->GetCode() > code) {
      break;
    }
  }
}

const CVDIBase* GetTechnicalData(const CVDIBase* record) {
  if (record == nullptr) return nullptr;
  if (record->IsKindOf(VDIStruct_700::GetThisClass())) return record;
  std::vector<const CVDIBase*> technical;
  GetReferencedRecords(record, 700, technical);
  return technical.empty() ? nullptr : technical.front();
}

}  // namespace armakon
