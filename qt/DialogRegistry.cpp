#include "qt/DialogRegistry.h"

#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "armakon/dialogs/CReportListDlg.h"
#include "armakon/pumps/CPumpEditDlg.h"
#include "armakon/pumps/CPumpenDlg.h"
#include "qt/ArmaturInfoWindow.h"
#include "qt/PumpEditWindow.h"
#include "qt/PumpenWindow.h"
#include "qt/ReportListWindow.h"

namespace armakon::qt {

std::unique_ptr<DialogWindow> DialogRegistry::build(ModalDialog& dialog, QWidget* parent) const {
  const auto found = builders_.find(typeid(dialog));
  return found == builders_.end() ? nullptr : found->second(dialog, parent);
}

void addLibraryDialogs(DialogRegistry& registry) {
  registry.add<CReportListDlg, ReportListWindow>();
  registry.add<CArmaturInfoDlg, ArmaturInfoWindow>();
  registry.add<CPumpenDlg, PumpenWindow>();
  registry.add<CPumpEditDlg, PumpEditWindow>();
}

}  // namespace armakon::qt
