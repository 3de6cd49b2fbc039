#pragma once
// The grid "PUMPEDIT" of the pump editor: the value pairs of one curve as rows of two cells,
// flow in l/h and head in mbar.
//
// A cell shows the stored value converted ("%.0f" of flow × 3.6e6, head × 0.01). An edited
// value below 0 is refused; any other is rounded to one decimal and stored converted back
// with the factors of the pump file (l/h × 2.7777777777e-7, mbar × 100), so the editor and
// a file read back hold the same numbers. Rows also travel as text, for copying rows
// between curves: "%g;%g;" of the stored flow and head (m³/s, Pa). Every change goes into
// the curve at once.
//
// Rows and columns outside the grid throw std::invalid_argument.

#include <string>

namespace armakon {

class hydPumpenKennlinie;

class PumpEditGrid {
 public:
  static constexpr const char* kName = "PUMPEDIT";
  static constexpr int kVolumenstrom = 0;
  static constexpr int kDruckgewinn = 1;
  static constexpr int kColumns = 2;
  // "Volumenstrom\nl/h", "Druckgewinn\nmbar".
  static const char* getColumnTitle(int column);

  // The curve shown; null shows no rows.
  void setKennlinie(hydPumpenKennlinie* kennlinie) { kennlinie_ = kennlinie; }
  hydPumpenKennlinie* getKennlinie() const { return kennlinie_; }

  int getRowCount() const;
  std::string getCellText(int row, int column) const;
  // The user's entry: false (nothing changed) for a value below 0 or not finite.
  bool setCellValue(int row, int column, double value);
  // The same for a typed text; a text that is not a number is refused as well.
  bool setCellText(int row, int column, const std::string& text);

  // Appends the pair (0, 0); nothing without a curve.
  void appendRow();
  void deleteRow(int row);

  std::string getRowText(int row) const;
  // The first field as flow, the second, rounded to one decimal, as head, both stored as
  // they stand; row == getRowCount() appends the pair.
  void setRowText(int row, const std::string& text);

 private:
  void checkCell(int row, int column, int rowLimit) const;

  hydPumpenKennlinie* kennlinie_ = nullptr;
};

}  // namespace armakon
