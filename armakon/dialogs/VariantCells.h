#pragma once
// The cells of one row of the variant grid: what each column shows for a product record
// (800) and the longer information text the cell offers (a tooltip on screen).
//
// Values come from the product, its order data (810) and its technical data (700) with the
// type-specific records below it, in the units of the column headers:
//   Bezeichnung    800 field 4;  Bestellnummer  810 field 3 (1996 layout: 800 field 3)
//   DN             700 field 5 (sheet 17 from 2016: the size text or field 32 when empty)
//   p(min,FL)      710.02 minimum flow pressure (bar), the cold and warm sides in the text
//   Q              710.02 flows of cold and warm water (l/s); Q(n) 710.06 nominal flow
//   Δp             710.06 pressure drop at Qn, bar shown as mbar
//   kvs            700 field 6;  kv(min), kv(max)  smallest and largest 710.01 kv
//   T(max)         700 field 7;  p(max)  700 field 8
//   Δp(max)        700 field 9 (sheet 2) or 11 (sheet 17), bar shown as mbar
//   Einst.         "Ja"/"Nein" from 700 field 13; the text adds the settings (710.01)
//   Zubehör        "..." (the button), the text names the chosen accessories
// An empty field gives an empty cell. Auswahl and XP are the row's own state.

#include <array>
#include <string>
#include <vector>

#include "armakon/dialogs/VariantGridColumns.h"

namespace armakon {

class CVDIBase;

struct VariantCell {
  std::string text;
  std::string info;
};

using VariantCells = std::array<VariantCell, kVariantColumnCount>;

// The cells of a product of the given sheet and valve type; accessories: names of the
// chosen accessories (for the Zubehör cell). The Auswahl and XP cells stay empty.
VariantCells BuildVariantCells(const CVDIBase* product, int sheet, int type,
                               const std::vector<std::string>& accessories);

// The XP a row of a thermostatic valve body (sheet 2, type 1 or 12) starts with: the usual design
// proportional band of 2 K moved into the range the product's 710.01 records give, as "%g";
// empty for other types or without XP values.
std::string InitialXpText(const CVDIBase* product, int sheet, int type);

}  // namespace armakon
