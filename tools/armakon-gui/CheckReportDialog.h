#pragma once
// The check report of one VDI 3805 file in a viewer, as the valve catalog dialog's check
// writes it; "Speichern..." writes it as a UTF-8 text file.

#include <QDialog>

#include "armakon/components/hydStrUtil.h"

namespace armakon::gui {

class CheckReportDialog : public QDialog {
  Q_OBJECT

 public:
  CheckReportDialog(const QString& fileName, StringList lines, QWidget* parent = nullptr);

  // Writes the report to the path; false (with a message) when it cannot be written.
  bool saveTo(const QString& path);

 private:
  void save();

  StringList lines_;
};

}  // namespace armakon::gui
