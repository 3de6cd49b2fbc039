#include "armakon/dialogs/VariantGridColumns.h"

#include "armakon/components/FormatText.h"
#include "armakon/components/Translation.h"

namespace armakon {

namespace {

bool drawOff(int sheet, int type) { return sheet == 17 && (type == 4 || type == 5); }
bool meter(int sheet, int type) { return sheet == 17 && type == 9; }
bool thermostaticBody(int sheet, int type) { return sheet == 2 && type == 1; }

}  // namespace

VariantColumnHeader variantColumnHeader(VariantColumn column, int type) {
  switch (column) {
    case VariantColumn::Auswahl: return {Translate("Auswahl"), "", 35};
    case VariantColumn::Bezeichnung: return {Translate("Bezeichnung"), "", 80};
    case VariantColumn::Bestellnummer: return {Translate("Bestellnummer"), "", 60};
    case VariantColumn::Xp: return {Translate("XP"), "", 25};
    case VariantColumn::Dn: return {Translate("DN"), "", 18};
    case VariantColumn::FlowPressure: return {Translate("@Spalte Fließdruck@p(min,FL)"), TranslateUnits("bar"), 25};
    case VariantColumn::Flow:
      if (type == 4 || type == 5) return {Translate("Q"), TranslateUnits("l/s"), 30};
      return {Translate("Q(n)"), TranslateUnits("m³/h"), 30};
    case VariantColumn::PressureDrop: return {"\xCE\x94p", TranslateUnits("mbar"), 30};
    case VariantColumn::Kvs: return {Translate("kvs"), TranslateUnits("m³/h"), 30};
    case VariantColumn::KvMin: return {Translate("kv(min)"), TranslateUnits("m³/h"), 30};
    case VariantColumn::KvMax: return {Translate("kv(max)"), TranslateUnits("m³/h"), 30};
    case VariantColumn::TMax: return {Translate("T(max)"), TranslateUnits("°C"), 26};
    case VariantColumn::PMax: return {Translate("p(max)"), TranslateUnits("bar"), 30};
    case VariantColumn::DeltaPMax:
      // The placeholder takes the Greek capital delta (U+0394).
      return {FormatText(Translate("@delta p max@%cp(max)"), {0x394}), TranslateUnits("mbar"), 30};
    case VariantColumn::Einstellung: return {Translate("Einst."), "", 30};
    case VariantColumn::Zubehoer: return {Translate("Zubehör"), "", 30};
  }
  return {};
}

bool variantColumnVisible(VariantColumn column, int sheet, int type) {
  switch (column) {
    case VariantColumn::Xp: return sheet == 2 && (type == 1 || type == 12);
    case VariantColumn::FlowPressure: return drawOff(sheet, type);
    case VariantColumn::Flow: return drawOff(sheet, type) || meter(sheet, type);
    case VariantColumn::PressureDrop: return meter(sheet, type);
    case VariantColumn::Kvs:
      return !(drawOff(sheet, type) || meter(sheet, type)) && !thermostaticBody(sheet, type);
    case VariantColumn::KvMin:
    case VariantColumn::KvMax: return thermostaticBody(sheet, type);
    case VariantColumn::DeltaPMax: return !drawOff(sheet, type);
    default: return true;
  }
}

std::array<bool, kVariantColumnCount> variantColumnVisibility(int sheet, int type) {
  std::array<bool, kVariantColumnCount> visible{};
  for (int i = 0; i < kVariantColumnCount; ++i) {
    visible[static_cast<std::size_t>(i)] = variantColumnVisible(static_cast<VariantColumn>(i), sheet, type);
  }
  return visible;
}

bool variantXpEditable(int sheet, int type) { return thermostaticBody(sheet, type); }

}  // namespace armakon
