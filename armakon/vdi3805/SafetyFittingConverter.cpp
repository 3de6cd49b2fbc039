#include "armakon/vdi3805/SafetyFittingConverter.h"

#include <algorithm>
#include <optional>
#include <string>

#include "armakon/components/NumberText.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::hydArmaturSicherung;

namespace {

namespace f710_03 = vdifield::sheet17::r710_03;
namespace f710_04 = vdifield::sheet17::r710_04;

constexpr int kCode710_03 = 71003;
constexpr int kCode710_04 = 71004;

// A last point above this mass flow (kg/h) counts as not reaching zero flow.
constexpr double kZeroMassFlow = 0.001;
// The pressure (mbar) the curve should reach at its first point.
constexpr double kWantedMaxPressure = 1000.0;

constexpr const char* kMayBeMissized = "Folge: Diese Armatur kann ggf. nicht korrekt ausgelegt werden.";

// A backflow preventer's flow falls with the pressure; a rise between neighbouring points
// (beyond rounding) means the points are out of order. Returns the first rising point.
std::optional<std::size_t> firstRisingPoint(const std::vector<CharacteristicPoint>& points) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i].massFlow - points[i - 1].massFlow > 1e-6) return i;
  }
  return std::nullopt;
}

// The separating pressure of a pipe separator from its 710.04 record(s). False when the
// record is missing.
bool takeSeparatorData(ConversionContext& ctx, hydArmaturSicherung& fitting) {
  const std::vector<const CVDIBase*> records = ctx.typeRecords(kCode710_04);
  if (records.empty()) {
    ctx.error(10,
              ComposeMessage({"Es wurde ein Satz der Satzart 710.04 in dieser Armatur erwartet jedoch nicht gefunden.\n"
                              "Siehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d)."},
                             {ctx.technicalIndex()}),
              ctx.technicalData);
    return false;
  }
  if (records.size() > 1) {
    ctx.hint(45,
             ComposeMessage({"Es ist mehr als ein Datensatz der Satzart 710.04 hinterlegt. In einer "
                             "Rohr-/Systemtrennerarmatur sollte nur ein Datensatz dieser Satzart vorkommen.\nSiehe "
                             "Satzart 700 mit Index 1!%d."},
                            {ctx.technicalIndex()}),
             ctx.technicalData);
  }
  // Value 1 is the separator's pressure the drinking-water sizing compares with its limit.
  fitting.setWert(1, ToCurveValue(ctx.number(records.front(), f710_04::kSeparatingPressure, 0.0)));
  return true;
}

}  // namespace

std::vector<CharacteristicPoint> ReadCharacteristicPoints(ConversionContext& ctx,
                                                          const std::vector<const CVDIBase*>& records) {
  std::vector<CharacteristicPoint> points;
  points.reserve(records.size());
  for (const CVDIBase* record : records) {
    const std::optional<double> pressure = ctx.optionalNumber(record, f710_03::kDiffPressure);
    const std::optional<double> massFlow = ctx.optionalNumber(record, f710_03::kMassFlow);
    if (!massFlow || !pressure) {
      const char* text =
          !massFlow ? "Für einen Stützpunkt der Kennlinie ist das Feld für den Massenstrom nicht gefüllt. Es werden "
                      "durchgehend gefüllte Felder erwartet.\nSiehe technische Daten der Armaturausführung (Satzart "
                      "700 mit Index 1!%d, Satzart 710.03 mit Index 2!%d)."
                    : "Für einen Stützpunkt der Kennlinie ist das Feld für den Differenzdruck nicht gefüllt. Es werden "
                      "durchgehend gefüllte Felder erwartet.\nSiehe technische Daten der Armaturausführung (Satzart "
                      "700 mit Index 1!%d, Satzart 710.03 mit Index 2!%d).";
      ctx.hint(30,
               ComposeMessage({text, "\n", "Folge: Diese Einstellung wird übersprungen."},
                              {ctx.technicalIndex(), ctx.integer(record, f710_03::kIndex)}),
               record);
      continue;
    }
    points.push_back({*pressure, *massFlow, record});
  }
  return points;
}

CKurve MakeCharacteristicCurve(const std::vector<CharacteristicPoint>& points) {
  CKurve curve;
  for (const CharacteristicPoint& point : points) {
    curve.addCurveNode(ToCurveValue(point.pressure), formatC("%g", point.pressure), ToCurveValue(point.massFlow), 0.0f);
  }
  return curve;
}

bool convertSafetyFitting(ConversionContext& ctx) {
  auto* fitting = dynamic_cast<hydArmaturSicherung*>(&ctx.variant);
  if (fitting == nullptr) return false;
  const bool pipeSeparator = ctx.typeCode() == 1707;

  std::vector<CharacteristicPoint> points = ReadCharacteristicPoints(ctx, ctx.typeRecords(kCode710_03));
  if (points.empty()) {
    ctx.error(
        10,
        ComposeMessage({"Es wurde eine Kennlinienkurve nach Satzart 710.03 in dieser Armatur erwartet jedoch nicht "
                        "gefunden. \nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d)."},
                       {ctx.technicalIndex()}),
        ctx.technicalData);
    return false;
  }

  if (!pipeSeparator) {
    if (const std::optional<std::size_t> rising = firstRisingPoint(points)) {
      ctx.error(
          15,
          ComposeMessage({"Entgegen der Erwartung sind die Massenstrom-Werte nicht stetig absteigend.\nBitte prüfen "
                          "sie die Daten auf ihre korrekte Reihenfolge.\nSiehe Satzart 710.03."}),
          points[*rising].record);
      return false;
    }
  } else {
    // The separator's points may come in any order; the curve keeps the highest flow first.
    std::stable_sort(points.begin(), points.end(), [](const CharacteristicPoint& a, const CharacteristicPoint& b) {
      return a.massFlow > b.massFlow;
    });
  }

  const CharacteristicPoint& last = points.back();
  if (last.massFlow > kZeroMassFlow) {
    ctx.hint(
        30,
        ComposeMessage({"Die Kurve wurde nicht bis zu einem Massenstrom von Null m³/h hinterlegt (kleinster "
                        "hinterlegter Massenstrom ist 2!%.0f kg/h bzw. 3!%.3g kg/s). Dadurch ist der Öffnungsdruck "
                        "unbekannt.\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d, "
                        "Satzart 710.03).",
                        "\n", kMayBeMissized},
                       {ctx.technicalIndex(), last.massFlow, last.massFlow / 3600.0}),
        ctx.technicalData);
  }
  const CharacteristicPoint& first = points.front();
  if (first.pressure < kWantedMaxPressure) {
    ctx.hint(
        30,
        ComposeMessage({"Die Kurve wurde nicht bis zu einem Druck von mindestens 1000 mbar hinterlegt (dp(max) ist "
                        "2!%.0f mbar).\nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d, "
                        "Satzart 710.03).",
                        "\n", kMayBeMissized},
                       {ctx.technicalIndex(), first.pressure}),
        ctx.technicalData);
  }

  if (pipeSeparator && !takeSeparatorData(ctx, *fitting)) return false;

  CKurve curve = MakeCharacteristicCurve(points);
  curve.setEinheitx("mbar");
  curve.setEinheity("kg/h");
  fitting->addKurve(curve);
  fitting->setEinheitEinst(std::string(ctx.field(ctx.technicalData, vdifield::r700::kSettingUnitSheet17)));
  return true;
}

}  // namespace armakon
