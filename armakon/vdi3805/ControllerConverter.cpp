#include "armakon/vdi3805/ControllerConverter.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/vdi3805/ControllerConverterSettings.h"
#include "armakon/vdi3805/FlowRegulatorConverter.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::hydArmaturDDR;
using hydVDIArmaturen::hydArmaturDDRDFR;

namespace {

namespace head = vdifield::controller;
namespace f710_02 = vdifield::controller::r710_02;
namespace f710_03 = vdifield::controller::r710_03;

constexpr int kCode710_02 = 71002;
constexpr int kCode710_03 = 71003;
// The Greek capital delta, the messages print it as a character ("1!%cp").
constexpr int kDelta = 0x0394;

// ---- Set points (710.02) --------------------------------------------------------------------

// The set-point curve; nothing when the variant must be skipped. A negative set point is
// filed as an invalid effective pressure and marks the settings as failed.
std::optional<CKurve> convertSetPoints(ConversionContext& ctx, bool& settingsFailed) {
  const std::vector<const CVDIBase*> records = ctx.typeRecords(kCode710_02);
  std::vector<SettingNode> nodes;
  nodes.reserve(records.size());
  for (const CVDIBase* record : records) {
    const int index = ctx.integer(record, head::kIndex);
    SettingNode node = ReadControllerSetting(ctx, record);
    if (const std::optional<double> value = ctx.optionalNumber(record, f710_02::kSetPoint)) {
      node.value = *value;
    } else {
      ctx.hint(50,
               ComposeMessage({"Es ist kein 1!%cp-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nSiehe "
                               "Satzart 710.02 mit Index 2!%d."},
                              {kDelta, index}),
               record);
    }
    if (!HasControllerSetting(ctx, record)) {
      ctx.error(10,
                ComposeMessage({"Es ist keine Einstellung zu dem 1!%s-Wert 2!%.2f hinterlegt.\nSiehe Satzart 710.02 mit "
                                "Index 3!%d.",
                                "\n", "Folge: Diese Ausführung wird übersprungen."},
                               {FormatText("%cp", {kDelta}), node.value, index}),
                record);
      return std::nullopt;
    }
    if (node.value < 0.0) {
      ctx.error(30,
                ComposeMessage({"Es ist eine ungültige Wirkdruckangabe hinterlegt worden.\nSiehe Satzart 710.02 mit "
                                "Index 1!%d."},
                               {index}),
                record);
      settingsFailed = true;
      continue;
    }
    nodes.push_back(std::move(node));
  }
  InsertIntermediateSettings(ctx, nodes, InterpolationMode::StepWidth);
  SortLargestValueFirst(nodes);
  return MakeControllerCurve(nodes, ControllerSettingUnit(ctx), SetPointCaption());
}

// ---- p-deviation (710.03 records without setting) -------------------------------------------

struct DeviationPoint {
  double kv = 0.0;
  double deviation = 0.0;
  bool deviationMissing = false;
  const CVDIBase* record = nullptr;
};

bool isDeviationPoint(const ConversionContext& ctx, const CVDIBase* record) {
  return !ctx.isEmpty(record, f710_03::kKv) || !ctx.isEmpty(record, f710_03::kDeviation);
}

// Groups of equal keys in file order: for each key met more than once, the first point and
// the first later one for which differs(first, other) holds. Ordered by the first point.
// Sorting first keeps a file with many points from costing quadratic time.
template <class Key, class Differs>
std::vector<std::pair<std::size_t, std::size_t>> repeated(const std::vector<DeviationPoint>& points, Key key,
                                                           Differs differs) {
  std::vector<std::size_t> order(points.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return key(points[a]) < key(points[b]); });
  std::vector<std::pair<std::size_t, std::size_t>> found;
  for (std::size_t i = 0; i < order.size();) {
    std::size_t end = i + 1;
    while (end < order.size() && key(points[order[end]]) == key(points[order[i]])) ++end;
    for (std::size_t j = i + 1; j < end; ++j) {
      if (differs(points[order[i]], points[order[j]])) {
        found.emplace_back(order[i], order[j]);
        break;
      }
    }
    i = end;
  }
  std::sort(found.begin(), found.end());
  return found;
}

// The kv-to-deviation curve (x kv, y deviation, largest kv first); nothing when the points
// are unusable.
std::optional<CKurve> convertDeviation(ConversionContext& ctx) {
  std::vector<DeviationPoint> points;
  std::size_t missing = 0;
  for (const CVDIBase* record : ctx.typeRecords(kCode710_03)) {
    if (!isDeviationPoint(ctx, record)) continue;
    DeviationPoint point;
    point.record = record;
    point.kv = ctx.number(record, f710_03::kKv, 0.0);
    const std::optional<double> deviation = ctx.optionalNumber(record, f710_03::kDeviation);
    point.deviation = deviation.value_or(0.0);
    point.deviationMissing = !deviation;
    if (point.deviationMissing) ++missing;
    points.push_back(point);
  }

  if (points.size() == 1 && !points.front().deviationMissing) {
    ctx.error(10,
              ComposeMessage({"Es wurde nur ein Satz der Satzart 710.03 in dieser Armatur gefunden.\nDa eine "
                              "P-Abweichung gefunden wurde, werden weitere Werte bzw. Sätze der Satzart 710.03 erwartet "
                              "um eine Kurve abzubilden.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit "
                              "Index 1!%d)."},
                             {ctx.technicalIndex()}),
              ctx.technicalData);
    return std::nullopt;
  }
  if (missing > 1) {
    ctx.error(10,
              Translate("Es fehlen mehrere P-Abweichungs-Werte. Die Daten sind nicht auswertbar.\nSiehe Satzart 710.03."),
              ctx.technicalData);
    return std::nullopt;
  }
  if (missing == 1) {
    const auto it = std::find_if(points.begin(), points.end(), [](const DeviationPoint& p) { return p.deviationMissing; });
    ctx.hint(50,
             ComposeMessage({"Es ist kein P-Abweichungs-Wert hinterlegt. Der Eintrag wird als Null interpretiert.\nSiehe "
                             "Satzart 710.03 mit Index 1!%d."},
                            {ctx.integer(it->record, head::kIndex)}),
             it->record);
  }

  // The curve is read both ways (deviation at kv, kv at a pressure): each kv and each
  // deviation may occur only once.
  const auto sameKv = repeated(
      points, [](const DeviationPoint& p) { return p.kv; }, [](const DeviationPoint&, const DeviationPoint&) { return true; });
  for (const auto& [a, b] : sameKv) {
    ctx.error(20,
              ComposeMessage({"Der hinterlegte kv-Wert 1!%.2f ist mindestens für die beiden P-Abweichungen 2!%.2f und "
                              "3!%.2f hinterlegt. Jeder kv-Wert sollte nicht mehr als einmal vorkommen.\nSiehe Satzart "
                              "710.03."},
                             {points[a].kv, points[a].deviation, points[b].deviation}),
              points[b].record);
  }
  const auto sameDeviation = repeated(
      points, [](const DeviationPoint& p) { return p.deviation; },
      [](const DeviationPoint& x, const DeviationPoint& y) { return x.kv != y.kv; });
  for (const auto& [a, b] : sameDeviation) {
    ctx.error(20,
              ComposeMessage({"Die hinterlegte p-Abweichung von 1!%.2f ist mit kv-Werten von 2!%.2f und 3!%.2f "
                              "hinterlegt. Jede p-Abweichung sollte nicht mehr als einmal vorkommen.\nSiehe Satzart "
                              "710.03."},
                             {points[a].deviation, points[a].kv, points[b].kv}),
              points[b].record);
  }
  if (!sameKv.empty() || !sameDeviation.empty()) return std::nullopt;

  std::stable_sort(points.begin(), points.end(),
                   [](const DeviationPoint& a, const DeviationPoint& b) { return a.kv > b.kv; });
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i].deviation > points[i - 1].deviation) {
      ctx.error(10,
                Translate("Entgegen der Erwartung sind mindestens zwei P-Abweichungswerte entsprechend ihrer kv-Werte "
                          "nicht ansteigend hinterlegt.\nBitte prüfen sie die Daten auf eventuelle Fehler.\nSiehe "
                          "Satzart 710.03."),
                ctx.technicalData);
      return std::nullopt;
    }
  }

  CKurve curve;
  for (const DeviationPoint& point : points) {
    curve.addCurveNode(ToCurveValue(point.kv), std::string(), ToCurveValue(point.deviation));
  }
  curve.setEinheitx("m³/h");
  curve.setEinheity("mbar");
  return curve;
}

// ---- Maximum flows (710.03 records with setting) --------------------------------------------

// The maximum-flow curve (x setting, y maximum flow, largest first). A flow without setting
// marks the settings as failed.
CKurve convertMaxFlows(ConversionContext& ctx, bool& settingsFailed) {
  std::vector<SettingNode> nodes;
  for (const CVDIBase* record : ctx.typeRecords(kCode710_03)) {
    const bool hasSetting = HasControllerSetting(ctx, record);
    const std::optional<double> flow = ctx.optionalNumber(record, f710_03::kMaxFlow);
    if (!hasSetting && !flow) continue;  // a point of the p-deviation curve
    const int index = ctx.integer(record, head::kIndex);
    SettingNode node = ReadControllerSetting(ctx, record);
    if (!flow) {
      ctx.hint(50,
               ComposeMessage({"Es ist kein maximaler Volumenstrom-Wert für die Einstellung 2!%s hinterlegt.\nDiese "
                               "Einstellung wird übersprungen.\nSiehe Satzart 710.03 mit Index 1!%d."},
                              {index, node.text}),
               record);
      continue;
    }
    if (!hasSetting) {
      ctx.error(30,
                ComposeMessage({"Es ist keine Einstellung zu dem Volumenstrom-Wert 1!%.2f hinterlegt.\nSiehe Satzart "
                                "710.03 mit Index 2!%d."},
                               {*flow, index}),
                record);
      settingsFailed = true;
      continue;
    }
    node.value = *flow;
    nodes.push_back(std::move(node));
  }
  InsertIntermediateSettings(ctx, nodes, InterpolationMode::StepWidth);
  SortLargestValueFirst(nodes);
  return MakeControllerCurve(nodes, ControllerSettingUnit(ctx), "m³/h");
}

}  // namespace

std::string SetPointCaption() { return FormatText(Translate("@Sollwert delta-p@Sollwert 1!%sp"), {"\u0394"}); }

bool convertController(ConversionContext& ctx) {
  auto* regulator = dynamic_cast<hydArmaturDDR*>(&ctx.variant);
  if (regulator == nullptr) return false;
  auto* combined = dynamic_cast<hydArmaturDDRDFR*>(regulator);
  const bool withFlowRegulator = ctx.typeCode() == 208 || ctx.typeCode() == 210;
  if (withFlowRegulator != (combined != nullptr)) return false;

  bool settingsFailed = false;
  std::optional<CKurve> setPoints = convertSetPoints(ctx, settingsFailed);
  if (!setPoints) return false;
  std::optional<CKurve> deviation = convertDeviation(ctx);
  if (!deviation) return false;
  CKurve maxFlows = convertMaxFlows(ctx, settingsFailed);
  if (settingsFailed) {
    ctx.error(30,
              Translate("Diese Armaturausführung wird nicht erzeugt, da ein Teil der Einstellungen nicht ausgewertet "
                        "werden konnte.\nBitte beachten Sie die vorhergehenden Fehlermeldungen zu dieser Armatur.\nSiehe "
                        "Satzart 710.01."),
              ctx.technicalData);
    return false;
  }
  if (combined != nullptr && !ConvertFlowRegulatorPart(ctx, combined->getDFRAnteil())) return false;

  regulator->addKennlinieDp(*setPoints);
  regulator->addKennlinieKvzuPAbw(*deviation);
  regulator->addKennlinieMaxVolStrom(maxFlows);
  return true;
}

}  // namespace armakon
