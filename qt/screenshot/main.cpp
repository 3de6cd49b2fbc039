// Takes the documentation's screenshots of the dialogs, each in a real window (run it under a
// display, e.g. xvfb-run):
//
//   armakon_qt_screenshots [--lang <code>] <data/samples> <out-folder> [scene...]
//
// Without scene names every scene is taken; each is saved as <out-folder>/<scene>.png.
// `--lang en` shows the texts in English, as the desktop application does.

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>

#include "armakon/platform/CurrentPlatform.h"
#include "qt/AppLanguage.h"
#include "qt/QtPlatform.h"
#include "qt/screenshot/GrabWindow.h"

using namespace armakon::screenshots;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QString language;
  int first = 1;  // the first argument after the options
  if (argc >= 3 && std::string(argv[1]) == "--lang") {
    language = QString::fromLocal8Bit(argv[2]);
    first = 3;
  }
  if (argc < first + 2) {
    std::fprintf(stderr, "usage: %s [--lang <code>] <data/samples> <out-folder> [scene...]\n", argv[0]);
    return 2;
  }
  if (!language.isEmpty() && !armakon::qt::loadLanguage(language)) {
    std::fprintf(stderr, "no translation catalog for %s\n", qPrintable(language));
    return 2;
  }
  const std::map<std::string, Scene> scenes = {
      {"report-viewer", reportViewerScene},
      {"valve-catalog", valveCatalogScene},
      {"accessory-choice", accessoryChoiceScene},
      {"catalog-folders", catalogFoldersScene},
      {"container", containerScene},
      {"splitter", splitterScene},
      {"model-info", modelInfoScene},
      {"pump-choice", pumpChoiceScene},
      {"pump-editor", pumpEditorScene},
  };
  std::map<std::string, Scene> chosen;
  for (int i = first + 2; i < argc; ++i) {
    const auto found = scenes.find(argv[i]);
    if (found == scenes.end()) {
      std::fprintf(stderr, "unknown scene %s\n", argv[i]);
      return 2;
    }
    chosen.insert(*found);
  }
  armakon::qt::QtPlatform platform;
  armakon::ScopedPlatform installed(platform);
  int failed = 0;
  for (const auto& [name, scene] : chosen.empty() ? scenes : chosen) {
    const QString png = QString::fromLocal8Bit(argv[first + 1]) + "/" + QString::fromStdString(name) + ".png";
    scene(argv[first], png);
    if (lastGrabSaved()) {
      std::printf("%s\n", png.toLocal8Bit().constData());
    } else {
      std::fprintf(stderr, "%s: no picture saved\n", name.c_str());
      ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}
