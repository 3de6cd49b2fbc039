#include "armakon/vdi3805/SettingCurveConverter.h"

#include <algorithm>
#include <optional>

#include "armakon/components/Translation.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::hydArmatur;
using hydVDIArmaturen::hydArmaturDross;

namespace {

namespace f710 = vdifield::r710_01;

// The hint for a valve without any setting record, where its type expects some.
void hintNoSettings(ConversionContext& ctx) {
  const char* text = nullptr;
  if (ctx.typeCode() == 204) {
    text = "Dieses Strangregulierventil hat keine Einstellungen hinterlegt (Datensätze der Satzart 710.01). Bitte "
           "prüfen.\nSiehe Satzart 700 mit Index 1!%d.";
  } else if (ctx.typeCode() == 1702) {
    text = "Dieses Armatur hat keine Einstellungen hinterlegt (Datensätze der Satzart 710.01). Bitte prüfen.\nSiehe "
           "Satzart 700 mit Index 1!%d.";
  }
  if (text != nullptr) ctx.hint(45, ComposeMessage({text}, {ctx.technicalIndex()}), ctx.technicalData);
}

}  // namespace

bool convertSettingCurve(ConversionContext& ctx) {
  auto* dross = dynamic_cast<hydArmaturDross*>(&ctx.variant);
  if (dross == nullptr) return false;

  const std::vector<const CVDIBase*> records = ctx.typeRecords(71001);
  CheckPresettable(ctx, records.size());

  std::vector<SettingNode> nodes;
  nodes.reserve(records.size());
  std::optional<double> lowerLimit;
  std::optional<double> upperLimit;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const CVDIBase* record = records[i];
    const int index = ctx.integer(record, f710::kIndex);
    SettingNode node;
    node.record = record;
    if (const std::optional<double> kv = ctx.optionalNumber(record, f710::kKv)) {
      node.value = *kv;
    } else {
      ctx.hint(50,
               ComposeMessage({"Es ist kein kv-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nSiehe "
                               "Satzart 710.01 mit Index 1!%d."},
                              {index}),
               record);
    }
    node.text = std::string(ctx.field(record, f710::kSettingText));
    node.setting = ctx.number(record, f710::kSettingNumber, kEmptyNumber);
    if (node.text.empty() && ctx.isEmpty(record, f710::kSettingNumber)) {
      if (i + 1 < records.size()) {
        ctx.hint(50,
                 ComposeMessage({"Fehlende VDI-Daten:\n",
                                 "Es ist keine Einstellung zu dem kv-Wert 1!%.2f hinterlegt.\nSiehe Satzart 710.01 mit "
                                 "Index 2!%d.",
                                 "\n", "Diese Einstellung wird übersprungen."},
                                {node.value, index}),
                 record);
        continue;
      }
      node.text = Translate("keine Einstellung");
    }
    if (node.text.empty()) node.text = std::string(ctx.field(record, f710::kSettingNumber));
    node.instruction = ctx.number(record, f710::kInstruction, 0.0);
    node.extra = ctx.number(record, f710::kFurtherValue, 0.0);
    if (const std::optional<double> lower = ctx.optionalNumber(record, f710::kLowerLimit)) {
      lowerLimit = lowerLimit ? std::min(*lowerLimit, *lower) : *lower;
    }
    if (ctx.sheet == 2) {
      if (const std::optional<double> upper = ctx.optionalNumber(record, f710::kUpperLimit)) {
        upperLimit = upperLimit ? std::max(*upperLimit, *upper) : *upper;
      }
    }
    nodes.push_back(std::move(node));
  }

  if (static_cast<double>(nodes.size()) < 0.79 * static_cast<double>(records.size())) {
    ctx.error(30,
              Translate("Diese Armaturausführung wird nicht erzeugt, da ein Teil der Einstellungen nicht ausgewertet "
                        "werden konnte.\nSiehe Satzart 710.01."),
              ctx.technicalData);
    return false;
  }
  if (records.empty()) hintNoSettings(ctx);

  // A setting twice leaves the sizing two kv values for one setting: unusable. A kv twice
  // only makes two settings equivalent, which the sizing can live with.
  if (!CheckDuplicateSettings(ctx, nodes, FindingKind::Error, "710.01")) return false;
  CheckDuplicateValues(ctx, nodes, FindingKind::Hint, "kv-Wert", " m³/h", "710.01");
  InsertIntermediateSettings(ctx, nodes,
                             ctx.typeCode() == 1702 ? InterpolationMode::StepCount : InterpolationMode::StepWidth);
  if (!OrderFallingWithOneReversal(nodes)) {
    ctx.error(10,
              Translate("Entgegen der Erwartung sind die kv-Werte nicht stetig absteigend.\nBitte prüfen sie die Daten "
                        "auf ihre korrekte Reihenfolge.\nSiehe Satzart 710.01."),
              ctx.technicalData);
    return false;
  }

  const std::string unit(ctx.field(ctx.technicalData, ctx.sheet == 17 ? vdifield::r700::kSettingUnitSheet17
                                                                       : vdifield::r700::kSettingUnitSheet2));
  hydVDIArmaturen::CKurve curve = MakeSettingCurve(nodes);
  curve.setEinheitx(unit);
  curve.setEinheity("m³/h");
  dross->addKurve(curve);
  if (ctx.sheet == 2) dross->setEinheitEinst(unit);
  if (lowerLimit) dross->setDpmin(ToCurveValue(*lowerLimit));
  if (upperLimit) dross->setDpmax(ToCurveValue(*upperLimit));
  return true;
}

bool convertFixedResistance(ConversionContext& ctx) {
  return ctx.variant.GetRuntimeClass() == &hydArmatur::GetThisClass();
}

}  // namespace armakon
