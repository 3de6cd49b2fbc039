#pragma once
// Plugs the library's own dialogs into the entry at start-up of the application object:
//   - the valve catalog slot runs CVdiKatalogDlg on the program-wide catalog data; its
//     "Info/Testen..." shows the model information dialog CArmaturInfoDlg;
//   - the catalog folder slot runs CPathSpecDlg on the program-wide catalog manager;
//   - the report list's "show" opens the report viewer CReportListDlg.
// Every one of them reaches the screen through showModal (ModalDialog.h).

namespace armakon {

void plugLibraryDialogs();

}  // namespace armakon
