#include "armakon/dialogs/VariantCells.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/vdi3805/CVDIBase.h"
#include "armakon/vdi3805/ThermostaticConverter.h"
#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

namespace {

namespace f700 = vdifield::r700;
namespace f710_02 = vdifield::sheet17::r710_02;
namespace f710_06 = vdifield::sheet17::r710_06;

constexpr double kDesignXp = 2.0;

std::optional<double> numberIn(const CVDIBase* record, int n) {
  const std::string_view text = GetFieldView(record, n);
  if (record == nullptr || text.empty()) return std::nullopt;
  return toDouble(text, 0.0);
}

std::string shown(std::optional<double> value, const char* format, double factor = 1.0) {
  return value ? formatC(format, *value * factor) : std::string();
}

const CVDIBase* firstBelow(const CVDIBase* technicalData, int code) {
  if (technicalData == nullptr) return nullptr;
  for (const auto& child : technicalData->GetChildren()) {
    if (child->GetCode() == code) return child.get();
  }
  return nullptr;
}

std::vector<const CVDIBase*> settingsOf(const CVDIBase* technicalData) {
  std::vector<const CVDIBase*> records;
  if (technicalData == nullptr) return records;
  for (const auto& child : technicalData->GetChildren()) {
    if (child->GetCode() == 71001) records.push_back(child.get());
  }
  return records;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

void fillDrawOff(VariantCells& cells, const CVDIBase* data) {
  const auto pressure = numberIn(data, f710_02::kMinFlowPressure);
  const auto cold = numberIn(data, f710_02::kMinFlowPressureCold);
  const auto warm = numberIn(data, f710_02::kMinFlowPressureWarm);
  VariantCell& flowPressure = cells[static_cast<int>(VariantColumn::FlowPressure)];
  flowPressure.text = shown(pressure ? pressure : cold, "%.1f");
  flowPressure.info = joinLines({
      cold ? FormatText(Translate("Fließdruck Kaltwasser: %.1f bar"), *cold) : "",
      warm ? FormatText(Translate("Fließdruck Warmwasser: %.1f bar"), *warm) : "",
      pressure ? FormatText(Translate("Fließdruck: %.1f bar"), *pressure) : "",
  });
  const auto flowCold = numberIn(data, f710_02::kFlowCold);
  const auto flowWarm = numberIn(data, f710_02::kFlowWarm);
  VariantCell& flow = cells[static_cast<int>(VariantColumn::Flow)];
  flow.text = shown(flowCold ? flowCold : flowWarm, "%.3f");
  flow.info = joinLines({
      flowCold ? FormatText(Translate("Entnahmearmaturendurchfluss Kaltwasser: %.3f l/s"), *flowCold) : "",
      flowWarm ? FormatText(Translate("Entnahmearmaturendurchfluss Warmwasser: %.3f l/s"), *flowWarm) : "",
  });
}

void fillMeter(VariantCells& cells, const CVDIBase* data) {
  const auto qn = numberIn(data, f710_06::kNominalFlow);
  const auto drop = numberIn(data, f710_06::kPressureDropAtQn);  // bar
  VariantCell& flow = cells[static_cast<int>(VariantColumn::Flow)];
  flow.text = shown(qn, "%.2f");
  if (qn) flow.info = FormatText(Translate("Qn = %.2f m³/h"), *qn);
  VariantCell& pressureDrop = cells[static_cast<int>(VariantColumn::PressureDrop)];
  pressureDrop.text = shown(drop, "%.0f", 1000.0);
  if (drop) {
    std::vector<std::string> lines{FormatText(Translate("dp(Qn) = %.0f mbar (Druckverlust bei Qn)"), *drop * 1000.0)};
    if (qn && *drop > 0.0) lines.push_back(FormatText(Translate("kvs(Qn) = %.2f m³/h"), *qn / std::sqrt(*drop)));
    pressureDrop.info = joinLines(lines);
  }
}

void fillKvRange(VariantCells& cells, const std::vector<const CVDIBase*>& settings) {
  std::optional<double> low;
  std::optional<double> high;
  for (const CVDIBase* setting : settings) {
    const auto kv = numberIn(setting, vdifield::r710_01::kKv);
    if (!kv) continue;
    low = low ? std::min(*low, *kv) : *kv;
    high = high ? std::max(*high, *kv) : *kv;
  }
  cells[static_cast<int>(VariantColumn::KvMin)].text = shown(low, "%.2f");
  cells[static_cast<int>(VariantColumn::KvMax)].text = shown(high, "%.2f");
}

void fillSettings(VariantCell& cell, const CVDIBase* technicalData, const std::vector<const CVDIBase*>& settings) {
  const bool presettable = toInt(GetFieldView(technicalData, f700::kPresettable), 0) != 0;
  cell.text = Translate(presettable ? "Ja" : "Nein");
  cell.info = Translate(presettable ? "Voreinstellbar: Ja" : "Voreinstellbar: Nein");
  std::vector<std::string> texts;
  for (const CVDIBase* setting : settings) {
    std::string text(GetFieldView(setting, vdifield::r710_01::kSettingText));
    if (text.empty()) text = std::string(GetFieldView(setting, vdifield::r710_01::kSettingNumber));
    if (!text.empty() && std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
  }
  if (texts.empty()) return;
  cell.info += "\n";
  for (std::size_t i = 0; i < texts.size(); ++i) cell.info += (i == 0 ? "" : ", ") + texts[i];
}

}  // namespace

VariantCells BuildVariantCells(const CVDIBase* product, int sheet, int type,
                               const std::vector<std::string>& accessories) {
  VariantCells cells;
  const CVDIBase* technicalData = GetTechnicalData(product);
  cells[static_cast<int>(VariantColumn::Bezeichnung)].text = GetField(product, 4);
  cells[static_cast<int>(VariantColumn::Bestellnummer)].text =
      InOldLayout(product) ? GetField(product, vdifield::r800::kOldArticleNumber, true)
                           : GetField(product->GetChildCount() > 0 ? product->GetChild(0) : nullptr,
                                      vdifield::r810::kArticleNumber);

  VariantCell& dn = cells[static_cast<int>(VariantColumn::Dn)];
  dn.text = GetField(technicalData, f700::kNominalSize);
  if (dn.text.empty() && sheet == 17) {
    dn.text = GetField(technicalData, f700::kNominalSizeAlternative);
    dn.info = GetField(technicalData, f700::kSizeText);
  }

  if (sheet == 17 && (type == 4 || type == 5)) fillDrawOff(cells, firstBelow(technicalData, 71002));
  if (sheet == 17 && type == 9) fillMeter(cells, firstBelow(technicalData, 71006));
  const auto settings = settingsOf(technicalData);
  fillKvRange(cells, settings);

  cells[static_cast<int>(VariantColumn::Kvs)].text = shown(numberIn(technicalData, f700::kKvs), "%.2f");
  VariantCell& tMax = cells[static_cast<int>(VariantColumn::TMax)];
  tMax.text = shown(numberIn(technicalData, f700::kMaxTemperature), "%.0f");
  tMax.info = Translate("zulässige Betriebstemperatur");
  VariantCell& pMax = cells[static_cast<int>(VariantColumn::PMax)];
  pMax.text = shown(numberIn(technicalData, f700::kMaxOperatingPressure), "%.1f");
  pMax.info = Translate("zulässiger Betriebsdruck PB");
  VariantCell& deltaP = cells[static_cast<int>(VariantColumn::DeltaPMax)];
  deltaP.text = shown(
      numberIn(technicalData, sheet == 17 ? f700::kMaxDiffPressureSheet17 : f700::kMaxDiffPressureSheet2), "%.0f",
      1000.0);
  deltaP.info = Translate("maximal zulässiger Differenzdruck über dem Ventil");
  fillSettings(cells[static_cast<int>(VariantColumn::Einstellung)], technicalData, settings);

  VariantCell& accessory = cells[static_cast<int>(VariantColumn::Zubehoer)];
  accessory.text = "...";
  accessory.info = joinLines(accessories);
  return cells;
}

std::string InitialXpText(const CVDIBase* product, int sheet, int type) {
  if (sheet != 2 || (type != 1 && type != 12)) return {};
  const auto range = ThermostaticXpRange(GetTechnicalData(product));
  if (!range) return {};
  return formatC("%g", std::clamp(kDesignXp, range->first, range->second));
}

}  // namespace armakon
