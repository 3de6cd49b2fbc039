#pragma once
// The "Varianten- und Zubehörfilter" grid of the valve catalog dialog: per product property
// its record type, its name and a drop-down of its values; an empty choice lets every value
// pass.

#include <QTableWidget>
#include <functional>
#include <vector>

#include "armakon/dialogs/CVdiKatalogDlg.h"

namespace armakon::qt {

class PropertyFilterGrid : public QTableWidget {
 public:
  using Act = std::function<void(const std::function<void()>&)>;

  PropertyFilterGrid(CVdiKatalogDlg& dialog, Act act);

  void refresh();

 private:
  void rebuild();

  CVdiKatalogDlg& dialog_;
  Act act_;
  std::vector<PropertyFilterRow> shown_;  // the rows the grid was built for
};

}  // namespace armakon::qt
