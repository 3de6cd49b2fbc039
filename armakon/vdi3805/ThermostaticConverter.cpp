#include "armakon/vdi3805/ThermostaticConverter.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "armakon/components/CHydrixInterpolation.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/OnePipeConverter.h"
#include "armakon/vdi3805/ThermostaticConverterRecords.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::hydArmaturEAV;
using hydVDIArmaturen::hydArmaturTHKV;

namespace {

namespace fthk = vdifield::thermostatic;

// A single XP this close to the chosen one needs no hint.
constexpr double kXpTolerance = 1e-6;

using Group = std::vector<const SettingRecord*>;

// The records grouped by setting, groups in the order their settings first appear.
std::vector<Group> groupBySetting(const std::vector<SettingRecord>& records) {
  std::vector<Group> groups;
  std::map<double, std::size_t> byNumber;
  std::map<std::string, std::size_t> byText;
  for (const SettingRecord& record : records) {
    const std::size_t next = groups.size();
    const std::size_t at = record.setting.isNumeric() ? byNumber.emplace(record.setting.setting, next).first->second
                                                      : byText.emplace(record.setting.text, next).first->second;
    if (at == next) groups.emplace_back();
    groups[at].push_back(&record);
  }
  return groups;
}

void hintNoKv(const ConversionContext& ctx, const SettingRecord& record) {
  ctx.hint(50,
           ComposeMessage({"Diese gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der Einstellung "
                           "'1!%s' in den technischen Daten keinen kv-Wert hinterlegt.\nDiese Einstellung wird "
                           "übersprungen.\nSiehe Satzart 710.01 mit Index 2!%d."},
                          {record.setting.text, record.index}),
           record.record);
}

// The kv of a valve body's record, or false (with its hint) when the setting must be skipped.
bool bodyRecordUsable(const ConversionContext& ctx, const SettingRecord& record) {
  if (!record.kv) {
    hintNoKv(ctx, record);
    return false;
  }
  if (*record.kv < 0.0) {
    HintFaultyValues(ctx, record);
    return false;
  }
  return true;
}

// The records of a setting that are used: none when one of them makes the setting unusable
// (its hint filed); an XP given a second time is left out with a hint.
Group usableRecords(const ConversionContext& ctx, const Group& group, bool onePipe) {
  for (const SettingRecord* record : group) {
    if (!IsUsableXp(record->xp)) {
      HintFaultyValues(ctx, *record);
      return {};
    }
    if (onePipe ? !OnePipeRecordUsable(ctx, *record) : !bodyRecordUsable(ctx, *record)) return {};
  }
  Group kept;
  std::set<double> seen;
  for (const SettingRecord* record : group) {
    if (!seen.insert(*record->xp).second) {
      ctx.hint(
          100,
          ComposeMessage({"Eine gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat zu der Einstellung "
                          "'1!%s' in den technischen Daten den XP-Wert 2!%s doppelt hinterlegt.\nSiehe Satzart "
                          "710.01 mit Index 3!%d."},
                         {record->setting.text, ctx.field(record->record, fthk::kXp), record->index}),
          record->record);
      continue;
    }
    kept.push_back(record);
  }
  return kept;
}

// The value at the chosen XP from (XP, value) pairs of distinct XP.
double valueAtXp(std::vector<std::pair<double, double>> points, double xp) {
  std::sort(points.begin(), points.end());
  CHydrixInterpolation table;
  for (const auto& [x, y] : points) table.Add(x, y);
  const double value = table.GetY(xp, true);
  if (value == CHydrixInterpolation::kNoValue || !std::isfinite(value)) return 0.0;
  return std::max(0.0, value);
}

void hintSingleXp(const ConversionContext& ctx, const SettingRecord& record, double chosenXp) {
  if (std::fabs(*record.xp - chosenXp) <= kXpTolerance) return;
  ctx.hint(50,
           ComposeMessage({"Eine gewählte Ausführung der Thermostatischen Heizkörper-Ventile hat bei der Einstellung "
                           "1!%s in den technischen Daten nur einen einzigen XP hinterlegt. Trotz ggf. anderer Auswahl "
                           "wird mangels Interpolationsmöglichkeiten ein XP von 2!%.2f übernommen.\nSiehe Satzart "
                           "710.01 mit Index 3!%d."},
                          {record.setting.text, *record.xp, record.index}),
           record.record);
}

// The kv curve of a valve body from its usable settings.
bool finishBody(ConversionContext& ctx, hydArmaturTHKV& thkv, std::size_t settingsRead,
                std::vector<SettingNode> nodes) {
  if (!CheckUsableSettings(ctx, settingsRead, nodes.size(), false)) return false;
  if (!OrderFallingWithOneReversal(nodes)) {
    ctx.error(10,
              Translate("Entgegen der Erwartung sind die kv-Werte nicht stetig absteigend.\nBitte prüfen sie die Daten "
                        "auf ihre korrekte Reihenfolge.\nSiehe Satzart 710.01."),
              ctx.technicalData);
    return false;
  }
  hydVDIArmaturen::CKurve curve = MakeSettingCurve(nodes);
  curve.setEinheitx(std::string(ctx.field(ctx.technicalData, vdifield::r700::kSettingUnitSheet2)));
  curve.setEinheity("m³/h");
  thkv.addKvKurve(curve);
  return true;
}

// A valve body whose records carry no XP: each record one setting with its kv.
bool convertBodyWithoutXp(ConversionContext& ctx, hydArmaturTHKV& thkv, const std::vector<SettingRecord>& records) {
  std::vector<SettingNode> nodes;
  for (const SettingRecord& record : records) {
    if (!bodyRecordUsable(ctx, record)) continue;
    SettingNode node = record.setting;
    node.value = *record.kv;
    nodes.push_back(std::move(node));
  }
  if (!CheckDuplicateSettings(ctx, nodes, FindingKind::Error, "710.01")) return false;
  return finishBody(ctx, thkv, records.size(), std::move(nodes));
}

bool convertBody(ConversionContext& ctx, hydArmaturTHKV& thkv, const std::vector<Group>& groups, double xp) {
  std::vector<SettingNode> nodes;
  for (const Group& group : groups) {
    const Group kept = usableRecords(ctx, group, false);
    if (kept.empty()) continue;
    SettingNode node = kept.front()->setting;
    if (kept.size() == 1) {
      hintSingleXp(ctx, *kept.front(), xp);
      node.value = *kept.front()->kv;
    } else {
      std::vector<std::pair<double, double>> points;
      for (const SettingRecord* record : kept) points.emplace_back(*record->xp, *record->kv);
      node.value = valueAtXp(std::move(points), xp);
    }
    nodes.push_back(std::move(node));
  }
  return finishBody(ctx, thkv, groups.size(), std::move(nodes));
}

bool convertKind1(ConversionContext& ctx, hydArmaturEAV& eav, const std::vector<Group>& groups, double xp) {
  std::vector<OnePipeSetting> settings;
  for (const Group& group : groups) {
    const Group kept = usableRecords(ctx, group, true);
    if (kept.empty()) continue;
    std::vector<OnePipeValues> values;
    for (const SettingRecord* record : kept) values.push_back(OnePipeRecordValues(ctx, *record));
    OnePipeSetting setting{kept.front()->setting, values.front()};
    if (kept.size() == 1) {
      hintSingleXp(ctx, *kept.front(), xp);
    } else {
      const auto at = [&](double OnePipeValues::*member) {
        std::vector<std::pair<double, double>> points;
        for (std::size_t i = 0; i < kept.size(); ++i) points.emplace_back(*kept[i]->xp, values[i].*member);
        return valueAtXp(std::move(points), xp);
      };
      setting.values = {at(&OnePipeValues::kvB), at(&OnePipeValues::kvH), at(&OnePipeValues::kvs),
                        at(&OnePipeValues::noise)};
    }
    settings.push_back(std::move(setting));
  }
  return FinishOnePipe(ctx, eav, groups.size(), settings);
}

}  // namespace

std::optional<std::pair<double, double>> ThermostaticXpRange(const CVDIBase* technicalData) {
  std::optional<std::pair<double, double>> range;
  if (technicalData == nullptr) return range;
  for (const auto& child : technicalData->GetChildren()) {
    if (child->GetCode() != 71001) continue;
    double xp = 0.0;
    if (!parseDouble(GetFieldView(child.get(), fthk::kXp), xp) || !IsUsableXp(xp)) continue;
    range = range ? std::make_pair(std::min(range->first, xp), std::max(range->second, xp)) : std::make_pair(xp, xp);
  }
  return range;
}

std::optional<double> ChooseXp(const ConversionContext& ctx, double xpMin, double xpMax) {
  const double wanted = ctx.wantedXp;
  if (wanted >= xpMin - kXpTolerance && wanted <= xpMax + kXpTolerance) return wanted;
  const std::string question =
      ComposeMessage({"Dieses Ventil/Ventilausführung unterstützt laut VDI3805-Daten nur eine XP-Einstellung zwischen "
                      "1!%.1f und 2!%.1f\n'Ja' übernimmt 1!%.1f, 'Nein' übernimmt 2!%.1f, 'Abbrechen' überspringt "
                      "diese Ausführung."},
                     {xpMin, xpMax});
  switch (platform().askYesNoCancel(question, ctx.variant.getHinweisText())) {
    case Answer::Yes:
      return xpMin;
    case Answer::No:
      return xpMax;
    case Answer::Cancel:
      break;
  }
  return std::nullopt;
}

bool convertThermostatic(ConversionContext& ctx) {
  const bool kind1 = ctx.type.thermostaticOfKind1();
  auto* eav = kind1 ? dynamic_cast<hydArmaturEAV*>(&ctx.variant) : nullptr;
  auto* thkv = kind1 ? nullptr : dynamic_cast<hydArmaturTHKV*>(&ctx.variant);
  if (eav == nullptr && thkv == nullptr) return false;

  const std::vector<SettingRecord> records = ReadSettingRecords(ctx);
  const std::vector<Group> groups = groupBySetting(records);
  std::optional<std::pair<double, double>> range;
  for (const SettingRecord& record : records) {
    if (!IsUsableXp(record.xp)) continue;
    const double xp = *record.xp;
    range = range ? std::make_pair(std::min(range->first, xp), std::max(range->second, xp)) : std::make_pair(xp, xp);
  }
  // The declaration is checked against the records, also where one setting spans several
  // of them (one per XP).
  CheckPresettable(ctx, records.size());
  if (records.empty()) {
    ReportNoSettingFound(ctx, true);
    return false;
  }
  if (std::none_of(records.begin(), records.end(), [](const SettingRecord& r) { return r.hasSetting; })) {
    ReportNoSettingFound(ctx, false);
  }

  if (!range) {
    ctx.hint(20,
             ComposeMessage({"Es wurde kein XP-Wert in den Typspezifischen Daten mit der Satzart 710.01 gefunden.",
                             "\n", "Folge: Es kann kein auslegungsspezifischer kv-Wert ermittelt werden."}),
             ctx.technicalData);
    if (eav != nullptr) {
      eav->setXp(ctx.wantedXp);
      return ConvertOnePipeRecords(ctx, *eav, records);
    }
    thkv->setXp(ctx.wantedXp);
    return convertBodyWithoutXp(ctx, *thkv, records);
  }

  const std::optional<double> xp = ChooseXp(ctx, range->first, range->second);
  if (!xp) return false;
  if (eav != nullptr) {
    eav->setXp(*xp);
    return convertKind1(ctx, *eav, groups, *xp);
  }
  thkv->setXp(*xp);
  return convertBody(ctx, *thkv, groups, *xp);
}

}  // namespace armakon
