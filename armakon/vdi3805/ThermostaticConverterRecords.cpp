#include "armakon/vdi3805/ThermostaticConverterRecords.h"

#include <cmath>
#include <string>

#include "armakon/components/Translation.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

namespace {

namespace f710 = vdifield::r710_01;
namespace fthk = vdifield::thermostatic;

// A kvs that differs from kvB + kvH by less than this is taken as their sum: manufacturers
// round the three values on their own, to hundredths of m³/h.
constexpr double kKvsTolerance = 0.005;

}  // namespace

std::vector<SettingRecord> ReadSettingRecords(const ConversionContext& ctx) {
  std::vector<SettingRecord> out;
  for (const CVDIBase* record : ctx.typeRecords(71001)) {
    SettingRecord read;
    read.record = record;
    read.index = ctx.integer(record, f710::kIndex);
    read.setting.record = record;
    read.setting.text = std::string(ctx.field(record, f710::kSettingText));
    read.setting.setting = ctx.number(record, f710::kSettingNumber, kEmptyNumber);
    read.hasSetting = !read.setting.text.empty() || !ctx.isEmpty(record, f710::kSettingNumber);
    if (read.setting.text.empty()) {
      read.setting.text =
          read.hasSetting ? std::string(ctx.field(record, f710::kSettingNumber)) : Translate("keine Einstellung");
    }
    read.xp = ctx.optionalNumber(record, fthk::kXp);
    read.kv = ctx.optionalNumber(record, fthk::kKv);
    read.kvB = ctx.optionalNumber(record, fthk::kKvB);
    read.kvH = ctx.optionalNumber(record, fthk::kKvH);
    read.noise = ctx.optionalNumber(record, fthk::kNoiseLimit);
    out.push_back(std::move(read));
  }
  return out;
}

bool IsUsableXp(const std::optional<double>& xp) { return xp && std::isfinite(*xp) && *xp > 0.0; }

void HintFaultyValues(const ConversionContext& ctx, const SettingRecord& record) {
  ctx.hint(50,
           ComposeMessage({"Eine gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der Einstellung "
                           "1!%s in den technischen Daten fehlerhafte XP- und/oder kv-Werte hinterlegt. (Satzart "
                           "710.01 Lfd.Idx.3 und 9)\nDiese Einstellung wird übersprungen."},
                          {record.setting.text}),
           record.record);
}

bool OnePipeRecordUsable(const ConversionContext& ctx, const SettingRecord& record) {
  const auto missing = [&](const char* text) {
    ctx.hint(50, ComposeMessage({text}, {record.setting.text, record.index}), record.record);
    return false;
  };
  if (!record.kvB) {
    return missing(
        "Diese gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der Einstellung '1!%s' "
        "in den technischen Daten keinen kvB-Wert hinterlegt.\nDiese Einstellung wird übersprungen.\nSiehe "
        "Satzart 710.01 mit Index 2!%d.");
  }
  if (!record.kvH) {
    return missing(
        "Diese gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der Einstellung '1!%s' "
        "in den technischen Daten keinen kvH-Wert hinterlegt.\nDiese Einstellung wird übersprungen.\nSiehe "
        "Satzart 710.01 mit Index 2!%d.");
  }
  if (*record.kvB < 0.0 || *record.kvH < 0.0 || (record.kv && *record.kv < 0.0)) {
    HintFaultyValues(ctx, record);
    return false;
  }
  return true;
}

OnePipeValues OnePipeRecordValues(const ConversionContext& ctx, const SettingRecord& record) {
  OnePipeValues values;
  values.kvB = record.kvB.value_or(0.0);
  values.kvH = record.kvH.value_or(0.0);
  const double sum = values.kvB + values.kvH;
  if (!record.kv) {
    values.kvs = sum;
    ctx.hint(
        50,
        ComposeMessage({"Diese gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der Einstellung "
                        "'1!%s' in den technischen Daten keinen kvs-Wert hinterlegt.\nDer Wert wird aus der Summe "
                        "von kvB (3!%s m³/h) und kvH (4!%s m³/h) gebildet.\nSiehe Satzart 710.01 mit Index 2!%d."},
                       {record.setting.text, record.index, ctx.field(record.record, fthk::kKvB),
                        ctx.field(record.record, fthk::kKvH)}),
        record.record);
  } else {
    values.kvs = *record.kv;
    if (std::fabs(values.kvs - sum) > kKvsTolerance) {
      ctx.hint(50,
               ComposeMessage({"Diese gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der "
                               "Einstellung '1!%s' in den technischen Daten keinen gültigen kvs-Wert (2!%.2f m³/h) "
                               "hinterlegt.\n"
                               "Der kvs-Wert sollte der Summe aus kvB (3!%.2f m³/h) und kvH (4!%.2f m³/h) "
                               "entsprechen.\nSiehe Satzart 710.01."},
                              {record.setting.text, values.kvs, values.kvB, values.kvH}),
               record.record);
    }
  }
  if (record.noise) {
    values.noise = *record.noise;
  } else {
    ctx.hint(
        50,
        ComposeMessage({"Diese gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der Einstellung "
                        "'1!%s' in den technischen Daten keine Geräuschgrenze hinterlegt.\nSiehe Satzart 710.01 "
                        "mit Index 2!%d."},
                       {record.setting.text, record.index}),
        record.record);
  }
  return values;
}

void ReportNoSettingFound(const ConversionContext& ctx, bool asError) {
  const std::string text = Translate(
      "In dieser Ausführung wurde keine Einstellung gefunden.\nSiehe Satzart 710.01 (Lfd.Nr. 5 für "
      "alphanumerische und 6 für numerische Einstellungen).");
  if (asError) {
    ctx.error(10, text, ctx.technicalData);
  } else {
    ctx.hint(45, text, ctx.technicalData);
  }
}

bool CheckUsableSettings(const ConversionContext& ctx, std::size_t settingsRead, std::size_t usable, bool needThree) {
  if (static_cast<double>(usable) < 0.79 * static_cast<double>(settingsRead)) {
    ctx.error(30,
              Translate("Diese Armaturausführung wird nicht erzeugt, da ein Teil der Einstellungen nicht ausgewertet "
                        "werden konnte.\nSiehe Satzart 710.01."),
              ctx.technicalData);
    return false;
  }
  if (needThree && settingsRead >= 2 && usable < 3) {
    ctx.error(10, Translate("Es sind zu wenige Einstellungen vorhanden.\nSiehe Satzart 710.01."), ctx.technicalData);
    return false;
  }
  return true;
}

}  // namespace armakon
