#include "armakon/vdi3805/PressureReducerConverter.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "armakon/components/Translation.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

using hydVDIArmaturen::CKurve;
using hydVDIArmaturen::hydArmaturDruckminderer;

namespace {

namespace f710_05 = vdifield::sheet17::r710_05;

constexpr int kCode710_05 = 71005;

// The indices of the records, as the file writes them, for the "mit Index ..." of a hint
// about several records.
std::string indexList(const ConversionContext& ctx, const std::vector<const CVDIBase*>& records) {
  std::string list;
  for (const CVDIBase* record : records) {
    if (!list.empty()) list += ", ";
    list += ctx.field(record, f710_05::kIndex);
  }
  return list;
}

}  // namespace

bool convertPressureReducer(ConversionContext& ctx) {
  auto* reducer = dynamic_cast<hydArmaturDruckminderer*>(&ctx.variant);
  if (reducer == nullptr) return false;

  const std::vector<const CVDIBase*> records = ctx.typeRecords(kCode710_05);
  if (records.empty()) {
    ctx.error(
        10,
        ComposeMessage({"Es wurde eine Kennlinienkurve nach Satzart 710.05 in dieser Armatur erwartet jedoch nicht "
                        "gefunden. \nSiehe technische Daten der Armaturausführung (Satzart 700 mit Index 1!%d)."},
                       {ctx.technicalIndex()}),
        ctx.technicalData);
    return false;
  }

  std::vector<SettingNode> nodes;
  nodes.reserve(records.size());
  std::vector<const CVDIBase*> withoutPressure;
  std::vector<const CVDIBase*> withZeroPressure;
  for (const CVDIBase* record : records) {
    const std::optional<double> pressure = ctx.optionalNumber(record, f710_05::kOutletPressure);
    if (!pressure) {
      withoutPressure.push_back(record);
      continue;
    }
    if (*pressure == 0.0) withZeroPressure.push_back(record);
    SettingNode node;
    node.record = record;
    node.value = *pressure;
    node.setting = ctx.number(record, f710_05::kSettingNumber, kEmptyNumber);
    node.text = std::string(ctx.field(record, f710_05::kSettingText));
    if (node.text.empty()) node.text = std::string(ctx.field(record, f710_05::kSettingNumber));
    if (node.text.empty()) node.text = Translate("keine Einstellung");
    nodes.push_back(std::move(node));
  }

  if (!withoutPressure.empty()) {
    ctx.hint(9,
             ComposeMessage({"Der Wert für den Ausgangsseitigen Druck ist in mind. einem Feld nicht angegeben worden.\n"
                             "Folge: die entsprechenden Einstellungen wurden übersprungen.\nSiehe Satzart 710.05 mit "
                             "Index %s."},
                            {indexList(ctx, withoutPressure)}),
             withoutPressure.front());
  }
  if (!withZeroPressure.empty()) {
    ctx.hint(
        10,
        ComposeMessage({"Der Wert für den Ausgangsseitigen Druck ist in mind. einem Feld mit 0 (Null) angegeben "
                        "worden.\nBitte prüfen sie die Daten auf eventuelle Fehler.\nSiehe Satzart 710.05 mit Index "
                        "%s."},
                       {indexList(ctx, withZeroPressure)}),
        withZeroPressure.front());
  }
  if (nodes.empty()) {
    ctx.error(
        10,
        ComposeMessage({"Dieser Druckminderer hat keine Angaben zum Ausgangsseitigen Druck.\nBitte prüfen sie die "
                        "Daten auf eventuelle Fehler und berücksichtigen sie die vorangegangenen Fehler und "
                        "Hinweise zu dieser Ausführung.\nSiehe Satzart 700 mit Index %d.",
                        "\n", "Folge: Diese Ausführung wird übersprungen."},
                       {ctx.technicalIndex()}),
        ctx.technicalData);
    return false;
  }

  // One setting with two outlet pressures leaves the sizing no answer; two settings with the
  // same outlet pressure only offer a choice.
  if (!CheckDuplicateSettings(ctx, nodes, FindingKind::Error, "710.05")) return false;
  CheckDuplicateValues(ctx, nodes, FindingKind::Hint, "Ausgangsseitiger Druck", " bar", "710.05");

  std::stable_sort(nodes.begin(), nodes.end(),
                   [](const SettingNode& a, const SettingNode& b) { return a.value > b.value; });
  const std::string unit(ctx.field(ctx.technicalData, vdifield::r700::kSettingUnitSheet17));
  CKurve curve = MakeSettingCurve(nodes);
  curve.setEinheitx(unit);
  curve.setEinheity("bar");
  reducer->addKurve(curve);
  reducer->setEinheitEinst(unit);
  return true;
}

}  // namespace armakon
