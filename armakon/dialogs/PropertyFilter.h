#pragma once
// The variant and accessory filter ("Varianten- und Zubehörfilter") of the valve catalog
// dialog: the product properties that the candidate products reference through their TGA
// numbers, one row per property, and the user's choice of a value per row.
//
// How rows are built: every property record the products reference (types 160, 200, 250,
// 260, 300, 350, 360, 400, 450, 460, 500, 550 and 560) describes a property by its name
// (field 4) and value (field 5), and so does each of its entries (xxx.01) that refers to no
// other record (field 3 empty). One row per pair of record type and property name, ordered
// by record type, then by first appearance in the products' order; a row's values are the
// distinct values in order of appearance. Records without a name or value give no row.
// Columns: "Satz-Nr." the record type ("200"), "Eigenschaft" the name, "Bezeichnung" the
// chosen value (empty while all values pass).
//
// How choices combine: a product passes when, for every row with a chosen value, one of the
// records of the row's type that it references carries that property with that value.

#include <string>
#include <vector>

namespace armakon {

class CVDIBase;

struct PropertyFilterRow {
  int code = 0;                     // record code (20000 for type 200)
  std::string satzNr;               // "200"
  std::string eigenschaft;          // the property's name
  std::vector<std::string> values;  // distinct values, in order of appearance
  int chosen = -1;                  // index into values; -1: every value passes

  std::string bezeichnung() const { return chosen < 0 ? std::string() : values[static_cast<std::size_t>(chosen)]; }
};

class PropertyFilter {
 public:
  // Rows for the candidate products; every choice is cleared.
  void build(const std::vector<const CVDIBase*>& products);
  void clear() { rows_.clear(); }

  const std::vector<PropertyFilterRow>& rows() const { return rows_; }
  // Chooses value `value` of the row (-1: all); std::invalid_argument for a row or value out
  // of range.
  void choose(std::size_t row, int value);
  bool passes(const CVDIBase* product) const;

 private:
  std::vector<PropertyFilterRow> rows_;
};

}  // namespace armakon
