#include "qt/DialogRegistry.h"

#include "armakon/containers/CRnArmaturAuswahlDlg.h"
#include "armakon/dialogs/CArmaturInfoDlg.h"
#include "armakon/dialogs/CPathSpecDlg.h"
#include "armakon/dialogs/CReportListDlg.h"
#include "armakon/dialogs/CVdiKatalogDlg.h"
#include "armakon/dialogs/CZubehoerAuswahlDlg.h"
#include "armakon/entry/CSplitterDlg.h"
#include "armakon/pumps/CPumpEditDlg.h"
#include "armakon/pumps/CPumpenDlg.h"
#include "qt/ArmaturAuswahlWindow.h"
#include "qt/ArmaturInfoWindow.h"
#include "qt/PathSpecWindow.h"
#include "qt/PumpEditWindow.h"
#include "qt/PumpenWindow.h"
#include "qt/ReportListWindow.h"
#include "qt/SplitterWindow.h"
#include "qt/VdiKatalogWindow.h"
#include "qt/ZubehoerAuswahlWindow.h"

namespace armakon::qt {

std::unique_ptr<DialogWindow> DialogRegistry::build(ModalDialog& dialog, QWidget* parent) const {
  const auto found = builders_.find(typeid(dialog));
  return found == builders_.end() ? nullptr : found->second(dialog, parent);
}

void addLibraryDialogs(DialogRegistry& registry) {
  registry.add<CReportListDlg, ReportListWindow>();
  registry.add<CArmaturInfoDlg, ArmaturInfoWindow>();
  registry.add<CVdiKatalogDlg, VdiKatalogWindow>();
  registry.add<CZubehoerAuswahlDlg, ZubehoerAuswahlWindow>();
  registry.add<CPathSpecDlg, PathSpecWindow>();
  registry.add<CRnArmaturAuswahlDlg, ArmaturAuswahlWindow>();
  registry.add<CSplitterDlg, SplitterWindow>();
  registry.add<CPumpenDlg, PumpenWindow>();
  registry.add<CPumpEditDlg, PumpEditWindow>();
}

}  // namespace armakon::qt
