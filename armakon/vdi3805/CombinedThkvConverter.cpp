#include "armakon/vdi3805/CombinedThkvConverter.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "armakon/components/Translation.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/vdi3805/ControllerConverterSettings.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::CKurve14;
using hydVDIArmaturen::curveNode14;
using hydVDIArmaturen::hydArmaturTHKVDFR;

namespace {

namespace f710_01 = vdifield::r710_01;
namespace head = vdifield::controller;

// Settings that agree up to this distance are the same setting.
constexpr double kSameSetting = 1e-6;

// The settings of one record type: one node per record in file order, and per node whether
// its record gave the value.
struct SettingRecords {
  std::vector<SettingNode> nodes;
  std::vector<bool> hasValue;
};

// 710.01: setting, kv (value) and noise limit (extra) per record; the XP of the first record
// that gives one. A missing kv or noise limit is taken as 0 with a hint.
SettingRecords readThermostaticSettings(ConversionContext& ctx, const std::vector<const CVDIBase*>& records,
                                        std::optional<double>& xp) {
  SettingRecords read;
  for (const CVDIBase* record : records) {
    const int index = ctx.integer(record, f710_01::kIndex);
    SettingNode node;
    node.record = record;
    node.text = std::string(ctx.field(record, f710_01::kSettingText));
    if (node.text.empty()) node.text = std::string(ctx.field(record, f710_01::kSettingNumber));
    node.setting = ctx.number(record, f710_01::kSettingNumber, kEmptyNumber);
    node.instruction = ctx.number(record, f710_01::kInstruction, 0.0);
    if (const std::optional<double> kv = ctx.optionalNumber(record, f710_01::kKv)) {
      node.value = *kv;
    } else {
      ctx.hint(50,
               ComposeMessage({"Es ist kein kv-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nSiehe "
                               "Satzart 710.01 mit Index 1!%d."},
                              {index}),
               record);
    }
    if (const std::optional<double> noise = ctx.optionalNumber(record, f710_01::kNoiseLimit)) {
      node.extra = *noise;
    } else {
      ctx.hint(50,
               ComposeMessage({"Diese gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der "
                               "Einstellung '1!%s' in den technischen Daten keine Geräuschgrenze hinterlegt.\nSiehe "
                               "Satzart 710.01 mit Index 2!%d."},
                              {node.text, index}),
               record);
    }
    if (!xp) xp = ctx.optionalNumber(record, f710_01::kXp);
    read.nodes.push_back(std::move(node));
    read.hasValue.push_back(true);
  }
  return read;
}

// 710.02 and 710.03: setting and the value of the given field per record.
SettingRecords readValueSettings(const ConversionContext& ctx, const std::vector<const CVDIBase*>& records,
                                 int valueField) {
  SettingRecords read;
  for (const CVDIBase* record : records) {
    SettingNode node = ReadControllerSetting(ctx, record);
    const std::optional<double> value = ctx.optionalNumber(record, valueField);
    node.value = value.value_or(0.0);
    read.nodes.push_back(std::move(node));
    read.hasValue.push_back(value.has_value());
  }
  return read;
}

bool allNumeric(const SettingRecords& read) {
  for (const SettingNode& node : read.nodes) {
    if (!node.isNumeric()) return false;
  }
  return true;
}

bool strictlyFalling(const SettingRecords& read) {
  for (std::size_t i = 1; i < read.nodes.size(); ++i) {
    if (!(read.nodes[i].setting < read.nodes[i - 1].setting)) return false;
  }
  return true;
}

// The nodes whose record gave the value. A setting without its value is left out, so that
// its record type no longer covers the settings of the others.
std::vector<SettingNode> withValues(const SettingRecords& read) {
  std::vector<SettingNode> nodes;
  for (std::size_t i = 0; i < read.nodes.size(); ++i) {
    if (read.hasValue[i]) nodes.push_back(read.nodes[i]);
  }
  return nodes;
}

// The interpolation instructions add intermediate settings with interpolated values; the
// second value of 710.01 (the noise limit, kept as extra) is interpolated here the same way,
// between the read settings on either side.
void interpolateExtra(std::vector<SettingNode>& nodes) {
  std::size_t previous = nodes.size();
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i].record != nullptr) {
      previous = i;
      continue;
    }
    std::size_t next = i + 1;
    while (next < nodes.size() && nodes[next].record == nullptr) ++next;
    if (previous == nodes.size() || next == nodes.size()) continue;
    const SettingNode& a = nodes[previous];
    const SettingNode& b = nodes[next];
    for (std::size_t k = i; k < next; ++k) {
      const double share = (nodes[k].setting - a.setting) / (b.setting - a.setting);
      nodes[k].extra = a.extra + share * (b.extra - a.extra);
    }
    i = next - 1;
  }
}

bool sameSettings(const std::vector<SettingNode>& a, const std::vector<SettingNode>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!(std::fabs(a[i].setting - b[i].setting) <= kSameSetting)) return false;
  }
  return true;
}

void errorSeeTechnicalData(ConversionContext& ctx, std::string_view text) {
  ctx.error(10, ComposeMessage({text}, {ctx.technicalIndex()}), ctx.technicalData);
}

}  // namespace

bool convertCombinedThkv(ConversionContext& ctx) {
  auto* valve = dynamic_cast<hydArmaturTHKVDFR*>(&ctx.variant);
  if (valve == nullptr) return false;

  const std::vector<const CVDIBase*> records01 = ctx.typeRecords(71001);
  const std::vector<const CVDIBase*> records02 = ctx.typeRecords(71002);
  const std::vector<const CVDIBase*> records03 = ctx.typeRecords(71003);
  bool missing = false;
  const auto require = [&](const std::vector<const CVDIBase*>& records, const char* text) {
    if (!records.empty()) return;
    ctx.error(10, ComposeMessage({text, "\n", "Folge: Diese Ausführung wird übersprungen."}, {ctx.technicalIndex()}),
              ctx.technicalData);
    missing = true;
  };
  require(records01,
          "Es wurde ein Satz der Satzart 710.01 in dieser Armatur erwartet jedoch nicht gefunden.\nSiehe technische "
          "Daten der Armaturausführung (Satzart 700 mit Index 1!%d).");
  require(records02,
          "Es wurde ein Satz der Satzart 710.02 in dieser Armatur erwartet jedoch nicht gefunden.\nSiehe technische "
          "Daten der Armaturausführung (Satzart 700 mit Index 1!%d).");
  require(records03,
          "Es wurde ein Satz der Satzart 710.03 in dieser Armatur erwartet jedoch nicht gefunden.\nSiehe technische "
          "Daten der Armaturausführung (Satzart 700 mit Index 1!%d).");
  if (missing) return false;

  CheckPresettable(ctx, records01.size());
  std::optional<double> xp;
  const SettingRecords thermostatic = readThermostaticSettings(ctx, records01, xp);
  const SettingRecords flowLimits = readValueSettings(ctx, records02, vdifield::controller::r710_02::kFlowLimitType12);
  const SettingRecords minPressures =
      readValueSettings(ctx, records03, vdifield::controller::r710_03::kMinDiffPressureType12);

  if (!allNumeric(thermostatic) || !allNumeric(flowLimits) || !allNumeric(minPressures)) {
    errorSeeTechnicalData(ctx,
                          "Nicht alle hinterlegten Einstellungswerte sind numerisch auswertbar.\nBitte prüfen sie die "
                          "Daten auf ihre korrekte Reihenfolge.\nSiehe technische Daten der Armaturausführung (Satzart "
                          "700 mit Index 1!%d).");
    return false;
  }
  if (!strictlyFalling(thermostatic) || !strictlyFalling(flowLimits) || !strictlyFalling(minPressures)) {
    errorSeeTechnicalData(ctx,
                          "Entgegen der Erwartung sind die Einstellungswerte nicht stetig absteigend.\nBitte prüfen sie "
                          "die Daten auf ihre korrekte Reihenfolge.\nSiehe technische Daten der Armaturausführung "
                          "(Satzart 700 mit Index 1!%d).");
    return false;
  }

  std::vector<SettingNode> settings = withValues(thermostatic);
  std::vector<SettingNode> limits = withValues(flowLimits);
  std::vector<SettingNode> pressures = withValues(minPressures);
  InsertIntermediateSettings(ctx, settings, InterpolationMode::StepWidth);
  interpolateExtra(settings);
  InsertIntermediateSettings(ctx, limits, InterpolationMode::StepWidth);
  InsertIntermediateSettings(ctx, pressures, InterpolationMode::StepWidth);
  if (!sameSettings(settings, limits) || !sameSettings(settings, pressures)) {
    errorSeeTechnicalData(ctx,
                          "Entgegen der Erwartung sind unterschiedliche Einstellungsbandbreiten und Schrittweiten in "
                          "den Daten ermittelt worden.\nBitte prüfen sie die Daten auf angegebene Einstellungen und "
                          "Interpolationsanweisungen.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit "
                          "Index 1!%d, darin Satzart 710.01, 710.02 und 710.03).");
    return false;
  }

  CKurve14 curve;
  for (std::size_t i = 0; i < settings.size(); ++i) {
    curve.addCurveNode(curveNode14(ToCurveValue(settings[i].setting), settings[i].text, ToCurveValue(settings[i].value),
                                   ToCurveValue(settings[i].extra), ToCurveValue(pressures[i].value),
                                   ToCurveValue(limits[i].value)));
  }
  curve.setEinheitx(ControllerSettingUnit(ctx));
  curve.setEinheity1("m³/h");
  curve.setEinheity2("mbar");
  curve.setEinheity3("mbar");
  curve.setEinheity4("m³/h");
  valve->addKurve(curve);
  valve->setXp(xp.value_or(0.0));
  return true;
}

}  // namespace armakon
