#include "armakon/vdi3805/CheckReport.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmatur.h"
#include "armakon/model/hydArmaturenModell.h"
#include "armakon/vdi3805/AccessoryReferences.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/ThermostaticConverter.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/ValveConversion.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturenModell;

namespace {

constexpr int kFirstHintCode = 1001;
// The proportional band thermostatic valves are usually designed for (K).
constexpr double kDesignXp = 2.0;

const char* kindNameOf(long long code) {
  switch (code) {
    case 0: return "Undefinierte Armaturart";
    case 201: return "Heizkörperarmaturen für Einrohrheizungen";
    case 202: return "Heizkörperarmaturen für Zweirohrheizungen";
    case 203: return "Armaturen für Flächenheizungen";
    case 204: return "Absperr- und Regelarmaturen";
    case 205: return "Armaturen mit Festwiderständen";
    case 1701: return "Absperrarmaturen";
    case 1702: return "Drosselarmaturen";
    case 1703: return "Entnahmearmaturen";
    case 1704: return "Sicherungsarmaturen";
    case 1705: return "Sicherheitsarmaturen";
    case 1706: return "Stellarmaturen";
    case 1707: return "Mess- und Zähleinrichtungen";
    default: return "unbekannte Armaturart";
  }
}

const CVDIBase* fileHeaderOf(const CVDIDoc& document) {
  for (const auto& child : document.GetChildren()) {
    if (child->IsKindOf(VDIStruct_010::GetThisClass())) return child.get();
  }
  return nullptr;
}

// Whether the product hangs below a 100 record and references technical data of the type
// number.
bool isOfType(const CVDIBase* product, int typeNumber) {
  if (FindAncestorOfKind<VDIStruct_100>(product) == nullptr) return false;
  std::vector<const CVDIBase*> technical;
  GetReferencedRecords(product, vdifield::code::kTechnicalData / 100, technical);
  return std::any_of(technical.begin(), technical.end(), [typeNumber](const CVDIBase* record) {
    return toInt(GetFieldView(record, vdifield::r700::kTypeNumber)) == typeNumber;
  });
}

// The XP a thermostatic product is checked at: the design value, moved into the range its
// records cover, so that no question is asked.
double wantedXpOf(const CVDIBase* product) {
  const auto range = ThermostaticXpRange(GetTechnicalData(product));
  if (!range) return 0.0;
  return std::clamp(kDesignXp, range->first, range->second);
}

void appendTypeHeader(StringList& lines, int type, int sheet) {
  lines.emplace_back();
  lines.emplace_back(kCheckReportSeparator);
  lines.emplace_back(kCheckReportSeparator);
  lines.push_back(FormatText(Translate("Armaturtyp 1!%d : 2!%s"), {type, TypeName(100 * sheet + type, sheet)}));
}

// Writes the report list's entries in list order; counts them into hints and errors.
void appendEntries(StringList& lines, int& hints, int& errors) {
  for (const CMiniReportUtil::report& entry : CMiniReportUtil::instance().entries()) {
    const bool hint = entry.code >= kFirstHintCode;
    lines.emplace_back();
    lines.push_back(Translate(hint ? "/// Hinweis ///" : "/// Fehler ///"));
    lines.push_back(entry.detail);
    ++(hint ? hints : errors);
  }
}

// The block of one valve type: its products converted into a fresh model.
void appendTypeBlock(StringList& lines, const CVDIDoc& document, const std::vector<const CVDIBase*>& all, int type,
                     const AccessoryResolver& resolver, CheckReportCounts& counts) {
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.clear();
  std::vector<const CVDIBase*> products;
  std::copy_if(all.begin(), all.end(), std::back_inserter(products),
               [type](const CVDIBase* product) { return isOfType(product, type); });
  const int count = static_cast<int>(products.size());
  appendTypeHeader(lines, type, document.GetSheet());

  std::vector<double> wantedXp;
  for (const CVDIBase* product : products) wantedXp.push_back(type == 1 ? wantedXpOf(product) : 0.0);
  const AccessorySources accessories(resolver, products);
  int created = 0;
  {
    hydArmaturenModell model;
    created = std::max(0, BuildModel(model, products, wantedXp, accessories.pointers()));
  }

  int hints = 0;
  int errors = 0;
  appendEntries(lines, hints, errors);
  lines.emplace_back();
  lines.emplace_back(kCheckReportSeparator);
  lines.push_back(FormatText(Translate("Anzahl Hinweise in Arm.-Typ 1!%d: 2!%d"), {type, hints}));
  lines.push_back(FormatText(Translate("Anzahl Fehler   in Arm.-Typ 1!%d: 2!%d"), {type, errors}));
  lines.push_back(FormatText(Translate("Anzahl Armaturausführungen in Arm.-Typ 1!%2.d: 2!%2.d"), {type, count}));
  lines.push_back(FormatText(Translate("davon gültige Armaturausführungen:         1!%2.0d"), {created}));

  ++counts.typeBlocks;
  counts.hints += hints;
  counts.errors += errors;
  counts.checked += count;
  counts.valid += created;
}

void appendReportHeader(StringList& lines, int sheet, int products) {
  if (sheet == 2) {
    lines.emplace_back();
    lines.push_back(Translate("Es werden nur Armaturarten 1 bis 5 geprüft."));
    lines.emplace_back();
    lines.push_back(Translate("Darin werden die Armaturtypen 1 bis 13 geprüft. (Typ 6 wird nicht geprüft)"));
  } else {
    lines.emplace_back();
    lines.push_back(Translate("Darin werden die Armaturtypen 1 bis 9 geprüft."));
  }
  lines.emplace_back();
  lines.push_back("Bei \"" + Translate("Hinweis zu") + "\" " +
                  Translate("kann das Programm die angegebene Armatur - Ausführung trotzdem verwenden, es ist jedoch "
                            "zu prüfen, ob dies Sinn macht (ggf. sind alle Einstellungen weggefallen o.ä.)."));
  lines.emplace_back();
  lines.push_back("Bei \"" + Translate("Fehler in") + "\" " +
                  Translate("kann der Anwender die angegebene Armatur - Ausführung, oder ggf. das ganze Modell nicht "
                            "zur Berechnung übernehmen."));
  lines.emplace_back();
  lines.emplace_back();
  lines.push_back(
      FormatText(Translate("Gesamte Anzahl unterscheidbarer Armatur-Ausführungen in dieser Datei: 1!%d"), {products}));
}

void appendFooter(StringList& lines, const CheckReportCounts& counts) {
  lines.emplace_back();
  lines.emplace_back(kCheckReportSeparator);
  lines.push_back(FormatText(Translate("Anzahl Hinweise gesamt: %d"), {counts.hints}));
  lines.push_back(FormatText(Translate("Anzahl Fehler   gesamt: %d"), {counts.errors}));
  lines.push_back(FormatText(Translate("Anzahl Armaturausführungen gesamt: 1!%4.d"), {counts.checked}));
  lines.push_back(FormatText(Translate("davon gültige Armaturausführungen: 1!%4.d"), {counts.valid}));
}

}  // namespace

std::string TypeName(int code, int sheet) { return hydVDIArmaturen::getHydArmTypeStr(code, sheet); }

std::string KindName(int code, int sheet) {
  // Formed wide: no sheet number can overflow the sum.
  const long long full = code < 1000 ? 100LL * sheet + code : code;
  return Translate(kindNameOf(full));
}

CheckReportCounts BuildCheckReport(StringList& lines, const CVDIDoc& document) {
  CheckReportCounts counts;
  const int sheet = document.GetSheet();
  if (sheet != 2 && sheet != 17) return counts;
  const CVDIBase* header = fileHeaderOf(document);
  std::vector<const CVDIBase*> products;
  if (header != nullptr) CollectRecords(header, vdifield::code::kProduct, products);
  if (products.empty()) return counts;
  counts.products = static_cast<int>(products.size());

  std::vector<const CVDIBase*> referenced;
  for (const CVDIBase* product : products) {
    referenced.clear();
    GetReferencedRecords(product, 0, referenced);
  }

  appendReportHeader(lines, sheet, counts.products);
  CMiniReportUtil& reports = CMiniReportUtil::instance();
  reports.setIncludeDocumentInfo(false);
  reports.setIncludeRecordContext(true);

  const AccessoryResolver resolver(&document);
  const int lastType = sheet == 2 ? 13 : 9;
  for (int type = 1; type <= lastType; ++type) {
    // Type 6 of sheet 2 (overflow regulators) has no valve class to convert into.
    if (sheet == 2 && type == 6) continue;
    appendTypeBlock(lines, document, products, type, resolver, counts);
  }
  appendFooter(lines, counts);
  return counts;
}

}  // namespace armakon
