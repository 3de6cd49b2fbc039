#include "armakon/vdi3805/OnePipeConverter.h"

#include <algorithm>
#include <string>

#include "armakon/components/Translation.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::CKurve14;
using hydVDIArmaturen::curveNode14;
using hydVDIArmaturen::hydArmaturEAV;

namespace {

// Neighbouring values closer than this count as equal in the order checks.
constexpr double kOrderTolerance = 1e-6;

bool kvBRises(const std::vector<OnePipeSetting>& settings) {
  for (std::size_t i = 1; i < settings.size(); ++i) {
    if (settings[i].values.kvB < settings[i - 1].values.kvB - kOrderTolerance) return false;
  }
  return true;
}

bool kvHFalls(const std::vector<OnePipeSetting>& settings) {
  for (std::size_t i = 1; i < settings.size(); ++i) {
    if (settings[i].values.kvH > settings[i - 1].values.kvH + kOrderTolerance) return false;
  }
  return true;
}

}  // namespace

bool convertOnePipe(ConversionContext& ctx) {
  auto* eav = dynamic_cast<hydArmaturEAV*>(&ctx.variant);
  if (eav == nullptr) return false;
  const std::vector<SettingRecord> records = ReadSettingRecords(ctx);
  CheckPresettable(ctx, records.size());
  if (records.empty()) {
    ReportNoSettingFound(ctx, true);
    return false;
  }
  if (std::none_of(records.begin(), records.end(), [](const SettingRecord& r) { return r.hasSetting; })) {
    ReportNoSettingFound(ctx, false);
  }
  return ConvertOnePipeRecords(ctx, *eav, records);
}

bool ConvertOnePipeRecords(ConversionContext& ctx, hydArmaturEAV& eav, const std::vector<SettingRecord>& records) {
  std::vector<OnePipeSetting> usable;
  for (const SettingRecord& record : records) {
    if (!OnePipeRecordUsable(ctx, record)) continue;
    usable.push_back({record.setting, OnePipeRecordValues(ctx, record)});
  }
  std::vector<SettingNode> keys;
  keys.reserve(usable.size());
  for (const OnePipeSetting& setting : usable) keys.push_back(setting.setting);
  if (!CheckDuplicateSettings(ctx, keys, FindingKind::Error, "710.01")) return false;
  return FinishOnePipe(ctx, eav, records.size(), usable);
}

bool FinishOnePipe(ConversionContext& ctx, hydArmaturEAV& eav, std::size_t settingsRead,
                   const std::vector<OnePipeSetting>& settings) {
  if (!CheckUsableSettings(ctx, settingsRead, settings.size(), true)) return false;
  bool ordered = true;
  if (!kvBRises(settings)) {
    ctx.error(32,
              Translate("Entgegen der Erwartung sind die kvB-Werte nicht stetig ansteigend.\nBitte prüfen sie die "
                        "Daten auf ihre korrekte Reihenfolge.\nSiehe Satzart 710.01."),
              ctx.technicalData);
    ordered = false;
  }
  if (!kvHFalls(settings)) {
    ctx.error(32,
              Translate("Entgegen der Erwartung sind die kvH-Werte nicht stetig absteigend.\nBitte prüfen sie die "
                        "Daten auf ihre korrekte Reihenfolge.\nSiehe Satzart 710.01."),
              ctx.technicalData);
    ordered = false;
  }
  if (!ordered) return false;

  CKurve14 curve;
  for (const OnePipeSetting& setting : settings) {
    curve.addCurveNode(curveNode14(ToCurveValue(setting.setting.setting), setting.setting.text,
                                   ToCurveValue(setting.values.kvB), ToCurveValue(setting.values.kvH),
                                   ToCurveValue(setting.values.kvs), ToCurveValue(setting.values.noise)));
  }
  curve.setEinheitx(std::string(ctx.field(ctx.technicalData, vdifield::r700::kSettingUnitSheet2)));
  curve.setEinheity1("m³/h");
  curve.setEinheity2("m³/h");
  curve.setEinheity3("m³/h");
  curve.setEinheity4("mbar");
  eav.addKurve14(curve);
  return true;
}

}  // namespace armakon
