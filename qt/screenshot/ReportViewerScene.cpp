// The report viewer on the check of a sample heating file with a faulty valve.

#include <ctime>

#include "armakon/dialogs/CReportListDlg.h"
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "qt/screenshot/GrabWindow.h"

namespace armakon::screenshots {

void reportViewerScene(const std::filesystem::path& samples, const QString& png) {
  const auto file = samples / "vdi/conversion/HZ_EINSTELLKURVEN_FEHLER.VDI";
  CVDIDoc document;
  if (!document.Load(file.string(), false, 0) || !document.IsParsed()) return;
  StringList lines;
  const std::time_t now = std::time(nullptr);
  BuildCheckFile(lines, document, *std::localtime(&now));
  CReportListDlg viewer(CMiniReportUtil::instance().entries(), "Reportliste - " + file.filename().string());
  grabNextWindow(png);
  platform().runModal(viewer);
  // The check's entries stay behind in the one report list of the process; the scenes after
  // this one show what a user sees after a fresh start.
  CMiniReportUtil::instance().clear();
}

}  // namespace armakon::screenshots
