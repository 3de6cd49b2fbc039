// Takes the screenshot of the report viewer for the documentation: checks a VDI 3805 file
// (filling the report list), opens the viewer on its entries and saves the window as PNG.
//
//   armakon_qt_screenshot <file.VDI> <out.png>     (under a display, e.g. xvfb-run)

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "armakon/dialogs/CReportListDlg.h"
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReportFile.h"
#include "qt/QtPlatform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <file.VDI> <out.png>\n", argv[0]);
    return 2;
  }
  armakon::CVDIDoc document;
  if (!document.Load(argv[1], false, 0) || !document.IsParsed()) {
    std::fprintf(stderr, "%s cannot be read as a VDI 3805 file\n", argv[1]);
    return 1;
  }
  armakon::StringList lines;
  const std::time_t now = std::time(nullptr);
  armakon::BuildCheckFile(lines, document, *std::localtime(&now));

  armakon::qt::QtPlatform platform;
  armakon::CReportListDlg viewer(armakon::CMiniReportUtil::instance().entries(), "Reportliste - " + std::filesystem::path(argv[1]).filename().string());
  bool saved = false;
  QTimer::singleShot(500, [&] {
    QWidget* window = QApplication::activeModalWidget();
    saved = window != nullptr && window->grab().save(QString::fromLocal8Bit(argv[2]));
    if (window != nullptr) window->close();
  });
  platform.runModal(viewer);
  if (!saved) std::fprintf(stderr, "cannot save %s\n", argv[2]);
  return saved ? 0 : 1;
}
