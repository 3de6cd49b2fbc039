#include "armakon/vdi3805/ConversionContext.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <numeric>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/VDIRecords.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

namespace {

int saturatedInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool onlyBlanks(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
}

// The setting as the messages print it: its text, or its number when it has no text.
std::string settingLabel(const SettingNode& node) {
  if (!node.text.empty() || !node.isNumeric()) return node.text;
  return formatC("%g", node.setting);
}

// "Siehe technische Daten der Armaturausführung (...)": with the record name the long form.
std::string seeTechnicalData(const ConversionContext& ctx, std::string_view recordName) {
  if (recordName.empty()) {
    return FormatText(Translate("Siehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d)."),
                      {ctx.technicalIndex()});
  }
  return FormatText(
      Translate("Siehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d, darin Satzart 2!%s)."),
      {ctx.technicalIndex(), recordName});
}

void file(const ConversionContext& ctx, FindingKind kind, int code, const std::string& detail) {
  if (kind == FindingKind::Error) {
    ctx.error(code, detail, ctx.technicalData);
  } else {
    ctx.hint(code, detail, ctx.technicalData);
  }
}

// Groups of equal keys: for each key that occurs more than once the indices of its first two
// occurrences, ordered by the first occurrence. O(n log n), so a hostile file with many
// settings costs no quadratic time.
template <class Less, class Equal>
std::vector<std::pair<std::size_t, std::size_t>> repeatedKeys(std::size_t count, Less less, Equal equal) {
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), less);
  std::vector<std::pair<std::size_t, std::size_t>> repeated;
  for (std::size_t i = 0; i + 1 < order.size();) {
    std::size_t j = i + 1;
    while (j < order.size() && equal(order[i], order[j])) ++j;
    if (j - i >= 2) repeated.emplace_back(order[i], order[i + 1]);
    i = j;
  }
  std::sort(repeated.begin(), repeated.end());
  return repeated;
}

}  // namespace

int ValveTypeCode(int sheet, int kindIndex, int typeNumber) {
  if (typeNumber < 1 || typeNumber > 13 || sheet < 1 || sheet > 99) return 0;
  if (sheet == 2 && kindIndex == 1 && typeNumber == 1) return 203;
  return sheet * 100 + typeNumber;
}

ValveTypeInfo ClassifyValve(const CVDIBase* product, const CVDIBase* technicalData, int sheet) {
  ValveTypeInfo info;
  info.sheet = sheet;
  const CVDIBase* kind = FindAncestorOfKind<VDIStruct_100>(product);
  info.kindIndex = toInt(GetFieldView(kind, vdifield::r100::kIndex));
  info.typeNumber = toInt(GetFieldView(technicalData, vdifield::r700::kTypeNumber));
  info.kindCode = saturatedInt(static_cast<long long>(sheet) * 100 + info.kindIndex);
  info.typeCode = ValveTypeCode(sheet, info.kindIndex, info.typeNumber);
  return info;
}

std::string ComposeMessage(std::initializer_list<std::string_view> pieces, std::initializer_list<FormatArg> args) {
  std::string text;
  for (std::string_view piece : pieces) {
    if (onlyBlanks(piece)) {
      text += piece;
    } else {
      text += Translate(piece);
    }
  }
  return FormatText(text, args);
}

// ---------------------------------------------------------------------------------------------
// ConversionContext

ConversionContext::ConversionContext(hydVDIArmaturen::hydArmatur& variantToFill, const CVDIDoc& doc,
                                     const CVDIBase* technical, const ValveTypeInfo& typeInfo, double xp)
    : variant(variantToFill),
      document(doc),
      technicalData(technical),
      type(typeInfo),
      wantedXp(xp),
      sheet(doc.GetSheet()),
      date(doc.GetDate()),
      oldLayout(doc.IsOldFormat()),
      reports(CMiniReportUtil::instance()) {}

int ConversionContext::technicalIndex() const { return integer(technicalData, vdifield::r700::kIndex); }

std::string_view ConversionContext::field(const CVDIBase* record, int n) const {
  return GetFieldViewInLayout(record, n, oldLayout);
}

double ConversionContext::number(const CVDIBase* record, int n, double ifEmpty) const {
  const std::string_view text = field(record, n);
  if (text.empty()) return ifEmpty;
  const double value = toDouble(text, 0.0);
  return std::isfinite(value) ? value : 0.0;
}

std::optional<double> ConversionContext::optionalNumber(const CVDIBase* record, int n) const {
  if (isEmpty(record, n)) return std::nullopt;
  return number(record, n, 0.0);
}

int ConversionContext::integer(const CVDIBase* record, int n, int ifEmpty) const {
  const std::string_view text = field(record, n);
  return text.empty() ? ifEmpty : toInt(text, 0);
}

std::vector<const CVDIBase*> ConversionContext::typeRecords(int code) const {
  std::vector<const CVDIBase*> found;
  if (technicalData == nullptr) return found;
  for (const auto& child : technicalData->GetChildren()) {
    if (child->GetCode() == code) found.push_back(child.get());
  }
  return found;
}

void ConversionContext::hint(int code, std::string_view detail, const CVDIBase* record) const {
  reports.addHint(code, variant.getHinweisText(), detail, record);
}

void ConversionContext::error(int code, std::string_view detail, const CVDIBase* record) const {
  reports.addError(code, variant.getFehlerText(), detail, record);
}

// ---------------------------------------------------------------------------------------------
// Shared checks

bool CheckPresettable(ConversionContext& ctx, std::size_t settingRecords) {
  const bool declared = ctx.integer(ctx.technicalData, vdifield::r700::kPresettable) != 0;
  if (declared && settingRecords < 2) {
    ctx.hint(45,
             ComposeMessage({"Es sind weniger als zwei Datensätze der Satzart 710.01 hinterlegt, obwohl diese Armatur als "
                             "Voreinstellbar deklariert wurde. Diese wird in der weiteren Verwendung als nicht "
                             "einstellbar behandelt.\nSiehe Satzart 700 mit Index 1!%d (lfd. Nr.13)."},
                            {ctx.technicalIndex()}),
             ctx.technicalData);
    return false;
  }
  if (!declared && settingRecords >= 2) {
    ctx.hint(45,
             ComposeMessage({"Es ist mehr als ein Datensatz der Satzart 710.01 hinterlegt, obwohl diese Armatur als nicht "
                             "Voreinstellbar deklariert wurde. Diese wird in der weiteren Verwendung als einstellbar "
                             "behandelt.\nSiehe Satzart 700 mit Index 1!%d (lfd. Nr.13)."},
                            {ctx.technicalIndex()}),
             ctx.technicalData);
    return true;
  }
  return declared;
}

bool CheckDuplicateSettings(ConversionContext& ctx, const std::vector<SettingNode>& nodes, FindingKind kind,
                            std::string_view recordName) {
  // Numeric settings compare by number, the others by text; the two never equal each other.
  const auto less = [&](std::size_t a, std::size_t b) {
    const SettingNode& x = nodes[a];
    const SettingNode& y = nodes[b];
    if (x.isNumeric() != y.isNumeric()) return x.isNumeric();
    return x.isNumeric() ? x.setting < y.setting : x.text < y.text;
  };
  const auto equal = [&](std::size_t a, std::size_t b) { return !less(a, b) && !less(b, a); };
  const auto repeated = repeatedKeys(nodes.size(), less, equal);
  const char* text = kind == FindingKind::Error
                         ? "In diesem Ventil ist die Einstellung '1!%s' mindestens zwei mal hinterlegt. Jede "
                           "Einstellung darf nicht mehr als einmal vorkommen.\n"
                         : "In diesem Ventil ist die Einstellung '1!%s' mindestens zwei mal hinterlegt. Jede "
                           "Einstellung sollte nicht mehr als einmal vorkommen.\n";
  for (const auto& [first, second] : repeated) {
    (void)second;
    file(ctx, kind, kind == FindingKind::Error ? 20 : 50,
         FormatText(Translate(text), {settingLabel(nodes[first])}) + seeTechnicalData(ctx, recordName));
  }
  return kind == FindingKind::Hint || repeated.empty();
}

bool CheckDuplicateValues(ConversionContext& ctx, const std::vector<SettingNode>& nodes, FindingKind kind,
                          std::string_view valueName, std::string_view unit, std::string_view recordName) {
  const auto less = [&](std::size_t a, std::size_t b) { return nodes[a].value < nodes[b].value; };
  const auto equal = [&](std::size_t a, std::size_t b) { return nodes[a].value == nodes[b].value; };
  const auto repeated = repeatedKeys(nodes.size(), less, equal);
  const char* text =
      kind == FindingKind::Error
          ? "In diesem Ventil ist der 1!%s 2!%g3!%s mindestens bei den Einstellungen '4!%s' und '5!%s' absolut "
            "identisch hinterlegt. Jeder 6!%s darf nicht mehr als einmal vorkommen, da ansonsten die Interpolation "
            "und Sortierung der Daten sowie die Ermittlung der Berechnungsdaten nicht möglich ist.\nMögliche "
            "Ursache: unzureichende numerische Präzision der Daten.\n"
          : "In diesem Ventil ist der 1!%s 2!%g3!%s mindestens bei den Einstellungen '4!%s' und '5!%s' absolut "
            "identisch hinterlegt. Jeder 6!%s sollte nicht mehr als einmal vorkommen.\nMögliche Ursache: "
            "unzureichende numerische Präzision der Daten.\n";
  const std::string name = Translate(valueName);
  for (const auto& [first, second] : repeated) {
    file(ctx, kind, kind == FindingKind::Error ? 20 : 50,
         FormatText(Translate(text), {name, nodes[first].value, unit, settingLabel(nodes[first]),
                                      settingLabel(nodes[second]), name}) +
             seeTechnicalData(ctx, recordName));
  }
  return kind == FindingKind::Hint || repeated.empty();
}

namespace {

// Whole-curve limit of the nodes interpolation may create, so that a file cannot make the
// conversion allocate without bound.
constexpr std::size_t kMaxSettingNodes = 100000;

const CVDIBase* recordOr700(const ConversionContext& ctx, const SettingNode& node) {
  return node.record != nullptr ? node.record : ctx.technicalData;
}

}  // namespace

void InsertIntermediateSettings(ConversionContext& ctx, std::vector<SettingNode>& nodes, InterpolationMode mode) {
  if (nodes.size() < 2) return;
  std::vector<SettingNode> result;
  result.reserve(nodes.size());
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    result.push_back(nodes[i]);
    if (i + 1 == nodes.size()) break;
    const SettingNode& node = nodes[i];
    const SettingNode& next = nodes[i + 1];
    const double instruction = node.instruction;
    if (!std::isfinite(instruction) || std::fabs(instruction) < 1e-5) continue;
    if (mode == InterpolationMode::StepCount && std::fabs(instruction - 1.0) < 1e-5) continue;

    if (!node.isNumeric()) {
      ctx.hint(50,
               ComposeMessage({"Es wurde eine Interpolationsanweisung bei der Einstellung '1!%s' hinterlegt, welche "
                               "nicht numerisch auswertbar ist. Zwischenschritte zwischen beliebigen Einstellungen "
                               "sind nur ermittelbar, wenn die Einstellungswerte numerisch auswertbar sind."},
                              {settingLabel(node)}),
               recordOr700(ctx, node));
      continue;
    }
    if (!next.isNumeric()) {
      const char* text =
          mode == InterpolationMode::StepWidth
              ? "Interpolationsanweisung mangelhaft. Bei der Einstellung 1!%.2f ist eine Interpolationsschrittweite\n"
                "von 2!%.2f angegeben. Der Folgewert ist jedoch nicht numerisch auswertbar (alphanumerischer Wert: "
                "'3!%s').\nEinstellungsschritte zwischen diesen Einstellungen konnten nicht ermittelt werden."
              : "Interpolationsanweisung mangelhaft. Bei der Einstellung 1!%.2f ist eine Interpolationsschrittanzahl\n"
                "von 2!%.2f angegeben. Der Folgewert ist jedoch nicht numerisch auswertbar (alphanumerischer Wert: "
                "'3!%s').\nEinstellungsschritte zwischen diesen Einstellungen konnten nicht ermittelt werden.";
      ctx.hint(50, ComposeMessage({text}, {node.setting, instruction, settingLabel(next)}), recordOr700(ctx, node));
      continue;
    }

    const bool upwards = node.setting <= next.setting;
    const double a = std::min(node.setting, next.setting);
    const double b = std::max(node.setting, next.setting);
    if (!(b - a > 0.0)) continue;
    double wanted = 0.0;
    double step = 0.0;
    if (mode == InterpolationMode::StepCount) {
      wanted = std::trunc(instruction + 0.1) - 1.0;
      step = (b - a) / instruction;
    } else {
      step = std::fabs(instruction);
      wanted = std::floor((b - a) / step - 1.0 + 0.5);
    }
    if (!(wanted >= 1.0) || !std::isfinite(step)) continue;
    if (wanted > kMaxIntermediateSettings ||
        result.size() + static_cast<std::size_t>(wanted) + (nodes.size() - i) > kMaxSettingNodes) {
      ctx.hint(50,
               ComposeMessage({"Interpolationsanweisung mangelhaft. Bei der Einstellung 1!%.2f ergibt die "
                               "Interpolationsanweisung 2!%.2f mehr als 3!%d Zwischenschritte.\n"
                               "Einstellungsschritte zwischen diesen Einstellungen konnten nicht ermittelt werden."},
                              {node.setting, instruction, kMaxIntermediateSettings}),
               recordOr700(ctx, node));
      continue;
    }

    CHydrixInterpolation table;
    table.Add(a, upwards ? node.value : next.value);
    table.Add(b, upwards ? next.value : node.value);
    const int count = static_cast<int>(wanted);
    for (int k = 1; k <= count; ++k) {
      const double setting = upwards ? a + k * step : b - k * step;
      const double value = table.GetY(setting, false);
      if (value == CHydrixInterpolation::kNoValue) continue;
      SettingNode intermediate;
      intermediate.setting = setting;
      intermediate.text = formatC("%g", setting);
      intermediate.value = value;
      result.push_back(std::move(intermediate));
    }
  }
  nodes = std::move(result);
}

namespace {

bool valuesFall(const std::vector<SettingNode>& nodes) {
  for (std::size_t i = 1; i < nodes.size(); ++i) {
    if (nodes[i].value - nodes[i - 1].value > 1e-6) return false;
  }
  return true;
}

}  // namespace

bool OrderFallingWithOneReversal(std::vector<SettingNode>& nodes) {
  if (valuesFall(nodes)) return true;
  std::reverse(nodes.begin(), nodes.end());
  return valuesFall(nodes);
}

float ToCurveValue(double value) {
  if (std::isnan(value)) return 0.0f;
  return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

hydVDIArmaturen::CKurve MakeSettingCurve(const std::vector<SettingNode>& nodes) {
  hydVDIArmaturen::CKurve curve;
  for (const SettingNode& node : nodes) {
    curve.addCurveNode(ToCurveValue(node.setting), node.text, ToCurveValue(node.value), ToCurveValue(node.extra));
  }
  return curve;
}

}  // namespace armakon
