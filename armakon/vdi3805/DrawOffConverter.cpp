#include "armakon/vdi3805/DrawOffConverter.h"

#include <algorithm>
#include <string>

#include "armakon/model/hydArmaturEA.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/SafetyFittingConverter.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::hydArmaturEA;

namespace {

namespace f710_02 = vdifield::sheet17::r710_02;

constexpr int kCode710_02 = 71002;
constexpr int kCode710_03 = 71003;

enum Wert { kMinFlowPressure = 0, kFlowCold = 1, kFlowWarm = 2, kMinFlowPressureCold = 3, kMinFlowPressureWarm = 4 };
enum Byte { kBackflowPreventer = 0, kColdWater = 1, kWarmWater = 2 };

}  // namespace

bool convertDrawOff(ConversionContext& ctx) {
  auto* fitting = dynamic_cast<hydArmaturEA*>(&ctx.variant);
  if (fitting == nullptr) return false;

  const std::vector<const CVDIBase*> records = ctx.typeRecords(kCode710_02);
  if (records.empty()) {
    ctx.error(10,
              ComposeMessage({"Es wurde ein Satz der Satzart 710.02 in dieser Armatur erwartet jedoch nicht gefunden.\n"
                              "Siehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d).",
                              "\n", "Folge: Diese Ausführung wird übersprungen."},
                             {ctx.technicalIndex()}),
              ctx.technicalData);
    return false;
  }

  // A fitting has one 710.02; its index names it in the messages as the file writes it.
  const CVDIBase* data = records.front();
  const std::string index(ctx.field(data, f710_02::kIndex));
  const double flowCold = ctx.number(data, f710_02::kFlowCold, 0.0);
  const double flowWarm = ctx.number(data, f710_02::kFlowWarm, 0.0);
  const double minFlowPressure = ctx.number(data, f710_02::kMinFlowPressure, 0.0);

  bool usable = true;
  if (!(flowCold > 0.0) && !(flowWarm > 0.0)) {
    ctx.error(
        10,
        ComposeMessage({"In dieser Ausführung der Entnahmearmatur wurden keine Durchflussdaten hinterlegt.\nSiehe "
                        "technische Daten der Armaturausführung (Satzart 700;1!%d und 710.02;2!%s)."},
                       {ctx.technicalIndex(), index}),
        data);
    usable = false;
  }
  if (!(minFlowPressure > 0.0)) {
    ctx.error(
        10,
        ComposeMessage({"In dieser Ausführung der Entnahmearmatur wurde kein Mindestfließdruck hinterlegt.\nSiehe "
                        "technische Daten der Armaturausführung (Satzart 700;1!%d; und 710.02;2!%s;)."},
                       {ctx.technicalIndex(), index}),
        data);
    usable = false;
  }
  if (!usable) return false;

  fitting->setWert(kMinFlowPressure, ToCurveValue(minFlowPressure));
  fitting->setWert(kFlowCold, ToCurveValue(flowCold));
  fitting->setWert(kFlowWarm, ToCurveValue(flowWarm));
  fitting->setWert(kMinFlowPressureCold, ToCurveValue(ctx.number(data, f710_02::kMinFlowPressureCold, 0.0)));
  fitting->setWert(kMinFlowPressureWarm, ToCurveValue(ctx.number(data, f710_02::kMinFlowPressureWarm, 0.0)));
  fitting->setByte(kColdWater, flowCold > 0.0 ? 1 : 0);
  fitting->setByte(kWarmWater, flowWarm > 0.0 ? 1 : 0);
  fitting->setEinheitEinst(std::string(ctx.field(ctx.technicalData, vdifield::r700::kSettingUnitSheet17)));

  if (ctx.typeCode() == 1705) {
    fitting->setByte(kBackflowPreventer, 1);
    std::vector<CharacteristicPoint> points = ReadCharacteristicPoints(ctx, ctx.typeRecords(kCode710_03));
    if (!points.empty()) {
      std::stable_sort(points.begin(), points.end(), [](const CharacteristicPoint& a, const CharacteristicPoint& b) {
        return a.massFlow > b.massFlow;
      });
      CKurve curve = MakeCharacteristicCurve(points);
      curve.setEinheitx("mbar");
      curve.setEinheity("l/h");
      fitting->addKurve(curve);
    }
  }
  return true;
}

}  // namespace armakon
