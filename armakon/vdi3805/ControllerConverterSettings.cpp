#include "armakon/vdi3805/ControllerConverterSettings.h"

#include <algorithm>

#include "armakon/vdi3805/VdiFieldLayout.h"

namespace armakon {

namespace {
namespace head = vdifield::controller;
}  // namespace

SettingNode ReadControllerSetting(const ConversionContext& ctx, const CVDIBase* record) {
  SettingNode node;
  node.record = record;
  node.text = std::string(ctx.field(record, head::kSettingText));
  if (node.text.empty()) node.text = std::string(ctx.field(record, head::kSettingNumber));
  node.setting = ctx.number(record, head::kSettingNumber, kEmptyNumber);
  node.instruction = ctx.number(record, head::kInstruction, 0.0);
  return node;
}

bool HasControllerSetting(const ConversionContext& ctx, const CVDIBase* record) {
  return !ctx.isEmpty(record, head::kSettingText) || !ctx.isEmpty(record, head::kSettingNumber);
}

std::string ControllerSettingUnit(const ConversionContext& ctx) {
  return std::string(ctx.field(ctx.technicalData, vdifield::r700::kSettingUnitSheet2));
}

void SortLargestValueFirst(std::vector<SettingNode>& nodes) {
  std::stable_sort(nodes.begin(), nodes.end(),
                   [](const SettingNode& a, const SettingNode& b) { return a.value > b.value; });
}

hydVDIArmaturen::CKurve MakeControllerCurve(const std::vector<SettingNode>& nodes, const std::string& xUnit,
                                            const std::string& yUnit) {
  hydVDIArmaturen::CKurve curve = MakeSettingCurve(nodes);
  curve.setEinheitx(xUnit);
  curve.setEinheity(yUnit);
  return curve;
}

}  // namespace armakon
