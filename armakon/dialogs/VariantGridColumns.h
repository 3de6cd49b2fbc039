#pragma once
// The columns of the variant grid of the valve catalog dialog: header, unit line, width (in
// dialog units) and whether the column shows for the chosen model's sheet and valve type.
//
// "type" is the valve type number of the model (record 700 field 4). What the columns show:
//   XP           sheet 2, type 1 (thermostatic valve bodies, the user enters the wanted XP)
//                and type 12 (thermostatic bodies with flow limitation, shown only);
//   p(min,FL), Q draw-off fittings of sheet 17 (types 4, 5); Q(n) and Δp meters (type 9);
//   kvs          every valve but those and the thermostatic bodies of sheet 2 type 1,
//                which show their kv(min) and kv(max) instead;
//   Δp(max)      every valve but the draw-off fittings.

#include <array>
#include <string>

namespace armakon {

enum class VariantColumn {
  Auswahl,
  Bezeichnung,
  Bestellnummer,
  Xp,
  Dn,
  FlowPressure,
  Flow,
  PressureDrop,
  Kvs,
  KvMin,
  KvMax,
  TMax,
  PMax,
  DeltaPMax,
  Einstellung,
  Zubehoer,
};

inline constexpr int kVariantColumnCount = 16;

struct VariantColumnHeader {
  std::string title;  // first header line (translated)
  std::string unit;   // second header line, empty when the column has no unit
  int width = 0;      // dialog units
};

// Header and width of the column; the Q column's texts depend on the type ("Q" in l/s for
// draw-off fittings, "Q(n)" in m³/h otherwise).
VariantColumnHeader variantColumnHeader(VariantColumn column, int type);

// Whether the column shows for the sheet and valve type of the chosen model.
bool variantColumnVisible(VariantColumn column, int sheet, int type);

// Visibility of all 16 columns, in column order.
std::array<bool, kVariantColumnCount> variantColumnVisibility(int sheet, int type);

// The XP cell can be edited (sheet 2, type 1).
bool variantXpEditable(int sheet, int type);

}  // namespace armakon
