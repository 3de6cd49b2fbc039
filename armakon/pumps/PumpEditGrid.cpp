#include "armakon/pumps/PumpEditGrid.h"

#include <cmath>
#include <stdexcept>

#include "armakon/components/FormatText.h"
#include "armakon/components/NumberText.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/pumps/PumpFile.h"
#include "armakon/pumps/hydPumpenKennlinie.h"

namespace armakon {

namespace {

double roundedToOneDecimal(double value) { return std::floor(value * 10.0 + 0.5) / 10.0; }

}  // namespace

const char* PumpEditGrid::getColumnTitle(int column) {
  if (column == kVolumenstrom) return "Volumenstrom\nl/h";
  if (column == kDruckgewinn) return "Druckgewinn\nmbar";
  throw std::invalid_argument("PumpEditGrid: column out of range");
}

int PumpEditGrid::getRowCount() const { return kennlinie_ == nullptr ? 0 : kennlinie_->getAnzWertePaare(); }

void PumpEditGrid::checkCell(int row, int column, int rowLimit) const {
  if (row < 0 || row >= rowLimit) throw std::invalid_argument("PumpEditGrid: row out of range");
  if (column != kVolumenstrom && column != kDruckgewinn) {
    throw std::invalid_argument("PumpEditGrid: column out of range");
  }
}

std::string PumpEditGrid::getCellText(int row, int column) const {
  checkCell(row, column, getRowCount());
  const CHydrixInterpolation& table = kennlinie_->getTable();
  const double shown = column == kVolumenstrom ? table.GetAtXArray(row) * pumpfile::kFlowWriteFactor
                                               : table.GetAtYArray(row) * pumpfile::kHeadWriteFactor;
  return FormatText("%.0f", shown);
}

bool PumpEditGrid::setCellValue(int row, int column, double value) {
  checkCell(row, column, getRowCount());
  if (!(value >= 0.0) || !std::isfinite(value)) return false;
  CHydrixInterpolation& table = kennlinie_->getTable();
  const double rounded = roundedToOneDecimal(value);
  if (column == kVolumenstrom) {
    table.SetAtXArray(row, rounded * pumpfile::kFlowReadFactor);
  } else {
    table.SetAtYArray(row, rounded * pumpfile::kHeadReadFactor);
  }
  return true;
}

bool PumpEditGrid::setCellText(int row, int column, const std::string& text) {
  checkCell(row, column, getRowCount());
  double value = 0.0;
  return parseDouble(text, value) && setCellValue(row, column, value);
}

void PumpEditGrid::appendRow() {
  if (kennlinie_ != nullptr) kennlinie_->getTable().Add(0.0, 0.0);
}

void PumpEditGrid::deleteRow(int row) {
  checkCell(row, kVolumenstrom, getRowCount());
  const CHydrixInterpolation& table = kennlinie_->getTable();
  CHydrixInterpolation rest;
  for (int i = 0; i < table.getSize(); ++i) {
    if (i != row) rest.Add(table.GetAtXArray(i), table.GetAtYArray(i));
  }
  kennlinie_->setTable(rest);
}

std::string PumpEditGrid::getRowText(int row) const {
  checkCell(row, kVolumenstrom, getRowCount());
  const CHydrixInterpolation& table = kennlinie_->getTable();
  return formatC("%g;%g;", table.GetAtXArray(row), table.GetAtYArray(row));
}

void PumpEditGrid::setRowText(int row, const std::string& text) {
  // One row past the last appends; without a curve there is no row at all.
  checkCell(row, kVolumenstrom, kennlinie_ == nullptr ? 0 : getRowCount() + 1);
  // Read like the curve texts of the pump file: the leading number of a field, else 0.
  const double flow = toDouble(hydStrUtil::GetSubStrView(text, 1, pumpfile::kFieldSeparator));
  const double head = roundedToOneDecimal(toDouble(hydStrUtil::GetSubStrView(text, 2, pumpfile::kFieldSeparator)));
  CHydrixInterpolation& table = kennlinie_->getTable();
  table.SetAtXArray(row, flow);
  table.SetAtYArray(row, head);
}

}  // namespace armakon
