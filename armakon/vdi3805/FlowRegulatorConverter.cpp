#include "armakon/vdi3805/FlowRegulatorConverter.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "armakon/components/Translation.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/vdi3805/ControllerConverterSettings.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::hydArmaturDFR;

namespace {

namespace f710_04 = vdifield::controller::r710_04;

constexpr int kCode710_04 = 71004;

}  // namespace

bool ConvertFlowRegulatorPart(ConversionContext& ctx, hydArmaturDFR& target) {
  const std::vector<const CVDIBase*> records = ctx.typeRecords(kCode710_04);

  std::vector<SettingNode> nodes;
  nodes.reserve(records.size());
  std::optional<double> effectivePressure;
  bool settingsFailed = false;
  for (const CVDIBase* record : records) {
    const int index = ctx.integer(record, vdifield::controller::kIndex);
    // Every record states the pressure the regulator needs; the smallest stated one is what
    // it needs at least, whichever setting the record belongs to.
    const std::optional<double> pressure = ctx.optionalNumber(record, f710_04::kEffectivePressure);
    if (pressure && *pressure != 0.0) {
      effectivePressure = effectivePressure ? std::min(*effectivePressure, *pressure) : *pressure;
    }

    SettingNode node = ReadControllerSetting(ctx, record);
    const bool hasSetting = HasControllerSetting(ctx, record);
    const std::optional<double> flow = ctx.optionalNumber(record, f710_04::kSetFlow);
    if (!flow) {
      if (hasSetting) {
        ctx.hint(50,
                 ComposeMessage({"Es ist kein V-Soll-Wert zu der Einstellung 2!%s hinterlegt.\nDiese Einstellung wird "
                                 "übersprungen.\nSiehe Satzart 710.04 mit Index 1!%d."},
                                {index, node.text}),
                 record);
      }
      continue;
    }
    if (!hasSetting) {
      ctx.error(30,
                ComposeMessage({"Es ist keine Einstellung zu dem V-Soll-Wert 1!%.2f hinterlegt.\nSiehe Satzart 710.04 "
                                "mit Index 2!%d."},
                               {*flow, index}),
                record);
      settingsFailed = true;
      continue;
    }
    node.value = *flow;
    nodes.push_back(std::move(node));
  }
  if (settingsFailed) return false;

  if (nodes.size() == 1) {
    ctx.hint(10,
             ComposeMessage({"Es ist nur eine einzige Einstellung (1!%s) hinterlegt.\nBitte prüfen sie, ob es sich um "
                             "einen Durchflussregler handelt, da er in den hydraulischen Abgleich mit eingebunden wird."},
                            {nodes.front().text}),
             nodes.front().record);
  }

  // One setting with two set flows leaves the sizing no answer; two settings with the same
  // set flow only offer a choice.
  if (!CheckDuplicateSettings(ctx, nodes, FindingKind::Error, "710.04")) return false;
  CheckDuplicateValues(ctx, nodes, FindingKind::Hint, "Volumenstrom", " m³/h", "710.04");
  InsertIntermediateSettings(ctx, nodes, InterpolationMode::StepWidth);
  // Largest set flow first, not ascending: the regulator reads its maximum flow from the
  // first node (getFlowRateMax) and its sizing walks the curve in that order.
  SortLargestValueFirst(nodes);
  const std::string unit(ctx.field(ctx.technicalData, vdifield::r700::kFlowSettingUnitSheet2));
  hydVDIArmaturen::CKurve curve = MakeControllerCurve(nodes, unit, "m³/h");

  if (!effectivePressure || *effectivePressure < 1e-5) {
    ctx.error(30, Translate("Es ist kein gültiger Wirkdruck hinterlegt.\nSiehe Satzart 710.04."), ctx.technicalData);
    return false;
  }
  target.addKurve(curve);
  target.setWirkdruck(ToCurveValue(*effectivePressure));
  return true;
}

bool convertFlowRegulator(ConversionContext& ctx) {
  // A combined regulator derives from hydArmaturDDR, not from hydArmaturDFR: only the plain
  // flow regulator passes.
  auto* regulator = dynamic_cast<hydArmaturDFR*>(&ctx.variant);
  if (regulator == nullptr) return false;
  return ConvertFlowRegulatorPart(ctx, *regulator);
}

}  // namespace armakon
